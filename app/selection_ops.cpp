// SPDX-License-Identifier: GPL-3.0-or-later
// The "Sélection" menu: deselect, duplicate, delete, the two mirrors, the half
// turn and the opaque-duplication option. Every transform reads the buffer
// taken when the selection was made, so the order of the writes never matters.

#include <string>

#include "document/counters.h"
#include "app/editor.h"
#include "tools/tool_table.h"

namespace grafipix {

namespace {

const std::string emptyselection = "opération impossible : aucun pixel sélectionné";

// Columns (or rows) of the selected block: bound - 1, raised to 1 when 0.
float blockcount(float bound) {
    const float n = bound - 1.0f;
    return n == 0.0f ? 1.0f : n;
}

// Writes source(i, j, n, m) to every cell (selx + i - 1, sely + j - 1) of the
// selected block, columns outer. With `clip`, only cells left of the right
// border and above the bottom one are written.
template <class Source>
void writeblock(Editor& ed, bool clip, Source source) {
    const SelectionRect& sel = ed.doc.selrect();
    const float n = blockcount(sel.selw), m = blockcount(sel.selh);
    const Grid& g = ed.pixelgrid;
    countto(n, reach(sel.selx, g.maxx()), [&](int i) {
        countto(m, reach(sel.sely, g.maxy()), [&](int j) {
            const float x = sel.selx + static_cast<float>(i - 1), y = sel.sely + static_cast<float>(j - 1);
            if (clip && !(x < static_cast<float>(g.maxx()) && y < static_cast<float>(g.maxy()))) return;
            ed.doc.put(x, y, ed.inpalette(source(static_cast<float>(i), static_cast<float>(j), n, m)));
        });
    });
}

}  // namespace

void Editor::checksel() {
    // The whole buffer counts, not only the block: an earlier, larger copy
    // still lies beyond it.
    selnotempty = 0;
    for (int y = 1; y <= selgrid.rows(); ++y)
        for (int x = 1; x <= selgrid.columns(); ++x)
            if (selgrid.get(x, y) > 0) selnotempty = 1;
    if (selnotempty == 0) platform.messagebox(emptyselection);
}

void Editor::desel_Click() {
    doc.newbuffer();
    selection.enabled = false;
    selframe = false;
    redrawcanvas();  // takes the frame away
}

void Editor::selduplicate_Click() {
    checksel();
    if (selnotempty == 0) return;
    modelbl.caption = "Déplacer le curseur puis cliquez";
    curtool = pastestep;
}

void Editor::seldelete_Click() {
    checksel();
    if (selnotempty == 0) return;
    writeblock(*this, false, [](float, float, float, float) { return int16_t{0}; });
    redrawcanvas();
}

void Editor::selhoriz_Click() {
    checksel();
    if (selnotempty != 1) return;
    writeblock(*this, false, [this](float i, float j, float n, float) { return selgrid.at(n + 1.0f - i, j); });
    redrawcanvas();
}

void Editor::selvert_Click() {
    checksel();
    if (selnotempty != 1) return;
    writeblock(*this, false, [this](float i, float j, float, float m) { return selgrid.at(i, m + 1.0f - j); });
    redrawcanvas();
}

void Editor::rotate180_Click() {
    // No emptiness check here: an empty buffer turns into an empty block.
    writeblock(*this, true, [this](float i, float j, float n, float m) {
        return selgrid.at(n + 1.0f - i, m + 1.0f - j);
    });
    redrawcanvas();
}

void Editor::opyes_Click() {
    if (opaquedup == 1) {
        opyes.checked = false;
        opaquedup = 0;
    } else {
        opyes.checked = true;
        opaquedup = 1;
    }
}

}  // namespace grafipix
