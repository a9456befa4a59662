#include "frame/core/window_tiling.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

TEST(Tiling, SplitsTheAreaWithoutGapsOrOverlaps) {
    struct Case {
        int count;
        bool sideBySide;
        std::vector<TileRect> tiles;
    };
    const Case cases[] = {
        {1, true, {{0, 0, 600, 400}}},
        {2, true, {{0, 0, 300, 400}, {300, 0, 300, 400}}},
        {2, false, {{0, 0, 600, 200}, {0, 200, 600, 200}}},
        {3, false, {{0, 0, 600, 133}, {0, 133, 600, 133}, {0, 266, 600, 134}}},
        {4, true, {{0, 0, 300, 200}, {0, 200, 300, 200}, {300, 0, 300, 200}, {300, 200, 300, 200}}},
        // Five side by side: two columns, the last one holds three windows.
        {5, true, {{0, 0, 300, 200}, {0, 200, 300, 200}, {300, 0, 300, 133}, {300, 133, 300, 133}, {300, 266, 300, 134}}},
        // Five one above another: two rows, the last one holds three windows.
        {5, false, {{0, 0, 300, 200}, {300, 0, 300, 200}, {0, 200, 200, 200}, {200, 200, 200, 200}, {400, 200, 200, 200}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tileWindows(c.count, 600, 400, c.sideBySide), c.tiles) << c.count << (c.sideBySide ? " side by side" : " rows");
    EXPECT_TRUE(tileWindows(0, 600, 400, true).empty());

    // Any number of windows covers every pixel exactly once.
    for (int count = 1; count <= 12; ++count) {
        for (bool sideBySide : {true, false}) {
            std::multiset<std::pair<int, int>> covered;
            for (const TileRect& t : tileWindows(count, 97, 61, sideBySide))
                for (int x = t.x; x < t.x + t.width; ++x)
                    for (int y = t.y; y < t.y + t.height; ++y) covered.insert({x, y});
            EXPECT_EQ(covered.size(), 97u * 61u) << count;
            const std::set<std::pair<int, int>> distinct(covered.begin(), covered.end());
            EXPECT_EQ(distinct.size(), covered.size()) << count;
        }
    }
}
