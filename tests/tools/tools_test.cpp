// SPDX-License-Identifier: GPL-3.0-or-later
// Tool buttons, pointer rounding, the read-out and the steps of every tool;
// freehand tools, shapes and the paint bucket: the cells they store and what
// they leave on the canvas.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>
#include <set>

#include "tests/support/editor_fixture.h"
#include "tools/tool_table.h"

namespace grafipix::testing {
namespace {

using ToolTest = EditorTest;

// Positions round half up above 1 and pass unchanged at or below it, the
// read-out with them; the point stores a cell only inside the array, ties to
// even, though it paints the canvas wherever it shows, as the redraw paints a cell.
TEST_F(ToolTest, PositionsRoundHalfUpAboveOneAndThePointStoresOnlyInside) {
    struct Row { float in; int column; const char* readout; } rows[] = {
        {5.5f, 6, "6"}, {5.49f, 5, "5"}, {1.0f, 1, "1"}, {0.8f, 1, "0.8"}, {0.5f, 0, "0.5"}, {128.5f, -1, "129"}, {-3.25f, -1, "-3.25"}};
    for (const Row& r : rows) {
        play("new m" + std::to_string(r.in) + ",10 d" + std::to_string(r.in) + ",10");
        EXPECT_EQ(caption("coordx"), r.readout) << r.in;
        EXPECT_EQ(setcells(picture()), (r.column >= 0 ? Cells{{r.column, 10}} : Cells{})) << r.in;
    }
    move(3, 0.8f);  // graph rows count up from the bottom border
    EXPECT_EQ(caption("coordy"), "63.2");
    play("new d128,12 d5,64 d20,20");
    EXPECT_EQ(setcells(picture()), (Cells{{20, 20}}));
    EXPECT_EQ(canvas().pixel(382, 33), blueink) << "column 128 painted though not stored";
    EXPECT_TRUE(cellis(20, 20, blueink) && cellis(21, 20, casioback) && cellis(20, 21, casioback));
}

// Each button sets its first step and caption and nothing else; two clicks,
// with either mouse button, walk the tool's steps back to the first, the
// status line the caption of each step that has one.
TEST_F(ToolTest, ToolButtonsAndClicksWalkEachToolsStepsAndButtonsAbandonWhatIsPending) {
    for (const ToolRow& t : toolrows())
        for (int button : {1, 2}) {
            if (std::string_view(t.button) == "Command12") continue;  // the pipette gives the tool before back
            play("Command3 d7,7 new");
            ASSERT_TRUE(click(t.button));
            EXPECT_TRUE(tool() == t.steps.front().code && caption("modelbl") == t.caption && setcells(picture()).empty()) << t.button;
            for (int n = 0; n < 2; ++n) {
                const ToolStep& step = *findstep(tool());
                const std::string before = caption("modelbl");
                down(20.0f + 4 * n, 20.0f + 2 * n, button);
                EXPECT_TRUE(tool() == step.next && caption("modelbl") == (step.caption ? step.caption : before)) << t.button << " click " << n;
            }
            EXPECT_EQ(tool(), t.steps.front().code) << t.button << " button " << button;
        }

    // The pen draws on moves only; a tool button abandons what is pending.
    play("new Command2 m10,10 d11,11 m12,12 m20,12 Command2 m30,30");  // a fast move leaves a gap
    EXPECT_EQ(setcells(picture()), (Cells{{12, 12}, {20, 12}})) << "neither the click nor moves after a button draw";
    play("Command3 d10,10 Command1 d30,20");
    EXPECT_EQ(setcells(picture()).size(), 3u) << "the pending line start is forgotten";
}

// The cells of the block x1..x2, y1..y2, ends included, joined with `more`.
Cells block(int x1, int y1, int x2, int y2, Cells more = {}) {
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) more.insert({x, y});
    return more;
}

TEST_F(ToolTest, PreviewsLookLighterAndFreehandToolsClipAtTheBorders) {
    play("Command3 d30,30 m30,30");  // a preview's strokes at 0, 0.2, 0.4, 0.6 cover the first two pixel rows
    EXPECT_TRUE(canvas().pixel(87, 88) == blueink && canvas().pixel(89, 89) == casioback && setcells(picture()).empty());
    play("new Command6 d1,1 m127,63 m1,1");
    EXPECT_EQ(setcells(picture()), (Cells{{127, 63}, {126, 63}, {127, 62}, {1, 1}, {2, 1}, {1, 2}}));

    play("new Command7 d50,30");
    // Four numbers a dot: size of x, sign of x, size of y, sign of y.
    platform.randoms = {0, 0, 0, 0, 0.99f, 0.9f, 0.26f, 0.2f, 0.5f, 0.51f, 0.74f, 0.6f, 0.25f, 0.4f, 0.99f, 0.99f, 0, 0, 0, 0};
    platform.rndcalls = 0;
    move(50, 30);
    EXPECT_EQ(platform.rndcalls, 20);
    EXPECT_EQ(setcells(picture()), (Cells{{50, 30}, {47, 31}, {48, 28}, {51, 27}}));
}

// "Tracé continu" checked, the pen's and the brush's cells join every position
// to the last through cells touching at least at a corner, whichever way and
// however far the pointer jumps.
TEST_F(ToolTest, ContinuousStrokesJoinEveryPositionToTheLast) {
    std::mt19937 random(7);
    for (const char* tool : {"continu Command2 d1,1", "Command6 d1,1"}) {
        play(tool);
        for (int n = 0, x = 64, y = 32, nx = 0, ny = 0; n < 400; ++n, x = nx, y = ny) {
            nx = 1 + int(random() % 127), ny = 1 + int(random() % 63);
            move(float(x), float(y));
            paint(0, 0, 128, 64, [&](int cx, int cy) { return cx == x && cy == y; });
            move(float(nx), float(ny));
            Cells reached;  // the drawn cells touching (x, y) through drawn cells
            std::function<void(int, int)> spread = [&](int cx, int cy) {
                if (picture().get(cx, cy) && reached.insert({cx, cy}).second)
                    for (int d = 0; d < 9; ++d) spread(cx + d % 3 - 1, cy + d / 3 - 1);
            };
            spread(x, y);
            ASSERT_TRUE(reached.count({nx, ny})) << tool << " from " << x << "," << y << " to " << nx << "," << ny;
        }
    }
}

// Previews paint the canvas only and keep the first point.
TEST_F(ToolTest, ShapesStoreExactlyTheirCellsAndPreviewsNone) {
    const std::pair<const char*, Cells> rows[] = {
        {"Command3 d10,30 d20,30", block(10, 30, 19, 30)}, {"Command3 d20,30 m40,10 m1,1 d10,30", block(11, 30, 20, 30)},
        {"Command3 d5,40 d5,35", block(5, 36, 5, 40)}, {"Command3 d33,33 d33,33", {{33, 33}}},
        {"Command3 d10,10 d12,30", block(10, 10, 10, 19, block(11, 20, 11, 29))},
        // Walking right stops when the row leaves the screen; walking left does not test it.
        {"Command3 d10,2 d14,-10", {{10, 2}, {10, 1}}}, {"Command3 d14,2 d10,-10", {{14, 2}, {14, 1}}},
        {"Command10 d10,10 m30,30 d13,10", block(7, 7, 12, 7, block(7, 12, 12, 12, block(7, 7, 7, 12, block(12, 7, 12, 12, {{13, 10}}))))},
        {"Command9 d20,10 m10,5 m12,7 d10,5", block(10, 5, 20, 5, block(10, 10, 20, 10, block(10, 5, 10, 10, block(20, 5, 20, 10))))},
    };
    for (const auto& [script, expected] : rows) {
        play(std::string("new ") + script);
        EXPECT_EQ(setcells(picture()), expected) << script;
    }
    play("new Command9 d30,20 m10,5");
    EXPECT_EQ(canvas().pixel(27, 12), blueink);
    move(12, 7);
    EXPECT_EQ(canvas().pixel(27, 12), casioback) << "the next move wipes the previous preview";
    play("Command10 d64,32 m84,32");
    EXPECT_EQ(canvas().pixel(249, 93), blueink) << "circle preview through (84, 32)";
    // Shapes started millions of units away draw their visible part whole,
    // single precision's 2^24 included.
    for (const std::string f : {"1e6", "2e6", "1e7", "1e9"}) {
        const std::pair<std::string, Cells> farrows[] = {
            {"Command3 d-" + f + ",30 d50,30", block(1, 30, 49, 30)}, {"Command3 d" + f + ",30 d50,30", block(51, 30, 127, 30)},
            {"Command3 d40,-" + f + " d40,20", block(40, 1, 40, 19)}, {"Command3 d40," + f + " d40,20", block(40, 21, 40, 63)},
            {"Command3 d" + f + "," + f + " d10,10", [] { Cells c; for (int k = 11; k <= 63; ++k) c.insert({k, k}); return c; }()},
            {"Command3 d60," + f + " d50,0", block(51, 1, 51, 63)},
            {"Command9 d-" + f + ",10 d50,20", block(1, 10, 50, 10, block(1, 20, 50, 20, block(50, 10, 50, 20)))},
            {"Command9 d" + f + ",10 d50,20", block(50, 10, 127, 10, block(50, 20, 127, 20, block(50, 10, 50, 20)))},
            {"Command9 d30,-" + f + " d50,20", block(30, 1, 30, 20, block(50, 1, 50, 20, block(30, 20, 50, 20)))},
        };
        for (const auto& [script, expected] : farrows) {
            play("new " + script);
            EXPECT_EQ(setcells(picture()), expected) << script;
        }
    }
    // Steep lines walking left through rows past 2^24, where a step of 1 is
    // lost in rounding, still end; their rows never reach the canvas.
    for (int k = 0; k < 40; ++k) {
        const std::string y = std::to_string(29239864 + 977 * k);
        play("new Command3 d100," + y + " d1,98 Command3 d40," + y + " d40,29239862");
        EXPECT_EQ(setcells(picture()), Cells{}) << k;
    }
    play("new Command3 d120,30 m1e6,30");
    EXPECT_EQ(canvas().pixel(382, 87), blueink) << "far outside: drawn where the canvas shows";
    EXPECT_EQ(setcells(picture()), Cells{});
}

TEST_F(ToolTest, FillCoversTheUsableAreaStaysInsideWallsAndRedrawsOnce) {
    paint(0, 5, 0, 5, green);
    play("Command8 d64,32");
    EXPECT_EQ(setcells(picture()), block(1, 1, 127, 63, {{0, 5}})) << "8001 cells, borders untouched";

    // A closed outline: inside, then outside.
    play("new Command9 d20,10 d40,30 pressgreen Command8 d30,20 pressorange d5,5");
    for (auto [x, y, code] : {std::array{30, 20, 2}, {21, 11, 2}, {20, 10, 1}, {19, 10, 3}, {127, 63, 3}, {128, 63, 0}})
        EXPECT_EQ(picture().get(x, y), code) << x << "," << y;

    // A diagonal from border to border is a wall: the walk never passes a corner.
    paint(0, 0, 128, 64, [](int x, int y) { return x == y && x >= 1 && x <= 63; });
    down(100, 5);
    EXPECT_TRUE(picture().get(2, 1) == orange && picture().get(1, 2) == 0);
    // Filling with the cell's own colour changes nothing, yet ends and redraws.
    const Grid before = picture();
    mark();
    play("Command8 d100,5 d128.6,20 d40,-3");  // 129 and -3: no cell to read
    EXPECT_TRUE(picture() == before && redrawn());

    // From the last half column (128) walled off by column 127: up and down column 128 only.
    paint(0, 0, 128, 64, [](int x, int y) { return x == 127 && y >= 1 && y <= 63; });
    down(127.7f, 20);
    EXPECT_EQ(setcells(picture()), block(127, 1, 128, 63));
}

// A tool's key chooses it as its button does; Escape ends a first point, a
// stroke, a paste or a pick, and leaves the canvas as a redraw shows it.
TEST_F(ToolTest, KeysChooseToolsAndEscapeAbandonsWhatIsPending) {
    std::set<std::string> keys;
    for (const ToolRow& t : toolrows()) {
        play("Command3 d5,5");
        EXPECT_TRUE(key(t.key) && keys.insert(t.key).second && tool() == t.steps.front().code && caption("modelbl") == t.caption) << t.key;
    }
    for (auto [script, after] : {std::pair{"Command3 d10,10 m30,20", ToolCode{3, 0}}, {"Command2 d10,10 m12,12", {2, 0}},
                                 {"Command11 d10,10 d14,12 selduplicate m40,30", {6, 0}}, {"Command10 d10,10 Command12 m30,30", {5, 1}}}) {
        play(script);
        const Grid drawn = picture();
        key("Esc");
        const Picture escaped = canvas().image();
        click("pressblue");  // redraws
        EXPECT_TRUE(tool() == after && escaped == canvas().image()) << script;
        play("m20,20");
        EXPECT_TRUE(picture() == drawn && !key("Q")) << script << ": still drawing";
    }
}

}  // namespace
}  // namespace grafipix::testing
