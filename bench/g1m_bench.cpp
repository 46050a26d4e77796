// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the .g1m files of the worst picture for them, a checkerboard of ink:
// every drawn cell a statement of its own. The program file from the text the
// Code window shows (tokenizing included), the picture file from the grid, and
// the Code window's preview of that program.

#include <benchmark/benchmark.h>

#include "calculator/model_table.h"

#include "codegen/calc_interpreter.h"
#include "formats/g1m.h"
#include "codegen/generator.h"
#include "codegen/tokens.h"

namespace {

using namespace grafipix;

Grid checkerboard() {
    Grid g(127, 63);
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x) g.set(x, y, static_cast<int16_t>((x + y) % 2));
    return g;
}

void programfile(benchmark::State& state, CodeMode mode) {
    const std::u16string text = generateprogram(checkerboard(), *findmodel("g85"), mode, 20).text;
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string file = g1m::writefile({g1m::programobject(g1m::defaultname, tokenize(text, *findmodel("g85")).bytes)});
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_G1mProgramCheckerboardPxlOn(benchmark::State& state) { programfile(state, CodeMode::fline); }
void BM_G1mProgramCheckerboardDrawStat(benchmark::State& state) { programfile(state, CodeMode::drawstat); }

void BM_G1mPictureCheckerboard(benchmark::State& state) {
    const Grid g = checkerboard();
    for (auto _ : state) {
        const std::string file = g1m::writefile({g1m::pictureobject(g, 1)});
        benchmark::DoNotOptimize(file.data());
    }
}

// What the Code window adds to a run for its preview: the program run on the
// screen model and its statements and size counted.
void BM_PreviewCheckerboardPxlOn(benchmark::State& state) {
    const std::u16string text = generateprogram(checkerboard(), *findmodel("g85"), CodeMode::fline, 20).text;
    for (auto _ : state) {
        benchmark::DoNotOptimize(runprogram(text, *findmodel("g85")).drawstats);
        benchmark::DoNotOptimize(tokenize(text, *findmodel("g85")).statements);
    }
}

BENCHMARK(BM_G1mProgramCheckerboardPxlOn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_G1mProgramCheckerboardDrawStat)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_G1mPictureCheckerboard)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewCheckerboardPxlOn)->Unit(benchmark::kMillisecond);

}  // namespace
