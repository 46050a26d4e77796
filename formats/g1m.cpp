// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/g1m.h"

#include <algorithm>

namespace grafipix::g1m {

namespace {

constexpr std::string_view magic = "USBPower";

void putnumber(std::string& out, uint32_t n, int size) {
    for (int i = size - 1; i >= 0; --i) out += static_cast<char>((n >> (8 * i)) & 0xFF);
}

uint32_t number(std::string_view s, size_t at, int size) {
    uint32_t n = 0;
    for (int i = 0; i < size; ++i) n = n << 8 | static_cast<unsigned char>(s[at + i]);
    return n;
}

void putpadded(std::string& out, std::string_view s, size_t size) {
    out += s.substr(0, size);
    out.append(size - std::min(size, s.size()), '\0');
}

std::string_view unpadded(std::string_view s) { return s.substr(0, std::min(s.find('\0'), s.size())); }

// The header before inversion, for a file of `size` bytes.
std::string header(uint32_t size, int objects, Family family) {
    const bool g3m = family == Family::g3m;
    std::string h(magic);
    h += g3m ? '\x75' : '\x31';
    h += std::string_view("\x00\x10\x00\x10\x00", 5);
    h += static_cast<char>((size + 0x41) & 0xFF);
    h += '\x01';
    putnumber(h, size, 4);
    h += static_cast<char>((size + 0xB8) & 0xFF);
    h += g3m ? '\xFE' : '\xFF';
    h.append(6, '\xFF');
    h += g3m ? static_cast<char>(((size & 0xFF) + ((size >> 8) & 0xFF) - 0x10) & 0xFF) : '\xFF';
    h += g3m ? static_cast<char>((size - 0x17) & 0xFF) : '\xFF';
    putnumber(h, static_cast<uint32_t>(objects), 2);
    return h;
}

std::nullopt_t fails(std::string& fault, std::string why) {
    fault = std::move(why);
    return std::nullopt;
}

}  // namespace

bool validname(std::string_view name) {
    if (name.empty() || name.size() > 8 || name.front() == ' ' || name.back() == ' ') return false;
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' || c == '~' || c == '.' || c == '\''))
            return false;
    return true;
}

std::string nameprompt() { return "Nom du programme sur la calculatrice (8 caractères au plus) :"; }

std::string badname(std::string_view name) {
    return "Le nom « " + std::string(name) +
           " » ne convient pas : il faut de 1 à 8 caractères parmi les lettres majuscules A à Z, les chiffres, "
           "l'espace (ni au début ni à la fin) et ~ . '";
}

Object programobject(std::string_view name, std::string_view tokens) {
    Object o{"PROGRAM", "system", std::string(name), programkind, std::string(10, '\0')};
    o.body += tokens;
    o.body.append(4 - o.body.size() % 4, '\0');
    return o;
}

Object pictureobject(const Grid& grid, int number) {
    Object o{"PICTURE " + std::to_string(number), "main", "PICT" + std::to_string(number), picturekind,
             std::string(picturebytes, '\0')};
    // Row 1 of the screen is the sheet's first row, column 1 its first bit.
    for (int y = 1; y <= std::min(grid.rows(), sheetrows); ++y)
        for (int x = 1; x <= std::min(grid.columns(), sheetcolumns); ++x)
            if (grid.get(x, y) != 0) o.body[(y - 1) * rowbytes + (x - 1) / 8] |= static_cast<char>(0x80 >> ((x - 1) % 8));
    return o;
}

std::string writefile(const std::vector<Object>& objects, Family family) {
    size_t size = headersize;
    for (const Object& o : objects) size += subheadersize + o.body.size();
    std::string file = header(static_cast<uint32_t>(size), static_cast<int>(objects.size()), family);
    for (char& c : file) c = static_cast<char>(~c);
    file.reserve(size);
    for (const Object& o : objects) {
        putpadded(file, o.type, 16);
        putnumber(file, 1, 4);
        putpadded(file, o.folder, 8);
        putpadded(file, o.name, 8);
        file += static_cast<char>(o.kind);
        putnumber(file, static_cast<uint32_t>(o.body.size()), 4);
        file.append(3, '\0');
        file += o.body;
    }
    return file;
}

std::optional<std::vector<Object>> readfile(std::string_view file, std::string& fault, Family* family) {
    if (file.size() < headersize) return fails(fault, "shorter than the header");
    std::string h(file.substr(0, headersize));
    for (char& c : h) c = static_cast<char>(~c);
    const uint32_t size = number(h, 16, 4);
    if (size != file.size()) return fails(fault, "the header gives another size");
    const int count = static_cast<int>(number(h, 30, 2));
    const Family found = h[8] == '\x75' ? Family::g3m : Family::g1m;
    if (h != header(size, count, found)) return fails(fault, "a header field or check byte is wrong");
    if (family) *family = found;
    std::vector<Object> objects;
    size_t at = headersize;
    for (int i = 0; i < count; ++i) {
        if (file.size() - at < subheadersize) return fails(fault, "an object is cut off");
        const std::string_view sub = file.substr(at, subheadersize);
        Object o{std::string(unpadded(sub.substr(0, 16))), std::string(unpadded(sub.substr(20, 8))),
                 std::string(unpadded(sub.substr(28, 8))), static_cast<uint8_t>(sub[36]), {}};
        const uint32_t bodysize = number(sub, 37, 4);
        if (number(sub, 16, 4) != 1 || number(sub, 41, 3) != 0) return fails(fault, "a subheader field is wrong");
        at += subheadersize;
        if (file.size() - at < bodysize) return fails(fault, "a body is cut off");
        o.body = file.substr(at, bodysize);
        at += bodysize;
        objects.push_back(std::move(o));
    }
    if (at != file.size()) return fails(fault, "bytes after the last object");
    return objects;
}

bool pixel(std::string_view body, int x, int y) {
    const size_t at = static_cast<size_t>((y - 1) * rowbytes + (x - 1) / 8);
    return x >= 1 && y >= 1 && x <= sheetcolumns && y <= sheetrows && at < body.size() &&
           (static_cast<unsigned char>(body[at]) & (0x80 >> ((x - 1) % 8)));
}

}  // namespace grafipix::g1m
