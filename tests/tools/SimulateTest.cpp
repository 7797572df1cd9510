// The headless simulator: its summary line, determinism, refusals, and how each shipped level ends when the
// player does nothing.
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace testing_support;

struct SimulatorRun {
    int status = -1;
    std::vector<std::string> lines;
    std::string Last() const { return lines.empty() ? "" : lines.back(); }
};

// Standard error is dropped unless asked for; then its lines come first.
SimulatorRun Simulate(const std::string& arguments, bool withErrors = false) {
    const std::string command = "cd '" + SourceDir().string() + "' && '" +
                                (BinDir() / "sector-clash-simulate").string() + "' " + arguments +
                                (withErrors ? " 2>&1" : " 2>/dev/null");
    SimulatorRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::string line;
    std::array<char, 4096> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe)) {
        line += buffer.data();
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
            run.lines.push_back(line);
            line.clear();
        }
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// A member of one side's entry.
std::string SideMember(const std::string& json, const std::string& side, const std::string& name) {
    const auto start = json.find("\"" + side + "\": {");
    return start == std::string::npos ? ""
                                      : FirstJsonMember(json.substr(start, json.find('}', start) - start + 1), name);
}

TEST(Simulate, PrintsTheSummaryWithEverySide) {
    const SimulatorRun run = Simulate("data/levels/level0.xml --seconds 2");
    ASSERT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 1u);
    const std::string& summary = run.Last();
    EXPECT_EQ(FirstJsonMember(summary, "seconds"), "2.000");
    EXPECT_EQ(FirstJsonMember(summary, "steps"), "125");
    EXPECT_EQ(FirstJsonMember(summary, "finished"), "false");
    EXPECT_EQ(FirstJsonMember(summary, "digest").size(), 18u);
    for (const char* side : {"Neutral", "Red", "Green", "Blue", "Yellow", "Aqua", "Magenta"})
        EXPECT_NE(SideMember(summary, side, "money"), "") << side;
    EXPECT_NE(SideMember(summary, "Blue", "buildings"), "0");
    EXPECT_NE(SideMember(summary, "Blue", "hp"), "0.0");
    EXPECT_NE(summary.find("\"tick_ms\": {\"median\": "), std::string::npos);
}

TEST(Simulate, SameArgumentsSameDigestOtherSeedOtherDigest) {
    const std::string first =
        FirstJsonMember(Simulate("data/levels/level0.xml --steps 40 --skirmish").Last(), "digest");
    const std::string again =
        FirstJsonMember(Simulate("data/levels/level0.xml --steps 40 --skirmish").Last(), "digest");
    const std::string other =
        FirstJsonMember(Simulate("data/levels/level0.xml --steps 40 --skirmish --seed 2").Last(), "digest");
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first, again);
    EXPECT_NE(first, other);
}

TEST(Simulate, StepsCountAndTraceLinesPerGameSecond) {
    const SimulatorRun run = Simulate("data/levels/level0.xml --steps 100 --step 40 --trace");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(FirstJsonMember(run.Last(), "steps"), "100");
    EXPECT_EQ(FirstJsonMember(run.Last(), "seconds"), "4.000");
    EXPECT_EQ(run.lines.size(), 5u) << "four trace lines and the summary";
    EXPECT_EQ(FirstJsonMember(run.lines[0], "seconds"), "1.000");
}

TEST(Simulate, RefusesUnreadableLevelsAndBadOptions) {
    EXPECT_EQ(Simulate("data/levels/no-such-level.xml").status, 2);
    EXPECT_EQ(Simulate("data/levels").status, 2);
    EXPECT_EQ(Simulate("data/levels/level0.xml --step 0").status, 2);
    EXPECT_EQ(Simulate("data/levels/level0.xml --seconds -1").status, 2);
    EXPECT_EQ(Simulate("data/levels/level0.xml --data /nonexistent").status, 2);
    EXPECT_EQ(Simulate("").status, 2);
}

TEST(Simulate, AHostileLevelRunsToTheEnd) {
    const auto path = ScratchDir("simulate_hostile") / "hostile.xml";
    std::ofstream(path)
        << "<level width=\"-1e39\" height=\"nan\"/>"
           "<event name=\"start\"><new><tank type=\"x\" turret=\"y\" armor=\"z\" color=\"Red\" "
           "group=\"A\" number=\"1\" x=\"inf\"/></new>"
           "<request event=\"start\" when=\"time\" value=\"0\" persistent=\"1\"/>"
           "<request event=\"start\" when=\"time\" value=\"0\" persistent=\"1\"/></event>";
    const SimulatorRun run = Simulate(path.string() + " --seconds 3");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(FirstJsonMember(run.Last(), "finished"), "false");
}

TEST(Simulate, RefusesRunsBeyondTheGameClock) {
    // The clock counts 32-bit milliseconds: 4294967 whole seconds of 1000 ms steps fit, a step more
    // does not. Level1 ends long before, so a run that is let through ends too.
    EXPECT_EQ(Simulate("data/levels/level1.xml --step 1000 --seconds 4294967").status, 0);
    EXPECT_EQ(Simulate("data/levels/level1.xml --step 1000 --seconds 4294967.001").status, 2);
    EXPECT_EQ(Simulate("data/levels/level1.xml --seconds 4294967.295").status, 2) << "in 16 ms steps";
    EXPECT_EQ(Simulate("data/levels/level1.xml --step 1000 --steps 4294968").status, 2);
    const SimulatorRun refused = Simulate("data/levels/level1.xml --seconds 1e7", true);
    EXPECT_NE(refused.lines.at(0).find("--seconds"), std::string::npos) << refused.lines.at(0);
}

TEST(Simulate, RefusesFilesThatAreNoLevelAsTheGameDoes) {
    const auto folder = ScratchDir("simulate_no_level");
    std::ofstream(folder / "empty.xml");
    std::ofstream(folder / "other.xml") << "<constants><Base/></constants>";
    std::ofstream(folder / "text.xml") << "not XML at all";
    for (const char* file : {"empty.xml", "other.xml", "text.xml"}) {
        const SimulatorRun run = Simulate((folder / file).string(), true);
        EXPECT_EQ(run.status, 2) << file;
        EXPECT_NE(run.lines.back().find(file), std::string::npos) << run.lines.back();
    }
}

TEST(Simulate, TakesTheGamesLevelNames) {
    const SimulatorRun run = Simulate("levels/level1.xml --steps 1");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(FirstJsonMember(run.Last(), "digest"),
              FirstJsonMember(Simulate("data/levels/level1.xml --steps 1").Last(), "digest"));
}

// A mod's level is played with the mod's constants, and the simulator says which data it reads.
TEST(Simulate, PlaysALevelWithTheDataFolderItLiesIn) {
    const auto mod = ScratchDir("simulate_mod") / "data";
    std::filesystem::copy(SourceDir() / "data", mod, std::filesystem::copy_options::recursive);
    std::ifstream constantsFile(mod / "constants.xml");
    std::string constants((std::istreambuf_iterator<char>(constantsFile)), std::istreambuf_iterator<char>());
    const std::string armourKey = "<max_armor value=\"";
    const auto armour = constants.find(armourKey, constants.find("<Base>")) + armourKey.size();
    constants.replace(armour, constants.find('"', armour) - armour, "1234");
    std::ofstream(mod / "constants.xml", std::ios::trunc) << constants;
    std::ofstream(mod / "levels/base.xml")
        << "<level width=\"2000\" height=\"2000\"/><event name=\"start\"><new>"
           "<building type=\"base\" color=\"Blue\"/></new></event>";

    const SimulatorRun modded = Simulate((mod / "levels/base.xml").string() + " --steps 1", true);
    ASSERT_EQ(modded.status, 0);
    EXPECT_EQ(SideMember(modded.Last(), "Blue", "hp"), "1234.0");
    EXPECT_EQ(modded.lines.at(0), "sector-clash-simulate: data folder " + mod.string());
    const SimulatorRun repository = Simulate((mod / "levels/base.xml").string() + " --data data --steps 1");
    EXPECT_NE(SideMember(repository.Last(), "Blue", "hp"), "1234.0") << "--data chooses otherwise";
    std::filesystem::remove_all(mod.parent_path());
}

// Two blocks, a tank, a mine and two Red buildings: every kind the list covers.
constexpr const char* listedLevel =
    "<level width=\"2000\" height=\"2000\"/><event name=\"start\"><new>"
    "<tank type=\"heavy\" turret=\"cannon2\" armor=\"light\" color=\"Blue\" group=\"A\" number=\"1\" "
    "x=\"900\"/>"
    "<obstacle type=\"atblock\" x=\"-300\" y=\"10\"/><obstacle type=\"atblock\" size=\"2.5\" x=\"-200\" "
    "y=\"-90\"/>"
    "<landmine type=\"small\" color=\"Red\" x=\"-900\" y=\"300\"/>"
    "<building type=\"power\" color=\"Red\" group=\"P\" number=\"2\" x=\"-500\" y=\"-500\"/>"
    "<tower type=\"support\" turret=\"gun1\" color=\"Red\" group=\"T\" number=\"3\" x=\"-700\" y=\"-500\"/>"
    "</new></event>";

// The JSON object of the listed object whose "kind" and "x" match, or empty.
std::string ListedObject(const std::string& line, const std::string& kind, const std::string& x) {
    for (auto start = line.find("{\"kind\": "); start != std::string::npos;
         start = line.find("{\"kind\": ", start + 1)) {
        const std::string object = line.substr(start, line.find('}', start) - start + 1);
        if (FirstJsonMember(object, "kind") == "\"" + kind + "\"" && FirstJsonMember(object, "x") == x)
            return object;
    }
    return "";
}

TEST(Simulate, ListsTheObjectsEveryIntervalAndAtTheEnd) {
    const auto path = ScratchDir("simulate_objects") / "objects.xml";
    std::ofstream(path) << listedLevel;
    const SimulatorRun run = Simulate(path.string() + " --steps 70 --objects-every 500");
    ASSERT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 4u) << "three lists and the summary";
    EXPECT_EQ(FirstJsonMember(run.lines[0], "t"), "512");
    EXPECT_EQ(FirstJsonMember(run.lines[1], "t"), "1008");
    EXPECT_EQ(FirstJsonMember(run.lines[2], "t"), "1120") << "the end";
    EXPECT_EQ(FirstJsonMember(run.lines[3], "steps"), "70");
    EXPECT_EQ(Simulate(path.string() + " --steps 64 --objects-every 512").lines.size(), 3u)
        << "an end on the interval is listed once";

    const std::string& list = run.lines[2];
    const std::string tank = ListedObject(list, "tank", "900.000");
    EXPECT_EQ(FirstJsonMember(tank, "side"), "\"Blue\"");
    EXPECT_EQ(FirstJsonMember(tank, "type"), "\"HeavyTank\"");
    EXPECT_EQ(FirstJsonMember(tank, "callsign"), "\"A1\"");
    EXPECT_GT(std::stod(FirstJsonMember(tank, "hp")), 0);
    EXPECT_EQ(FirstJsonMember(ListedObject(list, "building", "-500.000"), "callsign"), "\"P2\"");
    EXPECT_EQ(FirstJsonMember(ListedObject(list, "tower", "-700.000"), "side"), "\"Red\"");
    const std::string mine = ListedObject(list, "landmine", "-900.000");
    EXPECT_EQ(FirstJsonMember(mine, "type"), "\"SmallLandmine\"");
    EXPECT_EQ(FirstJsonMember(mine, "hp"), "null");
    // Obstacles are listed with the radius the world tests them with: the level's size times the type's.
    const std::string block = ListedObject(list, "obstacle", "-300.000");
    EXPECT_EQ(FirstJsonMember(block, "type"), "\"AntitankBlock\"");
    EXPECT_EQ(FirstJsonMember(block, "callsign"), "null");
    EXPECT_DOUBLE_EQ(std::stod(FirstJsonMember(ListedObject(list, "obstacle", "-200.000"), "radius")),
                     2.5 * std::stod(FirstJsonMember(block, "radius")));
}

// With no player input every shipped level is lost, played as the game plays it, with the level's own
// skirmish: where the enemy's waves attack, they take the player's headquarters before the time limit; where
// they do not, the limit ends the level. Played in 100 ms steps, fine enough for the fights to go as in the
// game and coarse enough for the sanitizer build.
struct ShippedLevel {
    const char* file;
    double limitSeconds;
    bool enemyAttacks;
};

class ShippedLevels : public ::testing::TestWithParam<ShippedLevel> {};

TEST_P(ShippedLevels, ThePlayerWhoDoesNothingLoses) {
    const ShippedLevel& level = GetParam();
    const SimulatorRun run =
        Simulate(std::string("data/levels/") + level.file + " --skirmish --step 100 --seconds " +
                 std::to_string(level.limitSeconds + 60));
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(FirstJsonMember(run.Last(), "finished"), "true");
    EXPECT_EQ(FirstJsonMember(run.Last(), "won"), "false");
    const double seconds = std::stod(FirstJsonMember(run.Last(), "seconds"));
    if (level.enemyAttacks) {
        EXPECT_LT(seconds, level.limitSeconds) << "the enemy's waves take the headquarters";
    } else {
        // The time request is seen in the first step that starts at or after the limit.
        EXPECT_GE(seconds, level.limitSeconds);
        EXPECT_LE(seconds, level.limitSeconds + 0.1);
        EXPECT_NE(SideMember(run.Last(), "Blue", "buildings"), "0") << "the player still has a base";
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, ShippedLevels,
                         ::testing::Values(ShippedLevel{"level0.xml", 1200, true},
                                           ShippedLevel{"level1.xml", 600, false},
                                           ShippedLevel{"level2.xml", 2400, true}),
                         [](const auto& info) { return std::string(info.param.file).substr(0, 6); });

} // namespace

TEST(Simulate, SkirmishTakesAnOptionalTankCount) {
    const auto tanks = [](const std::string& summary) {
        return std::stoi(SideMember(summary, "Green", "tanks")) +
               std::stoi(SideMember(summary, "Blue", "tanks"));
    };
    const SimulatorRun none = Simulate("data/levels/level0.xml --steps 1");
    const SimulatorRun few = Simulate("data/levels/level0.xml --skirmish 16 --steps 1");
    const SimulatorRun many = Simulate("data/levels/level0.xml --skirmish 1024 --steps 1");
    const SimulatorRun plain = Simulate("data/levels/level0.xml --skirmish --steps 1");
    const SimulatorRun counted = Simulate("data/levels/level0.xml --skirmish 256 --steps 1");
    ASSERT_EQ(many.status, 0);
    const int level = tanks(none.Last());
    EXPECT_GT(tanks(few.Last()), level);
    EXPECT_LE(tanks(few.Last()), level + 16);
    // The fields, widened as far as level0's edges, leave most of the thousand a free place.
    EXPECT_GT(tanks(many.Last()), level + 800);
    EXPECT_LE(tanks(many.Last()), level + 1024);
    EXPECT_EQ(FirstJsonMember(plain.Last(), "digest"), FirstJsonMember(counted.Last(), "digest"));
    EXPECT_EQ(Simulate("data/levels/level0.xml --skirmish 65537 --steps 1").status, 2)
        << "a count beyond the callsign numbers is taken for the level file";
}

TEST(Simulate, SkirmishWithoutACountFieldsTheLevelsOwn) {
    const auto path = ScratchDir("simulate_level_skirmish") / "sixteen.xml";
    std::ofstream(path) << "<level width=\"8192\" height=\"6144\" skirmish=\"16\"/><event name=\"start\"/>";
    const auto tanks = [&](const std::string& options) {
        const std::string summary = Simulate(path.string() + " --steps 1" + options).Last();
        return std::stoi(SideMember(summary, "Green", "tanks")) +
               std::stoi(SideMember(summary, "Blue", "tanks"));
    };
    EXPECT_EQ(tanks(""), 0);
    EXPECT_GE(tanks(" --skirmish"), 14);
    EXPECT_LE(tanks(" --skirmish"), 16);
    EXPECT_GT(tanks(" --skirmish 40"), 30);
}

TEST(Simulate, PlayOnKeepsTheBattleGoingPastTheLevelsEndAndTracesMemory) {
    const auto path = ScratchDir("simulate_play_on") / "quits.xml";
    std::ofstream(path) << "<level width=\"4096\" height=\"4096\"/>"
                           "<event name=\"start\"><quit status=\"false\"/></event>";
    const SimulatorRun ended = Simulate(path.string() + " --seconds 3");
    ASSERT_EQ(ended.status, 0);
    EXPECT_EQ(FirstJsonMember(ended.Last(), "finished"), "true");
    // "start" runs as the battle is set up, so the level has ended before the first step.
    EXPECT_EQ(FirstJsonMember(ended.Last(), "steps"), "0");
    const SimulatorRun onwards = Simulate(path.string() + " --seconds 3 --play-on --trace");
    ASSERT_EQ(onwards.status, 0);
    EXPECT_EQ(FirstJsonMember(onwards.Last(), "finished"), "true");
    EXPECT_EQ(FirstJsonMember(onwards.Last(), "seconds"), "3.008");
    ASSERT_GE(onwards.lines.size(), 2u);
    EXPECT_GT(std::stol(FirstJsonMember(onwards.lines[0], "rss_kb")), 0);
}
