// Fuzzes the save reader: any bytes give either a saved game or one line saying why not, the game left
// empty; a saved game read writes back to the very bytes it was read from.
#include "save/SaveFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Vorn::SavedGame saved;
    std::string fault;
    if (!Vorn::ParseSave(bytes, "fuzz.save", saved, fault)) {
        if (fault.empty() || fault.find('\n') != std::string::npos || !(saved == Vorn::SavedGame{}))
            std::abort();
        return 0;
    }
    // Unknown sections are dropped on the way, so only a file without them comes back byte for byte.
    Vorn::SavedGame again;
    if (!Vorn::ParseSave(Vorn::SaveBytes(saved), "again.save", again, fault) || !(again == saved))
        std::abort();
    return 0;
}
