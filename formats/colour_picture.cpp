// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/colour_picture.h"

#include <zlib.h>

#include <array>
#include <cstdio>

namespace grafipix::casiopicture {

namespace {

constexpr size_t datastart = 0xD0, footersize = 140;
constexpr std::string_view signature = "USBPower";
// The names at 0x20, by Layout.
constexpr std::array<std::string_view, 3> names{std::string_view("CP\0\1", 4), "CP0100Ly755", "CP0100Cy875"};

// The footer of the CP0100 layouts: its non-zero runs by offset.
constexpr std::array<std::pair<size_t, std::string_view>, 12> footerruns{{
    {0x00, "\x30\x31\x30\x30"},
    {0x07, "\x84\x60\x06\x30"},
    {0x14, "\x10\x06\x30"},
    {0x20, "\x10\x01"},
    {0x2C, "\x09\x83\x33\x33"},
    {0x38, "\x60\x03\x10"},
    {0x44, "\x10\x03\x10"},
    {0x50, "\x10\x01"},
    {0x68, "\x10\x06\x28\x31"},
    {0x6C, "\x85"},
    {0x74, "\x09\x86\x28\x32"},
    {0x80, "\x09\x86\x77\x42"},
}};

void put32(std::string& out, size_t at, uint32_t n) {
    for (int k = 0; k < 4; ++k) out[at + size_t(k)] = char(n >> (24 - 8 * k));
}
uint32_t get32(std::string_view b, size_t at) {
    uint32_t n = 0;
    for (int k = 0; k < 4; ++k) n = n << 8 | uint8_t(b[at + size_t(k)]);
    return n;
}
uint32_t get16(std::string_view b, size_t at) { return uint32_t(uint8_t(b[at])) << 8 | uint8_t(b[at + 1]); }

// Casio's own pictures store their stream inverted and turned left by 3 bits.
uint8_t hide(uint8_t b) { return uint8_t(~b << 3 | uint8_t(~b) >> 5); }
uint8_t unhide(uint8_t b) { return uint8_t(~(b >> 3 | b << 5)); }

bool plainstream(Layout l) { return l != Layout::cp; }

}  // namespace

bool casiofile(std::string_view bytes) {
    if (bytes.size() < signature.size()) return false;
    for (size_t i = 0; i < signature.size(); ++i)
        if (uint8_t(~bytes[i]) != uint8_t(signature[i])) return false;
    return true;
}

std::string write(const Pixels565& picture, Layout layout) {
    std::string raw;
    raw.reserve(picture.pixels.size() * 2);
    for (const uint16_t p : picture.pixels) raw += char(p >> 8), raw += char(p & 0xFF);
    // zlib's default level: what the calculators' own converters write.
    uLongf z = compressBound(uLong(raw.size()));
    std::string stream(z, '\0');
    compress2(reinterpret_cast<Bytef*>(stream.data()), &z, reinterpret_cast<const Bytef*>(raw.data()), uLong(raw.size()), 6);
    stream.resize(z);
    if (!plainstream(layout))
        for (char& c : stream) c = char(hide(uint8_t(c)));
    const size_t footer = plainstream(layout) ? footersize : 0;
    const uint32_t size = uint32_t(datastart + stream.size() + footer);
    const uint8_t s2 = uint8_t(size >> 8), s3 = uint8_t(size);

    std::string out(size, '\0');
    // The standard header, stored inverted.
    std::string header = std::string(signature) + std::string("\x7D\x00\x10\x00\x10\x00", 6);
    header += {char(s3 + 0x41), '\x01', 0, 0, 0, 0, char(s3 + 0xB8)};
    put32(header, 16, size);
    for (size_t i = 0; i < header.size(); ++i) out[i] = char(~header[i]);
    out[0x1C] = char(plainstream(layout) ? 7 - s2 - s3 : s2 + s3 + 0xAB);
    out[0x1D] = char(plainstream(layout) ? 0x16 - s3 : s3 + 0x98);
    const std::string_view name = names[size_t(layout)];
    out.replace(0x20, name.size(), name);
    put32(out, 0x30, size - 0x20);
    put32(out, 0x34, plainstream(layout) ? 9 : 1);
    put32(out, 0x38, uint32_t(stream.size() + 24));
    put32(out, 0x44, uint32_t(footer));
    out.replace(0xB8, 4, plainstream(layout) ? std::string_view("0100") : std::string_view("\0\1\0\0", 4));
    put32(out, 0xBC, uint32_t(stream.size() + 4));
    put32(out, 0xC0, uint32_t(picture.width));
    out[0xC4] = char(picture.height >> 8), out[0xC5] = char(picture.height);
    out[0xC6] = 0, out[0xC7] = 0x10;
    out[0xC8] = 1;
    put32(out, 0xCC, uint32_t(stream.size()));
    out.replace(datastart, stream.size(), stream);
    if (footer)
        for (const auto& [at, run] : footerruns) out.replace(size - footer + at, run.size(), run);
    return out;
}

std::optional<Pixels565> read(std::string_view bytes, std::string& error) {
    const auto fail = [&error](const char* why) { return error = why, std::nullopt; };
    if (!casiofile(bytes) || bytes.size() < datastart) return fail("ce n'est pas une image de calculatrice (.g3p ou .g4p)");
    Pixels565 out;
    size_t layout = 0;
    while (layout < names.size() && bytes.substr(0x20, 16).substr(0, names[layout].size()) != names[layout]) ++layout;
    if (layout == names.size() || uint8_t(~bytes[8]) != 0x7D) return fail("ce n'est pas une image de calculatrice (.g3p ou .g4p)");
    out.layout = Layout(layout);
    const uint32_t size = ~get32(bytes, 16), z = get32(bytes, 0xCC), depth = get16(bytes, 0xC6);
    out.width = int(get32(bytes, 0xC0)), out.height = int(get16(bytes, 0xC4));
    if (size != bytes.size() || z > bytes.size() - datastart) return fail("le fichier est incomplet ou endommagé");
    if (out.width <= 0 || out.height <= 0 || out.width > 4096 || out.height > 4096 || (depth != 0x10 && depth != 3))
        return fail("cette image de calculatrice a une taille ou une profondeur inconnue");
    std::string stream(bytes.substr(datastart, z));
    if (!plainstream(out.layout))
        for (char& c : stream) c = char(unhide(uint8_t(c)));
    const size_t count = size_t(out.width) * size_t(out.height);
    std::string raw(depth == 0x10 ? 2 * count : (count + 1) / 2, '\0');
    uLongf rawsize = uLongf(raw.size());
    if (uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawsize, reinterpret_cast<const Bytef*>(stream.data()), uLong(stream.size())) != Z_OK ||
        rawsize != raw.size())
        return fail("les données de l'image sont endommagées ou illisibles");
    out.pixels.resize(count);
    for (size_t i = 0; i < count; ++i) {
        if (depth == 0x10) {
            out.pixels[i] = uint16_t(uint8_t(raw[2 * i]) << 8 | uint8_t(raw[2 * i + 1]));
        } else {
            // Two pixels a byte, the earlier in the high half: red, green, blue each on or off.
            const int index = uint8_t(raw[i / 2]) >> (i % 2 ? 0 : 4) & 7;
            out.pixels[i] = uint16_t((index & 4 ? 0xF800 : 0) | (index & 2 ? 0x07E0 : 0) | (index & 1 ? 0x001F : 0));
        }
    }
    return out;
}

Pixels565 pictureof(const Grid& cells, std::span<const wincolour> colours) {
    Pixels565 out{width, height, std::vector<uint16_t>(size_t(width) * height, 0xFFFF)};
    for (int y = 1; y <= std::min(cells.rows(), height); ++y)
        for (int x = 1; x <= std::min(cells.columns(), width); ++x) {
            const int code = cells.get(x, y);
            if (code > 0 && size_t(code) < colours.size())
                out.pixels[size_t(y - 1) * width + size_t(x - 1)] = rgb565(colours[size_t(code)]);
        }
    return out;
}

std::string memoryname(int n) {
    char name[8];
    std::snprintf(name, sizeof name, "Pict%02d", n);
    return name;
}

}  // namespace grafipix::casiopicture
