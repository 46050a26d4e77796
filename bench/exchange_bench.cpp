// SPDX-License-Identifier: GPL-3.0-or-later
// The import: a whole import of a photo-sized JPEG, plain and dithered, beside
// Qt's decode of the same file alone, then its two halves: stretching the
// picture to one sample per cell, and converting a full picture of samples
// into cells.

#include <benchmark/benchmark.h>

#include "calculator/model_table.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include "app/editor.h"
#include "app/import_dialog.h"
#include "formats/image_conversion.h"
#include "formats/picture_io.h"
#include "tests/support/fake_platform.h"

namespace {

using namespace grafipix;

QImage photo() {
    QImage p(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) p.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    return p;
}

// The 4000 x 3000 JPEG, written once for every benchmark that reads it.
const std::string& largejpeg() {
    static QTemporaryDir folder;
    static const std::string path = [] {
        const QString name = QDir(folder.path()).filePath("photo.jpg");
        photo().save(name, "JPG", 90);
        return name.toStdString();
    }();
    return path;
}

void BM_QtDecodeLargeJpeg(benchmark::State& state) {
    const QString path = QString::fromStdString(largejpeg());
    for (auto _ : state) {
        QImage decoded = QImageReader(path).read();
        benchmark::DoNotOptimize(decoded.constBits());
    }
}
BENCHMARK(BM_QtDecodeLargeJpeg)->Unit(benchmark::kMillisecond);

// The plain import (range 0) and the dithered one (range 1), the file read
// as the editor's window reads it, for the screen imported onto.
void BM_ImportLargeJpeg(benchmark::State& state) {
    testing::FakePlatform platform;
    Editor ed(platform);
    ed.handle(Event::load());
    if (state.range(0) == 1) ed.handle(Event::click("dither"));
    const QSize screen(ed.pixelgrid.maxx(), ed.pixelgrid.maxy());
    platform.onpicture = [screen](const std::string& path, Pixels& out, std::string& reason) {
        return exchange::loadpixels(path, out, reason, screen);
    };
    for (auto _ : state) {
        platform.opens.push_back(largejpeg());
        ed.handle(Event::click("importation"));
        benchmark::DoNotOptimize(ed.pixelgrid.get(64, 32));
    }
    if (!platform.messages.empty()) state.SkipWithError(platform.messages.front().c_str());
    state.SetLabel("baseline: BM_QtDecodeLargeJpeg");
}
BENCHMARK(BM_ImportLargeJpeg)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SampleLargePicture(benchmark::State& state) {
    const QImage picture = photo();
    for (auto _ : state) {
        Samples s = exchange::samplepicture(picture, 128, 64);
        benchmark::DoNotOptimize(s.colour[64][32]);
    }
}
BENCHMARK(BM_SampleLargePicture)->Unit(benchmark::kMillisecond);

// Plain (0) and dithered (1).
void BM_ImportThreeColours(benchmark::State& state) {
    testing::FakePlatform platform;
    Editor ed(platform);
    ed.handle(Event::load());
    if (state.range(0) == 1) ed.handle(Event::click("dither"));
    Samples s(128, 64);
    for (int x = 0; x < 128; ++x)
        for (int y = 0; y < 64; ++y) s.colour[x][y] = (x + y) % 3 == 0 ? 0x0000FFu : (x + y) % 3 == 1 ? 0x00FF00u : 0xFF0000u;
    platform.onload = [&s](const std::string&, Samples& out, std::string&) {
        out = s;
        return true;
    };
    for (auto _ : state) {
        platform.opens.push_back("image.bmp");
        ed.handle(Event::click("importation"));
        benchmark::DoNotOptimize(ed.pixelgrid.get(64, 32));
    }
}
BENCHMARK(BM_ImportThreeColours)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The error diffusion alone, over a photo's worth of samples: range 0 for
// two colours, 1 for the three-colour model.
void BM_DitherSamples(benchmark::State& state) {
    Samples s(128, 64);
    for (int x = 0; x < 128; ++x)
        for (int y = 0; y < 64; ++y) s.colour[x][y] = static_cast<wincolour>((x * 2) | (y * 4) << 8 | ((x + y) % 256) << 16);
    for (auto _ : state) {
        SampleCodes codes = dithercodes(s, *findmodel(state.range(0) == 1 ? "g65" : "g35"), 2);
        benchmark::DoNotOptimize(codes[64][32]);
    }
}
BENCHMARK(BM_DitherSamples)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The import's dialog over the 4000 x 3000 JPEG, decoded once for the screen:
// a slider moved converts the framing's samples again and shows them (range 0
// on the Graph 35, 1 on the Graph 90+E's larger screen, 3 there with a
// palette of 64 colours chosen for the picture again); a framing chosen for
// the first time samples the whole picture (range 2).
void BM_ImportDialogLargeJpeg(benchmark::State& state) {
    const Model& m = *findmodel(state.range(0) % 2 == 1 ? "g90" : "g35");
    Pixels picture;
    std::string reason;
    if (!exchange::loadpixels(largejpeg(), picture, reason, QSize(m.screen.columns + 1, m.screen.rows + 1)))
        return state.SkipWithError(reason.c_str());
    const Grid drawing(m.screen.columns, m.screen.rows);
    const int colours = state.range(0) == 3 ? 64 : 0;
    const ImportChoices start{.framing = Framing::fill, .method = Method::floydsteinberg, .colours = colours};
    ImportDialog dialog(picture, m, 1, drawing, start);
    int contrast = 0;
    for (auto _ : state) {
        if (state.range(0) == 2) {
            state.PauseTiming();
            ImportDialog fresh(picture, m, 1, drawing, start);
            state.ResumeTiming();
            fresh.choose({.framing = Framing::fit});
            benchmark::DoNotOptimize(fresh.preview().pixels.data());
        } else {
            dialog.choose({.framing = Framing::fill, .contrast = ++contrast % 50, .method = Method::floydsteinberg, .colours = colours});
            benchmark::DoNotOptimize(dialog.preview().pixels.data());
        }
    }
    state.SetLabel(state.range(0) == 2 ? "a framing sampled" : colours ? "a slider moved, 64 colours" : "a slider moved");
}
BENCHMARK(BM_ImportDialogLargeJpeg)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace
