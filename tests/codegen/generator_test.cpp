// SPDX-License-Identifier: GPL-3.0-or-later
// The DrawStat blocks and the estimates, random pictures redrawn by their
// program on a model of the calculator screen (the check that catches a wrong
// coordinate), the compact mode's choices, the calculator files, and the run of
// the `Code` window: prompt, flavour, estimates, selection, saving.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "formats/g1m.h"
#include "codegen/generator.h"
#include "codegen/tokens.h"
#include "formats/windows1252.h"
#include "codegen/calc_interpreter.h"
#include "calculator/model_table.h"
#include "tests/support/editor_fixture.h"
#include "tests/support/test_model.h"

namespace grafipix::testing {
namespace {

const Model& g65 = *findmodel("g65");

const std::u16string header = u"ClrGraph\r\nViewWindow 1,127,0,1,63,0\r\n";

// The DrawStat blocks of at most 255 points, in the order ink, green, orange,
// and the estimate: the text's bytes plus 20 a
// single ink cell below 255 of them, a flat 5100 from there, green points
// never counted. Then the picture number read like the prompt and clamped to
// the model's memories. That the lines draw the picture is the round trip's to
// show; the other estimates are the Code window's and the converter's.
TEST(Program, DrawStatBlocksEstimatesAndPictureNumbers) {
    for (auto [n, blocks, estimate] : {std::tuple{254, 3, 5561L}, {255, 3, 5581L}, {256, 4, 5657L}}) {
        Grid g(127, 63);
        for (int i = 0; i < n; ++i) g.set(1 + 2 * (i % 63), 1 + i / 63, ink);
        g.set(2, 60, green), g.set(5, 61, orange);
        const Program p = generateprogram(g, g65, CodeMode::drawstat, 0);
        EXPECT_EQ(p.bytesest, estimate) << n;
        EXPECT_EQ(std::count(p.text.begin(), p.text.end(), u'{'), 2 * blocks) << n;
        EXPECT_TRUE(p.text.find(u"Dot,Blue ") < p.text.find(u"Dot,Green ") && p.text.find(u"Dot,Green ") < p.text.find(u"Dot,Orange "));
    }
    const std::tuple<const char*, int, int> answers[] = {  // answer, memory on 1..6, on 1..20 (0: none)
        {"0", 0, 0}, {"", 0, 0}, {"-5", 1, 1}, {"9", 6, 9}, {"35", 6, 20}, {"2.5", 2, 2}, {"3,5", 4, 4},
        {" 7 ", 6, 7}, {"abc", 0, 0}, {"32767", 6, 20}, {"32768", 0, 0}, {"-32768", 1, 1}, {"1e3", 0, 0}};
    for (const auto& [answer, six, twenty] : answers) {
        const int16_t n = readpictnum(answer).value_or(0);
        EXPECT_TRUE(pictmemory(n, 6) == six && pictmemory(n, 20) == twenty) << '"' << answer << '"';
    }
}

// Scattered cells or dense noise, then row and column runs of every length in
// every code of the model, the borders included.
Grid randompicture(std::mt19937& rng, const Model& model = g65) {
    Grid g(model.screen.columns, model.screen.rows);
    const unsigned codes = unsigned(model.codes());
    std::bernoulli_distribution drawn(rng() % 2 ? 0.08 : 0.85);
    for (int y = 0; y <= g.maxy(); ++y)
        for (int x = 0; x <= g.maxx(); ++x)
            if (drawn(rng)) g.set(x, y, static_cast<int16_t>(1 + rng() % (codes - 1)));
    for (int i = 0; i < 60; ++i) {  // one run in four from the left edge, to meet full rows
        const int y = int(rng() % (g.maxy() + 1)), x0 = int(rng() % 4 ? rng() % (g.maxx() + 1) : rng() % 3);
        const int len = 1 + int(rng() % (g.maxx() + 2));
        const int16_t c = static_cast<int16_t>(rng() % codes);
        for (int x = x0; x < x0 + len; ++x)  // every other run down column 2y, half as long
            i % 2 ? g.set(y * 2, x / 2, c) : g.set(x, y, c);
    }
    return g;
}

TEST(RoundTrip, RandomPicturesComeBackInEveryModelAndModeTheCompactOneNeverLonger) {
    std::mt19937 rng(20240501);
    for (int picture = 0; picture < 24; ++picture) {
        const Model& model = models()[picture % models().size()];
        const Grid g = randompicture(rng, model);
        for (CodeMode mode : {CodeMode::fline, CodeMode::drawstat, CodeMode::compact}) {
            SCOPED_TRACE("picture " + std::to_string(picture) + " mode " + std::to_string(int(mode)) + " " + model.name);
            const int pict = 1 + picture % 6;
            const Program p = generateprogram(g, model, mode, pict);
            const CalcRun run = runprogram(p.text, model);
            ASSERT_EQ(run.error, "");
            EXPECT_EQ(run.pict, pict);
            for (int y = 1; y <= g.rows(); ++y)
                for (int x = 1; x <= g.columns(); ++x) ASSERT_EQ(run.screen[y][x], g.get(x, y)) << "cell " << x << "," << y;
            EXPECT_TRUE(mode == CodeMode::drawstat ? p.text.find(u"PxlOn") == std::u16string::npos : run.drawstats == 0);
            if (mode == CodeMode::compact) {  // in the calculator's own bytes
                const Tokens compact = tokenize(p.text, model), fline = tokenize(generateprogram(g, model, CodeMode::fline, pict).text, model);
                EXPECT_TRUE(compact.error.empty() && compact.bytes.size() <= fline.bytes.size()) << compact.error;
            }
        }
    }
}

// Columns where they take fewer bytes, or as many in fewer lines; rows where
// they are shorter or tie in both; a shared cell left to the line it saves a digit in.
TEST(Compact, ColumnsWinLoseAndTie) {
    const std::tuple<const char*, std::vector<std::array<int, 5>>, std::u16string> cases[] = {  // filled rectangles x0, y0, x1, y1, code
        {"a column of two wins", {{10, 20, 10, 21, ink}}, u"F-Line 10,44,10,43\r\n"},
        {"a column ties two PxlOn in bytes, in fewer lines", {{5, 5, 5, 6, ink}}, u"F-Line 5,59,5,58\r\n"},
        {"three columns lose to two rows", {{10, 20, 12, 21, green}}, u"Green F-Line 10,44,12,44\r\nGreen F-Line 10,43,12,43\r\n"},
        {"two columns tie two rows", {{10, 20, 11, 21, orange}}, u"Orange F-Line 10,44,11,44\r\nOrange F-Line 10,43,11,43\r\n"},
        {"an outline", {{5, 5, 14, 5, ink}, {5, 14, 14, 14, ink}, {5, 5, 5, 14, ink}, {14, 5, 14, 14, ink}},
         u"F-Line 5,59,14,59\r\nF-Line 5,59,5,50\r\nF-Line 14,59,14,50\r\nF-Line 5,50,14,50\r\n"},
        {"the column gives up the corner", {{3, 54, 20, 54, ink}, {3, 54, 3, 60, ink}}, u"F-Line 3,10,20,10\r\nF-Line 3,9,3,4\r\n"},
        {"full rows and a column", {{1, 1, 127, 2, ink}, {64, 1, 64, 63, ink}}, u"Horizontal 63\r\nF-Line 64,63,64,1\r\nHorizontal 62\r\n"},
    };
    for (const auto& [name, rectangles, body] : cases) {
        Grid g(127, 63);
        for (auto [x0, y0, x1, y1, code] : rectangles)
            for (int y = y0; y <= y1; ++y)
                for (int x = x0; x <= x1; ++x) g.set(x, y, int16_t(code));
        const Program p = generateprogram(g, g65, CodeMode::compact, 0);
        EXPECT_EQ(p.text, header + body) << name;
        EXPECT_EQ(p.bytesest, long(p.text.size()) * 7 / 10) << name;
    }
}

// Every token of the generator, byte for byte as the calculator's own files
// hold them, and a program file's header and subheader written out by hand.
TEST(G1m, TokensHeaderAndSubheaderAreTheCalculatorsBytes) {
    const Tokens t = tokenize(u"ClrGraphÙ\r\nViewWindow 1,127,0,1,63,0Ù\r\nGreen F-Line 5,54,9,54Ù\r\nHorizontal 1\r\nOrange PxlOn 10,20\r\n"
                              u"{5,7}ãList 1Ù\r\nS-WindMan\r\nS-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Blue \r\nDrawStat\r\nStoPict 6", g65);
    EXPECT_EQ(t.bytes, std::string("\xF7\x19\r\xEB" "1,127,0,1,63,0\r\xF7\xA7" "5,54,9,54\r\xF7\xA4" "1\r\xF7\xAB" "10,20\r{5,7}\x0E\x7F\x51" "1\r"
                               "\xF7\x61\r\xF7\x4A\xF7\xCC,\xF7\x50,\x7F\x51" "1,\x7F\x51" "2,1,\xF7\x4F\r\xF7\x23\r\xF7\x93" "6"));
    EXPECT_EQ(tokenize(u"ClrGraph\r\nPxlOn 1,é\r\n", g65).error, "la ligne 2 contient ce que la calculatrice ne connaît pas");

    std::string head = std::string("USBPower\x31\x00\x10\x00\x10\x00\xAD\x01\x00\x00\x00\x6C\x24", 21) + std::string(9, '\xFF') + std::string("\x00\x01", 2);
    for (char& c : head) c = static_cast<char>(~c);
    const std::string file = g1m::writefile({g1m::programobject("GRAFIPIX", tokenize(header, g65).bytes)});
    EXPECT_EQ(file.substr(0, 76), head + std::string("PROGRAM\0\0\0\0\0\0\0\0\0\0\0\0\1system\0\0GRAFIPIX\x01\0\0\0\x20\0\0\0", 44));
    Grid corners(127, 63);  // top-left is the first sheet's first bit, the most significant
    for (auto [x, y] : {std::pair{1, 1}, {9, 2}, {127, 63}}) corners.set(x, y, ink);
    const std::string sheet = g1m::pictureobject(corners, 1).body;
    EXPECT_TRUE(sheet[0] == '\x80' && sheet[17] == '\x80' && sheet[62 * 16 + 15] == '\x02' && std::count(sheet.begin(), sheet.end(), 0) == 2045);
    std::string fault;
    for (size_t i = 0; i < 32; ++i) {  // every header byte is checked
        std::string bad = file;
        bad[i] ^= 0x04;
        EXPECT_FALSE(g1m::readfile(bad, fault)) << "byte " << i;
    }
    EXPECT_FALSE(g1m::readfile(file.substr(0, 100), fault) || g1m::readfile(file + '\0', fault));
    for (auto [name, good] : {std::pair{"GRAFIPIX", true}, {"A.B~'9 Z", true}, {"", false}, {" A", false}, {"A ", false}, {"NEUFLETTRE", false}, {"dessin", false}, {"É", false}})
        EXPECT_EQ(g1m::validname(name), good) << name;
}

// Random pictures through both objects: the program read back is the
// generator's tokens, whatever the flavour (their bytes are the test above's to
// show), and the picture's first sheet is the grid's drawn screen cells, the
// second zero.
TEST(G1m, ProgramsAndPicturesReadBackAsTheGeneratorsTokensAndTheGrid) {
    Model fa = g65;  // the Graph 65/80's palette in the FA-124 text: both flavours give one file
    fa.flavour = &fa124;
    std::mt19937 rng(16);
    for (int picture = 0; picture < 8; ++picture) {
        const Grid g = randompicture(rng);
        for (CodeMode mode : {CodeMode::fline, CodeMode::drawstat}) {
            SCOPED_TRACE("picture " + std::to_string(picture) + " mode " + std::to_string(int(mode)));
            const std::u16string fx = generateprogram(g, g65, mode, 1 + picture).text;
            const Tokens t = tokenize(fx, g65);
            EXPECT_EQ(t.bytes, tokenize(generateprogram(g, fa, mode, 1 + picture).text, g65).bytes);
            std::string fault;
            const auto objects = g1m::readfile(g1m::writefile({g1m::programobject("P1", t.bytes), g1m::pictureobject(g, 1 + picture)}), fault);
            ASSERT_TRUE(objects) << fault;
            ASSERT_EQ(objects->size(), 2u);
            const g1m::Object &program = (*objects)[0], &pict = (*objects)[1];
            EXPECT_TRUE(program.type == "PROGRAM" && program.folder == "system" && program.name == "P1" && program.kind == 1);
            EXPECT_TRUE(pict.type == "PICTURE " + std::to_string(1 + picture) && pict.folder == "main" &&
                        pict.name == "PICT" + std::to_string(1 + picture) && pict.kind == 7 && pict.body.size() == 2048u);
            const size_t end = program.body.find_last_not_of('\0') + 1;
            EXPECT_TRUE(program.body.size() % 4 == 0 && program.body.size() - end >= 1 && program.body.size() - end <= 4 &&
                        program.body.find_first_not_of('\0') == 10);
            std::u16string back;
            ASSERT_TRUE(detokenize(std::string_view(program.body).substr(10, end - 10), back));
            EXPECT_EQ(tokenize(back, g65).bytes, t.bytes);
            for (int y = 1; y <= 64; ++y)
                for (int x = 1; x <= 128; ++x)
                    ASSERT_EQ(g1m::pixel(pict.body, x, y), x <= 127 && y <= 63 && g.get(x, y) != 0) << x << "," << y;
            EXPECT_EQ(pict.body.find_first_not_of('\0', 1024), std::string::npos);
        }
    }
}

using CodeWindow = EditorTest;

// Every command runs afresh, prompt included, with the current mode, model and
// picture; the whole text comes selected with the focus.
TEST_F(CodeWindow, EachRunAsksForThePictureInTheModelsRangeAndShowsTheWholeTextSelected) {
    paint(20, 20, 20, 20, ink);
    for (auto [script, mode, estimate] : {std::tuple{"g65 fline tick", CodeMode::fline, 4131L}, {"g100 fline tick", CodeMode::fline, 4131L},
                                          {"g85 compact tick", CodeMode::compact, 4133L}}) {
        platform.inputs.push_back("9");
        play(script);
        const Model& m = ed.currentmodel();
        const CodeForm& form = codeform();
        EXPECT_EQ(form.Text1, generateprogram(picture(), m, mode, pictmemory(9, m.lastpicture)).text) << script;
        EXPECT_EQ(platform.prompts.back(), codetexts::prompt(m.lastpicture) + "|Picture");
        EXPECT_TRUE(form.Label1 == codetexts::instruction(*m.flavour) && form.bytes == codetexts::estimate(estimate)) << script;
        EXPECT_TRUE(form.focus && form.progress == 221 && form.selstart == 0 && form.sellength == int(form.Text1.size())) << script;
    }
    EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "show Code"), 3);
    play("fline");  // closed with its tick pending: the window goes, nothing is asked
    ed.handle(Event::unload(Window::Code));
    play("tick");
    EXPECT_TRUE(!ed.codewindow() && platform.prompts.size() == 3u);
}

// The calculator screen and cost beside the text; the text and the .g1m
// files, the latter only where the model's calculators take them, under a name
// asked again until it fits.
TEST_F(CodeWindow, PreviewsAndSavesTheTextAndTheCalculatorFiles) {
    paint(3, 5, 9, 5, ink), paint(20, 20, 20, 20, ink);
    play("fline tick");
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x) ASSERT_EQ(codeform().preview.screen[y][x], picture().get(x, y)) << "preview " << x << "," << y;
    EXPECT_EQ(codeform().previewinfo, "4 instructions, 52 octets sur la calculatrice");  // 10 + 39 tokens + 3
    EXPECT_FALSE(click("savecalc") || click("exportcalc"));
    EXPECT_EQ(codeform().savecalc.tooltip, "La Graph 65/80 ne lit pas les fichiers .g1m : seules les Graph 35, Graph 85 et Graph 35+E II les lisent.");
    platform.saves = {"p.txt"};
    EXPECT_TRUE(click("savetext") && platform.files["p.txt"] == towindows1252(codeform().Text1));

    play("g85");  // the window stays open; its buttons follow the model
    platform.inputs = {"dessin", "NEUF CHARS", "JEU.2"};
    platform.saves = {"p.g1m"};
    EXPECT_TRUE(click("savecalc"));
    EXPECT_EQ(platform.messages, (std::vector{g1m::badname("dessin"), g1m::badname("NEUF CHARS")}));
    EXPECT_TRUE(platform.prompts.back().ends_with("|Programme|NEUF CHARS") && platform.prompts.end()[-3].ends_with("|Programme|GRAFIPIX"));
    std::string fault;
    const auto program = g1m::readfile(platform.files["p.g1m"], fault);
    ASSERT_TRUE(program && program->size() == 1u) << fault;
    EXPECT_TRUE((*program)[0].name == "JEU.2" && (*program)[0].body.substr(10, 39) == tokenize(codeform().Text1, g65).bytes);
    platform.saves = {"annule.g1m"};
    EXPECT_TRUE(click("savecalc") && platform.files.size() == 2u && platform.saves.size() == 1u);  // Cancel writes nothing

    platform.inputs = {"25", "abc"};
    platform.saves = {"pict.g1m"};
    play("exportcalc exportcalc");
    const auto pict = g1m::readfile(platform.files["pict.g1m"], fault);
    ASSERT_TRUE(pict && (*pict)[0].type == "PICTURE 20" && g1m::pixel((*pict)[0].body, 20, 20)) << fault;
    EXPECT_EQ(platform.messages.back(), "« abc » n'est pas un numéro de picture de 1 à 20 : rien n'est enregistré.");
    EXPECT_EQ(platform.files.size(), 3u);
}

}  // namespace
}  // namespace grafipix::testing
