// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures taken from a calculator, opened as drawings: the Graph 90+E's
// .g3p, the Graph Math+'s .g4p and the monochrome calculators' .g1m
// pictures, each given the fields and pixels a drawing's own PNG would, so
// that "Ouvrir" and the converter take them as they take a saved drawing.

#include <optional>
#include <string>
#include <string_view>

#include "calculator/model_table.h"
#include "formats/drawing_file.h"

namespace grafipix {

// Nothing, with a French reason, for a file of Casio's containers that holds
// no picture or is damaged. A .g1m picture becomes a drawing of the last
// model that takes them (the newest); a colour picture, of the model whose
// files have its layout, the part of it that model's screen shows, in as many
// of its colours as the palette holds.
std::optional<PictureFile> calculatorpicture(std::string_view bytes, std::string& error);

}  // namespace grafipix
