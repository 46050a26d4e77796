// SPDX-License-Identifier: GPL-3.0-or-later
// The colour calculators' pictures: the bytes of the worked example, a second
// size computed by hand, every kind read back, damage refused.

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

#include "formats/colour_picture.h"

namespace grafipix::testing {
namespace {

using namespace casiopicture;

std::string hex(std::string_view bytes) {
    std::string out;
    char two[4];
    for (const char c : bytes) std::snprintf(two, sizeof two, "%02x ", uint8_t(c)), out += two;
    return out.substr(0, out.size() - 1);
}

Pixels565 white(int w, int h) { return {w, h, std::vector<uint16_t>(size_t(w) * h, 0xFFFF)}; }

TEST(ColourPicture, TheWorkedExampleByteForByte) {
    const std::string cp = write(white(width, height), Layout::cp), ly = write(white(width, height), Layout::cp0100ly755),
                      cy = write(white(width, height), Layout::cp0100cy875);
    EXPECT_EQ(cp.size(), 374u);
    EXPECT_EQ(ly.size(), 514u);
    EXPECT_EQ(hex(cp.substr(0, 64)),
              "aa ac bd af 90 88 9a 8d 82 ff ef ff ef ff 48 fe ff ff fe 89 d1 00 00 00 00 00 00 00 22 0e 00 00 "
              "43 50 00 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01 56 00 00 00 01 00 00 00 be 00 00 00 00");
    EXPECT_EQ(hex(ly.substr(0, 64)),
              "aa ac bd af 90 88 9a 8d 82 ff ef ff ef ff bc fe ff ff fd fd 45 00 00 00 00 00 00 00 03 14 00 00 "
              "43 50 30 31 30 30 4c 79 37 35 35 00 00 00 00 00 00 00 01 e2 00 00 00 09 00 00 00 be 00 00 00 00");
    EXPECT_EQ(hex(cy.substr(0x26, 5)), "43 79 38 37 35");
    EXPECT_EQ(cy.substr(0, 0x26) + cy.substr(0x2B), ly.substr(0, 0x26) + ly.substr(0x2B));
    EXPECT_EQ(hex(cp.substr(0xB8, 26)), "00 01 00 00 00 00 00 aa 00 00 01 80 00 c0 00 10 01 00 00 00 00 00 00 a6 3c 1b");
    EXPECT_EQ(hex(ly.substr(0xB8, 26)), "30 31 30 30 00 00 00 aa 00 00 01 80 00 c0 00 10 01 00 00 00 00 00 00 a6 78 9c");
    // Between the headers only zeros, but for the footer's length in CP0100.
    EXPECT_EQ(cp.substr(0x3C, 0xB8 - 0x3C), std::string(0xB8 - 0x3C, '\0'));
    EXPECT_EQ(hex(ly.substr(0x44, 4)), "00 00 00 8c");
    // The footer: 30 31 30 30 at its start, 85 at 108, and the stream's Adler-32 just before it.
    EXPECT_EQ(hex(ly.substr(514 - 140, 4)) + " " + hex(ly.substr(514 - 140 + 108, 1)), "30 31 30 30 85");
    const std::string raw(size_t(width) * height * 2, '\xFF');
    EXPECT_EQ(uint32_t(adler32(1, reinterpret_cast<const Bytef*>(raw.data()), uInt(raw.size()))),
              uint32_t(uint8_t(ly[514 - 144]) << 24 | uint8_t(ly[514 - 143]) << 16 | uint8_t(ly[514 - 142]) << 8 | uint8_t(ly[514 - 141])));
}

// 10 x 3 pixels of one colour, worked by hand from the layout: the stream of
// 60 bytes of 0x12 0x34 deflates to Z bytes, S = 0xD0 + Z (CP), the checks
// from S's two low bytes.
TEST(ColourPicture, ASecondSizeByHand) {
    const Pixels565 p{10, 3, std::vector<uint16_t>(30, 0x1234)};
    const std::string raw = [] { std::string r; for (int i = 0; i < 30; ++i) r += "\x12\x34"; return r; }();
    uLongf z = compressBound(uLong(raw.size()));
    std::string stream(z, '\0');
    compress2(reinterpret_cast<Bytef*>(stream.data()), &z, reinterpret_cast<const Bytef*>(raw.data()), uLong(raw.size()), 6);
    const std::string file = write(p, Layout::cp);
    const size_t s = 0xD0 + z;
    ASSERT_EQ(file.size(), s);
    const uint8_t s2 = uint8_t(s >> 8), s3 = uint8_t(s);
    EXPECT_EQ(uint8_t(~file[14]), uint8_t(s3 + 0x41));
    EXPECT_EQ(uint8_t(~file[20]), uint8_t(s3 + 0xB8));
    EXPECT_EQ(uint8_t(file[0x1C]), uint8_t(s2 + s3 + 0xAB));
    EXPECT_EQ(uint8_t(file[0x1D]), uint8_t(s3 + 0x98));
    EXPECT_EQ(hex(file.substr(0xC0, 8)), "00 00 00 0a 00 03 00 10");
    EXPECT_EQ(uint8_t(file[0xCB + 4]), uint8_t(z));
    // The stream inverted and turned left by three bits: 78 9C reads 3C 1B.
    EXPECT_EQ(hex(file.substr(0xD0, 2)), "3c 1b");
    const std::string g4p = write(p, Layout::cp0100cy875);
    const size_t s4 = 0xD0 + z + 140;
    EXPECT_EQ(g4p.size(), s4);
    EXPECT_EQ(uint8_t(g4p[0x1C]), uint8_t(7 - uint8_t(s4 >> 8) - uint8_t(s4)));
    EXPECT_EQ(uint8_t(g4p[0x1D]), uint8_t(0x16 - uint8_t(s4)));
    EXPECT_EQ(g4p.substr(0xD0, z), stream.substr(0, z));
}

TEST(ColourPicture, EveryKindReadsBackAndDamageIsRefused) {
    std::mt19937 random(3);
    Pixels565 p{width, height, std::vector<uint16_t>(size_t(width) * height)};
    for (uint16_t& v : p.pixels) v = uint16_t(random());
    for (const Layout l : {Layout::cp, Layout::cp0100ly755, Layout::cp0100cy875}) {
        std::string error;
        const std::string file = write(p, l);
        const std::optional<Pixels565> back = read(file, error);
        ASSERT_TRUE(back) << error;
        EXPECT_TRUE(back->pixels == p.pixels && back->width == width && back->height == height && back->layout == l);
        for (const size_t cut : {size_t(10), size_t(0xD0), file.size() - 1}) EXPECT_FALSE(read(file.substr(0, cut), error)) << cut;
        std::string damaged = file;
        damaged[0xD0 + 40] = char(damaged[0xD0 + 40] ^ 0x5A);
        EXPECT_FALSE(read(damaged, error));
        EXPECT_FALSE(error.empty());
    }
    // 3-bit pictures: two pixels a byte, red, green and blue on or off.
    std::string file = write(white(2, 1), Layout::cp0100ly755);
    const std::string raw("\x41", 1);  // red then blue
    uLongf z = compressBound(1);
    std::string stream(z, '\0');
    compress2(reinterpret_cast<Bytef*>(stream.data()), &z, reinterpret_cast<const Bytef*>(raw.data()), 1, 6);
    stream.resize(z);
    std::string three = file.substr(0, 0xD0) + stream + file.substr(file.size() - 140);
    for (int k = 0; k < 4; ++k) three[16 + k] = char(~(uint8_t(three.size() >> (24 - 8 * k))));
    three[0xC7] = 3;
    for (int k = 0; k < 4; ++k) three[0xCC + k] = char(uint8_t(z >> (24 - 8 * k)));
    std::string error;
    const std::optional<Pixels565> back = read(three, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->pixels, (std::vector<uint16_t>{0xF800, 0x001F}));
    EXPECT_FALSE(read("pas une image", error));
}

}  // namespace
}  // namespace grafipix::testing
