// SPDX-License-Identifier: GPL-3.0-or-later
// Ligne, Rectangle and Cercle: the final shapes with plotcell and their
// rubber-band previews with previewcell, walked exactly alike.

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "tools/tools.h"

namespace grafipix {

namespace {

void mark(Drawing& d, float x, float y, bool preview) {
    if (preview) d.previewcell(x, y);
    else d.plotcell(x, y);
}

// A walk starting far off the canvas goes one cell at a time over cells that
// are neither shown nor stored, and single precision cannot even count them
// beyond 2^24, where adding 1 changes nothing. So it takes those steps at
// once: `ahead` moves v by whole steps of `dir` towards `edge`, as many as
// leave it still beyond the edge (at most `most`), computed exactly. An
// infinite v lands one step before the edge, so the visible part is drawn.
float ahead(float v, float edge, float dir, double most) {
    const double gap = (static_cast<double>(edge) - v) * dir;
    if (!(gap > 1.0)) return v;  // near or past the edge, or NaN
    const double steps = std::min(std::ceil(gap) - 1.0, most);
    if (!(steps >= 1.0)) return v;
    if (std::isinf(steps)) return edge - dir;
    // Past 2^24 the sum may round back to v, and a walk stepping there would
    // never move: take at least the next value single precision has. Cells
    // that far are off the canvas.
    const float moved = static_cast<float>(v + dir * steps);
    return moved != v ? moved : std::nextafter(v, dir * std::numeric_limits<float>::infinity());
}

// Steps of 1 from `from` that keep `from + k * dir` strictly before `end`.
double before(float from, float end, float dir) {
    const double gap = (static_cast<double>(end) - from) * dir;
    return gap > 0.0 ? std::ceil(gap) - 1.0 : 0.0;
}

}  // namespace

// The walk moves a column at a time and fills the rows between two columns
// inside the first of them; it stops before column x2, so the second point
// is never drawn. The skips ahead leave every cell on the canvas as the
// step-by-step walk draws it: after a step into a column the row depends on
// that column alone, and the rows move one way only.
WalkEnd walkline(Drawing& d, float x1, float y1, float x2, float y2, void (*visit)(Drawing&, float, float)) {
    if (x2 == x1) {
        const float dir = y1 > y2 ? -1.0f : 1.0f;
        float y = y1;
        do {
            visit(d, x2, y);
            y = y + dir;
            y = ahead(y, dir > 0 ? fartop : farbottom(d), dir, before(y, y2, dir));
        } while ((dir > 0 ? y < y2 && y <= farbottom(d) : y > y2 && y >= fartop));
        return {x2, y};
    }
    const float m = (y2 - y1) / (x2 - x1);
    const float b = y2 - m * x2;
    const float lastrow = static_cast<float>(d.pixelgrid.rows());
    const auto onscreen = [lastrow](float row) { return row >= 1.0f && row <= lastrow; };
    float x = x1, y = y1;
    if (x1 < x2) {
        do {
            visit(d, x, y);
            const float next = std::floor(m * (x + 1.0f) + b);
            if (m < 0.0f ? next < y - 1.0f : next > y + 1.0f) {
                y = m < 0.0f ? y - 1.0f : y + 1.0f;
            } else {
                x = x + 1.0f;
                y = std::floor(m * x + b);
            }
            const float skipped = ahead(x, farleft, 1.0f, before(x, x2, 1.0f));
            if (skipped != x && onscreen(y)) {
                // The rows between stay on the screen only if both ends do.
                x = skipped;
                y = std::floor(m * x + b);
                if (!onscreen(y)) return {x, y};
            }
        } while (onscreen(y) && x < x2 && x <= farright(d));
    } else {
        // Walking left has no test on the row; it only stops early once the
        // rows run off the canvas for good.
        const bool rising = m > 0.0f;  // rows fall as the walk goes left
        do {
            visit(d, x, y);
            const float next = std::floor(m * (x - 1.0f) + b);
            if (rising ? next < y - 1.0f : next > y + 1.0f) {
                const float dir = rising ? -1.0f : 1.0f;
                y = y + dir;
                y = ahead(y, rising ? farbottom(d) : fartop, dir, before(y, next, dir));
            } else {
                x = x - 1.0f;
                x = ahead(x, farright(d), -1.0f, before(x, x2, -1.0f));
                y = std::floor(m * x + b);
            }
        } while (x > x2 && x >= farleft && !(rising ? y < fartop : y > farbottom(d)));
    }
    return {x, y};
}

namespace {

void walkrectangle(ToolContext& c, float x2, float y2, bool preview) {
    Drawing& d = c.drawing();
    ToolState& s = c.state();
    float x1 = s.anchorx, y1 = s.anchory;
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (!preview) {
        s.anchorx = x1;
        s.anchory = y1;
    }
    float x = x1;
    do {
        mark(d, x, y2, preview);
        mark(d, x, y1, preview);
        x = x + 1.0f;
        x = ahead(x, farleft, 1.0f, before(x, x2 + 1.0f, 1.0f));
    } while (x < x2 + 1.0f && x <= farright(d));
    // Rows y1 to y2 - 1: the corners of row y2 came with the edges above.
    float y = y1;
    do {
        mark(d, x2, y, preview);
        mark(d, x1, y, preview);
        y = y + 1.0f;
        y = ahead(y, fartop, 1.0f, before(y, y2, 1.0f));
    } while (y < y2 && y <= farbottom(d));
}

// The angle runs in radians: the final circle's 3600 samples go about 57
// times round, densely; the preview's 360 samples once every radian.
void walkcircle(ToolContext& c, float x2, float y2, bool preview) {
    Drawing& d = c.drawing();
    const double cx = c.state().anchorx, cy = c.state().anchory;
    const double dx = static_cast<double>(x2) - cx, dy = static_cast<double>(y2) - cy;
    const double r = std::pow(preview ? dx * dx + dy * dy : dy * dy + dx * dx, 0.5);
    if (preview) {
        for (int a = 0; a < 360; ++a)
            mark(d, static_cast<float>(std::floor(cx + r * std::cos(a))),
                 static_cast<float>(std::floor(cy + r * std::sin(a))), true);
        return;
    }
    double a = 0.0;
    do {
        mark(d, static_cast<float>(std::floor(cx + r * std::cos(a))),
             static_cast<float>(std::floor(cy + r * std::sin(a))), false);
        a += 0.1;
    } while (a < 360.0);
}

}  // namespace

void drawline(ToolContext& c, const ToolInput& in) {
    walkline(c.drawing(), c.state().anchorx, c.state().anchory, in.X, in.Y, plotmark);
}
void drawrectangle(ToolContext& c, const ToolInput& in) { walkrectangle(c, in.X, in.Y, false); }
void drawcircle(ToolContext& c, const ToolInput& in) { walkcircle(c, in.X, in.Y, false); }

// Each preview starts from a full redraw, which wipes the previous one.
void previewline(ToolContext& c, const ToolInput& in) {
    c.drawing().redrawcanvas();
    walkline(c.drawing(), c.state().anchorx, c.state().anchory, in.X, in.Y, previewmark);
}
void previewrectangle(ToolContext& c, const ToolInput& in) {
    c.drawing().redrawcanvas();
    walkrectangle(c, in.X, in.Y, true);
}
void previewcircle(ToolContext& c, const ToolInput& in) {
    c.drawing().redrawcanvas();
    walkcircle(c, in.X, in.Y, true);
}

}  // namespace grafipix
