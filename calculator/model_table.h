#pragma once
// The calculator models: one row each, holding every fact the editor needs of
// a model. The current model is the checked one (Editor::currentmodel).

#include <span>
#include <string_view>

#include "calculator/flavour.h"

namespace grafipix {

struct Model {
    const char* name;     // its menu entry, and the converter's --model word
    const char* typcalc;  // the model label
    int inkcolor;         // 1 blue ink, 2 black ink
    bool threecolours;    // green and orange besides the ink, and the three-colour import
    const Flavour* flavour;  // the text for its link program
    int lastpicture;         // picture memories 1..lastpicture
    const char* calcfiles;   // "g1m" where the calculators take the files we write, "" for none

    bool takesg1m() const { return std::string_view(calcfiles) == "g1m"; }
};

std::span<const Model> models();
const Model* findmodel(std::string_view name);

class Editor;
// The model switch without its fold: buttons, highlight, drawing colour, pen,
// redraw, label, check marks and replacement captions. Undo brings a model
// back with it.
void applymodel(Editor& ed, const Model& m);

}  // namespace grafipix
