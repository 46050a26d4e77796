// SPDX-License-Identifier: GPL-3.0-or-later
// The colour buttons: one press over the palette.

#include "app/colour_buttons.h"

#include <algorithm>

#include "app/editor.h"
#include "app/replace_captions.h"

namespace grafipix {

size_t swatchindex(const Swatch& s) {
    const std::vector<const Swatch*>& all = allswatches();
    return static_cast<size_t>(std::find(all.begin(), all.end(), &s) - all.begin());
}

void showcolourbuttons(Editor& ed, const Model& m, int bgkind) {
    const std::vector<const Swatch*>& all = allswatches();
    // A free palette's colours are the panel's swatches, not buttons.
    for (size_t i = 0; i < all.size(); ++i)
        ed.colourbuttons[i].visible = !m.freepalette() && std::ranges::any_of(m.palette, [&](const PaletteColour& c) { return &c.swatch(bgkind) == all[i]; });
}

const Swatch* buttonof(const Editor& ed, int code) {
    const Model& m = ed.currentmodel();
    return !m.freepalette() && code >= 0 && code < m.codes() ? &m.palette[code].swatch(ed.bgkind) : nullptr;
}

void unhighlightcurrent(Editor& ed, const Swatch* keep) {
    const Swatch* current = buttonof(ed, ed.curcolor);
    if (current && current != keep) ed.colourbuttons[swatchindex(*current)].backcolor = buttonface;
}

void Editor::presscolour(size_t swatch) {
    const Swatch* pressed = allswatches()[swatch];
    int code = 0;
    while (code < model->codes() && &model->palette[code].swatch(bgkind) != pressed) ++code;
    if (code == model->codes()) return;  // not a colour of this model: hidden, never pressed
    unhighlightcurrent(*this, pressed);
    curcolor = static_cast<int16_t>(code);
    colourbuttons[swatch].backcolor = highlight;
    Picture1.setforecolor(colourof(curcolor));
    // The back colour and the ink redraw the canvas, the other colours do not.
    if (code <= ink) redrawcanvas();
    applyreplacecaptions(*this, *model, curcolor);
}

}  // namespace grafipix
