// SPDX-License-Identifier: GPL-3.0-or-later
// "Zoom" and "Grille": how the window shows the canvas. The canvas raster
// keeps its 3 pixels a cell whatever the choice; the binding scales it and
// draws the grid over it, so neither ever reaches the picture or an export.

#include <algorithm>
#include <string>

#include "app/editor.h"
#include "app/main_controls.h"
#include "calculator/model_table.h"

namespace grafipix {

namespace {

constexpr MenuEntry Editor::*zooms[] = {&Editor::zoom1, &Editor::zoom2, &Editor::zoom3,
                                        &Editor::zoom4, &Editor::zoom5, &Editor::zoom6};
constexpr int maxzoom = std::size(zooms);

// The smallest desktop the window must fit whole, less its title bar, menu
// bar and frame.
constexpr int deskwidth = 1280 - 20, deskheight = 800 - 80;

}  // namespace

int Editor::zoomfactor() const {
    for (int i = 0; i < maxzoom; ++i)
        if ((this->*zooms[i]).checked) return i + 1;
    return 1;
}

void Editor::setzoom(int factor) {
    for (int i = 0; i < maxzoom; ++i) (this->*zooms[i]).checked = i + 1 == factor;
    zoomfit.checked = factor == 0;
}

int Editor::openingzoom(const Screen& s) {
    // The window grows by what the canvas grows beyond the start model's at x1.
    const Screen start = startmodel().screen;
    int factor = maxzoom;
    while (factor > 1 && (mainwidth / twipsperpixel + Canvas::pixelsfor(s.columns) * factor - Canvas::pixelsfor(start.columns) > deskwidth ||
                          mainheight / twipsperpixel + Canvas::pixelsfor(s.rows) * factor - Canvas::pixelsfor(start.rows) > deskheight))
        --factor;
    return factor;
}

bool Editor::zoomby(int steps) {
    return click("zoom" + std::to_string(std::clamp(zoomfactor() + steps, 1, maxzoom)));
}

void Editor::zoom1_Click() { setzoom(1); }
void Editor::zoom2_Click() { setzoom(2); }
void Editor::zoom3_Click() { setzoom(3); }
void Editor::zoom4_Click() { setzoom(4); }
void Editor::zoom5_Click() { setzoom(5); }
void Editor::zoom6_Click() { setzoom(6); }
void Editor::zoomfit_Click() { setzoom(0); }

void Editor::grille_Click() { grille.checked = !grille.checked; }

}  // namespace grafipix
