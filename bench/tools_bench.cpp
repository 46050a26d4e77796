// Preview mouse moves on a full picture (a circle, the paste of the whole
// canvas) and a fill of the whole empty canvas.

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

// The worst paste preview: every cell of a full picture copied, the block
// following the pointer from the top-left cell, the selection frame drawn too.
void BM_PastePreviewMoveOfWholeCanvas(benchmark::State& state) {
    testing::FakePlatform platform;
    Editor ed(platform);
    ed.handle(Event::load());
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x) ed.doc.set(x, y, static_cast<int16_t>(1 + (x + y) % 3));
    for (const Event& e : {Event::click("Command11"), Event::down(1, 1), Event::down(128, 64), Event::click("selduplicate")}) ed.handle(e);
    state.SetLabel("baseline: BM_QPainterRedraw");
    for (auto _ : state) {
        ed.handle(Event::move(1, 1));
        benchmark::DoNotOptimize(ed.Picture1.bits());
    }
}
BENCHMARK(BM_PastePreviewMoveOfWholeCanvas)->Unit(benchmark::kMicrosecond);

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
