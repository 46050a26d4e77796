// SPDX-License-Identifier: GPL-3.0-or-later
// One undo or redo through the event funnel, and the memory 200 steps hold:
// steps that change most cells of the picture, and pen strokes.

#include <benchmark/benchmark.h>

#include "app/editor.h"
#include "tests/support/fake_platform.h"

namespace {

using namespace grafipix;

// Each iteration moves over one step, back and forth.
void moveover(benchmark::State& state, Editor& ed) {
    bool back = true;
    for (auto _ : state) {
        ed.handle(Event::click(back ? "undo" : "redo"));
        back = !back;
    }
    state.counters["bytes_200_steps"] = double(ed.history.bytes());
}

void BM_UndoOrRedoWholePictureStep(benchmark::State& state) {
    testing::FakePlatform platform;
    Editor ed(platform);
    ed.handle(Event::load());
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x) ed.doc.set(x, y, static_cast<int16_t>(1 + (x * 7 + y) % 3));
    ed.newhistory();
    // The whole canvas turned and mirrored by turns: each step changes most
    // cells, and the picture it leaves is full, the slowest to redraw.
    ed.handle(Event::click("Command11"));
    ed.handle(Event::down(1, 1));
    ed.handle(Event::down(127, 63));
    for (int n = 0; n < 200; ++n) ed.handle(Event::click(n % 2 ? "selhoriz" : "rotate180"));
    if (ed.history.undoable() != 200) state.SkipWithError("not 200 steps");
    moveover(state, ed);
}
BENCHMARK(BM_UndoOrRedoWholePictureStep)->Unit(benchmark::kMicrosecond);

void BM_UndoOrRedoPenStroke(benchmark::State& state) {
    testing::FakePlatform platform;
    Editor ed(platform);
    ed.handle(Event::load());
    ed.handle(Event::click("continu"));
    ed.handle(Event::click("Command2"));
    // Strokes across the canvas, 127 cells each, in green and orange by turns.
    for (int n = 0; n < 200; ++n) {
        ed.handle(Event::click(n % 2 ? "pressgreen" : "pressorange"));
        ed.handle(Event::down(1, 1));
        ed.handle(Event::move(1, float(1 + n % 63)));
        ed.handle(Event::move(127, float(63 - n % 63)));
        ed.handle(Event::down(1, 1));
    }
    if (ed.history.undoable() != 200) state.SkipWithError("not 200 steps");
    moveover(state, ed);
}
BENCHMARK(BM_UndoOrRedoPenStroke)->Unit(benchmark::kMicrosecond);

}  // namespace
