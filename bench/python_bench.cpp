// SPDX-License-Identifier: GPL-3.0-or-later
// The Python script beside the BASIC programs for the same pictures: its
// bytes against the compact and the F-line programs' on the Graph 35+E II
// (two colours), a dithered photo on the Graph 90+E, the time to write the
// script of the worst 379 x 187 picture, and its run under MicroPython for
// Node against a bare loop of the same set_pixel calls.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "bench/pictures.h"
#include "calculator/model_table.h"
#include "codegen/generator.h"
#include "codegen/python_script.h"
#include "codegen/tokens.h"
#include "formats/image_conversion.h"

namespace {

using namespace grafipix;
using namespace grafipix::benchpictures;

const Model& g35e2 = *findmodel("g35e2");
const Model& g90 = *findmodel("g90");

// The Graph 35+E II has ink only: the three-colour pictures fold to it.
Grid twocolours(Grid g) {
    for (int y = 1; y <= g.rows(); ++y)
        for (int x = 1; x <= g.columns(); ++x) g.set(x, y, g35e2.inpalette(g.get(x, y)));
    return g;
}

long basicbytes(const Grid& g, const Model& m, CodeMode mode) {
    return calculatorsize(generateprogram(g, m, mode, 0).text, m);
}

void scriptsize(benchmark::State& state, const Model& m, const Grid& g) {
    std::string script;
    for (auto _ : state) benchmark::DoNotOptimize((script = pythonscript(g, m, m.colours())).data());
    char label[120];
    std::snprintf(label, sizeof label, "script %zu B / compact %ld B / F-line %ld B", script.size(),
                  basicbytes(g, m, CodeMode::compact), basicbytes(g, m, CodeMode::fline));
    state.SetLabel(label);
    state.counters["bytes"] = double(script.size());
}

void twocolourscript(benchmark::State& state, Grid (*make)()) { scriptsize(state, g35e2, twocolours(make())); }

BENCHMARK_CAPTURE(twocolourscript, LineArtHouse, house)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(twocolourscript, LineArtBoxes, boxes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(twocolourscript, LineArtCircles, circles)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(twocolourscript, LineArtDialog, dialog)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(twocolourscript, LineArtPlot, plot)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(twocolourscript, Text, lettering)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(twocolourscript, FilledShapes, shapes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(twocolourscript, Checkerboard, checkerboard)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(twocolourscript, Noise50, [] { return noise(0.5); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(twocolourscript, Noise80, [] { return noise(0.8); })->Unit(benchmark::kMillisecond);

// A photograph's stand-in: soft gradients under a sun, hills and ripples,
// dithered to the eight colours as "Importation tramée" does.
Grid photo() {
    Samples s(g90.screen.columns + 1, g90.screen.rows + 1);
    for (int x = 0; x < s.columns(); ++x)
        for (int y = 0; y < s.rows(); ++y) {
            const double sun = std::exp(-(std::pow(x - 280, 2) + std::pow(y - 50, 2)) / 900.0);
            const bool hill = y > 120 + 25 * std::sin(x / 40.0);
            const double ripple = 0.5 + 0.5 * std::sin(x / 7.0 + y / 11.0);
            const int r = int(255 * std::min(1.0, hill ? 0.2 + 0.3 * ripple : 0.4 + 0.6 * sun));
            const int gr = int(255 * (hill ? 0.5 + 0.4 * ripple : 0.5 + 0.4 * sun));
            const int b = int(255 * (hill ? 0.2 : 0.9 - 0.5 * sun));
            s.colour[x][y] = wincolour(r | gr << 8 | b << 16);
        }
    Grid g(g90.screen.columns, g90.screen.rows);
    importcells(s, g90, 1, true, g);
    return g;
}

// Every cell drawn, in random colours: the most characters, the most calls.
Grid graph90noise() {
    Grid g(g90.screen.columns, g90.screen.rows);
    std::mt19937 rng(90);
    for (int y = 1; y <= g.rows(); ++y)
        for (int x = 1; x <= g.columns(); ++x) g.set(x, y, int16_t(1 + rng() % (g90.codes() - 1)));
    return g;
}

// Short strokes in random colours: as many runs as the strokes' form can
// take before the rows' is shorter, so both are written in full.
Grid graph90strokes() {
    Grid g(g90.screen.columns, g90.screen.rows);
    std::mt19937 rng(379);
    for (int y = 1; y <= g.rows(); ++y)
        for (int x = 1; x <= g.columns();) {
            const int length = 1 + int(rng() % 7), code = int(rng() % g90.codes());
            for (int end = std::min(x + length, g.columns() + 1); x < end; ++x) g.set(x, y, int16_t(code));
        }
    return g;
}

void BM_PythonScriptGraph90Photo(benchmark::State& state) { scriptsize(state, g90, photo()); }
void BM_PythonScriptGraph90Strokes(benchmark::State& state) { scriptsize(state, g90, graph90strokes()); }
void BM_PythonScriptGraph90Worst(benchmark::State& state) { scriptsize(state, g90, graph90noise()); }
BENCHMARK(BM_PythonScriptGraph90Photo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PythonScriptGraph90Worst)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PythonScriptGraph90Strokes)->Unit(benchmark::kMillisecond);

// MicroPython's times for a picture's script and its bare loop, by picture,
// from one start of Node each; both 0 when Node or MicroPython is missing.
std::pair<double, double> micropythontimes(const std::string& which, const Model& m, const Grid& g) {
    static std::map<std::string, std::pair<double, double>> done;
    if (done.contains(which)) return done[which];
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "grafipix-python-bench";
    fs::create_directories(dir);
    std::ofstream(dir / "script.py") << pythonscript(g, m, m.colours());
    // The same calls, every drawn cell in reading order, from a list made beforehand.
    std::ofstream bare(dir / "bare.py");
    bare << "from casioplot import set_pixel\nC=(0";
    for (int code = 1; code < m.codes(); ++code)
        bare << ",(" << (m.palette[code].button->colour & 0xFF) << "," << (m.palette[code].button->colour >> 8 & 0xFF)
             << "," << (m.palette[code].button->colour >> 16 & 0xFF) << ")";
    bare << ")\nR=b\"";  // bytes, as a str's indexing walks it from the start
    for (int y = 1; y <= g.rows(); ++y)
        for (int x = 1; x <= g.columns(); ++x) bare << g.get(x, y);
    bare << "\"\nP=[(i%" << g.columns() << ",i//" << g.columns() << ",C[R[i]-48]) for i in range(len(R)) if R[i]!=48]\n"
         << "def bare():\n s=set_pixel\n for x,y,c in P:s(x,y,c)\n";
    bare.close();
    const std::string command = std::string("node ") + GRAFIPIX_BENCH_DIR "/micropython_time.mjs " GRAFIPIX_MICROPYTHON " " +
                                (dir / "script.py").string() + " " + (dir / "bare.py").string() + " 2>&1";
    std::pair<double, double> times{0, 0};
    if (FILE* out = popen(command.c_str(), "r")) {
        if (std::fscanf(out, "%lf %lf", &times.first, &times.second) != 2) times = {0, 0};
        pclose(out);
    }
    return done[which] = times;
}

Grid graph90full() {
    Grid g(g90.screen.columns, g90.screen.rows);
    for (int y = 1; y <= g.rows(); ++y)
        for (int x = 1; x <= g.columns(); ++x) g.set(x, y, 3);
    return g;
}

void micropythonrun(benchmark::State& state, const char* which, const Model* m, Grid (*make)(), bool script) {
    const auto [decode, loop] = micropythontimes(which, *m, m->codes() > 2 ? make() : twocolours(make()));
    for (auto _ : state) state.SetIterationTime((script ? decode : loop) / 1000.0);
    if (decode == 0) state.SkipWithError("Node or MicroPython is missing (make bench installs it)");
    if (script) state.SetLabel(std::string("baseline: micropythonrun/") + which + "BareLoop");
}

#define MICROPYTHON(name, model, make)                                                                              \
    BENCHMARK_CAPTURE(micropythonrun, name##Script, #name, &model, make, true)                                      \
        ->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);                                              \
    BENCHMARK_CAPTURE(micropythonrun, name##BareLoop, #name, &model, make, false)                                   \
        ->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond)

MICROPYTHON(Graph90Noise, g90, graph90noise);
MICROPYTHON(Graph90Full, g90, graph90full);
MICROPYTHON(Graph90Strokes, g90, graph90strokes);
MICROPYTHON(Graph90Photo, g90, photo);
// The two-colour scripts, in whichever form each took.
MICROPYTHON(LineArtHouse, g35e2, house);
MICROPYTHON(LineArtBoxes, g35e2, boxes);
MICROPYTHON(LineArtCircles, g35e2, circles);
MICROPYTHON(LineArtPlot, g35e2, plot);
MICROPYTHON(Text, g35e2, lettering);
MICROPYTHON(Noise50, g35e2, [] { return noise(0.5); });

}  // namespace
