// The selection tool's frame and capture, and the paste of the duplicate mode.

#include <utility>

#include "core/counters.h"
#include "tools/tools.h"

namespace grafipix {

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
    countup(columns, {1, Grid::maxx}, [&](int j) {
        countup(rows, {1, Grid::maxy}, [&](int i) {
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
    countup(ed.selw, reach(X, Grid::maxx), [&](int j) {
        countup(ed.selh, reach(Y, Grid::maxy), [&](int i) {
            const float tx = X + static_cast<float>(j - 1), ty = Y + static_cast<float>(i - 1);
            if (!(tx < 128.0f && ty < 64.0f)) return;  // clipped at the right and bottom
            const int16_t code = ed.selgrid.get(j, i);
            if (ed.opaquedup == 1 || code > 0) ed.pixelgrid.put(tx, ty, code);
        });
    });
    ed.redrawcanvas();
}

}  // namespace grafipix
