// Ligne, Rectangle and Cercle: the final shapes with plotcell and their
// rubber-band previews with previewcell, walked exactly alike.

#include <cmath>
#include <utility>

#include "tools/tools.h"

namespace grafipix {

namespace {

void mark(Drawing& d, float x, float y, bool preview) {
    if (preview) d.previewcell(x, y);
    else d.plotcell(x, y);
}

void plotmark(Drawing& d, float x, float y) { d.plotcell(x, y); }
void previewmark(Drawing& d, float x, float y) { d.previewcell(x, y); }

}  // namespace

// The walk moves a column at a time and fills the rows between two columns
// inside the first of them; it stops before column x2, so the second point
// is never drawn.
WalkEnd walkline(Drawing& d, float x1, float y1, float x2, float y2, void (*visit)(Drawing&, float, float)) {
    long steps = 0;
    if (x2 == x1) {
        float y = y1;
        if (y1 > y2) {
            do {
                visit(d, x2, y);
                y = y - 1.0f;
            } while (y > y2 && y >= fartop && ++steps < maxwalksteps);
        } else {
            do {
                visit(d, x2, y);
                y = y + 1.0f;
            } while (y < y2 && y <= farbottom && ++steps < maxwalksteps);
        }
        return {x2, y};
    }
    const float m = (y2 - y1) / (x2 - x1);
    const float b = y2 - m * x2;
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
        } while (y >= 1.0f && y <= 63.0f && x < x2 && x <= farright && ++steps < maxwalksteps);
    } else {
        // Walking left has no test on the row; it only stops early once the
        // rows run off the canvas for good.
        do {
            visit(d, x, y);
            const float next = std::floor(m * (x - 1.0f) + b);
            if (m > 0.0f ? next < y - 1.0f : next > y + 1.0f) {
                y = m > 0.0f ? y - 1.0f : y + 1.0f;
            } else {
                x = x - 1.0f;
                y = std::floor(m * x + b);
            }
        } while (x > x2 && x >= farleft && !(m > 0.0f ? y < fartop : y > farbottom) && ++steps < maxwalksteps);
    }
    return {x, y};
}

namespace {

void walkrectangle(Drawing& d, float x2, float y2, bool preview) {
    float x1 = d.anchorx, y1 = d.anchory;
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (!preview) {
        d.anchorx = x1;
        d.anchory = y1;
    }
    long steps = 0;
    float x = x1;
    do {
        mark(d, x, y2, preview);
        mark(d, x, y1, preview);
        x = x + 1.0f;
    } while (x < x2 + 1.0f && x <= farright && ++steps < maxwalksteps);
    // Rows y1 to y2 - 1: the corners of row y2 came with the edges above.
    steps = 0;
    float y = y1;
    do {
        mark(d, x2, y, preview);
        mark(d, x1, y, preview);
        y = y + 1.0f;
    } while (y < y2 && y <= farbottom && ++steps < maxwalksteps);
}

// The angle runs in radians: the final circle's 3600 samples go about 57
// times round, densely; the preview's 360 samples once every radian.
void walkcircle(Drawing& d, float x2, float y2, bool preview) {
    const double cx = d.anchorx, cy = d.anchory;
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

void drawline(Drawing& d, float X, float Y) { walkline(d, d.anchorx, d.anchory, X, Y, plotmark); }
void drawrectangle(Drawing& d, float X, float Y) { walkrectangle(d, X, Y, false); }
void drawcircle(Drawing& d, float X, float Y) { walkcircle(d, X, Y, false); }

// Each preview starts from a full redraw, which wipes the previous one.
void previewline(Drawing& d, float X, float Y) {
    d.redrawcanvas();
    walkline(d, d.anchorx, d.anchory, X, Y, previewmark);
}
void previewrectangle(Drawing& d, float X, float Y) {
    d.redrawcanvas();
    walkrectangle(d, X, Y, true);
}
void previewcircle(Drawing& d, float X, float Y) {
    d.redrawcanvas();
    walkcircle(d, X, Y, true);
}

}  // namespace grafipix
