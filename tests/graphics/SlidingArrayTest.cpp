// The particles' sliding array: appends and front drops in any mix keep the records in order, and room
// freed at the front is used before the array grows.
#include "visuals/SlidingArray.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <vector>

namespace {

using Vorn::SlidingArray;

std::vector<int> ContentsOf(const SlidingArray<int>& array) {
    return {array.begin(), array.end()};
}

// Emission rounds of varying size against expiries of varying length, as a burst or an exhaust makes them,
// checked against a queue after every change; the live count never exceeds the room reserved, so the
// array shifts its records back instead of growing.
TEST(SlidingArray, AppendsAndFrontDropsKeepOrderWithinTheRoomReserved) {
    constexpr std::size_t room = 12;
    SlidingArray<int> array;
    array.reserve(room);
    std::deque<int> expected;
    std::uint32_t draw = 7;
    int next = 0;
    for (int round = 0; round < 400; ++round) {
        draw = draw * 1103515245u + 12345u;
        const std::size_t appends = std::min<std::size_t>((draw >> 16) % 5, room - expected.size());
        for (std::size_t i = 0; i < appends; ++i) {
            array.push_back(next);
            expected.push_back(next++);
        }
        const std::size_t drops = std::min<std::size_t>((draw >> 20) % 5, expected.size());
        array.DropFront(drops);
        expected.erase(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(drops));
        ASSERT_EQ(ContentsOf(array), std::vector<int>(expected.begin(), expected.end())) << "round " << round;
        ASSERT_EQ(array.Capacity(), room) << "round " << round;
    }
}

// Emptied by its drops, the array starts again at the start of its memory; full with nothing dropped, it
// grows and keeps its records.
TEST(SlidingArray, DrainedArrayRefillsFromTheStartAndFullOneGrows) {
    SlidingArray<int> array;
    array.reserve(4);
    for (int value : {1, 2, 3})
        array.push_back(value);
    array.DropFront(3);
    EXPECT_TRUE(array.empty());
    EXPECT_EQ(array.FrontOffset(), 0u);
    for (int value : {4, 5, 6, 7, 8})
        array.push_back(value);
    EXPECT_EQ(ContentsOf(array), (std::vector<int>{4, 5, 6, 7, 8}));
    EXPECT_GE(array.Capacity(), 5u);

    array.DropFront(2);
    SlidingArray<int> moved(std::move(array));
    EXPECT_EQ(ContentsOf(moved), (std::vector<int>{6, 7, 8}));
    EXPECT_EQ(moved[0], 6);
}

} // namespace
