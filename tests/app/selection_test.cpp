// SPDX-License-Identifier: GPL-3.0-or-later
// The selection tool, paste, the "Sélection" menu and colour replacement,
// driven as the user drives them: tool button, two clicks, menu entries.

#include <gtest/gtest.h>

#include "tests/support/editor_fixture.h"

namespace grafipix::testing {
namespace {

using SelectionTest = EditorTest;

TEST_F(SelectionTest, FrameCaptureDeleteDuplicateAndPasteOpaqueOrTransparent) {
    // Each cell's code follows its column and row, so a copy shows where it came from.
    paint(1, 1, 127, 63, [](int x, int y) { return (x + 2 * y) % 4; });
    play("pressgreen Command11 d20,15 m10,10");
    // Black lines through the top-left corners of (10, 10) and (20, 15).
    for (auto [px, py] : {std::pair{27, 27}, {57, 27}, {57, 42}, {27, 41}}) EXPECT_EQ(canvas().pixel(px, py), blackink) << px << "," << py;
    EXPECT_EQ(canvas().forecolor(), greenink) << "the pen comes back after the frame";
    down(10, 10);
    for (int j = 1; j <= 11; ++j)
        for (int i = 1; i <= 6; ++i)
            ASSERT_EQ(buffer().get(j, i), j <= 10 && i <= 5 ? picture().get(9 + j, 9 + i) : 0) << j << "," << i;

    // "Supprimer" then "Dupliquer" puts the block back; pastes are clipped, opaque
    // or transparent, and go on after "Déselectionner".
    play("pressblue new");
    paint(10, 10, 19, 14, [](int x, int y) { return x != 10 || y != 12; });  // a background hole in the first column
    const Grid drawn = picture();
    // The frame stays just outside the block until "Déselectionner", and out of an export.
    Picture saved;
    platform.saves = {"copie.bmp"};
    platform.onsave = [&](const std::string&, const Picture& p, std::string&) { return saved = p, true; };
    auto framed = [&](const Picture& p) { return fromargb(p.pixels[26 * 383 + 26]) == blackink && fromargb(p.pixels[42 * 383 + 57]) == blackink; };
    auto at = [&](int x, int y) { return canvas().pixel(3 * x - 3, 3 * y - 3); };
    play("Command11 d10,10 d20,15 seldelete exportation selduplicate m40,30");
    EXPECT_TRUE(setcells(picture()).empty() && cellis(15, 12, casioback) && framed(canvas().image()) && !framed(saved));
    EXPECT_TRUE(at(40, 30) == blueink && canvas().forecolor() == blueink) << "the block follows the pointer, unwritten";
    down(10, 10);
    EXPECT_TRUE(picture() == drawn && caption("modelbl") == "Déplacer le curseur puis cliquez");
    paint(119, 62, 127, 62, [](int x, int) { return x == 119 ? green : ink; });
    down(120, 60);
    EXPECT_EQ(rows(119, 62, 10, 3), "2011111110/0111111110/0000000000") << "opaque, clipped at the right and bottom";
    paint(50, 42, 50, 42, orange);
    play("m50,40");
    const wincolour opaque = at(50, 42);
    play("opyes m50,40");
    EXPECT_TRUE(opaque == casioback && at(50, 42) == orangeink && picture().get(51, 42) == 0) << "previews as the click will write";
    down(50, 40);
    EXPECT_EQ(rows(50, 41, 11, 2), "11111111110/31111111110") << "transparent";
    EXPECT_TRUE(!menu("opyes").checked && cellis(51, 42, blueink));

    const Grid before = picture();
    play("desel d10,10");
    EXPECT_TRUE(!menu("selection").enabled && setcells(buffer()).empty() && picture() == before && !framed(canvas().image())) << "transparent empty block";
    play("opyes d10,10");
    EXPECT_EQ(rows(9, 10, 12, 6).find_first_not_of("0/"), std::string::npos) << "opaque, the empty block clears 10 x 5";
}

// a b c / d e f = 1 2 3 / 0 3 1 at (20, 30). The buffer is read, not the
// picture: a second run gives the same, and a one-cell block comes back as copied.
TEST_F(SelectionTest, MirrorsAndHalfTurnWriteTheBufferTransformedAndRefuseAnEmptyOne) {
    for (auto [command, expected] : {std::pair{"selhoriz", "321/130"}, {"selvert", "031/123"}, {"rotate180", "130/321"}}) {
        const int codes[] = {1, 2, 3, 0, 3, 1};
        paint(20, 30, 22, 31, [&](int x, int y) { return codes[x - 20 + 3 * (y - 30)]; });
        play("Command11 d20,30 d23,32");
        paint(24, 30, 24, 30, green);  // beside the block
        for (int run = 1; run <= 2; ++run) {
            click(command);
            EXPECT_TRUE(rows(20, 30, 3, 2) == expected && picture().get(24, 30) == green) << expected << " run " << run;
        }
        EXPECT_TRUE(cellis(20 + static_cast<int>(std::string(expected).find('1')), 30, blueink)) << "redrawn";
        play("Command11 d40,40 d40,40");
        paint(40, 40, 40, 40, orange);
        click(command);
        EXPECT_EQ(picture().get(40, 40), 0) << command;
    }

    // An empty buffer is refused by every command but the half turn.
    click("new");
    paint(60, 20, 60, 20, ink);
    play("Command11 d10,10 d20,15");
    paint(12, 12, 12, 12, green);  // drawn after: the buffer stays empty
    for (const char* command : {"selduplicate", "seldelete", "selhoriz", "selvert"}) {
        platform.messages.clear();
        click(command);
        EXPECT_TRUE(platform.messages == std::vector<std::string>{"opération impossible : aucun pixel sélectionné"} &&
                    setcells(picture()).size() == 2 && tool() == (ToolCode{6, 0})) << command;
    }
    click("rotate180");
    EXPECT_EQ(setcells(picture()), (Cells{{60, 20}})) << "the empty buffer turned over the block";

    // Old cells beyond a smaller selection pass the check but are not pasted;
    // a zero-height selection is one row.
    paint(15, 25, 15, 25, ink);
    platform.messages.clear();
    play("Command11 d1,1 d21,31 d50,50 d60,55 selduplicate d1,1");
    EXPECT_TRUE(platform.messages.empty() && setcells(picture()) == (Cells{{60, 20}, {15, 25}}));
    paint(30, 30, 41, 30, ink);
    play("Command11 d30,30 d40,30 seldelete");
    EXPECT_EQ(rows(29, 30, 13, 1), "0000000000011");
}

TEST_F(SelectionTest, ReplacementInThePictureOrTheBlockLeavesTheBufferAlone) {
    click("repbg");  // "le fond par le bleu" on a new picture
    EXPECT_EQ(setcells(picture()).size(), 8001u);
    EXPECT_TRUE(picture().get(0, 5) == 0 && picture().get(128, 64) == 0 && picture().get(127, 63) == 1);
    click("new");
    paint(5, 20, 30, 20, [](int x, int) { return x % 2 ? ink : orange; });
    play("Command11 d10,18 d20,25");
    const Grid copied = buffer();
    play("pressgreen repbluesel reporangesel");
    EXPECT_TRUE(rows(8, 20, 14, 1) == "31222222222231" && buffer() == copied && cellis(11, 20, greenink));
}

// Clicks in the last half column and row convert to 129 and 65, and a button
// held far outside gives any position: every command stays inside the arrays.
TEST_F(SelectionTest, BlocksReachingPastTheArraysStayInside) {
    paint(1, 63, 127, 63, ink);
    play("Command11 d120,60 d128.5,64.5 rotate180");
    EXPECT_EQ(rows(120, 61, 9, 3), "011111110/000000000/000000000") << "a block of 9 x 5 from (120, 60)";
    play("selhoriz selvert seldelete");
    EXPECT_EQ(rows(119, 60, 10, 5), "0000000000/0000000000/0000000000/1000000000/0000000000");

    // Both clicks past the arrays; the buffer still holds the block before, so the checked commands run.
    play("Command11 d128.5,64.5 d128.9,64.9 selhoriz selvert rotate180 repbgsel seldelete selduplicate d128.5,64.5");
    EXPECT_TRUE(setcells(picture()).size() == 119u && platform.messages.empty());

    play("pressgreen Command11 d-1e6,-1e6 d1e7,1e7 repbgsel");
    EXPECT_EQ(setcells(picture()).size(), 129u * 65u);
    // The buffer read only cells far outside, so the half turn empties the
    // grid but column 128 and row 64, which it never writes.
    click("rotate180");
    EXPECT_EQ(setcells(picture()).size(), 129u + 64u);
}

}  // namespace
}  // namespace grafipix::testing
