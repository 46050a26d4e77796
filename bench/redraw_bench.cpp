// SPDX-License-Identifier: GPL-3.0-or-later
// The full repaint that follows nearly every change, on an empty and on a full picture.

#include <benchmark/benchmark.h>

#include <string_view>

#include "bench/started_editor.h"

namespace {

using namespace grafipix;

// Each cell a colour other than its left and right neighbours'.
int rows(int x, int y, int) { return x * 7 + y; }

void redrawrun(benchmark::State& state, const char* model, bool full) {
    bench::StartedEditor started(model, full ? rows : nullptr);
    Editor& ed = started.ed;
    if (full && std::string_view(model) == "g65") state.SetLabel("baseline: BM_QPainterRedraw");
    for (auto _ : state) {
        ed.redrawcanvas();
        benchmark::DoNotOptimize(ed.Picture1.bits());
    }
}

void BM_RedrawFullPicture(benchmark::State& state) { redrawrun(state, "g65", true); }
void BM_RedrawEmptyPicture(benchmark::State& state) { redrawrun(state, "g65", false); }
// The Graph 90+E's 379 x 187 cells, all drawn in its seven colours.
void BM_RedrawFullPictureGraph90(benchmark::State& state) { redrawrun(state, "g90", true); }
// The Graph 90+E with 256 colours of its own, every cell drawn.
void owncolours(bench::StartedEditor& started) {
    Editor& ed = started.ed;
    for (int n = ed.codes(); n < 256; ++n) {
        started.platform.colourpicks = {wincolour(n * 0x010305)};
        ed.handle(Event::click("addcolour"));
    }
    for (int y = 1; y <= ed.pixelgrid.rows(); ++y)
        for (int x = 1; x <= ed.pixelgrid.columns(); ++x) ed.doc.set(x, y, int16_t(1 + (x * 7 + y) % 255));
    ed.newhistory();
}

void BM_RedrawGraph90In256Colours(benchmark::State& state) {
    bench::StartedEditor started("g90");
    owncolours(started);
    for (auto _ : state) {
        started.ed.redrawcanvas();
        benchmark::DoNotOptimize(started.ed.Picture1.bits());
    }
}

// "Modifier la couleur..." as the user makes it: the event, the step of undo and the redraw.
void BM_PaletteColourChangeGraph90(benchmark::State& state) {
    bench::StartedEditor started("g90");
    owncolours(started);
    Editor& ed = started.ed;
    ed.handle(Event::click("swatch100"));
    wincolour c = 0;
    for (auto _ : state) {
        started.platform.colourpicks = {c += 0x081020};
        ed.handle(Event::click("editcolour"));
        benchmark::DoNotOptimize(ed.Picture1.bits());
    }
}

BENCHMARK(BM_RedrawFullPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawGraph90In256Colours)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaletteColourChangeGraph90)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawEmptyPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawFullPictureGraph90)->Unit(benchmark::kMicrosecond);

}  // namespace
