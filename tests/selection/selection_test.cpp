// The "Sélection" menu, the opaque-duplication option and colour replacement,
// driven as the user drives them: tool button, two clicks, menu entries.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/cells.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::Cells;
using testing::setcells;
using Command = void (Editor::*)();

class SelectionTest : public testing::EditorTest {
protected:
    void select(float x1, float y1, float x2, float y2) {
        ed.Command11_Click();
        down(x1, y1);
        down(x2, y2);
    }
    // The codes of a w x h block at (x, y), rows joined by '/'.
    std::string rows(int x, int y, int w, int h) const {
        std::string out;
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) out += (i || !j ? "" : "/") + std::to_string(ed.pixelgrid.get(x + i, y + j));
        return out;
    }
    void ink(int x0, int x1, int y) {
        for (int x = x0; x <= x1; ++x) ed.pixelgrid.set(x, y, grafipix::ink);
    }
};

TEST_F(SelectionTest, MirrorsAndHalfTurnWriteTheBufferTransformed) {
    // a b c / d e f = 1 2 3 / 0 3 1 at (20, 30).
    const std::vector<std::pair<Command, std::string>> cases = {
        {&Editor::selhoriz_Click, "321/130"}, {&Editor::selvert_Click, "031/123"}, {&Editor::rotate180_Click, "130/321"}};
    for (const auto& [command, expected] : cases) {
        ed.new_Click();
        const int16_t codes[] = {1, 2, 3, 0, 3, 1};
        for (int k = 0; k < 6; ++k) ed.pixelgrid.set(20 + k % 3, 30 + k / 3, codes[k]);
        select(20, 30, 23, 32);
        ed.pixelgrid.set(24, 30, 2);  // beside the block
        ed.pixelgrid.set(20, 31, 2);  // drawn inside after the selection: lost
        for (int run = 1; run <= 2; ++run) {  // the buffer is read, not the picture
            (ed.*command)();
            EXPECT_EQ(rows(20, 30, 3, 2), expected) << expected << " run " << run;
        }
        EXPECT_EQ(ed.pixelgrid.get(24, 30), 2);
        EXPECT_TRUE(cellis(20 + static_cast<int>(expected.find('1')), 30, blueink)) << "redrawn";
    }
    // Both mirrors give the top-to-bottom mirror alone, not a half turn.
    ed.selhoriz_Click();
    ed.selvert_Click();
    EXPECT_EQ(rows(20, 30, 3, 2), "031/123");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SelectionTest, EmptyBufferIsRefusedExceptByTheHalfTurn) {
    ed.pixelgrid.set(60, 20, 1);
    select(10, 10, 20, 15);
    ed.pixelgrid.set(12, 12, 2);  // drawn after: the buffer stays empty
    const Grid before = ed.pixelgrid;
    for (Command c : {&Editor::selduplicate_Click, &Editor::seldelete_Click, &Editor::selhoriz_Click, &Editor::selvert_Click}) {
        platform.messages.clear();
        (ed.*c)();
        EXPECT_EQ(platform.messages, std::vector<std::string>{"opération impossible : aucun pixel sélectionné"});
        EXPECT_EQ(ed.pixelgrid, before);
        EXPECT_EQ(ed.curtool, Tool::select60);
    }
    platform.messages.clear();
    ed.rotate180_Click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{60, 20}})) << "the empty buffer turned over the block";
}

TEST_F(SelectionTest, OldCellsBeyondASmallerSelectionPassTheCheckButAreNotPasted) {
    ed.pixelgrid.set(15, 25, 1);
    select(1, 1, 21, 31);
    select(50, 50, 60, 55);  // all background
    ed.selduplicate_Click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ed.curtool, Tool::paste62);
    EXPECT_EQ(ed.modelbl.caption, "Déplacer le curseur puis cliquez");
    down(1, 1);
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{15, 25}}));

    // One cell, and a zero-height row: mirrors write the cell back, delete clears only the block.
    ed.pixelgrid.set(40, 40, 3);
    select(40, 40, 40, 40);
    ed.pixelgrid.set(40, 40, 1);
    ed.selhoriz_Click();
    EXPECT_EQ(ed.pixelgrid.get(40, 40), 3);
    ink(30, 41, 30);
    select(30, 30, 40, 30);
    EXPECT_EQ(ed.selh, 1.0f);
    ed.seldelete_Click();
    EXPECT_EQ(rows(29, 30, 13, 1), "0000000000011");
}

TEST_F(SelectionTest, DeleteThenDuplicatePastesTheDeletedBlockBackUntilDeselected) {
    ink(10, 19, 12);
    const Grid drawn = ed.pixelgrid;
    select(10, 10, 20, 15);
    ed.seldelete_Click();
    EXPECT_TRUE(setcells(ed.pixelgrid).empty());
    EXPECT_TRUE(cellis(15, 12, casioback)) << "redrawn";
    ed.selduplicate_Click();
    down(10, 10);
    EXPECT_EQ(ed.pixelgrid, drawn);

    // Deselect empties the buffer and the menu, but paste mode stays on.
    ed.desel_Click();
    EXPECT_FALSE(ed.selection.enabled);
    EXPECT_TRUE(setcells(ed.selgrid).empty());
    EXPECT_EQ(ed.curtool, Tool::paste62);
    ed.opyes_Click();
    EXPECT_FALSE(ed.opyes.checked);
    down(10, 10);  // transparent: changes nothing
    EXPECT_EQ(ed.pixelgrid, drawn);
    ed.opyes_Click();
    EXPECT_TRUE(ed.opyes.checked);
    EXPECT_EQ(ed.opaquedup, 1);
    ed.pixelgrid.set(20, 12, 3);
    down(10, 10);  // opaque: clears 10 x 5
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{20, 12}}));
}

TEST_F(SelectionTest, ReplacementInThePictureOrTheBlockLeavesTheBufferAlone) {
    ed.repbg_Click();  // "le fond par le bleu" on a new picture
    Cells visible;
    for (int x = 1; x <= 127; ++x)
        for (int y = 1; y <= 63; ++y) visible.insert({x, y});
    EXPECT_EQ(setcells(ed.pixelgrid), visible) << "8001 cells, the borders untouched";
    // Ink everywhere but the canvas's last half column and row, which no cell covers.
    EXPECT_EQ(pixelsnot(blueink), Canvas::width * Canvas::height - 381 * 189);

    ed.new_Click();
    ed.g65_Click();
    for (int x = 5; x <= 30; ++x) ed.pixelgrid.set(x, 20, x % 2 ? grafipix::ink : orange);
    select(10, 18, 20, 25);
    const Grid buffer = ed.selgrid;
    ed.pressgreen_Click();
    ed.repbluesel_Click();
    ed.reporangesel_Click();
    EXPECT_EQ(rows(8, 20, 14, 1), "31222222222231");
    EXPECT_EQ(ed.selgrid, buffer);
    EXPECT_TRUE(cellis(11, 20, greenink));
}

// Clicks in the last half column and row convert to 129 and 65, and a button
// held far outside gives any position: every command stays inside the arrays.
TEST_F(SelectionTest, BlocksReachingPastTheArraysStayInside) {
    ink(1, 127, 63);
    select(120, 60, 128.5f, 64.5f);
    EXPECT_EQ(ed.selw, 10.0f);
    EXPECT_EQ(ed.selh, 6.0f);
    ed.rotate180_Click();
    EXPECT_EQ(rows(120, 61, 9, 3), "011111110/000000000/000000000");
    for (Command c : {&Editor::selhoriz_Click, &Editor::selvert_Click, &Editor::repbluesel_Click, &Editor::seldelete_Click})
        (ed.*c)();
    EXPECT_EQ(rows(119, 60, 10, 5), "0000000000/0000000000/0000000000/1000000000/0000000000");

    select(128.5f, 64.5f, 128.9f, 64.9f);
    ed.selgrid.set(1, 1, 1);  // so the checked commands run
    for (Command c : {&Editor::selhoriz_Click, &Editor::selvert_Click, &Editor::rotate180_Click, &Editor::repbgsel_Click,
                      &Editor::seldelete_Click, &Editor::selduplicate_Click})
        (ed.*c)();
    down(128.5f, 64.5f);
    EXPECT_EQ(setcells(ed.pixelgrid).size(), 119u);

    // From far left and top to far right and bottom: the whole grid, at once.
    ed.pressgreen_Click();
    ed.Command11_Click();
    down(-1e6f, -1e6f);
    down(1e7f, 1e7f);
    ed.repbgsel_Click();
    EXPECT_EQ(setcells(ed.pixelgrid).size(), 129u * 65u);
    // The buffer read only cells far outside, so the half turn empties the
    // grid but column 128 and row 64, which it never writes.
    ed.rotate180_Click();
    Cells border;
    for (int x = 0; x <= 128; ++x) border.insert({x, 64});
    for (int y = 0; y <= 64; ++y) border.insert({128, y});
    EXPECT_EQ(setcells(ed.pixelgrid), border);
}

}  // namespace
}  // namespace grafipix
