// Freehand tools, shapes and the paint bucket: the cells they store and what
// they leave on the canvas.

#include <gtest/gtest.h>

#include "core/main_controls.h"
#include "tests/support/cells.h"
#include "tests/support/editor_fixture.h"
#include "tools/tools.h"

namespace grafipix {
namespace {

using testing::Cells;
using testing::EditorTest;
using testing::setcells;

class DrawingTest : public EditorTest {
protected:
    void twoclicks(Handler tool, float x1, float y1, float x2, float y2) {
        (ed.*tool)();
        down(x1, y1);
        down(x2, y2);
    }
    static Cells row(int y, int from, int to) {
        Cells c;
        for (int x = from; x <= to; ++x) c.insert({x, y});
        return c;
    }
    static Cells column(int x, int from, int to) {
        Cells c;
        for (int y = from; y <= to; ++y) c.insert({x, y});
        return c;
    }
};

TEST_F(DrawingTest, PlotcellStoresOnlyInsideAndStrokesTheTopOfTheCell) {
    ed.plotcell(0.5f, 10);  // 0.5 > 0 and rounds to 0: column 0 is written
    ed.plotcell(0.8f, 11);
    ed.plotcell(128, 12);
    ed.plotcell(5, 64);
    ed.plotcell(-1, 5);
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{0, 10}, {1, 11}}));
    // Four strokes at 0, 0.2, 0.4, 0.6 fall on the first two pixel rows.
    ed.plotcell(20, 20);
    EXPECT_EQ(ed.Picture1.pixel(57, 57), blueink);
    EXPECT_EQ(ed.Picture1.pixel(59, 58), blueink);
    EXPECT_EQ(ed.Picture1.pixel(58, 59), casioback);
    // Column 128 is painted in the canvas's last half unit though not stored.
    EXPECT_EQ(ed.Picture1.pixel(382, 33), blueink);
    // With the background colour the cell is erased, painted in the back colour.
    ed.presstruegreen_Click();
    ed.plotcell(0.8f, 11);
    EXPECT_EQ(ed.pixelgrid.get(1, 11), 0);
    ed.previewcell(30, 30);
    EXPECT_EQ(ed.pixelgrid.get(30, 30), 0) << "the preview never stores";
}

TEST_F(DrawingTest, BrushStampsAPlusClippedAtTheBordersAndAirbrushSpraysFiveDots) {
    ed.Command6_Click();
    down(1, 1);
    move(127, 63);
    move(1, 1);
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{127, 63}, {126, 63}, {127, 62}, {1, 1}, {2, 1}, {1, 2}}));

    ed.pixelgrid.clear();
    ed.Command7_Click();
    down(50, 30);
    // Four numbers a dot: size of x, sign of x, size of y, sign of y.
    platform.randoms = {0.0f, 0.0f, 0.0f, 0.0f, 0.99f, 0.9f, 0.26f, 0.2f, 0.5f, 0.51f, 0.74f, 0.6f,
                        0.25f, 0.4f, 0.99f, 0.99f, 0.0f, 0.0f, 0.0f, 0.0f};
    platform.rndcalls = 0;
    move(50, 30);
    EXPECT_EQ(platform.rndcalls, 20);
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{50, 30}, {47, 31}, {48, 28}, {51, 27}}));
    // Near the border the dots outside the canvas leave canvas strokes only.
    ed.pixelgrid.clear();
    platform.randoms = {0.99f, 0.9f, 0.0f, 0.0f, 0.99f, 0.9f, 0.0f, 0.0f, 0.99f, 0.9f, 0.0f, 0.0f,
                        0.99f, 0.9f, 0.0f, 0.0f, 0.99f, 0.9f, 0.0f, 0.0f};
    move(2, 5);
    EXPECT_EQ(setcells(ed.pixelgrid), Cells{});
}

TEST_F(DrawingTest, LineWalkCases) {
    struct Row { float x1, y1, x2, y2; Cells expected; } rows[] = {
        {10, 30, 20, 30, row(30, 10, 19)},
        {20, 30, 10, 30, row(30, 11, 20)},
        {5, 40, 5, 35, column(5, 36, 40)},
        {5, 35, 5, 40, column(5, 35, 39)},
        {33, 33, 33, 33, {{33, 33}}},
        {10, 10, 12, 30, [] {
             Cells c = column(10, 10, 19);
             Cells d = column(11, 20, 29);
             c.insert(d.begin(), d.end());
             return c;
         }()},
    };
    for (const Row& r : rows) {
        ed.pixelgrid.clear();
        twoclicks(&Editor::Command3_Click, r.x1, r.y1, r.x2, r.y2);
        EXPECT_EQ(setcells(ed.pixelgrid), r.expected) << r.x1 << "," << r.y1 << " to " << r.x2 << "," << r.y2;
        EXPECT_EQ(ed.modelbl.caption, "Ligne");
    }
    // Walking right stops when the row leaves the screen; walking left does not test it.
    ed.pixelgrid.clear();
    twoclicks(&Editor::Command3_Click, 10, 2, 14, -10);
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{10, 2}, {10, 1}}));
    ed.pixelgrid.clear();
    twoclicks(&Editor::Command3_Click, 14, 2, 10, -10);
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{14, 2}, {14, 1}}));
}

TEST_F(DrawingTest, RectangleOrdersItsCornersAndWritesThemBack) {
    twoclicks(&Editor::Command9_Click, 20, 10, 10, 5);
    Cells expected = row(5, 10, 20);
    for (const Cells& side : {row(10, 10, 20), column(10, 5, 10), column(20, 5, 10)})
        expected.insert(side.begin(), side.end());
    EXPECT_EQ(setcells(ed.pixelgrid), expected);
    EXPECT_EQ(ed.anchorx, 10.0f);
    EXPECT_EQ(ed.anchory, 5.0f);
    EXPECT_EQ(ed.modelbl.caption, "Rectangle");

    ed.pixelgrid.clear();
    twoclicks(&Editor::Command9_Click, 40, 40, 40, 40);
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{40, 40}}));
    // A zero-height rectangle still draws its row.
    ed.pixelgrid.clear();
    twoclicks(&Editor::Command9_Click, 40, 40, 43, 40);
    EXPECT_EQ(setcells(ed.pixelgrid), row(40, 40, 43));
}

TEST_F(DrawingTest, PreviewsPaintTheCanvasOnlyAndRestoreTheAnchors) {
    ed.Command9_Click();
    down(30, 20);
    move(10, 5);
    EXPECT_EQ(setcells(ed.pixelgrid), Cells{});
    EXPECT_EQ(ed.anchorx, 30.0f);
    EXPECT_EQ(ed.anchory, 20.0f);
    EXPECT_EQ(ed.Picture1.pixel(3 * 9, 3 * 4), blueink) << "corner (10, 5) previewed";
    move(12, 7);  // the next move wipes the previous preview
    EXPECT_EQ(ed.Picture1.pixel(3 * 9, 3 * 4), casioback);
    EXPECT_EQ(ed.Picture1.pixel(3 * 11, 3 * 6), blueink);

    ed.Command3_Click();
    down(5, 5);
    move(60, 5);
    EXPECT_EQ(setcells(ed.pixelgrid), Cells{});
    EXPECT_EQ(ed.Picture1.pixel(3 * 40, 3 * 4), blueink);
    ed.Command10_Click();
    down(64, 32);
    move(64 + 20, 32);
    EXPECT_EQ(setcells(ed.pixelgrid), Cells{});
    // Far outside with a button held: drawn where the canvas shows, nothing stored.
    ed.Command3_Click();
    down(120, 30);
    move(1e6f, 30);
    EXPECT_EQ(ed.Picture1.pixel(3 * 127 + 1, 3 * 29), blueink);
    EXPECT_EQ(setcells(ed.pixelgrid), Cells{});
}

TEST_F(DrawingTest, CircleSamplesInRadiansWithTheFloor) {
    twoclicks(&Editor::Command10_Click, 10, 10, 13, 10);
    Cells expected{{13, 10}};
    for (const Cells& side : {row(7, 7, 12), row(12, 7, 12), column(7, 7, 12), column(12, 7, 12)})
        expected.insert(side.begin(), side.end());
    EXPECT_EQ(setcells(ed.pixelgrid), expected);
    EXPECT_EQ(ed.modelbl.caption, "Cercle, cliquez pour définir le centre");

    ed.pixelgrid.clear();
    twoclicks(&Editor::Command10_Click, 30, 30, 30, 30);
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{30, 30}}));
}

TEST_F(DrawingTest, FillOfTheEmptyPictureCoversTheUsableAreaOnly) {
    ed.pixelgrid.set(0, 5, 2);
    ed.Command8_Click();
    down(64, 32);
    Cells all;
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x) all.insert({x, y});
    Cells got = setcells(ed.pixelgrid);
    got.erase({0, 5});
    EXPECT_EQ(got, all);
    EXPECT_EQ(ed.pixelgrid.get(0, 5), 2);
    EXPECT_EQ(ed.curtool, Tool::fill70);
    EXPECT_EQ(pixelsnot(blueink), Canvas::width * Canvas::height - 127 * 63 * 9) << "one redraw at the end";
}

TEST_F(DrawingTest, FillStaysInsideWallsAndLeavesItsOwnColourAlone) {
    // A closed outline: inside, then outside.
    twoclicks(&Editor::Command9_Click, 20, 10, 40, 30);
    ed.pressgreen_Click();
    ed.Command8_Click();
    down(30, 20);
    EXPECT_EQ(ed.pixelgrid.get(30, 20), 2);
    EXPECT_EQ(ed.pixelgrid.get(21, 11), 2);
    EXPECT_EQ(ed.pixelgrid.get(20, 10), 1);
    EXPECT_EQ(ed.pixelgrid.get(19, 10), 0);
    ed.pressorange_Click();
    down(5, 5);
    EXPECT_EQ(ed.pixelgrid.get(127, 63), 3);
    EXPECT_EQ(ed.pixelgrid.get(30, 20), 2);
    EXPECT_EQ(ed.pixelgrid.get(128, 63), 0);

    // A diagonal from border to border is a wall: the walk never passes a corner.
    ed.new_Click();
    ed.pressblue_Click();
    for (int i = 1; i <= 63; ++i) ed.pixelgrid.set(i, i, 1);
    ed.pressgreen_Click();
    down(100, 5);
    EXPECT_EQ(ed.pixelgrid.get(2, 1), 2);
    EXPECT_EQ(ed.pixelgrid.get(1, 2), 0);
    EXPECT_EQ(ed.pixelgrid.get(10, 40), 0);

    // Filling with the cell's own colour changes nothing, yet redraws.
    Grid before = ed.pixelgrid;
    ed.Picture1.setforecolor(0x123456);
    ed.Picture1.line(100, 60, 101, 60);
    down(100, 5);
    EXPECT_EQ(ed.pixelgrid, before);
    EXPECT_NE(ed.Picture1.pixel(297, 177), 0x123456u);

    // An isolated cell alone, and erasing with the background colour.
    ed.new_Click();
    for (auto [x, y] : {std::pair{61, 50}, {59, 50}, {60, 51}, {60, 49}}) ed.pixelgrid.set(x, y, 1);
    ed.pixelgrid.set(60, 50, 3);
    ed.pressgreen_Click();
    down(60, 50);
    EXPECT_EQ(setcells(ed.pixelgrid).size(), 5u);
    EXPECT_EQ(ed.pixelgrid.get(60, 50), 2);
    ed.presstruegreen_Click();
    down(61, 50);
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{60, 50}, {59, 50}, {60, 51}, {60, 49}}));
}

TEST_F(DrawingTest, FillFromTheLastHalfColumnAndOutsideTheArrays) {
    // Column 127 walls off the canvas: the walk runs up and down column 128.
    for (int y = 1; y <= 63; ++y) ed.pixelgrid.set(127, y, 1);
    ed.pressorange_Click();
    ed.Command8_Click();
    down(127.7f, 20);  // converts to 128
    EXPECT_EQ(setcells(ed.pixelgrid), [] {
        Cells c = column(127, 1, 63);
        Cells d = column(128, 1, 63);
        c.insert(d.begin(), d.end());
        return c;
    }());
    EXPECT_EQ(ed.pixelgrid.get(128, 5), 3);
    // Without the wall it spreads left into the whole empty canvas.
    ed.new_Click();
    down(127.7f, 20);
    EXPECT_EQ(setcells(ed.pixelgrid).size(), 127u * 63 + 63);
    EXPECT_EQ(ed.pixelgrid.get(128, 0) + ed.pixelgrid.get(128, 64), 0);

    Grid before = ed.pixelgrid;
    down(128.6f, 20);  // 129: no cell to read
    down(40, -3);
    EXPECT_EQ(ed.pixelgrid, before);
}

}  // namespace
}  // namespace grafipix
