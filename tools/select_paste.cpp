// The selection tool's frame and capture, and the paste of the duplicate mode.

#include <utility>

#include "core/counters.h"
#include "tools/tools.h"

namespace grafipix {

void drawselectionframe(Drawing& d, float X, float Y) {
    d.redrawcanvas();
    Canvas& canvas = d.Picture1;
    const wincolour pen = canvas.forecolor();
    canvas.setforecolor(blackink);
    // Through the top-left corners of the cells, so the frame encloses the cells copied.
    canvas.line(d.anchorx, d.anchory, X, d.anchory);
    canvas.line(X, d.anchory, X, Y);
    canvas.line(X, Y, d.anchorx, Y);
    canvas.line(d.anchorx, Y, d.anchorx, d.anchory);
    canvas.setforecolor(pen);
}

void capture(Drawing& d, float X, float Y) {
    if (X < d.anchorx) std::swap(X, d.anchorx);
    if (Y < d.anchory) std::swap(Y, d.anchory);
    // The buffer is not cleared: beyond this block it keeps an earlier, larger copy.
    const float columns = X - d.anchorx + 1.0f, rows = Y - d.anchory + 1.0f;
    countup(columns, {1, Grid::maxx}, [&](int j) {
        countup(rows, {1, Grid::maxy}, [&](int i) {
            d.doc.setbuffer(j, i, d.pixelgrid.at(d.anchorx + static_cast<float>(j - 1),
                                                  d.anchory + static_cast<float>(i - 1)));
        });
    });
    d.doc.placeselection({d.anchorx, d.anchory, columns, rows});
    d.redrawcanvas();
}

void paste(Drawing& d, float X, float Y) {
    const SelectionRect& sel = d.doc.selrect();
    countup(sel.selw, reach(X, Grid::maxx), [&](int j) {
        countup(sel.selh, reach(Y, Grid::maxy), [&](int i) {
            const float tx = X + static_cast<float>(j - 1), ty = Y + static_cast<float>(i - 1);
            if (!(tx < 128.0f && ty < 64.0f)) return;  // clipped at the right and bottom
            const int16_t code = d.selgrid.get(j, i);
            if (d.opaquedup == 1 || code > 0) d.doc.put(tx, ty, code);
        });
    });
    d.redrawcanvas();
}

}  // namespace grafipix
