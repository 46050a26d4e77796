// The compact mode against mode 1 on pictures made here: line art with
// outlines, text, filled shapes, checkerboards and noise. Each benchmark
// times the compact generation of one picture; its label gives the body's
// statements and calculator bytes in both modes. BM_CompactLineArtMedian
// gives the median saving over the line-art pictures.

#include <benchmark/benchmark.h>

#include "calculator/model_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "codegen/generator.h"

namespace {

using namespace grafipix;

// Drawing into a grid; cells off the screen are kept off it.
struct Painter {
    Grid g{127, 63};
    void dot(int x, int y, int c) {
        if (x >= 1 && x <= 127 && y >= 1 && y <= 63) g.set(x, y, static_cast<int16_t>(c));
    }
    void line(int x0, int y0, int x1, int y1, int c = ink) {
        const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0), sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        for (int err = dx + dy;;) {
            dot(x0, y0, c);
            if (x0 == x1 && y0 == y1) return;
            const int e2 = 2 * err;
            if (e2 >= dy) err += dy, x0 += sx;
            if (e2 <= dx) err += dx, y0 += sy;
        }
    }
    void box(int x0, int y0, int x1, int y1, int c = ink) {
        line(x0, y0, x1, y0, c), line(x1, y0, x1, y1, c), line(x1, y1, x0, y1, c), line(x0, y1, x0, y0, c);
    }
    void fill(int x0, int y0, int x1, int y1, int c) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) dot(x, y, c);
    }
    void circle(int cx, int cy, int r, int c = ink, bool filled = false) {
        for (int y = -r; y <= r; ++y)
            for (int x = -r; x <= r; ++x) {
                const double d = std::hypot(x, y);
                if (filled ? d <= r + 0.3 : std::abs(d - r) < 0.5) dot(cx + x, cy + y, c);
            }
    }
    // A 3 x 5 font for the few letters the pictures use.
    void text(int x, int y, const std::string& s, int c = ink) {
        static const char* const glyphs[][2] = {
            {"A", "010101111101101"}, {"E", "111100110100111"}, {"G", "011100101101011"}, {"H", "101101111101101"},
            {"I", "111010010010111"}, {"L", "100100100100111"}, {"P", "110101110100100"}, {"R", "110101110101101"},
            {"T", "111010010010010"}, {"X", "101101010101101"}, {"3", "111001011001111"}, {"5", "111100111001111"},
            {"O", "111101101101111"}, {"N", "101111111111101"}, {"S", "011100010001110"}, {"C", "011100100100011"}};
        for (char ch : s) {
            for (const auto& glyph : glyphs)
                if (glyph[0][0] == ch)
                    for (int i = 0; i < 15; ++i)
                        if (glyph[1][i] == '1') dot(x + i % 3, y + i / 3, c);
            x += 4;
        }
    }
};

Grid house() {
    Painter p;
    p.box(30, 28, 80, 58);
    p.line(30, 28, 55, 8), p.line(55, 8, 80, 28);
    p.box(50, 42, 60, 58);
    p.box(36, 34, 46, 42), p.line(41, 34, 41, 42), p.line(36, 38, 46, 38);
    p.box(64, 34, 74, 42), p.line(69, 34, 69, 42), p.line(64, 38, 74, 38);
    p.line(1, 59, 127, 59, green);
    p.circle(108, 14, 8, orange);
    return p.g;
}

Grid boxes() {
    Painter p;
    std::mt19937 rng(7);
    for (int i = 0; i < 14; ++i) {
        const int x0 = 1 + int(rng() % 100), y0 = 1 + int(rng() % 45);
        p.box(x0, y0, x0 + 6 + int(rng() % 25), y0 + 5 + int(rng() % 18), 1 + int(rng() % 3));
    }
    return p.g;
}

Grid circles() {
    Painter p;
    for (int r = 4; r <= 28; r += 6) p.circle(40, 32, r);
    p.circle(100, 20, 12, green), p.circle(100, 46, 10, orange);
    return p.g;
}

Grid dialog() {
    Painter p;
    p.box(4, 3, 123, 60);
    p.line(4, 11, 123, 11);
    p.text(8, 5, "GRAPH 35");
    for (int i = 0; i < 4; ++i) p.box(10, 15 + 9 * i, 60, 21 + 9 * i), p.box(56, 16 + 9 * i, 59, 20 + 9 * i);
    p.box(70, 15, 118, 48);
    for (int y = 19; y <= 45; y += 4) p.line(73, y, 114, y);
    p.box(70, 52, 92, 58), p.box(96, 52, 118, 58);
    return p.g;
}

Grid plot() {
    Painter p;
    p.line(1, 32, 127, 32), p.line(64, 1, 64, 63);
    for (int x = 4; x <= 124; x += 6) p.line(x, 30, x, 34);
    for (int y = 2; y <= 62; y += 6) p.line(62, y, 66, y);
    for (int x = 1; x < 127; ++x) p.line(x, 32 - int(24 * std::sin(x / 12.0)), x + 1, 32 - int(24 * std::sin((x + 1) / 12.0)), green);
    return p.g;
}

Grid lettering() {
    Painter p;
    const char* const lines[] = {"PIXEL ART", "GRAPH 35 ET 53", "COTES ET TRAITS", "CARTES IA", "PLAN ET NOTES",
                                 "SORTIE GRAPHE", "TEXTE SIX", "ALPHA ET NOIR", "SIN"};
    for (int i = 0; i < 9; ++i) p.text(3, 2 + 7 * i, lines[i], i % 3 == 2 ? green : ink);
    return p.g;
}

Grid shapes() {
    Painter p;
    p.fill(5, 5, 40, 30, ink);
    p.circle(80, 25, 18, green, true);
    p.fill(20, 38, 70, 60, orange);
    p.circle(108, 48, 12, ink, true);
    return p.g;
}

Grid checkerboard() {
    Painter p;
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x)
            if ((x + y) % 2) p.dot(x, y, ink);
    return p.g;
}

Grid threecolours() {  // mode 1's worst: every cell a single PxlOn
    Painter p;
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x) p.dot(x, y, 1 + (x + y) % 3);
    return p.g;
}

Grid noise(double density) {
    Painter p;
    std::mt19937 rng(1234);
    std::bernoulli_distribution on(density);
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x)
            if (on(rng)) p.dot(x, y, ink);
    return p.g;
}

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
