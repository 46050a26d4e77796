#pragma once
// What a failed import must leave as it was: the picture, the canvas and the
// drawing colour with its pen.

#include "core/editor.h"

namespace grafipix::testing {

struct EditorSnapshot {
    explicit EditorSnapshot(const Editor& ed)
        : grid(ed.pixelgrid), shown(ed.Picture1.image()), background(ed.Picture1.picture()),
          curcolor(ed.curcolor), pen(ed.Picture1.forecolor()) {}
    bool operator==(const EditorSnapshot&) const = default;

    Grid grid;
    Picture shown, background;
    int16_t curcolor;
    wincolour pen;
};

}  // namespace grafipix::testing
