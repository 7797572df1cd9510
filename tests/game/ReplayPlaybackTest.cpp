// Watching a replay: the digests played are compared with the recorded ones as they come, and the step
// where the game parted from the recording is named once.
#include "game/ReplayPlayback.h"

#include <gtest/gtest.h>

using namespace Vorn;

TEST(ReplayPlayback, TheFirstSecondThatDiffersNamesItsStepOnce) {
    auto replay = std::make_shared<Replay>();
    replay->seconds = {{63, 1}, {125, 2}, {188, 3}};
    replay->steps = 200;
    ReplayPlayback playback(replay);
    std::vector<SecondDigest> played = {{63, 1}};
    EXPECT_EQ(playback.NewDivergence(played), std::nullopt);
    played.push_back({125, 2});
    played.push_back({188, 9});
    ASSERT_EQ(playback.NewDivergence(played), 188u);
    EXPECT_TRUE(playback.MarkAstray(188));
    EXPECT_FALSE(playback.MarkAstray(150)) << "the first step found stays";
    EXPECT_EQ(playback.NewDivergence(played), std::nullopt);
    EXPECT_EQ(playback.Divergence(), 188u);

    playback.Rewind();
    EXPECT_EQ(playback.Divergence(), std::nullopt);
    // A second the recording never had is a game that went on otherwise.
    played = {{63, 1}, {125, 2}, {188, 3}, {250, 4}};
    EXPECT_EQ(playback.NewDivergence(played), 250u);
    EXPECT_FALSE(playback.Over(199));
    EXPECT_TRUE(playback.Over(200));
}
