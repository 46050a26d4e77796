// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/tool_table.h"

#include <array>

#include "tools/tools.h"

namespace grafipix {

namespace {

// Point: every click plots one cell.
constexpr ToolStep pointsteps[] = {{{1, 0}, plot, {1, 0}, nullptr, nullptr}};
constexpr const char* pointicon[iconsize] = {
    "................", "................", "................", "................",
    "................", "................", "......####......", "......####......",
    "......####......", "......####......", "................", "................",
    "................", "................", "................", "................"};

// Stylo, Pinceau and Aérographe: a click starts drawing, the next stops it;
// only the moves in between draw.
constexpr const char* penhint = "Stylo, cliquez pour amorcer le tracé";
constexpr ToolStep pensteps[] = {{{2, 0}, startstroke, {2, 1}, "Stylo activé", nullptr},
                                 {{2, 1}, nullptr, {2, 0}, penhint, penmove, false, true}};
constexpr const char* penicon[iconsize] = {
    "................", ".............##.", "............###.", "...........###..",
    "..........###...", ".........###....", "........###.....", ".......###......",
    "......###.......", ".....###........", "....###.........", "...###..........",
    "..o##...........", "..oo............", "................", "................"};

constexpr const char* brushhint = "Pinceau, cliquez pour amorcer le tracé";
constexpr ToolStep brushsteps[] = {{{2, 2}, startstroke, {2, 3}, "Pinceau activé", nullptr},
                                   {{2, 3}, nullptr, {2, 2}, brushhint, brushmove, false, true}};
constexpr const char* brushicon[iconsize] = {
    "................", "................", "......####......", "......####......",
    "......####......", "......####......", "..############..", "..############..",
    "..############..", "..############..", "......####......", "......####......",
    "......####......", "......####......", "................", "................"};

constexpr const char* airbrushhint = "Aérographe, cliquez pour amorcer le tracé";
constexpr ToolStep airbrushsteps[] = {{{2, 4}, nullptr, {2, 5}, "Aérographe activé", nullptr},
                                      {{2, 5}, nullptr, {2, 4}, airbrushhint, spray, false, true}};
constexpr const char* airbrushicon[iconsize] = {
    "................", "................", "...##...##......", "...##...##...##.",
    ".............##.", ".....##.........", ".....##..##.....", ".........##..##.",
    ".............##.", "...##...........", "...##....##.....", ".........##.##..",
    "............##..", "................", "................", "................"};

// Ligne, Rectangle and Cercle: the first click holds a point, moves preview
// the shape, the second click draws it.
constexpr ToolStep linesteps[] = {
    {{3, 0}, setanchor, {3, 1}, "Ligne, cliquez pour tracer la ligne", nullptr},
    {{3, 1}, drawline, {3, 0}, "Ligne", previewline}};
constexpr const char* lineicon[iconsize] = {
    "................", "..............#.", ".............#..", "............#...",
    "...........#....", "..........#.....", ".........#......", "........#.......",
    ".......#........", "......#.........", ".....#..........", "....#...........",
    "...#............", "..#.............", ".#..............", "................"};

constexpr ToolStep rectanglesteps[] = {
    {{4, 0}, setanchor, {4, 1}, "Rectangle, cliquez pour tracer le rectangle", nullptr},
    {{4, 1}, drawrectangle, {4, 0}, "Rectangle", previewrectangle}};
constexpr const char* rectangleicon[iconsize] = {
    "................", "................", "................", "..############..",
    "..#..........#..", "..#..........#..", "..#..........#..", "..#..........#..",
    "..#..........#..", "..#..........#..", "..#..........#..", "..#..........#..",
    "..############..", "................", "................", "................"};

constexpr const char* circlehint = "Cercle, cliquez pour définir le centre";
constexpr ToolStep circlesteps[] = {
    {{5, 0}, setanchor, {5, 1}, "Cercle, cliquez pour définir le rayon", nullptr},
    {{5, 1}, drawcircle, {5, 0}, circlehint, previewcircle}};
constexpr const char* circleicon[iconsize] = {
    "................", ".....######.....", "....#......#....", "...#........#...",
    "..#..........#..", ".#............#.", ".#............#.", ".#............#.",
    ".#............#.", ".#............#.", ".#............#.", "..#..........#..",
    "...#........#...", "....#......#....", ".....######.....", "................"};

// Sélection: two clicks copy a block into the buffer; "Dupliquer" then leads
// to 6.2, where the block follows the pointer and every click pastes it until
// a tool button is pressed.
constexpr ToolStep selectionsteps[] = {
    {{6, 0}, setanchor, {6, 1}, "Sélection, cliquez pour définir la sélection", nullptr},
    {{6, 1}, capture, {6, 0}, "Utilisez le menu pour agir sur la selection", drawselectionframe, true},
    {pastestep, paste, pastestep, nullptr, previewpaste}};
constexpr const char* selectionicon[iconsize] = {
    "................", "................", "................", "..##..##..##..#.",
    "..............#.", "..#.............", "..#...........#.", "..............#.",
    "..#.............", "..#...........#.", "..............#.", "..#.............",
    "..#..##..##..##.", "................", "................", "................"};

// Pot de peinture: every click fills.
constexpr ToolStep fillsteps[] = {{{7, 0}, fill, {7, 0}, nullptr, nullptr}};
constexpr const char* fillicon[iconsize] = {
    "................", ".........#......", "........#o#.....", ".......#ooo#....",
    "......#ooooo#...", ".....#ooooooo#..", "....#ooooooooo#.", "...#ooooooooo#..",
    "....#ooooooo#...", ".....#ooooo#.bb.", "......#ooo#..bb.", ".......#o#...bb.",
    "........#....bb.", ".............bb.", "................", "................"};

// Pipette: a click takes the colour under it and goes back to the tool before,
// as Escape does without taking it.
constexpr ToolStep pipettesteps[] = {{{8, 0}, pickcolour, {8, 0}, nullptr, nullptr, false, false, givebacktool}};
constexpr const char* pipetteicon[iconsize] = {
    "................", "............##..", "...........####.", "..........#####.",
    "........#######.", ".........####...", "........#o.##...", ".......#o.#.....",
    "......#o.#......", ".....#o.#.......", "....#o.#........", "...#o.#.........",
    "..#bb#..........", "..bbb...........", ".bb.............", "................"};

// The pipette opens a fourth row, under the first column.
constexpr std::array<ToolRow, 10> rows{{
    {"Command1", 120, 1440, "Point", pointsteps, pointicon, "P"},
    {"Command2", 480, 1440, penhint, pensteps, penicon, "S"},
    {"Command3", 840, 1440, "Ligne, cliquez pour entrer le premier point", linesteps, lineicon, "L"},
    {"Command6", 120, 1800, brushhint, brushsteps, brushicon, "B"},
    {"Command7", 480, 1800, airbrushhint, airbrushsteps, airbrushicon, "A"},
    {"Command8", 840, 1800, "Pot de peinture", fillsteps, fillicon, "G"},
    {"Command9", 120, 2160, "Rectangle, cliquez pour entrer le premier point", rectanglesteps, rectangleicon, "R"},
    {"Command10", 480, 2160, circlehint, circlesteps, circleicon, "C"},
    {"Command11", 840, 2160, "Sélection, cliquez pour entrer le premier point", selectionsteps, selectionicon, "M"},
    {"Command12", 120, 2520, "Pipette, cliquez sur une couleur", pipettesteps, pipetteicon, "I"},
}};

}  // namespace

std::span<const ToolRow> toolrows() { return rows; }

const ToolRow* findtool(std::string_view button) {
    for (const ToolRow& row : rows)
        if (button == row.button) return &row;
    return nullptr;
}

const ToolStep* findstep(ToolCode code) {
    for (const ToolRow& row : rows)
        for (const ToolStep& step : row.steps)
            if (step.code == code) return &step;
    return nullptr;
}

const ToolRow* toolof(ToolCode code) {
    for (const ToolRow& row : rows)
        for (const ToolStep& step : row.steps)
            if (step.code == code) return &row;
    return nullptr;
}

}  // namespace grafipix
