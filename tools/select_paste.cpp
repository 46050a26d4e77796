// The selection tool's frame and capture, and the paste of the duplicate mode
// with the block following the pointer before the click.

#include <utility>

#include "document/counters.h"
#include "tools/tools.h"

namespace grafipix {

namespace {

// The cells a paste at (X, Y) writes: every (tx, ty, code) of the block within
// the canvas, opaque or transparent as the option says.
template <class Put>
void eachpasted(Drawing& d, float X, float Y, Put put) {
    const SelectionRect& sel = d.doc.selrect();
    const Grid& g = d.pixelgrid;
    countup(sel.selw, reach(X, g.maxx()), [&](int j) {
        countup(sel.selh, reach(Y, g.maxy()), [&](int i) {
            const float tx = X + static_cast<float>(j - 1), ty = Y + static_cast<float>(i - 1);
            // Clipped at the right and bottom borders.
            if (!(tx < static_cast<float>(g.maxx()) && ty < static_cast<float>(g.maxy()))) return;
            const int16_t code = d.inpalette(d.selgrid.get(j, i));
            if (d.opaquedup == 1 || code > 0) put(tx, ty, code);
        });
    });
}

}  // namespace

void drawselectionframe(Drawing& d, float X, float Y) {
    d.redrawcanvas();
    // Through the top-left corners of the cells, so the frame encloses the cells copied.
    d.frame(d.anchorx, d.anchory, X, Y);
}

void capture(Drawing& d, float X, float Y) {
    if (X < d.anchorx) std::swap(X, d.anchorx);
    if (Y < d.anchory) std::swap(Y, d.anchory);
    // The buffer is not cleared: beyond this block it keeps an earlier, larger copy.
    const float columns = X - d.anchorx + 1.0f, rows = Y - d.anchory + 1.0f;
    countup(columns, {1, double(d.pixelgrid.maxx())}, [&](int j) {
        countup(rows, {1, double(d.pixelgrid.maxy())}, [&](int i) {
            d.doc.setbuffer(j, i, d.pixelgrid.at(d.anchorx + static_cast<float>(j - 1),
                                                  d.anchory + static_cast<float>(i - 1)));
        });
    });
    d.doc.placeselection({d.anchorx, d.anchory, columns, rows});
    d.selframe = true;
    d.redrawcanvas();
}

void paste(Drawing& d, float X, float Y) {
    eachpasted(d, X, Y, [&](float tx, float ty, int16_t code) { d.doc.put(tx, ty, code); });
    d.redrawcanvas();
}

void previewpaste(Drawing& d, float X, float Y) {
    d.redrawcanvas();
    eachpasted(d, X, Y, [&](float tx, float ty, int16_t code) { d.previewcell(tx, ty, code); });
    d.Picture1.setforecolor(d.colourof(d.curcolor));
}

}  // namespace grafipix
