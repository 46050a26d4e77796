// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/drawing_file.h"

#include <algorithm>

#include "formats/png.h"

namespace grafipix {

namespace {

// tEXt keywords are Latin-1 without accents to spare readers that take ASCII only.
const std::string modelkey = "Grafipix modele", backgroundkey = "Grafipix fond";
const char* const backgroundwords[] = {"", "blanc", "casio"};  // by bgkind

}  // namespace

PngFields drawingfields(const Model& m, int bgkind) {
    // Only a background the model offers, so the file always opens back as a drawing.
    return {{modelkey, m.name}, {backgroundkey, backgroundwords[bgkind == 2 && m.casioback ? 2 : 1]}};
}

std::string drawingpng(const Grid& cells, const Model& m, int bgkind, std::span<const wincolour> own) {
    std::vector<uint32_t> palette;
    if (own.empty())
        for (int code = 0; code < m.codes(); ++code) palette.push_back(m.shown(code, bgkind));
    else
        palette.assign(own.begin(), own.end());
    for (uint32_t& c : palette) c = toargb(c) & 0xFFFFFFu;
    const int columns = cells.columns(), rows = cells.rows();
    std::vector<uint8_t> indices(size_t(columns) * size_t(rows));
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x) {
            const int code = cells.get(x + 1, y + 1);
            // A code the palette lacks shows as the back colour, as on the canvas.
            indices[size_t(y) * size_t(columns) + size_t(x)] = uint8_t(code >= 0 && size_t(code) < palette.size() ? code : 0);
        }
    return encodeindexedpng(columns, rows, indices, palette, drawingfields(m, bgkind));
}

bool screensized(int width, int height) {
    return std::ranges::any_of(models(), [&](const Model& m) { return m.screen.columns == width && m.screen.rows == height; });
}

Picture pictureof(const Grid& cells, const Model& m, int bgkind) {
    const int columns = cells.columns(), rows = cells.rows();
    Picture out{columns, rows, std::vector<uint32_t>(size_t(columns) * size_t(rows))};
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            out.pixels[size_t(y) * size_t(columns) + size_t(x)] = toargb(m.shown(cells.get(x + 1, y + 1), bgkind));
    return out;
}

std::optional<Grid> cellsof(const Picture& p, const Screen& screen, std::span<const wincolour> colours) {
    const auto [columns, rows] = screen;
    if (p.width != columns || p.height != rows || p.pixels.size() != size_t(columns) * size_t(rows)) return std::nullopt;
    std::vector<uint32_t> shown;
    for (const wincolour c : colours) shown.push_back(toargb(c));
    Grid cells(columns, rows);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x) {
            // Alpha counts: a pixel seen through is not the colour it carries.
            const auto found = std::ranges::find(shown, p.pixels[size_t(y) * size_t(columns) + size_t(x)]);
            if (found == shown.end()) return std::nullopt;
            cells.set(x + 1, y + 1, int16_t(found - shown.begin()));
        }
    return cells;
}

namespace {

// The codes of an indexed file are the drawing's: its colour table is the
// palette, rounded as the screen shows it, the back colour first.
std::optional<SavedDrawing> ownpalette(const PictureFile& f, const Model& m) {
    const auto [columns, rows] = m.screen;
    if (f.colourtable.empty() || f.colourtable.size() > size_t(m.freecolours) ||
        f.indices.size() != size_t(columns) * size_t(rows) || fromargb(f.colourtable[0]) != whiteback)
        return std::nullopt;
    SavedDrawing out{Grid(columns, rows), &m, 1, {}};
    for (const uint32_t c : f.colourtable) out.palette.push_back(m.held(fromargb(c)));
    for (size_t i = 0; i < f.indices.size(); ++i) {
        if (f.indices[i] >= f.colourtable.size()) return std::nullopt;
        out.cells.set(int(i % size_t(columns)) + 1, int(i / size_t(columns)) + 1, int16_t(f.indices[i]));
    }
    return out;
}

}  // namespace

std::optional<SavedDrawing> saveddrawing(const PictureFile& f) {
    const auto field = [&f](const std::string& key) {
        const auto found = f.text.find(key);
        return found == f.text.end() ? std::string() : found->second;
    };
    const Model* m = findmodel(field(modelkey));
    const std::string back = field(backgroundkey);
    const int bgkind = back == backgroundwords[1] ? 1 : back == backgroundwords[2] ? 2 : 0;
    if (!m || bgkind == 0) return std::nullopt;
    // Earlier versions wrote the screen green for models without it, whose
    // pixels were white all the same: such a file opens on white.
    const int shownon = m->casioback ? bgkind : 1;
    if (m->freepalette()) {
        if (std::optional<SavedDrawing> own = ownpalette(f, *m)) return own;
    }
    std::optional<Grid> cells = cellsof(f.picture, m->screen, m->shownpalette(shownon));
    if (!cells) return std::nullopt;
    return SavedDrawing{std::move(*cells), m, shownon, m->freepalette() ? m->colours() : Palette{}};
}

}  // namespace grafipix
