// A remembered reference to an object that may die while it is remembered (a brain's target, a bullet's
// shooter).
#pragma once

#include "world/Object.h"

#include <cstdint>

namespace Vorn {

// Take the reference while the object is known to be alive; confirm it with the world's ContainsNear or
// ContainsAnywhere before every use. Those compare the serial as well as the address, so a new object that
// happens to be built at a freed object's address does not pass for it.
class ObjectRef {
public:
    ObjectRef() = default;
    explicit ObjectRef(Object* object) : object(object), serial(object ? object->Serial() : 0) {}

    // A reference read from a save: to the object of that serial, or, when no object of it is filed any
    // more (null), to a stand-in no live object is ever taken for, so that the reference stays set and
    // fails its confirmation as the one it was saved from did.
    static ObjectRef Restored(Object* object, std::uint64_t serial) {
        static Object gone;
        ObjectRef ref;
        ref.object = object != nullptr ? object : &gone;
        ref.serial = serial;
        return ref;
    }

    // The object as remembered; only safe to follow after the world has confirmed the reference.
    Object* Get() const { return object; }
    std::uint64_t Serial() const { return serial; }
    explicit operator bool() const { return object != nullptr; }
    void Reset() { *this = ObjectRef(); }

    // True when the live object at `candidate` is the one remembered.
    bool Is(const Object* candidate) const {
        return object && candidate == object && candidate->Serial() == serial;
    }

private:
    Object* object = nullptr;
    std::uint64_t serial = 0;
};

} // namespace Vorn
