// The painters: the full redraw and the two cell writers.

#include "core/drawing.h"

namespace grafipix {

namespace {

// Four strokes across the cell: a lighter look than the redraw's full boxes.
void strokes(Canvas& canvas, float x, float y) {
    const float right = x + 1.0f;
    double t = 0.0;
    do {
        const float row = static_cast<float>(y + t);
        canvas.line(x, row, right, row);
        t += 0.2;  // the fourth addition gives 0.8 exactly and ends the loop
    } while (t < 0.8);
}

}  // namespace

void Drawing::redrawcanvas() {
    Picture1.cls();
    for (int y = 1; y < 64; ++y) {
        for (int x = 1; x < 128; ++x) {
            const int16_t code = pixelgrid.get(x, y);
            if (code <= 0) continue;
            Picture1.setforecolor(colourof(code));
            // Nine lines at 0, 0.1, ... accumulated in double precision: the
            // last one lands at 0.7999999999999999, still below 0.8.
            const float fx = static_cast<float>(x), fx1 = static_cast<float>(x + 1);
            double a = 0.0;
            do {
                const float fy = static_cast<float>(y + a);
                Picture1.line(fx, fy, fx1, fy);
                a += 0.1;
            } while (a < 0.8);
        }
    }
    Picture1.setforecolor(colourof(curcolor));
}

void Drawing::plotcell(float x, float y) {
    // The pen is already the colour of `curcolor`: whatever changed the colour set it.
    strokes(Picture1, x, y);
    if (x > 0.0f && x < 128.0f && y > 0.0f && y < 64.0f) doc.put(x, y, curcolor);
}

void Drawing::previewcell(float x, float y) {
    Picture1.setforecolor(colourof(curcolor));
    strokes(Picture1, x, y);
}

}  // namespace grafipix
