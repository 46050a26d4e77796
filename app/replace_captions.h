// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The captions and enabled states of the "Remplacer..." entries.

namespace grafipix {

class Editor;
struct Model;

// The entries of a model and a drawing colour: "<source> par <colour in use>",
// enabled when the source differs and the palette has it.
void applyreplacecaptions(Editor& ed, const Model& model, int curcolor);

}  // namespace grafipix
