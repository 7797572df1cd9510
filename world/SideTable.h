// The seven sides' names, money and callsign counters, and which side the player commands.
#pragma once

#include "rules/ObjectTypes.h"

#include <array>
#include <string>

namespace Vorn {

class World;

struct SideRecord {
    std::string name = "---";
    int money = 0;
    // Shown by the info box; nothing in the simulation changes it.
    int points = 0;
    int nextTankCallsign = 1;
    int nextTowerCallsign = 1;
    std::array<int, buildingTypeCount> nextBuildingCallsign{1, 1, 1, 1, 1, 1, 1, 1, 1};
    // Production found waiting for money with the side at 9 or less, which is reported once: it clears at
    // the end of a step in which the side has more or nothing of its production wanted money.
    bool outOfMoney = false;
    // Some unfinished production of the side wanted money in the current step.
    bool productionWanting = false;
};

class SideTable {
public:
    explicit SideTable(World* world) : world(world) {}

    // The record of side 0..6; any other value gives a scratch record that nothing reads, so a stray side
    // number cannot write outside the table.
    SideRecord& operator[](int side);
    const SideRecord& operator[](int side) const;
    // At the end of a step: whether the sides are still out of money, for the next report.
    void EndStep();

    World* world;
    int playerSide = 3;
    std::array<SideRecord, 7> records;

private:
    SideRecord noSideRecord;
};

// The side whose colour name ("Neutral", "Red", ... "Magenta") equals the text ignoring case; 7 for none.
int SideOfName(const std::string& name);

} // namespace Vorn
