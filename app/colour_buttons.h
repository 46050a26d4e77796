// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour buttons: one per swatch of any model's palette, shown where the
// current model and background have it; a press makes its colour the drawing
// colour.

#include <cstddef>

#include "calculator/model_table.h"

namespace grafipix {

class Editor;

// The place of a swatch in allswatches(), and so of its button in Editor::colourbuttons.
size_t swatchindex(const Swatch& s);

// The buttons of `m`'s colours on background `bgkind` show, the others hide.
void showcolourbuttons(Editor& ed, const Model& m, int bgkind);

// The button of a code under the current model and background, nullptr for a
// code the palette lacks.
const Swatch* buttonof(const Editor& ed, int code);

// Gives the button of the colour in use the plain face, unless it is `keep`.
void unhighlightcurrent(Editor& ed, const Swatch* keep);

// The background of kind `kind` (1 white, 2 screen green): its back colour's
// button shows, the other's hides, and the canvas takes its colour.
void choosebackground(Editor& ed, int kind);

}  // namespace grafipix
