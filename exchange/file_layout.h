#pragma once
// What the header of a BMP, JPEG or GIF file announces, read before anything is
// decoded: the picture's size, so that a huge one is refused up front, and
// whether the file ends before its picture data does, since the decoders fill
// a cut-off picture with grey or black and call it a success.

#include <cstdint>
#include <string_view>

namespace grafipix {

struct FileLayout {
    enum class Kind { other, bmp, jpeg, gif };
    Kind kind = Kind::other;
    // The announced size in pixels; -1 while unknown.
    int64_t width = -1;
    int64_t height = -1;
    bool truncated = false;
};

FileLayout inspectfile(std::string_view bytes);

}  // namespace grafipix
