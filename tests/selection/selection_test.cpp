// The selection tool, paste, the "Sélection" menu and colour replacement,
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

class SelectionTest : public testing::EditorTest {
protected:
    void select(float x1, float y1, float x2, float y2) {
        click("Command11");
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
        for (int x = x0; x <= x1; ++x) ed.doc.set(x, y, grafipix::ink);
    }
};

TEST_F(SelectionTest, FrameThenCaptureOfTheOrderedBlock) {
    // Each cell's code follows its column and row, so a copy shows where it came from.
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x) ed.doc.set(x, y, static_cast<int16_t>((x + 2 * y) % 4));
    click("Command11");
    down(20, 15);
    ed.Picture1.setforecolor(greenink);
    move(10, 10);
    // Black lines through the top-left corners of (10, 10) and (20, 15).
    for (auto [px, py] : {std::pair{27, 27}, {57, 27}, {57, 42}, {27, 41}}) EXPECT_EQ(ed.Picture1.pixel(px, py), blackink) << px << "," << py;
    EXPECT_EQ(ed.Picture1.forecolor(), blueink) << "the pen comes back after the frame";
    for (bool reversed : {true, false}) {
        if (!reversed) select(10, 10, 20, 15);
        else down(10, 10);
        EXPECT_EQ(ed.doc.selrect(), (SelectionRect{10, 10, 11, 6})) << reversed;
        EXPECT_TRUE(ed.anchorx == 10 && ed.anchory == 10) << reversed;
        for (int j = 1; j <= 11; ++j)
            for (int i = 1; i <= 6; ++i)
                ASSERT_EQ(ed.selgrid.get(j, i), j <= 10 && i <= 5 ? ed.pixelgrid.get(9 + j, 9 + i) : 0) << j << "," << i;
        EXPECT_TRUE(ed.selection.enabled && ed.curtool == (ToolCode{6, 0}));
    }
}

// "Supprimer" then "Dupliquer" puts the block back; pastes are clipped, opaque
// or transparent, and go on after "Déselectionner".
TEST_F(SelectionTest, DeleteDuplicateAndPasteOpaqueOrTransparent) {
    for (int y = 10; y < 15; ++y) ink(10, 19, y);
    ed.doc.set(10, 12, 0);  // a background hole in the first column
    const Grid drawn = ed.pixelgrid;
    select(10, 10, 20, 15);
    click("seldelete");
    EXPECT_TRUE(setcells(ed.pixelgrid).empty() && cellis(15, 12, casioback));
    click("selduplicate");
    EXPECT_EQ(ed.modelbl.caption, "Déplacer le curseur puis cliquez");
    down(10, 10);
    EXPECT_EQ(ed.pixelgrid, drawn);
    ink(119, 127, 62);
    ed.doc.set(119, 62, 2);
    down(120, 60);
    EXPECT_EQ(rows(119, 62, 10, 3), "2011111110/0111111110/0000000000") << "opaque, clipped at the right and bottom";
    click("opyes");
    ed.doc.set(50, 42, 3);
    down(50, 40);
    EXPECT_EQ(rows(50, 41, 11, 2), "11111111110/31111111110") << "transparent";
    EXPECT_TRUE(!ed.opyes.checked && ed.opaquedup == 0 && cellis(51, 42, blueink));

    click("desel");
    EXPECT_TRUE(!ed.selection.enabled && setcells(ed.selgrid).empty() && ed.curtool == (ToolCode{6, 2}));
    const Grid before = ed.pixelgrid;
    down(10, 10);
    EXPECT_EQ(ed.pixelgrid, before) << "transparent empty block";
    click("opyes");
    ed.doc.set(20, 12, 3);
    down(10, 10);
    EXPECT_EQ(rows(10, 10, 11, 3), "00000000000/00000000000/00000000003") << "opaque empty block clears 10 x 5";
}

TEST_F(SelectionTest, MirrorsAndHalfTurnWriteTheBufferTransformed) {
    // a b c / d e f = 1 2 3 / 0 3 1 at (20, 30).
    for (auto [command, expected] : {std::pair{"selhoriz", "321/130"}, {"selvert", "031/123"}, {"rotate180", "130/321"}}) {
        click("new");
        const int16_t codes[] = {1, 2, 3, 0, 3, 1};
        for (int k = 0; k < 6; ++k) ed.doc.set(20 + k % 3, 30 + k / 3, codes[k]);
        select(20, 30, 23, 32);
        ed.doc.set(24, 30, 2);  // beside the block
        for (int run = 1; run <= 2; ++run) {  // the buffer is read, not the picture
            click(command);
            EXPECT_EQ(rows(20, 30, 3, 2), expected) << expected << " run " << run;
        }
        EXPECT_EQ(ed.pixelgrid.get(24, 30), 2);
        EXPECT_TRUE(cellis(20 + static_cast<int>(std::string(expected).find('1')), 30, blueink)) << "redrawn";
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SelectionTest, EmptyBufferIsRefusedExceptByTheHalfTurn) {
    ed.doc.set(60, 20, 1);
    select(10, 10, 20, 15);
    ed.doc.set(12, 12, 2);  // drawn after: the buffer stays empty
    const Grid before = ed.pixelgrid;
    for (const char* command : {"selduplicate", "seldelete", "selhoriz", "selvert"}) {
        platform.messages.clear();
        click(command);
        EXPECT_EQ(platform.messages, std::vector<std::string>{"opération impossible : aucun pixel sélectionné"});
        EXPECT_TRUE(ed.pixelgrid == before && ed.curtool == (ToolCode{6, 0}));
    }
    click("rotate180");
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{60, 20}})) << "the empty buffer turned over the block";

    // Old cells beyond a smaller selection pass the check but are not pasted.
    ed.doc.set(15, 25, 1);
    select(1, 1, 21, 31);
    select(50, 50, 60, 55);
    platform.messages.clear();
    click("selduplicate");
    down(1, 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(setcells(ed.pixelgrid), (Cells{{60, 20}, {15, 25}}));

    // One cell, and a zero-height row.
    ed.doc.set(40, 40, 3);
    select(40, 40, 40, 40);
    ed.doc.set(40, 40, 1);
    click("selhoriz");
    EXPECT_EQ(ed.pixelgrid.get(40, 40), 3);
    ink(30, 41, 30);
    select(30, 30, 40, 30);
    click("seldelete");
    EXPECT_EQ(rows(29, 30, 13, 1), "0000000000011");
}

TEST_F(SelectionTest, ReplacementInThePictureOrTheBlockLeavesTheBufferAlone) {
    click("repbg");  // "le fond par le bleu" on a new picture
    EXPECT_EQ(setcells(ed.pixelgrid).size(), 8001u);
    EXPECT_TRUE(ed.pixelgrid.get(0, 5) == 0 && ed.pixelgrid.get(128, 64) == 0 && ed.pixelgrid.get(127, 63) == 1);
    click("new");
    for (int x = 5; x <= 30; ++x) ed.doc.set(x, 20, x % 2 ? grafipix::ink : orange);
    select(10, 18, 20, 25);
    const Grid buffer = ed.selgrid;
    click("pressgreen");
    click("repbluesel");
    click("reporangesel");
    EXPECT_EQ(rows(8, 20, 14, 1), "31222222222231");
    EXPECT_EQ(ed.selgrid, buffer);
    EXPECT_TRUE(cellis(11, 20, greenink));
}

// Clicks in the last half column and row convert to 129 and 65, and a button
// held far outside gives any position: every command stays inside the arrays.
TEST_F(SelectionTest, BlocksReachingPastTheArraysStayInside) {
    ink(1, 127, 63);
    select(120, 60, 128.5f, 64.5f);
    EXPECT_TRUE(ed.doc.selrect().selw == 10.0f && ed.doc.selrect().selh == 6.0f);
    click("rotate180");
    EXPECT_EQ(rows(120, 61, 9, 3), "011111110/000000000/000000000");
    for (const char* command : {"selhoriz", "selvert", "repbluesel", "seldelete"}) click(command);
    EXPECT_EQ(rows(119, 60, 10, 5), "0000000000/0000000000/0000000000/1000000000/0000000000");

    select(128.5f, 64.5f, 128.9f, 64.9f);  // both clicks past the arrays
    ed.doc.setbuffer(1, 1, 1);              // so the checked commands run
    for (const char* command : {"selhoriz", "selvert", "rotate180", "repbgsel", "seldelete", "selduplicate"}) click(command);
    down(128.5f, 64.5f);
    EXPECT_EQ(setcells(ed.pixelgrid).size(), 119u);

    click("pressgreen");
    click("Command11");
    down(-1e6f, -1e6f);
    down(1e7f, 1e7f);
    click("repbgsel");
    EXPECT_EQ(setcells(ed.pixelgrid).size(), 129u * 65u);
    // The buffer read only cells far outside, so the half turn empties the
    // grid but column 128 and row 64, which it never writes.
    click("rotate180");
    EXPECT_EQ(setcells(ed.pixelgrid).size(), 129u + 64u);
}

}  // namespace
}  // namespace grafipix
