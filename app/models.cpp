// The model switch: one function over the model table, and the one place
// that tells which model is checked.

#include "app/editor.h"
#include "app/colour_buttons.h"
#include "calculator/model_table.h"
#include "app/replace_captions.h"

namespace grafipix {

namespace {

void choose(Editor& ed, const Model& m) {
    if (!m.threecolours) {
        // Green and orange stay ink when the three colours come back; only
        // "Annuler" brings them back.
        for (int y = 1; y < 64; ++y)
            for (int x = 1; x < 128; ++x)
                if (ed.pixelgrid.get(x, y) > 0) ed.doc.set(x, y, 1);
        ed.redrawcanvas();
    }
    applymodel(ed, m);
}

}  // namespace

void applymodel(Editor& ed, const Model& m) {
    // The model's ink, green and orange; the background buttons stay as they are.
    for (const ColourButton& b : colourbuttons())
        if (b.code != 0) (ed.*b.button).visible = b.code == 1 ? b.inkcolor == m.inkcolor : m.threecolours;

    const ColourButton& ink = buttonof(1, m.inkcolor, ed.bgkind);
    unhighlightcurrent(ed, ink);
    ed.curcolor = 1;
    ed.inkcolor = m.inkcolor;
    (ed.*ink.button).backcolor = highlight;
    ed.Picture1.setforecolor(ink.colour());
    ed.redrawcanvas();
    ed.typcalc.caption = m.typcalc;
    for (const Model& other : models()) ed.menu(other.name)->checked = &other == &m;
    applyreplacecaptions(ed, m, 1);
    ed.calcfilesstate();
}

const Model& Editor::currentmodel() const {
    for (const Model& m : models())
        if (menu(m.name)->checked) return m;
    return *findmodel("g65");  // the start model; one entry is always checked
}

void Editor::g35_Click() { choose(*this, *findmodel("g35")); }
void Editor::g65_Click() { choose(*this, *findmodel("g65")); }
void Editor::g85_Click() { choose(*this, *findmodel("g85")); }
void Editor::g100_Click() { choose(*this, *findmodel("g100")); }

}  // namespace grafipix
