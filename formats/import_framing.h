// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A decoded picture brought to the screen's cells: stretched to it, fitted
// inside it with its proportions kept, or filling it and cropped. Sampling
// reads every pixel of the picture, so it is done once per framing and the
// crop then moves over the samples.

#include <cstdint>
#include <memory>
#include <vector>

#include "document/document.h"
#include "formats/image_conversion.h"

namespace grafipix {

// A picture as decoded, row after row, each pixel 0xAARRGGBB premultiplied.
// The pixels are shared, not copied: a photo's are some 50 MB.
class Pixels {
public:
    Pixels() = default;
    Pixels(int w, int h, std::vector<uint32_t> argb);
    // Pixels another owner keeps (a decoded picture), `stride` words a row;
    // an opaque picture's alpha is read as 0xFF whatever it holds.
    Pixels(int w, int h, const uint32_t* first, size_t stride, bool opaque, std::shared_ptr<const void> owner)
        : width(w), height(h), first_(first), stride_(stride), opaque_(opaque), owner_(std::move(owner)) {}

    int width = 0, height = 0;
    // Where the picture was decoded shrunk, its top-left at its own size, as
    // much of it as a screen holds: "Taille réelle" reads that.
    std::shared_ptr<const Pixels> topleft;

    bool empty() const { return width <= 0 || height <= 0; }
    bool opaque() const { return opaque_; }
    const uint32_t* row(int y) const { return first_ + static_cast<size_t>(y) * stride_; }
    size_t stride() const { return stride_; }
    uint32_t at(int x, int y) const { return row(y)[x] | (opaque_ ? 0xFF000000u : 0u); }

private:
    const uint32_t* first_ = nullptr;
    size_t stride_ = 0;
    bool opaque_ = false;
    std::shared_ptr<const void> owner_;
};

// The picture stretched to columns x rows samples over the screen green
// where it is transparent. Up to three pixels a sample, each sample is the
// pixel at its top-left corner, so a drawn cell comes back whole; larger
// pictures are averaged over each sample's area, so fine detail does not alias.
Samples stretchsamples(const Pixels& picture, int columns, int rows);

// The picture sampled for a framing of a screen of columns x rows cells:
// stretch gives the screen's array, border column and row 0 included, as the
// import has always read it; fit and fill give the picture scaled to lie
// within the screen or to cover it.
Samples framesamples(const Pixels& picture, Framing framing, int columns, int rows);

// The samples of the screen's array from framed ones: fitted and filled
// pictures are centred on cells 1..columns x 1..rows, the fill's crop moved by
// the choices' offset (clamped to the picture, which is written back), and
// cells the picture leaves are the screen green, which the import skips.
Samples placesamples(const Samples& framed, ImportChoices& choices, int columns, int rows);

// The import of a decoded picture with these choices into `grid`, whose
// screen it is sampled for; the one conversion every import goes through.
// On a free palette `palette` holds the colours of the grid's codes and
// becomes the import's: the model's own, or one chosen for the picture
// (choices.colours), and the cells the import leaves take the nearest of
// its colours. A fixed palette leaves `palette` as it is.
void importpicture(const Pixels& picture, const Model& m, int bgkind, ImportChoices choices, Grid& grid, Palette& palette);
// The same onto a grid in the model's own colours, its palette dropped.
void importpicture(const Pixels& picture, const Model& m, int bgkind, ImportChoices choices, Grid& grid);
// Its second half, for samples framesamples() gave for choices.framing and
// the grid's screen, which a dialog keeps over changes of tone and method;
// the fill's offset is clamped and written back, as placesamples() does.
void importframed(const Samples& framed, const Model& m, int bgkind, ImportChoices& choices, Grid& grid, Palette& palette);
void importframed(const Samples& framed, const Model& m, int bgkind, ImportChoices& choices, Grid& grid);

// By how much (1, 2, 4 or 8) a picture of width x height pixels can be
// shrunk before sampling for a screen of columns x rows cells while every
// framing still averages each sample over three pixels a side or more, as
// it does over the picture whole.
int shrinkfactor(int width, int height, int columns, int rows);

}  // namespace grafipix
