// The document's bounds, start-up, "Nouveau", the design-time state of Main's
// controls, the event funnel's refusals, and undo. (That the buttons, check
// marks and model label follow the model and colour is the random sessions'
// to show.)

#include <gtest/gtest.h>

#include <limits>

#include "app/main_controls.h"
#include "tests/support/editor_fixture.h"

namespace grafipix::testing {
namespace {

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

// What the user cannot reach is refused: hidden buttons, disabled entries and
// entries of a disabled menu, entries that only open a submenu.
TEST_F(EditorTest, StartStateAndTheFunnelsRefusalsThenUnloadEndsTheProcess) {
    EXPECT_EQ(platform.log, (std::vector<std::string>{"show Preview", "hide Main", "timer Main1 on 1000"}));
    const Grid empty(127, 63);
    EXPECT_TRUE(tool() == (ToolCode{1, 0}) && colour() == ink && !ed.codewindow() && picture() == empty && buffer() == empty);
    for (auto [label, text] : {std::pair{"modelbl", "Point"}, {"typcalc", "Graph 65"}, {"Label3", "Y :"}, {"coordx", ""}})
        EXPECT_EQ(caption(label), text) << label;
    EXPECT_EQ(caption("Label5").rfind("Grafipix par ", 0), 0u);
    std::string marks;  // in table order: entries checked (+) or disabled (-), buttons lit (*) or hidden (~)
    for (const MenuRow& m : menutree())
        if (const MenuEntry& e = menu(m.name); e.checked || !e.enabled)
            marks += m.name + std::string(e.checked ? "+" : "") + (e.enabled ? " " : "- ");
    for (const ButtonRow& b : mainbuttons())
        if (const Button& c = button(b.name); c.backcolor == highlight || !c.visible)
            marks += b.name + std::string(c.backcolor == highlight ? "*" : "") + (c.visible ? " " : "~ ");
    EXPECT_EQ(marks, "exportcalc- undo- redo- selection- repbluesel- g65+ bgcasio+ opyes+ repblue- zoom1+ presswhite~ pressblue* pressblack~ ");
    for (const char* name : {"pressblack", "presswhite", "repblue", "desel", "selvert", "calc", "Command4", "nothing", "exportcalc", "savetext"})
        EXPECT_TRUE(!click(name) && picture() == empty && colour() == ink && buffer() == empty) << name;
    play("g100 pressblack");
    EXPECT_TRUE(!click("pressblue") && !click("pressgreen") && !platform.ended);
    ed.handle(Event::tick(Timer::Main1));  // the splash gives way once
    EXPECT_EQ(std::vector(platform.log.end() - 3, platform.log.end()), (std::vector<std::string>{"hide Preview", "show Main", "timer Main1 off 1000"}));
    ed.handle(Event::unload(Window::Main));
    EXPECT_TRUE(platform.ended);
}

// "Nouveau" empties the picture and its background picture, nothing else.
TEST_F(EditorTest, NouveauEmptiesThePictureOnlyAndDisablesSelection) {
    paint(10, 10, 10, 10, ink);
    platform.onsave = [](const std::string&, const Picture&, std::string&) { return true; };
    platform.saves = {"dessin.bmp"};
    click("exportation");  // the canvas saved becomes the background picture
    paint(10, 10, 10, 10, background);
    click("bgwhite");
    EXPECT_TRUE(cellis(10, 10, blueink) && cellis(11, 10, casioback)) << "the picture covers the back colour";
    paint(128, 64, 128, 64, orange), paint(5, 5, 5, 5, green);
    play("Command11 d5,5 d6,6 Command3 pressorange new");
    EXPECT_TRUE(setcells(picture()).empty() && !menu("selection").enabled && buffer().get(1, 1) == green && canvas().picture().empty());
    EXPECT_TRUE(tool() == (ToolCode{3, 0}) && colour() == orange && menu("g65").checked && menu("bgwhite").checked && menu("opyes").checked);
    EXPECT_EQ(pixelsnot(whiteback), 0);
}

// One step per action that changes the picture, none for the rest; undoing
// them all gives back the start, on the canvas too. (Redoing them is the random
// sessions' to show.)
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
        platform.opens = {"image.bmp"};
        const Grid start = picture();
        play(r.script);
        EXPECT_EQ(ed.undoable(), r.steps) << r.script;
        for (size_t n = 0; n < r.steps; ++n) click("undo");
        const Picture undone = canvas().image();
        key("Esc");  // redraws
        EXPECT_TRUE(picture() == start && !menu("undo").enabled && ed.redoable() == r.steps && undone == canvas().image()) << r.script;
    }
}

// The undo of a fold brings the model back as its switch sets it; a running
// stroke stops and is undone whole, and ends what was left to redo.
TEST_F(EditorTest, UndoBringsTheModelBackAndStopsARunningStroke) {
    paint(3, 3, 12, 8, green);
    play("Command11 d2,2 d4,4 pressgreen g100 undo");
    EXPECT_TRUE(menu("g65").checked && button("pressgreen").visible && !button("pressblack").visible && colour() == ink &&
                menu("repgreen").enabled && picture().get(3, 3) == green);
    play("redo");
    EXPECT_TRUE(menu("g100").checked && colour() == ink && picture().get(3, 3) == ink);
    play("undo new undo Command2 d1,1 m30,30");
    EXPECT_TRUE(menu("selection").enabled && canvas().pixel(5, 2) == blackink && menu("undo").enabled && !menu("redo").enabled)
        << "Nouveau's undo opens Sélection again, its frame shown";
    play("undo m31,31 Command1");
    EXPECT_TRUE(picture().get(30, 30) == 0 && picture().get(31, 31) == 0) << "the pen went on after its undo";
    for (int n = 0; n < 300; ++n) down(float(1 + n % 127), float(1 + n / 127));
    EXPECT_EQ(ed.undoable(), History::maxsteps);
}

}  // namespace
}  // namespace grafipix::testing
