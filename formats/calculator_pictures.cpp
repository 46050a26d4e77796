// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/calculator_pictures.h"

#include <algorithm>

#include "formats/colour_picture.h"
#include "formats/g1m.h"
#include "formats/import_framing.h"

namespace grafipix {

namespace {

const Model* takingpictures(std::string_view kind) {
    const Model* found = nullptr;
    for (const Model& m : models())
        if (m.picturefile == kind) found = &m;
    return found;
}

// The fields that make a drawing's PNG, and the pixels as the canvas shows them.
PictureFile drawingof(const Model& m, int bgkind) {
    PictureFile out;
    for (const auto& [key, value] : drawingfields(m, bgkind)) out.text[key] = value;
    out.picture = Picture{m.screen.columns, m.screen.rows, std::vector<uint32_t>(size_t(m.screen.columns) * size_t(m.screen.rows))};
    return out;
}

std::optional<PictureFile> monochromepicture(std::string_view bytes, std::string& error) {
    const std::optional<std::vector<g1m::Object>> objects = g1m::readfile(bytes, error);
    if (!objects) return std::nullopt;
    const auto found = std::ranges::find(*objects, g1m::picturekind, &g1m::Object::kind);
    if (found == objects->end()) return error = "ce fichier ne contient aucune picture", std::nullopt;
    const Model& m = *takingpictures("g1m");
    PictureFile out = drawingof(m, 2);
    out.calculatorfile = "g1m";
    for (int y = 1; y <= m.screen.rows; ++y)
        for (int x = 1; x <= m.screen.columns; ++x)
            out.picture.pixels[size_t(y - 1) * size_t(m.screen.columns) + size_t(x - 1)] =
                toargb(m.shown(g1m::pixel(found->body, x, y) ? ink : background, 2));
    return out;
}

std::optional<PictureFile> colourpicture(std::string_view bytes, std::string& error) {
    const std::optional<casiopicture::Pixels565> read = casiopicture::read(bytes, error);
    if (!read) return std::nullopt;
    const char* kind = read->layout == casiopicture::Layout::cp0100cy875 ? "g4p" : "g3p";
    const Model* found = takingpictures(kind);
    if (!found) return error = "aucun modèle ne prend ces images", std::nullopt;
    const Model& m = *found;
    PictureFile out = drawingof(m, 1);
    out.calculatorfile = kind;
    // The screen's part of the picture; white where the picture is smaller.
    std::vector<uint16_t> shown(out.picture.pixels.size(), 0xFFFF);
    for (int y = 0; y < std::min(m.screen.rows, read->height); ++y)
        for (int x = 0; x < std::min(m.screen.columns, read->width); ++x)
            shown[size_t(y) * size_t(m.screen.columns) + size_t(x)] = read->pixels[size_t(y) * size_t(read->width) + size_t(x)];
    // The palette: white first, then each colour as it first appears.
    std::vector<int16_t> index(size_t{1} << 16, -1);  // by the 16 bits, a look-up a pixel
    index[rgb565(whiteback)] = 0;
    out.colourtable = {toargb(whiteback) & 0xFFFFFFu};
    std::vector<uint16_t> order{rgb565(whiteback)};
    for (const uint16_t p : shown)
        if (index[p] < 0) index[p] = int16_t(std::min<size_t>(order.size(), 255)), order.push_back(p);
    for (size_t i = 0; i < shown.size(); ++i) out.picture.pixels[i] = toargb(from565(shown[i]));
    if (order.size() > size_t(m.freecolours)) {
        // More colours than a drawing holds: the import's palette adapted to
        // the picture, dithered, the picture's size kept cell for cell.
        ImportChoices choices;
        choices.framing = Framing::fit;
        choices.method = Method::floydsteinberg;
        choices.colours = m.freecolours;
        Grid cells(m.screen.columns, m.screen.rows);
        Palette palette = m.colours();
        importpicture(Pixels(m.screen.columns, m.screen.rows, out.picture.pixels), m, 1, choices, cells, palette);
        out.colourtable.clear();
        for (const uint32_t c : palette) out.colourtable.push_back(toargb(c) & 0xFFFFFFu);
        for (int y = 1; y <= cells.rows(); ++y)
            for (int x = 1; x <= cells.columns(); ++x) out.indices.push_back(uint8_t(cells.get(x, y)));
        return out;
    }
    for (size_t c = 1; c < order.size(); ++c) out.colourtable.push_back(toargb(from565(order[c])) & 0xFFFFFFu);
    out.indices.reserve(shown.size());
    for (const uint16_t p : shown) out.indices.push_back(uint8_t(index[p]));
    return out;
}

}  // namespace

std::optional<PictureFile> calculatorpicture(std::string_view bytes, std::string& error) {
    if (std::string fault; g1m::readfile(bytes, fault)) return monochromepicture(bytes, error);
    return colourpicture(bytes, error);
}

}  // namespace grafipix
