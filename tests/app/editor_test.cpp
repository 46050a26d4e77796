// The document's bounds, the redraw, start-up, "Nouveau", the design-time state
// of Main's controls and the event funnel's refusals.

#include <gtest/gtest.h>

#include <limits>

#include "app/main_controls.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::EditorTest;
using testing::setcells;

TEST(Document, OutsideReadsZeroWritesDropAndIndicesRoundHalfToEven) {
    Document d(127, 63);
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {129, 0}, {0, 65}, {-100000, 5}, {5, 1 << 30}}) {
        d.set(x, y, 1), d.setbuffer(x, y, 1);
        EXPECT_EQ(d.pixelgrid().get(x, y), 0) << x << "," << y;
    }
    for (float v : {1e9f, -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN(), 129.0f, -0.6f}) {
        d.put(v, 10.0f, 1), d.put(10.0f, v, 1);
        EXPECT_EQ(d.pixelgrid().at(v, 10.0f), 0) << v;
    }
    EXPECT_EQ(d, Document(127, 63)) << "a write outside landed inside";
    d.set(0, 0, 3);
    d.put(128.5f, 64.5f, 2);  // both ties go to the even neighbour, inside the array
    EXPECT_TRUE(d.pixelgrid().get(0, 0) == 3 && d.pixelgrid().get(128, 64) == 2);
    for (auto [v, index] : {std::pair{0.5f, 0}, {1.5f, 2}, {2.5f, 2}, {0.8f, 1}, {-2.5f, -2}}) EXPECT_EQ(cellindex(v), index) << v;
}

// Each code on exactly its 3 x 3 pixels in the model's ink, the border cells
// never (the pen each colour leaves is the colour buttons' test to show).
TEST_F(EditorTest, RedrawPaintsEachCellInTheModelsInkAndNeverTheBorders) {
    struct Row { int16_t code; const char* model; int bgkind; wincolour cell; } rows[] = {
        {1, "g65", 2, blueink}, {1, "g100", 1, blackink}, {2, "g65", 2, greenink}, {3, "g65", 1, orangeink}};
    for (const Row& r : rows) {
        click(r.model);
        ed.doc.newpicture();
        for (auto [x, y] : {std::pair{1, 1}, {127, 63}, {0, 5}, {128, 5}, {5, 0}, {5, 64}}) ed.doc.set(x, y, r.code);
        ed.bgkind = r.bgkind;
        ed.redrawcanvas();
        EXPECT_TRUE(cellis(1, 1, r.cell) && cellis(127, 63, r.cell)) << "code " << r.code << " on " << r.model;
        EXPECT_EQ(pixelsnot(casioback), 18) << "code " << r.code << ": two cells of nine pixels";
    }
}

// What the user cannot reach is refused: hidden buttons, disabled entries and
// entries of a disabled menu, entries that only open a submenu.
TEST_F(EditorTest, StartStateAndTheFunnelsRefusalsThenUnloadEndsTheProcess) {
    EXPECT_EQ(platform.log, (std::vector<std::string>{"show Preview", "hide Main", "timer Main1 on 1000"}));
    EXPECT_TRUE(ed.curtool == (ToolCode{1, 0}) && ed.bgkind == 2 && ed.curcolor == 1 && ed.opaquedup == 1);
    EXPECT_TRUE(ed.codemode == CodeMode::none && ed.doc == Document(127, 63) && !ed.Code.has_value());
    EXPECT_TRUE(ed.Picture1.backcolor() == casioback && ed.Picture1.forecolor() == blueink);
    for (auto [label, caption] : {std::pair{"modelbl", "Point"}, {"typcalc", "Graph 65"}, {"Label3", "Y :"}, {"coordx", ""}})
        EXPECT_EQ(ed.label(label)->caption, caption) << label;
    EXPECT_EQ(ed.Label5.caption.rfind("Grafipix par ", 0), 0u);
    std::string marks;  // in table order: entries checked (+) or disabled (-), buttons lit (*) or hidden (~)
    for (const MenuRow& m : menutree())
        if (const MenuEntry& e = ed.entry(m); e.checked || !e.enabled)
            marks += m.name + std::string(e.checked ? "+" : "") + (e.enabled ? " " : "- ");
    for (const ButtonRow& b : mainbuttons())
        if (const Button& c = *ed.button(b.name); c.backcolor == highlight || !c.visible)
            marks += b.name + std::string(c.backcolor == highlight ? "*" : "") + (c.visible ? " " : "~ ");
    EXPECT_EQ(marks, "exportcalc- undo- redo- selection- repbluesel- repcolour4sel- repcolour5sel- repcolour6sel- repcolour7sel- g65+ bgcasio+ opyes+ repblue- repcolour4- repcolour5- repcolour6- repcolour7- zoom1+ presswhite~ pressblue* pressblack~ pressblue90~ pressred~ pressmagenta~ pressgreen90~ presscyan~ pressyellow~ ");
    for (const char* name : {"pressblack", "presswhite", "repblue", "desel", "selvert", "calc", "Command4", "nothing", "exportcalc", "savetext"})
        EXPECT_TRUE(!click(name) && ed.doc == Document(127, 63) && ed.curcolor == 1 && ed.selgrid.get(1, 1) == 0) << name;
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
    EXPECT_TRUE(ed.curtool == (ToolCode{3, 0}) && ed.curcolor == 3 && ed.button("pressorange")->backcolor == highlight);
    EXPECT_TRUE(ed.menu("g65")->checked && ed.bgwhite.checked && ed.opyes.checked);
    EXPECT_TRUE(ed.Picture1.picture().empty() && pixelsnot(whiteback) == 0);
}

// One step per action that changes the picture, none for the rest; undoing
// them all gives back the start and redoing them all the end, on the canvas too.
TEST_F(EditorTest, EachActionIsOneStepAndUndoingAllGivesBackTheStart) {
    platform.onload = [](const std::string&, Samples& out, std::string&) { return out.colour[60][30] = 0xFF0000, true; };
    struct Row { const char* script; size_t steps; } rows[] = {
        // The same cell again changes nothing; a stroke is one step from click to click.
        {"Command1 d10,10 d11,10 d11,10 Command2 d5,5 m10,10 m20,20 d30,25 Command6 d5,5 m10,10 d9,9", 4},
        {"Command7 d20,20 m40,40 m40,40 d1,1 Command2 d5,5 m10,40 g35 m20,40 d1,1", 4},  // g35 splits the stroke
        {"Command3 d5,5 m9,30 d20,20 Command9 d5,5 m6,6 d20,20 Command10 d30,30 d35,35 Command8 d64,32", 4},
        {"Command11 d2,2 m5,5 d12,12 selduplicate d40,40 d60,50 seldelete selvert selhoriz rotate180 repgreensel desel", 7},
        {"repgreen reporange repgreen fline exportation importation new new", 4},
        {"g35 g65 g100 reopen", 1},  // only the fold; nothing kept to reopen
    };
    for (const Row& r : rows) {
        play("g65 Command1 pressblue new");
        paint(3, 3, 12, 8, green), paint(20, 10, 25, 12, orange), paint(2, 2, 2, 2, ink);
        ed.newhistory(), platform.opens = {"image.bmp"};
        const Grid start = ed.pixelgrid;
        play(r.script);
        const Grid end = ed.pixelgrid;
        EXPECT_EQ(ed.history.undoable(), r.steps) << r.script;
        for (size_t n = 0; n < r.steps; ++n) click("undo");
        const Picture shown = ed.Picture1.image();
        ed.redrawcanvas();
        EXPECT_TRUE(ed.pixelgrid == start && !ed.undo.enabled && shown == ed.Picture1.image()) << r.script;
        while (click("redo")) {}
        EXPECT_TRUE(ed.pixelgrid == end) << r.script;
    }
}

// The undo of a fold brings the model back as its switch sets it; a running
// stroke stops and is undone whole, and ends what was left to redo.
TEST_F(EditorTest, UndoBringsTheModelBackAndStopsARunningStroke) {
    paint(3, 3, 12, 8, green);
    play("Command11 d2,2 d4,4 pressgreen g100 undo");
    EXPECT_TRUE(ed.menu("g65")->checked && !ed.menu("g100")->checked && ed.typcalc.caption == "Graph 65" && ed.button("pressgreen")->visible && !ed.button("pressblack")->visible);
    EXPECT_TRUE(ed.button("pressblue")->backcolor == highlight && ed.curcolor == 1 && ed.menu("repgreen")->enabled && ed.pixelgrid.get(3, 3) == green);
    play("redo");
    EXPECT_TRUE(ed.menu("g100")->checked && ed.typcalc.caption == "Graph 100" && ed.button("pressblack")->backcolor == highlight && ed.pixelgrid.get(3, 3) == ink);
    play("undo new undo Command2 d1,1 m30,30");
    EXPECT_TRUE(ed.selection.enabled && ed.selframe && ed.undo.enabled && !ed.redo.enabled) << "Nouveau's undo opens Sélection again";
    play("undo m31,31 Command1");
    EXPECT_TRUE(ed.pixelgrid.get(30, 30) == 0 && ed.pixelgrid.get(31, 31) == 0) << "the pen went on after its undo";
    for (int n = 0; n < 300; ++n) down(float(1 + n % 127), float(1 + n / 127));
    EXPECT_EQ(ed.history.undoable(), History::maxsteps);
}

// On the way out a drawing is kept (an empty one is not); "Rouvrir le dernier
// dessin" brings it back as one step, in this model's colours; a damaged file
// changes nothing; a failed write is logged and the process ends all the same.
TEST_F(EditorTest, TheDrawingKeptOnQuitReopensAsOneStepAndAFailedWriteIsLogged) {
    paint(3, 3, 12, 8, green), paint(0, 0, 0, 0, orange);
    play("exit");
    testing::FakePlatform second;
    Editor next(second);
    for (const Event& e : {Event::load(), Event::unload(Window::Main)}) next.handle(e);
    EXPECT_TRUE(platform.ended && second.ended && second.kept.empty()) << "an empty picture was kept";
    second.kept = platform.kept;
    next.handle(Event::click("reopen"));
    EXPECT_TRUE(next.pixelgrid == ed.pixelgrid && next.history.undoable() == 1);
    for (const char* name : {"undo", "g35", "reopen"}) next.handle(Event::click(name));
    EXPECT_TRUE(next.pixelgrid.get(3, 3) == ink && next.pixelgrid.get(0, 0) == ink);
    second.kept.resize(500);
    next.handle(Event::click("reopen"));
    EXPECT_EQ(second.messages.back(), "Impossible de rouvrir le dernier dessin : ce n'est pas un dessin de Grafipix.");
    platform.keepfails = true, platform.ended = false;
    ::testing::internal::CaptureStderr();
    ed.handle(Event::unload(Window::Main));
    EXPECT_EQ(::testing::internal::GetCapturedStderr() + (platform.ended ? "" : "not ended"),
              "grafipix : le dessin n'a pas pu être gardé : disque plein\n");
}

}  // namespace
}  // namespace grafipix
