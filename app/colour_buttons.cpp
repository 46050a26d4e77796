// The six colour buttons: one table, one press.

#include "app/colour_buttons.h"

#include <array>

#include "app/editor.h"
#include "calculator/model_table.h"
#include "app/replace_captions.h"

namespace grafipix {

namespace {

using E = Editor;

// Under the four rows of tool buttons.
const std::array<ColourButton, 6> rows{{
    {"presstruegreen", &E::presstruegreen, &E::presstruegreen_Click, 120, 3000, true, buttonface, 0, 0, 2, true, nullptr},
    {"presswhite", &E::presswhite, &E::presswhite_Click, 120, 3000, false, buttonface, 0, 0, 1, true, nullptr},
    {"pressblue", &E::pressblue, &E::pressblue_Click, 720, 3000, true, highlight, 1, 1, 0, true, nullptr},
    {"pressblack", &E::pressblack, &E::pressblack_Click, 720, 3000, false, buttonface, 1, 2, 0, true, "g100"},
    {"pressorange", &E::pressorange, &E::pressorange_Click, 120, 3360, true, buttonface, 3, 0, 0, false, nullptr},
    {"pressgreen", &E::pressgreen, &E::pressgreen_Click, 720, 3360, true, buttonface, 2, 0, 0, false, nullptr},
}};

void press(Editor& ed, const ColourButton& b) {
    unhighlightcurrent(ed, b);
    ed.curcolor = b.code;
    if (b.inkcolor) ed.inkcolor = b.inkcolor;
    (ed.*b.button).backcolor = highlight;
    ed.Picture1.setforecolor(b.colour());
    if (b.redraws) ed.redrawcanvas();
    if (b.model) ed.typcalc.caption = findmodel(b.model)->typcalc;
    applyreplacecaptions(ed, ed.currentmodel(), ed.curcolor);
}

const ColourButton& named(const char* name) {
    for (const ColourButton& b : rows)
        if (std::string_view(b.name) == name) return b;
    return rows.front();
}

}  // namespace

std::span<const ColourButton> colourbuttons() { return rows; }

const ColourButton& buttonof(int code, int inkcolor, int bgkind) {
    for (const ColourButton& b : rows)
        if (b.code == code && (b.code != 1 || b.inkcolor == (inkcolor == 1 ? 1 : 2)) &&
            (b.code != 0 || b.bgkind == (bgkind == 1 ? 1 : 2)))
            return b;
    return rows.front();
}

void unhighlightcurrent(Editor& ed, const ColourButton& keep) {
    const ColourButton& current = buttonof(ed.curcolor, ed.inkcolor, ed.bgkind);
    if (&current != &keep) (ed.*current.button).backcolor = buttonface;
}

void Editor::presstruegreen_Click() { press(*this, named("presstruegreen")); }
void Editor::presswhite_Click() { press(*this, named("presswhite")); }
void Editor::pressblue_Click() { press(*this, named("pressblue")); }
void Editor::pressblack_Click() { press(*this, named("pressblack")); }
void Editor::pressorange_Click() { press(*this, named("pressorange")); }
void Editor::pressgreen_Click() { press(*this, named("pressgreen")); }

}  // namespace grafipix
