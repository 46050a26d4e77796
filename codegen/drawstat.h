// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mode 2 draws the single cells as a scatter graph: the points of one colour
// are loaded into List 1 and List 2 and plotted by DrawStat, at most 255
// points per block.

#include <string>
#include <vector>

#include "codegen/program_text.h"

namespace grafipix {

inline constexpr int blockpoints = 255;

struct Model;

// The points of one generator run, in scan order, by colour code from 1.
struct PointLists {
    std::vector<std::vector<int>> listx, listy;  // [0] unused
    int pointcount(int c) const { return c >= 1 && c < int(listx.size()) ? static_cast<int>(listx[c].size()) : 0; }
};

// A point of colour c at column x and graph row gy (counted from the bottom border).
void addpoint(PointLists& points, int c, int x, int gy);

// Appends colour c's blocks; a colour without points writes nothing.
void emitdrawstat(const PointLists& points, int c, const Model& m, std::u16string& text);

}  // namespace grafipix
