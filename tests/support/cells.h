#pragma once
// Reading a grid as a set of cells, for comparisons that name the cells.

#include <set>
#include <utility>

#include "core/grid.h"

namespace grafipix::testing {

using Cells = std::set<std::pair<int, int>>;

// Every cell of the whole array (borders included) whose code is not 0.
inline Cells setcells(const Grid& g) {
    Cells out;
    for (int y = 0; y <= Grid::maxy; ++y)
        for (int x = 0; x <= Grid::maxx; ++x)
            if (g.get(x, y) != 0) out.insert({x, y});
    return out;
}

}  // namespace grafipix::testing
