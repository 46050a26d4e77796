// The model table as the one place that knows a screen: no size written
// anywhere else, and a model of another size and palette (the tests' own)
// switched to and from, kept, reopened and imported into.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <regex>

#include "tests/support/editor_fixture.h"
#include "tests/support/test_model.h"

namespace grafipix {
namespace {

using testing::EditorTest;

// Comments and strings may name a size; code may not hold one as a number.
TEST(ModelTable, NoProductLineOutsideTheTableHoldsTheScreensSize) {
    const std::regex size(R"(\b(62|63|64|65|126|127|128|129|130|191|383|8001|8192)\b)");
    const std::regex comment(R"(//.*$)"), text(R"("([^"\\]|\\.)*")");
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(GRAFIPIX_SOURCE_DIR)) {
        const std::string path = entry.path().string(), relative = path.substr(std::string(GRAFIPIX_SOURCE_DIR).size() + 1);
        const std::string folder = relative.substr(0, relative.find('/'));
        if (!(relative.ends_with(".cpp") || relative.ends_with(".h")) || relative == "calculator/model_table.cpp" ||
            folder == "tests" || folder == "bench" || folder.starts_with("build"))
            continue;
        ++files;
        std::ifstream in(path);
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            const std::string code = std::regex_replace(std::regex_replace(line, comment, ""), text, "\"\"");
            EXPECT_FALSE(std::regex_search(code, size)) << relative << ":" << number << ": " << line;
        }
    }
    EXPECT_GT(files, 50);
}

class Screens : public EditorTest {
protected:
    const Model& test = testing::testmodel();
};

// Each switch keeps what fits from the top-left and folds the colours the
// palette lacks; undone step by step it gives back each state, model and
// screen with it, and redone the same.
TEST_F(Screens, SwitchingToAnotherSizeIsOneStepThatUndoAndRedoWalkExactly) {
    paint(1, 1, 1, 1, green), paint(127, 63, 127, 63, orange), paint(128, 64, 128, 64, ink), paint(60, 30, 70, 30, ink);
    struct State {
        Grid grid;
        const Model* model;
        int rasterwidth;
    };
    std::vector<State> states;
    const auto keep = [&] { states.push_back({ed.pixelgrid, ed.model, ed.Picture1.width()}); };
    keep();
    play("test");
    EXPECT_TRUE(ed.pixelgrid.columns() == 200 && ed.pixelgrid.get(1, 1) == green && ed.pixelgrid.get(127, 63) == orange &&
                ed.pixelgrid.get(128, 64) == ink && ed.Picture1.width() == Canvas::pixelsfor(200));
    EXPECT_TRUE(ed.typcalc.caption == "Essai" && ed.button("testblack")->backcolor == highlight && !ed.button("pressblue")->visible);
    keep();
    play("testyellow Command1 d190,95");
    keep();
    play("Command8 d199,99");
    EXPECT_TRUE(ed.pixelgrid.get(190, 95) == 6 && ed.pixelgrid.get(199, 99) == 6 && ed.pixelgrid.get(128, 64) == ink);
    keep();
    play("g35");
    EXPECT_TRUE(ed.pixelgrid.columns() == 127 && ed.pixelgrid.get(1, 1) == ink && ed.pixelgrid.get(127, 63) == ink &&
                ed.Picture1.width() == Canvas::pixelsfor(127) && ed.Picture1.height() == Canvas::pixelsfor(63));
    keep();
    for (size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(click("undo"));
        const State& s = states[i - 1];
        EXPECT_TRUE(ed.pixelgrid == s.grid && ed.model == s.model && ed.Picture1.width() == s.rasterwidth) << "undo to " << i - 1;
    }
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(click("redo"));
        EXPECT_TRUE(ed.pixelgrid == states[i].grid && ed.model == states[i].model) << "redo to " << i;
    }
}

// A drawing kept by the version before palettes grew (format 1, the 127 x 63
// screen) opens; one with codes past 3 is kept and reopened whole, and on a
// smaller screen as much of it as fits, in that palette's colours.
TEST_F(Screens, KeptDrawingsOpenAcrossVersionsAndScreens) {
    std::string old = "Grafipix dessin 1\n";
    for (int y = 0; y <= 64; ++y) old += std::string(129, y == 5 ? '3' : y == 63 ? '1' : '0') + "\n";
    platform.kept = old;
    play("reopen");
    EXPECT_TRUE(ed.pixelgrid.get(0, 5) == orange && ed.pixelgrid.get(128, 5) == orange && ed.pixelgrid.get(64, 63) == ink &&
                testing::setcells(ed.pixelgrid).size() == 2 * 129);
    play("test new testcyan Command1 d150,80 d2,2");
    const Grid drawn = ed.pixelgrid;
    play("exit");
    EXPECT_TRUE(platform.kept.starts_with("Grafipix dessin 2\n"));
    play("new reopen");
    EXPECT_EQ(ed.pixelgrid, drawn);
    play("g65 new reopen");
    EXPECT_TRUE(ed.pixelgrid.get(2, 2) == ink && testing::setcells(ed.pixelgrid).size() == 1);
}

// The import takes the nearest colour of the palette, the back colour
// leaving the cell as it was; a field of one colour imports as that colour
// whether dithered or not.
TEST_F(Screens, TheImportTakesTheNearestColourOfTheModelsPalette) {
    std::mt19937 random(7);
    Samples given;
    platform.onload = [&](const std::string&, Samples& out, std::string&) {
        given = out;
        for (auto& column : given.colour)
            for (wincolour& c : column) c = random() & 0xFFFFFF;
        out = given;
        return true;
    };
    play("test");
    platform.opens = {"a.png"};
    play("importation");
    const auto distance = [](wincolour a, wincolour b) {
        const int r = redof(a) - redof(b), g = greenof(a) - greenof(b), bl = blueof(a) - blueof(b);
        return r * r + g * g + bl * bl;
    };
    for (int x = 1; x <= 200; ++x)
        for (int y = 1; y <= 100; ++y) {
            int best = 0;
            for (int code = 1; code < test.codes(); ++code)
                if (distance(given.colour[x][y], test.shown(code, 2)) < distance(given.colour[x][y], test.shown(best, 2))) best = code;
            ASSERT_EQ(ed.pixelgrid.get(x, y), best) << x << "," << y;
        }
    for (const char* dither : {"", "dither"})
        for (int code = 1; code < test.codes(); ++code) {
            platform.onload = [&](const std::string&, Samples& out, std::string&) {
                for (auto& column : out.colour)
                    for (wincolour& c : column) c = test.shown(code, 2);
                return true;
            };
            platform.opens = {"a.png"};
            play(std::string(dither) + " new importation");
            dither = "";
            EXPECT_EQ(testing::setcells(ed.pixelgrid).size(), 200u * 100u) << code;
            EXPECT_TRUE(ed.pixelgrid.get(1, 1) == code && ed.pixelgrid.get(200, 100) == code) << code;
        }
}

}  // namespace
}  // namespace grafipix
