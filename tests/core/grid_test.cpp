#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/grid.h"

namespace grafipix {
namespace {

TEST(Grid, FreshAndRecreatedGridsReadZeroEverywhere) {
    Grid g;
    for (int y = 0; y <= 64; ++y)
        for (int x = 0; x <= 128; ++x) ASSERT_EQ(g.get(x, y), 0) << x << "," << y;
    g.set(0, 0, 3);
    g.set(128, 64, 2);
    g.set(64, 32, 1);
    EXPECT_EQ(g.get(0, 0), 3);
    EXPECT_EQ(g.get(128, 64), 2);
    g.clear();
    EXPECT_EQ(g, Grid{});
}

TEST(Grid, OutsideTheArraysReadsZeroAndWritesAreDropped) {
    Grid g;
    const int outside[][2] = {{-1, 0}, {0, -1}, {129, 0}, {0, 65}, {129, 65}, {-100000, 5}, {5, 1 << 30}};
    for (auto& p : outside) {
        g.set(p[0], p[1], 1);
        EXPECT_EQ(g.get(p[0], p[1]), 0) << p[0] << "," << p[1];
    }
    EXPECT_EQ(g, Grid{}) << "a write outside landed inside";
}

TEST(Grid, SinglePrecisionIndicesRoundHalfToEvenAndFarValuesAreSafe) {
    struct Row { float v; int index; } rows[] = {
        {0.5f, 0}, {1.5f, 2}, {2.5f, 2}, {0.8f, 1}, {0.3f, 0}, {128.5f, 128}, {129.0f, 129}, {-0.5f, 0}, {-2.5f, -2},
    };
    for (auto& r : rows) EXPECT_EQ(cellindex(r.v), r.index) << r.v;

    Grid g;
    const float far[] = {1e9f, -1e9f, std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                         std::numeric_limits<float>::quiet_NaN(), 129.0f, -0.6f};
    for (float v : far) {
        g.put(v, 10.0f, 1);
        g.put(10.0f, v, 1);
        EXPECT_EQ(g.at(v, 10.0f), 0) << v;
    }
    EXPECT_EQ(g, Grid{});
    g.put(10.0f, 65.0f, 1);
    EXPECT_EQ(g, Grid{}) << "row 65 is outside";
    g.put(128.5f, 64.5f, 2);  // both ties go to the even neighbour, inside the array
    EXPECT_EQ(g.get(128, 64), 2);
}

}  // namespace
}  // namespace grafipix
