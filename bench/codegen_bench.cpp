// The whole generator run on the worst picture for it: a checkerboard in the
// three colours, every cell single.

#include <benchmark/benchmark.h>

#include "calculator/model_table.h"

#include "codegen/generator.h"

namespace {

using namespace grafipix;

void generatorrun(benchmark::State& state, CodeMode mode) {
    Grid g(127, 63);
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x) g.set(x, y, static_cast<int16_t>(1 + (x + y) % 3));
    size_t characters = 0;
    for (auto _ : state) {
        const Program p = generateprogram(g, *findmodel("g65"), mode, 0, [](double, double) {});
        characters = p.text.size();
        benchmark::DoNotOptimize(p.text.data());
    }
    state.counters["characters"] = static_cast<double>(characters);
}

void BM_GeneratorCheckerboardPxlOn(benchmark::State& state) { generatorrun(state, CodeMode::fline); }
void BM_GeneratorCheckerboardDrawStat(benchmark::State& state) { generatorrun(state, CodeMode::drawstat); }
BENCHMARK(BM_GeneratorCheckerboardPxlOn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneratorCheckerboardDrawStat)->Unit(benchmark::kMillisecond);

// The Graph 90+E's screen whole, in both of its modes: seven colours on the
// diagonals, so no two neighbours share one and every cell is its own line,
// and the same colours as noise, where the runs and columns cross most.
Grid graph90(bool noise) {
    const Screen screen = findmodel("g90")->screen;
    Grid g(screen.columns, screen.rows);
    uint32_t seed = 90;
    for (int y = 1; y <= screen.rows; ++y)
        for (int x = 1; x <= screen.columns; ++x) {
            seed = seed * 1664525u + 1013904223u;
            g.set(x, y, static_cast<int16_t>(noise ? (seed >> 16) % 8 : 1 + (x + y) % 7));
        }
    return g;
}

void graph90run(benchmark::State& state, CodeMode mode, bool noise) {
    const Grid g = graph90(noise);
    size_t characters = 0;
    for (auto _ : state) {
        const Program p = generateprogram(g, *findmodel("g90"), mode, 0, [](double, double) {});
        characters = p.text.size();
        benchmark::DoNotOptimize(p.text.data());
    }
    state.counters["characters"] = static_cast<double>(characters);
}
BENCHMARK_CAPTURE(graph90run, Graph90PlainDiagonals, CodeMode::fline, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(graph90run, Graph90PlainNoise, CodeMode::fline, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(graph90run, Graph90CompactDiagonals, CodeMode::compact, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(graph90run, Graph90CompactNoise, CodeMode::compact, true)->Unit(benchmark::kMillisecond);

}  // namespace
