#pragma once
// Shows the editor's canvas raster and hands mouse events to it in canvas
// units.

#include <QWidget>

#include "core/canvas.h"

namespace grafipix::ui {

class Application;

class CanvasWidget : public QWidget {
public:
    CanvasWidget(Application& app, QWidget* parent);

    // Canvas units of a position in the widget's logical pixels.
    static float unitsof(qreal v) { return static_cast<float>(1.0 + v / Canvas::unitpixels); }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    Application& app_;
};

}  // namespace grafipix::ui
