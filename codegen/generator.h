// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator program of a picture, as the `Code` window shows it, and
// what the window asks and says around it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "codegen/program_text.h"
#include "codegen/scan.h"
#include "document/grid.h"

namespace grafipix {

struct Model;

struct Program {
    std::u16string text;
    long bytesest = 0;  // the free calculator memory the program needs, in bytes
};

// Header, body, DrawStat blocks in that mode, and a closing "StoPict n" when
// `pictnum` is not 0, for the screen, palette and flavour of `model`.
// `progress` follows the scan of the cells. The Python mode gives the script
// and its size in bytes, and takes no picture memory.
Program generateprogram(const Grid& grid, const Model& model, CodeMode mode, int pictnum,
                        const ProgressFn& progress = {});

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

}  // namespace codetexts

}  // namespace grafipix
