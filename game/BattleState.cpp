// Writing and reading a battle's state: the world's, the level's, the computer opponents' and the
// generator's, one after another, each with its length.
#include "game/BattleState.h"

#include "game/LevelState.h"
#include "random/Random.h"
#include "save/ByteStream.h"
#include "save/SaveLimits.h"
#include "snapshot/CommanderState.h"
#include "snapshot/WorldState.h"
#include "world/World.h"

namespace Vorn {

namespace {

void WriteRandom(ByteWriter& out, const RandomState& state) {
    for (double value : state.lagged)
        out.F64(value);
    out.F64(state.c);
    out.I32(state.i97);
    out.I32(state.j97);
}

RandomState ReadRandom(ByteReader& in) {
    RandomState state;
    for (double& value : state.lagged)
        value = in.F64("lagged value");
    state.c = in.F64("carry");
    state.i97 = in.I32("first lag index");
    state.j97 = in.I32("second lag index");
    return state;
}

} // namespace

std::string WriteBattleState(const Battle& battle) {
    return WriteBattleState(*battle.world, *battle.level, battle.commanders.get());
}

std::string WriteBattleState(World& world, const Level& level, const CommanderSet* commanders) {
    ByteWriter out;
    out.String(WriteWorldState(world));
    out.String(WriteLevelState(level));
    out.String(WriteCommanderState(commanders));
    WriteRandom(out, randomGenerator.State());
    return out.Take();
}

bool ReadBattleState(std::string_view body, Brisk::Node levelDocument, unsigned screenWidth,
                     unsigned screenHeight, Battle& battle, std::string& fault) {
    ByteReader in(body);
    const std::string_view world = in.Take("world's state", in.U32("world's state length"));
    const std::string_view level = in.Take("level's state", in.U32("level's state length"));
    const std::string_view opponents = in.Take("opponents' state", in.U32("opponents' state length"));
    const RandomState random = ReadRandom(in);
    if (!in.Failed() && !in.AtEnd())
        in.Fail("the battle's state has bytes left after its fields");
    if (in.Failed()) {
        fault = in.Fault();
        return false;
    }
    // Finding a drawing may draw from the generator: a refused state leaves it as it was.
    const RandomState before = randomGenerator.State();
    Battle restored;
    restored.world = std::make_unique<World>(std::move(levelDocument), screenWidth, screenHeight);
    restored.level = &AttachLevel(*restored.world);
    restored.commanders = MakeCommanders();
    if (!ReadWorldState(world, *restored.world, fault) || !ReadLevelState(level, *restored.level, fault) ||
        !ReadCommanderState(opponents, *restored.world, *restored.commanders, fault)) {
        randomGenerator.Restore(before);
        return false;
    }
    // The building of the world drew nothing the game depends on: the generator is set last.
    if (!randomGenerator.Restore(random)) {
        randomGenerator.Restore(before);
        fault = "the random generator's state is not one it can be in";
        return false;
    }
    battle = std::move(restored);
    return true;
}

} // namespace Vorn
