// SPDX-License-Identifier: GPL-3.0-or-later
// The BASIC sprite of a 16 x 16 block with all 256 cells drawn against the
// compact whole-screen program of the same block as a 16 x 16 screen, its
// ClrGraph and ViewWindow left out. Each benchmark times the sprite's
// generation; its label gives both bodies' statements and token bytes.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

#include "calculator/model_table.h"
#include "codegen/generator.h"
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

BENCHMARK_CAPTURE(spriterun, Sprite16SolidG35e2, "g35e2", solid)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(spriterun, Sprite16RingsG90, "g90", rings)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(spriterun, Sprite16FigureG90, "g90", figure)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(spriterun, Sprite16NoiseG90, "g90", noise)->Unit(benchmark::kMicrosecond);

}  // namespace
