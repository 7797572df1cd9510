// The mode stack: Enter before Leave, refused switches change nothing, and the history as a stack.
#include "shell/ModeManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A mode that writes every call into a shared log and can be told to refuse Enter.
class RecordingMode : public Zelt::X::Mode {
public:
    RecordingMode(Zelt::ModeManager* manager, std::string name, std::vector<std::string>& log)
        : Mode(manager), name(std::move(name)), log(log) {}
    bool Enter() override {
        log.push_back(name + ".Enter");
        return acceptEnter;
    }
    int Frame(std::uint32_t elapsedMs) override {
        log.push_back(name + ".Frame" + std::to_string(elapsedMs));
        return frameResult;
    }
    void Leave() override { log.push_back(name + ".Leave"); }

    std::string name;
    std::vector<std::string>& log;
    bool acceptEnter = true;
    int frameResult = 0;
};

class ModeManagerTest : public testing::Test {
protected:
    ModeManagerTest() : a(&manager, "a", log), b(&manager, "b", log) {
        manager.AddMode(&a);
        manager.AddMode(&b);
    }
    // The manager leaves its current mode when it goes, so it must go while the modes still exist.
    ~ModeManagerTest() override { manager.Deactivate(); }
    std::vector<std::string> log;
    Zelt::ModeManager manager;
    RecordingMode a, b;
};

using Log = std::vector<std::string>;

TEST_F(ModeManagerTest, AddModeAnswersIndicesInRegistrationOrder) {
    Zelt::ModeManager other;
    EXPECT_EQ(other.AddMode(&a), 0);
    EXPECT_EQ(other.AddMode(&b), 1);
    EXPECT_EQ(other.Current(), -1);
}

TEST_F(ModeManagerTest, ActivateFromNothingOnlyEntersTheNewMode) {
    manager.Activate(0);
    EXPECT_EQ(log, (Log{"a.Enter"}));
    EXPECT_EQ(manager.Current(), 0);
}

TEST_F(ModeManagerTest, NewModeEntersBeforeOldModeLeaves) {
    manager.Activate(0);
    log.clear();
    manager.Activate(1);
    EXPECT_EQ(log, (Log{"b.Enter", "a.Leave"}));
    EXPECT_EQ(manager.Current(), 1);
    EXPECT_TRUE(manager.History().empty());
}

TEST_F(ModeManagerTest, IndexOutOfRangeChangesNothingAndCallsNothing) {
    manager.Activate(0);
    log.clear();
    manager.Activate(2);
    EXPECT_FALSE(manager.PushActivate(7));
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(manager.Current(), 0);
}

TEST_F(ModeManagerTest, RefusedEnterKeepsTheOldModeUntouched) {
    manager.Activate(0);
    log.clear();
    b.acceptEnter = false;
    manager.Activate(1);
    EXPECT_FALSE(manager.PushActivate(1));
    EXPECT_EQ(log, (Log{"b.Enter", "b.Enter"}));
    EXPECT_EQ(manager.Current(), 0);
    EXPECT_TRUE(manager.History().empty());
}

TEST_F(ModeManagerTest, SwitchingToTheCurrentModeEntersThenLeavesIt) {
    manager.Activate(0);
    log.clear();
    manager.Activate(0);
    EXPECT_EQ(log, (Log{"a.Enter", "a.Leave"}));
    EXPECT_EQ(manager.Current(), 0);
}

TEST_F(ModeManagerTest, PushThenReturnWalksTheHistoryAsAStack) {
    manager.Activate(0);
    log.clear();
    EXPECT_TRUE(manager.PushActivate(1));
    EXPECT_EQ(manager.History(), (std::deque<std::uint32_t>{0}));
    EXPECT_EQ(log, (Log{"b.Enter", "a.Leave"}));
    log.clear();
    manager.ReturnToPrevious();
    EXPECT_EQ(log, (Log{"a.Enter", "b.Leave"}));
    EXPECT_EQ(manager.Current(), 0);
    EXPECT_TRUE(manager.History().empty());
}

TEST_F(ModeManagerTest, RefusedReturnKeepsTheHistoryTop) {
    manager.Activate(0);
    manager.PushActivate(1);
    a.acceptEnter = false;
    manager.ReturnToPrevious();
    EXPECT_EQ(manager.Current(), 1);
    EXPECT_EQ(manager.History().size(), 1u);
}

TEST_F(ModeManagerTest, ReturnWithEmptyHistoryDoesNothing) {
    manager.Activate(1);
    log.clear();
    manager.ReturnToPrevious();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(manager.Current(), 1);
}

TEST_F(ModeManagerTest, DeactivateTwiceLeavesOnce) {
    manager.Activate(0);
    log.clear();
    manager.Deactivate();
    manager.Deactivate();
    EXPECT_EQ(log, (Log{"a.Leave"}));
    EXPECT_EQ(manager.Current(), -1);
}

TEST_F(ModeManagerTest, RunFrameAnswersMinusOneWithoutACurrentMode) {
    EXPECT_EQ(manager.RunFrame(16), -1);
    manager.Activate(1);
    b.frameResult = 3;
    EXPECT_EQ(manager.RunFrame(16), 3);
    EXPECT_EQ(log.back(), "b.Frame16");
}

TEST_F(ModeManagerTest, DestructorLeavesTheCurrentModeButDeletesNothing) {
    {
        Zelt::ModeManager scoped;
        scoped.AddMode(&a);
        scoped.Activate(0);
        log.clear();
    }
    EXPECT_EQ(log, (Log{"a.Leave"}));
}

} // namespace
