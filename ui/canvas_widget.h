// SPDX-License-Identifier: GPL-3.0-or-later
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

    // Each cell a square of `cellpixels` logical pixels (a zoom factor of n
    // is 3n); the grid lines between cells are drawn only from zoom factor
    // `gridfrom` up.
    static constexpr int gridfrom = 3;
    void setscale(int cellpixels, bool grid);
    int cellpixels() const { return cellpixels_; }
    // The widget's size at that scale.
    QSize sizeat(int cellpixels) const;

    // Canvas units of a position in the widget's logical pixels.
    float unitsof(qreal v) const { return static_cast<float>(1.0 + v / cellpixels_); }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    Application& app_;
    int cellpixels_ = Canvas::unitpixels;
    bool grid_ = false;
};

}  // namespace grafipix::ui
