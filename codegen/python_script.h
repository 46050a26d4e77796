// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture as a script for the calculators' Python app: `casioplot` calls,
// one set_pixel per drawn cell, the cells travelling as printable ASCII in
// bytes literals that a short loop decodes, in whichever form is shorter for
// the picture. A free palette names only the colours its cells use.
//
// Rows: each screen row cut into groups of K cells (K = 6 / bits per code),
// each group one 6-bit pattern, one character; a character past the 64
// patterns skips 1 to 28 empty groups, so blank areas cost little. '!' ends a
// row, and a row of k '~' repeats the one above k times.
//
// Packed, for more than eight colours: each row's codes as one stream of as
// many bits as the colours need, 13 bits in every two characters; a skip
// jumps over long gaps of the back colour.
//
// Strokes, for outlines: per colour, its cells as runs across or down, two
// characters a run, rows again ended by '!'. Taken only when its runs are long
// enough to draw about as fast as the rows.

#include <string>
#include <string_view>
#include <vector>

#include "calculator/colours.h"

#include "codegen/calc_interpreter.h"
#include "document/grid.h"

namespace grafipix {

struct Model;

// ASCII with LF line ends, for MicroPython 1.9 and later; `colours` the
// colour of each code, code 0 the back colour, never drawn.
std::string pythonscript(const Grid& grid, const Model& model, const std::vector<wincolour>& colours);

// What the script draws, read back from its own data: the preview, and the
// tests' oracle beside a real interpreter. Its codes are those of the
// colours the script names, in `colours`. `error` says why a text is no
// script of ours.
CalcRun scriptpixels(std::string_view script, const Model& model);

namespace scripttexts {

std::string instruction();
std::string size(size_t bytes);
std::string previewinfo(const CalcRun& run);

}  // namespace scripttexts

}  // namespace grafipix
