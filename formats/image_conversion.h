// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The import and export commands' shared pieces: the dialog filter, the
// conversion of one sample to a colour code, the dithered conversion of a
// whole picture, the import of a whole picture into a grid, and the texts of
// the failures.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
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

// How a picture is brought to the screen: stretched to it ("Étirer"), whole
// inside it with bands of back colour ("Ajuster"), covering it and cropped
// ("Remplir"), or at the top-left a cell a pixel, cut at the screen's edge
// ("Taille réelle"), so a sprite drawn elsewhere keeps its size.
enum class Framing { stretch, fit, fill, none };

// How samples become codes: the model's own thresholds ("Seuil"), error
// diffusion ("Floyd–Steinberg", "Atkinson") or an 8 x 8 Bayer matrix
// ("Tramage ordonné").
enum class Method { threshold, floydsteinberg, atkinson, ordered };

// What the user chooses for an import. The defaults are the import as it
// always was: stretched, the model's thresholds, no change of tone.
struct ImportChoices {
    Framing framing = Framing::stretch;
    int offsetx = 0, offsety = 0;  // the fill's crop, in cells from centred
    int threshold = 100;           // two-colour models: a component above it is light
    int brightness = 0;            // the other models: added to each component
    int contrast = 0;              // -100 flattens to mid-grey, 100 steepens four times
    bool invert = false;
    Method method = Method::threshold;
    // Free palettes: 0 for the model's own colours (the eight of the BASIC),
    // otherwise a palette chosen for the picture of this many colours, the
    // back colour counted.
    int colours = 0;

    static constexpr int lowestthreshold = 0, highestthreshold = 255;
    static constexpr int mostbrightness = 100, mostcontrast = 100;
    static constexpr int defaultthreshold = 100;
    static constexpr int fewestcolours = 2;
    // The adapted palettes the dialog offers: 16, 32 and so on to 256.
    static constexpr std::array<int, 5> adaptedcounts{1 << 4, 1 << 5, 1 << 6, 1 << 7, 1 << 8};

    bool operator==(const ImportChoices&) const = default;
};

}  // namespace grafipix

namespace grafipix {

namespace exchangetexts {

// Every picture the import reads.
inline const std::string importfilter = "Images|*.bmp;*.jpg;*.jpeg;*.gif;*.png";
// "Ouvrir" takes them too, and the pictures of the calculators.
inline const std::string openfilter =
    "Dessins et images|*.png;*.bmp;*.jpg;*.jpeg;*.gif;*.g3p;*.g4p;*.g1m|Images des calculatrices|*.g3p;*.g4p;*.g1m";
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

// The tone of the choices on model `m`: each component value 0..255 through
// inversion, contrast about mid-grey, then brightness (the threshold's offset
// from 100 on the two-colour models), held to 0..255.
using ToneCurve = std::array<uint8_t, 256>;
ToneCurve tonecurve(const ImportChoices& choices, const Model& m);

// The codes of the samples with these choices' tone and method; nothing where
// the cell keeps what it holds (the back colour, and the screen green the
// picture did not cover). The ordered dither reads each sample alone, so
// any part of the screen converts as it does in the whole.
SampleCodes convertsamples(const Samples& samples, const Model& m, int bgkind, const ImportChoices& choices);
// The same among the colours of a free palette, code 0 the back colour (in
// RGB whatever the model's conversion): the threshold becomes the nearest
// colour.
SampleCodes convertsamples(const Samples& samples, const Model& m, const ImportChoices& choices, std::span<const wincolour> palette);

// The code of `palette`'s colour nearest `c` in RGB, the lower of equals.
int nearestof(wincolour c, std::span<const wincolour> palette);

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
void importcells(const Samples& samples, const Model& m, int bgkind, const ImportChoices& choices, Grid& grid);

}  // namespace grafipix
