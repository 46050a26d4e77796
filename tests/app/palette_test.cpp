// SPDX-License-Identifier: GPL-3.0-or-later
// A free palette through the editor's events: the panel, the colour dialog's
// edits, the colours dropped, the replacement form, the pipette, and undo and
// redo of all of them bringing palette and cells back together.

#include <gtest/gtest.h>

#include <random>

#include "codegen/generator.h"
#include "tests/support/editor_fixture.h"
#include "tests/support/test_model.h"

namespace grafipix::testing {
namespace {

class FreePalette : public EditorTest {
protected:
    FreePalette() { play("free"), forgetsteps(); }
    struct State {
        Grid cells;
        Palette colours;
        bool operator==(const State&) const = default;
    };
    State state() const { return {picture(), palette()}; }
    // What each cell shows: the same after a renumbering of the codes.
    std::vector<wincolour> looks() const {
        std::vector<wincolour> out;
        for (int y = 1; y <= picture().rows(); ++y)
            for (int x = 1; x <= picture().columns(); ++x) out.push_back(shown(picture().get(x, y)));
        return out;
    }
};

TEST_F(FreePalette, EachEditIsAStepAndUndoRedoBringPaletteAndCellsBackTogether) {
    EXPECT_TRUE(palette() == Palette(freetestmodel().colours()) && menu("palette").visible && !button("freeblack").visible);
    std::vector<State> states{state()};
    const auto step = [&](const std::string& events) { play(events), states.push_back(state()); };
    platform.colourpicks = {0x123456, 0xABCDEF, 0x00FF7F};
    play("Command1");
    step("d10,10");       // a point in the ink
    step("addcolour");    // a fifth colour, now the drawing colour
    EXPECT_TRUE(palette().size() == 5 && palette()[4] == on565(0x123456) && colour() == 4);
    step("d20,20");
    step("editcolour");   // the drawing colour changes, its cells with it
    EXPECT_TRUE(palette()[4] == on565(0xABCDEF) && cellis(20, 20, on565(0xABCDEF)));
    play("swatch2");
    step("d30,30");
    step("addcolour");
    step("d40,40");
    const std::vector<wincolour> before = looks();
    step("dropunused");                // blue (3) goes: the new colours close up under it
    EXPECT_EQ(palette(), (Palette{0xFFFFFF, 0x000000, 0x0000FF, on565(0xABCDEF), on565(0x00FF7F)}));
    EXPECT_TRUE(looks() == before && colour() == 4) << "the cells keep their colours, the drawing colour too";
    for (size_t n = states.size() - 1; n > 0; --n) {
        play("undo");
        ASSERT_EQ(state(), states[n - 1]) << "undo to " << n - 1;
        ASSERT_LT(colour(), int(palette().size()));
    }
    for (size_t n = 1; n < states.size(); ++n) ASSERT_TRUE(click("redo") && state() == states[n]) << "redo to " << n;
}

TEST_F(FreePalette, DialogsCancelledOrRefusedChangeNothing) {
    const State start = state();
    play("swatch1 editcolour addcolour");  // no answers: both dialogs cancelled
    EXPECT_TRUE(state() == start && ed.undoable() == 0 && platform.prompts.size() == 2);
    // The back colour stays white: its edit cannot be chosen.
    EXPECT_TRUE(click("swatch0") && !menu("editcolour").enabled && !click("editcolour"));
    // Up to the model's 256 colours, then no more.
    for (int n = int(palette().size()); n < 256; ++n) platform.colourpicks.push_back(wincolour(n * 997));
    while (menu("addcolour").enabled) play("addcolour");
    EXPECT_TRUE(palette().size() == 256 && !click("addcolour") && colour() == 255);
    EXPECT_TRUE(click("swatch255") && !click("swatch256") && !click("swatch-1") && !click("swatchx"));
    // Nothing used but the back colour and the drawing colour: everything else goes.
    play("dropunused");
    EXPECT_TRUE(palette().size() == 2 && colour() == 1 && palette()[1] == on565(255 * 997));
    // On a fixed palette there is no panel, no "Palette" menu and no form.
    play("g65");
    EXPECT_TRUE(palette().empty() && !menu("palette").visible && !click("swatch1") && !click("dropunused") &&
                !click("repchoose") && click("repgreen"));
}

TEST_F(FreePalette, PipetteFillAndReplacementTakeAnyCode) {
    std::mt19937 random(33);
    for (int n = 0; n < 40; ++n) platform.colourpicks.push_back(random() & 0xFFFFFF);
    while (!platform.colourpicks.empty()) play("addcolour");
    paint(1, 1, 150, 80, [](int x, int y) { return (x / 10 + y / 10) % 44; });
    play("swatch0 Command12 d15,5");  // the pipette from the back colour: code 1
    EXPECT_EQ(colour(), 1);
    play("Command12 d95,25");  // (9 + 2) % 44
    EXPECT_EQ(colour(), 11);
    play("Command8 d1,1");  // fill the top-left square, code 0... in 11
    EXPECT_TRUE(picture().get(1, 1) == 11 && picture().get(9, 9) == 11 && picture().get(11, 1) == 1);
    // The replacement form: every 43 becomes 2, in the whole picture, then 11 becomes 40 in a selection.
    EXPECT_FALSE(click("repblue")) << "one entry a code would not do for 256: the form replaces them";
    platform.replacements = {{43, 2}};
    play("repchoose");
    EXPECT_EQ(platform.prompts.back(), "Remplacer une couleur|44|0|11");
    for (int y = 1; y <= 80; ++y)
        for (int x = 1; x <= 150; ++x) ASSERT_NE(picture().get(x, y), 43);
    platform.replacements = {{11, 40}};
    play("Command11 d1,1 d20,20 repchoosesel");
    EXPECT_TRUE(picture().get(1, 1) == 40 && picture().get(95, 25) == 11);
}

// A program can name only the model's colours: the others are drawn in the
// nearest of them, which the window says and its preview shows; the default
// colours draw exactly as on a fixed palette.
TEST_F(FreePalette, BasicDrawsTheNearestNamedColour) {
    platform.colourpicks = {0x1010F0, 0x202020};  // nearly red, nearly black
    play("addcolour d10,10 addcolour d11,10 swatch3 d12,10");
    platform.inputs = {"0"};
    play("fline tick");
    EXPECT_NE(codeform().previewinfo.find("2 couleurs du dessin n'existent pas en Basic : chacune est dessinée avec la plus proche des 4."),
              std::string::npos) << codeform().previewinfo;
    const std::vector<uint32_t>& shows = codeform().preview.colours;
    const auto at = [&](int x) { return shows[size_t(codeform().preview.screen[10][x])]; };
    EXPECT_TRUE(at(10) == 0x0000FF && at(11) == 0x000000 && at(12) == 0xFF0000);
    for (const Model* m : {&freetestmodel(), findmodel("g90")}) {
        Grid g(m->screen.columns, m->screen.rows);
        for (int x = 1; x <= g.columns(); ++x) g.set(x, 1 + x % g.rows(), int16_t(x % m->codes()));
        for (const CodeMode mode : {CodeMode::fline, CodeMode::compact})
            EXPECT_EQ(generateprogram(g, *m, mode, 3, {}, m->colours()).text, generateprogram(g, *m, mode, 3).text) << m->name;
    }
}

}  // namespace
}  // namespace grafipix::testing
