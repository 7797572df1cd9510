// The battle's state in a save file: the bytes game/BattleState writes, kept as they are or compressed with
// zlib when that is smaller. A battle's state is mostly runs of similar records, which compress well, and
// the journal beside it is small either way.
#pragma once

#include "save/ByteStream.h"

#include <string>
#include <string_view>

namespace Vorn {

enum class StateEncoding : std::uint8_t { stored = 0, deflated = 1 };

// The section's body: the encoding, the state's own size, then its bytes in that encoding. An empty state
// (a save that holds none) is stored.
std::string StateSectionBody(std::string_view state);

// The state the body holds. Its size is checked against SaveLimits::maxStateBytes before anything is
// inflated, and the inflated bytes must come to exactly that size and use every compressed byte; faults go
// to the reader.
std::string ReadStateSection(ByteReader& in);

} // namespace Vorn
