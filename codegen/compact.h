// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The compact body: the cells of each colour covered by horizontal and
// vertical runs, full rows and single cells, the cover taking the fewest
// calculator bytes. A run only ever crosses cells of its own colour, so the
// lines may come in any order and still draw exactly the picture.

#include <cstdint>
#include <string>
#include <vector>

#include "codegen/scan.h"
#include "codegen/statement.h"
#include "document/grid.h"

namespace grafipix {

// Where the lines draw: the grid's cells on the screen, or the grid as a
// block the caller places with its top-left cell at column A, row B, every
// line a placed F-Line.
enum class Placement : uint8_t { screen, block };

// The cover's lines from the top left down; mode 1's lines instead when the
// cover is not shorter.
std::vector<Statement> compactcover(const Grid& grid, const Model& model, Placement placement = Placement::screen);

void compactbody(const Grid& grid, const Model& model, std::u16string& text, const ProgressFn& showprogress = {});

}  // namespace grafipix
