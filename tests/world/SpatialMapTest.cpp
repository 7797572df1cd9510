// The hash grid: cell keys, insertion order, erasing and range queries.
#include "world/SpatialMap.h"

#include <gtest/gtest.h>

using namespace Vorn;

namespace {
struct Item {
    float x = 0;
    float y = 0;
};
} // namespace

TEST(SpatialCell, TiesGoToTheEvenIndex) {
    EXPECT_EQ(SpatialCellIndex(256), 0);
    EXPECT_EQ(SpatialCellIndex(768), 2);
    EXPECT_EQ(SpatialCellIndex(-256), 0);
    EXPECT_EQ(SpatialCellIndex(-768), -2);
    EXPECT_EQ(SpatialCellIndex(257), 1);
    // Far from the map's centre, and either side of where the rounding changes method.
    for (const float index :
         {4194301.5f, 4194302.5f, 4194303.5f, 4194304.0f, -4194302.5f, -4194303.5f, 8388607.5f, -8388606.5f,
          6291457.0f, -8388609.0f, 1048576.5f, -1048577.5f, 0.5f, -0.5f, 1.5f, -1.5f, 0.49999997f, 1e-40f}) {
        const float coordinate = index * 512;
        EXPECT_EQ(SpatialCellIndex(coordinate), static_cast<int>(std::nearbyint(index))) << coordinate;
    }
}

TEST(SpatialCell, NegativeIndicesKeepTheirLowSixteenBits) {
    EXPECT_EQ(SpatialCellKeyOf(0, -512), 0x0000FFFFu);
    EXPECT_EQ(SpatialCellKeyOf(-512, 0), 0xFFFF0000u);
    EXPECT_EQ(SpatialCellKeyOf(1024, 512), 0x00020001u);
}

TEST(SpatialCell, KeysOrderAsUnsignedSoNegativeColumnsComeLast) {
    SpatialMap<Item> map;
    Item left, centre, right;
    map.Insert(-512, 0, &left);
    map.Insert(512, 0, &right);
    map.Insert(0, 0, &centre);
    std::vector<Item*> walk;
    for (const auto& [key, cell] : map.Cells())
        walk.insert(walk.end(), cell.begin(), cell.end());
    EXPECT_EQ(walk, (std::vector<Item*>{&centre, &right, &left}));
}

TEST(SpatialCell, UnrepresentablePositionsStayBounded) {
    EXPECT_EQ(SpatialCellIndex(std::nanf("")), 0);
    EXPECT_GT(SpatialCellIndex(INFINITY), 1 << 20);
    EXPECT_LT(SpatialCellIndex(-INFINITY), -(1 << 20));
}

TEST(SpatialMapErase, KeepsTheOrderOfTheOthers) {
    SpatialMap<Item> map;
    Item a, b, c;
    for (Item* item : {&a, &b, &c})
        map.Insert(10, 10, item);
    EXPECT_TRUE(map.Erase(10, 10, &b));
    EXPECT_EQ(*map.FindCell(10, 10), (std::vector<Item*>{&a, &c}));
}

TEST(SpatialMapErase, FailsWithoutChangeForAnItemNotInThatCell) {
    SpatialMap<Item> map;
    Item a, stranger;
    map.Insert(10, 10, &a);
    EXPECT_FALSE(map.Erase(10, 10, &stranger));
    EXPECT_FALSE(map.Erase(2000, 10, &a));
    EXPECT_FALSE(map.Erase(5000, 5000, &a));
    EXPECT_EQ(*map.FindCell(10, 10), std::vector<Item*>{&a});
}

TEST(SpatialMapQuery, ConcatenatesTheTouchedCellsColumnByColumn) {
    SpatialMap<Item> map;
    Item a, b, c, far;
    map.Insert(0, 512, &b);
    map.Insert(0, 0, &a);
    map.Insert(512, 0, &c);
    map.Insert(4096, 0, &far);
    EXPECT_EQ(map.QueryRange(200, 200, 100), (std::vector<Item*>{&a, &b, &c}));
    EXPECT_TRUE(map.QueryRange(-3000, -3000, 10).empty());
}

TEST(SpatialMapQuery, ReturnsUnfilteredCellContents) {
    SpatialMap<Item> map;
    Item corner;
    map.Insert(250, 250, &corner);
    // The cell is touched though the item lies well beyond the radius.
    EXPECT_EQ(map.QueryRange(-200, -200, 1).size(), 1u);
}

TEST(SpatialMapQuery, AHugeRadiusVisitsEveryCellOnce) {
    SpatialMap<Item> map;
    Item a, b;
    map.Insert(-100000, 0, &a);
    map.Insert(100000, 3000, &b);
    EXPECT_EQ(map.QueryRange(0, 0, 1e30f).size(), 2u);
    EXPECT_TRUE(map.QueryRange(0, 0, std::nanf("")).empty());
}

TEST(SpatialMapQuery, FindsCellsAcrossAWideAndAFarSpreadMap) {
    // Far-flung cells switch the map from its dense table to key look-ups; answers stay the same.
    SpatialMap<Item> map;
    Item a, b, c, d;
    map.Insert(0, 0, &a);
    map.Insert(-1024, 2048, &b);
    EXPECT_EQ(map.QueryRange(-1000, 2000, 10), std::vector<Item*>{&b});
    map.Insert(4e8f, 0, &c);
    map.Insert(0, -4e8f, &d);
    EXPECT_EQ(map.QueryRange(-1000, 2000, 10), std::vector<Item*>{&b});
    EXPECT_EQ(map.QueryRange(4e8f, 0, 10), std::vector<Item*>{&c});
    EXPECT_TRUE(map.Erase(0, -4e8f, &d));
    EXPECT_TRUE(map.Erase(0, 0, &a));
    EXPECT_EQ(map.Count(), 2u);
}

// Rows 65,536 apart share a key. A saved battle can put things there; each must still be listed once, or a
// walk meets it twice and a save writes it twice.
TEST(SpatialMapInsert, PlacesWhoseKeysWrapShareOneCellListedOnce) {
    SpatialMap<Item> map;
    Item near, far;
    map.Insert(0, 0, &near);
    map.Insert(0, 65536 * 512.0f, &far);
    EXPECT_EQ(map.Count(), 2u);
    ASSERT_EQ(map.CellsInOrder().size(), 1u);
    EXPECT_EQ(*map.CellsInOrder().front(), (std::vector<Item*>{&near, &far}));
    EXPECT_TRUE(map.Erase(0, 65536 * 512.0f, &far));
    EXPECT_TRUE(map.Erase(0, 0, &near));
}

// The tick's walks go through the cells in order without the tree; they must meet the cells as a walk of the
// tree would, also when a visit files something in a new cell (a dying tank leaves its corpse).
TEST(SpatialMapWalk, MeetsTheCellsInKeyOrderAndNewCellsThatFollow) {
    SpatialMap<Item> map;
    Item items[6];
    const float places[6][2] = {{0, 0}, {-2048, 0}, {1024, -512}, {512, 512}, {0, 0}, {-512, 1024}};
    for (int i = 0; i < 6; ++i)
        map.Insert(places[i][0], places[i][1], &items[i]);
    std::vector<const SpatialMap<Item>::Cell*> tree;
    for (const auto& [key, cell] : map.Cells())
        tree.push_back(&cell);
    EXPECT_EQ(
        std::vector<const SpatialMap<Item>::Cell*>(map.CellsInOrder().begin(), map.CellsInOrder().end()),
        tree);

    Item later, earlier;
    std::vector<std::size_t> sizes;
    map.ForEachCellInOrder([&](SpatialMap<Item>::Cell& cell) {
        sizes.push_back(cell.size());
        if (sizes.size() == 2) {
            map.Insert(4096, 0, &later);    // key 0x00080000, after every cell so far
            map.Insert(0, -4096, &earlier); // key 0x0000FFF8, between the first two: not met in this walk
        }
    });
    EXPECT_EQ(sizes, (std::vector<std::size_t>{2, 1, 1, 1, 1, 1}))
        << "the later cell once, the earlier never";
    EXPECT_EQ(map.CellsInOrder().size(), 7u);
    EXPECT_EQ(map.Count(), 8u);
}
