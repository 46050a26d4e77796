// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as Windows colour values (0x00BBGGRR, blue in the high byte), the form
// in which the editor stores back colours and pen colours.

#include <cstdint>

namespace grafipix {

using wincolour = uint32_t;

inline constexpr wincolour blueink = 0xC00000;
inline constexpr wincolour blackink = 0x000000;
inline constexpr wincolour greenink = 0x00C000;
inline constexpr wincolour orangeink = 0x0080FF;
inline constexpr wincolour whiteback = 0xFFFFFF;
inline constexpr wincolour casioback = 0xB5D9B8;  // the calculator screen green
inline constexpr wincolour highlight = 0xFFFFFF;
inline constexpr wincolour buttonface = 0x8000000F;  // system colour, not an RGB value
inline constexpr wincolour lightgrey = 0xE0E0E0;
inline constexpr wincolour navy = 0x800000;

constexpr int redof(wincolour c) { return static_cast<int>(c & 0xFF); }
constexpr int greenof(wincolour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueof(wincolour c) { return static_cast<int>((c >> 16) & 0xFF); }

// 0xFFRRGGBB, the layout the canvas raster keeps for display.
constexpr uint32_t toargb(wincolour c) {
    return 0xFF000000u | (static_cast<uint32_t>(redof(c)) << 16) |
           (static_cast<uint32_t>(greenof(c)) << 8) | static_cast<uint32_t>(blueof(c));
}
constexpr wincolour fromargb(uint32_t argb) {
    return ((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16);
}
constexpr wincolour rgbcolour(int r, int g, int b) {
    return static_cast<wincolour>(r) | static_cast<wincolour>(g) << 8 | static_cast<wincolour>(b) << 16;
}

// A 16-bit colour screen's: red and blue to the nearest of 32 levels, green
// of 64, each widened back to 8 bits by repeating its top bits, as a 16-bit
// picture reads back.
constexpr int levelof(int v, int bits) { return (2 * v * ((1 << bits) - 1) + 255) / 510; }
constexpr int widened(int level, int bits) { return level << (8 - bits) | level >> (2 * bits - 8); }
constexpr uint16_t rgb565(wincolour c) {
    return static_cast<uint16_t>(levelof(redof(c), 5) << 11 | levelof(greenof(c), 6) << 5 | levelof(blueof(c), 5));
}
constexpr wincolour from565(uint16_t v) {
    return rgbcolour(widened(v >> 11, 5), widened((v >> 5) & ((1 << 6) - 1), 6), widened(v & ((1 << 5) - 1), 5));
}
constexpr wincolour on565(wincolour c) { return from565(rgb565(c)); }

}  // namespace grafipix
