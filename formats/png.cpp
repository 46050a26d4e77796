#include "formats/png.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace grafipix {

namespace {

constexpr std::array<uint32_t, 256> crctable = [] {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

void put32(std::string& out, uint32_t n) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((n >> shift) & 0xFF);
}

// Length, type, data, then the CRC-32 of type and data.
void chunk(std::string& out, std::string_view type, std::string_view data) {
    put32(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out += type;
    out += data;
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = start; i < out.size(); ++i) crc = crctable[(crc ^ static_cast<unsigned char>(out[i])) & 0xFF] ^ (crc >> 8);
    put32(out, ~crc);
}

// A zlib stream of stored blocks, each at most 65535 bytes, then the Adler-32
// of the data. Empty data still needs its one final block.
std::string stored(std::string_view data) {
    std::string out = "\x78\x01";  // deflate with a 32 KiB window; the pair a multiple of 31
    size_t at = 0;
    do {
        const auto n = static_cast<uint16_t>(std::min<size_t>(data.size() - at, 65535));
        out += static_cast<char>(at + n == data.size());  // the last block's flag
        for (const uint16_t half : {n, static_cast<uint16_t>(~n)}) out += static_cast<char>(half & 0xFF), out += static_cast<char>(half >> 8);
        out += data.substr(at, n);
        at += n;
    } while (at < data.size());
    uint32_t a = 1, b = 0;
    for (const unsigned char c : data) a = (a + c) % 65521, b = (b + a) % 65521;
    put32(out, b << 16 | a);
    return out;
}

}  // namespace

std::string encodepng(const Picture& picture, const std::vector<std::pair<std::string, std::string>>& fields) {
    std::string header;
    put32(header, static_cast<uint32_t>(picture.width));
    put32(header, static_cast<uint32_t>(picture.height));
    header += std::string_view("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter, no interlace

    std::string rows;
    rows.reserve(static_cast<size_t>(picture.height) * (1 + 3 * static_cast<size_t>(picture.width)));
    for (int y = 0; y < picture.height; ++y) {
        rows += '\0';  // the row's filter: none
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t p = picture.pixels[static_cast<size_t>(y) * picture.width + x];
            for (const int shift : {16, 8, 0}) rows += static_cast<char>((p >> shift) & 0xFF);
        }
    }

    std::string file = "\x89PNG\r\n\x1A\n";
    chunk(file, "IHDR", header);
    for (const auto& [key, value] : fields) chunk(file, "tEXt", key + '\0' + value);
    chunk(file, "IDAT", stored(rows));
    chunk(file, "IEND", {});
    return file;
}

}  // namespace grafipix
