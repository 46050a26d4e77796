// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every file the editor and the converter write from a drawing, one row each:
// the program's text, the program in a .g1m, the drawing as a .g1m picture and
// as a PNG, the Python script. The Code window's buttons, "Exporter pour la calculatrice..." and
// grafipix-convert look the rows up rather than name a format themselves.

#include <span>
#include <string>
#include <string_view>

#include "calculator/model_table.h"
#include "document/grid.h"
#include "formats/g1m.h"

namespace grafipix {

// What an output is written from; each row reads the fields it needs.
struct OutputSource {
    const Grid& grid;  // the drawing
    const Model& model;
    std::u16string_view program = {};  // the program's text, as the Code window shows it
    std::string_view programname = g1m::defaultname;
    int picture = 1;  // the memory a picture goes to, 1..g1m::lastpicture
    int bgkind = 2;  // the background the canvas shows the drawing on
    // The drawing's own colours by code on a model whose palette is free; empty for the model's.
    std::span<const wincolour> palette = {};
};

struct Output {
    const char* name;     // the converter's --format word
    const char* caption;  // its menu entry or Code window button, "" for none
    const char* tooltip;  // the button's, on a model that takes the output
    const char* files;    // what the save dialog calls them
    const char* extension;
    std::string (*stem)(const OutputSource&);  // the default file name before the extension
    bool (*takes)(const Model&);  // whether the model's calculators read the file
    bool fromprogram;             // the program's text, not the drawing, is written
    // The bytes, or a French reason in `error`.
    std::string (*write)(const OutputSource&, std::string& error);

    std::string filter() const { return files + std::string("|*") + extension; }
    std::string filename(const OutputSource& s) const { return stem(s) + extension; }
};

std::span<const Output> outputs();
const Output* findoutput(std::string_view name);

}  // namespace grafipix
