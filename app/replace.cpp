// SPDX-License-Identifier: GPL-3.0-or-later
// Colour replacement: every cell of one colour becomes the current colour (or
// the one the form chose), in the whole picture or in the selected block. The
// buffer is never read here.

#include "document/counters.h"
#include "app/editor.h"

namespace grafipix {

void Editor::replacecolor(int colour, int scope, int to) {
    const int16_t into = to < 0 ? curcolor : int16_t(to);
    // The whole picture: the screen, up to the bounds the block loops stay below.
    float x1 = 1.0f, y1 = 1.0f, w = static_cast<float>(pixelgrid.maxx()), h = static_cast<float>(pixelgrid.maxy());
    if (scope != 0) {
        const SelectionRect& sel = doc.selrect();
        x1 = sel.selx;
        y1 = sel.sely;
        w = sel.selw;
        h = sel.selh;
    }
    countup(w, reach(x1, pixelgrid.maxx()), [&](int i) {
        countup(h, reach(y1, pixelgrid.maxy()), [&](int j) {
            const float x = x1 + static_cast<float>(i - 1), y = y1 + static_cast<float>(j - 1);
            if (pixelgrid.at(x, y) == colour) doc.put(x, y, into);
        });
    });
    redrawcanvas();
}

}  // namespace grafipix
