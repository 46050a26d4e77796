// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator models: one row each, holding every fact the editor needs of
// a model: its screen, its palette, its text flavour, its picture memories
// and the files its calculators take. The current model is the editor's
// (Drawing::model), shown by the check mark of its menu entry.

#include <cstdint>
#include <deque>
#include <span>
#include <string_view>
#include <vector>

#include "calculator/colours.h"
#include "calculator/flavour.h"

namespace grafipix {

// The screen the programs draw on, in cells.
struct Screen {
    int columns, rows;
};

// A colour button: a swatch at its place under the tool buttons.
struct Swatch {
    const char* name;
    int left, top;  // twips; every colour button is 495 x 375
    wincolour colour;
};

// What a colour code is on a model.
struct PaletteColour {
    const Swatch* button;       // its button, and what the canvas shows
    const Swatch* casiobutton;  // the same on the screen-green background; nullptr: `button` there too
    std::u16string_view word;   // written before a line of this colour ("Green"); empty for none
    const char* name;           // in the replacement captions: "le vert"
    std::string_view token;     // the word in calculator files; empty: the files leave the word out

    const Swatch& swatch(int bgkind) const { return bgkind == 2 && casiobutton ? *casiobutton : *button; }
};

// How the import turns a sample into a code.
enum class Conversion {
    twocolours,    // dark enough is ink; luminance when dithered
    threecolours,  // the Graph 65/80's thresholds for ink, green and orange; RGB when dithered
    nearest,       // the nearest colour of the palette in RGB
};

struct Model {
    const char* name;         // its menu entry, and the converter's --model word
    const char* menucaption;  // its entry under "Calculatrice"
    const char* typcalc;      // the model label
    Screen screen;
    std::span<const PaletteColour> palette;  // code 0 the back colour, code 1 the ink
    Conversion conversion;
    const Flavour* flavour;  // the text for its link program
    int lastpicture;         // picture memories 1..lastpicture
    const char* calcfiles;   // "g1m" or "g3m" where the calculators take the program files we write, "" for none
    bool casioback = true;   // offers the screen-green background
    bool drawstat = true;    // takes the DrawStat mode's scatter set-up
    bool python = false;     // runs Python scripts (casioplot)
    Screen pythonscreen = {};  // where casioplot draws, from pixel (0, 0); a canvas cell (c, r) is pixel (c - 1, r - 1)
    // 0: the palette is fixed, `palette` itself. Otherwise it is free: each
    // drawing holds its own colours, up to this many, starting from
    // `palette`'s (the colours its BASIC names), each as its 16-bit screen
    // shows it.
    int freecolours = 0;
    bool basic = true;            // runs BASIC programs: the Graph Math+ has Python alone
    const char* picturefile = "";  // "g1m", "g3p" or "g4p": the picture files its calculators take, "" for none
    // What its calculators hold, in bytes; 0 where nothing is said of it.
    long programmemory = 0;  // the main memory for programs, about
    long scriptmost = 0;     // the largest script its Python is taken to load

    bool freepalette() const { return freecolours > 0; }
    // The colour a free palette holds for `c`: what the screen shows of it.
    wincolour held(wincolour c) const { return freepalette() ? on565(c) : c; }
    // The colours of `palette` by code, as its buttons show them: a free
    // palette's start.
    std::vector<wincolour> colours() const;
    // What the canvas shows for each code on `bgkind`.
    std::vector<wincolour> shownpalette(int bgkind) const;
    // The code of `palette` whose button colour is nearest `c` in RGB (the
    // BASIC colour a free colour is drawn in), the first of equals.
    int nearestcode(wincolour c) const;

    int codes() const { return static_cast<int>(palette.size()); }
    bool takesg1m() const { return std::string_view(calcfiles) == "g1m"; }
    bool takesg3m() const { return std::string_view(calcfiles) == "g3m"; }
    // What the canvas shows for a code; a code the palette lacks shows as the back colour.
    wincolour shown(int code, int bgkind) const {
        return (code >= 0 && code < codes() ? palette[code] : palette[0]).swatch(bgkind).colour;
    }
    // A code as this palette takes it: one it lacks (a colour of a richer
    // palette) becomes the ink.
    int16_t inpalette(int16_t code) const { return code < codes() ? code : int16_t{1}; }
    // The code a colour word stands for, -1 for none.
    int codeofword(std::u16string_view word) const;
};

const std::deque<Model>& models();
const Model* findmodel(std::string_view name);
// The model checked at start-up.
const Model& startmodel();
// Another row, for a model the table does not ship (the tests' own); its
// swatches and palette must outlive the program.
const Model& addmodel(const Model& m);

// Every colour button of every model, each once, in a fixed order.
const std::vector<const Swatch*>& allswatches();
// The name a code has in the captions: the current palette's, or, for a code
// it lacks, the first model's that has it.
const char* colourname(const Model& current, int code);

}  // namespace grafipix
