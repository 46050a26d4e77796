// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a tool draws on: the document, the canvas `Picture1`, the variables that
// drawing reads, and the painters every drawing operation shares. No control
// of any window is reachable from here.

#include <cstdint>
#include <vector>

#include "render/canvas.h"
#include "calculator/colours.h"
#include "calculator/model_table.h"
#include "document/document.h"
#include "render/random_source.h"

namespace grafipix {

class Drawing {
public:
    Drawing(Randomness& r, const Model& start)
        : doc(start.screen.columns, start.screen.rows), Picture1(start.screen.columns, start.screen.rows),
          model(&start), random_(r) {
        if (start.freepalette()) doc.setpalette(start.colours());
    }
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    Document doc;
    // The document's grids under the names the handlers use, read-only: a
    // change goes through `doc`.
    const Grid& pixelgrid = doc.pixelgrid();
    const Grid& selgrid = doc.selgrid();

    Canvas Picture1;
    // The calculator whose screen and palette the drawing has.
    const Model* model;
    int16_t curcolor = 0;
    int bgkind = 0;
    int opaquedup = 0;
    // The selection's frame is shown with every redraw while the selection lasts.
    bool selframe = false;

    // Repaints the canvas from `pixelgrid` and leaves the pen for `curcolor`.
    void redrawcanvas();
    // Paints one cell in the pen colour and stores `curcolor` there when the
    // cell is inside the drawable area.
    void plotcell(float x, float y);
    // Paints one cell in the colour of `curcolor`, storing nothing.
    void previewcell(float x, float y) { previewcell(x, y, curcolor); }
    // The same in the colour of `code`; the pen is left in that colour.
    void previewcell(float x, float y, int code);
    // A black frame through two points, the pen left as it was.
    void frame(float x1, float y1, float x2, float y2);

    // What the canvas shows for a code: the drawing's own colour on a free
    // palette, the model's otherwise; a code past the palette shows as the back colour.
    wincolour colourof(int code) const {
        if (!model->freepalette()) return model->shown(code, bgkind);
        const Palette& p = doc.palette();
        return code >= 0 && size_t(code) < p.size() ? p[size_t(code)] : p.empty() ? whiteback : p[0];
    }
    // The codes the drawing has.
    int codes() const { return model->freepalette() ? int(doc.palette().size()) : model->codes(); }
    // The colour of each code, as the outputs take it: a free palette's own,
    // the model's as its buttons show them otherwise.
    std::vector<wincolour> colours() const {
        return model->freepalette() ? std::vector<wincolour>(doc.palette().begin(), doc.palette().end()) : model->colours();
    }
    // A code of the selection buffer as the picture takes it: one past the
    // palette becomes the ink, or the back colour where there is no ink.
    int16_t inpalette(int16_t code) const {
        if (!model->freepalette()) return model->inpalette(code);
        return code >= 0 && code < codes() ? code : int16_t(codes() > 1 ? 1 : 0);
    }
    // Another model's screen: the grids keep what fits, the canvas is cleared.
    void setscreen(const Screen& s);
    // Uniform in [0, 1), the same sequence at every start.
    float rnd() { return random_.rnd(); }

private:
    Randomness& random_;
};

}  // namespace grafipix
