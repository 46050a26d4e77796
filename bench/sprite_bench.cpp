// SPDX-License-Identifier: GPL-3.0-or-later
// The BASIC sprite of a 16 x 16 block with all 256 cells drawn against the
// compact whole-screen program of the same block as a 16 x 16 screen, its
// ClrGraph and ViewWindow left out. Each benchmark times the sprite's
// generation; its label gives both bodies' statements and token bytes.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "bench/micropython_timing.h"
#include "calculator/model_table.h"
#include "codegen/generator.h"
#include "codegen/python_sprite.h"
#include "codegen/sprite.h"
#include "codegen/tokens.h"

namespace {

using namespace grafipix;

struct Size {
    long statements = 0, bytes = 0;
};

Size bodysize(std::u16string_view text, const Model& m) {
    const Tokens t = tokenize(text, m);
    return {t.statements, static_cast<long>(t.bytes.size())};
}

// The whole-screen program's body: its text after the header's two lines.
std::u16string_view body(const std::u16string& text) { return std::u16string_view(text).substr(text.find(u"\r\n", text.find(u"\r\n") + 2) + 2); }

Grid solid() {
    Grid g(16, 16);
    for (int y = 1; y <= 16; ++y)
        for (int x = 1; x <= 16; ++x) g.set(x, y, ink);
    return g;
}

// Square rings of the seven colours, as a game's gem or target.
Grid rings() {
    Grid g(16, 16);
    for (int y = 1; y <= 16; ++y)
        for (int x = 1; x <= 16; ++x) g.set(x, y, int16_t(1 + std::min(std::min(x, 17 - x), std::min(y, 17 - y)) % 7));
    return g;
}

// A figure: a body of one colour with eyes, a belt and boots of others.
Grid figure() {
    Grid g(16, 16);
    for (int y = 1; y <= 16; ++y)
        for (int x = 1; x <= 16; ++x) {
            int16_t c = 4;  // the body
            if (y <= 3) c = 1;  // hair
            else if (y == 6 && (x == 5 || x == 12)) c = 2;  // eyes
            else if (y == 11) c = 7;  // belt
            else if (y >= 15) c = 3;  // boots
            else if (x <= 2 || x >= 15) c = 6;  // arms
            g.set(x, y, c);
        }
    return g;
}

// Runs of two to six cells of random colours, down as often as across.
Grid noise() {
    std::mt19937 rng(16);
    Grid g(16, 16);
    for (int y = 1; y <= 16; ++y)
        for (int x = 1; x <= 16; ++x) g.set(x, y, int16_t(1 + rng() % 7));
    for (int i = 0; i < 40; ++i)
        for (int x = 1 + int(rng() % 16), y = 1 + int(rng() % 16), n = 2 + int(rng() % 5), c = 1 + int(rng() % 7); n > 0; --n)
            i % 2 ? g.set(x, y++, int16_t(c)) : g.set(x++, y, int16_t(c));
    return g;
}

void spriterun(benchmark::State& state, const char* model, Grid (*make)()) {
    const Model& m = *findmodel(model);
    const Grid block = make();
    const Size sprite = bodysize(basicsprite(block, m).text, m);
    const Size screen = bodysize(body(generateprogram(block, m, CodeMode::compact, 0).text), m);
    for (auto _ : state) benchmark::DoNotOptimize(basicsprite(block, m).text.data());
    char label[160];
    std::snprintf(label, sizeof label, "sprite: %ld st %ld B / whole screen: %ld st %ld B", sprite.statements, sprite.bytes,
                  screen.statements, screen.bytes);
    state.SetLabel(label);
    state.counters["statements"] = double(sprite.statements);
    state.counters["bytes"] = double(sprite.bytes);
    state.counters["screenstatements"] = double(screen.statements);
    state.counters["screenbytes"] = double(screen.bytes);
}

// The Python sprite of the same blocks under MicroPython for Node: a
// thousand calls at a place on the screen, its data decoded once before them,
// against a bare loop of the same set_pixel calls from a list made beforehand.
std::pair<double, double> pythontimes(const char* which, const Model& m, const Grid& block) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("grafipix-sprite-bench-" + std::string(which));
    fs::create_directories(dir);
    const std::vector<wincolour> colours = m.colours();
    std::ofstream(dir / "script.py") << pythonsprite(block, "s", m, colours) << "for _ in range(1000):s(10,20)\n";
    std::ofstream bare(dir / "bare.py");
    bare << "from casioplot import set_pixel\nP=[";
    for (int y = 1; y <= block.rows(); ++y)
        for (int x = 1; x <= block.columns(); ++x)
            if (const int c = block.get(x, y); c > 0)
                bare << "(" << 9 + x << "," << 19 + y << ",(" << redof(colours[size_t(c)]) << "," << greenof(colours[size_t(c)]) << ","
                     << blueof(colours[size_t(c)]) << ")),";
    bare << "]\ndef bare():\n s=set_pixel\n for _ in range(1000):\n  for x,y,c in P:s(x,y,c)\n";
    bare.close();
    return bench::micropythonms(dir / "script.py", dir / "bare.py");
}

void pythonrun(benchmark::State& state, const char* which, const char* model, Grid (*make)(), bool sprite) {
    static std::map<std::string, std::pair<double, double>> done;
    if (!done.contains(which)) done[which] = pythontimes(which, *findmodel(model), make());
    const auto [call, loop] = done[which];
    for (auto _ : state) state.SetIterationTime((sprite ? call : loop) / 1000.0);
    if (call == 0) state.SkipWithError("Node or MicroPython is missing (make bench installs it)");
    if (sprite) state.SetLabel(std::string("baseline: pythonrun/") + which + "BareLoop");
}

#define PYTHONSPRITE(name, model, make)                                                                                            \
    BENCHMARK_CAPTURE(pythonrun, name##Sprite, #name, model, make, true)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond); \
    BENCHMARK_CAPTURE(pythonrun, name##BareLoop, #name, model, make, false)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond)

PYTHONSPRITE(Python16Figure, "g90", figure);
PYTHONSPRITE(Python16Noise, "g90", noise);
PYTHONSPRITE(Python16Solid, "g35e2", solid);

BENCHMARK_CAPTURE(spriterun, Sprite16SolidG35e2, "g35e2", solid)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(spriterun, Sprite16RingsG90, "g90", rings)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(spriterun, Sprite16FigureG90, "g90", figure)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(spriterun, Sprite16NoiseG90, "g90", noise)->Unit(benchmark::kMicrosecond);

}  // namespace
