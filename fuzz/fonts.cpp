// Fuzzes fonts.xml as far as it is read without a display: every element read as a font entry, the
// families gathered, and the first few looked up among the installed and the shipped font files.
#include "fuzz/loader_input.h"
#include "graphics/FontNames.h"
#include "graphics/FontStore.h"

#include <sanitizer/lsan_interface.h>

#include <string>
#include <vector>

namespace {
// Each lookup asks the font configuration; a handful covers every path through it.
constexpr std::size_t familiesLookedUp = 4;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Vorn::FontStore store;
    store.Load(loader_fuzz::Document(data, size));
    for (const Brisk::Node& element : store.Description().children) {
        std::string reason;
        (void)Vorn::FontStore::ReadEntry(element, &reason);
    }
    // fontconfig keeps caches for the whole process and rebuilds them when application fonts are cleared;
    // those are its own, not leaks of the store.
    const std::vector<std::string> families = store.Families();
    const __lsan::ScopedDisabler fontconfigCaches;
    store.OpenInstaller(std::string(SECTOR_CLASH_SOURCE_DIR) + "/" + Vorn::FontNames::fontsDirectory);
    for (std::size_t i = 0; i < families.size() && i < familiesLookedUp; ++i)
        (void)store.EnsureFamily(families[i]);
    store.ReleaseInstaller();
    return 0;
}
