// The model switch, the colour buttons and the replacement captions.

#include <gtest/gtest.h>

#include <array>

#include "app/main_controls.h"
#include "tests/support/editor_fixture.h"

namespace grafipix::testing {
namespace {

// The four "Remplacer" captions, disabled ones in brackets; their twins under
// Sélection must read the same. (That the buttons light up with the colour is
// the random sessions' to show.)
class ModelTest : public EditorTest {
protected:
    std::string options() const {
        std::string whole, sel;
        for (const char* source : {"repblue", "repgreen", "reporange", "repbg"}) {
            const MenuEntry &w = menu(source), &s = menu(std::string(source) + "sel");
            whole += (whole.empty() ? "" : ", ") + (w.enabled ? w.caption : "(" + w.caption + ")");
            sel += (sel.empty() ? "" : ", ") + (s.enabled ? s.caption : "(" + s.caption + ")");
        }
        return whole == sel ? whole : "twins differ: " + sel;
    }
};

// A switch folds the colours the new palette lacks into ink on the screen,
// never on the border nor in the buffer, and coming back does not unfold them;
// choosing the current model again runs every step. It leaves the ink chosen
// as its button's press would. Then each colour button sets the colour, the
// pen and the captions, redrawing or not.
TEST_F(ModelTest, EachModelFoldsAndEachButtonSetsItsColourPenAndCaptions) {
    const std::array<int, 3> cells[] = {{10, 10, 2}, {11, 10, 3}, {12, 10, 1}, {128, 10, 3}, {1, 1, 3}, {127, 63, 2}, {5, 0, 2}};
    for (auto [before, model] : {std::pair{"g65 bgcasio pressorange", "g65"}, {"g65 pressgreen", "g100"}, {"g65 bgwhite presswhite", "g85"}}) {
        SCOPED_TRACE(model);
        paint(1, 1, 1, 1, green);
        play("Command11 d1,1 d1,1");  // green in the buffer
        for (auto [x, y, code] : cells) paint(x, y, x, y, code);
        play(before);
        mark();
        click(model);
        const int codes = ed.currentmodel().codes();
        for (auto [x, y, code] : cells)
            EXPECT_EQ(picture().get(x, y), code >= codes && picture().onscreen(x, y) ? ink : code) << x << "," << y;
        EXPECT_EQ(buffer().get(1, 1), green) << "the selection buffer is not folded";
        EXPECT_TRUE(redrawn() && cellis(12, 10, shown(1)) && cellis(11, 10, shown(codes > 3 ? 3 : 1)));
        EXPECT_TRUE(colour() == ink && canvas().forecolor() == shown(1));
        EXPECT_TRUE(button("pressorange").visible == (codes > 3) && button("pressgreen").visible == (codes > 2));
        const std::string captions = options();
        click(ed.currentmodel().palette[ink].swatch(ed.backgroundkind()).name);
        EXPECT_EQ(options(), captions);
        const Grid folded = picture();
        click("g65");
        EXPECT_EQ(picture(), folded) << "coming back keeps them ink";
    }

    // Colour buttons: a colour of three, the Graph 100's ink, the back colour of a two-colour model.
    struct Press { const char *before, *name; int16_t code; wincolour pen; bool redraws; std::string options; } presses[] = {
        {"", "pressgreen", 2, greenink, false, "le bleu par le vert, (le vert par le vert), l'orange par le vert, le fond par le vert"},
        {"g100", "pressblack", 1, blackink, true, "(le noir par le noir), (le vert par le noir), (l'orange par le noir), le fond par le noir"},
        {"g85 bgcasio", "presstruegreen", 0, casioback, true, "le bleu par le fond, (le vert par le fond), (l'orange par le fond), (le fond par le fond)"},
        {"g65 bgwhite", "presswhite", 0, whiteback, true, "le bleu par le fond, le vert par le fond, l'orange par le fond, (le fond par le fond)"},
    };
    for (const Press& r : presses) {
        play(r.before);
        mark();
        ASSERT_TRUE(click(r.name));
        EXPECT_TRUE(colour() == r.code && canvas().forecolor() == r.pen && redrawn() == r.redraws) << r.name;
        EXPECT_EQ(options(), r.options) << r.name;
    }
}

// On every model and background the pipette leaves what pressing the button of
// the colour under it leaves, a refusal included, then gives the tool back at
// its step, the line's first point kept.
TEST_F(ModelTest, PipettePressesTheButtonOfTheColourUnderItThenGivesTheToolBack) {
    auto state = [this] {
        std::string out = std::to_string(colour()) + std::to_string(canvas().forecolor()) + caption("typcalc");
        for (const ButtonRow& b : mainbuttons()) out += std::to_string(button(b.name).backcolor);
        for (const MenuRow& m : menutree()) out += menu(m.name).caption + std::to_string(menu(m.name).enabled);
        return out;
    };
    for (std::string model : {"g35", "g65", "g85", "g100"})
        for (int16_t code = 0; code < 8; ++code) {
            const std::string setup = model + (code < 4 ? " bgwhite" : " bgcasio");
            play(setup);
            paint(30, 20, 30, 20, code % 4);
            const Model& m = ed.currentmodel();
            const bool taken = code % 4 < m.codes() && click(m.palette[code % 4].swatch(ed.backgroundkind()).name);
            const std::string pressed = state();
            play(setup + " Command3 d10,10 Command12");
            paint(30, 20, 30, 20, code % 4);
            down(30, 20);
            EXPECT_TRUE(state() == pressed && taken == (code % 4 < 2 || model == "g65") && tool() == (ToolCode{3, 1}) &&
                        caption("modelbl") == "Ligne, cliquez pour tracer la ligne") << model << code;
            down(20, 10);
            EXPECT_EQ(picture().get(15, 10), colour()) << model << code;
        }
}

}  // namespace
}  // namespace grafipix::testing
