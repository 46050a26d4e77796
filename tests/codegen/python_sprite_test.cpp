// SPDX-License-Identifier: GPL-3.0-or-later
// Sprites in Python: a game loop under MicroPython and python3 calls the
// module's function at many places, on and off the screen, and the pixels
// set are exactly the block's drawn cells at each.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "calculator/model_table.h"
#include "codegen/python_sprite.h"
#include "tests/support/python_runs.h"

namespace grafipix::testing {
namespace {

TEST(PythonSprite, AGameLoopSetsExactlyTheDrawnCellsAtEachPlace) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("grafipix-sprite-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::mt19937 rng(35);
    std::string paths, expected;
    for (int round = 0; round < 24; ++round) {
        const Model& m = *findmodel(round % 3 == 0 ? "g35e2" : round % 3 == 1 ? "g90" : "gmath");
        const int w = round == 0 ? 1 : round == 1 ? 64 : 1 + int(rng() % 64), h = round == 0 ? 1 : round == 1 ? 64 : 1 + int(rng() % 64);
        const size_t colours = m.freepalette() ? 2 + rng() % 255 : 2;
        std::vector<wincolour> palette{whiteback};
        while (palette.size() < colours) palette.push_back(on565(rng() & 0xFFFFFF));
        Grid block(w, h);
        for (int y = 1; y <= h; ++y)
            for (int x = 1; x <= w; ++x) block.set(x, y, int16_t(rng() % 3 == 0 ? 0 : rng() % colours));
        const std::string name = "s" + std::to_string(round), module = pythonsprite(block, name, m, palette);
        ASSERT_EQ(faults(module), "") << name;
        // The game: the module, then calls inside, across each edge, off the screen.
        const Screen screen = m.pythonscreen;
        std::string game = module + "assert (" + name + "_w," + name + "_h)==(" + std::to_string(w) + "," + std::to_string(h) + ")\n";
        expected += "script " + (dir / (name + ".py")).string() + "\n";
        for (const auto [px, py] : {std::pair{0, 0}, {screen.columns - w, screen.rows - h}, {-w / 2, 5}, {screen.columns - w / 2, 3},
                                    {7, -h / 2}, {2, screen.rows - h / 2}, {-w - 3, 0}, {screen.columns + 4, -90}, {int(rng() % 100), int(rng() % 50)}}) {
            game += name + "(" + std::to_string(px) + "," + std::to_string(py) + ")\n";
            for (int y = 1; y <= h; ++y)
                for (int x = 1; x <= w; ++x) {
                    const int code = block.get(x, y), sx = px + x - 1, sy = py + y - 1;
                    if (code == 0 || sx < 0 || sy < 0 || sx >= screen.columns || sy >= screen.rows) continue;
                    const wincolour c = palette[size_t(code)];
                    expected += "pixel " + std::to_string(sx) + " " + std::to_string(sy) + " " + std::to_string(redof(c)) + " " +
                                std::to_string(greenof(c)) + " " + std::to_string(blueof(c)) + "\n";
                }
        }
        expected += "end\n";
        std::ofstream(dir / (name + ".py")) << game;
        paths += " " + (dir / (name + ".py")).string();
    }
    if (micropythonmissing()) GTEST_SKIP() << "MicroPython for Node is not at " << GRAFIPIX_MICROPYTHON << " (make installs it)";
    for (const std::string& difference : rundifferences(paths, expected)) EXPECT_TRUE(difference.empty()) << difference;
    std::filesystem::remove_all(dir);
    EXPECT_TRUE(validpythonname("vaisseau") && validpythonname("_b2") && !validpythonname("2b") && !validpythonname("for") &&
                !validpythonname("é") && !validpythonname(""));
}

}  // namespace
}  // namespace grafipix::testing
