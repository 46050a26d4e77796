// SPDX-License-Identifier: GPL-3.0-or-later
// Preview mouse moves on a full picture (a circle, the paste of the whole
// canvas) and a fill of the whole empty canvas.

#include <benchmark/benchmark.h>

#include <string_view>

#include "app/editor.h"
#include "bench/started_editor.h"
#include "tests/support/fake_platform.h"

namespace {

using namespace grafipix;

// A circle's preview following the pointer, radius `radius` from the middle.
void circlerun(benchmark::State& state, const char* model, float radius) {
    bench::StartedEditor started(model, [](int x, int y, int) { return x + y; });
    Editor& ed = started.ed;
    const float x = static_cast<float>(ed.pixelgrid.maxx() / 2), y = static_cast<float>(ed.pixelgrid.maxy() / 2);
    ed.handle(Event::click("Command10"));
    ed.handle(Event::down(x, y));
    if (std::string_view(model) == "g65") state.SetLabel("baseline: BM_QPainterRedraw");
    for (auto _ : state) {
        ed.handle(Event::move(x + radius, y));
        benchmark::DoNotOptimize(ed.Picture1.bits());
    }
}
void BM_CirclePreviewMoveOnFullPicture(benchmark::State& state) { circlerun(state, "g65", 60); }
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

void fillrun(benchmark::State& state, const char* model) {
    bench::StartedEditor started(model);
    Editor& ed = started.ed;
    ed.handle(Event::click("Command8"));
    if (std::string_view(model) == "g65") state.SetLabel("baseline: BM_QPainterRedraw");
    for (auto _ : state) {
        state.PauseTiming();
        ed.doc.newpicture();
        state.ResumeTiming();
        ed.handle(Event::down(static_cast<float>(ed.pixelgrid.maxx() / 2), static_cast<float>(ed.pixelgrid.maxy() / 2)));
        benchmark::DoNotOptimize(ed.pixelgrid);
    }
}
void BM_FillWholeEmptyCanvas(benchmark::State& state) { fillrun(state, "g65"); }
BENCHMARK(BM_FillWholeEmptyCanvas)->Unit(benchmark::kMicrosecond);

// The same two on the Graph 90+E's 379 x 187 cells.
void BM_CirclePreviewMoveGraph90(benchmark::State& state) { circlerun(state, "g90", 180); }
void BM_FillWholeEmptyCanvasGraph90(benchmark::State& state) { fillrun(state, "g90"); }
BENCHMARK(BM_CirclePreviewMoveGraph90)->Unit(benchmark::kMicrosecond);
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
