// SPDX-License-Identifier: GPL-3.0-or-later
// Scripts for the Python app: run by a real MicroPython and by the desktop's
// Python against a stand-in casioplot, their data read back as the preview
// does, their text what a calculator's old MicroPython takes; the Code window.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>

#include "codegen/python_script.h"
#include "tests/support/editor_fixture.h"
#include "tests/support/python_runs.h"

namespace grafipix::testing {
namespace {

// Kinds 0 to 4 empty to full, 5 sparse, 6 a checkerboard, 7 outlines of
// boxes; every colour of the palette, border cells too (never drawn).
Grid anypicture(std::mt19937& rng, const Model& m, int kind, int colours) {
    Grid g(m.screen.columns, m.screen.rows);
    std::bernoulli_distribution drawn(kind < 5 ? kind / 4.0 : 0.03);
    const auto colour = [&] { return int16_t(1 + rng() % (colours - 1)); };
    for (int y = 0; y <= g.maxy(); ++y)
        for (int x = 0; x <= g.maxx(); ++x)
            if (kind < 7 && (kind == 6 ? (x + y) % 2 : drawn(rng))) g.set(x, y, colour());
    for (int box = 0; kind == 7 && box < 14; ++box) {
        const int x0 = int(rng() % g.columns()), y0 = int(rng() % g.rows()), x1 = x0 + 6 + int(rng() % (g.columns() / 4)),
                  y1 = y0 + 5 + int(rng() % (g.rows() / 3));
        const int16_t c = colour();
        for (int x = x0; x <= x1; ++x) g.set(x, y0, c), g.set(x, y1, c);
        for (int y = y0; y <= y1; ++y) g.set(x0, y, c), g.set(x1, y, c);
    }
    return g;
}

// Every call the stand-in records, and the cells the preview reads: the
// models' own colours, then free palettes of 2 to 256 colours as the
// screens hold them, some far bigger than what the picture uses.
TEST(PythonScript, MicroPythonAndPython3DrawEachDrawnCellOnceInItsColourAsThePreviewReadsIt) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("grafipix-py-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::mt19937 rng(1925);
    std::string paths, expected, strokes;  // which of its forms each script took
    struct Case {
        const Model* m;
        int kind;
        std::vector<wincolour> colours;
    };
    std::vector<Case> cases;
    for (const char* name : {"g35e2", "g90", "gmath"})
        for (int kind = 0; kind < 8; ++kind) cases.push_back({findmodel(name), kind, findmodel(name)->colours()});
    for (const int count : {2, 16, 9, 5, 17, 33, 64, 65, 100, 129, 200, 256}) {
        std::vector<wincolour> palette{whiteback};
        while (int(palette.size()) < count) palette.push_back(on565(wincolour(rng() & 0xFFFFFF)));
        const int kind = std::array{2, 4, 5, 7}[cases.size() % 4];
        cases.push_back({findmodel(cases.size() % 2 ? "g90" : "gmath"), kind, palette});
    }
    for (const auto& [m, kind, colours] : cases) {
        // Sparse cells and boxes draw few of a big palette's colours.
        const Grid g = anypicture(rng, *m, kind, kind == 5 || kind == 7 ? std::min<int>(int(colours.size()), 7) : int(colours.size()));
        const std::string script = pythonscript(g, *m, colours),
                          path = (dir / (m->name + std::to_string(cases.size()) + "_" + std::to_string(paths.size()) + ".py")).string();
        const CalcRun preview = scriptpixels(script, *m);
        expected += "script " + path + "\nclear\n";
        for (int y = 1; y <= g.rows(); ++y)
            for (int x = 1; x <= g.columns(); ++x) {
                const wincolour c = colours[size_t(g.get(x, y))];
                const int read = preview.screen[y][x];
                ASSERT_TRUE(read == 0 ? g.get(x, y) == 0 : size_t(read) < preview.colours.size() && preview.colours[size_t(read)] == c)
                    << path << " at " << x << "," << y << preview.error;
                char call[64];
                std::snprintf(call, sizeof call, "pixel %d %d %u %u %u\n", x - 1, y - 1, c & 0xFF, c >> 8 & 0xFF, c >> 16);
                expected += g.get(x, y) ? call : "";
            }
        expected += "show\nend\n";
        strokes += script.find("\nL=(") != script.npos ? "s" : script.find("\nP=(") != script.npos ? "p" : "r";
        EXPECT_TRUE(faults(script).empty() && (m->codes() > 2 || script.size() <= 3000)) << path << faults(script) << script.size();
        std::ofstream(path) << script;
        paths += " " + path;
    }
    EXPECT_EQ(strokes.substr(0, 16), "srrrrrrssrrrrrrs");
    EXPECT_EQ(strokes.substr(16), "srrrrrrsrprspprspprs") << "the Graph Math+'s, then the free palettes'";
    for (const char* bad : {"x=f'{y}'", "x=rF\"a\"", "import os", "x=1; from math import pi", "x=\x7F", "if (n:=2):", "x='\xC3\xA9'"})
        EXPECT_NE(faults(pythonscript(Grid(127, 63), *findmodel("g35e2"), findmodel("g35e2")->colours()) + bad + "\n"), "") << bad;

    if (micropythonmissing()) GTEST_SKIP() << "MicroPython for Node is not at " << GRAFIPIX_MICROPYTHON << " (make installs it)";
    for (const std::string& difference : rundifferences(paths, expected)) EXPECT_TRUE(difference.empty()) << difference;
    if (!HasFailure()) std::filesystem::remove_all(dir);
}

// Only where the model runs Python, with no picture question; the window's
// button saves the script whole, and goes with the model.
TEST_F(EditorTest, TheCodeWindowShowsAndSavesTheScriptOnlyWhereTheModelRunsPython) {
    EXPECT_FALSE(click("python"));
    platform.saves = {"d.py"};
    play("g90 d5,5 python tick savetext");
    EXPECT_TRUE(platform.prompts.empty() && platform.files["d.py"] == pythonscript(picture(), ed.currentmodel(), ed.colours()) &&
                codeform().savetext.caption == "Enregistrer le script...") << platform.files["d.py"];
    play("g65");
    EXPECT_FALSE(codeform().savetext.enabled || click("python"));
}

}  // namespace
}  // namespace grafipix::testing
