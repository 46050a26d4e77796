// The cell writers every drawing tool uses, and the brush and airbrush.

#include <cmath>

#include "tools/tools.h"

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

void Editor::plotcell(float x, float y) {
    // The pen is already the colour of `curcolor`: whatever changed the colour set it.
    strokes(Picture1, x, y);
    if (x > 0.0f && x < 128.0f && y > 0.0f && y < 64.0f) pixelgrid.put(x, y, curcolor);
}

void Editor::previewcell(float x, float y) {
    Picture1.setforecolor(colourof(curcolor));
    strokes(Picture1, x, y);
}

void stampbrush(Editor& ed, float x, float y) {
    ed.plotcell(x, y);
    ed.plotcell(x + 1.0f, y);
    ed.plotcell(x - 1.0f, y);
    ed.plotcell(x, y + 1.0f);
    ed.plotcell(x, y - 1.0f);
}

void spray(Editor& ed, float x, float y) {
    for (int dot = 0; dot < 5; ++dot) {
        // Offsets -3..3 on each axis: 0 has odds 1/4, each other value 1/8.
        float a = std::floor(ed.platform.rnd() * 4.0f);
        if (ed.platform.rnd() > 0.5f) a = -a;
        float b = std::floor(ed.platform.rnd() * 4.0f);
        if (ed.platform.rnd() > 0.5f) b = -b;
        ed.plotcell(x + a, y + b);
    }
}

}  // namespace grafipix
