// SPDX-License-Identifier: GPL-3.0-or-later
// Pot de peinture: a breadth-first walk over a fixed queue, one redraw at the end.

#include "tools/tools.h"

namespace grafipix {

void fill(ToolContext& c, const ToolInput& in) {
    Drawing& d = c.drawing();
    const float X = in.X, Y = in.Y;
    if (!d.pixelgrid.inside(cellindex(X), cellindex(Y))) return;  // no cell to read
    const int16_t old = d.pixelgrid.at(X, Y);
    d.plotcell(X, Y);

    FillQueue& queue = c.state().fillqueue;
    queue.reset(d.pixelgrid);
    const float right = static_cast<float>(d.pixelgrid.maxx()), bottom = static_cast<float>(d.pixelgrid.maxy());
    queue.x[1] = X;
    queue.y[1] = Y;
    int n = 2, i = 1;
    // A neighbour that passes its bound test and still has the old colour is
    // recoloured as it is queued, so with old != curcolor it is queued once.
    // The cell is found once for the read and the write: on the largest
    // screens the walk spends its time here.
    auto visit = [&](float nx, float ny, bool inbounds) {
        if (!inbounds) return;
        const int cx = cellindex(nx), cy = cellindex(ny);
        if (d.pixelgrid.get(cx, cy) != old) return;
        d.doc.set(cx, cy, d.curcolor);
        queue.x[n] = nx;
        queue.y[n] = ny;
        ++n;
    };
    do {
        const float cx = queue.x[i], cy = queue.y[i];
        visit(cx + 1.0f, cy, cx + 1.0f < right);
        if (n > queue.last) break;
        visit(cx, cy + 1.0f, cy + 1.0f < bottom);
        if (n > queue.last) break;
        visit(cx - 1.0f, cy, cx - 1.0f > 0.0f);
        if (n > queue.last) break;
        visit(cx, cy - 1.0f, cy - 1.0f > 0.0f);
        if (n > queue.last) break;
        ++i;
    } while (i < 100000 && i <= queue.last && queue.x[i] > 0.0f);
    d.redrawcanvas();
}

}  // namespace grafipix
