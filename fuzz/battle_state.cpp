// Fuzzes the battle's state reader with the shipped rules, drawings and particles against level0: any
// bytes give either a battle that writes back to the very bytes it was read from, or one line saying why
// not, with the battle given left untouched.
#include "fuzz/loader_input.h"
#include "game/BattleState.h"
#include "game/Level.h"
#include "world/World.h"

#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool loaded = (loader_fuzz::LoadShippedRules(), true);
    (void)loaded;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Brisk::Node level = dataArchive.ReadDocument("levels/level0.xml");
    Vorn::Battle battle;
    std::string fault;
    if (!Vorn::ReadBattleState(bytes, level, 1280, 720, battle, fault)) {
        if (fault.empty() || fault.find('\n') != std::string::npos || battle.world != nullptr)
            std::abort();
        return 0;
    }
    if (Vorn::WriteBattleState(battle) != bytes)
        std::abort();
    return 0;
}
