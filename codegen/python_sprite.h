// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sprite for the games students write in Python: a module `nom.py` whose
// function nom(x, y) draws a block of cells with its top-left at pixel
// (x, y), every frame, and nothing else; nom_w and nom_h give its size.

#include <string>
#include <string_view>
#include <vector>

#include "calculator/colours.h"
#include "document/grid.h"

namespace grafipix {

struct Model;

// The block's cells 1..columns x 1..rows, `colours` the colour of each code
// (code 0 the back colour, never drawn: the scene shows through). One
// set_pixel per drawn cell on the screen, none off it; no clear_screen, no
// show_screen. Its data are decoded once, when the module is imported.
std::string pythonsprite(const Grid& block, std::string_view name, const Model& model, const std::vector<wincolour>& colours);

// Whether `name` can name the module and its function: a Python name of
// ASCII letters, digits and "_", not starting with a digit, no keyword.
bool validpythonname(std::string_view name);

}  // namespace grafipix
