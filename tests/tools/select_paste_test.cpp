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
    // Each cell's code is its own column and row, so a copy shows where it came from.
    void pattern() {
        for (int y = 1; y <= 63; ++y)
            for (int x = 1; x <= 127; ++x) ed.pixelgrid.set(x, y, static_cast<int16_t>((x + 2 * y) % 4));
    }
};

TEST_F(SelectTest, FrameEnclosesTheCellsTheCaptureCopies) {
    ed.Command11_Click();
    down(10, 10);
    ed.pixelgrid.set(12, 12, 2);
    ed.Picture1.setforecolor(greenink);
    move(20, 15);
    // Black lines through the top-left corners of (10, 10) and (20, 15).
    EXPECT_EQ(ed.Picture1.pixel(27, 27), blackink);
    EXPECT_EQ(ed.Picture1.pixel(57, 27), blackink);
    EXPECT_EQ(ed.Picture1.pixel(57, 42), blackink);
    EXPECT_EQ(ed.Picture1.pixel(27, 41), blackink);
    EXPECT_EQ(ed.Picture1.pixel(58, 28), casioback);
    EXPECT_EQ(ed.Picture1.forecolor(), blueink) << "the pen comes back after the frame";
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{12, 12}}));
}

TEST_F(SelectTest, CaptureOrdersTheCornersAndCopiesTheBlock) {
    pattern();
    for (auto [first, second] : {std::pair{std::pair{10.f, 10.f}, std::pair{20.f, 15.f}},
                                 std::pair{std::pair{20.f, 15.f}, std::pair{10.f, 10.f}}}) {
        ed.selgrid.clear();
        select(first.first, first.second, second.first, second.second);
        EXPECT_EQ(ed.selx, 10.0f);
        EXPECT_EQ(ed.sely, 10.0f);
        EXPECT_EQ(ed.selw, 11.0f);
        EXPECT_EQ(ed.selh, 6.0f);
        EXPECT_EQ(ed.anchorx, 10.0f);
        EXPECT_EQ(ed.anchory, 10.0f);
        for (int j = 1; j <= 11; ++j)
            for (int i = 1; i <= 6; ++i) {
                const int16_t expected = j <= 10 && i <= 5 ? ed.pixelgrid.get(9 + j, 9 + i) : 0;
                ASSERT_EQ(ed.selgrid.get(j, i), expected) << j << "," << i;
            }
        EXPECT_TRUE(ed.selection.enabled);
        EXPECT_EQ(ed.curtool, Tool::select60);
        EXPECT_EQ(ed.modelbl.caption, "Utilisez le menu pour agir sur la selection");
    }
}

TEST_F(SelectTest, PasteStampsAtTheClickClippedAndOpaqueOrTransparent) {
    // A 10 x 5 block of ink with a background hole in its first column.
    for (int x = 10; x < 20; ++x)
        for (int y = 10; y < 15; ++y) ed.pixelgrid.set(x, y, 1);
    ed.pixelgrid.set(10, 12, 0);
    select(10, 10, 20, 15);
    ed.curtool = Tool::paste62;

    ed.pressgreen_Click();
    for (int x = 119; x <= 127; ++x) ed.pixelgrid.set(x, 62, 2);
    down(120, 60);
    EXPECT_EQ(ed.pixelgrid.get(120, 62), 0) << "opaque: the hole overwrites";
    EXPECT_EQ(ed.pixelgrid.get(127, 63), 1);
    EXPECT_EQ(ed.pixelgrid.get(119, 62), 2);
    EXPECT_EQ(ed.pixelgrid.get(128, 60), 0) << "clipped at the right";
    EXPECT_EQ(ed.pixelgrid.get(125, 64), 0) << "clipped at the bottom";
    EXPECT_EQ(ed.curtool, Tool::paste62);

    ed.opaquedup = 0;
    ed.pixelgrid.set(50, 42, 3);
    down(50, 40);
    EXPECT_EQ(ed.pixelgrid.get(50, 42), 3) << "transparent: the hole lets the picture through";
    EXPECT_EQ(ed.pixelgrid.get(51, 42), 1);
    EXPECT_EQ(ed.pixelgrid.get(59, 44), 1);
    EXPECT_EQ(ed.pixelgrid.get(60, 44), 0);
    EXPECT_TRUE(cellis(51, 42, blueink)) << "redrawn after the paste";
}

}  // namespace
}  // namespace grafipix
