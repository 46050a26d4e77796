// SPDX-License-Identifier: GPL-3.0-or-later
// The model table as the one place that knows a screen: no size written
// anywhere else, and a model of another size and palette (the tests' own)
// kept, reopened and imported into. (Switched to and from in the editor's tests.)

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "tests/support/editor_fixture.h"
#include "tests/support/test_model.h"

namespace grafipix::testing {
namespace {

// The whole numbers of a line's code: its comment and its strings left out,
// and digits inside a name (int64_t) or after a 0x not counted.
std::set<std::string> numbers(const std::string& line) {
    std::set<std::string> out;
    std::string word;
    bool quoted = false;
    for (size_t i = 0; i <= line.size(); ++i) {
        const char c = i < line.size() ? line[i] : ' ';
        if (quoted) {
            if (c == '\\') ++i;
            else if (c == '"') quoted = false;
            continue;
        }
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
            word += c;
            continue;
        }
        if (!word.empty() && std::isdigit(static_cast<unsigned char>(word[0])) && word.find_first_not_of("0123456789") == std::string::npos)
            out.insert(word);
        word.clear();
        if (c == '"') quoted = true;
        if (c == '/' && i + 1 < line.size() && line[i + 1] == '/') break;
    }
    return out;
}

// Comments and strings may name a size; code may not hold one as a number.
TEST(ModelTable, NoProductLineOutsideTheTableHoldsTheScreensSize) {
    const std::set<std::string> sizes{"62", "63", "64", "65", "126", "127", "128", "129", "130", "191", "383", "8001", "8192"};
    const std::filesystem::path top = GRAFIPIX_SOURCE_DIR;
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(top)) {
        const std::string relative = entry.path().lexically_relative(top).string(), folder = relative.substr(0, relative.find('/'));
        if (!(relative.ends_with(".cpp") || relative.ends_with(".h")) || relative == "calculator/model_table.cpp" || folder == "tests" ||
            folder == "bench" || folder.starts_with("build"))
            continue;
        std::ifstream in(entry.path());
        ++files;
        for (auto [line, number] = std::pair{std::string(), 1}; std::getline(in, line); ++number)
            for (const std::string& n : numbers(line)) EXPECT_FALSE(sizes.contains(n)) << relative << ":" << number << ": " << line;
    }
    EXPECT_GT(files, 50);
}

class Screens : public EditorTest {
protected:
    const Model& test = testmodel();
};

// On the way out a drawing is kept, an empty one not, and a failed write is
// logged while the process ends all the same. "Rouvrir le dernier dessin"
// brings it back as one step: one of the version before palettes grew (format
// 1, the 127 x 63 screen), one with codes past 3 whole, and on a smaller
// screen as much as fits, in that palette's colours; a damaged one changes nothing.
TEST_F(Screens, KeptDrawingsReopenAsOneStepAcrossVersionsAndScreens) {
    play("exit");
    EXPECT_TRUE(platform.ended && platform.kept.empty()) << "an empty picture was kept";
    platform.kept = "Grafipix dessin 1\n";
    for (int y = 0; y <= 64; ++y) platform.kept += std::string(129, y == 5 ? '3' : y == 63 ? '1' : '0') + "\n";
    play("reopen");
    EXPECT_TRUE(picture().get(0, 5) == orange && picture().get(128, 5) == orange && picture().get(64, 63) == ink &&
                setcells(picture()).size() == 2 * 129 && ed.undoable() == 1);
    play("test new testcyan Command1 d150,80 d2,2");
    const Grid drawn = picture();
    play("exit");
    EXPECT_TRUE(platform.kept.starts_with("Grafipix dessin 2\n"));
    play("new reopen");
    EXPECT_EQ(picture(), drawn);
    play("g65 new reopen");
    EXPECT_TRUE(picture().get(2, 2) == ink && setcells(picture()).size() == 1);
    platform.kept.resize(500);
    click("reopen");
    EXPECT_EQ(platform.messages.back(), "Impossible de rouvrir le dernier dessin : ce n'est pas un dessin de Grafipix.");
    EXPECT_EQ(setcells(picture()).size(), 1u);
    platform.keepfails = true, platform.ended = false;
    ::testing::internal::CaptureStderr();
    ed.handle(Event::unload(Window::Main));
    EXPECT_EQ(::testing::internal::GetCapturedStderr() + (platform.ended ? "" : "not ended"),
              "grafipix : le dessin n'a pas pu être gardé : disque plein\n");
}

// The import takes the nearest colour of the palette, the back colour leaving
// the cell as it was. (Dithering in colour is the exchange tests' to show.)
TEST_F(Screens, TheImportTakesTheNearestColourOfTheModelsPalette) {
    std::mt19937 random(7);
    platform.loadrandom(random);
    play("test");
    paint(1, 1, 200, 100, 3);
    platform.opens = {"a.png"};
    play("importation");
    const auto distance = [](wincolour a, wincolour b) { return std::hypot(redof(a) - redof(b), greenof(a) - greenof(b), blueof(a) - blueof(b)); };
    for (int x = 1; x <= 200; ++x)
        for (int y = 1; y <= 100; ++y) {
            int best = 0;
            for (int code = 1; code < test.codes(); ++code)
                if (distance(platform.loaded.colour[x][y], test.shown(code, 2)) < distance(platform.loaded.colour[x][y], test.shown(best, 2))) best = code;
            ASSERT_EQ(picture().get(x, y), best ? best : 3) << x << "," << y;
        }
}

}  // namespace
}  // namespace grafipix::testing
