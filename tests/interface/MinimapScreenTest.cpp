// Through the running program: what stands on the map shows on the minimap in its side's colour, in the
// corner of the square that matches its corner of the map.
#include "interface/Interface.h"
#include "shell/program/Program.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace {

using Colour = std::array<int, 3>;

// Whether a pixel of exactly this colour lies in the square [left, left + side) x [bottom, bottom + side).
bool ShowsColour(const platform::RgbaImage& image, int left, int bottom, int side, Colour colour) {
    for (int y = bottom; y < bottom + side; ++y) {
        const int row = image.height - 1 - y;
        for (int x = left; x < left + side; ++x) {
            const std::size_t at = (static_cast<std::size_t>(row) * image.width + x) * 4;
            if (Colour{image.pixels[at], image.pixels[at + 1], image.pixels[at + 2]} == colour)
                return true;
        }
    }
    return false;
}

void PlaceSeen(float x, float y, int side, Vorn::ObjectKind kind) {
    auto* object = new Vorn::Object;
    object->x = x;
    object->y = y;
    object->side = side;
    object->size = 20;
    Vorn::world->InsertObject(object, kind);
    Vorn::world->fog.RevealFog(x, y, 400, Vorn::world->fog.Side());
}

TEST(MinimapScreen, ThePlayersBaseAndTheEnemyShowInTheirCorners) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs an X display";
    }
    Zelt::ProgramOptions options;
    std::uint32_t now = 0;
    std::uint32_t placedAt = 0;
    platform::RgbaImage shot;
    options.clock = [&now] { return now; };
    options.beforeFrame = [&now](std::uint32_t) { now += 16; };
    options.ignoreActivation = true;
    options.afterFrame = [&](std::uint32_t frame) {
        if (placedAt == 0 && Vorn::world != nullptr && Vorn::interface != nullptr) {
            const float quarterX = Vorn::world->Width() * 0.375f;
            const float quarterY = Vorn::world->Height() * 0.375f;
            PlaceSeen(-quarterX, -quarterY, 3, Vorn::KindBuilding);
            PlaceSeen(quarterX, quarterY, 2, Vorn::KindBuilding);
            placedAt = frame;
        }
        // Two whole painting cycles later the picture on screen holds them.
        if (placedAt != 0 && frame == placedAt + 11) {
            shot = Zelt::ReadProgramBackBuffer();
            return false;
        }
        return frame < 200;
    };
    Zelt::RunProgram(options);
    ASSERT_NE(placedAt, 0u);
    ASSERT_GT(shot.width, 0);
    // The shipped layout: a 200-pixel square 8 pixels from the corner; the quarters away from its middle.
    // Its frame is blue too, but drawn outside these quarters.
    EXPECT_TRUE(ShowsColour(shot, 9, 9, 99, {0, 0, 255}));
    EXPECT_TRUE(ShowsColour(shot, 108, 108, 99, {0, 255, 0}));
}

} // namespace
