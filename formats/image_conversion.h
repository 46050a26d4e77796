#pragma once
// The import and export commands' shared pieces: the dialog filter, the
// conversion of one sample to a colour code, the dithered conversion of a
// whole picture, the import of a whole picture into a grid, and the texts of
// the failures.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calculator/model_table.h"
#include "document/grid.h"

namespace grafipix {

// A picture file stretched to one picture pixel per cell of the array up to
// the last column and row of the screen, counted from 0: colour[x][y] is the
// Windows colour value of stretched pixel (x, y).
struct Samples {
    Samples() = default;
    Samples(int columns, int rows) : colour(columns, std::vector<wincolour>(rows, 0)) {}
    std::vector<std::vector<wincolour>> colour;

    int columns() const { return static_cast<int>(colour.size()); }
    int rows() const { return colour.empty() ? 0 : static_cast<int>(colour[0].size()); }
};

}  // namespace grafipix

namespace grafipix {

namespace exchangetexts {

// Every picture the import reads.
inline const std::string importfilter = "Images|*.bmp;*.jpg;*.jpeg;*.gif;*.png";
// BMP data first, as ever; then PNG of the canvas, and of its cells a pixel each.
inline const std::string exportfilter =
    "Images|*.bmp;*.jpg;*.gif|Image PNG|*.png|Image PNG, un pixel par point (l'écran de la calculatrice)|*.png";

inline std::string importfailed(const std::string& path, const std::string& reason) {
    return "Impossible d'importer l'image « " + path + " » : " + reason + ".";
}
inline std::string exportfailed(const std::string& path, const std::string& reason) {
    return "Impossible d'enregistrer l'image « " + path + " » : " + reason + ".";
}

}  // namespace exchangetexts

// The colour code a sample becomes on model `m` with background `bgkind`,
// or nothing when the sample is skipped and the cell keeps what it holds.
std::optional<int16_t> samplecode(wincolour sample, const Model& m, int bgkind);

// A code for each sample, indexed as the samples; nothing where the cell keeps
// what it holds.
using SampleCodes = std::vector<std::vector<std::optional<int16_t>>>;

// The dithered import: each sample becomes the code whose colour, as the
// canvas shows it on this background, is nearest once the error of the
// samples before it is added, and passes its own error on. Two-colour models
// compare luminance only, the others take the nearest of their colours in
// RGB. The back colour leaves the cell as it was.
SampleCodes dithercodes(const Samples& samples, const Model& m, int bgkind);

// "Importer image" without the editor: the code of each sample written into
// its cell of the screen; a skipped sample leaves its cell as it was. The
// right and bottom borders have no sample, and are never stored anyway.
void importcells(const Samples& samples, const Model& m, int bgkind, bool dither, Grid& grid);

}  // namespace grafipix
