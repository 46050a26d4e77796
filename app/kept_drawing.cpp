// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing kept on the way out, and "Rouvrir le dernier dessin".

#include <algorithm>
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
const std::string heading = "Grafipix dessin ";

std::string writedrawing(const Grid& g) {
    const bool small = std::ranges::all_of(std::views::iota(size_t{0}, g.cellcount()),
                                           [&g](size_t i) { return g.byindex(i) >= 0 && g.byindex(i) <= 3; });
    std::string out = heading + (small ? "1" : "2") + '\n';
    for (int y = 0; y <= g.maxy(); ++y) {
        for (int x = 0; x <= g.maxx(); ++x) out += "0123456789abcdef"[g.get(x, y) & 15];
        out += '\n';
    }
    return out;
}

std::optional<Grid> readdrawing(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || (line != heading + "1" && line != heading + "2")) return std::nullopt;
    const int lastcode = line.back() == '1' ? 3 : 15;
    std::vector<std::string> lines;
    while (std::getline(in, line)) lines.push_back(line);
    // At least the border around one cell, every line as long as the first.
    if (lines.size() < 3 || lines[0].size() < 3) return std::nullopt;
    Grid g(static_cast<int>(lines[0].size()) - 2, static_cast<int>(lines.size()) - 2);
    for (int y = 0; y <= g.maxy(); ++y) {
        if (lines[y].size() != lines[0].size()) return std::nullopt;
        for (int x = 0; x <= g.maxx(); ++x) {
            const size_t code = std::string_view("0123456789abcdef").find(lines[y][x]);
            if (code == std::string_view::npos || int(code) > lastcode) return std::nullopt;
            g.set(x, y, int16_t(code));
        }
    }
    return g;
}

}  // namespace

void Editor::keepdrawing() {
    // An empty picture would only replace a drawing still worth reopening.
    if (pixelgrid == Grid(pixelgrid.columns(), pixelgrid.rows())) return;
    std::string error;
    if (!platform.savedrawing(writedrawing(pixelgrid), error))
        std::cerr << "grafipix : le dessin n'a pas pu être gardé : " << error << std::endl;
}

void Editor::reopen_Click() {
    std::string text, error;
    std::optional<Grid> kept;
    if (!platform.loaddrawing(text, error) || !(kept = readdrawing(text))) {
        if (error.empty()) error = "ce n'est pas un dessin de Grafipix";
        platform.messagebox("Impossible de rouvrir le dernier dessin : " + error + ".");
        return;
    }
    // Kept under another model, it takes the colours of this one, and the
    // part of it that this screen holds.
    for (int y = 0; y <= pixelgrid.maxy(); ++y)
        for (int x = 0; x <= pixelgrid.maxx(); ++x) doc.set(x, y, model->inpalette(kept->get(x, y)));
    Picture1.setpicture(Picture{});
    redrawcanvas();
}

}  // namespace grafipix
