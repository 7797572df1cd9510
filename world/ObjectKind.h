// The seven containers every side has, in draw order.
#pragma once

namespace Vorn {

enum ObjectKind : int {
    KindLandmine,
    KindLandmark,
    KindStatic, // obstacles and corpses
    KindDebris,
    KindTank,
    KindTower,
    KindBuilding
};

inline constexpr int objectKindCount = 7;
inline constexpr int sideCount = 7;
// What SideOfName answers for a name that is no side; never an index.
inline constexpr int noSide = 7;

} // namespace Vorn
