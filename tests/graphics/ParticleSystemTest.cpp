// Emission, removal, motion, fading and the life cycle of running particle systems.
#include "datafiles/Node.h"
#include "random/Random.h"
#include "visuals/ParticleSystemFactory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <utility>

namespace {

using Vorn::ParticleBehavior;
using Vorn::ParticleSystem;
using Vorn::ParticleSystemFactory;

// One parameter element of particles.xml.
std::string Value(const std::string& element, const std::string& value) {
    return "<" + element + " value=\"" + value + "\"/>";
}

// A factory holding one system "Test" run by one behaviour "B", built from parameter elements.
class ParticleSystemTest : public testing::Test {
protected:
    void SetUp() override { Vorn::randomGenerator.SeedIndices(12, 34, 56, 78); }

    std::unique_ptr<ParticleSystem> Make(const std::string& behaviorParameters,
                                         const std::string& systemParameters = "") {
        Brisk::Node document;
        const std::string text = "<behavior><B>" + behaviorParameters + "</B></behavior><system><Test>" +
                                 systemParameters + "<behavior value=\"B\"/></Test></system>";
        document.LoadText(text.c_str());
        factory.Release();
        factory.Load(document);
        return factory.CreateSystem("Test");
    }

    ParticleSystemFactory factory;
};

const std::string emitter = Value("life_time", "1000") + Value("emit_time", "100") +
                            Value("emit_number", "3") + Value("particle_life_time", "5000");

TEST_F(ParticleSystemTest, RoundsAreDueFromTheTotalAge) {
    auto system = Make(emitter);
    ASSERT_NE(system, nullptr);
    system->Update(250);
    EXPECT_EQ(system->Particles().size(), 6u);
    system->Update(50);
    EXPECT_EQ(system->Particles().size(), 9u);
    EXPECT_EQ(system->Rounds(), 3u);
}

TEST_F(ParticleSystemTest, NothingIsEmittedAtAgeZeroAndMissedRoundsComeAtOnce) {
    auto system = Make(emitter);
    system->Update(0);
    EXPECT_TRUE(system->Particles().empty());
    system->Update(99);
    EXPECT_TRUE(system->Particles().empty());
    system->Update(1);
    EXPECT_EQ(system->Particles().size(), 3u);
}

TEST_F(ParticleSystemTest, EmissionStopsAtTheLifeTimeButAShortLifeStillEmitsOnce) {
    auto system = Make(emitter);
    for (int frame = 0; frame < 30; ++frame) {
        system->Update(100);
    }
    EXPECT_EQ(system->Rounds(), 10u);
    EXPECT_FALSE(system->IsEmitting());

    auto brief = Make(Value("life_time", "10") + Value("emit_time", "100") + Value("emit_number", "2") +
                      Value("particle_life_time", "5000"));
    for (int frame = 0; frame < 5; ++frame) {
        brief->Update(50);
    }
    EXPECT_EQ(brief->Rounds(), 1u);
    EXPECT_EQ(brief->Particles().size(), 2u);
}

TEST_F(ParticleSystemTest, AZeroEmitTimeEmitsNothing) {
    auto system =
        Make(Value("life_time", "1000") + Value("emit_number", "3") + Value("particle_life_time", "500"));
    system->Update(100);
    system->Update(2000);
    EXPECT_TRUE(system->Particles().empty());
    EXPECT_TRUE(system->IsFinished());
}

TEST_F(ParticleSystemTest, APausedSystemKeepsItsAgeAndResumes) {
    auto system = Make(emitter);
    system->Update(150);
    system->SetPaused(true);
    EXPECT_FALSE(system->IsEmitting());
    system->Update(500);
    EXPECT_EQ(system->Age(), 150u);
    EXPECT_EQ(system->Particles().size(), 3u);
    EXPECT_EQ(system->AgeOf(system->Particles()[0]), 650u) << "particles age on while the system is paused";
    system->SetPaused(false);
    system->Update(50);
    EXPECT_EQ(system->Particles().size(), 6u);
    EXPECT_EQ(system->Age(), 200u);
}

TEST_F(ParticleSystemTest, ParticlesAreRemovedWhenTheirAgeReachesTheLifeTime) {
    auto system = Make(Value("life_time", "100") + Value("emit_time", "100") + Value("emit_number", "1") +
                       Value("particle_life_time", "300"));
    system->Update(100); // emitted now, age 0 until the motion step adds this update
    ASSERT_EQ(system->Particles().size(), 1u);
    system->Update(199);
    ASSERT_EQ(system->Particles().size(), 1u);
    system->Update(1);
    ASSERT_EQ(system->Particles().size(), 1u);
    EXPECT_EQ(system->AgeOf(system->Particles()[0]), 300u);
    system->Update(1);
    EXPECT_TRUE(system->Particles().empty());
    EXPECT_TRUE(system->IsFinished());
}

TEST_F(ParticleSystemTest, RemovalKeepsTheOrderOfTheSurvivors) {
    auto system = Make(Value("life_time", "300") + Value("emit_time", "100") + Value("emit_number", "2") +
                           Value("particle_life_time", "150") + Value("particle_speed", "100"),
                       Value("scatter_angle", "360"));
    system->Update(100);
    system->Update(100);
    ASSERT_EQ(system->Particles().size(), 4u);
    const float third = system->Particles()[2].heading;
    const float fourth = system->Particles()[3].heading;
    system->Update(100);
    ASSERT_EQ(system->Particles().size(), 4u);
    EXPECT_EQ(system->Particles()[0].heading, third);
    EXPECT_EQ(system->Particles()[1].heading, fourth);
}

// Replays the generator by hand: spread, heading, the sprite's spin, move time, then the source distance.
TEST_F(ParticleSystemTest, EachParticleDrawsItsRandomValuesInAFixedOrder) {
    auto system = Make(Value("life_time", "100") + Value("emit_time", "100") + Value("emit_number", "1") +
                           Value("particle_life_time", "1000") + Value("particle_move_time", "200") +
                           Value("particle_move_time_random", "100") + Value("source_radius", "10") +
                           Value("source_offset_x", "3") + Value("source_offset_y", "-2"),
                       Value("scatter_angle", "90") + Value("direction", "30") + Value("focus", "1"));
    Vorn::Random replay;
    const double spread = 90.0 * replay.Next();
    const double heading = (spread * 0.5 + 30.0 - replay.Next() * spread) * std::numbers::pi / 180.0;
    const double spin = replay.Next() + 0.5;
    const unsigned moveTime = 200 + unsigned(replay.Next() * 100);
    const double distance = replay.Next() * 10.0;

    system->Update(100);
    ASSERT_EQ(system->Particles().size(), 1u);
    const ParticleSystem::ParticleRecord& particle = system->Particles()[0];
    EXPECT_FLOAT_EQ(particle.heading, float(heading));
    EXPECT_EQ(particle.moveTime, moveTime);
    EXPECT_NEAR(particle.x, 3.0 + distance * std::sin(heading), 1e-4);
    EXPECT_NEAR(particle.y, -2.0 + distance * std::cos(heading), 1e-4);
    EXPECT_FLOAT_EQ(particle.sprite.spinFactor, float(spin));
    EXPECT_EQ(Vorn::randomGenerator.Next(), replay.Next()) << "no further draws were made";
}

// Mean distance of the headings from the cone's centre, in degrees.
double MeanDeviation(const ParticleSystem& system, double direction) {
    double sum = 0;
    for (const auto& particle : system.Particles()) {
        sum += std::abs(particle.heading * 180.0 / std::numbers::pi - direction);
    }
    return sum / double(system.Particles().size());
}

TEST_F(ParticleSystemTest, FocusNarrowsTheHeadingsAroundTheDirection) {
    const std::string many = Value("life_time", "100") + Value("emit_time", "100") +
                             Value("emit_number", "2000") + Value("particle_life_time", "1000");
    auto spread = Make(many, Value("scatter_angle", "120") + Value("direction", "45"));
    spread->Update(100);
    auto focused = Make(many, Value("scatter_angle", "120") + Value("direction", "45") + Value("focus", "1"));
    focused->Update(100);

    // Uniform over +-60 degrees averages 30 away from the centre; focus mixes in narrower cones (15).
    EXPECT_NEAR(MeanDeviation(*spread, 45.0), 30.0, 1.5);
    EXPECT_NEAR(MeanDeviation(*focused, 45.0), 15.0, 1.5);
    for (const auto& particle : spread->Particles()) {
        const double degrees = particle.heading * 180.0 / std::numbers::pi;
        ASSERT_GE(degrees, 45.0 - 60.0 - 1e-3);
        ASSERT_LE(degrees, 45.0 + 60.0 + 1e-3);
    }
}

TEST_F(ParticleSystemTest, AFullCircleCoversEveryQuarterEvenly) {
    auto system = Make(Value("life_time", "100") + Value("emit_time", "100") + Value("emit_number", "4000") +
                           Value("particle_life_time", "1000"),
                       Value("scatter_angle", "360"));
    system->Update(100);
    int quarters[4] = {};
    for (const auto& particle : system->Particles()) {
        const double degrees = particle.heading * 180.0 / std::numbers::pi + 180.0;
        ++quarters[std::clamp(int(degrees / 90.0), 0, 3)];
    }
    for (int count : quarters) {
        EXPECT_NEAR(count, 1000, 120);
    }
}

// One particle heading along +y at 100 units per second for 1000 ms.
std::string Mover(const std::string& flags) {
    return Value("life_time", "10") + Value("emit_time", "10") + Value("emit_number", "1") +
           Value("particle_life_time", "5000") + Value("particle_move_time", "1000") +
           Value("particle_speed", "100") + flags;
}

float DistanceAfterMove(ParticleSystem& system) {
    system.Update(10);
    for (int step = 0; step < 120; ++step) {
        system.Update(10);
    }
    return system.Particles().front().y;
}

TEST_F(ParticleSystemTest, SlowDownCoversAboutHalfTheConstantSpeedDistance) {
    auto constant = Make(Mover(""));
    EXPECT_NEAR(DistanceAfterMove(*constant), 100.0f, 1.01f);
    auto slowed = Make(Mover(Value("particle_motion_slow_down", "true")));
    EXPECT_NEAR(DistanceAfterMove(*slowed), 50.0f, 1.5f);
    auto speeding =
        Make(Mover(Value("particle_motion_slow_down", "1") + Value("particle_motion_inv_slow_down", "1")));
    EXPECT_NEAR(DistanceAfterMove(*speeding), 50.0f, 1.5f);
}

TEST_F(ParticleSystemTest, LogarithmicSlowDownStaysFiniteAndNeverMovesBackwards) {
    for (const char* inverse : {"0", "1"}) {
        auto system =
            Make(Mover(Value("particle_motion_slow_down", "1") + Value("particle_motion_log_slow_down", "1") +
                       Value("particle_motion_inv_slow_down", inverse)));
        system->Update(10);
        float previous = system->Particles().front().y;
        for (int step = 0; step < 120; ++step) {
            system->Update(step % 7 == 0 ? 1 : 9);
            const float y = system->Particles().front().y;
            ASSERT_TRUE(std::isfinite(y)) << "inverse " << inverse;
            ASSERT_GE(y, previous) << "inverse " << inverse << " step " << step;
            previous = y;
        }
        EXPECT_GT(previous, 30.0f);
        EXPECT_LT(previous, 100.0f);
    }
}

TEST(ParticleSlowDownFactor, LogarithmicEndsAreClampedToZero) {
    ParticleBehavior behavior;
    behavior.slowDown = true;
    behavior.logSlowDown = true;
    EXPECT_EQ(Vorn::ParticleSlowDownFactor(behavior, 1.0f), 0.0f);
    EXPECT_EQ(Vorn::ParticleSlowDownFactor(behavior, 0.999f), 0.0f);
    EXPECT_FLOAT_EQ(Vorn::ParticleSlowDownFactor(behavior, 0.0f), 1.0f);
    behavior.inverseSlowDown = true;
    EXPECT_EQ(Vorn::ParticleSlowDownFactor(behavior, 0.0f), 0.0f);
    EXPECT_NEAR(Vorn::ParticleSlowDownFactor(behavior, 1.0f), 1.0 + 0.5 * std::log10(1.1), 1e-6);
}

TEST(ParticleAlpha, NeverExceedsOneAndFadesInThenOut) {
    ParticleBehavior behavior;
    behavior.particleLifeTime = 1000;
    for (bool logarithmic : {false, true}) {
        behavior.alphaLog = logarithmic;
        for (unsigned age : {0u, 1u, 10u, 500u, 999u, 1000u, 1500u}) {
            const float alpha = Vorn::ParticleAlpha(behavior, age);
            EXPECT_GE(alpha, 0.0f) << age;
            EXPECT_LE(alpha, 1.0f) << age;
        }
    }
    behavior.alphaLog = false;
    EXPECT_FLOAT_EQ(Vorn::ParticleAlpha(behavior, 250), 0.75f);
    behavior.alphaLog = true;
    EXPECT_FLOAT_EQ(Vorn::ParticleAlpha(behavior, 0), 1.0f);
    EXPECT_NEAR(Vorn::ParticleAlpha(behavior, 500), -0.5 * std::log10(0.55), 1e-6);

    behavior.alphaLog = false;
    behavior.fadeInBegin = 100;
    behavior.fadeInEnd = 300;
    EXPECT_EQ(Vorn::ParticleAlpha(behavior, 99), 0.0f);
    EXPECT_FLOAT_EQ(Vorn::ParticleAlpha(behavior, 200), 0.8f * 0.5f);
    EXPECT_FLOAT_EQ(Vorn::ParticleAlpha(behavior, 300), 0.7f);
}

TEST(ParticleProgress, RunsOverTheBehaviourMoveTimeAndStopsAtOne) {
    ParticleBehavior behavior;
    behavior.particleMoveTime = 400;
    EXPECT_FLOAT_EQ(Vorn::ParticleProgress(behavior, 100), 0.25f);
    EXPECT_FLOAT_EQ(Vorn::ParticleProgress(behavior, 4000), 1.0f);
    behavior.particleMoveTime = 0;
    EXPECT_FLOAT_EQ(Vorn::ParticleProgress(behavior, 0), 1.0f);
}

TEST_F(ParticleSystemTest, FinishedOnlyWhenAgedOrEndedAndEmpty) {
    auto system = Make(Value("life_time", "200") + Value("emit_time", "100") + Value("emit_number", "1") +
                       Value("particle_life_time", "250"));
    EXPECT_FALSE(system->IsFinished());
    EXPECT_TRUE(system->IsEmitting());
    system->Update(100);
    system->Update(100);
    EXPECT_FALSE(system->IsEmitting());
    EXPECT_FALSE(system->IsFinished()) << "aged, but particles are still alive";
    system->Update(200);
    system->Update(100);
    EXPECT_TRUE(system->Particles().empty());
    EXPECT_TRUE(system->IsFinished());

    auto ended = Make(emitter);
    ended->Update(100);
    ended->End();
    EXPECT_FALSE(ended->IsEmitting());
    EXPECT_FALSE(ended->IsFinished());
    ended->Destroy();
    EXPECT_TRUE(ended->IsFinished());
}

TEST_F(ParticleSystemTest, MoveShiftsEveryLiveParticleButNotTheSource) {
    auto system = Make(emitter + Value("source_offset_x", "3") + Value("source_offset_y", "-1") +
                       Value("particle_move_time", "0"));
    system->Update(200);
    std::vector<std::pair<float, float>> before;
    for (const auto& particle : system->Particles()) {
        before.emplace_back(system->XOf(particle), system->YOf(particle));
    }
    system->Move(5.0f, -2.5f);
    system->Move(1.0f, 0.5f);
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_FLOAT_EQ(system->XOf(system->Particles()[i]), before[i].first + 6.0f);
        EXPECT_FLOAT_EQ(system->YOf(system->Particles()[i]), before[i].second - 2.0f);
    }
    // Particles emitted after the moves start at the source, not shifted with the earlier ones.
    system->Update(100);
    ASSERT_EQ(system->Particles().size(), before.size() + 3);
    const auto& newest = system->Particles().back();
    EXPECT_FLOAT_EQ(system->XOf(newest), 3.0f);
    EXPECT_FLOAT_EQ(system->YOf(newest), -1.0f);
}

// Everything a run of a layered system leaves: each system's clock and rounds, and every particle's fields.
std::vector<double> StateOf(const ParticleSystem& system) {
    std::vector<double> state = {double(system.Age()), double(system.Rounds()),
                                 double(system.Particles().size())};
    for (const auto& particle : system.Particles()) {
        state.insert(state.end(), {particle.x, particle.y, particle.heading, double(system.AgeOf(particle)),
                                   double(particle.moveTime), particle.sprite.spinFactor});
    }
    for (const Vorn::ParticleSystem& layer : system.Layers()) {
        const std::vector<double> inner = StateOf(layer);
        state.insert(state.end(), inner.begin(), inner.end());
    }
    return state;
}

// A root and five layers (three nested) whose particles outlive a tick, die within one, never live, and
// move longer than they live, slowing down in each of the five ways.
void LoadLayeredSystems(ParticleSystemFactory& factory) {
    const std::string behaviors =
        "<Long>" + Value("life_time", "40") + Value("emit_time", "3") + Value("emit_number", "2") +
        Value("particle_life_time", "25") + Value("particle_move_time", "10") +
        Value("particle_move_time_random", "30") + Value("particle_speed", "50") +
        Value("source_radius", "2") + Value("particle_motion_slow_down", "true") + "</Long><Brief>" +
        Value("life_time", "30") + Value("emit_time", "1") + Value("emit_number", "1") +
        Value("particle_life_time", "4") + Value("particle_move_time", "6") + Value("particle_speed", "80") +
        Value("particle_motion_slow_down", "true") + Value("particle_motion_log_slow_down", "true") +
        "</Brief><Never>" + Value("life_time", "20") + Value("emit_time", "5") + Value("emit_number", "1") +
        "</Never><Inverse>" + Value("life_time", "2000000000") + Value("emit_time", "7") +
        Value("emit_number", "3") + Value("particle_life_time", "13") + Value("particle_move_time", "9") +
        Value("particle_move_time_random", "5") + Value("particle_speed", "30") +
        Value("particle_motion_slow_down", "true") + Value("particle_motion_log_slow_down", "true") +
        Value("particle_motion_inv_slow_down", "true") + "</Inverse><Steady>" + Value("life_time", "50") +
        Value("emit_time", "4") + Value("emit_number", "2") + Value("particle_life_time", "30") +
        Value("particle_move_time", "12") + Value("particle_move_time_random", "20") +
        Value("particle_speed", "40") + "</Steady><Widening>" + Value("life_time", "50") +
        Value("emit_time", "6") + Value("emit_number", "2") + Value("particle_life_time", "40") +
        Value("particle_move_time", "15") + Value("particle_move_time_random", "20") +
        Value("particle_speed", "60") + Value("particle_motion_slow_down", "true") +
        Value("particle_motion_inv_slow_down", "true") + "</Widening>";
    const std::string systems =
        "<Root>" + Value("behavior", "Long") + Value("scatter_angle", "360") + Value("layer", "Brief") +
        Value("layer", "Nested") + "</Root><Brief>" + Value("behavior", "Brief") + Value("focus", "1") +
        Value("scatter_angle", "90") + "</Brief><Nested>" + Value("behavior", "Inverse") +
        Value("layer", "Never") + Value("layer", "Steady") + Value("layer", "Widening") + "</Nested><Never>" +
        Value("behavior", "Never") + "</Never><Steady>" + Value("behavior", "Steady") +
        "</Steady><Widening>" + Value("behavior", "Widening") + "</Widening>";
    Brisk::Node document;
    document.LoadText(("<behavior>" + behaviors + "</behavior><system>" + systems + "</system>").c_str());
    factory.Load(document);
}

// Takes every system's particles out and puts them back as a load does, which forgets which of them have
// stopped moving, so that the next update reads them all.
void PutBackAsLoaded(ParticleSystem& system) {
    const ParticleSystem::Progress progress = system.SavedProgress();
    ParticleSystem::ParticleArray particles(system.Particles());
    for (ParticleSystem::ParticleRecord& particle : particles) {
        particle.born = ParticleSystem::BornAt(progress.age, system.AgeOf(particle));
    }
    system.Restore(progress, std::move(particles));
    for (ParticleSystem& layer : system.Layers()) {
        PutBackAsLoaded(layer);
    }
}

enum class Ticking { InMilliseconds, InTicks, InSteps };

// The layered system through ticks of 0 to 16 ms, with pauses and moves between them: the state after each
// tick, and then the random sequence's next draw. Put back after each update, every particle is read at the
// next.
std::vector<std::vector<double>> RunLayered(ParticleSystemFactory& factory, Ticking how,
                                            bool putBackAfterUpdates) {
    Vorn::randomGenerator.SeedIndices(12, 34, 56, 78);
    auto system = factory.CreateSystem("Root");
    std::vector<std::vector<double>> ticks;
    const unsigned lengths[] = {16, 16, 1, 5, 16, 0, 16, 3, 16, 16, 16, 2, 16, 16, 16, 16, 16, 16, 16, 16};
    for (std::size_t tick = 0; tick < std::size(lengths); ++tick) {
        system->SetPaused(tick == 6 || tick == 7);
        if (how == Ticking::InSteps) {
            system->UpdateInSteps(lengths[tick]);
        } else if (how == Ticking::InTicks) {
            system->Update(lengths[tick]);
        } else {
            for (unsigned step = 0; step < lengths[tick]; ++step) {
                system->Update(1);
                if (putBackAfterUpdates) {
                    PutBackAsLoaded(*system);
                }
            }
        }
        if (putBackAfterUpdates) {
            PutBackAsLoaded(*system);
        }
        system->Move(1.5f, -0.25f);
        ticks.push_back(StateOf(*system));
    }
    ticks.push_back({Vorn::randomGenerator.Next()});
    return ticks;
}

// The run in steps must leave every field and the random sequence exactly where the millisecond updates
// leave them.
TEST_F(ParticleSystemTest, StepsAtOnceMatchMillisecondUpdatesToTheBit) {
    LoadLayeredSystems(factory);
    const auto inMilliseconds = RunLayered(factory, Ticking::InMilliseconds, false);
    const auto inSteps = RunLayered(factory, Ticking::InSteps, false);
    ASSERT_EQ(inSteps.size(), inMilliseconds.size());
    EXPECT_GT(inMilliseconds[4].size(), 60u) << "every system has particles out after a few ticks";
    for (std::size_t tick = 0; tick < inSteps.size(); ++tick) {
        EXPECT_EQ(inSteps[tick], inMilliseconds[tick]) << "after tick " << tick;
    }
}

// Particles that have stopped moving are left unread until they expire; a system that has just been loaded
// reads them all. Both must age, draw, move and remove every particle alike, paused or not, in steps or not.
TEST_F(ParticleSystemTest, StoppedParticlesLeftUnreadAgeAndExpireAsIfRead) {
    LoadLayeredSystems(factory);
    for (Ticking how : {Ticking::InMilliseconds, Ticking::InTicks, Ticking::InSteps}) {
        const auto unread = RunLayered(factory, how, false);
        const auto readAll = RunLayered(factory, how, true);
        ASSERT_EQ(unread.size(), readAll.size());
        for (std::size_t tick = 0; tick < unread.size(); ++tick) {
            EXPECT_EQ(unread[tick], readAll[tick]) << "after tick " << tick << " run as " << int(how);
        }
    }
}

} // namespace
