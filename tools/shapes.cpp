// Ligne, Rectangle and Cercle: the final shapes with plotcell and their
// rubber-band previews with previewcell, walked exactly alike.

#include <cmath>
#include <utility>

#include "tools/tools.h"

namespace grafipix {

namespace {

void plot(Editor& ed, float x, float y, bool preview) {
    if (preview) ed.previewcell(x, y);
    else ed.plotcell(x, y);
}

}  // namespace

// The walk moves a column at a time and fills the rows between two columns
// inside the first of them; it stops before column x2, so the second point
// is never drawn.
void drawline(Editor& ed, float x1, float y1, float x2, float y2, bool preview) {
    long steps = 0;
    if (x2 == x1) {
        float y = y1;
        if (y1 > y2) {
            do {
                plot(ed, x2, y, preview);
                y = y - 1.0f;
            } while (y > y2 && y >= fartop && ++steps < maxwalksteps);
        } else {
            do {
                plot(ed, x2, y, preview);
                y = y + 1.0f;
            } while (y < y2 && y <= farbottom && ++steps < maxwalksteps);
        }
        return;
    }
    const float m = (y2 - y1) / (x2 - x1);
    const float b = y2 - m * x2;
    float x = x1, y = y1;
    if (x1 < x2) {
        do {
            plot(ed, x, y, preview);
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
            plot(ed, x, y, preview);
            const float next = std::floor(m * (x - 1.0f) + b);
            if (m > 0.0f ? next < y - 1.0f : next > y + 1.0f) {
                y = m > 0.0f ? y - 1.0f : y + 1.0f;
            } else {
                x = x - 1.0f;
                y = std::floor(m * x + b);
            }
        } while (x > x2 && x >= farleft && !(m > 0.0f ? y < fartop : y > farbottom) && ++steps < maxwalksteps);
    }
}

void drawrectangle(Editor& ed, float x2, float y2, bool preview) {
    float x1 = ed.anchorx, y1 = ed.anchory;
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (!preview) {
        ed.anchorx = x1;
        ed.anchory = y1;
    }
    long steps = 0;
    float x = x1;
    do {
        plot(ed, x, y2, preview);
        plot(ed, x, y1, preview);
        x = x + 1.0f;
    } while (x < x2 + 1.0f && x <= farright && ++steps < maxwalksteps);
    // Rows y1 to y2 - 1: the corners of row y2 came with the edges above.
    steps = 0;
    float y = y1;
    do {
        plot(ed, x2, y, preview);
        plot(ed, x1, y, preview);
        y = y + 1.0f;
    } while (y < y2 && y <= farbottom && ++steps < maxwalksteps);
}

// The angle runs in radians: the final circle's 3600 samples go about 57
// times round, densely; the preview's 360 samples once every radian.
void drawcircle(Editor& ed, float x2, float y2, bool preview) {
    const double cx = ed.anchorx, cy = ed.anchory;
    const double dx = static_cast<double>(x2) - cx, dy = static_cast<double>(y2) - cy;
    const double r = std::pow(preview ? dx * dx + dy * dy : dy * dy + dx * dx, 0.5);
    if (preview) {
        for (int a = 0; a < 360; ++a)
            plot(ed, static_cast<float>(std::floor(cx + r * std::cos(a))),
                 static_cast<float>(std::floor(cy + r * std::sin(a))), true);
        return;
    }
    double a = 0.0;
    do {
        plot(ed, static_cast<float>(std::floor(cx + r * std::cos(a))),
             static_cast<float>(std::floor(cy + r * std::sin(a))), false);
        a += 0.1;
    } while (a < 360.0);
}

}  // namespace grafipix
