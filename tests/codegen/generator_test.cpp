// The body lines and DrawStat blocks as exact text, and the generator run of
// the `Code` window: prompt, flavour, estimates, selection, the window's life.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "codegen/drawstat.h"
#include "codegen/generator.h"
#include "codegen/scan.h"
#include "tests/support/calc_interpreter.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::utf8;

const std::string header = "ClrGraph\r\nViewWindow 1,127,0,1,63,0\r\n", faheader = "ClrGraphÙ\r\nViewWindow 1,127,0,1,63,0Ù\r\n";

struct Stroke {
    int y, x0, x1;
    int16_t code;
};

TEST(Scan, BodyLines) {
    const std::tuple<const char*, std::vector<Stroke>, float, const char*, int> rows[] = {  // ..., cells listed
        {"ink run and an orange cell", {{10, 5, 9, ink}, {10, 20, 20, orange}}, 1, "F-Line 5,54,9,54\r\nOrange PxlOn 10,20\r\n", 0},
        {"mode 2 lists the cell", {{10, 5, 9, ink}, {10, 20, 20, orange}}, 2, "F-Line 5,54,9,54\r\n", 1},
        {"green over the whole top row", {{1, 1, 127, green}}, 1, "Green Horizontal 63\r\n", 0},
        {"columns 2 to 127 are no Horizontal", {{63, 2, 127, ink}}, 1, "F-Line 2,1,127,1\r\n", 0},
        {"126 from column 1 neither", {{2, 1, 126, orange}}, 1, "Orange F-Line 1,62,126,62\r\n", 0},
        {"column 127 beside 128, row 64, column 0", {{10, 127, 128, ink}, {64, 1, 128, ink}, {3, 0, 0, ink}}, 1, "PxlOn 10,127\r\n", 0},
    };
    for (const auto& [name, strokes, mode, lines, listed] : rows) {
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
            EXPECT_EQ(points.pointcount(ink) + points.pointcount(green) + points.pointcount(orange), listed) << name;
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
    for (auto [x, y] : {std::pair{10, 44}, {30, 44}, {5, 24}}) addpoint(p, ink, x, y);
    EXPECT_EQ(blocks(p, ink, fxinterface), "{10,30,5}ÞList 1\r\n{44,44,24}ÞList 2\r\nS-WindMan\r\n"
                                           "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Blue \r\nDrawStat\r\n");
    EXPECT_EQ(blocks(p, ink, fa124), "{10,30,5}ãList 1Ù\r\n{44,44,24}ãList 2Ù\r\nS-WindManÙ\r\n"
                                     "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Blue \r\nDrawStatÙ\r\n");
    for (int n : {255, 256}) {
        PointLists many;
        for (int i = 0; i < n; ++i) addpoint(many, green, 1 + i % 127, 1 + i / 127);
        const std::string text = blocks(many, green, fxinterface);
        EXPECT_EQ(std::count(text.begin(), text.end(), '{'), n == 255 ? 2 : 4) << n;
        EXPECT_EQ(std::count(text.begin(), text.begin() + text.find('}'), ','), 254) << n;
        EXPECT_TRUE(n == 255 || text.ends_with("DrawStat\r\n{2}ÞList 1\r\n{3}ÞList 2\r\nS-WindMan\r\n"
                                               "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Green \r\nDrawStat\r\n"));
    }
}

class Generator : public testing::EditorTest {
protected:
    std::string generate(float mode, const std::string& answer = "") {
        platform.inputs.push_back(answer);
        mode == 1.0f ? ed.fline_Click() : ed.drawstat_Click();
        ed.Code_Timer1_Timer();
        return utf8(ed.Code->Text1);
    }
    static std::string estimate(long n) { return "Il vous faudra un peu moins de " + std::to_string(n) + " bytes libres"; }
};

TEST_F(Generator, EmptyPictureInBothModesAndFlavours) {
    const std::tuple<float, bool, long> rows[] = {{1.0f, false, 25}, {2.0f, false, 29}, {1.0f, true, 27}, {2.0f, true, 31}};
    for (const auto& [mode, fa, bytes] : rows) {
        SCOPED_TRACE(std::string("mode ") + (mode == 1.0f ? "1" : "2") + (fa ? " FA-124" : " Fx"));
        ed.g85.checked = fa;
        EXPECT_EQ(generate(mode), fa ? faheader : header);
        EXPECT_EQ(ed.Code->bytes, estimate(bytes));
        EXPECT_EQ(ed.Code->Label1, "Copiez le code ci-dessous et collez le dans un nouveau programme ouvert dans " +
                                       std::string(fa ? "FA-124" : "Fx-interface") +
                                       ". Transmettez le ensuite à votre calculatrice et exécutez le programme. "
                                       "Mode d'emploi complet sur grafipix.example.org");
        EXPECT_EQ(ed.Code->progress, 221);
    }
}

TEST_F(Generator, PictureMemoryAnswers) {
    const std::tuple<const char*, int, int> rows[] = {  // answer, memory on blue ink, on black ink (0: none)
        {"0", 0, 0}, {"", 0, 0}, {"-5", 1, 1}, {"9", 6, 9}, {"35", 6, 20}, {"2.5", 2, 2}};
    for (int inkcolor : {1, 2}) {
        ed.inkcolor = inkcolor;
        for (const auto& [answer, blue, black] : rows) {
            SCOPED_TRACE(std::string("answer \"") + answer + "\" ink " + std::to_string(inkcolor));
            const int expected = inkcolor == 1 ? blue : black;
            EXPECT_EQ(generate(1.0f, answer), expected ? header + "StoPict " + std::to_string(expected) : header);
            EXPECT_EQ(platform.prompts.back(), "Si vous voulez que votre image se sauvegarde sur un picture (une fois le "
                                               "programme executé sur la calculatrice), indiquez le numéro du picture (1 à " +
                                                   std::string(inkcolor == 1 ? "6" : "20") + ") :|Picture");
            EXPECT_EQ(ed.Code->bytes, estimate(expected ? 4121 : 25));
        }
    }
}

TEST_F(Generator, EstimatesBlockOrderAndSelection) {
    // Mode 2: 20 per ink point below 255, a flat 5100 from there; green points never count.
    for (int n : {254, 255}) {
        ed.pixelgrid.clear();
        for (int i = 0; i < n; ++i) ed.pixelgrid.set(1 + 2 * (i % 63), 1 + i / 63, ink);
        ed.pixelgrid.set(2, 60, green);
        generate(2.0f);
        EXPECT_EQ(ed.Code->bytes, estimate((long(ed.Code->Text1.size()) + (n < 255 ? 20 * n : 5100)) * 8 / 10)) << n;
    }
    ed.pixelgrid.clear();
    ed.pixelgrid.set(5, 2, orange);
    ed.pixelgrid.set(9, 3, green);
    ed.pixelgrid.set(7, 4, ink);
    const std::string text = generate(2.0f);
    const size_t blue = text.find("Dot,Blue "), green = text.find("Dot,Green "), orange = text.find("Dot,Orange ");
    ASSERT_NE(orange, std::string::npos);
    EXPECT_LT(blue, green);
    EXPECT_LT(green, orange);
    EXPECT_TRUE(ed.Code->focus);
    EXPECT_EQ(std::pair(ed.Code->selstart, ed.Code->sellength), std::pair(0, int(ed.Code->Text1.size())));
}

TEST_F(Generator, EveryCommandRunsAfreshWithTheCurrentModeAndPicture) {
    ed.pixelgrid.set(20, 20, ink);
    EXPECT_NE(generate(2.0f).find("DrawStat"), std::string::npos);
    ed.pixelgrid.set(40, 20, ink);
    ed.g85.checked = true;
    EXPECT_EQ(generate(1.0f), faheader + "PxlOn 20,20Ù\r\nPxlOn 20,40Ù\r\n");
    EXPECT_EQ(platform.prompts.size(), 2u);
    EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "show Code"), 2);

    ed.fline_Click();  // closed with its tick pending: the window goes, nothing is asked
    ed.Code_Unload();
    EXPECT_FALSE(ed.Code.has_value());
    ed.Code_Timer1_Timer();
    EXPECT_EQ(platform.prompts.size(), 2u);
}

}  // namespace
}  // namespace grafipix
