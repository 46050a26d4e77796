// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour calculators' picture files: the Graph 90+E's .g3p (the layout of
// Casio's own pictures, its zlib stream obfuscated) and the Graph Math+'s .g4p
// (a plain stream and a footer), 384 x 192 pixels of 16-bit colour or 3-bit.
// Read in all four of their kinds; written in 16-bit colour.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/colours.h"
#include "document/grid.h"

namespace grafipix::casiopicture {

enum class Layout { cp, cp0100ly755, cp0100cy875 };

inline constexpr int width = 384, height = 192;

// A picture as its file holds it: each pixel's 16-bit colour, row by row.
struct Pixels565 {
    int width = 0, height = 0;
    std::vector<uint16_t> pixels;
    Layout layout = Layout::cp;
};

std::string write(const Pixels565& picture, Layout layout);
// Nothing, with a French reason, for a file that is not such a picture or is damaged.
std::optional<Pixels565> read(std::string_view bytes, std::string& error);
// Whether the bytes start as a file of Casio's containers (a .g1m, .g3m, .g3p, .g4p).
bool casiofile(std::string_view bytes);

// The drawing's cells at the picture's top-left, in `colours` by code, the
// rest of the picture white.
Pixels565 pictureof(const Grid& cells, std::span<const wincolour> colours);

// "Pict01" to "Pict20": the name the calculator keeps picture memory N under.
std::string memoryname(int n);

}  // namespace grafipix::casiopicture
