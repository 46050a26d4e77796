// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing as a PNG file: one pixel per cell in the colours the canvas
// shows, the model and the background in its text fields, so that opening it
// brings back exactly what was saved. Only the pixels and the fields come
// from the file reader; what they mean is decided here, without Qt.

#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "calculator/model_table.h"
#include "document/document.h"
#include "document/grid.h"
#include "formats/png.h"
#include "render/canvas.h"

namespace grafipix {

// A picture file as read for "Ouvrir": its size always, its 0xAARRGGBB
// pixels only when that size is some model's screen (no other can be a
// drawing, and a photo need not be copied), and its text fields.
struct PictureFile {
    Picture picture;
    std::map<std::string, std::string> text;
    // An indexed picture of a screen's size: its colours (0x..RRGGBB) and
    // each pixel's index into them, row by row; empty otherwise.
    std::vector<uint32_t> colourtable;
    std::vector<uint8_t> indices;
    // "g1m", "g3p" or "g4p" for a picture taken from a calculator.
    std::string calculatorfile;
};

struct SavedDrawing {
    Grid cells;
    const Model* model;
    int bgkind;
    Palette palette;  // on a model whose palette is free, the drawing's own
};

// The text fields of a drawing's PNG.
PngFields drawingfields(const Model& m, int bgkind);

// The drawing's PNG: an indexed picture whose palette is the drawing's
// colours in code order (`own` on a free palette, else those the model shows
// on `bgkind`), with the fields above.
std::string drawingpng(const Grid& cells, const Model& m, int bgkind, std::span<const wincolour> own = {});

// Whether a picture of that size may be a drawing.
bool screensized(int width, int height);

// The screen's cells a pixel each, in the colours the model shows on `bgkind`.
Picture pictureof(const Grid& cells, const Model& m, int bgkind);

// The cells of a picture of exactly the screen whose every pixel is one of
// `shown`, the colours of the codes in order; nothing otherwise.
std::optional<Grid> cellsof(const Picture& p, const Screen& screen, std::span<const wincolour> shown);

// The drawing a PNG that Grafipix wrote holds; nothing when its fields name
// no model, or its pixels do not fit them. On a free palette an indexed
// file gives its palette and codes exactly; a file of the versions before
// free palettes holds the model's colours.
std::optional<SavedDrawing> saveddrawing(const PictureFile& f);

}  // namespace grafipix
