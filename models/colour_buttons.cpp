// The six colour buttons: one table, one press.

#include <array>

#include "models/palette.h"

namespace grafipix {

namespace {

struct ColourButton {
    Button Editor::*button;
    int16_t code;
    int inkcolor;  // 0: leaves `inkcolor` alone
    wincolour pen;
    bool redraws;
};

constexpr ColourButton truegreenbutton{&Editor::presstruegreen, 0, 0, casioback, true};
constexpr ColourButton whitebutton{&Editor::presswhite, 0, 0, whiteback, true};
constexpr ColourButton bluebutton{&Editor::pressblue, 1, 1, blueink, true};
constexpr ColourButton blackbutton{&Editor::pressblack, 1, 2, blackink, true};
constexpr ColourButton orangebutton{&Editor::pressorange, 3, 0, orangeink, false};
constexpr ColourButton greenbutton{&Editor::pressgreen, 2, 0, greenink, false};

void press(Editor& ed, const ColourButton& b) {
    unhighlightcurrent(ed, b.button);
    ed.curcolor = b.code;
    if (b.inkcolor) ed.inkcolor = b.inkcolor;
    (ed.*b.button).backcolor = highlight;
    ed.Picture1.setforecolor(b.pen);
    if (b.redraws) ed.redrawcanvas();
    if (b.button == &Editor::pressblack) ed.typcalc.caption = "Graph 100";
    applyreplacecaptions(ed, checkedgroup(ed), ed.curcolor);
}

}  // namespace

Button Editor::*currentcolourbutton(const Editor& ed) {
    switch (ed.curcolor) {
        case 1: return ed.inkcolor == 1 ? &Editor::pressblue : &Editor::pressblack;
        case 2: return &Editor::pressgreen;
        case 3: return &Editor::pressorange;
        case 0: return ed.bgkind == 1 ? &Editor::presswhite : &Editor::presstruegreen;
        default: return nullptr;
    }
}

void unhighlightcurrent(Editor& ed, Button Editor::*keep) {
    Button Editor::*current = currentcolourbutton(ed);
    if (current && current != keep) (ed.*current).backcolor = buttonface;
}

void Editor::presstruegreen_Click() { press(*this, truegreenbutton); }
void Editor::presswhite_Click() { press(*this, whitebutton); }
void Editor::pressblue_Click() { press(*this, bluebutton); }
void Editor::pressblack_Click() { press(*this, blackbutton); }
void Editor::pressorange_Click() { press(*this, orangebutton); }
void Editor::pressgreen_Click() { press(*this, greenbutton); }

}  // namespace grafipix
