// The canvas raster and the full redraw, read back pixel by pixel.

#include <gtest/gtest.h>

#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::EditorTest;

TEST(CanvasRaster, LinesLeaveOutTheirLastPixelAndClipAtTheBorders) {
    Canvas c;
    c.setbackcolor(whiteback);
    c.setforecolor(blackink);
    c.line(1, 1, 2, 1);  // one unit from the origin: pixels 0..2 of row 0
    EXPECT_EQ(c.pixel(0, 0), blackink);
    EXPECT_EQ(c.pixel(2, 0), blackink);
    EXPECT_EQ(c.pixel(3, 0), whiteback);
    c.line(5, 2, 3, 2);  // leftwards: leaves out its end, keeps its start
    EXPECT_EQ(c.pixel(12, 3), blackink);
    EXPECT_EQ(c.pixel(7, 3), blackink);
    EXPECT_EQ(c.pixel(6, 3), whiteback);
    c.line(10, 10, 10, 12);  // vertical
    EXPECT_EQ(c.pixel(27, 27), blackink);
    EXPECT_EQ(c.pixel(27, 32), blackink);
    EXPECT_EQ(c.pixel(27, 33), whiteback);
    // Far outside, both ways, draws nothing and does not crash.
    c.cls();
    c.line(-1e9f, -5, 1e9f, -5);
    c.line(200, 1, 200, 1e30f);
    c.line(-3, -3, -1e6f, 1e6f);
    int drawn = 0;
    for (int y = 0; y < Canvas::height; ++y)
        for (int x = 0; x < Canvas::width; ++x) drawn += c.pixel(x, y) != whiteback;
    EXPECT_EQ(drawn, 0);
    // A line across the whole canvas reaches the last half unit.
    c.line(-10, 128.6f, 500, 128.6f);
    EXPECT_EQ(c.pixel(Canvas::width - 1, Canvas::height - 1), whiteback);
    c.line(-10, 64.4f, 500, 64.4f);
    EXPECT_EQ(c.pixel(Canvas::width - 1, Canvas::height - 1), blackink);
}

TEST(CanvasRaster, BackgroundPictureShowsUnderEveryClear) {
    Canvas c;
    c.setforecolor(orangeink);
    c.line(1, 1, 3, 1);
    Picture shot = c.image();
    c.setbackcolor(whiteback);  // clears, no picture yet
    EXPECT_EQ(c.pixel(0, 0), whiteback);
    c.setpicture(shot);
    EXPECT_EQ(c.pixel(0, 0), orangeink);
    EXPECT_EQ(c.pixel(10, 10), casioback) << "the picture covers the back colour";
    c.cls();
    EXPECT_EQ(c.pixel(5, 0), orangeink);
    c.setpicture(Picture{});
    EXPECT_EQ(c.pixel(0, 0), whiteback);
}

TEST_F(EditorTest, RedrawPaintsEachCodeOnItsThreeByThreePixels) {
    struct Row { int code, inkcolor; wincolour expected; } rows[] = {
        {1, 1, blueink}, {1, 2, blackink}, {1, 7, blackink}, {2, 1, greenink}, {3, 2, orangeink},
    };
    for (const Row& r : rows) {
        ed.pixelgrid.clear();
        ed.inkcolor = r.inkcolor;
        ed.pixelgrid.set(1, 1, static_cast<int16_t>(r.code));
        ed.pixelgrid.set(127, 63, static_cast<int16_t>(r.code));
        ed.pixelgrid.set(40, 20, static_cast<int16_t>(r.code));
        ed.redrawcanvas();
        for (auto [x, y] : {std::pair{1, 1}, {127, 63}, {40, 20}})
            EXPECT_TRUE(cellis(x, y, r.expected)) << "code " << r.code << " ink " << r.inkcolor << " at " << x << "," << y;
        EXPECT_EQ(pixelsnot(casioback), 27) << "code " << r.code << ": exactly three cells of nine pixels";
        // Neighbouring pixels stay background: the mark stays inside its cell.
        EXPECT_EQ(ed.Picture1.pixel(3, 0), casioback);
        EXPECT_EQ(ed.Picture1.pixel(0, 3), casioback);
        EXPECT_EQ(ed.Picture1.pixel(3 * 39 - 1, 3 * 19), casioback);
    }
}

TEST_F(EditorTest, RedrawNeverShowsTheBorderColumnsAndRows) {
    for (int x = 0; x <= 128; ++x) {
        ed.pixelgrid.set(x, 0, 1);
        ed.pixelgrid.set(x, 64, 2);
    }
    for (int y = 0; y <= 64; ++y) {
        ed.pixelgrid.set(0, y, 3);
        ed.pixelgrid.set(128, y, 1);
    }
    ed.redrawcanvas();
    EXPECT_EQ(pixelsnot(casioback), 0);
}

TEST_F(EditorTest, FullPictureCoversTheUsableAreaAndNothingElse) {
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x) ed.pixelgrid.set(x, y, static_cast<int16_t>(1 + (x + y) % 3));
    ed.bgwhite_Click();
    EXPECT_EQ(pixelsnot(whiteback), 127 * 63 * 9);
    EXPECT_TRUE(cellis(1, 1, orangeink));
    // The last half unit beyond column 127 and row 63 stays white.
    for (int py = 0; py < Canvas::height; ++py) EXPECT_EQ(ed.Picture1.pixel(381, py), whiteback);
    for (int px = 0; px < Canvas::width; ++px) EXPECT_EQ(ed.Picture1.pixel(px, 189), whiteback);
}

TEST_F(EditorTest, RedrawLeavesThePenForTheCurrentColour) {
    struct Row { int16_t curcolor; int inkcolor, bgkind; wincolour pen; } rows[] = {
        {1, 1, 2, blueink}, {1, 2, 2, blackink}, {2, 1, 2, greenink}, {3, 1, 1, orangeink},
        {0, 1, 1, whiteback}, {0, 1, 2, casioback}, {0, 2, 1, whiteback},
    };
    ed.pixelgrid.set(5, 5, 2);  // the cell leaves green in the pen before step 4
    for (const Row& r : rows) {
        ed.curcolor = r.curcolor;
        ed.inkcolor = r.inkcolor;
        ed.bgkind = r.bgkind;
        ed.redrawcanvas();
        EXPECT_EQ(ed.Picture1.forecolor(), r.pen) << "curcolor " << r.curcolor << " bgkind " << r.bgkind;
    }
}

TEST_F(EditorTest, BackgroundEntriesSwitchButtonsChecksAndCanvas) {
    ed.pixelgrid.set(3, 3, 1);
    ed.bgwhite_Click();
    EXPECT_FALSE(ed.presstruegreen.visible);
    EXPECT_TRUE(ed.presswhite.visible);
    EXPECT_TRUE(ed.bgwhite.checked);
    EXPECT_FALSE(ed.bgcasio.checked);
    EXPECT_EQ(ed.bgkind, 1);
    EXPECT_EQ(ed.Picture1.backcolor(), whiteback);
    EXPECT_TRUE(cellis(3, 3, blueink));
    EXPECT_TRUE(cellis(4, 3, whiteback));
    // Blue is current: no highlight moves.
    EXPECT_EQ(ed.presswhite.backcolor, buttonface);
    EXPECT_EQ(ed.pressblue.backcolor, highlight);

    ed.bgcasio_Click();
    EXPECT_TRUE(ed.presstruegreen.visible);
    EXPECT_FALSE(ed.presswhite.visible);
    EXPECT_TRUE(ed.bgcasio.checked);
    EXPECT_FALSE(ed.bgwhite.checked);
    EXPECT_EQ(ed.bgkind, 2);
    EXPECT_TRUE(cellis(4, 3, casioback));
}

TEST_F(EditorTest, BackgroundSwitchMovesTheHighlightOnlyWhenTheBackgroundIsCurrent) {
    // The background colour current on the green screen, as its button leaves it.
    ed.curcolor = 0;
    ed.pressblue.backcolor = buttonface;
    ed.presstruegreen.backcolor = highlight;

    ed.bgwhite_Click();
    EXPECT_EQ(ed.presswhite.backcolor, highlight);
    EXPECT_EQ(ed.presstruegreen.backcolor, buttonface);
    EXPECT_EQ(ed.Picture1.forecolor(), whiteback) << "drawing with code 0 now paints white";
    ed.bgwhite_Click();  // again: the kind does not change, nothing moves
    EXPECT_EQ(ed.presswhite.backcolor, highlight);
    EXPECT_EQ(ed.presstruegreen.backcolor, buttonface);

    ed.bgcasio_Click();
    EXPECT_EQ(ed.presstruegreen.backcolor, highlight);
    EXPECT_EQ(ed.presswhite.backcolor, buttonface);
    EXPECT_EQ(ed.Picture1.forecolor(), casioback);
}

TEST_F(EditorTest, BackgroundPictureStaysUnderRedrawsUntilNouveau) {
    ed.pixelgrid.set(10, 10, 1);
    ed.redrawcanvas();
    ed.Picture1.setpicture(ed.Picture1.image());
    ed.pixelgrid.set(10, 10, 0);
    ed.redrawcanvas();
    EXPECT_TRUE(cellis(10, 10, blueink)) << "a cell set to 0 still shows the picture";
    ed.bgwhite_Click();
    EXPECT_TRUE(cellis(10, 10, blueink));
    EXPECT_TRUE(cellis(11, 10, casioback)) << "the picture covers the new back colour";
    ed.new_Click();
    EXPECT_TRUE(cellis(10, 10, whiteback));
}

}  // namespace
}  // namespace grafipix
