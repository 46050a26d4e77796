// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pieces of the calculator program text shared by the encoders. The text is
// UTF-16 in memory; the link programs read it in the Windows-1252 code page,
// where the arrow and the line-end mark are single bytes.

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

#include "calculator/flavour.h"

namespace grafipix {

// Which program the code window builds: single cells as PxlOn lines, or as
// DrawStat point lists, or the compact mode's rows, columns and PxlOn lines;
// or, for the Python app, a script. `none` until a generate command has been chosen.
enum class CodeMode : uint8_t { none, fline, drawstat, compact, python };

inline constexpr std::u16string_view crlf = u"\r\n";

// Plain decimal, no blank, no leading zero.
inline void appendnumber(std::u16string& text, int n) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    text.append(digits, end);
}

inline void endline(std::u16string& text, std::u16string_view eolmark) {
    text += eolmark;
    text += crlf;
}

}  // namespace grafipix
