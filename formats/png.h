#pragma once
// PNG files written in plain C++, so the core and the converter need neither
// Qt nor zlib: 8-bit RGB, rows unfiltered, the data in stored deflate blocks.
// Larger than a compressed file, but a drawing is a few thousand pixels.

#include <string>
#include <utility>
#include <vector>

#include "render/canvas.h"

namespace grafipix {

// The whole file of a picture; alpha is dropped, as the canvas is opaque.
// Each field becomes a tEXt chunk: a Latin-1 keyword of 1 to 79 characters.
std::string encodepng(const Picture& picture, const std::vector<std::pair<std::string, std::string>>& fields = {});

}  // namespace grafipix
