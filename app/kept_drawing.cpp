// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing kept on the way out, and "Rouvrir le dernier dessin".

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>
#include <ranges>
#include <sstream>
#include <vector>

#include "app/editor.h"
#include "calculator/model_table.h"

namespace grafipix {

namespace {

// A line naming the format, then the whole array row by row, a hexadecimal
// digit a cell: the border cells too, so the picture comes back exactly. The
// array's size is the lines'. Format 1, from before palettes grew, holds
// codes 0 to 3; it is still written when they suffice, so it reads anywhere.
// Format 3 holds a drawing's own palette: a line of its colours (RRGGBB,
// comma-separated, code order), then two digits a cell.
const std::string heading = "Grafipix dessin ";
constexpr std::string_view hex = "0123456789abcdef";

struct Kept {
    Grid cells;
    Palette palette;  // format 3 only
};

std::string writedrawing(const Grid& g, const Palette& own) {
    const auto below = [&g](int16_t most) {
        return std::ranges::all_of(std::views::iota(size_t{0}, g.cellcount()),
                                   [&](size_t i) { return g.byindex(i) >= 0 && g.byindex(i) <= most; });
    };
    const int format = !own.empty() ? 3 : below(3) ? 1 : 2;
    std::string out = heading + std::to_string(format) + '\n';
    for (size_t c = 0; c < own.size(); ++c) {
        char rgb[8];
        std::snprintf(rgb, sizeof rgb, "%06x", unsigned(toargb(own[c]) & 0xFFFFFFu));
        out += (c ? "," : "") + std::string(rgb);
    }
    if (format == 3) out += '\n';
    for (int y = 0; y <= g.maxy(); ++y) {
        for (int x = 0; x <= g.maxx(); ++x) {
            const int code = g.get(x, y) & 0xFF;
            if (format == 3) out += hex[size_t(code >> 4)];
            out += hex[size_t(code & 15)];
        }
        out += '\n';
    }
    return out;
}

std::optional<Kept> readdrawing(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || !line.starts_with(heading)) return std::nullopt;
    const std::string format = line.substr(heading.size());
    if (format != "1" && format != "2" && format != "3") return std::nullopt;
    const int lastcode = format == "1" ? 3 : format == "2" ? 15 : 255;
    const size_t digits = format == "3" ? 2 : 1;
    Kept kept;
    if (format == "3") {
        if (!std::getline(in, line)) return std::nullopt;
        std::istringstream colours(line);
        for (std::string c; std::getline(colours, c, ',');) {
            if (c.size() != 6 || c.find_first_not_of(hex) != std::string::npos) return std::nullopt;
            kept.palette.push_back(fromargb(uint32_t(std::stoul(c, nullptr, 16))));
        }
        if (kept.palette.empty() || kept.palette.size() > 256) return std::nullopt;
    }
    std::vector<std::string> lines;
    while (std::getline(in, line)) lines.push_back(line);
    // At least the border around one cell, every line as long as the first.
    if (lines.size() < 3 || lines[0].size() < 3 * digits || lines[0].size() % digits) return std::nullopt;
    Grid g(static_cast<int>(lines[0].size() / digits) - 2, static_cast<int>(lines.size()) - 2);
    for (int y = 0; y <= g.maxy(); ++y) {
        if (lines[y].size() != lines[0].size()) return std::nullopt;
        for (int x = 0; x <= g.maxx(); ++x) {
            int code = 0;
            for (size_t d = 0; d < digits; ++d) {
                const size_t v = hex.find(lines[y][size_t(x) * digits + d]);
                if (v == std::string_view::npos) return std::nullopt;
                code = code * 16 + int(v);
            }
            if (code > lastcode || (!kept.palette.empty() && size_t(code) >= kept.palette.size())) return std::nullopt;
            g.set(x, y, int16_t(code));
        }
    }
    kept.cells = std::move(g);
    return kept;
}

}  // namespace

void Editor::keepdrawing() {
    // An empty picture would only replace a drawing still worth reopening.
    if (pixelgrid == Grid(pixelgrid.columns(), pixelgrid.rows())) return;
    // A palette of the model's own colours needs no line: its codes say it.
    const bool own = model->freepalette() && doc.palette() != Palette(model->colours());
    std::string error;
    if (!platform.savedrawing(writedrawing(pixelgrid, own ? doc.palette() : Palette{}), error))
        std::cerr << "grafipix : le dessin n'a pas pu être gardé : " << error << std::endl;
}

void Editor::reopen_Click() {
    std::string text, error;
    std::optional<Kept> kept;
    if (!platform.loaddrawing(text, error) || !(kept = readdrawing(text))) {
        if (error.empty()) error = "ce n'est pas un dessin de Grafipix";
        platform.messagebox("Impossible de rouvrir le dernier dessin : " + error + ".");
        return;
    }
    // Its palette, where this model's is free; kept under another model, it
    // takes the colours of this one, and the part of it that this screen holds.
    if (model->freepalette()) {
        Palette palette = kept->palette.empty() ? Palette(model->colours()) : kept->palette;
        if (palette.size() > size_t(model->freecolours)) palette.resize(size_t(model->freecolours));
        for (uint32_t& c : palette) c = model->held(c);
        palette[0] = whiteback;
        doc.setpalette(std::move(palette));
    }
    for (int y = 0; y <= pixelgrid.maxy(); ++y)
        for (int x = 0; x <= pixelgrid.maxx(); ++x) doc.set(x, y, inpalette(kept->cells.get(x, y)));
    Picture1.setpicture(Picture{});
    redrawcanvas();
}

}  // namespace grafipix
