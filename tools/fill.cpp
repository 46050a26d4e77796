// Pot de peinture: a breadth-first walk over a fixed queue, one redraw at the end.

#include <array>

#include "tools/tools.h"

namespace grafipix {

namespace {

constexpr int queuelast = 8192;

struct Queue {
    std::array<float, queuelast + 1> x{}, y{};  // entry 0 unused; 0 marks "never written"
};

}  // namespace

void fill(Editor& ed, float X, float Y) {
    if (!Grid::inside(cellindex(X), cellindex(Y))) return;  // no cell to read
    const int16_t old = ed.pixelgrid.at(X, Y);
    ed.plotcell(X, Y);

    static Queue queue;  // 64 KiB: kept off the stack, emptied for every fill
    queue = Queue{};
    queue.x[1] = X;
    queue.y[1] = Y;
    int n = 2, i = 1;
    // A neighbour that passes its bound test and still has the old colour is
    // recoloured as it is queued, so with old != curcolor it is queued once.
    auto visit = [&](float nx, float ny, bool inbounds) {
        if (!inbounds || ed.pixelgrid.at(nx, ny) != old) return;
        ed.pixelgrid.put(nx, ny, ed.curcolor);
        queue.x[n] = nx;
        queue.y[n] = ny;
        ++n;
    };
    do {
        const float cx = queue.x[i], cy = queue.y[i];
        visit(cx + 1.0f, cy, cx + 1.0f < 128.0f);
        if (n > queuelast) break;
        visit(cx, cy + 1.0f, cy + 1.0f < 64.0f);
        if (n > queuelast) break;
        visit(cx - 1.0f, cy, cx - 1.0f > 0.0f);
        if (n > queuelast) break;
        visit(cx, cy - 1.0f, cy - 1.0f > 0.0f);
        if (n > queuelast) break;
        ++i;
    } while (i < 100000 && i <= queuelast && queue.x[i] > 0.0f);
    ed.redrawcanvas();
}

}  // namespace grafipix
