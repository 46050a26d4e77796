// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/canvas_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/application.h"

namespace grafipix::ui {

namespace {

// Button and shift values as the handlers receive them: 1 left, 2 right,
// 4 middle; 1 shift, 2 control, 4 alt. The tools ignore both.
int buttonsof(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}
int shiftof(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace

CanvasWidget::CanvasWidget(Application& app, QWidget* parent) : QWidget(parent), app_(app) {
    setObjectName("Picture1");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const Canvas& canvas = app_.editor().Picture1;
    setFixedSize(canvas.width(), canvas.height());
}

QSize CanvasWidget::sizeat(int cellpixels) const {
    const Canvas& canvas = app_.editor().Picture1;
    return QSize(canvas.width() * cellpixels / Canvas::unitpixels, canvas.height() * cellpixels / Canvas::unitpixels);
}

void CanvasWidget::setscale(int cellpixels, bool grid) {
    const QSize size = sizeat(cellpixels);
    if (cellpixels == cellpixels_ && grid == grid_ && size == this->size()) return;
    cellpixels_ = cellpixels;
    grid_ = grid;
    setFixedSize(size);
    update();
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    const Canvas& canvas = app_.editor().Picture1;
    QImage raster(reinterpret_cast<const uchar*>(canvas.bits()), canvas.width(), canvas.height(), canvas.width() * 4,
                  QImage::Format_RGB32);
    QPainter p(this);
    // A whole number of pixels for each cell, no blending: cells stay sharp.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(0, 0, width(), height()), raster);
    if (!grid_ || cellpixels_ < gridfrom * Canvas::unitpixels) return;
    // One device pixel wide, on the first column and row of each cell from the second on.
    p.setPen(QPen(QColor(96, 96, 96, 110), 0));
    const int cell = cellpixels_;
    for (int x = cell; x < width(); x += cell) p.drawLine(x, 0, x, height() - 1);
    for (int y = cell; y < height(); y += cell) p.drawLine(0, y, width() - 1, y);
}

void CanvasWidget::mousePressEvent(QMouseEvent* e) {
    // A double click arrives here as a second press, so it counts as two clicks.
    const int button = buttonsof(e->button()), shift = shiftof(e->modifiers());
    const float x = unitsof(e->position().x()), y = unitsof(e->position().y());
    app_.run(Event::down(x, y, button, shift));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* e) {
    // Delivered with and without a button held; held, it follows the pointer outside.
    const int button = buttonsof(e->buttons()), shift = shiftof(e->modifiers());
    const float x = unitsof(e->position().x()), y = unitsof(e->position().y());
    app_.run(Event::move(x, y, button, shift));
}

}  // namespace grafipix::ui
