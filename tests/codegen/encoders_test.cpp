// The body lines of the scan and the DrawStat blocks, as exact text.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "codegen/drawstat.h"
#include "codegen/scan.h"
#include "tests/support/calc_interpreter.h"

namespace grafipix {
namespace {

using testing::utf8;

struct Stroke {
    int y, x0, x1;
    int16_t code;
};

TEST(Scan, BodyLines) {
    // Mode 2 lists a single cell only in the row with two strokes.
    const std::tuple<const char*, std::vector<Stroke>, float, const char*> rows[] = {
        {"ink run and an orange cell", {{10, 5, 9, ink}, {10, 20, 20, orange}}, 1, "F-Line 5,54,9,54\r\nOrange PxlOn 10,20\r\n"},
        {"mode 2 hands the cell to the lists", {{10, 5, 9, ink}, {10, 20, 20, orange}}, 2, "F-Line 5,54,9,54\r\n"},
        {"green over the whole top row", {{1, 1, 127, green}}, 1, "Green Horizontal 63\r\n"},
        {"bottom row from column 2 is no Horizontal", {{63, 2, 127, ink}}, 1, "F-Line 2,1,127,1\r\n"},
        {"run of 2", {{30, 40, 41, ink}}, 1, "F-Line 40,34,41,34\r\n"},
        {"run of 125", {{2, 1, 125, ink}}, 1, "F-Line 1,62,125,62\r\n"},
        {"run of 126 from column 1", {{2, 1, 126, orange}}, 1, "Orange F-Line 1,62,126,62\r\n"},
        {"run of 127", {{2, 1, 127, ink}}, 1, "Horizontal 62\r\n"},
        {"column 127 beside the same code in 128", {{10, 127, 128, ink}}, 1, "PxlOn 10,127\r\n"},
        {"run into column 128 ends at 127", {{10, 120, 128, ink}}, 1, "F-Line 120,54,127,54\r\n"},
        {"column 128 alone, mode 2", {{10, 128, 128, green}}, 2, ""},
        {"row 64, column 0 and row 0", {{64, 1, 128, ink}, {3, 0, 0, ink}, {0, 1, 128, ink}}, 1, ""},
    };
    for (const auto& [name, strokes, mode, lines] : rows) {
        Grid g;
        for (const Stroke& s : strokes)
            for (int x = s.x0; x <= s.x1; ++x) g.set(x, s.y, s.code);
        for (bool fa : {false, true}) {
            std::u16string text;
            PointLists points;
            scanimage(g, mode, fa ? u"Ù" : u"", text, points);
            std::string want = lines;
            for (size_t at = 0; fa && (at = want.find("\r\n", at)) != std::string::npos; at += 4) want.insert(at, "Ù");
            EXPECT_EQ(utf8(text), want) << name << (fa ? ", FA-124" : "");
            const int listed = points.pointcount(ink) + points.pointcount(green) + points.pointcount(orange);
            EXPECT_EQ(listed, mode == 2 && strokes.size() == 2 ? 1 : 0) << name << ": the listed cells";
        }
    }
}

std::string blocks(const PointLists& p, int c, const Flavour& f) {
    std::u16string text;
    emitdrawstat(p, c, f, text);
    return utf8(text);
}

TEST(DrawStat, BlocksInBothFlavoursOfAtMost255Points) {
    PointLists p;
    addpoint(p, ink, 10, 44);
    addpoint(p, ink, 30, 44);
    addpoint(p, ink, 5, 24);
    EXPECT_EQ(blocks(p, ink, fxinterface), "{10,30,5}ÞList 1\r\n{44,44,24}ÞList 2\r\nS-WindMan\r\n"
                                           "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Blue \r\nDrawStat\r\n");
    EXPECT_EQ(blocks(p, ink, fa124), "{10,30,5}ãList 1Ù\r\n{44,44,24}ãList 2Ù\r\nS-WindManÙ\r\n"
                                     "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Blue \r\nDrawStatÙ\r\n");
    EXPECT_EQ(blocks(p, green, fxinterface), "") << "a colour without points";

    for (auto [n, count] : {std::pair{255, 1}, {256, 2}, {511, 3}}) {
        PointLists many;
        for (int i = 0; i < n; ++i) addpoint(many, green, 1 + i % 127, 1 + i / 127);
        const std::string text = blocks(many, green, fxinterface);
        EXPECT_EQ(std::count(text.begin(), text.end(), '{'), 2 * count) << n << " points";
        EXPECT_EQ(std::count(text.begin(), text.begin() + text.find('}'), ','), 254) << n;
        // The 256th point (column 2, graph row 3) opens a block of its own.
        if (n == 256) {
            EXPECT_TRUE(text.ends_with("DrawStat\r\n{2}ÞList 1\r\n{3}ÞList 2\r\nS-WindMan\r\n"
                                       "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Green \r\nDrawStat\r\n"));
        }
    }
}

}  // namespace
}  // namespace grafipix
