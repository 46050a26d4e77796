#pragma once
// Shows the editor's canvas raster, scaled by the zoom factor and with the
// grid over it when asked, and hands mouse events to it in canvas units.

#include <QWidget>

#include "render/canvas.h"

namespace grafipix::ui {

class Application;

class CanvasWidget : public QWidget {
public:
    CanvasWidget(Application& app, QWidget* parent);

    // Each raster pixel a square of `factor` logical pixels; the grid lines
    // between cells are drawn only from `gridfrom` up.
    static constexpr int gridfrom = 3;
    void setzoom(int factor, bool grid);
    int zoom() const { return zoom_; }

    // Canvas units of a position in the widget's logical pixels.
    float unitsof(qreal v) const { return static_cast<float>(1.0 + v / (Canvas::unitpixels * zoom_)); }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    Application& app_;
    int zoom_ = 1;
    bool grid_ = false;
};

}  // namespace grafipix::ui
