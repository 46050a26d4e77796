// Tool buttons, pointer rounding, the read-out and the steps of every tool.

#include <gtest/gtest.h>

#include <limits>

#include "tests/support/editor_fixture.h"
#include "tools/tool_table.h"

namespace grafipix {
namespace {

using testing::Cells;
using testing::setcells;
using DispatchTest = testing::EditorTest;

TEST_F(DispatchTest, PositionsRoundHalfUpAboveOneAndPassUnchangedBelow) {
    struct Row { float in; int column; const char* readout; } rows[] = {
        {5.5f, 6, "6"}, {5.49f, 5, "5"}, {1.0f, 1, "1"}, {0.8f, 1, "0.8"}, {128.5f, -1, "129"}, {-3.25f, -1, "-3.25"},
    };
    for (const Row& r : rows) {
        ed.doc.newpicture();
        move(r.in, 10);
        down(r.in, 10);
        EXPECT_EQ(ed.coordx.caption, r.readout) << r.in;
        EXPECT_EQ(setcells(ed.pixelgrid), (r.column > 0 ? Cells{{r.column, 10}} : Cells{})) << r.in;
    }
    for (auto [y, readout] : {std::pair{1.2f, "63"}, {64.5f, "-1"}, {0.8f, "63.2"}}) {
        move(3, y);
        EXPECT_EQ(ed.coordy.caption, readout) << y;
    }
}

// Each button sets its step and caption and nothing else; two clicks on the
// canvas then walk the tool's steps, with either mouse button.
TEST_F(DispatchTest, ToolButtonsAndClicksWalkEachToolsSteps) {
    const char *pen = "Stylo, cliquez pour amorcer le tracé", *brush = "Pinceau, cliquez pour amorcer le tracé",
               *air = "Aérographe, cliquez pour amorcer le tracé", *circle = "Cercle, cliquez pour définir le centre";
    struct State { ToolCode code; const char* caption; };
    struct Row { const char* button; State chosen, first, second; } rows[] = {
        {"Command1", {{1, 0}, "Point"}, {{1, 0}, "Point"}, {{1, 0}, "Point"}},
        {"Command2", {{2, 0}, pen}, {{2, 1}, "Stylo activé"}, {{2, 0}, pen}},
        {"Command6", {{2, 2}, brush}, {{2, 3}, "Pinceau activé"}, {{2, 2}, brush}},
        {"Command7", {{2, 4}, air}, {{2, 5}, "Aérographe activé"}, {{2, 4}, air}},
        {"Command3", {{3, 0}, "Ligne, cliquez pour entrer le premier point"}, {{3, 1}, "Ligne, cliquez pour tracer la ligne"},
         {{3, 0}, "Ligne"}},
        {"Command9", {{4, 0}, "Rectangle, cliquez pour entrer le premier point"},
         {{4, 1}, "Rectangle, cliquez pour tracer le rectangle"}, {{4, 0}, "Rectangle"}},
        {"Command10", {{5, 0}, circle}, {{5, 1}, "Cercle, cliquez pour définir le rayon"}, {{5, 0}, circle}},
        {"Command11", {{6, 0}, "Sélection, cliquez pour entrer le premier point"},
         {{6, 1}, "Sélection, cliquez pour définir la sélection"}, {{6, 0}, "Utilisez le menu pour agir sur la selection"}},
        {"Command8", {{7, 0}, "Pot de peinture"}, {{7, 0}, "Pot de peinture"}, {{7, 0}, "Pot de peinture"}},
    };
    auto is = [&](const State& s) { return ed.curtool == s.code && ed.modelbl.caption == s.caption; };
    for (const Row& r : rows)
        for (int button : {1, 2}) {
            ed.anchorx = 7;
            ed.doc.newpicture();
            ASSERT_TRUE(click(r.button));
            EXPECT_TRUE(is(r.chosen) && ed.anchorx == 7.0f && ed.pixelgrid == Grid{}) << r.chosen.caption;
            down(20, 20, button);
            EXPECT_TRUE(is(r.first)) << r.first.caption << " button " << button;
            down(24, 22, button);
            EXPECT_TRUE(is(r.second)) << r.second.caption << " button " << button;
        }
    EXPECT_EQ(toolrows().size(), std::size(rows));
}

TEST_F(DispatchTest, PenDrawsOnlyOnMovesAndToolButtonsAbandonWhatIsPending) {
    play("Command2 m10,10 d11,11 m12,12 m20,12 Command2 m30,30");  // a fast move leaves a gap
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{12, 12}, {20, 12}})) << "neither the click nor moves after a button draw";
    play("Command3 d10,10 Command1 d30,20");
    EXPECT_EQ(setcells(ed.pixelgrid).size(), 3u) << "the pending line start is forgotten";
}

// Moves and clicks at far, fractional and non-finite positions in every step
// and from a near and a far first point: every walk ends (CTest's timeout
// fails the test otherwise).
TEST_F(DispatchTest, NoPositionHangsAnyStep) {
    const float inf = std::numeric_limits<float>::infinity(), positions[] = {-1e9f, 0.3f, 64.5f, 128.5f, inf, -inf / inf};
    for (const ToolRow& tool : toolrows())
        for (const ToolStep& step : tool.steps)
            for (float x : positions)
                for (float y : {-3.0f, 10.0f, 1e9f})
                    for (auto [ax, ay] : {std::pair{30.0f, 20.0f}, {y, x}}) {
                        ed.anchorx = ax, ed.anchory = ay, ed.curtool = step.code;
                        move(x, y);
                        ed.curtool = step.code;
                        down(x, y);
                    }
}

}  // namespace
}  // namespace grafipix
