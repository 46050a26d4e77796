// The whole generator run without the prompt (an empty answer), on the worst
// picture for it: a checkerboard in the three colours, every cell single.

#include <benchmark/benchmark.h>

#include "core/editor.h"
#include "tests/support/fake_platform.h"

namespace {

using namespace grafipix;

void generatorrun(benchmark::State& state, float mode) {
    testing::FakePlatform platform;
    Editor ed(platform);
    ed.Main_Load();
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x) ed.pixelgrid.set(x, y, static_cast<int16_t>(1 + (x + y) % 3));
    ed.codemode = mode;
    ed.Code.emplace();
    for (auto _ : state) {
        ed.Code_Timer1_Timer();
        benchmark::DoNotOptimize(ed.Code->Text1.data());
    }
    state.counters["characters"] = static_cast<double>(ed.Code->Text1.size());
}

void BM_GeneratorCheckerboardPxlOn(benchmark::State& state) { generatorrun(state, 1.0f); }
void BM_GeneratorCheckerboardDrawStat(benchmark::State& state) { generatorrun(state, 2.0f); }
BENCHMARK(BM_GeneratorCheckerboardPxlOn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneratorCheckerboardDrawStat)->Unit(benchmark::kMillisecond);

}  // namespace
