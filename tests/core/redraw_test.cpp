// The full redraw and the background switch, read back pixel by pixel.

#include <gtest/gtest.h>

#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::EditorTest;

// Each code on exactly its 3 x 3 pixels in the model's ink, the border cells
// never, and the pen left for the current colour.
TEST_F(EditorTest, RedrawPaintsEachCellAndLeavesThePenForTheCurrentColour) {
    struct Row { int16_t code; int inkcolor, bgkind; int16_t curcolor; wincolour cell, pen; } rows[] = {
        {1, 1, 2, 1, blueink, blueink}, {1, 2, 1, 1, blackink, blackink}, {2, 1, 2, 0, greenink, casioback},
        {3, 2, 1, 0, orangeink, whiteback}, {2, 1, 2, 3, greenink, orangeink},
    };
    for (const Row& r : rows) {
        ed.doc.newpicture();
        for (auto [x, y] : {std::pair{1, 1}, {127, 63}, {0, 5}, {128, 5}, {5, 0}, {5, 64}}) ed.doc.set(x, y, r.code);
        ed.inkcolor = r.inkcolor, ed.bgkind = r.bgkind, ed.curcolor = r.curcolor;
        ed.redrawcanvas();
        EXPECT_TRUE(cellis(1, 1, r.cell) && cellis(127, 63, r.cell)) << "code " << r.code << " ink " << r.inkcolor;
        EXPECT_EQ(pixelsnot(casioback), 18) << "code " << r.code << ": two cells of nine pixels";
        EXPECT_EQ(ed.Picture1.forecolor(), r.pen) << "curcolor " << r.curcolor;
    }
}

// The highlight moves between the background buttons only when the
// background colour is the current one.
TEST_F(EditorTest, BackgroundEntriesSwitchButtonsChecksCanvasAndHighlight) {
    ed.doc.set(3, 3, 1);
    for (const char* script : {"bgwhite", "bgwhite", "bgcasio", "presstruegreen bgwhite", "bgwhite", "bgcasio"}) {
        play(script);
        const bool white = ed.bgwhite.checked, bgcurrent = ed.curcolor == 0;
        const wincolour back = white ? whiteback : casioback;
        EXPECT_TRUE(ed.presswhite.visible == white && ed.presstruegreen.visible == !white && ed.bgcasio.checked == !white) << script;
        EXPECT_TRUE(ed.bgkind == (white ? 1 : 2) && cellis(3, 3, blueink) && cellis(4, 3, back)) << script;
        EXPECT_EQ(std::tuple(ed.pressblue.backcolor, ed.presswhite.backcolor, ed.presstruegreen.backcolor),
                  std::tuple(bgcurrent ? buttonface : highlight, bgcurrent && white ? highlight : buttonface,
                             bgcurrent && !white ? highlight : buttonface)) << script;
        EXPECT_EQ(ed.Picture1.forecolor(), bgcurrent ? back : blueink) << script;
    }
    EXPECT_TRUE(ed.curcolor == 0 && !ed.bgwhite.checked);
}

}  // namespace
}  // namespace grafipix
