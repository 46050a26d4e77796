// The model switch, the colour buttons and the replacement captions.

#include <gtest/gtest.h>

#include "core/main_controls.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

class ModelTest : public testing::EditorTest {
protected:
    // A mark drawn straight on the canvas survives until the next redraw.
    void markcanvas() {
        wincolour pen = ed.Picture1.forecolor();
        ed.Picture1.setforecolor(0x123456);
        ed.Picture1.line(100, 50, 101, 50);
        ed.Picture1.setforecolor(pen);
    }
    bool redrawn() const { return ed.Picture1.pixel(297, 147) != 0x123456; }

    std::string highlighted() const {
        std::string out;
        for (const ButtonRow& b : mainbuttons())
            if ((ed.*b.button).backcolor == highlight) out += (out.empty() ? "" : " ") + std::string(b.name);
        return out;
    }
    // The four "Remplacer" captions, disabled ones in brackets; their twins
    // under Sélection must read the same.
    std::string options() const {
        std::string whole, sel;
        for (auto [w, s] : {std::pair{&ed.repblue, &ed.repbluesel}, {&ed.repgreen, &ed.repgreensel},
                            {&ed.reporange, &ed.reporangesel}, {&ed.repbg, &ed.repbgsel}}) {
            whole += (whole.empty() ? "" : ", ") + (w->enabled ? w->caption : "(" + w->caption + ")");
            sel += (sel.empty() ? "" : ", ") + (s->enabled ? s->caption : "(" + s->caption + ")");
        }
        return whole == sel ? whole : "twins differ: " + sel;
    }
};

// The fold of the one-colour models cannot be undone; choosing the current
// model again runs every step.
TEST_F(ModelTest, EachModelFoldsRedrawsHighlightsItsInkAndSetsItsCaptions) {
    struct Row { Handler from, model; const char* typcalc; const char* ink; std::string options; } rows[] = {
        {&Editor::pressorange_Click, &Editor::g65_Click, "Graph 65", "pressblue",
         "(le bleu par le bleu), le vert par le bleu, l'orange par le bleu, le fond par le bleu"},
        {&Editor::pressgreen_Click, &Editor::g100_Click, "Graph 100", "pressblack",
         "(le noir par le noir), (le vert par le noir), (l'orange par le noir), le fond par le noir"},
        {&Editor::presswhite_Click, &Editor::g85_Click, "Graph 85 (sd)", "pressblue",
         "(le bleu par le bleu), (le vert par le bleu), (l'orange par le bleu), le fond par le bleu"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typcalc);
        ed.g65_Click();
        (ed.*(r.from == &Editor::presswhite_Click ? &Editor::bgwhite_Click : &Editor::bgcasio_Click))();
        (ed.*r.from)();
        for (auto [x, code] : {std::pair{10, 2}, {11, 3}, {12, 1}, {128, 3}}) ed.pixelgrid.set(x, 10, code);
        ed.selgrid.set(1, 1, 2);
        markcanvas();
        (ed.*r.model)();
        const bool fold = r.model != &Editor::g65_Click;
        for (auto [x, code] : {std::pair{10, fold ? 1 : 2}, {11, fold ? 1 : 3}, {12, 1}, {13, 0}, {128, 3}})
            EXPECT_EQ(ed.pixelgrid.get(x, 10), code) << "x " << x;
        EXPECT_EQ(ed.selgrid.get(1, 1), 2) << "the selection buffer is not folded";
        EXPECT_TRUE(redrawn() && cellis(12, 10, ed.colourof(1)) && cellis(11, 10, fold ? ed.colourof(1) : orangeink));
        EXPECT_EQ(ed.typcalc.caption, r.typcalc);
        EXPECT_EQ(highlighted(), r.ink);
        EXPECT_TRUE(ed.curcolor == 1 && ed.Picture1.forecolor() == ed.colourof(1));
        EXPECT_EQ(options(), r.options);
        EXPECT_TRUE(ed.pressorange.visible == !fold && ed.pressgreen.visible == !fold);
        ed.g65_Click();
        EXPECT_EQ(ed.pixelgrid.get(10, 10), fold ? 1 : 2) << "coming back keeps them ink";
    }
}

// In this order from the start state: green first, orange from the white background.
TEST_F(ModelTest, EachButtonSetsColourPenRedrawAndCaptions) {
    struct Row { const char* name; std::vector<Handler> before; Handler press; int16_t code; wincolour pen; bool redraws; std::string options; } rows[] = {
        {"pressgreen", {}, &Editor::pressgreen_Click, 2, greenink, false, "le bleu par le vert, (le vert par le vert), l'orange par le vert, le fond par le vert"},
        {"presswhite", {&Editor::bgwhite_Click}, &Editor::presswhite_Click, 0, whiteback, true, "le bleu par le fond, le vert par le fond, l'orange par le fond, (le fond par le fond)"},
        {"pressorange", {}, &Editor::pressorange_Click, 3, orangeink, false, "le bleu par l'orange, le vert par l'orange, (l'orange par l'orange), le fond par l'orange"},
        {"pressblack", {&Editor::g100_Click}, &Editor::pressblack_Click, 1, blackink, true, "(le noir par le noir), (le vert par le noir), (l'orange par le noir), le fond par le noir"},
        {"presswhite", {&Editor::g35_Click}, &Editor::presswhite_Click, 0, whiteback, true, "le bleu par le fond, (le vert par le fond), (l'orange par le fond), (le fond par le fond)"},
        {"presstruegreen", {&Editor::g85_Click, &Editor::bgcasio_Click}, &Editor::presstruegreen_Click, 0, casioback, true, "le bleu par le fond, (le vert par le fond), (l'orange par le fond), (le fond par le fond)"},
    };
    ed.pixelgrid.set(2, 2, 1);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        for (Handler h : r.before) (ed.*h)();
        ed.typcalc.caption = "";
        markcanvas();
        (ed.*r.press)();
        EXPECT_TRUE(ed.curcolor == r.code && ed.inkcolor == (r.pen == blackink ? 2 : 1));
        EXPECT_EQ(ed.Picture1.forecolor(), r.pen);
        EXPECT_EQ(redrawn(), r.redraws);
        EXPECT_EQ(highlighted(), r.name);
        EXPECT_EQ(options(), r.options);
        EXPECT_EQ(ed.typcalc.caption, r.press == &Editor::pressblack_Click ? "Graph 100" : "");
    }
}

}  // namespace
}  // namespace grafipix
