// SPDX-License-Identifier: GPL-3.0-or-later
// The whole generator run on the worst pictures for it: every cell single,
// on the Graph 65/80 and on the Graph 90+E, and the 90+E's noise.

#include <benchmark/benchmark.h>

#include "calculator/model_table.h"

#include "codegen/generator.h"

namespace {

using namespace grafipix;

// A model's whole screen: on the diagonals in its colours past the back
// colour (1 + (x + y) % `colours`), or as noise in all of its codes. On the
// diagonals no two neighbours share a colour, so every cell is its own line.
Grid picture(const Model& m, int colours, bool noise) {
    Grid g(m.screen.columns, m.screen.rows);
    uint32_t seed = 90;
    for (int y = 1; y <= m.screen.rows; ++y)
        for (int x = 1; x <= m.screen.columns; ++x) {
            seed = seed * 1664525u + 1013904223u;
            g.set(x, y, static_cast<int16_t>(noise ? (seed >> 16) % m.codes() : 1 + (x + y) % colours));
        }
    return g;
}

void generatorrun(benchmark::State& state, const char* model, int colours, bool noise, CodeMode mode) {
    const Model& m = *findmodel(model);
    const Grid g = picture(m, colours, noise);
    size_t characters = 0;
    for (auto _ : state) {
        const Program p = generateprogram(g, m, mode, 0, [](double, double) {});
        characters = p.text.size();
        benchmark::DoNotOptimize(p.text.data());
    }
    state.counters["characters"] = static_cast<double>(characters);
}

void BM_GeneratorCheckerboardPxlOn(benchmark::State& state) { generatorrun(state, "g65", 3, false, CodeMode::fline); }
void BM_GeneratorCheckerboardDrawStat(benchmark::State& state) { generatorrun(state, "g65", 3, false, CodeMode::drawstat); }
BENCHMARK(BM_GeneratorCheckerboardPxlOn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneratorCheckerboardDrawStat)->Unit(benchmark::kMillisecond);

// The Graph 90+E's screen whole, in both of its modes: its seven colours on
// the diagonals, and as noise, where the runs and columns cross most.
BENCHMARK_CAPTURE(generatorrun, Graph90PlainDiagonals, "g90", 7, false, CodeMode::fline)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(generatorrun, Graph90PlainNoise, "g90", 7, true, CodeMode::fline)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(generatorrun, Graph90CompactDiagonals, "g90", 7, false, CodeMode::compact)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(generatorrun, Graph90CompactNoise, "g90", 7, true, CodeMode::compact)->Unit(benchmark::kMillisecond);

}  // namespace
