// The model switch, the colour buttons and the replacement captions.

#include <gtest/gtest.h>

#include <random>

#include "core/main_controls.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::EditorTest;

class ModelTest : public EditorTest {
protected:
    // A mark drawn straight on the canvas survives until the next redraw.
    void markcanvas() {
        wincolour pen = ed.Picture1.forecolor();
        ed.Picture1.setforecolor(0x123456);
        ed.Picture1.line(100, 50, 101, 50);
        ed.Picture1.setforecolor(pen);
    }
    bool redrawnsincemark() const { return ed.Picture1.pixel(297, 147) != 0x123456; }

    std::vector<std::string> highlighted() const {
        std::vector<std::string> out;
        const std::pair<const char*, const Button*> all[] = {
            {"presstruegreen", &ed.presstruegreen}, {"presswhite", &ed.presswhite}, {"pressblue", &ed.pressblue},
            {"pressblack", &ed.pressblack}, {"pressorange", &ed.pressorange}, {"pressgreen", &ed.pressgreen}};
        for (auto& [name, b] : all)
            if (b->backcolor == highlight) out.push_back(name);
        return out;
    }
    std::vector<std::string> options() const {
        return {ed.repblue.caption, ed.repgreen.caption, ed.reporange.caption, ed.repbg.caption};
    }
    std::vector<bool> optionsenabled() const {
        return {ed.repblue.enabled, ed.repgreen.enabled, ed.reporange.enabled, ed.repbg.enabled};
    }
};

using Strings = std::vector<std::string>;
using Flags = std::vector<bool>;

TEST_F(ModelTest, OneColourModelsFoldGreenAndOrangeToInkForGood) {
    ed.pixelgrid.set(10, 10, 2);
    ed.pixelgrid.set(11, 10, 3);
    ed.pixelgrid.set(12, 10, 1);
    ed.pixelgrid.set(128, 10, 3);  // outside the scanned area: not folded
    ed.selgrid.set(1, 1, 2);
    ed.g35_Click();
    EXPECT_EQ(ed.pixelgrid.get(10, 10), 1);
    EXPECT_EQ(ed.pixelgrid.get(11, 10), 1);
    EXPECT_EQ(ed.pixelgrid.get(12, 10), 1);
    EXPECT_EQ(ed.pixelgrid.get(13, 10), 0);
    EXPECT_EQ(ed.pixelgrid.get(128, 10), 3);
    EXPECT_EQ(ed.selgrid.get(1, 1), 2) << "the selection buffer keeps its colours";
    EXPECT_TRUE(cellis(10, 10, blueink) && cellis(11, 10, blueink));
    EXPECT_EQ(ed.typcalc.caption, "Graph 35");
    EXPECT_FALSE(ed.pressorange.visible || ed.pressgreen.visible || ed.pressblack.visible);
    EXPECT_TRUE(ed.pressblue.visible);

    ed.g65_Click();
    EXPECT_EQ(ed.pixelgrid.get(10, 10), 1) << "coming back keeps them ink";
    EXPECT_TRUE(ed.pressorange.visible && ed.pressgreen.visible);
    EXPECT_EQ(ed.typcalc.caption, "Graph 65");
}

TEST_F(ModelTest, Graph100ShowsInkBlackWithoutChangingCells) {
    ed.pixelgrid.set(5, 5, 1);
    ed.pixelgrid.set(6, 5, 2);
    ed.g100_Click();
    EXPECT_EQ(ed.inkcolor, 2);
    EXPECT_EQ(ed.pixelgrid.get(5, 5), 1);
    EXPECT_EQ(ed.pixelgrid.get(6, 5), 1) << "only the fold changes a cell";
    EXPECT_TRUE(cellis(5, 5, blackink) && cellis(6, 5, blackink));
    EXPECT_EQ(ed.Picture1.forecolor(), blackink);
    EXPECT_TRUE(ed.pressblack.visible);
    EXPECT_FALSE(ed.pressblue.visible);
    EXPECT_EQ(highlighted(), Strings{"pressblack"});
    EXPECT_EQ(ed.typcalc.caption, "Graph 100");
    EXPECT_EQ(options(), (Strings{"le noir par le noir", "le vert par le noir", "l'orange par le noir", "le fond par le noir"}));
    EXPECT_EQ(optionsenabled(), (Flags{false, false, false, true}));
    EXPECT_TRUE(ed.g100.checked && !ed.g65.checked && !ed.g35.checked && !ed.g85.checked);

    ed.g85_Click();
    EXPECT_EQ(ed.inkcolor, 1);
    EXPECT_EQ(highlighted(), Strings{"pressblue"});
    EXPECT_TRUE(cellis(5, 5, blueink));
    EXPECT_EQ(ed.typcalc.caption, "Graph 85 (sd)");
    EXPECT_EQ(options(), (Strings{"le bleu par le bleu", "le vert par le bleu", "l'orange par le bleu", "le fond par le bleu"}));
    EXPECT_EQ(optionsenabled(), (Flags{false, false, false, true}));
}

TEST_F(ModelTest, SwitchMovesTheHighlightToTheModelsInk) {
    // Green current, then Graph 100.
    ed.pressgreen_Click();
    ed.g100_Click();
    EXPECT_EQ(highlighted(), Strings{"pressblack"});
    EXPECT_FALSE(ed.pressgreen.visible);
    EXPECT_EQ(ed.curcolor, 1);

    // Background current on white, then each model.
    for (Handler model : {&Editor::g35_Click, &Editor::g65_Click, &Editor::g85_Click, &Editor::g100_Click}) {
        ed.bgwhite_Click();
        ed.presswhite_Click();
        ASSERT_EQ(highlighted(), Strings{"presswhite"});
        (ed.*model)();
        EXPECT_EQ(ed.presswhite.backcolor, buttonface);
        EXPECT_EQ(ed.curcolor, 1);
        EXPECT_EQ(highlighted().size(), 1u);
        EXPECT_EQ(ed.Picture1.forecolor(), ed.inkcolor == 1 ? blueink : blackink);
    }
}

TEST_F(ModelTest, ChoosingTheCurrentModelRunsEveryStepAgain) {
    ed.pressorange_Click();
    markcanvas();
    ed.g65_Click();
    EXPECT_TRUE(redrawnsincemark());
    EXPECT_EQ(highlighted(), Strings{"pressblue"});
    EXPECT_EQ(ed.curcolor, 1);
    EXPECT_EQ(ed.reporange.caption, "l'orange par le bleu");
    EXPECT_TRUE(ed.g65.checked);
}

TEST_F(ModelTest, StartStateGreenPress) {
    markcanvas();
    ed.pressgreen_Click();
    EXPECT_FALSE(redrawnsincemark()) << "green does not redraw";
    EXPECT_EQ(highlighted(), Strings{"pressgreen"});
    EXPECT_EQ(ed.Picture1.forecolor(), greenink);
    EXPECT_EQ(ed.curcolor, 2);
    EXPECT_EQ(options(), (Strings{"le bleu par le vert", "le vert par le vert", "l'orange par le vert", "le fond par le vert"}));
    EXPECT_EQ(optionsenabled(), (Flags{true, false, true, true}));
    // The twins under Sélection follow.
    EXPECT_EQ(ed.repgreensel.caption, "le vert par le vert");
    EXPECT_FALSE(ed.repgreensel.enabled);
    EXPECT_TRUE(ed.repbluesel.enabled);
}

TEST_F(ModelTest, EachButtonSetsColourInkPenAndRedrawsAsTabled) {
    struct Row {
        const char* name;
        Handler before;  // makes the button visible
        Handler press;
        int16_t code;
        int inkcolor;
        wincolour pen;
        bool redraws;
    } rows[] = {
        {"pressblue", nullptr, &Editor::pressblue_Click, 1, 1, blueink, true},
        {"pressorange", nullptr, &Editor::pressorange_Click, 3, 1, orangeink, false},
        {"presstruegreen", nullptr, &Editor::presstruegreen_Click, 0, 1, casioback, true},
        {"pressgreen", nullptr, &Editor::pressgreen_Click, 2, 1, greenink, false},
        {"presswhite", &Editor::bgwhite_Click, &Editor::presswhite_Click, 0, 1, whiteback, true},
        {"pressblack", &Editor::g100_Click, &Editor::pressblack_Click, 1, 2, blackink, true},
    };
    ed.pixelgrid.set(2, 2, 1);
    for (const Row& r : rows) {
        if (r.before) (ed.*r.before)();
        ed.typcalc.caption = "";
        markcanvas();
        (ed.*r.press)();
        EXPECT_EQ(ed.curcolor, r.code) << r.name;
        EXPECT_EQ(ed.inkcolor, r.inkcolor) << r.name;
        EXPECT_EQ(ed.Picture1.forecolor(), r.pen) << r.name;
        EXPECT_EQ(redrawnsincemark(), r.redraws) << r.name;
        EXPECT_EQ(highlighted(), Strings{r.name}) << r.name;
    }
    EXPECT_EQ(ed.typcalc.caption, "Graph 100") << "set by the black ink button";
}

TEST_F(ModelTest, OrangeFromTheWhiteBackgroundUnhighlightsPresswhite) {
    ed.bgwhite_Click();
    ed.presswhite_Click();
    ed.presstruegreen.backcolor = 0x42;  // would show if the wrong button were cleared
    ed.pressorange_Click();
    EXPECT_EQ(ed.presswhite.backcolor, buttonface);
    EXPECT_EQ(ed.presstruegreen.backcolor, 0x42u);
    EXPECT_EQ(ed.reporange.caption, "l'orange par l'orange");
    EXPECT_FALSE(ed.reporange.enabled);
}

TEST_F(ModelTest, BackgroundButtonsOnOneColourModels) {
    for (Handler model : {&Editor::g35_Click, &Editor::g85_Click}) {
        (ed.*model)();
        for (Handler bg : {&Editor::presstruegreen_Click, &Editor::presswhite_Click}) {
            (ed.*bg)();
            EXPECT_EQ(options(), (Strings{"le bleu par le fond", "le vert par le fond", "l'orange par le fond", "le fond par le fond"}));
            EXPECT_EQ(optionsenabled(), (Flags{true, false, false, false}));
            EXPECT_EQ(ed.repbluesel.enabled, true);
            EXPECT_EQ(ed.repbgsel.enabled, false);
        }
    }
    ed.g100_Click();
    ed.pressblack_Click();
    EXPECT_EQ(ed.typcalc.caption, "Graph 100");
    EXPECT_EQ(options(), (Strings{"le noir par le noir", "le vert par le noir", "l'orange par le noir", "le fond par le noir"}));
    ed.presstruegreen_Click();
    EXPECT_EQ(options(), (Strings{"le noir par le fond", "le vert par le fond", "l'orange par le fond", "le fond par le fond"}));
    EXPECT_EQ(optionsenabled(), (Flags{true, false, false, false}));
}

TEST_F(ModelTest, FourColourRowsOfTheCaptionTable) {
    struct Row { Handler press; Strings captions; Flags enabled; } rows[] = {
        {&Editor::pressblue_Click, {"le bleu par le bleu", "le vert par le bleu", "l'orange par le bleu", "le fond par le bleu"}, {false, true, true, true}},
        {&Editor::pressgreen_Click, {"le bleu par le vert", "le vert par le vert", "l'orange par le vert", "le fond par le vert"}, {true, false, true, true}},
        {&Editor::pressorange_Click, {"le bleu par l'orange", "le vert par l'orange", "l'orange par l'orange", "le fond par l'orange"}, {true, true, false, true}},
        {&Editor::presstruegreen_Click, {"le bleu par le fond", "le vert par le fond", "l'orange par le fond", "le fond par le fond"}, {true, true, true, false}},
    };
    for (const Row& r : rows) {
        (ed.*r.press)();
        EXPECT_EQ(options(), r.captions);
        EXPECT_EQ(optionsenabled(), r.enabled) << r.captions[3];
        Strings sel{ed.repbluesel.caption, ed.repgreensel.caption, ed.reporangesel.caption, ed.repbgsel.caption};
        EXPECT_EQ(sel, r.captions);
    }
}

// Any sequence of model, background and visible colour clicks keeps the
// model, the ink and the highlight consistent.
TEST_F(ModelTest, RandomClickSequencesKeepModelAndColourStateConsistent) {
    struct Click { const char* name; Handler h; const Button Editor::*button; };
    const Click clicks[] = {
        {"g35", &Editor::g35_Click, nullptr}, {"g65", &Editor::g65_Click, nullptr},
        {"g85", &Editor::g85_Click, nullptr}, {"g100", &Editor::g100_Click, nullptr},
        {"bgwhite", &Editor::bgwhite_Click, nullptr}, {"bgcasio", &Editor::bgcasio_Click, nullptr},
        {"presstruegreen", &Editor::presstruegreen_Click, &Editor::presstruegreen},
        {"presswhite", &Editor::presswhite_Click, &Editor::presswhite},
        {"pressblue", &Editor::pressblue_Click, &Editor::pressblue},
        {"pressblack", &Editor::pressblack_Click, &Editor::pressblack},
        {"pressorange", &Editor::pressorange_Click, &Editor::pressorange},
        {"pressgreen", &Editor::pressgreen_Click, &Editor::pressgreen},
    };
    const std::pair<const Button Editor::*, int> buttons[] = {
        {&Editor::presstruegreen, 0}, {&Editor::presswhite, 0}, {&Editor::pressblue, 1},
        {&Editor::pressblack, 1}, {&Editor::pressorange, 3}, {&Editor::pressgreen, 2}};
    std::mt19937 random(20261207);
    std::string trail;
    for (int step = 0; step < 5000; ++step) {
        const Click& c = clicks[random() % std::size(clicks)];
        if (c.button && !(ed.*c.button).visible) continue;  // a hidden button cannot be clicked
        (ed.*c.h)();
        trail += std::string(c.name) + " ";
        if (trail.size() > 300) trail.erase(0, trail.size() - 300);

        int models = ed.g35.checked + ed.g65.checked + ed.g85.checked + ed.g100.checked;
        ASSERT_EQ(models, 1) << trail;
        ASSERT_EQ(ed.inkcolor == 2, ed.g100.checked) << trail;
        ASSERT_EQ(ed.bgwhite.checked + ed.bgcasio.checked, 1) << trail;
        int lit = 0;
        for (auto [b, code] : buttons) {
            const Button& button = ed.*b;
            if (!button.visible || button.backcolor != highlight) continue;
            ++lit;
            ASSERT_EQ(code, ed.curcolor) << trail;
        }
        ASSERT_EQ(lit, 1) << trail;
        ASSERT_EQ(ed.Picture1.forecolor(), ed.colourof(ed.curcolor)) << trail;
        // The pressed button of the current colour is visible.
        ASSERT_TRUE(ed.presstruegreen.visible != ed.presswhite.visible) << trail;
    }
}

}  // namespace
}  // namespace grafipix
