// The one way to destroy a tank, tower or building on purpose, for a level's "destroy" and the player's
// destroy button alike.
#pragma once

namespace Vorn {

class Object;

// Sets the object's hit points to 0 and marks it, so the world removes it at the end of the current step
// (or of the next, between steps) even when a repairer heals it in between; it explodes, leaves its corpse
// and is reported to the level like any unit shot down. Other objects are left as they are.
void DestroyAtEndOfStep(Object& object);

} // namespace Vorn
