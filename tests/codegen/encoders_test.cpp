// The body lines of the scan and the DrawStat blocks, as exact text.

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
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

Grid picture(const std::vector<Stroke>& strokes) {
    Grid g;
    for (const Stroke& s : strokes)
        for (int x = s.x0; x <= s.x1; ++x) g.set(x, s.y, s.code);
    return g;
}

std::string body(const Grid& g, float mode, std::u16string_view eol, PointLists& points) {
    std::u16string text;
    scanimage(g, mode, eol, text, points);
    return utf8(text);
}

using Points = std::vector<std::pair<int, int>>;

Points pointsof(const PointLists& p, int c) {
    Points out;
    for (size_t i = 0; i < p.listx[c].size(); ++i) out.emplace_back(p.listx[c][i], p.listy[c][i]);
    return out;
}

TEST(Scan, BodyLinesOfModeOne) {
    struct Row {
        const char* name;
        std::vector<Stroke> strokes;
        const char* lines;
    };
    const Row rows[] = {
        {"empty picture", {}, ""},
        {"ink run and an orange cell", {{10, 5, 9, ink}, {10, 20, 20, orange}}, "F-Line 5,54,9,54\r\nOrange PxlOn 10,20\r\n"},
        {"green over the whole top row", {{1, 1, 127, green}}, "Green Horizontal 63\r\n"},
        {"bottom row from column 2 is no Horizontal", {{63, 2, 127, ink}}, "F-Line 2,1,127,1\r\n"},
        {"ink, green pair, ink", {{5, 3, 3, ink}, {5, 4, 5, green}, {5, 6, 6, ink}},
         "PxlOn 5,3\r\nGreen F-Line 4,59,5,59\r\nPxlOn 5,6\r\n"},
        {"run of 2", {{30, 40, 41, ink}}, "F-Line 40,34,41,34\r\n"},
        {"run of 125", {{2, 1, 125, ink}}, "F-Line 1,62,125,62\r\n"},
        {"run of 126 from column 1", {{2, 1, 126, orange}}, "Orange F-Line 1,62,126,62\r\n"},
        {"run of 127", {{2, 1, 127, ink}}, "Horizontal 62\r\n"},
        {"column 127 beside the same code in 128", {{10, 127, 128, ink}}, "PxlOn 10,127\r\n"},
        {"run into column 128 ends at 127", {{10, 120, 128, ink}}, "F-Line 120,54,127,54\r\n"},
        {"column 128 alone", {{10, 128, 128, green}}, ""},
        {"row 64, column 0 and row 0", {{64, 1, 128, ink}, {3, 0, 0, ink}, {0, 1, 128, ink}}, ""},
        {"a run never wraps to the next row", {{3, 127, 127, ink}, {4, 1, 1, ink}}, "PxlOn 3,127\r\nPxlOn 4,1\r\n"},
        {"two colours side by side", {{20, 10, 12, green}, {20, 13, 14, orange}},
         "Green F-Line 10,44,12,44\r\nOrange F-Line 13,44,14,44\r\n"},
        {"a vertical line is single cells", {{10, 50, 50, ink}, {11, 50, 50, ink}}, "PxlOn 10,50\r\nPxlOn 11,50\r\n"},
    };
    for (const Row& r : rows) {
        PointLists points;
        EXPECT_EQ(body(picture(r.strokes), 1.0f, u"", points), r.lines) << r.name;
        for (int c = 1; c <= 3; ++c) EXPECT_EQ(points.pointcount(c), 0) << r.name;
    }
}

TEST(Scan, ModeTwoHandsSingleCellsToThePointListsInScanOrder) {
    PointLists points;
    Grid g = picture({{5, 3, 3, ink}, {5, 4, 5, green}, {5, 6, 6, ink}, {10, 5, 9, ink}, {10, 20, 20, orange},
                      {10, 127, 128, green}, {64, 7, 7, ink}});
    EXPECT_EQ(body(g, 2.0f, u"", points), "Green F-Line 4,59,5,59\r\nF-Line 5,54,9,54\r\n");
    EXPECT_EQ(pointsof(points, ink), (Points{{3, 59}, {6, 59}}));
    EXPECT_EQ(pointsof(points, green), (Points{{127, 54}}));
    EXPECT_EQ(pointsof(points, orange), (Points{{20, 54}}));
}

TEST(Scan, FaFlavourMarksEveryLineEnd) {
    PointLists points;
    Grid g = picture({{10, 5, 9, ink}, {10, 20, 20, orange}, {1, 1, 127, green}});
    EXPECT_EQ(body(g, 1.0f, u"Ù", points), "Green Horizontal 63Ù\r\nF-Line 5,54,9,54Ù\r\nOrange PxlOn 10,20Ù\r\n");
}

TEST(Scan, ProgressBeforeEachVisitedCellThenFull) {
    // Row 1 is one run: only its first cell is visited.
    std::vector<std::pair<double, double>> calls;
    std::u16string text;
    PointLists points;
    scanimage(picture({{1, 1, 127, ink}}), 1.0f, u"", text, points, [&](double d, double t) { calls.emplace_back(d, t); });
    ASSERT_EQ(calls.size(), 1u + 127u * 62u + 1u);
    EXPECT_EQ(calls[1], std::make_pair(2.0, 8192.0)) << "row 2, column 1";
    EXPECT_EQ(calls.back(), std::make_pair(8192.0, 8192.0));
}

std::u16string blocks(const PointLists& p, int c, const Flavour& f) {
    std::u16string text;
    emitdrawstat(p, c, f, text);
    return text;
}

TEST(DrawStat, BlockOfThreeInkPointsInBothFlavours) {
    PointLists p;
    addpoint(p, ink, 10, 44);
    addpoint(p, ink, 30, 44);
    addpoint(p, ink, 5, 24);
    EXPECT_EQ(utf8(blocks(p, ink, fxinterface)),
              "{10,30,5}ÞList 1\r\n{44,44,24}ÞList 2\r\nS-WindMan\r\n"
              "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Blue \r\nDrawStat\r\n");
    EXPECT_EQ(utf8(blocks(p, ink, fa124)),
              "{10,30,5}ãList 1Ù\r\n{44,44,24}ãList 2Ù\r\nS-WindManÙ\r\n"
              "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Blue \r\nDrawStatÙ\r\n");
    EXPECT_EQ(blocks(p, green, fxinterface), u"") << "a colour without points";
    EXPECT_EQ(blocks(p, orange, fa124), u"");
}

TEST(DrawStat, ChunksOfAtMost255Points) {
    const std::pair<int, long> rows[] = {{254, 1}, {255, 1}, {256, 2}, {510, 2}, {511, 3}};
    for (auto [n, count] : rows) {
        PointLists p;
        for (int i = 0; i < n; ++i) addpoint(p, green, 1 + i % 127, 1 + i / 127);
        std::string text = utf8(blocks(p, green, fxinterface));
        EXPECT_EQ(std::count(text.begin(), text.end(), '{'), 2 * count) << n << " points";
        EXPECT_EQ(std::count(text.begin(), text.begin() + text.find('}'), ','), std::min(n, 255) - 1) << n;
    }
    // The block after the first 255 holds the 256th point alone.
    PointLists p;
    for (int i = 0; i < 256; ++i) addpoint(p, ink, 1 + i % 127, 1 + i / 127);
    std::string text = utf8(blocks(p, ink, fxinterface));
    EXPECT_TRUE(text.ends_with("DrawStat\r\n{2}ÞList 1\r\n{3}ÞList 2\r\nS-WindMan\r\n"
                               "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Blue \r\nDrawStat\r\n"));
}

}  // namespace
}  // namespace grafipix
