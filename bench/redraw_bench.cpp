// The full repaint that follows nearly every change, on an empty and on a full picture.

#include <benchmark/benchmark.h>

#include "app/editor.h"
#include "tests/support/fake_platform.h"

namespace {

using namespace grafipix;

void fill(Editor& ed) {
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x) ed.doc.set(x, y, static_cast<int16_t>(1 + (x * 7 + y) % 3));
}

void BM_RedrawFullPicture(benchmark::State& state) {
    testing::FakePlatform platform;
    Editor ed(platform);
    ed.handle(Event::load());
    fill(ed);
    state.SetLabel("baseline: BM_QPainterRedraw");
    for (auto _ : state) {
        ed.redrawcanvas();
        benchmark::DoNotOptimize(ed.Picture1.bits());
    }
}
BENCHMARK(BM_RedrawFullPicture)->Unit(benchmark::kMicrosecond);

void BM_RedrawEmptyPicture(benchmark::State& state) {
    testing::FakePlatform platform;
    Editor ed(platform);
    ed.handle(Event::load());
    for (auto _ : state) {
        ed.redrawcanvas();
        benchmark::DoNotOptimize(ed.Picture1.bits());
    }
}
BENCHMARK(BM_RedrawEmptyPicture)->Unit(benchmark::kMicrosecond);

// The Graph 90+E's 379 x 187 cells, all drawn in its seven colours.
void BM_RedrawFullPictureGraph90(benchmark::State& state) {
    testing::FakePlatform platform;
    Editor ed(platform);
    ed.handle(Event::load());
    ed.handle(Event::click("g90"));
    for (int y = 1; y <= ed.pixelgrid.rows(); ++y)
        for (int x = 1; x <= ed.pixelgrid.columns(); ++x) ed.doc.set(x, y, static_cast<int16_t>(1 + (x * 7 + y) % 7));
    for (auto _ : state) {
        ed.redrawcanvas();
        benchmark::DoNotOptimize(ed.Picture1.bits());
    }
}
BENCHMARK(BM_RedrawFullPictureGraph90)->Unit(benchmark::kMicrosecond);

}  // namespace
