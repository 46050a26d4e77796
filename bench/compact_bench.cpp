// SPDX-License-Identifier: GPL-3.0-or-later
// The compact mode against mode 1 on the shared pictures: line art with
// outlines, text, filled shapes, checkerboards and noise. Each benchmark
// times the compact generation of one picture; its label gives the body's
// statements and calculator bytes in both modes. BM_CompactLineArtMedian
// gives the median saving over the line-art pictures.

#include <benchmark/benchmark.h>

#include "calculator/model_table.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "codegen/generator.h"
#include "bench/pictures.h"

namespace {

using namespace grafipix;
using namespace grafipix::benchpictures;

// Statements and calculator bytes of a program's body: command names and
// colour words are 2-byte tokens, each line end one byte.
struct Size {
    long statements = 0, bytes = 0;
};
Size bodysize(const std::u16string& text) {
    Size s;
    size_t start = text.find(u"\r\n", text.find(u"\r\n") + 2) + 2;  // after the header's two lines
    for (size_t end; (end = text.find(u"\r\n", start)) != text.npos; start = end + 2) {
        std::u16string_view line(text.data() + start, end - start);
        long bytes = static_cast<long>(line.size()) + 1;
        for (std::u16string_view word : {u"F-Line ", u"Horizontal ", u"PxlOn ", u"Green ", u"Orange "})
            if (line.find(word) != line.npos) bytes -= static_cast<long>(word.size()) - 2;
        ++s.statements, s.bytes += bytes;
    }
    return s;
}

double saving(const Grid& g) {
    const Size one = bodysize(generateprogram(g, *findmodel("g65"), CodeMode::fline, 0).text);
    const Size compact = bodysize(generateprogram(g, *findmodel("g65"), CodeMode::compact, 0).text);
    return one.bytes ? 1.0 - double(compact.bytes) / double(one.bytes) : 0.0;
}

void compactrun(benchmark::State& state, Grid (*make)()) {
    const Grid g = make();
    const Size one = bodysize(generateprogram(g, *findmodel("g65"), CodeMode::fline, 0).text);
    const Size compact = bodysize(generateprogram(g, *findmodel("g65"), CodeMode::compact, 0).text);
    for (auto _ : state) benchmark::DoNotOptimize(generateprogram(g, *findmodel("g65"), CodeMode::compact, 0).text.data());
    char label[160];
    std::snprintf(label, sizeof label, "mode 1: %ld st %ld B / compact: %ld st %ld B (%+.0f%% B)", one.statements,
                  one.bytes, compact.statements, compact.bytes, 100.0 * (double(compact.bytes) / double(one.bytes) - 1));
    state.SetLabel(label);
    state.counters["statements1"] = double(one.statements);
    state.counters["bytes1"] = double(one.bytes);
    state.counters["statements"] = double(compact.statements);
    state.counters["bytes"] = double(compact.bytes);
}

Grid noise30() { return noise(0.3); }
Grid noise50() { return noise(0.5); }
Grid noise60() { return noise(0.6); }
Grid noise70() { return noise(0.7); }
Grid noise80() { return noise(0.8); }

BENCHMARK_CAPTURE(compactrun, LineArtHouse, house)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compactrun, LineArtBoxes, boxes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compactrun, LineArtCircles, circles)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compactrun, LineArtDialog, dialog)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compactrun, LineArtPlot, plot)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compactrun, Text, lettering)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compactrun, FilledShapes, shapes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compactrun, Checkerboard, checkerboard)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compactrun, CheckerboardThreeColours, threecolours)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compactrun, Noise30, noise30)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compactrun, Noise50, noise50)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compactrun, Noise60, noise60)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compactrun, Noise70, noise70)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compactrun, Noise80, noise80)->Unit(benchmark::kMillisecond);

// Mode 1 on the same line art, for the time beside the compact mode's.
void BM_CompactLineArtMedian(benchmark::State& state) {
    const std::vector<Grid> art{house(), boxes(), circles(), dialog(), plot()};
    std::vector<double> savings;
    for (const Grid& g : art) savings.push_back(saving(g));
    std::sort(savings.begin(), savings.end());
    for (auto _ : state)
        for (const Grid& g : art) benchmark::DoNotOptimize(generateprogram(g, *findmodel("g65"), CodeMode::fline, 0).text.data());
    char label[80];
    std::snprintf(label, sizeof label, "line art: median %.0f%% fewer bytes", 100.0 * savings[savings.size() / 2]);
    state.SetLabel(label);
}
BENCHMARK(BM_CompactLineArtMedian)->Unit(benchmark::kMillisecond);

}  // namespace
