#pragma once
// The import and export commands' shared pieces: the dialog filter, the
// conversion of one sample to a colour code, the dithered conversion of a
// whole picture, the import of a whole picture into a grid, and the texts of
// the failures.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "calculator/colours.h"
#include "document/grid.h"

namespace grafipix {

// A picture file stretched to 128 x 64 picture pixels, one per canvas cell:
// samples[x][y] is the Windows colour value of stretched pixel (x, y), from 0.
struct Samples {
    std::array<std::array<wincolour, 64>, 128> colour{};
};

}  // namespace grafipix

namespace grafipix {

namespace exchangetexts {

// Every picture the import reads; the export writes BMP data whatever the name.
inline const std::string importfilter = "Images|*.bmp;*.jpg;*.jpeg;*.gif;*.png";
inline const std::string exportfilter = "Images|*.bmp;*.jpg;*.gif";

inline std::string importfailed(const std::string& path, const std::string& reason) {
    return "Impossible d'importer l'image « " + path + " » : " + reason + ".";
}
inline std::string exportfailed(const std::string& path, const std::string& reason) {
    return "Impossible d'enregistrer l'image « " + path + " » : " + reason + ".";
}

}  // namespace exchangetexts

// The colour code a sample becomes, or nothing when the sample is skipped and
// the cell keeps what it holds. The three-colour conversion is the one of the
// Graph 65/80.
std::optional<int16_t> samplecode(wincolour sample, bool threecolours);

// A code for each sample, indexed as the samples; nothing where the cell keeps
// what it holds.
using SampleCodes = std::array<std::array<std::optional<int16_t>, 64>, 128>;

// The dithered import: each sample becomes the code whose colour, as the
// canvas shows it with this ink and background, is nearest once the error of
// the samples before it is added, and passes its own error on. Two-colour
// models compare luminance only; the three-colour one takes the nearest of
// its four colours in RGB. The back colour leaves the cell as it was.
SampleCodes dithercodes(const Samples& samples, bool threecolours, int inkcolor, int bgkind);

// "Importer image" without the editor: the code of each sample, plain or
// dithered, written into the cells of columns 1..127 and rows 1..63; a skipped
// sample leaves its cell as it was. Column 128 and row 64 have no sample: the
// stretched picture is 128 x 64 counted from 0, and those cells are never
// stored anyway.
void importcells(const Samples& samples, bool threecolours, int inkcolor, int bgkind, bool dither, Grid& grid);

}  // namespace grafipix
