#include "afx_region.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<AFXRect> entries(const AFXRegionContainer& c)
{
    return std::vector<AFXRect>(c.regions(), c.regions() + c.size());
}
}  // namespace

TEST(RegionContainer, AddCases)
{
    struct row {
        const char* name;
        std::vector<AFXRect> before;
        AFXRect add;
        std::vector<AFXRect> after;
    } rows[] = {
        {"into empty", {}, {0, 0, 10, 10}, {{0, 0, 10, 10}}},
        {"inside an entry", {{0, 0, 10, 10}}, {2, 2, 5, 5}, {{0, 0, 10, 10}}},
        {"covers an entry", {{2, 2, 5, 5}}, {0, 0, 10, 10}, {{0, 0, 10, 10}}},
        {"overlaps right half", {{0, 0, 10, 10}}, {5, 0, 15, 10}, {{0, 0, 5, 10}, {5, 0, 15, 10}}},
        {"cuts top and bottom",
         {{2, -2, 5, 12}},
         {0, 0, 10, 10},
         {{2, -2, 5, 0}, {2, 10, 5, 12}, {0, 0, 10, 10}}},
        {"swapped corners", {}, {10, 10, 0, 0}, {{0, 0, 10, 10}}},
        {"shares an edge", {{0, 0, 5, 5}}, {5, 0, 10, 5}, {{0, 0, 5, 5}, {5, 0, 10, 5}}},
        {"cross through the middle",
         {{0, 0, 10, 10}},
         {3, -5, 6, 15},
         {{0, 0, 3, 10}, {6, 0, 10, 10}, {3, -5, 6, 15}}},
        // An empty rectangle must not cut what is still dirty.
        {"empty input", {{0, 0, 10, 10}}, {4, 4, 4, 8}, {{0, 0, 10, 10}}},
        {"empty input on empty list", {}, {4, 4, 9, 4}, {}},
    };
    for (const row& r : rows) {
        AFXRegionContainer c;
        for (const AFXRect& e : r.before)
            c.add(e);
        c.add(r.add);
        EXPECT_EQ(entries(c), r.after) << r.name;
    }
}

TEST(RegionContainer, AddedAreasNeverOverlapAndStayCovered)
{
    AFXRegionContainer c;
    const AFXRect adds[] = {{0, 0, 20, 20}, {10, 10, 30, 30}, {5, 15, 25, 18},
                            {-5, 2, 3, 40}, {18, -3, 22, 50}, {0, 0, 8, 8}};
    bool dirty[60][60] = {};
    for (const AFXRect& a : adds) {
        c.add(a);
        for (int y = a.y1; y < a.y2; ++y)
            for (int x = a.x1; x < a.x2; ++x)
                dirty[y + 10][x + 10] = true;
    }
    for (int y = -10; y < 50; ++y)
        for (int x = -10; x < 50; ++x) {
            int hits = 0;
            for (const AFXRect& e : entries(c))
                hits += e.x1 <= x && x < e.x2 && e.y1 <= y && y < e.y2;
            ASSERT_EQ(hits, dirty[y + 10][x + 10] ? 1 : 0) << x << "," << y;
        }
}

TEST(RegionContainer, GrowthPopEraseSwapShrink)
{
    AFXRegionContainer c;
    EXPECT_EQ(c.size(), 0);
    EXPECT_EQ(c.capacity(), 0);
    EXPECT_EQ(c.pop_back(), (AFXRect{0, 0, 0, 0}));
    for (int i = 0; i < 9; ++i)
        c.push_back({i, 0, i + 1, 1});
    EXPECT_EQ(c.capacity(), 16);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(c.regions()[i].x1, i);

    c.erase(2);
    EXPECT_EQ(c.size(), 8);
    EXPECT_EQ(c.regions()[2].x1, 3);
    // Out of range: the list stays as it is.
    for (int bad : {8, 100, -1}) {
        c.erase(bad);
        EXPECT_EQ(c.size(), 8) << bad;
    }
    EXPECT_EQ(c.regions()[7].x1, 8);
    EXPECT_EQ(c.pop_back().x1, 8);
    EXPECT_EQ(c.size(), 7);

    AFXRegionContainer other;
    other.push_back({1, 2, 3, 4});
    c.swap(other);
    EXPECT_EQ(c.size(), 1);
    EXPECT_EQ(other.size(), 7);
    other.shrink();
    EXPECT_EQ(other.size(), 0);
    EXPECT_EQ(other.capacity(), 0);
    EXPECT_EQ(other.regions(), nullptr);
    EXPECT_EQ(AFXRegionContainer::sanitize({5, 1, 2, 9}), (AFXRect{2, 1, 5, 9}));
}
