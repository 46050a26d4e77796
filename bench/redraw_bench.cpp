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
BENCHMARK(BM_RedrawFullPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawEmptyPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawFullPictureGraph90)->Unit(benchmark::kMicrosecond);

}  // namespace
