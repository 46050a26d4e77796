#include <gtest/gtest.h>

#include <limits>

#include "core/grid.h"

namespace grafipix {
namespace {

TEST(Grid, OutsideReadsZeroWritesDropAndIndicesRoundHalfToEven) {
    Grid g;
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {129, 0}, {0, 65}, {-100000, 5}, {5, 1 << 30}}) {
        g.set(x, y, 1);
        EXPECT_EQ(g.get(x, y), 0) << x << "," << y;
    }
    for (float v : {1e9f, -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN(), 129.0f, -0.6f}) {
        g.put(v, 10.0f, 1);
        g.put(10.0f, v, 1);
        EXPECT_EQ(g.at(v, 10.0f), 0) << v;
    }
    EXPECT_EQ(g, Grid{}) << "a write outside landed inside";
    g.set(0, 0, 3);
    g.put(128.5f, 64.5f, 2);  // both ties go to the even neighbour, inside the array
    EXPECT_TRUE(g.get(0, 0) == 3 && g.get(128, 64) == 2);
    for (auto [v, index] : {std::pair{0.5f, 0}, {1.5f, 2}, {2.5f, 2}, {0.8f, 1}, {-2.5f, -2}}) EXPECT_EQ(cellindex(v), index) << v;
}

}  // namespace
}  // namespace grafipix
