// Preview mouse moves on a full picture (a circle, the paste of the whole
// canvas) and a fill of the whole empty canvas.

#include <benchmark/benchmark.h>

#include "app/editor.h"
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

// The same two on the Graph 90+E's 379 x 187 cells.
void BM_CirclePreviewMoveGraph90(benchmark::State& state) {
    testing::FakePlatform platform;
    Editor ed(platform);
    ed.handle(Event::load());
    ed.handle(Event::click("g90"));
    for (int y = 1; y <= ed.pixelgrid.rows(); ++y)
        for (int x = 1; x <= ed.pixelgrid.columns(); ++x) ed.doc.set(x, y, static_cast<int16_t>(1 + (x + y) % 7));
    ed.handle(Event::click("Command10"));
    ed.handle(Event::down(190, 94));
    for (auto _ : state) {
        ed.handle(Event::move(190 + 180, 94));  // radius 180
        benchmark::DoNotOptimize(ed.Picture1.bits());
    }
}
BENCHMARK(BM_CirclePreviewMoveGraph90)->Unit(benchmark::kMicrosecond);

void BM_FillWholeEmptyCanvasGraph90(benchmark::State& state) {
    testing::FakePlatform platform;
    Editor ed(platform);
    ed.handle(Event::load());
    ed.handle(Event::click("g90"));
    ed.handle(Event::click("Command8"));
    for (auto _ : state) {
        state.PauseTiming();
        ed.doc.newpicture();
        state.ResumeTiming();
        ed.handle(Event::down(190, 94));
        benchmark::DoNotOptimize(ed.pixelgrid);
    }
}
BENCHMARK(BM_FillWholeEmptyCanvasGraph90)->Unit(benchmark::kMicrosecond);

// Shapes started far off the canvas, the slowest of each kind: every stroke
// must finish well inside 10 ms.
void BM_ShapeStartedFarOff(benchmark::State& state) {
    struct Stroke { const char* tool; float x1, y1, x2, y2; };
    static constexpr Stroke strokes[] = {
        {"Command3", -1e9f, 30, 50, 30}, {"Command3", 1e9f, 30, 50, 30}, {"Command3", 40, 1e9f, 40, 20},
        {"Command3", 60, 1e9f, 50, 0},   {"Command3", 1e9f, 1e9f, 10, 10}, {"Command9", -1e9f, -1e9f, 50, 20},
    };
    const Stroke& s = strokes[state.range(0)];
    testing::FakePlatform platform;
    Editor ed(platform);
    ed.handle(Event::load());
    ed.handle(Event::click(s.tool));
    for (auto _ : state) {
        ed.handle(Event::down(s.x1, s.y1));
        ed.handle(Event::down(s.x2, s.y2));
        benchmark::DoNotOptimize(ed.pixelgrid);
    }
}
BENCHMARK(BM_ShapeStartedFarOff)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

}  // namespace
