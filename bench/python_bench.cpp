// SPDX-License-Identifier: GPL-3.0-or-later
// The Python script beside the BASIC programs for the same pictures: its
// bytes against the compact and the F-line programs' on the Graph 35+E II
// (two colours), a dithered photo on the Graph 90+E, the time to write the
// script of the worst 379 x 187 picture, and its run under MicroPython for
// Node against a bare loop of the same set_pixel calls.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "bench/micropython_timing.h"
#include "bench/pictures.h"
#include "calculator/model_table.h"
#include "codegen/generator.h"
#include "codegen/python_script.h"
#include "codegen/tokens.h"
#include "formats/image_conversion.h"
#include "formats/import_framing.h"

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

// A photograph's stand-in: soft gradients under a sun, hills and ripples.
wincolour photocolour(int x, int y) {
    const double sun = std::exp(-(std::pow(x - 280, 2) + std::pow(y - 50, 2)) / 900.0);
    const bool hill = y > 120 + 25 * std::sin(x / 40.0);
    const double ripple = 0.5 + 0.5 * std::sin(x / 7.0 + y / 11.0);
    const int r = int(255 * std::min(1.0, hill ? 0.2 + 0.3 * ripple : 0.4 + 0.6 * sun));
    const int gr = int(255 * (hill ? 0.5 + 0.4 * ripple : 0.5 + 0.4 * sun));
    const int b = int(255 * (hill ? 0.2 : 0.9 - 0.5 * sun));
    return wincolour(r | gr << 8 | b << 16);
}

// Dithered to the eight colours as "Importation tramée" does.
Grid photo() {
    Samples s(g90.screen.columns + 1, g90.screen.rows + 1);
    for (int x = 0; x < s.columns(); ++x)
        for (int y = 0; y < s.rows(); ++y) s.colour[x][y] = photocolour(x, y);
    Grid g(g90.screen.columns, g90.screen.rows);
    importcells(s, g90, 1, true, g);
    return g;
}

// A drawing and the colours of its codes.
struct Drawn {
    Grid grid;
    std::vector<wincolour> colours;
};
Drawn drawnof(const Model& m, const Grid& g) { return {m.codes() > 2 ? g : twocolours(g), m.colours()}; }

// Dithered with Floyd-Steinberg in a palette of `colours` adapted to it, the import's "Couleurs".
Drawn adaptedphoto(int colours) {
    Samples s(g90.screen.columns, g90.screen.rows);
    for (int x = 0; x < s.columns(); ++x)
        for (int y = 0; y < s.rows(); ++y) {
            // With a grain, as a photo has more colours than the palettes.
            const wincolour c = photocolour(x + 1, y + 1);
            const int grain = int((x * 7919 + y * 104729) % 41) - 20;
            const auto add = [&](int v) { return std::clamp(v + grain, 0, 255); };
            s.colour[x][y] = rgbcolour(add(redof(c)), add(greenof(c)), add(blueof(c)));
        }
    ImportChoices choices;
    choices.method = Method::floydsteinberg, choices.colours = colours;
    Drawn d{Grid(g90.screen.columns, g90.screen.rows), g90.colours()};
    importframed(s, g90, 1, choices, d.grid, d.colours);
    return d;
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
// Full-screen photos in adapted palettes: the packed codes' size.
void adaptedscriptsize(benchmark::State& state, int colours) {
    const Drawn d = adaptedphoto(colours);
    std::string script;
    for (auto _ : state) benchmark::DoNotOptimize((script = pythonscript(d.grid, g90, d.colours)).data());
    state.SetLabel(std::to_string(script.size()) + " B in " + std::to_string(d.colours.size()) + " colours");
    state.counters["bytes"] = double(script.size());
}
BENCHMARK_CAPTURE(adaptedscriptsize, Graph90Photo16Colours, 16)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(adaptedscriptsize, Graph90Photo64Colours, 64)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(adaptedscriptsize, Graph90Photo256Colours, 256)->Unit(benchmark::kMillisecond);
void BM_PythonScriptGraph90Strokes(benchmark::State& state) { scriptsize(state, g90, graph90strokes()); }
void BM_PythonScriptGraph90Worst(benchmark::State& state) { scriptsize(state, g90, graph90noise()); }
BENCHMARK(BM_PythonScriptGraph90Photo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PythonScriptGraph90Worst)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PythonScriptGraph90Strokes)->Unit(benchmark::kMillisecond);

// MicroPython's times for a picture's script and its bare loop, by picture,
// from one start of Node each; both 0 when Node or MicroPython is missing.
std::pair<double, double> micropythontimes(const std::string& which, const Model& m, const Drawn& d) {
    const Grid& g = d.grid;
    static std::map<std::string, std::pair<double, double>> done;
    if (done.contains(which)) return done[which];
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "grafipix-python-bench";
    fs::create_directories(dir);
    std::ofstream(dir / "script.py") << pythonscript(g, m, d.colours);
    // The same calls, every drawn cell in reading order, from a list made beforehand.
    std::ofstream bare(dir / "bare.py");
    bare << "from casioplot import set_pixel\nC=(0";
    for (size_t code = 1; code < d.colours.size(); ++code)
        bare << ",(" << redof(d.colours[code]) << "," << greenof(d.colours[code]) << "," << blueof(d.colours[code]) << ")";
    bare << ")\nR=(";  // a bytes literal a row of codes, each code a byte
    for (int y = 1; y <= g.rows(); ++y) {
        bare << "b\"";
        for (int x = 1; x <= g.columns(); ++x) bare << "\\x" << "0123456789abcdef"[g.get(x, y) >> 4] << "0123456789abcdef"[g.get(x, y) & 15];
        bare << "\",\n";
    }
    bare << ")\nP=[(x,y,C[r[x]]) for y,r in enumerate(R) for x in range(len(r)) if r[x]]\n"
         << "def bare():\n s=set_pixel\n for x,y,c in P:s(x,y,c)\n";
    bare.close();
    return done[which] = bench::micropythonms(dir / "script.py", dir / "bare.py");
}

Grid graph90full() {
    Grid g(g90.screen.columns, g90.screen.rows);
    for (int y = 1; y <= g.rows(); ++y)
        for (int x = 1; x <= g.columns(); ++x) g.set(x, y, 3);
    return g;
}

void micropythonrun(benchmark::State& state, const char* which, const Model* m, Drawn (*make)(), bool script) {
    const auto [decode, loop] = micropythontimes(which, *m, make());
    for (auto _ : state) state.SetIterationTime((script ? decode : loop) / 1000.0);
    if (decode == 0) state.SkipWithError("Node or MicroPython is missing (make bench installs it)");
    if (script) state.SetLabel(std::string("baseline: micropythonrun/") + which + "BareLoop");
}

#define MICROPYTHONRUN(name, model, drawn)                                                                          \
    BENCHMARK_CAPTURE(micropythonrun, name##Script, #name, &model, drawn, true)                                     \
        ->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);                                              \
    BENCHMARK_CAPTURE(micropythonrun, name##BareLoop, #name, &model, drawn, false)                                  \
        ->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond)
#define MICROPYTHON(name, model, make) MICROPYTHONRUN(name, model, [] { return drawnof(model, make()); })

MICROPYTHON(Graph90Noise, g90, graph90noise);
MICROPYTHON(Graph90Full, g90, graph90full);
MICROPYTHON(Graph90Strokes, g90, graph90strokes);
MICROPYTHON(Graph90Photo, g90, photo);
MICROPYTHONRUN(Graph90Photo16Colours, g90, [] { return adaptedphoto(16); });
MICROPYTHONRUN(Graph90Photo256Colours, g90, [] { return adaptedphoto(256); });
// The two-colour scripts, in whichever form each took.
MICROPYTHON(LineArtHouse, g35e2, house);
MICROPYTHON(LineArtBoxes, g35e2, boxes);
MICROPYTHON(LineArtCircles, g35e2, circles);
MICROPYTHON(LineArtPlot, g35e2, plot);
MICROPYTHON(Text, g35e2, lettering);
MICROPYTHON(Noise50, g35e2, [] { return noise(0.5); });

}  // namespace
