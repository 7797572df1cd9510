// What writing and reading a world's state share: the byte stream, the drawings by number, the pieces
// every object has (its place, its brain's countdowns, its references to other objects), and on reading
// the references left to resolve once every object is filed.
#pragma once

#include "save/ByteStream.h"
#include "snapshot/DrawingIndex.h"
#include "world/AttachedEffect.h"
#include "world/ObjectRef.h"

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

namespace Vorn {

class Brain;
class Effect;
class Object;
class World;

struct StateWriter {
    ByteWriter& out;
    const DrawingIndex& drawings;
    // Every effect of the two layers by its number, from 1 in walk order (lower layer first).
    std::unordered_map<const Effect*, std::uint32_t> effectNumbers{};

    // The effect's number; 0 for none, or for one no layer holds.
    void EffectNumber(const Effect* effect);
    // Serial, drawing, position, size, heading, side and the doomed flag.
    void ObjectBase(const Object& object);
    void BrainBase(const Brain& brain);
    // A count, then each effect's number.
    void EffectList(const std::vector<Effect*>& effects);
    // A count, then each effect's number and offset.
    void AttachedEffects(const std::vector<AttachedEffect>& effects);
    // A flag, then the serial: the object itself may be gone already.
    void Reference(const ObjectRef& reference);
    // The enumerations are written as their numbers.
    template <typename Enum> void Type(Enum value) { out.U32(static_cast<std::uint32_t>(value)); }
};

class StateReader {
public:
    StateReader(ByteReader& in, World& world, const DrawingIndex& drawings)
        : in(in), world(world), drawings(drawings) {}

    // Fills the object's own fields and answers the serial it had; the caller files it under that.
    std::uint64_t ObjectBase(Object& object);
    // The same for a part or a bullet, which the world never files: its serial must be 0.
    void UnfiledBase(Object& object);
    void BrainBase(Brain& brain);
    // Sets the reference once every object is filed (ResolveLinks).
    void Reference(ObjectRef& reference, const char* what);
    // A type number below `count`, as the enumeration.
    template <typename Enum> Enum Type(const char* what, int count) {
        return static_cast<Enum>(in.Bounded(what, static_cast<std::uint32_t>(count - 1)));
    }
    // Runs later, after every object is filed: a link between objects that may refer forwards.
    void Link(std::function<void()> link) { links.push_back(std::move(link)); }
    void ResolveLinks();
    // An object's own effects: every number names an effect, and a list read short holds no gaps, so that an
    // object torn down after a fault releases only effects that are there.
    std::vector<Effect*> EffectList(const char* what);
    std::vector<AttachedEffect> AttachedEffects(const char* what);
    // The effect of the number, as read before the objects; null for 0 and after a fault.
    Effect* EffectOfNumber(const char* what);

    ByteReader& in;
    World& world;
    const DrawingIndex& drawings;

    // The effects read, in their numbers' order.
    std::vector<Effect*> effects;

private:
    // The effect of the number, which must name one; null after a fault.
    Effect* ListedEffect(const char* what);

    std::vector<std::function<void()>> links;
};

} // namespace Vorn
