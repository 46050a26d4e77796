#pragma once
// A decoded picture brought to the screen's cells: stretched to it, fitted
// inside it with its proportions kept, or filling it and cropped. Sampling
// reads every pixel of the picture, so it is done once per framing and the
// crop then moves over the samples.

#include <cstdint>
#include <vector>

#include "formats/image_conversion.h"

namespace grafipix {

// A picture as decoded, row after row, each pixel 0xAARRGGBB premultiplied
// (opaque pictures have 0xFF in every alpha).
struct Pixels {
    int width = 0, height = 0;
    std::vector<uint32_t> argb;

    bool empty() const { return width <= 0 || height <= 0; }
    uint32_t at(int x, int y) const { return argb[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
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
void importpicture(const Pixels& picture, const Model& m, int bgkind, ImportChoices choices, Grid& grid);

}  // namespace grafipix
