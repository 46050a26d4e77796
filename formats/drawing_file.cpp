#include "formats/drawing_file.h"

#include <algorithm>

namespace grafipix {

namespace {

// tEXt keywords are Latin-1 without accents to spare readers that take ASCII only.
const std::string modelkey = "Grafipix modele", backgroundkey = "Grafipix fond";
const char* const backgroundwords[] = {"", "blanc", "casio"};  // by bgkind

}  // namespace

std::vector<std::pair<std::string, std::string>> drawingfields(const Model& m, int bgkind) {
    return {{modelkey, m.name}, {backgroundkey, backgroundwords[bgkind == 2 ? 2 : 1]}};
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

std::optional<Grid> cellsof(const Picture& p, const Model& m, int bgkind) {
    const auto [columns, rows] = m.screen;
    if (p.width != columns || p.height != rows || p.pixels.size() != size_t(columns) * size_t(rows)) return std::nullopt;
    std::vector<uint32_t> shown(size_t(m.codes()));
    for (int code = 0; code < m.codes(); ++code) shown[size_t(code)] = toargb(m.shown(code, bgkind));
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

std::optional<SavedDrawing> saveddrawing(const PictureFile& f) {
    const auto field = [&f](const std::string& key) {
        const auto found = f.text.find(key);
        return found == f.text.end() ? std::string() : found->second;
    };
    const Model* m = findmodel(field(modelkey));
    const std::string back = field(backgroundkey);
    const int bgkind = back == backgroundwords[1] ? 1 : back == backgroundwords[2] ? 2 : 0;
    if (!m || bgkind == 0 || (bgkind == 2 && !m->casioback)) return std::nullopt;
    std::optional<Grid> cells = cellsof(f.picture, *m, bgkind);
    if (!cells) return std::nullopt;
    return SavedDrawing{std::move(*cells), m, bgkind};
}

}  // namespace grafipix
