// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// .g1m files (and the Graph 90+E's .g3m), which the monochrome calculators' link software opens and the
// newer of those calculators copy straight from USB storage: a 32-byte header
// stored inverted, then objects, each a 44-byte subheader and its body. A
// program object holds tokens (tokens.h); a picture object two 1024-byte
// sheets of 16-byte rows, a bit a pixel.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/grid.h"

namespace grafipix::g1m {

inline constexpr int headersize = 32, subheadersize = 44, picturebytes = 2048;
inline constexpr int sheetbytes = picturebytes / 2, rowbytes = 16;
inline constexpr int sheetcolumns = 8 * rowbytes, sheetrows = sheetbytes / rowbytes;
inline constexpr uint8_t programkind = 0x01, picturekind = 0x07;
inline constexpr int lastpicture = 20;  // picture memories the file can name
inline const std::string defaultname = "GRAFIPIX";

struct Object {
    std::string type;    // "PROGRAM", "PICTURE 1".."PICTURE 20"
    std::string folder;  // "system" for a program, "main" for a picture
    std::string name;    // a program's name, "PICT1".."PICT20"
    uint8_t kind = 0;
    std::string body;
};

// Whether a program can be called so on the calculator: 1 to 8 characters,
// capital letters, digits, space, "~", "." and "'", no space first or last
// (the name is padded with zeros, and a blank there would not show).
bool validname(std::string_view name);
// The question asked for the name and what a refused answer gets.
std::string nameprompt();
std::string badname(std::string_view name);

// Tokens under `name`, with the password left empty and the body padded.
Object programobject(std::string_view name, std::string_view tokens);
// The drawn cells of the screen as picture `number`, 1..20, as far as the sheet reaches.
Object pictureobject(const Grid& grid, int number);

// The monochrome calculators' .g1m, or the Graph 90+E's .g3m: the same file
// but for four header bytes.
enum class Family { g1m, g3m };

// The whole file of these objects.
std::string writefile(const std::vector<Object>& objects, Family family = Family::g1m);

// A file of either family read back, every header field and check byte
// verified: the objects, or nothing with the first fault in `fault`.
std::optional<std::vector<Object>> readfile(std::string_view file, std::string& fault, Family* family = nullptr);

// Pixel (x, y) of a picture body, both from 1 as the screen counts them.
bool pixel(std::string_view picturebody, int x, int y);

}  // namespace grafipix::g1m
