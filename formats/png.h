// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PNG files written in plain C++ over zlib, so the core and the converter need
// no Qt: 8-bit RGB for pictures, indexed colour for drawings, both compressed
// at zlib's best level.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "render/canvas.h"

namespace grafipix {

using PngFields = std::vector<std::pair<std::string, std::string>>;

// The whole file of a picture; alpha is dropped, as the canvas is opaque.
// Each field becomes a tEXt chunk: a Latin-1 keyword of 1 to 79 characters.
std::string encodepng(const Picture& picture, const PngFields& fields = {});

// An indexed picture: `indices` row by row, each below palette.size(), the
// palette's 1 to 256 colours as 0x..RRGGBB. The fewest bits a pixel that hold
// every index (1, 2, 4 or 8), so a two-colour drawing packs eight pixels a byte.
std::string encodeindexedpng(int width, int height, const std::vector<uint8_t>& indices,
                             const std::vector<uint32_t>& palette, const PngFields& fields = {});

}  // namespace grafipix
