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
using testing::EditorTest;
using testing::setcells;

const std::string refused = "opération impossible : aucun pixel sélectionné";

class SelectionTest : public EditorTest {
protected:
    void select(float x1, float y1, float x2, float y2) {
        ed.Command11_Click();
        down(x1, y1);
        down(x2, y2);
    }
    // Rows of the picture from (x, y), `w` cells wide, as one string of codes.
    std::string rows(int x, int y, int w, int h) const {
        std::string out;
        for (int j = 0; j < h; ++j) {
            if (j) out += '/';
            for (int i = 0; i < w; ++i) out += static_cast<char>('0' + ed.pixelgrid.get(x + i, y + j));
        }
        return out;
    }
    // A 3 x 2 block a b c / d e f at (20, 30), selected.
    void abcdef() {
        const int16_t codes[2][3] = {{1, 2, 3}, {0, 3, 1}};
        for (int j = 0; j < 2; ++j)
            for (int i = 0; i < 3; ++i) ed.pixelgrid.set(20 + i, 30 + j, codes[j][i]);
        select(20, 30, 23, 32);
    }
};

TEST_F(SelectionTest, MirrorsAndHalfTurnOfATwoRowBlockAreIdempotent) {
    struct Case {
        void (Editor::*command)();
        std::string expected;
    };
    for (const auto& c : std::vector<Case>{{&Editor::selhoriz_Click, "321/130"},
                                           {&Editor::selvert_Click, "031/123"},
                                           {&Editor::rotate180_Click, "130/321"}}) {
        abcdef();
        ed.pixelgrid.set(24, 30, 2);  // beside the block: never touched
        for (int twice = 0; twice < 2; ++twice) {
            (ed.*c.command)();
            EXPECT_EQ(rows(20, 30, 3, 2), c.expected) << "run " << twice + 1;
        }
        EXPECT_EQ(ed.pixelgrid.get(24, 30), 2);
        EXPECT_EQ(rows(20, 30, 3, 2), c.expected);
        EXPECT_TRUE(platform.messages.empty());
        ed.new_Click();
    }
    // Both mirrors together are the top-to-bottom mirror alone, not a half turn:
    // each reads the buffer taken at the selection.
    abcdef();
    ed.selhoriz_Click();
    ed.selvert_Click();
    EXPECT_EQ(rows(20, 30, 3, 2), "031/123");
}

TEST_F(SelectionTest, TransformsWriteTheBufferBackOverLaterDrawing) {
    abcdef();
    ed.pixelgrid.set(20, 30, 2);  // drawn after the selection
    ed.rotate180_Click();
    EXPECT_EQ(rows(20, 30, 3, 2), "130/321");
    EXPECT_TRUE(cellis(20, 30, blueink)) << "redrawn";

    // A one-cell selection writes its cell back and deletes only it.
    ed.pixelgrid.set(40, 40, 3);
    select(40, 40, 40, 40);
    EXPECT_EQ(ed.selw, 1.0f);
    EXPECT_EQ(ed.selgrid.get(1, 1), 3);
    ed.pixelgrid.set(40, 40, 1);
    ed.selhoriz_Click();
    EXPECT_EQ(ed.pixelgrid.get(40, 40), 3);
    ed.pixelgrid.set(41, 40, 1);
    ed.seldelete_Click();
    EXPECT_EQ(ed.pixelgrid.get(40, 40), 0);
    EXPECT_EQ(ed.pixelgrid.get(41, 40), 1);
}

TEST_F(SelectionTest, EmptySelectionIsRefusedExceptByTheHalfTurn) {
    ed.pixelgrid.set(60, 20, 1);
    select(10, 10, 20, 15);
    ed.pixelgrid.set(12, 12, 2);  // drawn after: the buffer stays empty
    const Grid before = ed.pixelgrid;
    for (auto command : {&Editor::selduplicate_Click, &Editor::seldelete_Click, &Editor::selhoriz_Click,
                         &Editor::selvert_Click}) {
        platform.messages.clear();
        (ed.*command)();
        EXPECT_EQ(platform.messages, std::vector<std::string>{refused});
        EXPECT_EQ(ed.pixelgrid, before);
        EXPECT_EQ(ed.curtool, Tool::select60);
        EXPECT_EQ(ed.selnotempty, 0);
    }
    platform.messages.clear();
    ed.rotate180_Click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ed.pixelgrid.get(12, 12), 0) << "the empty buffer turned over the block";
    EXPECT_EQ(ed.pixelgrid.get(60, 20), 1);
}

TEST_F(SelectionTest, SmallerSelectionAfterALargerOneKeepsTheOldCellsBeyondIt) {
    ed.pixelgrid.set(15, 25, 1);
    select(1, 1, 21, 31);
    EXPECT_EQ(ed.selgrid.get(15, 25), 1);
    // 10 x 5 of background: the old cell outside it still passes the check...
    select(50, 50, 60, 55);
    EXPECT_EQ(ed.selgrid.get(15, 25), 1);
    ed.selduplicate_Click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ed.curtool, Tool::paste62);
    EXPECT_EQ(ed.modelbl.caption, "Déplacer le curseur puis cliquez");
    // ...but is not pasted: the paste covers 10 x 5 only.
    down(1, 1);
    EXPECT_EQ(ed.pixelgrid.get(15, 25), 1);
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{15, 25}}));

    // A zero-height selection copies one row.
    ed.pixelgrid.set(33, 30, 2);
    select(30, 30, 40, 30);
    EXPECT_EQ(ed.selh, 1.0f);
    EXPECT_EQ(ed.selgrid.get(4, 1), 2);
    ed.seldelete_Click();
    EXPECT_EQ(ed.pixelgrid.get(33, 30), 0);
}

TEST_F(SelectionTest, DeleteThenDuplicatePastesTheDeletedBlockBack) {
    for (int x = 10; x < 20; ++x) ed.pixelgrid.set(x, 12, 1);
    const Grid drawn = ed.pixelgrid;
    select(10, 10, 20, 15);
    ed.seldelete_Click();
    EXPECT_TRUE(setcells(ed.pixelgrid).empty());
    EXPECT_TRUE(cellis(15, 12, casioback)) << "redrawn";
    ed.selduplicate_Click();
    down(10, 10);
    EXPECT_EQ(ed.pixelgrid, drawn);
    down(10, 30);  // every click pastes again
    EXPECT_EQ(ed.pixelgrid.get(19, 32), 1);
    EXPECT_TRUE(ed.selection.enabled);
}

TEST_F(SelectionTest, DeselectEmptiesTheBufferButLeavesPasteModeOn) {
    for (int x = 10; x < 20; ++x) ed.pixelgrid.set(x, 12, 1);
    select(10, 10, 20, 15);
    ed.selduplicate_Click();
    ed.desel_Click();
    EXPECT_FALSE(ed.selection.enabled);
    EXPECT_TRUE(setcells(ed.selgrid).empty());
    EXPECT_EQ(ed.curtool, Tool::paste62);
    EXPECT_EQ(ed.selw, 11.0f) << "the selection variables stay";

    // Transparent: the empty buffer changes nothing.
    ed.opyes_Click();
    EXPECT_EQ(ed.opaquedup, 0);
    EXPECT_FALSE(ed.opyes.checked);
    down(10, 10);
    EXPECT_EQ(ed.pixelgrid.get(15, 12), 1);
    // Opaque: it clears a 10 x 5 block at the click.
    ed.opyes_Click();
    EXPECT_EQ(ed.opaquedup, 1);
    EXPECT_TRUE(ed.opyes.checked);
    ed.pixelgrid.set(20, 12, 3);
    down(10, 10);
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{20, 12}}));
}

TEST_F(SelectionTest, ReplacingTheBackgroundFillsTheVisibleCanvasOnly) {
    ed.repbg_Click();  // "le fond par le bleu" on a new picture
    int visible = 0;
    for (int y = 0; y <= Grid::maxy; ++y)
        for (int x = 0; x <= Grid::maxx; ++x) {
            const bool inside = x >= 1 && x <= 127 && y >= 1 && y <= 63;
            ASSERT_EQ(ed.pixelgrid.get(x, y), inside ? 1 : 0) << x << "," << y;
            visible += inside;
        }
    EXPECT_EQ(visible, 8001);
    // Ink everywhere but the canvas's last half column and row, which no cell covers.
    EXPECT_EQ(pixelsnot(blueink), Canvas::width * Canvas::height - 381 * 189);
}

TEST_F(SelectionTest, ReplacingInTheSelectionTouchesTheBlockAndNotTheBuffer) {
    ed.g65_Click();
    for (int x = 5; x <= 30; ++x) ed.pixelgrid.set(x, 20, x % 2 ? ink : orange);
    select(10, 18, 20, 25);
    const Grid buffer = ed.selgrid;
    ed.pressgreen_Click();
    ed.repbluesel_Click();
    ed.reporangesel_Click();
    for (int x = 5; x <= 30; ++x) {
        const int16_t original = x % 2 ? ink : orange;
        EXPECT_EQ(ed.pixelgrid.get(x, 20), x >= 10 && x < 20 ? int16_t{green} : original) << x;
    }
    EXPECT_EQ(ed.selgrid, buffer);
    EXPECT_TRUE(cellis(11, 20, greenink));
    // Nothing is checked first: an all-background block is simply filled.
    platform.messages.clear();
    select(40, 40, 42, 41);
    ed.repbgsel_Click();
    EXPECT_EQ(setcells(ed.pixelgrid).count({41, 40}), 1u);
    EXPECT_EQ(ed.pixelgrid.get(42, 40), 0);
    EXPECT_TRUE(platform.messages.empty());
}

// Clicks in the last half column and row convert to 129 and 65, and a button
// held far outside gives any position: every command stays inside the arrays.
TEST_F(SelectionTest, BlocksReachingPastTheArraysStayInside) {
    for (int x = 1; x <= 127; ++x) ed.pixelgrid.set(x, 63, ink);
    select(120, 60, 128.5f, 64.5f);
    EXPECT_EQ(ed.selw, 10.0f);
    EXPECT_EQ(ed.selh, 6.0f);
    EXPECT_EQ(ed.selgrid.get(8, 4), 1);
    ed.rotate180_Click();
    EXPECT_EQ(ed.pixelgrid.get(121, 61), 1) << "row 63 turned to row 61";
    EXPECT_EQ(ed.pixelgrid.get(121, 63), 0);
    ed.selhoriz_Click();
    ed.selvert_Click();
    ed.pressgreen_Click();
    ed.repbluesel_Click();
    ed.seldelete_Click();
    for (int x = 120; x <= 128; ++x)
        for (int y = 60; y <= 64; ++y) EXPECT_EQ(ed.pixelgrid.get(x, y), 0) << x << "," << y;
    EXPECT_EQ(ed.pixelgrid.get(119, 63), 1);

    select(128.5f, 64.5f, 128.9f, 64.9f);
    EXPECT_EQ(ed.selx, 129.0f);
    ed.selgrid.set(1, 1, 1);  // so the checked commands run
    for (auto command : {&Editor::selhoriz_Click, &Editor::selvert_Click, &Editor::rotate180_Click,
                         &Editor::repbgsel_Click, &Editor::seldelete_Click, &Editor::selduplicate_Click})
        (ed.*command)();
    down(128.5f, 64.5f);
    EXPECT_EQ(ed.pixelgrid.get(119, 63), 1);

    // A frame from far left to far right, top to bottom, covers the whole grid.
    ed.Command11_Click();
    ed.Picture1_MouseDown(1, 0, -1e6f, -1e6f);
    ed.Picture1_MouseDown(1, 0, 1e7f, 1e7f);
    ed.repbgsel_Click();
    EXPECT_EQ(ed.pixelgrid.get(0, 0), 2);
    EXPECT_EQ(ed.pixelgrid.get(128, 64), 2);
    // The buffer read nothing but cells far left of the arrays, so the half
    // turn empties the grid, except column 128 and row 64 that it never writes.
    ed.rotate180_Click();
    Cells border;
    for (int x = 0; x <= 128; ++x) border.insert({x, 64});
    for (int y = 0; y <= 64; ++y) border.insert({128, y});
    EXPECT_EQ(setcells(ed.pixelgrid), border);
}

}  // namespace
}  // namespace grafipix
