#include "exchange/file_layout.h"

#include <algorithm>
#include <cstdlib>

namespace grafipix {

namespace {

uint32_t byteat(std::string_view b, size_t i) { return static_cast<unsigned char>(b[i]); }
uint32_t le16(std::string_view b, size_t i) { return byteat(b, i) | byteat(b, i + 1) << 8; }
uint32_t le32(std::string_view b, size_t i) { return le16(b, i) | le16(b, i + 2) << 16; }
uint32_t be16(std::string_view b, size_t i) { return byteat(b, i) << 8 | byteat(b, i + 1); }

FileLayout cutoff(FileLayout out) {
    out.truncated = true;
    return out;
}

FileLayout bmp(std::string_view b) {
    FileLayout out{FileLayout::Kind::bmp};
    if (b.size() < 18) return cutoff(out);
    const uint32_t dataoffset = le32(b, 10), infosize = le32(b, 14);
    uint32_t bitcount = 0, compression = 0;
    if (infosize == 12) {  // the old OS/2 header with 16-bit sizes
        if (b.size() < 26) return cutoff(out);
        out.width = le16(b, 18);
        out.height = le16(b, 20);
        bitcount = le16(b, 24);
    } else {
        if (b.size() < 34) return cutoff(out);
        out.width = static_cast<int32_t>(le32(b, 18));
        out.height = std::llabs(static_cast<int32_t>(le32(b, 22)));  // negative: top-down rows
        bitcount = le16(b, 28);
        compression = le32(b, 30);
    }
    // Run-length data has no fixed size; the decoder judges it.
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    // Sizes past any memory bound are refused on their size alone; the limit
    // keeps the byte count below overflow.
    if (uncompressed && out.width > 0 && out.height > 0 && out.width * out.height <= (int64_t{1} << 40)) {
        const int64_t rowbytes = (out.width * bitcount + 31) / 32 * 4;
        out.truncated = static_cast<int64_t>(b.size()) < static_cast<int64_t>(dataoffset) + rowbytes * out.height;
    }
    return out;
}

bool isframe(uint32_t marker) {
    // SOF0..SOF15, less DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

FileLayout jpeg(std::string_view b) {
    FileLayout out{FileLayout::Kind::jpeg};
    out.truncated = true;  // until the end-of-image marker is met
    size_t i = 2;
    while (i + 1 < b.size()) {
        if (byteat(b, i) != 0xFF) return out;  // lost in the structure: left to the decoder
        const uint32_t marker = byteat(b, i + 1);
        if (marker == 0xD9) {
            out.truncated = false;
            return out;
        }
        if (marker == 0xFF || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            i += marker == 0xFF ? 1 : 2;  // fill byte, or a marker without a length
            continue;
        }
        if (i + 4 > b.size()) return out;
        const size_t length = be16(b, i + 2);
        if (isframe(marker) && i + 9 <= b.size()) {
            out.height = be16(b, i + 5);
            out.width = be16(b, i + 7);
        }
        i += 2 + length;
        if (marker == 0xDA) {
            // Entropy-coded data: a 0xFF in it is followed by 0 or a restart marker.
            while (i + 1 < b.size() &&
                   !(byteat(b, i) == 0xFF && byteat(b, i + 1) != 0 && (byteat(b, i + 1) < 0xD0 || byteat(b, i + 1) > 0xD7)))
                ++i;
        }
    }
    return out;
}

// Skips a chain of sub-blocks; the position after its empty block, or 0 when cut off.
size_t subblocks(std::string_view b, size_t i) {
    while (i < b.size()) {
        const size_t n = byteat(b, i);
        if (n == 0) return i + 1;
        i += n + 1;
    }
    return 0;
}

FileLayout gif(std::string_view b) {
    FileLayout out{FileLayout::Kind::gif};
    if (b.size() < 13) return cutoff(out);
    out.width = le16(b, 6);
    out.height = le16(b, 8);
    size_t i = 13;
    if (byteat(b, 10) & 0x80) i += 3u << ((byteat(b, 10) & 7) + 1);
    bool animage = false;
    while (i != 0 && i < b.size()) {
        const uint32_t block = byteat(b, i);
        if (block == 0x3B) break;
        if (block == 0x21) {
            i = subblocks(b, i + 2);
        } else if (block == 0x2C) {
            if (i + 10 > b.size()) return cutoff(out);
            // The decoder draws every frame into a picture of both sizes.
            out.width = std::max<int64_t>(out.width, le16(b, i + 5));
            out.height = std::max<int64_t>(out.height, le16(b, i + 7));
            const uint32_t flags = byteat(b, i + 9);
            i += 10;
            if (flags & 0x80) i += 3u << ((flags & 7) + 1);
            i = subblocks(b, i + 1);  // after the LZW code size
            animage = true;
        } else {
            return out;  // an unknown block: left to the decoder
        }
    }
    // A missing trailer after a whole picture is harmless.
    out.truncated = i == 0 || (!animage && i >= b.size());
    return out;
}

}  // namespace

FileLayout inspectfile(std::string_view bytes) {
    if (bytes.starts_with("BM")) return bmp(bytes);
    if (bytes.starts_with("\xFF\xD8\xFF")) return jpeg(bytes);
    if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) return gif(bytes);
    return {};
}

}  // namespace grafipix
