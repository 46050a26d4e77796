// A preview mouse move on a full picture and a fill of the whole empty canvas.

#include <benchmark/benchmark.h>

#include "core/editor.h"
#include "tests/support/fake_platform.h"

namespace {

using namespace grafipix;

void BM_CirclePreviewMoveOnFullPicture(benchmark::State& state) {
    testing::FakePlatform platform;
    Editor ed(platform);
    ed.handle(Event::load());
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x) ed.doc.set(x, y, static_cast<int16_t>(1 + (x + y) % 3));
    ed.handle(Event::click("Command10"));
    ed.handle(Event::down(64, 32));
    state.SetLabel("baseline: BM_QPainterRedraw");
    for (auto _ : state) {
        ed.handle(Event::move(64 + 60, 32));  // radius 60
        benchmark::DoNotOptimize(ed.Picture1.bits());
    }
}
BENCHMARK(BM_CirclePreviewMoveOnFullPicture)->Unit(benchmark::kMicrosecond);

void BM_FillWholeEmptyCanvas(benchmark::State& state) {
    testing::FakePlatform platform;
    Editor ed(platform);
    ed.handle(Event::load());
    ed.handle(Event::click("Command8"));
    state.SetLabel("baseline: BM_QPainterRedraw");
    for (auto _ : state) {
        state.PauseTiming();
        ed.doc.newpicture();
        state.ResumeTiming();
        ed.handle(Event::down(64, 32));
        benchmark::DoNotOptimize(ed.pixelgrid);
    }
}
BENCHMARK(BM_FillWholeEmptyCanvas)->Unit(benchmark::kMicrosecond);

}  // namespace
