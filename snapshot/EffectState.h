// The effects of a world's two layers and the shared bursts, as a save holds them.
#pragma once

#include "snapshot/StateStream.h"

namespace Vorn {

class World;

// Numbers every effect in the writer as it goes, for the owners written after.
void WriteEffects(StateWriter& writer, World& world);
// Files the effects in their layers in the saved order and keeps them by number in the reader.
void ReadEffects(StateReader& reader, World& world);

} // namespace Vorn
