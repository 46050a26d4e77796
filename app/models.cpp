// SPDX-License-Identifier: GPL-3.0-or-later
// The model switch: one function over the model table.

#include <algorithm>

#include "app/colour_buttons.h"
#include "app/editor.h"
#include "app/replace_captions.h"
#include "calculator/model_table.h"

namespace grafipix {

void Editor::choosemodel(const Model& m) {
    // A free palette comes as the model's colours from a fixed one, and stays
    // the drawing's own between free ones, up to what the new model holds.
    Palette palette;
    if (m.freepalette()) palette = model->freepalette() ? doc.palette() : Palette(m.colours());
    if (palette.size() > size_t(m.freecolours)) palette.resize(size_t(m.freecolours));
    const int kept = m.freepalette() ? int(palette.size()) : m.codes();
    // Colours the new palette lacks become ink; the colours coming back
    // do not bring them back, only "Annuler" does.
    bool folded = false;
    for (int y = 1; y <= pixelgrid.rows(); ++y)
        for (int x = 1; x <= pixelgrid.columns(); ++x)
            if (pixelgrid.get(x, y) >= kept) doc.set(x, y, ink), folded = true;
    doc.setpalette(std::move(palette));
    if (folded) redrawcanvas();
    applymodel(*this, m);
}

void applymodel(Editor& ed, const Model& m) {
    // A model without the screen green leaves it for white before its colours come.
    if (!m.casioback && ed.bgkind == 2) choosebackground(ed, 1);
    ed.bgcasio.enabled = m.casioback;
    // Without BASIC only the script is left to generate.
    ed.fline.enabled = ed.compact.enabled = m.basic;
    ed.drawstat.enabled = m.basic && m.drawstat;
    ed.python.enabled = m.python;
    // The model's colours; the back colour's button stays as the background has it.
    const Swatch& ink = m.palette[grafipix::ink].swatch(ed.bgkind);
    unhighlightcurrent(ed, m.freepalette() ? nullptr : &ink);
    // A screen of another size opens at a zoom at which the window fits the desktop.
    const bool resized = m.screen.columns != ed.pixelgrid.columns() || m.screen.rows != ed.pixelgrid.rows();
    if (resized && !ed.zoomfit.checked) ed.setzoom(std::min(ed.zoomfactor(), Editor::openingzoom(m.screen)));
    ed.setscreen(m.screen);
    ed.model = &m;
    showcolourbuttons(ed, m, ed.bgkind);
    ed.curcolor = grafipix::ink;
    if (!m.freepalette()) ed.colourbuttons[swatchindex(ink)].backcolor = highlight;
    ed.Picture1.setforecolor(ed.colourof(grafipix::ink));
    ed.redrawcanvas();
    ed.typcalc.caption = m.typcalc;
    for (const Model& other : models()) ed.menu(other.name)->checked = &other == &m;
    applyreplacecaptions(ed, m, grafipix::ink);
    ed.calcfilesstate();
}

}  // namespace grafipix
