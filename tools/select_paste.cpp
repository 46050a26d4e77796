// SPDX-License-Identifier: GPL-3.0-or-later
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

void drawselectionframe(ToolContext& c, const ToolInput& in) {
    Drawing& d = c.drawing();
    d.redrawcanvas();
    // Through the top-left corners of the cells, so the frame encloses the cells copied.
    d.frame(c.state().anchorx, c.state().anchory, in.X, in.Y);
}

void capture(ToolContext& c, const ToolInput& in) {
    Drawing& d = c.drawing();
    float& anchorx = c.state().anchorx;
    float& anchory = c.state().anchory;
    float X = in.X, Y = in.Y;
    if (X < anchorx) std::swap(X, anchorx);
    if (Y < anchory) std::swap(Y, anchory);
    // The buffer is not cleared: beyond this block it keeps an earlier, larger copy.
    const float columns = X - anchorx + 1.0f, rows = Y - anchory + 1.0f;
    countup(columns, {1, double(d.pixelgrid.maxx())}, [&](int j) {
        countup(rows, {1, double(d.pixelgrid.maxy())}, [&](int i) {
            d.doc.setbuffer(j, i, d.pixelgrid.at(anchorx + static_cast<float>(j - 1), anchory + static_cast<float>(i - 1)));
        });
    });
    d.doc.placeselection({anchorx, anchory, columns, rows});
    d.selframe = true;
    d.redrawcanvas();
}

void paste(ToolContext& c, const ToolInput& in) {
    Drawing& d = c.drawing();
    eachpasted(d, in.X, in.Y, [&](float tx, float ty, int16_t code) { d.doc.put(tx, ty, code); });
    d.redrawcanvas();
}

void previewpaste(ToolContext& c, const ToolInput& in) {
    Drawing& d = c.drawing();
    d.redrawcanvas();
    eachpasted(d, in.X, in.Y, [&](float tx, float ty, int16_t code) { d.previewcell(tx, ty, code); });
    d.Picture1.setforecolor(d.colourof(d.curcolor));
}

}  // namespace grafipix
