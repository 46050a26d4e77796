// The model switch, the colour buttons and the replacement captions.

#include <gtest/gtest.h>

#include <array>

#include "app/main_controls.h"
#include "app/colour_buttons.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

class ModelTest : public testing::EditorTest {
protected:
    // A mark drawn straight on the canvas survives until the next redraw; the
    // pen is left on its colour, so the click under test must set it.
    void markcanvas() {
        ed.Picture1.setforecolor(0x123456);
        ed.Picture1.line(100, 50, 101, 50);
    }
    bool redrawn() const { return ed.Picture1.pixel(297, 147) != 0x123456; }

    std::string highlighted() const {
        std::string out;
        for (const ButtonRow& b : mainbuttons())
            if (ed.button(b.name)->backcolor == highlight) out += (out.empty() ? "" : " ") + std::string(b.name);
        return out;
    }
    // The four "Remplacer" captions, disabled ones in brackets; their twins
    // under Sélection must read the same.
    std::string options() const {
        std::string whole, sel;
        for (const char* source : {"repblue", "repgreen", "reporange", "repbg"}) {
            const MenuEntry *w = ed.menu(source), *s = ed.menu(std::string(source) + "sel");
            whole += (whole.empty() ? "" : ", ") + (w->enabled ? w->caption : "(" + w->caption + ")");
            sel += (sel.empty() ? "" : ", ") + (s->enabled ? s->caption : "(" + s->caption + ")");
        }
        return whole == sel ? whole : "twins differ: " + sel;
    }
};

// The fold of the one-colour models cannot be undone; choosing the current
// model again runs every step. Then each colour button sets the colour, the
// pen, the highlight and the captions, redrawing or not.
TEST_F(ModelTest, EachModelFoldsAndEachButtonSetsItsColourHighlightAndCaptions) {
    struct Switch { const char *before, *model, *typcalc, *ink; std::string options; } cases[] = {
        {"g65 bgcasio pressorange", "g65", "Graph 65", "pressblue",
         "(le bleu par le bleu), le vert par le bleu, l'orange par le bleu, le fond par le bleu"},
        {"g65 pressgreen", "g100", "Graph 100", "pressblack",
         "(le noir par le noir), (le vert par le noir), (l'orange par le noir), le fond par le noir"},
        {"g65 bgwhite presswhite", "g85", "Graph 85 (sd)", "pressblue",
         "(le bleu par le bleu), (le vert par le bleu), (l'orange par le bleu), le fond par le bleu"},
    };
    for (const Switch& r : cases) {
        SCOPED_TRACE(r.typcalc);
        play(r.before);
        // The first and the last cell of the screen fold too, column 128 never.
        for (auto [x, y, code] : {std::array{10, 10, 2}, {11, 10, 3}, {12, 10, 1}, {128, 10, 3}, {1, 1, 3}, {127, 63, 2}}) ed.doc.set(x, y, code);
        ed.doc.setbuffer(1, 1, 2);
        markcanvas();
        click(r.model);
        const bool fold = std::string(r.model) != "g65";
        for (auto [x, y, code] : {std::array{10, 10, fold ? 1 : 2}, {11, 10, fold ? 1 : 3}, {12, 10, 1}, {13, 10, 0}, {128, 10, 3},
                                  {1, 1, fold ? 1 : 3}, {127, 63, fold ? 1 : 2}})
            EXPECT_EQ(ed.pixelgrid.get(x, y), code) << x << "," << y;
        EXPECT_EQ(ed.selgrid.get(1, 1), 2) << "the selection buffer is not folded";
        EXPECT_TRUE(redrawn() && cellis(12, 10, ed.colourof(1)) && cellis(11, 10, fold ? ed.colourof(1) : orangeink));
        EXPECT_EQ(ed.typcalc.caption, r.typcalc);
        EXPECT_EQ(highlighted(), r.ink);
        EXPECT_TRUE(ed.curcolor == 1 && ed.Picture1.forecolor() == ed.colourof(1));
        EXPECT_EQ(options(), r.options);
        EXPECT_TRUE(ed.button("pressorange")->visible == !fold && ed.button("pressgreen")->visible == !fold);
        click("g65");
        EXPECT_EQ(ed.pixelgrid.get(10, 10), fold ? 1 : 2) << "coming back keeps them ink";
    }

    // Each colour button, in this order: green first, orange from the white background.
    struct Press { const char *before, *name; int16_t code; wincolour pen; bool redraws; std::string options; } presses[] = {
        {"", "pressgreen", 2, greenink, false, "le bleu par le vert, (le vert par le vert), l'orange par le vert, le fond par le vert"},
        {"bgwhite", "presswhite", 0, whiteback, true, "le bleu par le fond, le vert par le fond, l'orange par le fond, (le fond par le fond)"},
        {"", "pressorange", 3, orangeink, false, "le bleu par l'orange, le vert par l'orange, (l'orange par l'orange), le fond par l'orange"},
        {"g100", "pressblack", 1, blackink, true, "(le noir par le noir), (le vert par le noir), (l'orange par le noir), le fond par le noir"},
        {"g35", "presswhite", 0, whiteback, true, "le bleu par le fond, (le vert par le fond), (l'orange par le fond), (le fond par le fond)"},
        {"g85 bgcasio", "presstruegreen", 0, casioback, true, "le bleu par le fond, (le vert par le fond), (l'orange par le fond), (le fond par le fond)"},
    };
    for (const Press& r : presses) {
        SCOPED_TRACE(r.name);
        play(r.before);
        const std::string label = ed.typcalc.caption;
        markcanvas();
        ASSERT_TRUE(click(r.name));
        EXPECT_EQ(ed.curcolor, r.code);
        EXPECT_EQ(ed.Picture1.forecolor(), r.pen);
        EXPECT_EQ(redrawn(), r.redraws);
        EXPECT_EQ(highlighted(), r.name);
        EXPECT_EQ(options(), r.options);
        EXPECT_EQ(ed.typcalc.caption, label);
    }
}

// On every model and background the pipette leaves what pressing the button of
// the colour under it leaves, a refusal included, then gives the tool back.
TEST_F(ModelTest, PipettePressesTheButtonOfTheColourUnderItThenGivesTheToolBack) {
    testing::FakePlatform other;
    Editor twin(other);
    twin.handle(Event::load());
    auto shown = [](const Editor& e) {
        std::string out = std::to_string(e.curcolor) + std::to_string(e.Picture1.forecolor()) + e.typcalc.caption;
        for (const ButtonRow& b : mainbuttons()) out += std::to_string(e.button(b.name)->backcolor);
        for (const MenuRow& m : menutree()) out += e.entry(m).caption + std::to_string(e.entry(m).enabled);
        return out;
    };
    for (std::string model : {"g35", "g65", "g85", "g100"})
        for (int16_t code = 0; code < 8; ++code) {
            const std::string background = code < 4 ? "bgwhite" : "bgcasio";
            play(model + " " + background + " Command3 d10,10");
            twin.handle(Event::click(model)), twin.handle(Event::click(background));
            ed.doc.set(30, 20, code % 4), twin.doc.set(30, 20, code % 4);
            const Swatch* button = buttonof(ed, code % 4);
            const bool taken = button && twin.handle(Event::click(button->name));
            play("Command12 d30,20");
            EXPECT_TRUE(shown(ed) == shown(twin) && taken == (code % 4 < 2 || model == "g65") && ed.curtool == (ToolCode{3, 1}) &&
                        ed.modelbl.caption == "Ligne, cliquez pour tracer la ligne") << model << code;
        }
}

}  // namespace
}  // namespace grafipix
