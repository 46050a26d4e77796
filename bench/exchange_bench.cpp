// The import's two halves: stretching a large photo-sized picture to one
// sample per cell, and converting a full picture of samples into cells with
// the closing redraw.

#include <benchmark/benchmark.h>

#include <QImage>

#include "core/editor.h"
#include "exchange/picture_io.h"
#include "tests/support/fake_platform.h"

namespace {

using namespace grafipix;

void BM_SampleLargePicture(benchmark::State& state) {
    QImage photo(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x) photo.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    for (auto _ : state) {
        Samples s = exchange::samplepicture(photo);
        benchmark::DoNotOptimize(s.colour[64][32]);
    }
}
BENCHMARK(BM_SampleLargePicture)->Unit(benchmark::kMillisecond);

void BM_ImportThreeColours(benchmark::State& state) {
    testing::FakePlatform platform;
    Editor ed(platform);
    ed.Main_Load();
    Samples s;
    for (int x = 0; x < 128; ++x)
        for (int y = 0; y < 64; ++y) s.colour[x][y] = (x + y) % 3 == 0 ? 0x0000FFu : (x + y) % 3 == 1 ? 0x00FF00u : 0xFF0000u;
    platform.onload = [&s](const std::string&, Samples& out, std::string&) {
        out = s;
        return true;
    };
    for (auto _ : state) {
        platform.opens.push_back("image.bmp");
        ed.importimage();
        benchmark::DoNotOptimize(ed.pixelgrid.get(64, 32));
    }
}
BENCHMARK(BM_ImportThreeColours)->Unit(benchmark::kMillisecond);

}  // namespace
