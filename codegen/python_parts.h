// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the scripts and the sprites write alike: a colour's tuple, and numbers
// as base-91 digits, each a printable character a bytes literal takes
// unescaped, from '#' to '~' with the backslash left out. A script turns a
// digit back into its value with a table filled by `digittable`.

#include <string>

#include "calculator/colours.h"

namespace grafipix::pythonparts {

constexpr int base = 91;
constexpr char digit(int v) { return char('#' + v + (v >= '\\' - '#')); }
constexpr int digitvalue(char ch) {
    return ch < '#' || ch > '~' || ch == '\\' ? -1 : ch - '#' - (ch > '\\');
}
// The loop that fills table `t` (127 entries) with each digit's value.
inline std::string digittable(const std::string& t, const std::string& i) {
    return "for " + i + " in range(91):" + t + "[35+" + i + "+(" + i + ">56)]=" + i;
}

inline std::string tuple(wincolour c) {
    return "(" + std::to_string(redof(c)) + "," + std::to_string(greenof(c)) + "," + std::to_string(blueof(c)) + ")";
}

}  // namespace grafipix::pythonparts
