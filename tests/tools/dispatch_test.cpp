// Tool buttons, pointer rounding, the read-out and the state tables.

#include <gtest/gtest.h>

#include "core/main_controls.h"
#include "tests/support/cells.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::Cells;
using testing::EditorTest;
using testing::setcells;

using DispatchTest = EditorTest;

TEST_F(DispatchTest, ToolButtonsSetCodeAndCaptionAndNothingElse) {
    struct Row { Handler button; Tool code; const char* caption; } rows[] = {
        {&Editor::Command1_Click, Tool::point10, "Point"},
        {&Editor::Command2_Click, Tool::pen20, "Stylo, cliquez pour amorcer le tracé"},
        {&Editor::Command6_Click, Tool::brush22, "Pinceau, cliquez pour amorcer le tracé"},
        {&Editor::Command7_Click, Tool::airbrush24, "Aérographe, cliquez pour amorcer le tracé"},
        {&Editor::Command3_Click, Tool::line30, "Ligne, cliquez pour entrer le premier point"},
        {&Editor::Command9_Click, Tool::rect40, "Rectangle, cliquez pour entrer le premier point"},
        {&Editor::Command10_Click, Tool::circle50, "Cercle, cliquez pour définir le centre"},
        {&Editor::Command11_Click, Tool::select60, "Sélection, cliquez pour entrer le premier point"},
        {&Editor::Command8_Click, Tool::fill70, "Pot de peinture"},
    };
    ed.anchorx = 7;
    for (const Row& r : rows) {
        (ed.*r.button)();
        EXPECT_EQ(ed.curtool, r.code) << r.caption;
        EXPECT_EQ(ed.modelbl.caption, r.caption);
        EXPECT_EQ(ed.anchorx, 7.0f) << r.caption;
        EXPECT_EQ(ed.pixelgrid, Grid{}) << r.caption;
    }
    // Each button is bound to its control.
    int bound = 0;
    for (const ButtonSpec& b : mainbuttons()) bound += std::string(b.name).rfind("Command", 0) == 0 && b.click;
    EXPECT_EQ(bound, 9);
}

TEST_F(DispatchTest, PositionsRoundHalfUpAboveOneAndPassUnchangedBelow) {
    struct Row { float in; int column; const char* readout; } rows[] = {
        {5.5f, 6, "6"}, {5.49f, 5, "5"}, {1.0f, 1, "1"}, {0.8f, 1, "0.8"}, {1.4f, 1, "1"},
        {128.5f, -1, "129"}, {127.6f, -1, "128"}, {-3.25f, -1, "-3.25"},
    };
    for (const Row& r : rows) {
        ed.pixelgrid.clear();
        move(r.in, 10);
        EXPECT_EQ(ed.coordx.caption, r.readout) << r.in;
        down(r.in, 10);
        Cells expected;
        if (r.column > 0) expected.insert({r.column, 10});
        EXPECT_EQ(setcells(ed.pixelgrid), expected) << r.in;
    }
    // The calculator's upward y: the top row reads 63, the bottom one 1, 64.5 reads 0.
    struct Up { float y; const char* readout; } ups[] = {{1.2f, "63"}, {63.0f, "1"}, {64.5f, "-1"}, {64.4f, "0"}, {0.8f, "63.2"}};
    for (const Up& u : ups) {
        move(3, u.y);
        EXPECT_EQ(ed.coordy.caption, u.readout) << u.y;
    }
}

TEST_F(DispatchTest, ClicksFollowTheStateTableWithItsCaptions) {
    struct Row { Handler button; Tool after1; const char* caption1; Tool after2; const char* caption2; } rows[] = {
        {&Editor::Command2_Click, Tool::pen21, "Stylo activé", Tool::pen20, "Stylo, cliquez pour amorcer le tracé"},
        {&Editor::Command6_Click, Tool::brush23, "Pinceau activé", Tool::brush22, "Pinceau, cliquez pour amorcer le tracé"},
        {&Editor::Command7_Click, Tool::airbrush25, "Aérographe activé", Tool::airbrush24, "Aérographe, cliquez pour amorcer le tracé"},
        {&Editor::Command3_Click, Tool::line31, "Ligne, cliquez pour tracer la ligne", Tool::line30, "Ligne"},
        {&Editor::Command9_Click, Tool::rect41, "Rectangle, cliquez pour tracer le rectangle", Tool::rect40, "Rectangle"},
        {&Editor::Command10_Click, Tool::circle51, "Cercle, cliquez pour définir le rayon", Tool::circle50,
         "Cercle, cliquez pour définir le centre"},
        {&Editor::Command11_Click, Tool::select61, "Sélection, cliquez pour définir la sélection", Tool::select60,
         "Utilisez le menu pour agir sur la selection"},
    };
    for (const Row& r : rows) {
        for (int button : {1, 2, 4}) {  // left, right and middle act alike
            (ed.*r.button)();
            down(20, 20, button);
            EXPECT_EQ(ed.curtool, r.after1) << r.caption1 << " button " << button;
            EXPECT_EQ(ed.modelbl.caption, r.caption1);
            down(24, 22, button);
            EXPECT_EQ(ed.curtool, r.after2) << r.caption2;
            EXPECT_EQ(ed.modelbl.caption, r.caption2);
        }
    }
    // Point, fill and paste keep their state and caption.
    for (Handler b : {&Editor::Command1_Click, &Editor::Command8_Click}) {
        (ed.*b)();
        std::string caption = ed.modelbl.caption;
        Tool code = ed.curtool;
        down(30, 30);
        down(40, 40);
        EXPECT_EQ(ed.curtool, code);
        EXPECT_EQ(ed.modelbl.caption, caption);
    }
}

TEST_F(DispatchTest, PenTogglesOnClicksAndDrawsOnlyOnMovesWithoutJoining) {
    ed.Command2_Click();
    move(10, 10);
    down(11, 11);
    EXPECT_EQ(setcells(ed.pixelgrid), Cells{}) << "neither the move before nor the click draws";
    move(12, 12);
    move(20, 12);  // a fast move leaves a gap
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{12, 12}, {20, 12}}));
    ed.Command2_Click();  // a tool button stops the pen at once
    EXPECT_EQ(ed.curtool, Tool::pen20);
    move(30, 30);
    EXPECT_EQ(setcells(ed.pixelgrid).size(), 2u);
}

TEST_F(DispatchTest, ToolButtonForgetsAPendingLineStart) {
    ed.Command3_Click();
    down(10, 10);
    ed.Command1_Click();
    down(30, 20);
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{30, 20}}));
}

TEST_F(DispatchTest, NoPositionCrashesAnyState) {
    const float positions[] = {-1e9f, -50.0f, -0.5f, 0.0f, 0.3f, 0.5f, 1.0f, 64.5f, 128.5f, 129.0f, 500.0f, 1e9f,
                               std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()};
    const Handler buttons[] = {&Editor::Command1_Click, &Editor::Command2_Click, &Editor::Command3_Click,
                               &Editor::Command6_Click, &Editor::Command7_Click, &Editor::Command8_Click,
                               &Editor::Command9_Click, &Editor::Command10_Click, &Editor::Command11_Click};
    for (Handler b : buttons) {
        (ed.*b)();
        for (float x : positions)
            for (float y : {-3.0f, 10.0f, 64.5f, 1e9f}) {
                down(x, y);
                move(y, x);
                move(x, y);
            }
    }
    ed.curtool = Tool::paste62;
    for (float x : positions) down(x, x);
    // Only the arrays were written; every cell still holds a colour code.
    for (int y = 0; y <= 64; ++y)
        for (int x = 0; x <= 128; ++x) ASSERT_TRUE(ed.pixelgrid.get(x, y) >= 0 && ed.pixelgrid.get(x, y) <= 3);
}

}  // namespace
}  // namespace grafipix
