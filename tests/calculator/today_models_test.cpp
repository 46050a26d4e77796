// The Graph 35+E II and the Graph 90+E: their entries and controls, the
// 90+E's white-only screen, its programs redrawn by the interpreter, and the
// import among its eight colours.

#include <gtest/gtest.h>

#include <random>

#include "app/main_controls.h"
#include "codegen/calc_interpreter.h"
#include "codegen/generator.h"
#include "codegen/tokens.h"
#include "formats/image_conversion.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using TodayModels = testing::EditorTest;

TEST_F(TodayModels, EntriesFollowTheGraph100AndEachShowsItsOwnControls) {
    std::vector<std::string> calc;
    for (const MenuRow& row : menutree())
        if (row.model) calc.push_back(row.caption);
    EXPECT_EQ(std::vector<std::string>(calc.begin() + 3, calc.begin() + 6),
              (std::vector<std::string>{"Graph 100", "Graph 35+E II", "Graph 90+E"}));

    play("g35e2");
    EXPECT_TRUE(ed.typcalc.caption == "Graph 35+E II" && ed.pixelgrid.columns() == 127 && ed.bgcasio.checked &&
                ed.button("pressblack")->backcolor == highlight && ed.drawstat.enabled && ed.exportcalc.enabled);

    // From the screen green the 90+E goes to white, which it keeps; DrawStat and the green go.
    play("presstruegreen g90");
    EXPECT_TRUE(ed.typcalc.caption == "Graph 90+E" && ed.pixelgrid.columns() == 379 && ed.pixelgrid.rows() == 187 &&
                ed.bgwhite.checked && !ed.bgcasio.checked && !ed.bgcasio.enabled && !ed.drawstat.enabled &&
                !ed.exportcalc.enabled && ed.curcolor == ink && ed.button("pressblack")->backcolor == highlight);
    EXPECT_FALSE(click("bgcasio") || click("drawstat"));
    // The eight buttons, none over the canvas, and none over another but for
    // the one-pixel rim that neighbours share, as the first models' do.
    std::vector<const ButtonRow*> shown;
    for (const ButtonRow& b : mainbuttons())
        if (!b.icon && ed.button(b.name)->visible) shown.push_back(&b);
    ASSERT_EQ(shown.size(), 8u);
    for (const ButtonRow* a : shown) {
        EXPECT_LE(a->left + a->width, canvasleft) << a->name;
        for (const ButtonRow* b : shown)
            EXPECT_TRUE(a == b || a->left + a->width <= b->left || b->left + b->width <= a->left ||
                        a->top + a->height - twipsperpixel <= b->top || b->top + b->height - twipsperpixel <= a->top)
                << a->name << " " << b->name;
    }
    // Every colour paints, replaces and reads back through the pipette.
    for (int code = 1; code < 8; ++code) {
        const ButtonRow* b = shown[code];
        play(std::string(b->name) + " Command1 d" + std::to_string(300 + code) + ",150");
    }
    play("pressmagenta Command8 d370,180");
    EXPECT_EQ(rows(301, 150, 7, 1), "1234567");
    EXPECT_EQ(ed.pixelgrid.get(1, 1), 4);
    play("presscyan " + replacename(4, false) + " Command12 d305,150");
    EXPECT_TRUE(ed.pixelgrid.get(1, 1) == 6 && ed.pixelgrid.get(304, 150) == 6 && ed.curcolor == 5);
    play("undo undo");
    EXPECT_EQ(ed.pixelgrid.get(379, 187), 0);
    play("g65");
    EXPECT_TRUE(ed.bgcasio.enabled && ed.drawstat.enabled && ed.bgwhite.checked && ed.pixelgrid.columns() == 127);
}

// A screen of another size opens at the largest factor whose window fits a
// 1280 x 800 desktop, or the one in use if smaller; the same size keeps it.
TEST_F(TodayModels, ASwitchOfScreenSizeOpensAtAZoomThatFitsTheDesktop) {
    EXPECT_TRUE(Editor::openingzoom({127, 63}) == 3 && Editor::openingzoom({379, 187}) == 1);
    for (const auto& [script, factor] : {std::pair{"zoom5 g35", 5}, {"g90", 1}, {"zoom4", 4}, {"g35e2", 3}, {"zoom1 g90 g65", 1}}) {
        play(script);
        EXPECT_EQ(ed.zoomfactor(), factor) << script;
    }
    play("zoomfit g90 g100");
    EXPECT_TRUE(ed.zoomfit.checked && !ed.zoom1.checked);
}

// Whatever the picture, both modes' programs draw it back exactly, with a
// colour word on every drawing line and never "White".
TEST(Graph90Programs, EveryProgramRedrawsItsPictureUnderTheInterpreter) {
    const Model& g90 = *findmodel("g90");
    std::mt19937 random(90);
    for (int round = 0; round < 6; ++round) {
        Grid grid(379, 187);
        // Runs of random length in random colours, sparse to dense.
        const int blank = 1 + round;
        for (int y = 1; y <= 187; ++y)
            for (int x = 1; x <= 379;) {
                const auto code = static_cast<int16_t>(random() % blank ? 0 : random() % 8);
                for (int n = 1 + static_cast<int>(random() % 6); n > 0 && x <= 379; --n) grid.set(x++, y, code);
            }
        for (const CodeMode mode : {CodeMode::fline, CodeMode::compact}) {
            const Program p = generateprogram(grid, g90, mode, round % 2 ? 20 : 0);
            const CalcRun run = runprogram(p.text, g90);
            ASSERT_TRUE(run.error.empty()) << run.error;
            int differ = 0;
            for (int y = 1; y <= 187; ++y)
                for (int x = 1; x <= 379; ++x) differ += run.screen[y][x] != grid.get(x, y);
            EXPECT_EQ(differ, 0) << "round " << round;
            EXPECT_EQ(run.pict, round % 2 ? 20 : 0);
            EXPECT_TRUE(p.text.starts_with(u"ClrGraph\r\nViewWindow 1,379,0,1,187,0\r\n") &&
                        p.text.find(u"White") == std::u16string::npos && tokenize(p.text, g90).error.empty());
            std::u16string_view rest = p.text;
            for (int line = 0; !rest.empty(); ++line) {
                const size_t end = std::min(rest.find(u"\r\n"), rest.size());
                const std::u16string_view l = rest.substr(0, end);
                rest.remove_prefix(std::min(end + 2, rest.size()));
                if (line >= 2 && !l.starts_with(u"StoPict ")) {
                    EXPECT_GT(g90.codeofword(l.substr(0, l.find(u' '))), 0) << std::string(l.begin(), l.end());
                }
            }
        }
    }
}

// The plain import takes the nearest of the eight colours; the dithered one
// mixes them so that a block's average comes back near the sample.
TEST(Graph90Import, NearestColourAndDitheringAmongTheEight) {
    const Model& g90 = *findmodel("g90");
    for (int code = 1; code < 8; ++code) {
        const wincolour c = g90.shown(code, 1);
        const wincolour near = (c & 0xC0C0C0) | (~c & 0x202020);  // each component moved by a quarter at most
        EXPECT_EQ(samplecode(near, g90, 1), std::optional<int16_t>(code)) << code;
    }
    EXPECT_EQ(samplecode(0xF0F0F0, g90, 1), std::nullopt);
    for (const wincolour sample : {wincolour{0x808080}, wincolour{0x4080C0}, wincolour{0x00A0FF}}) {
        Samples samples(81, 81);
        for (auto& column : samples.colour) std::fill(column.begin(), column.end(), sample);
        const SampleCodes codes = dithercodes(samples, g90, 1);
        double sum[3] = {0, 0, 0};
        for (int x = 1; x < 81; ++x)
            for (int y = 1; y < 81; ++y) {
                const wincolour got = g90.shown(codes[x][y].value_or(0), 1);
                sum[0] += redof(got), sum[1] += greenof(got), sum[2] += blueof(got);
            }
        const int want[3] = {redof(sample), greenof(sample), blueof(sample)};
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(sum[i] / 6400, want[i], 8) << std::hex << sample << " " << i;
    }
}

}  // namespace
}  // namespace grafipix
