// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How near a drawing looks to a picture: the mean RGB distance between the
// averages of their 4 x 4 blocks, as an eye at a distance compares them.

#include <array>
#include <cmath>
#include <functional>
#include <span>

#include "calculator/colours.h"
#include "document/grid.h"

namespace grafipix::testing {

// `picture` gives the colour under cell (x, y), both from 1.
inline double blockdistance(const Grid& cells, std::span<const wincolour> colours, const std::function<wincolour(int, int)>& picture) {
    double sum = 0;
    int blocks = 0;
    for (int bx = 1; bx + 3 <= cells.columns(); bx += 4)
        for (int by = 1; by + 3 <= cells.rows(); by += 4, ++blocks) {
            std::array<double, 3> d{};
            for (int i = 0; i < 16; ++i) {
                const wincolour a = colours[size_t(cells.get(bx + i % 4, by + i / 4))], b = picture(bx + i % 4, by + i / 4);
                d[0] += redof(a) - redof(b), d[1] += greenof(a) - greenof(b), d[2] += blueof(a) - blueof(b);
            }
            sum += std::hypot(d[0], d[1], d[2]) / 16;
        }
    return sum / blocks;
}

}  // namespace grafipix::testing
