// The selection tool's frame and capture, and the paste of the duplicate mode.

#include <algorithm>
#include <cmath>
#include <utility>

#include "tools/tools.h"

namespace grafipix {

namespace {

// Counters run 1, 2, ... while below `bound`, and 1 is always visited. Only
// the counters from `first` to `last` can reach a cell, so the others are
// skipped: a block reaching far outside the arrays costs nothing.
template <class Body>
void countup(float bound, double first, double last, Body body) {
    if (!(last >= 1.0) || !(first <= 1e6)) return;  // no counter reaches a cell
    const long lo = first > 1.0 ? static_cast<long>(std::floor(first)) : 1;
    const long hi = static_cast<long>(std::min(last, 1e6));
    for (long k = lo; k <= hi && (k == 1 || static_cast<float>(k) < bound); ++k) body(static_cast<int>(k));
}

}  // namespace

void drawselectionframe(Editor& ed, float X, float Y) {
    ed.redrawcanvas();
    const wincolour pen = ed.Picture1.forecolor();
    ed.Picture1.setforecolor(blackink);
    // Through the top-left corners of the cells, so the frame encloses the cells copied.
    ed.Picture1.line(ed.anchorx, ed.anchory, X, ed.anchory);
    ed.Picture1.line(X, ed.anchory, X, Y);
    ed.Picture1.line(X, Y, ed.anchorx, Y);
    ed.Picture1.line(ed.anchorx, Y, ed.anchorx, ed.anchory);
    ed.Picture1.setforecolor(pen);
}

void capture(Editor& ed, float X, float Y) {
    if (X < ed.anchorx) std::swap(X, ed.anchorx);
    if (Y < ed.anchory) std::swap(Y, ed.anchory);
    // The buffer is not cleared: beyond this block it keeps an earlier, larger copy.
    const float columns = X - ed.anchorx + 1.0f, rows = Y - ed.anchory + 1.0f;
    countup(columns, 1, Grid::maxx, [&](int j) {
        countup(rows, 1, Grid::maxy, [&](int i) {
            ed.selgrid.set(j, i, ed.pixelgrid.at(ed.anchorx + static_cast<float>(j - 1),
                                                 ed.anchory + static_cast<float>(i - 1)));
        });
    });
    ed.selx = ed.anchorx;
    ed.sely = ed.anchory;
    ed.selh = rows;
    ed.selw = columns;
    ed.selection.enabled = true;
    ed.curtool = Tool::select60;
    ed.modelbl.caption = "Utilisez le menu pour agir sur la selection";
    ed.redrawcanvas();
}

void paste(Editor& ed, float X, float Y) {
    // Only targets that round into the arrays matter: X + j - 1 from -1 to 129.
    countup(ed.selw, -static_cast<double>(X), 130.0 - X, [&](int j) {
        countup(ed.selh, -static_cast<double>(Y), 66.0 - Y, [&](int i) {
            const float tx = X + static_cast<float>(j - 1), ty = Y + static_cast<float>(i - 1);
            if (!(tx < 128.0f && ty < 64.0f)) return;  // clipped at the right and bottom
            const int16_t code = ed.selgrid.get(j, i);
            if (ed.opaquedup == 1 || code > 0) ed.pixelgrid.put(tx, ty, code);
        });
    });
    ed.redrawcanvas();
}

}  // namespace grafipix
