// SPDX-License-Identifier: GPL-3.0-or-later
// "Ajuster à la fenêtre": the canvas takes the most whole pixels a cell that
// fit the window beside the controls.

#include <gtest/gtest.h>

#include <QSettings>

#include "ui/application.h"
#include "ui/canvas_widget.h"
#include "ui/main_window.h"

namespace grafipix {
namespace {

TEST(ZoomFit, TheCanvasTakesTheMostWholePixelsACellThatFitTheWindow) {
    QSettings("Grafipix", "grafipix").remove("zoom");
    ui::Application app;
    app.start();
    ui::MainWindow& main = app.mainwindow();
    auto* canvas = static_cast<ui::CanvasWidget*>(main.canvas());
    // What the controls take beside and under the start model's canvas.
    const QSize controls(mainwidth / twipsperpixel - Canvas::pixelsfor(127), mainheight / twipsperpixel - Canvas::pixelsfor(63));
    const auto fits = [&](int cell) { return (main.centralWidget()->size() - canvas->sizeat(cell) - controls).isValid(); };
    for (const char* model : {"g90", "g65"}) {
        main.action(model)->trigger();  // at its fixed zoom, then fitted and shrunk at once
        main.action("zoomfit")->trigger();
        for (const QSize size : {QSize(600, 350), QSize(1000, 700), QSize(990, 520)}) {
            main.resize(size);
            const int cell = canvas->cellpixels();
            EXPECT_TRUE(main.width() == size.width() && canvas->size() == canvas->sizeat(cell) && (cell == 1 || fits(cell)) &&
                        !fits(cell + 1)) << model << " " << cell;
        }
    }
}

}  // namespace
}  // namespace grafipix
