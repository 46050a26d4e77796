#pragma once
// What the model switch, the colour buttons and the replacement captions share.

#include "core/editor.h"

namespace grafipix {

// The palettes the replacement captions know.
enum class ModelGroup { twoblue, four, twoblack };

// The group of the checked model: Graph 85 counts as Graph 35.
ModelGroup checkedgroup(const Editor& ed);

// Caption and enabled state of the eight replacement entries for a drawing
// colour; green and orange take the four-colour row whatever model is checked.
void applyreplacecaptions(Editor& ed, ModelGroup group, int curcolor);

// The colour button that shows `curcolor` now.
Button Editor::*currentcolourbutton(const Editor& ed);

// Give the button of the current colour the plain face, unless it is `keep`.
void unhighlightcurrent(Editor& ed, Button Editor::*keep);

}  // namespace grafipix
