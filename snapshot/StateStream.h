// What writing and reading a world's state share: the byte stream, the drawings by number, the pieces
// every object has (its place, its brain's countdowns, its references to other objects), and on reading
// the references left to resolve once every object is filed.
#pragma once

#include "save/ByteStream.h"
#include "snapshot/DrawingIndex.h"
#include "world/ObjectRef.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace Vorn {

class Brain;
class Object;
class World;

struct StateWriter {
    ByteWriter& out;
    const DrawingIndex& drawings;

    // Serial, drawing, position, size, heading, side and the doomed flag.
    void ObjectBase(const Object& object);
    void BrainBase(const Brain& brain);
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

    ByteReader& in;
    World& world;
    const DrawingIndex& drawings;

private:
    std::vector<std::function<void()>> links;
};

} // namespace Vorn
