// SPDX-License-Identifier: GPL-3.0-or-later
// The colour calculators' pictures: a full-screen photo written as a .g3p,
// and read back as the drawing "Ouvrir" makes of it.

#include <benchmark/benchmark.h>

#include <cmath>

#include "calculator/model_table.h"
#include "formats/colour_picture.h"
#include "formats/drawing_file.h"
#include "formats/outputs.h"
#include "formats/picture_io.h"

namespace {

using namespace grafipix;

// A photo as a dither leaves it: 256 colours, neighbours rarely alike.
struct Photo {
    Photo() : model(*findmodel("g90")), cells(model.screen.columns, model.screen.rows) {
        for (int n = 0; n < 256; ++n)
            colours.push_back(on565(rgbcolour(n, int(127.5 + 127 * std::sin(n * 0.1)), 255 - n)));
        colours[0] = whiteback;
        for (int y = 1; y <= cells.rows(); ++y)
            for (int x = 1; x <= cells.columns(); ++x) cells.set(x, y, int16_t((x * 7 + y * 13 + (x * y) % 11) % 256));
    }
    std::string g3p() const {
        std::string error;
        return findoutput("g3p")->write({.grid = cells, .model = model, .bgkind = 1, .palette = colours}, error);
    }
    const Model& model;
    Grid cells;
    std::vector<wincolour> colours;
};

void BM_WriteG3pOfAPhoto(benchmark::State& state) {
    const Photo photo;
    for (auto _ : state) benchmark::DoNotOptimize(photo.g3p().data());
}

// The picture file read and made a drawing, as "Ouvrir" does.
void readasdrawing(benchmark::State& state, const std::string& file) {
    for (auto _ : state) {
        PictureFile read;
        std::string reason;
        if (!exchange::decodepicturefile(file, read, reason)) state.SkipWithError(reason.c_str());
        benchmark::DoNotOptimize(saveddrawing(read));
    }
}

void BM_ReadG3pOfAPhotoAsADrawing(benchmark::State& state) {
    const std::string file = Photo().g3p();
    readasdrawing(state, file);
    state.SetLabel(std::to_string(file.size()) + " bytes");
}

// A picture taken from the calculator in thousands of colours: the palette
// is adapted to it and the picture dithered in it.
void BM_ReadG3pOfThousandsOfColours(benchmark::State& state) {
    casiopicture::Pixels565 photo{casiopicture::width, casiopicture::height, {}};
    for (int y = 0; y < photo.height; ++y)
        for (int x = 0; x < photo.width; ++x)
            photo.pixels.push_back(rgb565(rgbcolour(x * 2 / 3, (x + 2 * y) % 256, int(127 + 120 * std::sin(x * y * 0.0007)))));
    const std::string file = casiopicture::write(photo, casiopicture::Layout::cp);
    readasdrawing(state, file);
}

BENCHMARK(BM_WriteG3pOfAPhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadG3pOfThousandsOfColours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadG3pOfAPhotoAsADrawing)->Unit(benchmark::kMillisecond);

}  // namespace
