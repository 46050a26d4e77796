// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/windows1252.h"

#include <algorithm>
#include <array>

namespace grafipix {

namespace {

// The characters of bytes 0x80..0x9F; 0 where the code page leaves a byte unused.
constexpr std::array<char16_t, 32> highbytes{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char bytefor(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<char>(ch);
    const auto found = std::find(highbytes.begin(), highbytes.end(), ch);
    if (found != highbytes.end()) return static_cast<char>(0x80 + (found - highbytes.begin()));
    return '?';
}

}  // namespace

std::string towindows1252(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t ch : text) out += bytefor(ch);
    return out;
}

}  // namespace grafipix
