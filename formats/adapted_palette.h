// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A free palette chosen for a picture: its colours found by libimagequant,
// each as the model's screen shows it.

#include <span>
#include <vector>

#include "calculator/model_table.h"

namespace grafipix {

// The white back colour, code 0, then the colours that draw `picture` best
// on model `m`, each held as its screen shows it: `count` colours in all,
// fewer only when the picture has fewer distinct colours so held. The same
// picture gives the same palette.
std::vector<wincolour> adaptedpalette(std::span<const wincolour> picture, const Model& m, int count);

}  // namespace grafipix
