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

}  // namespace
