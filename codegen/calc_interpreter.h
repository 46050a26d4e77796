// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a generated calculator program as the calculator would, for the
// commands the generator writes, on the model's screen: the preview of the
// `Code` window, and the tests' check that a program redraws its picture.
// Anything else stops the run at its line, as the calculator stops with an
// error: an unknown command or character, a missing or extra line-end mark,
// the other flavour's arrow, a number with a blank or a leading zero, a
// PxlOn or a list point off the screen, a list of more than 255, a variable
// read before it is set. An F-Line is clipped to the screen, as on the
// calculator. It knows the characters of both link programs on its own, so a
// wrong character in the generator is caught rather than shared.
//
// Beyond the whole-screen programs, what a sprite and the game calling it
// need: the variables A and B, set by "value→A", sums and differences of
// plain numbers, A and B ("A+3", "60-B", "-B-2") as drawing coordinates, and
// `Prog "NAME"`, which runs the program of that name the run was given, on
// the same screen and variables.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace grafipix {

struct CalcRun {
    int columns = 0, rows = 0;
    // Colour codes by screen pixel, [y][x] with y 1..rows from the top and x 1..columns.
    std::vector<std::vector<int>> screen;
    // What each code of `screen` shows, code 0 the back colour.
    std::vector<uint32_t> colours;
    int pict = 0;       // the picture memory of StoPict, 0 without
    int drawstats = 0;  // DrawStat commands run
    int errorline = 0;  // the line the run stopped at, 0 when the whole program ran; a `Prog` line for a stop in the program it called
    std::string error;  // what stopped it, for the tests; empty when it ran
};

struct Model;

// The colour words are the model's palette's, a line without one drawing in
// the colour that has none; its flavour says which link program's text it is.
// `programs`, by name, are those `Prog` may call.
CalcRun runprogram(std::u16string_view program, const Model& model,
                   const std::map<std::string, std::u16string_view>& programs = {});

}  // namespace grafipix
