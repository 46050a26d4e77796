#include <gtest/gtest.h>

#include <limits>

#include "core/document.h"

namespace grafipix {
namespace {

TEST(Document, OutsideReadsZeroWritesDropAndIndicesRoundHalfToEven) {
    Document d;
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {129, 0}, {0, 65}, {-100000, 5}, {5, 1 << 30}}) {
        d.set(x, y, 1);
        d.setbuffer(x, y, 1);
        EXPECT_EQ(d.pixelgrid().get(x, y), 0) << x << "," << y;
    }
    for (float v : {1e9f, -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN(), 129.0f, -0.6f}) {
        d.put(v, 10.0f, 1);
        d.put(10.0f, v, 1);
        EXPECT_EQ(d.pixelgrid().at(v, 10.0f), 0) << v;
    }
    EXPECT_EQ(d, Document{}) << "a write outside landed inside";
    d.set(0, 0, 3);
    d.put(128.5f, 64.5f, 2);  // both ties go to the even neighbour, inside the array
    EXPECT_TRUE(d.pixelgrid().get(0, 0) == 3 && d.pixelgrid().get(128, 64) == 2);
    for (auto [v, index] : {std::pair{0.5f, 0}, {1.5f, 2}, {2.5f, 2}, {0.8f, 1}, {-2.5f, -2}}) EXPECT_EQ(cellindex(v), index) << v;
}

}  // namespace
}  // namespace grafipix
