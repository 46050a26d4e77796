// Colour replacement: every cell of one colour becomes the current colour, in
// the whole picture or in the selected block. The buffer is never read here.

#include "document/counters.h"
#include "app/editor.h"

namespace grafipix {

void Editor::replacecolor(int colour, int scope) {
    float x1 = 1.0f, y1 = 1.0f, w = 128.0f, h = 64.0f;
    if (scope != 0) {
        const SelectionRect& sel = doc.selrect();
        x1 = sel.selx;
        y1 = sel.sely;
        w = sel.selw;
        h = sel.selh;
    }
    countup(w, reach(x1, Grid::maxx), [&](int i) {
        countup(h, reach(y1, Grid::maxy), [&](int j) {
            const float x = x1 + static_cast<float>(i - 1), y = y1 + static_cast<float>(j - 1);
            if (pixelgrid.at(x, y) == colour) doc.put(x, y, curcolor);
        });
    });
    redrawcanvas();
}

void Editor::repblue_Click() { replacecolor(ink, 0); }
void Editor::repgreen_Click() { replacecolor(green, 0); }
void Editor::reporange_Click() { replacecolor(orange, 0); }
void Editor::repbg_Click() { replacecolor(background, 0); }
void Editor::repbluesel_Click() { replacecolor(ink, 1); }
void Editor::repgreensel_Click() { replacecolor(green, 1); }
void Editor::reporangesel_Click() { replacecolor(orange, 1); }
void Editor::repbgsel_Click() { replacecolor(background, 1); }

}  // namespace grafipix
