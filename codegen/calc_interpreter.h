#pragma once
// Runs a generated calculator program as the calculator would, for the
// commands the generator writes, on the 127 x 63 screen: the preview of the
// `Code` window, and the tests' check that a program redraws its picture.
// Anything else stops the run at its line, as the calculator stops with an
// error: an unknown command or character, a missing or extra line-end mark,
// the other flavour's arrow, a number with a blank or a leading zero, a point
// off the screen, a list of more than 255. It knows the characters of both
// link programs on its own, so a wrong character in the generator is caught
// rather than shared.

#include <array>
#include <string>
#include <string_view>

namespace grafipix {

struct CalcRun {
    // Colour codes by screen pixel, [y][x] with y 1..63 from the top and x 1..127.
    std::array<std::array<int, 128>, 64> screen{};
    int pict = 0;       // the picture memory of StoPict, 0 without
    int drawstats = 0;  // DrawStat commands run
    int errorline = 0;  // the line the run stopped at, 0 when the whole program ran
    std::string error;  // what stopped it, for the tests; empty when it ran
};

CalcRun runprogram(std::u16string_view program, bool fa124);

}  // namespace grafipix
