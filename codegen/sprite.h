// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sprite for the games students write: a block of cells that a game draws
// where it computes, every frame, by setting A and B and calling the program.

#include <string>
#include <string_view>
#include <vector>

#include "calculator/colours.h"
#include "codegen/generator.h"
#include "document/grid.h"

namespace grafipix {

// The program drawing the block's cells 1..columns x 1..rows with its
// top-left cell at screen column A, row B, under the view window the
// whole-screen programs set (the game sets it once, and A and B before each
// `Prog`). Back-colour cells are left as they are; no ClrGraph, no
// ViewWindow. Any place is safe, the block partly or wholly off the screen
// included. `colours`, a free palette's colours by code, empty for the
// model's own: each is drawn in the nearest colour the model's words name.
// `bytesest` is the program's size on the calculator.
Program basicsprite(const Grid& block, const Model& model, const std::vector<wincolour>& colours = {});

// The program's name for a sprite of that name: the name upper-cased.
std::string spriteprogramname(std::string_view name);

}  // namespace grafipix
