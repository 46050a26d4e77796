// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The body of the program: horizontal runs of one colour as F-Line or
// Horizontal, single cells as PxlOn (mode 1) or as DrawStat points (mode 2).

#include <functional>
#include <string>

#include "codegen/drawstat.h"
#include "document/grid.h"

namespace grafipix {

struct Model;

// Called before each visited cell with column x row of the cell and the total,
// the cells of the whole array, then once with the total of the total when
// the scan is done.
using ProgressFn = std::function<void(double done, double total)>;

// Appends the body lines for the whole picture; in the DrawStat mode the
// single cells go to `points` instead. Any other mode writes the runs only.
void scanimage(const Grid& grid, const Model& model, CodeMode codemode, std::u16string& text, PointLists& points,
               const ProgressFn& showprogress = {});

}  // namespace grafipix
