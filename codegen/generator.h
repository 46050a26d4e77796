// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator program of a picture, as the `Code` window shows it, and
// what the window asks and says around it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/colours.h"

#include "codegen/program_text.h"
#include "codegen/scan.h"
#include "document/grid.h"

namespace grafipix {

struct Model;

struct Program {
    std::u16string text;
    long bytesest = 0;  // the free calculator memory the program needs, in bytes
    // Colours of the drawing that BASIC cannot name, each drawn in the nearest
    // of the model's colour words.
    int unnamed = 0;
};

// Header, body, DrawStat blocks in that mode, and a closing "StoPict n" when
// `pictnum` is not 0, for the screen, palette and flavour of `model`.
// `progress` follows the scan of the cells. The Python mode gives the script
// and its size in bytes, and takes no picture memory. `colours`, a free
// palette's colours by code, empty for the model's own: a script draws each
// as it is, a program in the nearest colour its words name.
Program generateprogram(const Grid& grid, const Model& model, CodeMode mode, int pictnum,
                        const ProgressFn& progress = {}, const std::vector<wincolour>& colours = {});

// The drawing as BASIC can draw it: each cell in the code of `model`'s
// palette nearest its colour; `unnamed` counts the colours used in the
// drawing that are none of the model's.
Grid basiccells(const Grid& grid, const Model& model, const std::vector<wincolour>& colours, int& unnamed);

// The answer to the picture prompt as a 16-bit whole number, a fractional part
// rounded half to even; nothing for an answer that is no such number.
std::optional<int16_t> readpictnum(std::string_view answer);

// The picture memory a number gives on a calculator with memories
// 1..lastpicture: 0 stays 0 (no StoPict), below 0 is 1, above the last is the last.
int pictmemory(int16_t number, int lastpicture);

namespace codetexts {

std::string prompt(int lastpicture);
inline const std::string prompttitle = "Picture";
// The instructions above the program, naming its link program.
std::string instruction(const Flavour& flavour);
std::string estimate(long bytesest);
// Said under the program when some colours of the drawing have no BASIC word; empty for none.
std::string unnamed(int colours, int words);

}  // namespace codetexts

}  // namespace grafipix
