// The model switch, the colour buttons and the replacement captions.

#include <gtest/gtest.h>

#include <random>

#include "core/main_controls.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using Strings = std::vector<std::string>;

struct Click { const char* name; Handler h; Button Editor::*button; int code; };
constexpr Click clicks[] = {
    {"g35", &Editor::g35_Click, nullptr, 0}, {"g65", &Editor::g65_Click, nullptr, 0},
    {"g85", &Editor::g85_Click, nullptr, 0}, {"g100", &Editor::g100_Click, nullptr, 0},
    {"bgwhite", &Editor::bgwhite_Click, nullptr, 0}, {"bgcasio", &Editor::bgcasio_Click, nullptr, 0},
    {"presstruegreen", &Editor::presstruegreen_Click, &Editor::presstruegreen, 0},
    {"presswhite", &Editor::presswhite_Click, &Editor::presswhite, 0},
    {"pressblue", &Editor::pressblue_Click, &Editor::pressblue, 1},
    {"pressblack", &Editor::pressblack_Click, &Editor::pressblack, 1},
    {"pressorange", &Editor::pressorange_Click, &Editor::pressorange, 3},
    {"pressgreen", &Editor::pressgreen_Click, &Editor::pressgreen, 2},
};

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

    Strings highlighted() const {
        Strings out;
        for (const Click& c : clicks)
            if (c.button && (ed.*c.button).backcolor == highlight) out.push_back(c.name);
        return out;
    }
    // The four "Remplacer" captions under Options, disabled ones in brackets;
    // their twins under Sélection must read the same.
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

// Each model from another colour current: the fold of the one-colour models
// cannot be undone, choosing the current model again runs every step.
TEST_F(ModelTest, EachModelFoldsRedrawsHighlightsItsInkAndSetsItsCaptions) {
    const std::string blue = "(le bleu par le bleu), (le vert par le bleu), (l'orange par le bleu), le fond par le bleu";
    const std::string black = "(le noir par le noir), (le vert par le noir), (l'orange par le noir), le fond par le noir";
    struct Row { Handler from, model; const char* typcalc; const char* ink; std::string options; } rows[] = {
        {&Editor::pressorange_Click, &Editor::g65_Click, "Graph 65", "pressblue",
         "(le bleu par le bleu), le vert par le bleu, l'orange par le bleu, le fond par le bleu"},
        {&Editor::pressgreen_Click, &Editor::g100_Click, "Graph 100", "pressblack", black},
        {&Editor::presswhite_Click, &Editor::g85_Click, "Graph 85 (sd)", "pressblue", blue},
        {&Editor::presswhite_Click, &Editor::g35_Click, "Graph 35", "pressblue", blue},
        {&Editor::presswhite_Click, &Editor::g100_Click, "Graph 100", "pressblack", black},
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
        EXPECT_EQ(ed.selgrid.get(1, 1), 2) << "the selection buffer keeps its colours";
        EXPECT_TRUE(redrawn() && cellis(12, 10, ed.colourof(1)) && cellis(11, 10, fold ? ed.colourof(1) : orangeink));
        EXPECT_EQ(ed.typcalc.caption, r.typcalc);
        EXPECT_EQ(highlighted(), Strings{r.ink});
        EXPECT_TRUE(ed.curcolor == 1 && ed.Picture1.forecolor() == ed.colourof(1));
        EXPECT_EQ(options(), r.options);
        EXPECT_EQ(ed.g35.checked + ed.g65.checked + ed.g85.checked + ed.g100.checked, 1);
        EXPECT_TRUE(ed.pressorange.visible == !fold && ed.pressgreen.visible == !fold);
        EXPECT_TRUE(ed.pressblack.visible == (ed.inkcolor == 2) && ed.pressblue.visible != ed.pressblack.visible);
        ed.g65_Click();
        EXPECT_EQ(ed.pixelgrid.get(10, 10), fold ? 1 : 2) << "coming back keeps them ink";
    }
}

// In this order from the start state: green first, orange from the white background.
TEST_F(ModelTest, EachButtonSetsColourPenRedrawAndCaptions) {
    struct Row { const char* name; Handler before, press; int16_t code; wincolour pen; bool redraws; std::string options; } rows[] = {
        {"pressgreen", nullptr, &Editor::pressgreen_Click, 2, greenink, false, "le bleu par le vert, (le vert par le vert), l'orange par le vert, le fond par le vert"},
        {"pressblue", nullptr, &Editor::pressblue_Click, 1, blueink, true, "(le bleu par le bleu), le vert par le bleu, l'orange par le bleu, le fond par le bleu"},
        {"presstruegreen", nullptr, &Editor::presstruegreen_Click, 0, casioback, true, "le bleu par le fond, le vert par le fond, l'orange par le fond, (le fond par le fond)"},
        {"presswhite", &Editor::bgwhite_Click, &Editor::presswhite_Click, 0, whiteback, true, "le bleu par le fond, le vert par le fond, l'orange par le fond, (le fond par le fond)"},
        {"pressorange", nullptr, &Editor::pressorange_Click, 3, orangeink, false, "le bleu par l'orange, le vert par l'orange, (l'orange par l'orange), le fond par l'orange"},
        {"pressblack", &Editor::g100_Click, &Editor::pressblack_Click, 1, blackink, true, "(le noir par le noir), (le vert par le noir), (l'orange par le noir), le fond par le noir"},
    };
    ed.pixelgrid.set(2, 2, 1);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        if (r.before) (ed.*r.before)();
        ed.typcalc.caption = "";
        markcanvas();
        (ed.*r.press)();
        EXPECT_EQ(ed.curcolor, r.code);
        EXPECT_EQ(ed.inkcolor, r.pen == blackink ? 2 : 1);
        EXPECT_EQ(ed.Picture1.forecolor(), r.pen);
        EXPECT_EQ(redrawn(), r.redraws);
        EXPECT_EQ(highlighted(), Strings{r.name});
        EXPECT_EQ(options(), r.options);
    }
    EXPECT_EQ(ed.typcalc.caption, "Graph 100") << "set by the black ink button";

    // The background buttons on the one-colour models.
    for (Handler model : {&Editor::g35_Click, &Editor::g85_Click, &Editor::g100_Click})
        for (Handler bg : {&Editor::presstruegreen_Click, &Editor::presswhite_Click}) {
            (ed.*model)();
            (ed.*bg)();
            EXPECT_EQ(options(), std::string(ed.inkcolor == 1 ? "le bleu" : "le noir") +
                                     " par le fond, (le vert par le fond), (l'orange par le fond), (le fond par le fond)")
                << ed.typcalc.caption;
        }
}

// Any sequence of model, background and visible colour clicks keeps the
// model, the ink and the highlight consistent.
TEST_F(ModelTest, RandomClickSequencesKeepModelAndColourStateConsistent) {
    std::mt19937 random(20261207);
    std::string trail;
    for (int step = 0; step < 5000; ++step) {
        const Click& c = clicks[random() % std::size(clicks)];
        if (c.button && !(ed.*c.button).visible) continue;  // a hidden button cannot be clicked
        (ed.*c.h)();
        trail = (trail.size() > 300 ? trail.substr(trail.size() - 300) : trail) + c.name + " ";

        ASSERT_EQ(ed.g35.checked + ed.g65.checked + ed.g85.checked + ed.g100.checked, 1) << trail;
        ASSERT_EQ(ed.inkcolor == 2, ed.g100.checked) << trail;
        ASSERT_EQ(ed.bgwhite.checked + ed.bgcasio.checked, 1) << trail;
        Strings lit = highlighted();
        ASSERT_EQ(lit.size(), 1u) << trail;
        for (const Click& b : clicks)
            if (lit[0] == b.name) {
                ASSERT_TRUE(b.code == ed.curcolor && (ed.*b.button).visible) << trail;
            }
        ASSERT_EQ(ed.Picture1.forecolor(), ed.colourof(ed.curcolor)) << trail;
        ASSERT_TRUE(ed.presstruegreen.visible != ed.presswhite.visible) << trail;
    }
}

}  // namespace
}  // namespace grafipix
