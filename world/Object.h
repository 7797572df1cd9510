// The root of everything on the map: position, size, heading, side and the drawing it is shown with.
#pragma once

#include "world/HitPoints.h"

#include <cstdint>
#include <optional>

namespace Vorn {

class Drawing;
class Tank;

// Objects are owned by the world container that holds them and are deleted through the virtual destructor.
// The world gives every object a serial number when it first files it, counting from 1 in each world, so
// the same game played again gives every object the same serial: commands name units by it, and
// remembered references compare it so that a new object at a freed object's address is never taken for
// the old one. An object never filed keeps serial 0, which no reference of a filed object matches.
class Object {
public:
    Object();
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object();

    // The tank this object is, or null: the world's tank walks ask it of thousands of objects every step,
    // and a dynamic_cast there costs more than the tank's own update steps around it.
    virtual Tank* AsTank() { return nullptr; }
    const Tank* AsTank() const { return const_cast<Object*>(this)->AsTank(); }

    // The hit points of a tank (its armour's), a tower or a building; nothing for an object that has none
    // (obstacles, wrecks, landmines, bullets, a tank that lost its armour). The one place that knows where
    // each kind keeps them: damage, destruction, the digest, the info box and the bars all go through it.
    virtual std::optional<HitPoints> Health() const { return std::nullopt; }
    // Sets the current hit points of an object that has them; an object without any is left alone.
    virtual void SetHealth(float /*current*/) {}

    std::uint64_t Serial() const { return serial; }

    const Drawing* drawing = nullptr;
    float x = 0;
    float y = 0;
    // Radius for collision, targeting and fog; below 0.01 the object never blocks.
    float size = 0;
    float direction = 0;
    int side = 0;
    // Set by DestroyAtEndOfStep: the world removes it at the end of the step, whatever repairs it in
    // between.
    bool doomed = false;

private:
    friend class World;
    std::uint64_t serial = 0;
};

// Takes the amount off the object's hit points, if it has any.
void Harm(Object& object, float amount);
// Adds the amount to the object's hit points, if it has any, never beyond their maximum.
void Repair(Object& object, float amount);
// Current over maximum hit points; 0 for an object without any.
float HitPointFraction(const Object& object);

// Objects of size below this never block movement or placement.
constexpr float blockingSize = 0.01f;

struct SideColour {
    float red, green, blue;
};
// The colour objects of a side are drawn in (the minimap, the bars and the menu's preview too); white for a
// value that is no side.
SideColour SideColourOf(int side);

} // namespace Vorn
