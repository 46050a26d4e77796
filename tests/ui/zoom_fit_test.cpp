// "Ajuster à la fenêtre": the canvas takes the most whole pixels a cell that
// fit the window beside the controls, and a position still names its cell.

#include <gtest/gtest.h>

#include <QSettings>
#include <QTest>

#include "app/main_controls.h"
#include "calculator/model_table.h"
#include "ui/application.h"
#include "ui/canvas_widget.h"
#include "ui/main_window.h"

namespace grafipix {
namespace {

TEST(ZoomFit, TheCanvasTakesTheMostWholePixelsACellThatFitAndPositionsKeepTheirCell) {
    QSettings("Grafipix", "grafipix").remove("zoom");
    ui::Application app;
    app.start();
    ui::MainWindow& main = app.mainwindow();
    Editor& ed = app.editor();
    main.show();
    main.move(0, 0);  // whole on the screen, where the pointer can reach every cell
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    main.action("g90")->trigger();  // its x1 window, then fitted and smaller at once
    main.action("zoomfit")->trigger();
    ASSERT_TRUE(ed.zoomfit.checked && !ed.zoom1.checked);
    main.resize(600, 350);
    QApplication::processEvents();
    EXPECT_EQ(main.width(), 600);
    auto* canvas = static_cast<ui::CanvasWidget*>(main.canvas());
    const QWidget* client = main.centralWidget();
    for (const char* model : {"g65", "g90"}) {
        main.action(model)->trigger();
        const Screen s = findmodel(model)->screen;
        for (const QSize size : {QSize(300, 200), QSize(700, 400), QSize(1000, 700), QSize(990, 520)}) {
            main.resize(size);
            QApplication::processEvents();
            const int cell = canvas->cellpixels();
            // The canvas leaves the controls the room they take beside and under
            // the start model's canvas, and one more pixel a cell would not.
            const QSize controls(mainwidth / twipsperpixel - Canvas::pixelsfor(startmodel().screen.columns),
                                 mainheight / twipsperpixel - Canvas::pixelsfor(startmodel().screen.rows));
            const auto fits = [&](int c) {
                const QSize need = canvas->sizeat(c) + controls;
                return need.width() <= client->width() && need.height() <= client->height();
            };
            EXPECT_TRUE(canvas->size() == canvas->sizeat(cell) && (cell == 1 || fits(cell)) && !fits(cell + 1) &&
                        client->rect().contains(canvas->geometry()))
                << model << " " << cell;
            // The controls under the canvas stay under it.
            EXPECT_GT(main.label("Label5")->y(), canvas->geometry().bottom()) << model;
            for (const int x : {1, s.columns / 2, s.columns}) {
                QTest::mouseMove(canvas, QPoint(cell * (x - 1), cell));  // unit x exactly
                QApplication::processEvents();
                EXPECT_EQ(main.label("coordx")->text(), QString::number(x)) << model << " " << cell;
            }
        }
    }
    // A factor again fixes the window around the canvas.
    main.action("zoom2")->trigger();
    EXPECT_TRUE(canvas->size() == QSize(ed.Picture1.width(), ed.Picture1.height()) * 2 && !ed.zoomfit.checked);
}

}  // namespace
}  // namespace grafipix
