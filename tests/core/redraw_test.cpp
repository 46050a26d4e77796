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
    c.line(1, 1, 2, 1);      // one unit from the origin: pixels 0..2 of row 0
    c.line(5, 2, 3, 2);      // leftwards: leaves out its end, keeps its start
    c.line(10, 10, 10, 12);  // vertical
    struct Row { int x, y; wincolour expected; } rows[] = {
        {0, 0, blackink}, {2, 0, blackink}, {3, 0, whiteback}, {12, 3, blackink}, {7, 3, blackink}, {6, 3, whiteback},
        {27, 27, blackink}, {27, 32, blackink}, {27, 33, whiteback},
    };
    for (const Row& r : rows) EXPECT_EQ(c.pixel(r.x, r.y), r.expected) << r.x << "," << r.y;
    // Far outside, both ways, draws nothing and does not hang.
    c.cls();
    c.line(-1e9f, -5, 1e9f, -5);
    c.line(200, 1, 200, 1e30f);
    c.line(-3, -3, -1e6f, 1e6f);
    c.line(-10, 128.6f, 500, 128.6f);
    EXPECT_EQ(c.image().pixels, std::vector<uint32_t>(c.image().pixels.size(), c.image().pixels[0]));
    EXPECT_EQ(c.pixel(0, 0), whiteback);
    c.line(-10, 64.4f, 500, 64.4f);
    EXPECT_EQ(c.pixel(Canvas::width - 1, Canvas::height - 1), blackink) << "the last half unit is reached";
}

// Each code shows on exactly its 3 x 3 pixels, in the ink of the model.
TEST_F(EditorTest, RedrawPaintsEachCodeOnItsThreeByThreePixels) {
    struct Row { int16_t code; int inkcolor; wincolour expected; } rows[] = {
        {1, 1, blueink}, {1, 2, blackink}, {1, 7, blackink}, {2, 1, greenink}, {3, 2, orangeink},
    };
    for (const Row& r : rows) {
        ed.pixelgrid.clear();
        ed.inkcolor = r.inkcolor;
        for (auto [x, y] : {std::pair{1, 1}, {127, 63}, {40, 20}}) ed.pixelgrid.set(x, y, r.code);
        ed.redrawcanvas();
        for (auto [x, y] : {std::pair{1, 1}, {127, 63}, {40, 20}})
            EXPECT_TRUE(cellis(x, y, r.expected)) << "code " << r.code << " ink " << r.inkcolor << " at " << x << "," << y;
        EXPECT_EQ(pixelsnot(casioback), 27) << "code " << r.code << ": exactly three cells of nine pixels";
    }
}

// Every cell set, borders included: only columns 1..127 and rows 1..63 show,
// and the last half unit beyond them keeps the background.
TEST_F(EditorTest, RedrawShowsTheUsableAreaOnly) {
    for (int y = 0; y <= 64; ++y)
        for (int x = 0; x <= 128; ++x) ed.pixelgrid.set(x, y, static_cast<int16_t>(1 + (x + y) % 3));
    ed.bgwhite_Click();
    EXPECT_EQ(pixelsnot(whiteback), 127 * 63 * 9);
    EXPECT_TRUE(cellis(1, 1, orangeink));
    for (int py = 0; py < Canvas::height; ++py) ASSERT_EQ(ed.Picture1.pixel(381, py), whiteback) << py;
    for (int px = 0; px < Canvas::width; ++px) ASSERT_EQ(ed.Picture1.pixel(px, 189), whiteback) << px;
}

TEST_F(EditorTest, RedrawLeavesThePenForTheCurrentColour) {
    struct Row { int16_t curcolor; int inkcolor, bgkind; wincolour pen; } rows[] = {
        {1, 1, 2, blueink}, {1, 2, 2, blackink}, {2, 1, 2, greenink}, {3, 1, 1, orangeink},
        {0, 1, 1, whiteback}, {0, 1, 2, casioback}, {0, 2, 1, whiteback},
    };
    ed.pixelgrid.set(5, 5, 2);  // the cell leaves green in the pen before the pen is set
    for (const Row& r : rows) {
        ed.curcolor = r.curcolor;
        ed.inkcolor = r.inkcolor;
        ed.bgkind = r.bgkind;
        ed.redrawcanvas();
        EXPECT_EQ(ed.Picture1.forecolor(), r.pen) << "curcolor " << r.curcolor << " bgkind " << r.bgkind;
    }
}

// The switch moves the highlight between the two background buttons only when
// the background colour is the current one.
TEST_F(EditorTest, BackgroundEntriesSwitchButtonsChecksCanvasAndHighlight) {
    ed.pixelgrid.set(3, 3, 1);
    for (bool bgcurrent : {false, true}) {
        SCOPED_TRACE(bgcurrent ? "background current" : "blue current");
        if (bgcurrent) ed.presstruegreen_Click();
        for (bool white : {true, true, false}) {  // twice white: the kind does not change, nothing moves
            white ? ed.bgwhite_Click() : ed.bgcasio_Click();
            const wincolour back = white ? whiteback : casioback;
            EXPECT_TRUE(ed.presswhite.visible == white && ed.presstruegreen.visible == !white);
            EXPECT_TRUE(ed.bgwhite.checked == white && ed.bgcasio.checked == !white && ed.bgkind == (white ? 1 : 2));
            EXPECT_TRUE(ed.Picture1.backcolor() == back && cellis(3, 3, blueink) && cellis(4, 3, back));
            EXPECT_EQ(ed.pressblue.backcolor, bgcurrent ? buttonface : highlight);
            EXPECT_EQ(ed.presswhite.backcolor, bgcurrent && white ? highlight : buttonface);
            EXPECT_EQ(ed.presstruegreen.backcolor, bgcurrent && !white ? highlight : buttonface);
            EXPECT_EQ(ed.Picture1.forecolor(), bgcurrent ? back : blueink) << "code 0 draws in the new back colour";
        }
    }
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
