// A level's ground: what the "ground" element chooses, and what a broken one falls back to.
#include "game/LevelGround.h"

#include <gtest/gtest.h>

namespace {

Vorn::LevelGround GroundOf(const char* text) {
    Brisk::Node document;
    document.LoadText(text);
    return Vorn::ReadLevelGround(document);
}

TEST(LevelGround, TheElementChoosesTextureTintAndDetailAndALevelWithoutItIsGrass) {
    const Vorn::LevelGround plain = GroundOf("<level width=\"100\" height=\"100\"/>");
    EXPECT_EQ(plain.texture, "ground_grass");
    EXPECT_EQ(plain.detail, "ground_detail");
    EXPECT_FLOAT_EQ(plain.red, 1);
    const Vorn::LevelGround snow = GroundOf("<level/><ground texture=\"ground_snow\" tint=\"#FF8000\" "
                                            "detail=\"rough_2\"/><ground texture=\"ground_rock\"/>");
    EXPECT_EQ(snow.texture, "ground_snow") << "the first element counts";
    EXPECT_EQ(snow.detail, "rough_2");
    EXPECT_FLOAT_EQ(snow.red, 1);
    EXPECT_FLOAT_EQ(snow.green, 128.0f / 255.0f);
    EXPECT_FLOAT_EQ(snow.blue, 0);
}

TEST(LevelGround, WhatCannotBeReadKeepsTheDefault) {
    const Vorn::LevelGround broken =
        GroundOf("<ground texture=\"../../etc/passwd\" detail=\"\" tint=\"#12345z\"/>");
    EXPECT_EQ(broken.texture, "ground_grass");
    EXPECT_EQ(broken.detail, "ground_detail");
    EXPECT_FLOAT_EQ(broken.green, 1);
    for (const char* tint : {"#1234567", "123456", "#12345", "", "#-12345"})
        EXPECT_FALSE(Vorn::ReadGroundTint(tint).has_value()) << tint;
    EXPECT_FALSE(Vorn::IsGroundTextureName(std::string(65, 'a')));
    EXPECT_TRUE(Vorn::IsGroundTextureName(std::string(64, 'a')));
}

} // namespace
