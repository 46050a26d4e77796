// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/file_layout.h"

#include <cstdlib>

namespace grafipix {

namespace {

// Bytes past the end read as 0: a cut-off header then announces data the file
// does not hold, with no read out of bounds.
uint32_t byteat(std::string_view b, size_t i) { return i < b.size() ? static_cast<unsigned char>(b[i]) : 0; }
uint32_t le16(std::string_view b, size_t i) { return byteat(b, i) | byteat(b, i + 1) << 8; }
uint32_t le32(std::string_view b, size_t i) { return le16(b, i) | le16(b, i + 2) << 16; }

// The old OS/2 header: 12 bytes, 16-bit sizes, no compression.
bool os2(std::string_view b) { return le32(b, 14) == 12; }

bool bmpcut(std::string_view b, int64_t width, int64_t height) {
    const uint32_t bits = le16(b, os2(b) ? 24 : 28), compression = os2(b) ? 0 : le32(b, 30);
    // Run-length data has no fixed size; the decoder judges it.
    if (compression == 1 || compression == 2) return false;
    const int64_t data = width > 0 && height > 0 ? (width * bits + 31) / 32 * 4 * height : 0;
    return b.size() < 14 || static_cast<int64_t>(b.size()) < le32(b, 10) + data;
}

// Segments are skipped by their length. In entropy-coded data a 0xFF is
// followed by 0 or a restart marker, so the next other marker is met byte by
// byte, as the decoder itself resynchronises.
bool jpegcut(std::string_view b) {
    for (size_t i = 2; i + 1 < b.size();) {
        const uint32_t marker = byteat(b, i + 1);
        if (byteat(b, i) != 0xFF || marker == 0 || marker == 0xFF || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            ++i;
        else if (marker == 0xD9)
            return false;
        else
            i += 2 + (byteat(b, i + 2) << 8 | byteat(b, i + 3));
    }
    return true;
}

size_t colourtable(uint32_t flags) { return flags & 0x80 ? 3u << ((flags & 7) + 1) : 0; }

// Just past the empty sub-block that ends a chain; past the end when cut off.
size_t subblocks(std::string_view b, size_t i) {
    while (i < b.size() && b[i] != 0) i += byteat(b, i) + 1;
    return i + 1;
}

bool gifcut(std::string_view b) {
    size_t i = 13 + colourtable(byteat(b, 10));
    bool picture = false;
    while (i < b.size() && byteat(b, i) != 0x3B) {
        if (byteat(b, i) == 0x21) {
            i = subblocks(b, i + 2);
        } else if (byteat(b, i) == 0x2C) {
            i = subblocks(b, i + 11 + colourtable(byteat(b, i + 9)));  // past the LZW code size
            picture = true;
        } else {
            return false;  // an unknown block: left to the decoder
        }
    }
    // A missing trailer after a whole picture is harmless.
    return i > b.size() || (i == b.size() && !picture);
}

}  // namespace

std::pair<int64_t, int64_t> bmpsize(std::string_view b) {
    if (os2(b)) return {le16(b, 18), le16(b, 20)};
    return {static_cast<int32_t>(le32(b, 18)), std::llabs(static_cast<int32_t>(le32(b, 22)))};  // negative: top-down rows
}

bool truncated(std::string_view format, std::string_view bytes, int64_t width, int64_t height) {
    if (format == "bmp") return bmpcut(bytes, width, height);
    if (format == "jpeg") return jpegcut(bytes);
    return format == "gif" && gifcut(bytes);
}

}  // namespace grafipix
