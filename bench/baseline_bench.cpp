// SPDX-License-Identifier: GPL-3.0-or-later
// Baselines for the figures of the other benchmarks: the same full redraw done
// the usual Qt way, one QPainter::drawLine call per line on a QImage.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "document/grid.h"

namespace {

using namespace grafipix;

void BM_QPainterRedraw(benchmark::State& state) {
    Grid g(127, 63);
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x) g.set(x, y, static_cast<int16_t>(1 + (x * 7 + y) % 3));
    const QColor colours[] = {QColor(), QColor(0, 0, 192), QColor(0, 192, 0), QColor(255, 128, 0)};
    QImage image(383, 191, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(QColor(184, 217, 181));
        QPainter p(&image);
        p.scale(3, 3);
        p.translate(-1, -1);
        for (int y = 1; y < 64; ++y)
            for (int x = 1; x < 128; ++x) {
                const int code = g.get(x, y);
                if (code <= 0) continue;
                p.setPen(QPen(colours[code], 0));
                for (double a = 0; a < 0.8; a += 0.1) p.drawLine(QPointF(x, y + a), QPointF(x + 1, y + a));
            }
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_QPainterRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace
