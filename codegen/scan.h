#pragma once
// The body of the program: horizontal runs of one colour as F-Line or
// Horizontal, single cells as PxlOn (mode 1) or as DrawStat points (mode 2).

#include <functional>
#include <string>
#include <string_view>

#include "codegen/drawstat.h"
#include "document/grid.h"

namespace grafipix {

// The calculator screen: a wider run or a lower cell cannot be drawn there.
inline constexpr int screencolumns = 127, screenrows = 63;

// Called before each visited cell with column x row of the cell and the total
// 8192, then once with 8192 of 8192 when the scan is done.
using ProgressFn = std::function<void(double done, double total)>;

// Appends the body lines for the whole picture; in the DrawStat mode the
// single cells go to `points` instead. Any other mode writes the runs only.
void scanimage(const Grid& grid, CodeMode codemode, std::u16string_view eolmark, std::u16string& text,
               PointLists& points, const ProgressFn& showprogress = {});

}  // namespace grafipix
