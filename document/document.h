// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing the user works on: the picture, the selection buffer and where
// the selection lies. Every change to them goes through the few calls below,
// so a copy of a Document is a complete snapshot of the work.

#include <utility>
#include <vector>

#include "document/grid.h"

namespace grafipix {

// Left column and top row of the selection, and its width and height terms
// (second corner minus first plus 1): bounds that the block loops stay below.
struct SelectionRect {
    float selx = 0.0f, sely = 0.0f, selw = 0.0f, selh = 0.0f;
    bool operator==(const SelectionRect&) const = default;
};

// A drawing's own colours, on the models whose palette is free: code order,
// code 0 the back colour, each a Windows colour value (0x00BBGGRR). Empty
// where the model's palette is fixed and the codes are its colours.
using Palette = std::vector<uint32_t>;

class Document {
public:
    Document() = default;
    Document(int columns, int rows) : pixelgrid_(columns, rows), selgrid_(columns, rows) {}

    const Grid& pixelgrid() const { return pixelgrid_; }
    const Grid& selgrid() const { return selgrid_; }
    const SelectionRect& selrect() const { return selrect_; }
    const Palette& palette() const { return palette_; }

    // Cells outside the arrays are dropped; single-precision positions round
    // to the nearest cell, ties to even.
    void set(int x, int y, int16_t code) { pixelgrid_.set(x, y, code); }
    void put(float x, float y, int16_t code) { pixelgrid_.put(x, y, code); }
    void newpicture() { pixelgrid_.clear(); }
    // Another screen: both grids keep what fits from the top-left.
    void resize(int columns, int rows) {
        pixelgrid_ = pixelgrid_.resized(columns, rows);
        selgrid_ = selgrid_.resized(columns, rows);
    }
    // A whole picture at once, its screen's size with it (undo over a resize,
    // a drawing opened or imported).
    void restore(const Grid& picture) {
        if (!picture.sameshape(pixelgrid_)) selgrid_ = selgrid_.resized(picture.columns(), picture.rows());
        pixelgrid_ = picture;
    }

    void setbuffer(int i, int j, int16_t code) { selgrid_.set(i, j, code); }
    void newbuffer() { selgrid_.clear(); }
    void placeselection(const SelectionRect& r) { selrect_ = r; }
    // The colours the codes stand for; the cells are the caller's to keep among them.
    void setpalette(Palette p) { palette_ = std::move(p); }

    bool operator==(const Document&) const = default;

private:
    Grid pixelgrid_, selgrid_;
    SelectionRect selrect_;
    Palette palette_;
};

}  // namespace grafipix
