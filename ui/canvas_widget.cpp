#include "ui/canvas_widget.h"

#include <QPainter>

#include "ui/application.h"

namespace grafipix::ui {

CanvasWidget::CanvasWidget(Application& app, QWidget* parent) : QWidget(parent), app_(app) {
    setObjectName("Picture1");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(Canvas::width, Canvas::height);
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    const Canvas& canvas = app_.editor().Picture1;
    QImage raster(reinterpret_cast<const uchar*>(canvas.bits()), Canvas::width, Canvas::height,
                  Canvas::width * 4, QImage::Format_RGB32);
    QPainter p(this);
    // Scaled on high-DPI screens; cells stay sharp.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(0, 0, Canvas::width, Canvas::height), raster);
}

}  // namespace grafipix::ui
