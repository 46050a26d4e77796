// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What Qt's picture readers leave unsaid before decoding: the size of a BMP
// header past 16384 x 16384 pixels, which Qt's reader refuses without giving
// it, and whether a file ends before its picture data does, since Qt's BMP,
// JPEG and GIF decoders fill a cut-off picture with grey or black and report
// success.

#include <cstdint>
#include <string_view>
#include <utility>

namespace grafipix {

// Width and height as the BMP header gives them.
std::pair<int64_t, int64_t> bmpsize(std::string_view bytes);

// `format` is Qt's name for it: "bmp", "jpeg" or "gif"; other formats are left
// to their decoder. `width` and `height` are the announced size, -1 when
// unknown, and already within the import's bound.
bool truncated(std::string_view format, std::string_view bytes, int64_t width, int64_t height);

}  // namespace grafipix
