#pragma once
// The captions and enabled states of the eight "Remplacer..." entries.

namespace grafipix {

class Editor;
struct Model;

// The row of a model and a drawing colour: "<source> par <colour in use>",
// enabled when the source differs and the palette has it. Green and orange in
// use take the three-colour row whatever model is checked.
void applyreplacecaptions(Editor& ed, const Model& model, int curcolor);

}  // namespace grafipix
