#include <gtest/gtest.h>

#include <limits>

#include "core/grid.h"

namespace grafipix {
namespace {

TEST(Grid, ReadsZeroUntilWrittenAndDropsWritesOutsideTheArrays) {
    Grid g;
    EXPECT_EQ(g, Grid{});
    for (int y = 0; y <= 64; ++y)
        for (int x = 0; x <= 128; ++x) ASSERT_EQ(g.get(x, y), 0) << x << "," << y;
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {129, 0}, {0, 65}, {129, 65}, {-100000, 5}, {5, 1 << 30}}) {
        g.set(x, y, 1);
        EXPECT_EQ(g.get(x, y), 0) << x << "," << y;
    }
    EXPECT_EQ(g, Grid{}) << "a write outside landed inside";
    g.set(0, 0, 3);
    g.set(128, 64, 2);
    EXPECT_TRUE(g.get(0, 0) == 3 && g.get(128, 64) == 2) << "the borders are stored";
    g.clear();
    EXPECT_EQ(g, Grid{});
}

TEST(Grid, SinglePrecisionIndicesRoundHalfToEvenAndFarValuesAreSafe) {
    struct Row { float v; int index; } rows[] = {
        {0.5f, 0}, {1.5f, 2}, {2.5f, 2}, {0.8f, 1}, {0.3f, 0}, {128.5f, 128}, {129.0f, 129}, {-0.5f, 0}, {-2.5f, -2},
    };
    for (auto& r : rows) EXPECT_EQ(cellindex(r.v), r.index) << r.v;

    Grid g;
    const float inf = std::numeric_limits<float>::infinity();
    for (float v : {1e9f, -1e9f, inf, -inf, std::numeric_limits<float>::quiet_NaN(), 129.0f, -0.6f}) {
        g.put(v, 10.0f, 1);
        g.put(10.0f, v, 1);
        EXPECT_EQ(g.at(v, 10.0f), 0) << v;
    }
    g.put(10.0f, 65.0f, 1);
    EXPECT_EQ(g, Grid{});
    g.put(128.5f, 64.5f, 2);  // both ties go to the even neighbour, inside the array
    EXPECT_EQ(g.get(128, 64), 2);
}

}  // namespace
}  // namespace grafipix
