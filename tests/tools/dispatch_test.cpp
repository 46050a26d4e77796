// Tool buttons, pointer rounding, the read-out and the state tables.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <limits>
#include <memory>
#include <thread>

#include "core/main_controls.h"
#include "tests/support/cells.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::Cells;
using testing::EditorTest;
using testing::setcells;

using DispatchTest = EditorTest;

TEST_F(DispatchTest, PositionsRoundHalfUpAboveOneAndPassUnchangedBelow) {
    struct Row { float in; int column; const char* readout; } rows[] = {
        {5.5f, 6, "6"}, {5.49f, 5, "5"}, {1.0f, 1, "1"}, {0.8f, 1, "0.8"}, {128.5f, -1, "129"}, {-3.25f, -1, "-3.25"},
    };
    for (const Row& r : rows) {
        ed.pixelgrid.clear();
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

// Each button sets its state and caption and nothing else; two clicks on the
// canvas then walk the state table, with either mouse button.
TEST_F(DispatchTest, ToolButtonsAndClicksFollowTheStateTable) {
    const char *pen = "Stylo, cliquez pour amorcer le tracé", *brush = "Pinceau, cliquez pour amorcer le tracé",
               *air = "Aérographe, cliquez pour amorcer le tracé", *circle = "Cercle, cliquez pour définir le centre";
    struct State { Tool code; const char* caption; };
    struct Row { Handler button; State chosen, first, second; } rows[] = {
        {&Editor::Command1_Click, {Tool::point10, "Point"}, {Tool::point10, "Point"}, {Tool::point10, "Point"}},
        {&Editor::Command2_Click, {Tool::pen20, pen}, {Tool::pen21, "Stylo activé"}, {Tool::pen20, pen}},
        {&Editor::Command6_Click, {Tool::brush22, brush}, {Tool::brush23, "Pinceau activé"}, {Tool::brush22, brush}},
        {&Editor::Command7_Click, {Tool::airbrush24, air}, {Tool::airbrush25, "Aérographe activé"}, {Tool::airbrush24, air}},
        {&Editor::Command3_Click, {Tool::line30, "Ligne, cliquez pour entrer le premier point"},
         {Tool::line31, "Ligne, cliquez pour tracer la ligne"}, {Tool::line30, "Ligne"}},
        {&Editor::Command9_Click, {Tool::rect40, "Rectangle, cliquez pour entrer le premier point"},
         {Tool::rect41, "Rectangle, cliquez pour tracer le rectangle"}, {Tool::rect40, "Rectangle"}},
        {&Editor::Command10_Click, {Tool::circle50, circle}, {Tool::circle51, "Cercle, cliquez pour définir le rayon"},
         {Tool::circle50, circle}},
        {&Editor::Command11_Click, {Tool::select60, "Sélection, cliquez pour entrer le premier point"},
         {Tool::select61, "Sélection, cliquez pour définir la sélection"},
         {Tool::select60, "Utilisez le menu pour agir sur la selection"}},
        {&Editor::Command8_Click, {Tool::fill70, "Pot de peinture"}, {Tool::fill70, "Pot de peinture"}, {Tool::fill70, "Pot de peinture"}},
    };
    auto is = [&](const State& s) { return ed.curtool == s.code && ed.modelbl.caption == s.caption; };
    for (const Row& r : rows)
        for (int button : {1, 2}) {
            ed.anchorx = 7;
            ed.pixelgrid.clear();
            (ed.*r.button)();
            EXPECT_TRUE(is(r.chosen) && ed.anchorx == 7.0f && ed.pixelgrid == Grid{}) << r.chosen.caption;
            down(20, 20, button);
            EXPECT_TRUE(is(r.first)) << r.first.caption << " button " << button;
            down(24, 22, button);
            EXPECT_TRUE(is(r.second)) << r.second.caption << " button " << button;
        }
}

TEST_F(DispatchTest, PenDrawsOnlyOnMovesAndToolButtonsAbandonWhatIsPending) {
    ed.Command2_Click();
    move(10, 10);
    down(11, 11);
    move(12, 12);
    move(20, 12);  // a fast move leaves a gap
    ed.Command2_Click();
    move(30, 30);
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{12, 12}, {20, 12}})) << "neither the click nor moves after a button draw";
    ed.Command3_Click();
    down(10, 10);
    ed.Command1_Click();
    down(30, 20);
    EXPECT_EQ(setcells(ed.pixelgrid).size(), 3u) << "the pending line start is forgotten";
}

// Strokes to far, fractional and non-finite positions in every state, on a
// thread of their own so that a walk that never ends fails instead of hanging.
TEST(ToolPositions, NoPositionHangsAnyState) {
    struct Run { testing::FakePlatform platform; Editor ed{platform}; std::atomic<int> bound{-1}; };
    auto run = std::make_shared<Run>();
    std::thread strokes([run] {
        Editor& ed = run->ed;
        ed.Main_Load();
        const float inf = std::numeric_limits<float>::infinity(), positions[] = {-1e9f, 0.3f, 64.5f, 128.5f, inf, -inf / inf};
        int bound = 0;
        for (const ButtonRow& b : mainbuttons())
            if (std::string(b.name).rfind("Command", 0) == 0 && b.click) {
                (ed.*b.click)();
                ++bound;
                for (float x : positions)
                    for (float y : {-3.0f, 10.0f, 1e9f}) {
                        ed.Picture1_MouseDown(1, 0, 30, 20);
                        ed.Picture1_MouseMove(1, 0, x, y);
                        ed.Picture1_MouseDown(1, 0, x, y);
                        ed.Picture1_MouseMove(1, 0, y, x);
                    }
            }
        ed.curtool = Tool::paste62;
        for (float x : positions) ed.Picture1_MouseDown(1, 0, x, x);
        run->bound = bound;
    });
    for (int i = 0; i < 1000 && run->bound < 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (run->bound < 0) {
        strokes.detach();  // stuck for good; `run` stays alive with it
        FAIL() << "a walk did not end within 10 s";
    }
    strokes.join();
    EXPECT_EQ(run->bound, 9) << "tool buttons bound";
}

}  // namespace
}  // namespace grafipix
