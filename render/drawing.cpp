// SPDX-License-Identifier: GPL-3.0-or-later
// The painters: the full redraw and the two cell writers.

#include "render/drawing.h"

namespace grafipix {

namespace {

// Horizontal lines across the cell from its top edge, `step` apart, while
// below 0.8, the offset accumulated in double precision. A drawn cell takes
// steps of 0.1: nine lines, the last at 0.7999999999999999, covering the
// cell's 3 x 3 screen pixels. A preview takes steps of 0.2: four strokes,
// the lighter look.
void marklines(Canvas& canvas, float x, float y, double step) {
    const float right = x + 1.0f;
    double a = 0.0;
    do {
        const float row = static_cast<float>(y + a);
        canvas.line(x, row, right, row);
        a += step;
    } while (a < 0.8);
}

}  // namespace

void Drawing::redrawcanvas() {
    Picture1.cls();
    // A whole cell's nine strokes cover exactly its pixels, so they are filled at once.
    uint32_t shown[256];
    for (int code = 0; code < 256; ++code) shown[code] = toargb(colourof(code));
    for (int y = 1; y <= pixelgrid.rows(); ++y) {
        for (int x = 1; x <= pixelgrid.columns(); ++x) {
            const int16_t code = pixelgrid.get(x, y);
            if (code > 0) Picture1.fillcell(x, y, shown[code & 0xFF]);
        }
    }
    Picture1.setforecolor(colourof(curcolor));
    if (!selframe) return;
    // One pixel outside the block on every side, so the selected cells show whole.
    const SelectionRect& s = doc.selrect();
    frame(s.selx - 0.2f, s.sely - 0.2f, s.selx + s.selw - 1.0f, s.sely + s.selh - 1.0f);
}

void Drawing::plotcell(float x, float y) {
    // The pen is already the colour of `curcolor`: whatever changed the colour
    // set it. A written cell looks as the redraw paints it, so the canvas, and
    // an export of it, always shows the picture.
    marklines(Picture1, x, y, 0.1);
    if (x > 0.0f && x < static_cast<float>(pixelgrid.maxx()) && y > 0.0f && y < static_cast<float>(pixelgrid.maxy()))
        doc.put(x, y, curcolor);
}

void Drawing::setscreen(const Screen& s) {
    if (s.columns != pixelgrid.columns() || s.rows != pixelgrid.rows()) doc.resize(s.columns, s.rows);
    if (s.columns != Picture1.columns() || s.rows != Picture1.rows()) Picture1.resize(s.columns, s.rows);
}

void Drawing::previewcell(float x, float y, int code) {
    Picture1.setforecolor(colourof(code));
    marklines(Picture1, x, y, 0.2);
}

void Drawing::frame(float x1, float y1, float x2, float y2) {
    const wincolour pen = Picture1.forecolor();
    Picture1.setforecolor(blackink);
    Picture1.line(x1, y1, x2, y1);
    Picture1.line(x2, y1, x2, y2);
    Picture1.line(x2, y2, x1, y2);
    Picture1.line(x1, y2, x1, y1);
    Picture1.setforecolor(pen);
}

}  // namespace grafipix
