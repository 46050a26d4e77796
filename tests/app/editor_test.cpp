// SPDX-License-Identifier: GPL-3.0-or-later
// The document's bounds, start-up, "Nouveau", the design-time state of Main's
// controls, the event funnel's refusals, undo, the model switch, the colour
// buttons, the replacement captions and the import's dialog. (That the
// buttons, check marks and model label follow the model and colour is the
// random sessions' to show.)

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <random>

#include "app/main_controls.h"
#include "tests/support/editor_fixture.h"
#include "tests/support/test_model.h"

namespace grafipix::testing {
namespace {

// (Far whole-number positions are the far shapes' and selections' to show.)
TEST(Document, OutsideReadsZeroWritesDropAndIndicesRoundHalfToEven) {
    Document d(127, 63);
    for (float v : {1e9f, -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN(), 129.0f, -0.6f}) {
        d.put(v, 10.0f, 1), d.put(10.0f, v, 1);
        EXPECT_EQ(d.pixelgrid().at(v, 10.0f), 0) << v;
    }
    EXPECT_EQ(d, Document(127, 63)) << "a write outside landed inside";
    d.set(0, 0, 3);
    d.put(128.5f, 64.5f, 2);  // both ties go to the even neighbour, inside the array
    EXPECT_TRUE(d.pixelgrid().get(0, 0) == 3 && d.pixelgrid().get(128, 64) == 2);
}

// What the user cannot reach is refused: hidden buttons, disabled entries and
// entries of a disabled menu, entries that only open a submenu. (That the
// buttons lit and the model checked are the current ones is the random
// sessions' to show.)
TEST_F(EditorTest, StartStateAndTheFunnelsRefusalsThenUnloadEndsTheProcess) {
    EXPECT_EQ(platform.log, (std::vector<std::string>{"show Preview", "hide Main", "timer Main1 on 1000"}));
    const Grid empty(127, 63);
    EXPECT_TRUE(tool() == (ToolCode{1, 0}) && colour() == ink && !ed.codewindow() && picture() == empty && buffer() == empty);
    EXPECT_TRUE(caption("modelbl") == "Point" && caption("Label3") == "Y :" && caption("coordx").empty() && caption("Label5").starts_with("Grafipix par "));
    for (const char* name : {"pressblack", "presswhite", "repblue", "repbluesel", "desel", "selvert", "calc", "Command4", "nothing",
                             "exportcalc", "savetext", "undo", "redo"})
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
    platform.saves = {"dessin.bmp"}, click("exportation");  // the canvas saved becomes the background picture
    paint(10, 10, 10, 10, background);
    click("bgwhite");
    EXPECT_TRUE(cellis(10, 10, blueink) && cellis(11, 10, casioback)) << "the picture covers the back colour";
    paint(128, 64, 128, 64, orange), paint(5, 5, 5, 5, green);
    play("Command11 d5,5 d6,6 Command3 pressorange new");
    EXPECT_TRUE(setcells(picture()).empty() && !menu("selection").enabled && buffer().get(1, 1) == green && canvas().picture().empty());
    EXPECT_TRUE(tool() == (ToolCode{3, 0}) && colour() == orange && menu("g65").checked && menu("bgwhite").checked && menu("opyes").checked &&
                pixelsnot(whiteback) == 0);
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
    EXPECT_TRUE(menu("g65").checked && colour() == ink && menu("repgreen").enabled && picture().get(3, 3) == green);
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

// The four "Remplacer" captions, disabled ones in brackets; their twins under
// Sélection must read the same. (That the buttons light up with the colour is
// the random sessions' to show.)
class ModelTest : public EditorTest {
protected:
    std::string options() const {
        std::string whole, sel;
        for (const char* source : {"repblue", "repgreen", "reporange", "repbg"}) {
            const MenuEntry &w = menu(source), &s = menu(std::string(source) + "sel");
            whole += (whole.empty() ? "" : ", ") + (w.enabled ? w.caption : "(" + w.caption + ")");
            sel += (sel.empty() ? "" : ", ") + (s.enabled ? s.caption : "(" + s.caption + ")");
        }
        return whole == sel ? whole : "twins differ: " + sel;
    }
};

// A switch keeps what fits of another screen from the top-left, never a
// border cell (which would show on a larger screen), and folds the colours the
// new palette lacks into ink on the screen, never on the border nor in the
// buffer, and coming back does not unfold them; choosing the
// current model again runs every step. It leaves the ink chosen as its
// button's press would. (That undo walks back a switch, the model with the
// screen, and that the buttons shown are the palette's, is the random
// sessions' to show.) Then each colour button sets the colour, the pen and the
// captions, redrawing or not.
TEST_F(ModelTest, EachModelFoldsAndEachButtonSetsItsColourPenAndCaptions) {
    const std::array<int, 3> cells[] = {{10, 10, 2}, {11, 10, 3}, {12, 10, 1}, {128, 10, 3}, {1, 1, 3}, {127, 63, 2}, {5, 0, 2}, {128, 64, 1}};
    for (auto [before, model] : {std::pair{"g65 bgcasio pressorange", "g65"}, {"g65 pressgreen", "g100"}, {"g65 bgwhite presswhite", "g85"},
                                 {"g65", "test"}, {"test testyellow Command1 d190,95", "g35"}}) {
        SCOPED_TRACE(model);  // of the switch
        paint(1, 1, 1, 1, green);
        play("Command11 d1,1 d1,1");  // green in the buffer
        for (auto [x, y, code] : cells) paint(x, y, x, y, code);
        play(before);
        mark();
        const Grid old = picture();
        click(model);
        const int codes = ed.currentmodel().codes();
        const bool resized = !old.sameshape(picture());
        for (auto [x, y, code] : cells) {
            const bool carried = !resized || (old.onscreen(x, y) && picture().onscreen(x, y));
            EXPECT_EQ(picture().get(x, y), !carried ? 0 : code >= codes && old.onscreen(x, y) ? ink : code) << x << "," << y;
        }
        EXPECT_EQ(buffer().get(1, 1), green) << "the selection buffer is not folded";
        EXPECT_TRUE(redrawn() && cellis(12, 10, shown(1)) && cellis(11, 10, shown(codes > 3 ? 3 : 1)));
        EXPECT_TRUE(colour() == ink && canvas().forecolor() == shown(1) && picture().columns() == ed.currentmodel().screen.columns);
        const std::string captions = options();
        click(ed.currentmodel().palette[ink].swatch(ed.backgroundkind()).name);
        EXPECT_EQ(options(), captions);
        const Grid folded = picture();
        click("g65");
        EXPECT_EQ(picture(), folded.resized(127, 63)) << "coming back keeps them ink, and what fits";
    }

    // Colour buttons: a colour of three, the Graph 100's ink, the back colour of a two-colour model.
    struct Press { const char *before, *name; int16_t code; wincolour pen; bool redraws; std::string options; } presses[] = {
        {"", "pressgreen", 2, greenink, false, "le bleu par le vert, (le vert par le vert), l'orange par le vert, le fond par le vert"},
        {"g100", "pressblack", 1, blackink, true, "(le noir par le noir), (le vert par le noir), (l'orange par le noir), le fond par le noir"},
        {"g85 bgcasio", "presstruegreen", 0, casioback, true, "le bleu par le fond, (le vert par le fond), (l'orange par le fond), (le fond par le fond)"},
    };
    for (const Press& r : presses) {
        play(r.before);
        mark();
        ASSERT_TRUE(click(r.name));
        EXPECT_TRUE(colour() == r.code && canvas().forecolor() == r.pen && redrawn() == r.redraws) << r.name;
        EXPECT_EQ(options(), r.options) << r.name;
    }
}

// On every model and background the pipette presses the button of the colour
// under it (the colour, the pen, the captions), refused for a colour the model
// lacks, then gives the tool back at its step, the line's first point kept.
TEST_F(ModelTest, PipettePressesTheButtonOfTheColourUnderItThenGivesTheToolBack) {
    for (std::string model : {"g35", "g65", "g85", "g100"})
        for (int16_t code = 0; code < 8; ++code) {
            play(model + (code < 4 ? " bgwhite" : " bgcasio") + " Command3 d10,10 Command12");
            paint(30, 20, 30, 20, code % 4);
            down(30, 20);
            const int16_t taken = code % 4 < ed.currentmodel().codes() ? code % 4 : ink;  // the switch chose ink
            EXPECT_TRUE(colour() == taken && canvas().forecolor() == shown(taken) && !menu(replacename(taken, false)).enabled &&
                        tool() == (ToolCode{3, 1}) && caption("modelbl") == "Ligne, cliquez pour tracer la ligne") << model << code;
            down(20, 10);
            EXPECT_EQ(picture().get(15, 10), colour()) << model << code;
        }
}

// Colours at random, which cross every threshold, with transparent corners.
Pixels noise(int w, int h) {
    std::mt19937 random(27);
    std::vector<uint32_t> argb(size_t(w) * h);
    for (size_t i = 0; i < argb.size(); ++i) argb[i] = (i % w + i / w < 20) ? 0u : 0xFF000000u | (random() & 0xFFFFFF);
    return {w, h, argb};
}

// Opened as it opens, the dialog writes the plain or dithered stretched
// import, as the check says; OK writes the dialog's result as one step;
// the choices stay for the next import, the crop centred again. Annuler, and
// a picture that cannot be read, change nothing.
TEST_F(EditorTest, ImportDialogOpensOnTheStretchedImportOkIsOneStepAnnulerNothing) {
    Pixels loaded;
    platform.onpicture = [&](const std::string&, Pixels& out, std::string&) { return out = loaded, true; };
    const auto importwith = [&](const std::function<bool(ImportDialog&)>& user) { platform.opens = {"photo.png"}, platform.ondialog = user, click("importation"); };
    int n = 0;
    for (const std::string setup : {"g35", "g65 bgwhite", "g100 dither", "g90", "g65 dither", "g85"}) {
        loaded = ++n % 2 ? noise(400, 300) : noise(256, 128);  // averaged, or each sample a pixel
        play("new " + setup), paint(1, 1, 40, 20, ink);
        Grid expected = picture();
        importcells(stretchsamples(loaded, expected.maxx(), expected.maxy()), ed.currentmodel(), ed.backgroundkind(), menu("dither").checked, expected);
        importwith(nullptr);
        EXPECT_TRUE(picture() == expected) << setup;
        if (menu("dither").checked) click("dither");
    }
    paint(1, 1, 127, 63, [](int x, int y) { return (x * y) % 3; });
    loaded = noise(400, 300);  // filled, 32 rows to drag over
    const Grid start = picture();
    const ImportChoices chosen{.framing = Framing::fill, .threshold = 60, .contrast = 40, .method = Method::atkinson};
    Grid shown(1, 1);
    importwith([&](ImportDialog& d) { return d.choose(chosen), d.drag(0, 5), shown = d.result(), true; });
    EXPECT_TRUE(picture() == shown && ed.undoable() == 1 && menu("dither").checked && platform.log.back() == "show Apercu");
    EXPECT_TRUE(click("undo") && picture() == start && click("redo") && picture() == shown);

    const auto state = [this] { return std::tuple(picture(), canvas().image(), ed.undoable(), menu("dither").checked, platform.log.size()); };
    const auto before = state();
    ImportChoices opened;
    importwith([&](ImportDialog& d) { return opened = d.choices(), d.choose({.invert = true}), false; });
    EXPECT_TRUE(opened == chosen && state() == before);
    const int dialogs = platform.dialogs;
    const auto loader = std::exchange(platform.onpicture, [](const std::string&, Pixels&, std::string& error) { return error = "le fichier est vide", false; });
    importwith(nullptr);
    EXPECT_TRUE(state() == before && platform.dialogs == dialogs && platform.messages.back() == "Impossible d'importer l'image « photo.png » : le fichier est vide.");
    click("dither"), platform.onpicture = loader;  // unchecked: the plain threshold, the rest kept
    importwith([&](ImportDialog& d) { return opened = d.choices(), false; });
    EXPECT_TRUE(opened.method == Method::threshold && opened.framing == Framing::fill);
}

// On a free palette the dialog offers "Couleurs": OK with 64 colours of the
// picture's writes the cells and the palette as one step, which undo and redo
// bring back together; the cells the picture leaves (the fit's bands) take
// the nearest new colour and the canvas shows the new colours; the choice
// stays for the next import, and "Les 8 du Basic" gives the model's colours
// back. A fixed palette offers none.
TEST_F(EditorTest, AnImportedPaletteComesAndGoesWithItsCellsAsOneStep) {
    const Pixels loaded = noise(400, 300);  // narrower than the screen: bands left and right
    platform.onpicture = [&](const std::string&, Pixels& out, std::string&) { return out = loaded, true; };
    const auto importwith = [&](const std::function<bool(ImportDialog&)>& user) { platform.opens = {"photo.png"}, platform.ondialog = user, click("importation"); };
    play("g90");
    paint(1, 1, 379, 187, [](int x, int y) { return (x / 7 + y / 5) % 8; });
    const Grid start = picture();
    const std::vector<wincolour> eight = ed.colours();
    Grid shown(1, 1);
    Palette chosen;
    bool offered = false;
    importwith([&](ImportDialog& d) {
        offered = d.freepalette();
        d.choose({.framing = Framing::fit, .method = Method::floydsteinberg, .colours = 64});
        return shown = d.result(), chosen = d.palette(), true;
    });
    EXPECT_TRUE(offered && picture() == shown && ed.colours() == chosen && chosen.size() == 64 && ed.undoable() == 1);
    EXPECT_TRUE(picture().get(2, 90) == nearestof(eight[size_t(start.get(2, 90))], chosen) && cellis(2, 90, chosen[size_t(picture().get(2, 90))]) &&
                cellis(190, 90, chosen[size_t(picture().get(190, 90))]));
    EXPECT_TRUE(click("undo") && picture() == start && ed.colours() == eight && cellis(190, 90, eight[size_t(start.get(190, 90))]));
    EXPECT_TRUE(click("redo") && picture() == shown && ed.colours() == chosen);
    ImportChoices opened;
    importwith([&](ImportDialog& d) { return opened = d.choices(), d.choose({.colours = 0}), true; });
    EXPECT_TRUE(opened.colours == 64 && ed.colours() == eight && ed.undoable() == 2);
    play("g65");
    importwith([&](ImportDialog& d) { return offered = d.freepalette(), false; });
    EXPECT_FALSE(offered);
}

}  // namespace
}  // namespace grafipix::testing
