// The drawing kept on the way out, and "Rouvrir le dernier dessin".

#include <iostream>
#include <sstream>

#include "app/editor.h"
#include "calculator/model_table.h"

namespace grafipix {

namespace {

// A line naming the format, then the whole array row by row, a digit a cell:
// the border cells too, so the picture comes back exactly.
const std::string heading = "Grafipix dessin 1";

std::string writedrawing(const Grid& g) {
    std::string out = heading + '\n';
    for (int y = 0; y <= Grid::maxy; ++y) {
        for (int x = 0; x <= Grid::maxx; ++x) out += char('0' + (g.get(x, y) & 3));
        out += '\n';
    }
    return out;
}

bool readdrawing(const std::string& text, Grid& g) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != heading) return false;
    for (int y = 0; y <= Grid::maxy; ++y) {
        if (!std::getline(in, line) || line.size() != Grid::maxx + 1) return false;
        for (int x = 0; x <= Grid::maxx; ++x) {
            if (line[x] < '0' || line[x] > '3') return false;
            g.set(x, y, int16_t(line[x] - '0'));
        }
    }
    return !std::getline(in, line);
}

}  // namespace

void Editor::keepdrawing() {
    // An empty picture would only replace a drawing still worth reopening.
    if (pixelgrid == Grid{}) return;
    std::string error;
    if (!platform.savedrawing(writedrawing(pixelgrid), error))
        std::cerr << "grafipix : le dessin n'a pas pu être gardé : " << error << std::endl;
}

void Editor::reopen_Click() {
    std::string text, error;
    Grid kept;
    if (!platform.loaddrawing(text, error) || !readdrawing(text, kept)) {
        if (error.empty()) error = "ce n'est pas un dessin de Grafipix";
        platform.messagebox("Impossible de rouvrir le dernier dessin : " + error + ".");
        return;
    }
    // Kept under another model, it takes the colours of this one.
    const bool fold = !currentmodel().threecolours;
    for (int y = 0; y <= Grid::maxy; ++y)
        for (int x = 0; x <= Grid::maxx; ++x) doc.set(x, y, fold && kept.get(x, y) > 0 ? 1 : kept.get(x, y));
    Picture1.setpicture(Picture{});
    redrawcanvas();
}

}  // namespace grafipix
