// What the world tick needs from the level's event script, which lives with the game's level code.
#pragma once

namespace Vorn {

class Object;

class LevelEvents {
public:
    virtual ~LevelEvents() = default;
    // Runs the events due in this step; the first call runs "start", which places the level's objects.
    virtual void LevelTick(unsigned elapsedMs) = 0;
    // Told before the object is deleted, while the pointer is still valid.
    virtual void NotifyDestroyed(Object* object) = 0;
};

} // namespace Vorn
