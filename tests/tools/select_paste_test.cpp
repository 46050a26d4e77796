// The selection tool's frame, capture and the paste mode.

#include <gtest/gtest.h>

#include "tests/support/cells.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::Cells;
using testing::EditorTest;
using testing::setcells;

class SelectTest : public EditorTest {
protected:
    void select(float x1, float y1, float x2, float y2) {
        ed.Command11_Click();
        down(x1, y1);
        down(x2, y2);
    }
};

TEST_F(SelectTest, FrameEnclosesTheCellsTheCaptureCopies) {
    ed.Command11_Click();
    down(10, 10);
    ed.pixelgrid.set(12, 12, 2);
    ed.Picture1.setforecolor(greenink);
    move(20, 15);
    // Black lines through the top-left corners of (10, 10) and (20, 15).
    for (auto [px, py] : {std::pair{27, 27}, {57, 27}, {57, 42}, {27, 41}}) EXPECT_EQ(ed.Picture1.pixel(px, py), blackink) << px << "," << py;
    EXPECT_EQ(ed.Picture1.pixel(58, 28), casioback);
    EXPECT_EQ(ed.Picture1.forecolor(), blueink) << "the pen comes back after the frame";
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{12, 12}}));
}

TEST_F(SelectTest, CaptureOrdersTheCornersAndCopiesTheBlock) {
    // Each cell's code follows its column and row, so a copy shows where it came from.
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x) ed.pixelgrid.set(x, y, static_cast<int16_t>((x + 2 * y) % 4));
    for (bool reversed : {false, true}) {
        ed.selgrid.clear();
        reversed ? select(20, 15, 10, 10) : select(10, 10, 20, 15);
        EXPECT_TRUE(ed.selx == 10 && ed.sely == 10 && ed.selw == 11 && ed.selh == 6) << reversed;
        EXPECT_TRUE(ed.anchorx == 10 && ed.anchory == 10) << reversed;
        for (int j = 1; j <= 11; ++j)
            for (int i = 1; i <= 6; ++i)
                ASSERT_EQ(ed.selgrid.get(j, i), j <= 10 && i <= 5 ? ed.pixelgrid.get(9 + j, 9 + i) : 0) << j << "," << i;
        EXPECT_TRUE(ed.selection.enabled && ed.curtool == Tool::select60);
        EXPECT_EQ(ed.modelbl.caption, "Utilisez le menu pour agir sur la selection");
    }
}

TEST_F(SelectTest, PasteStampsAtTheClickClippedAndOpaqueOrTransparent) {
    // A 10 x 5 block of ink with a background hole in its first column.
    for (int x = 10; x < 20; ++x)
        for (int y = 10; y < 15; ++y) ed.pixelgrid.set(x, y, x == 10 && y == 12 ? 0 : 1);
    select(10, 10, 20, 15);
    ed.curtool = Tool::paste62;
    ed.pressgreen_Click();
    for (int x = 119; x <= 127; ++x) ed.pixelgrid.set(x, 62, 2);
    down(120, 60);
    ed.opaquedup = 0;
    ed.pixelgrid.set(50, 42, 3);
    down(50, 40);
    struct Row { const char* name; int x, y, code; } rows[] = {
        {"opaque: the hole overwrites", 120, 62, 0}, {"block", 127, 63, 1}, {"left of the block", 119, 62, 2},
        {"clipped at the right", 128, 60, 0}, {"clipped at the bottom", 125, 64, 0},
        {"transparent: the hole lets the picture through", 50, 42, 3}, {"block", 51, 42, 1}, {"block", 59, 44, 1},
        {"past the block", 60, 44, 0},
    };
    for (const Row& r : rows) EXPECT_EQ(ed.pixelgrid.get(r.x, r.y), r.code) << r.name;
    EXPECT_EQ(ed.curtool, Tool::paste62);
    EXPECT_TRUE(cellis(51, 42, blueink)) << "redrawn after the paste";
}

}  // namespace
}  // namespace grafipix
