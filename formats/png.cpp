// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/png.h"

#include <zlib.h>

#include <array>
#include <cstdlib>
#include <string_view>

namespace grafipix {

namespace {

void put32(std::string& out, uint32_t n) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((n >> shift) & 0xFF);
}

// Length, type, data, then the CRC-32 of type and data.
void chunk(std::string& out, std::string_view type, std::string_view data) {
    put32(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out += type;
    out += data;
    const auto* from = reinterpret_cast<const Bytef*>(out.data() + start);
    put32(out, static_cast<uint32_t>(crc32(0L, from, static_cast<uInt>(out.size() - start))));
}

std::string deflated(const std::string& data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string out(size, '\0');
    // Only a buffer too small fails, and compressBound rules that out.
    compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
              static_cast<uLong>(data.size()), Z_BEST_COMPRESSION);
    out.resize(size);
    return out;
}

std::string file(int width, int height, uint8_t depth, uint8_t type, const std::string& palette,
                 const std::string& rows, const PngFields& fields) {
    std::string header;
    put32(header, static_cast<uint32_t>(width));
    put32(header, static_cast<uint32_t>(height));
    header += static_cast<char>(depth);
    header += static_cast<char>(type);
    header += std::string_view("\0\0\0", 3);  // deflate, adaptive filters, no interlace
    std::string out = "\x89PNG\r\n\x1A\n";
    chunk(out, "IHDR", header);
    if (!palette.empty()) chunk(out, "PLTE", palette);
    for (const auto& [key, value] : fields) chunk(out, "tEXt", key + '\0' + value);
    chunk(out, "IDAT", deflated(rows));
    chunk(out, "IEND", {});
    return out;
}

uint8_t paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return static_cast<uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// Each row under the filter whose bytes, read as signed, sum smallest: the
// usual guess at what deflates best for photos and for flat areas alike.
void filtered(const std::string& row, const std::string& above, std::string& out) {
    constexpr int bpp = 3;
    const size_t n = row.size();
    std::array<std::string, 5> tried;
    long best = -1;
    int chosen = 0;
    for (int f = 0; f < 5; ++f) {
        std::string& t = tried[size_t(f)];
        t.resize(n);
        long cost = 0;
        for (size_t i = 0; i < n; ++i) {
            const int x = uint8_t(row[i]), a = i >= bpp ? uint8_t(row[i - bpp]) : 0, b = uint8_t(above[i]),
                      c = i >= bpp ? uint8_t(above[i - bpp]) : 0;
            const int predicted = f == 0 ? 0 : f == 1 ? a : f == 2 ? b : f == 3 ? (a + b) / 2 : paeth(a, b, c);
            t[i] = static_cast<char>(x - predicted);
            cost += std::abs(static_cast<int8_t>(t[i]));
        }
        if (best < 0 || cost < best) best = cost, chosen = f;
    }
    out += static_cast<char>(chosen);
    out += tried[size_t(chosen)];
}

}  // namespace

std::string encodepng(const Picture& picture, const PngFields& fields) {
    const size_t rowbytes = 3 * static_cast<size_t>(picture.width);
    std::string rows, row(rowbytes, '\0'), above(rowbytes, '\0');
    rows.reserve(static_cast<size_t>(picture.height) * (1 + rowbytes));
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t p = picture.pixels[static_cast<size_t>(y) * picture.width + x];
            for (int k = 0; k < 3; ++k) row[size_t(3 * x + k)] = static_cast<char>((p >> (16 - 8 * k)) & 0xFF);
        }
        filtered(row, above, rows);
        std::swap(row, above);
    }
    return file(picture.width, picture.height, 8, 2, {}, rows, fields);
}

std::string encodeindexedpng(int width, int height, const std::vector<uint8_t>& indices,
                             const std::vector<uint32_t>& palette, const PngFields& fields) {
    const uint8_t depth = palette.size() <= 2 ? 1 : palette.size() <= 4 ? 2 : palette.size() <= 16 ? 4 : 8;
    const size_t perbyte = 8 / depth, rowbytes = (static_cast<size_t>(width) + perbyte - 1) / perbyte;
    std::string rows(static_cast<size_t>(height) * (1 + rowbytes), '\0');
    for (int y = 0; y < height; ++y) {
        char* row = rows.data() + static_cast<size_t>(y) * (1 + rowbytes) + 1;  // after its filter byte, none
        for (int x = 0; x < width; ++x) {
            const size_t bit = static_cast<size_t>(x) * depth;
            const unsigned index = indices[static_cast<size_t>(y) * width + x];
            row[bit / 8] = static_cast<char>(uint8_t(row[bit / 8]) | index << (8 - depth - bit % 8));
        }
    }
    std::string colours;
    for (const uint32_t c : palette)
        for (const int shift : {16, 8, 0}) colours += static_cast<char>((c >> shift) & 0xFF);
    return file(width, height, depth, 3, colours, rows, fields);
}

}  // namespace grafipix
