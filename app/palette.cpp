// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing's own palette, on the models whose palette is free: the panel's
// swatches, a colour changed or added through the toolkit's dialog, the
// colours no cell uses dropped, and the replacement of any colour by any other.

#include <vector>

#include "app/editor.h"
#include "app/main_controls.h"
#include "calculator/model_table.h"

namespace grafipix {

void Editor::choosecode(int code) {
    if (code < 0 || code >= codes()) return;
    curcolor = int16_t(code);
    Picture1.setforecolor(colourof(curcolor));
}

// The back colour stays the screen's white: the programs never draw it.
void Editor::editcolour_Click() {
    if (!model->freepalette() || curcolor <= 0 || curcolor >= codes()) return;
    const std::optional<wincolour> chosen = platform.choosecolour(colourof(curcolor), "Modifier la couleur");
    if (!chosen) return;
    Palette p = doc.palette();
    p[size_t(curcolor)] = model->held(*chosen);
    doc.setpalette(std::move(p));
    redrawcanvas();
}

void Editor::addcolour_Click() {
    if (!model->freepalette() || codes() >= model->freecolours) return;
    const std::optional<wincolour> chosen = platform.choosecolour(colourof(curcolor), "Ajouter une couleur");
    if (!chosen) return;
    Palette p = doc.palette();
    p.push_back(model->held(*chosen));
    doc.setpalette(std::move(p));
    choosecode(codes() - 1);
}

// The colours of the block "Dupliquer" pastes count as used too, and the
// drawing colour stays, so neither changes under the user's hand; codes
// close up, the cells and the block keeping their colours.
void Editor::dropunused_Click() {
    if (!model->freepalette()) return;
    const size_t count = size_t(codes());
    std::vector<bool> used(count);
    used[0] = true;
    used[size_t(curcolor)] = true;
    for (const Grid* g : {&pixelgrid, &selgrid})
        for (size_t i = 0; i < g->cellcount(); ++i)
            if (const int c = g->byindex(i); c > 0 && size_t(c) < count) used[size_t(c)] = true;
    std::vector<int16_t> renumbered(count);
    Palette kept;
    for (size_t c = 0; c < count; ++c)
        if (used[c]) renumbered[c] = int16_t(kept.size()), kept.push_back(doc.palette()[c]);
    if (kept.size() == count) return;
    for (int y = 0; y <= pixelgrid.maxy(); ++y)
        for (int x = 0; x <= pixelgrid.maxx(); ++x) {
            if (const int c = pixelgrid.get(x, y); c > 0 && size_t(c) < count) doc.set(x, y, renumbered[size_t(c)]);
            if (const int c = selgrid.get(x, y); c > 0 && size_t(c) < count) doc.setbuffer(x, y, renumbered[size_t(c)]);
        }
    doc.setpalette(std::move(kept));
    curcolor = renumbered[size_t(curcolor)];
    redrawcanvas();
}

void Editor::palettestate() {
    const bool free = model->freepalette();
    palettemenu.visible = free;
    editcolour.enabled = free && curcolor > 0;
    addcolour.enabled = free && codes() < model->freecolours;
    repchoose.visible = repchoosesel.visible = free;
    for (const MenuRow& row : menutree())
        if (row.replaces >= 0) entry(row).visible = !free;
}

namespace {

void choosereplacement(Editor& ed, int scope) {
    const std::vector<wincolour> shown = ed.colours();
    const int from = ed.drawingcolour() == 0 ? 1 : 0;
    const auto chosen = ed.platform.choosereplacement(shown, from, ed.drawingcolour(), "Remplacer une couleur");
    if (!chosen || chosen->first == chosen->second) return;
    const int n = int(shown.size());
    if (chosen->first < 0 || chosen->first >= n || chosen->second < 0 || chosen->second >= n) return;
    ed.replacecolor(chosen->first, scope, chosen->second);
}

}  // namespace

void Editor::repchoose_Click() { choosereplacement(*this, 0); }
void Editor::repchoosesel_Click() { choosereplacement(*this, 1); }

}  // namespace grafipix
