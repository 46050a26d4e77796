// The full repaint of the canvas and the two background entries.

#include "core/editor.h"

namespace grafipix {

wincolour Editor::colourof(int code) const {
    return codecolour(code, inkcolor, bgkind, Picture1.forecolor());
}

void Editor::redrawcanvas() {
    Picture1.cls();
    for (int y = 1; y < 64; ++y) {
        for (int x = 1; x < 128; ++x) {
            int16_t code = pixelgrid.get(x, y);
            if (code <= 0) continue;
            if (code == 1) Picture1.setforecolor(inkcolor == 1 ? blueink : blackink);
            else if (code == 2) Picture1.setforecolor(greenink);
            else if (code == 3) Picture1.setforecolor(orangeink);
            // Nine lines at 0, 0.1, ... accumulated in double precision: the
            // last one lands at 0.7999999999999999, still below 0.8.
            const float fx = static_cast<float>(x), fx1 = static_cast<float>(x + 1);
            double a = 0.0;
            do {
                const float fy = static_cast<float>(y + a);
                Picture1.line(fx, fy, fx1, fy);
                a += 0.1;
            } while (a < 0.8);
        }
    }
    Picture1.setforecolor(colourof(curcolor));
}

namespace {

// The two background entries mirror each other: `shown` is the colour button
// of the new background (bgkind `kind`), `hidden` the other one's.
void choosebackground(Editor& ed, int kind, Button& shown, Button& hidden, wincolour back) {
    shown.visible = true;
    hidden.visible = false;
    if (ed.curcolor == 0 && ed.bgkind == 3 - kind) {  // coming from the other background
        hidden.backcolor = buttonface;
        shown.backcolor = highlight;
    }
    ed.bgkind = kind;
    ed.Picture1.setbackcolor(back);
    ed.redrawcanvas();
    ed.bgwhite.checked = kind == 1;
    ed.bgcasio.checked = kind == 2;
}

}  // namespace

void Editor::bgcasio_Click() { choosebackground(*this, 2, presstruegreen, presswhite, casioback); }
void Editor::bgwhite_Click() { choosebackground(*this, 1, presswhite, presstruegreen, whiteback); }

}  // namespace grafipix
