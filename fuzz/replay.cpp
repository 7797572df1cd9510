// Fuzzes the replay reader: any bytes give either a replay or one line saying why not; a replay read
// writes back to a text that reads as the same replay.
#include "replay/ReplayReader.h"
#include "replay/ReplayWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Vorn::Replay replay;
    std::string fault;
    if (!Vorn::ParseReplay(text, "fuzz.replay", replay, fault)) {
        if (fault.empty() || fault.find('\n') != std::string::npos || !(replay == Vorn::Replay{}))
            std::abort();
        return 0;
    }
    Vorn::Replay again;
    if (!Vorn::ParseReplay(Vorn::ReplayText(replay), "again.replay", again, fault) || !(again == replay))
        std::abort();
    return 0;
}
