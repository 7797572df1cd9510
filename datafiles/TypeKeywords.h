// The keywords with which levels name object types, and their values in the type enumerations.
#pragma once

#include <span>
#include <string_view>

struct TypeKeyword {
    std::string_view keyword;
    int value;
};

// The value of the keyword matching the name in any letter case, or the caller's fallback.
int TypeOfKeyword(std::span<const TypeKeyword> table, std::string_view name, int fallback);

inline constexpr TypeKeyword tankTypeKeywords[] = {{"scout", 0}, {"light", 1}, {"medium", 2}, {"heavy", 3}};
inline constexpr TypeKeyword towerTypeKeywords[] = {{"surveilance", 0}, {"support", 1}, {"defense", 2}};
inline constexpr TypeKeyword turretTypeKeywords[] = {
    {"gun1", 0},    {"gun2", 1},      {"gun3", 2},     {"razor1", 3},    {"razor2", 4},    {"cannon1", 5},
    {"cannon2", 6}, {"rockets1", 7},  {"rockets2", 8}, {"rocketsL", 9},  {"grenade", 10},  {"gauss", 11},
    {"radar", 12},  {"repairer", 13}, {"razor2r", 14}, {"cannon2r", 15}, {"rockets2r", 16}};
inline constexpr TypeKeyword buildingTypeKeywords[] = {{"base", 0},    {"outpost", 1}, {"defense", 2},
                                                       {"factory", 3}, {"repair", 4},  {"armory", 5},
                                                       {"power", 6},   {"mine", 7},    {"recycler", 8}};
inline constexpr TypeKeyword obstacleTypeKeywords[] = {{"stone", 0}, {"cblock", 1}, {"atblock", 2}};
inline constexpr TypeKeyword armorTypeKeywords[] = {{"none", 0}, {"light", 1}, {"advanced", 2}, {"heavy", 3}};
inline constexpr TypeKeyword landmineTypeKeywords[] = {{"small", 0}, {"large", 1}};
inline constexpr TypeKeyword landmarkTypeKeywords[] = {
    {"deposit", 0}, {"smoke", 1}, {"RedSmoke", 2}, {"BlueSmoke", 3}, {"GreenSmoke", 4}, {"YellowSmoke", 5}};

// The fallbacks the level loader passes.
inline constexpr int levelTankTypeFallback = 1;
inline constexpr int levelTowerTypeFallback = 1;
inline constexpr int levelTurretTypeFallback = 5;
inline constexpr int levelBuildingTypeFallback = 3;
inline constexpr int levelObstacleTypeFallback = 0;
inline constexpr int levelArmorTypeFallback = 0;
inline constexpr int levelLandmineTypeFallback = 0;
inline constexpr int levelLandmarkTypeFallback = 1;
