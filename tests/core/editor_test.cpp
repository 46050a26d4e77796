// The document's bounds, the redraw, start-up, "Nouveau", the design-time state
// of Main's controls and the event funnel's refusals.

#include <gtest/gtest.h>

#include <limits>

#include "core/main_controls.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::EditorTest;
using testing::setcells;

TEST(Document, OutsideReadsZeroWritesDropAndIndicesRoundHalfToEven) {
    Document d;
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {129, 0}, {0, 65}, {-100000, 5}, {5, 1 << 30}}) {
        d.set(x, y, 1), d.setbuffer(x, y, 1);
        EXPECT_EQ(d.pixelgrid().get(x, y), 0) << x << "," << y;
    }
    for (float v : {1e9f, -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN(), 129.0f, -0.6f}) {
        d.put(v, 10.0f, 1), d.put(10.0f, v, 1);
        EXPECT_EQ(d.pixelgrid().at(v, 10.0f), 0) << v;
    }
    EXPECT_EQ(d, Document{}) << "a write outside landed inside";
    d.set(0, 0, 3);
    d.put(128.5f, 64.5f, 2);  // both ties go to the even neighbour, inside the array
    EXPECT_TRUE(d.pixelgrid().get(0, 0) == 3 && d.pixelgrid().get(128, 64) == 2);
    for (auto [v, index] : {std::pair{0.5f, 0}, {1.5f, 2}, {2.5f, 2}, {0.8f, 1}, {-2.5f, -2}}) EXPECT_EQ(cellindex(v), index) << v;
}

// Each code on exactly its 3 x 3 pixels in the model's ink, the border cells
// never (the pen each colour leaves is the colour buttons' test to show).
TEST_F(EditorTest, RedrawPaintsEachCellInTheModelsInkAndNeverTheBorders) {
    struct Row { int16_t code; int inkcolor, bgkind; wincolour cell; } rows[] = {
        {1, 1, 2, blueink}, {1, 2, 1, blackink}, {2, 1, 2, greenink}, {3, 2, 1, orangeink}};
    for (const Row& r : rows) {
        ed.doc.newpicture();
        for (auto [x, y] : {std::pair{1, 1}, {127, 63}, {0, 5}, {128, 5}, {5, 0}, {5, 64}}) ed.doc.set(x, y, r.code);
        ed.inkcolor = r.inkcolor, ed.bgkind = r.bgkind;
        ed.redrawcanvas();
        EXPECT_TRUE(cellis(1, 1, r.cell) && cellis(127, 63, r.cell)) << "code " << r.code << " ink " << r.inkcolor;
        EXPECT_EQ(pixelsnot(casioback), 18) << "code " << r.code << ": two cells of nine pixels";
    }
}

// What the user cannot reach is refused: hidden buttons, disabled entries and
// entries of a disabled menu, entries that only open a submenu.
TEST_F(EditorTest, StartStateAndTheFunnelsRefusalsThenUnloadEndsTheProcess) {
    EXPECT_EQ(platform.log, (std::vector<std::string>{"show Preview", "hide Main", "timer Main1 on 1000"}));
    EXPECT_TRUE(ed.curtool == (ToolCode{1, 0}) && ed.inkcolor == 1 && ed.bgkind == 2 && ed.curcolor == 1 && ed.opaquedup == 1);
    EXPECT_TRUE(ed.codemode == CodeMode::none && ed.doc == Document{} && !ed.Code.has_value());
    EXPECT_TRUE(ed.Picture1.backcolor() == casioback && ed.Picture1.forecolor() == blueink);
    for (auto [label, caption] : {std::pair{"modelbl", "Point"}, {"typcalc", "Graph 65"}, {"Label3", "Y :"}, {"coordx", ""}})
        EXPECT_EQ(ed.label(label)->caption, caption) << label;
    EXPECT_EQ(ed.Label5.caption.rfind("Grafipix par ", 0), 0u);
    std::string marks;  // in table order: entries checked (+) or disabled (-), buttons lit (*) or hidden (~)
    for (const MenuRow& m : menutree())
        if (const MenuEntry& e = ed.*m.entry; e.checked || !e.enabled)
            marks += m.name + std::string(e.checked ? "+" : "") + (e.enabled ? " " : "- ");
    for (const ButtonRow& b : mainbuttons())
        if (const Button& c = *ed.button(b.name); c.backcolor == highlight || !c.visible)
            marks += b.name + std::string(c.backcolor == highlight ? "*" : "") + (c.visible ? " " : "~ ");
    EXPECT_EQ(marks, "undo- redo- selection- repbluesel- g65+ bgcasio+ opyes+ repblue- presswhite~ pressblue* pressblack~ ");
    for (const char* name : {"pressblack", "presswhite", "repblue", "desel", "selvert", "calc", "Command4", "nothing"})
        EXPECT_TRUE(!click(name) && ed.doc == Document{} && ed.curcolor == 1 && ed.selgrid.get(1, 1) == 0) << name;
    play("g100 pressblack");
    EXPECT_TRUE(!click("pressblue") && !click("pressgreen") && !platform.ended);
    ed.handle(Event::unload(Window::Main));
    EXPECT_TRUE(platform.ended);
}

// "Nouveau" empties the picture and its background picture, nothing else.
TEST_F(EditorTest, NouveauEmptiesThePictureOnlyAndDisablesSelection) {
    ed.doc.set(10, 10, 1);
    ed.redrawcanvas();
    ed.Picture1.setpicture(ed.Picture1.image());
    ed.doc.set(10, 10, 0);
    click("bgwhite");
    EXPECT_TRUE(cellis(10, 10, blueink) && cellis(11, 10, casioback)) << "the picture covers the back colour";
    ed.doc.set(128, 64, 3);
    play("Command11 d5,5 d6,6");
    ed.doc.setbuffer(1, 1, 2);
    play("Command3 pressorange new");
    EXPECT_TRUE(setcells(ed.pixelgrid).empty() && !ed.selection.enabled && ed.selgrid.get(1, 1) == 2);
    EXPECT_TRUE(ed.curtool == (ToolCode{3, 0}) && ed.curcolor == 3 && ed.pressorange.backcolor == highlight);
    EXPECT_TRUE(ed.g65.checked && ed.bgwhite.checked && ed.opyes.checked);
    EXPECT_TRUE(ed.Picture1.picture().empty() && pixelsnot(whiteback) == 0);
}

}  // namespace
}  // namespace grafipix
