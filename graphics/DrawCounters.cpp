// The draw counters.
#include "graphics/DrawCounters.h"

namespace Vorn {

std::array<std::uint32_t, drawCounterCount> drawCounters{};

} // namespace Vorn
