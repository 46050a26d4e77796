// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing as a PNG file: one pixel per cell in the colours the canvas
// shows, the model and the background in its text fields, so that opening it
// brings back exactly what was saved. Only the pixels and the fields come
// from the file reader; what they mean is decided here, without Qt.

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calculator/model_table.h"
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
};

struct SavedDrawing {
    Grid cells;
    const Model* model;
    int bgkind;
};

// The text fields of a drawing's PNG.
PngFields drawingfields(const Model& m, int bgkind);

// The drawing's PNG: an indexed picture whose palette is the colours the
// model shows on `bgkind`, in code order, with the fields above.
std::string drawingpng(const Grid& cells, const Model& m, int bgkind);

// Whether a picture of that size may be a drawing.
bool screensized(int width, int height);

// The screen's cells a pixel each, in the colours the model shows on `bgkind`.
Picture pictureof(const Grid& cells, const Model& m, int bgkind);

// The cells of a picture of exactly the model's screen whose every pixel is
// one of the colours the model shows on `bgkind`; nothing otherwise.
std::optional<Grid> cellsof(const Picture& p, const Model& m, int bgkind);

// The drawing a PNG that Grafipix wrote holds; nothing when its fields name
// no model or a background the model lacks, or its pixels do not fit them.
std::optional<SavedDrawing> saveddrawing(const PictureFile& f);

}  // namespace grafipix
