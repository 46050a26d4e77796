// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/apercu_window.h"

#include <QPainter>

#include "render/canvas.h"
#include "ui/artwork.h"

namespace grafipix::ui {

namespace {

// `Picture2`: the canvas's size, back colour and units.
class PictureBox : public QWidget {
public:
    PictureBox(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
        setObjectName("Picture2");
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), qcolour(casioback));
        // From unit (0, 0): column 0 lies left of the visible area, so each
        // pixel covers the cell it was sampled for, whole and unblended.
        const int u = Canvas::unitpixels;
        if (!picture_.isNull()) p.drawImage(QRect(-u, -u, picture_.width() * u, picture_.height() * u), picture_);
    }

private:
    const QImage& picture_;
};

}  // namespace

ApercuWindow::ApercuWindow(int width, int height) {
    setObjectName("Apercu");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8("Image originale"));
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFixedSize(width, height);
    (new PictureBox(picture_, this))->setFixedSize(width, height);
}

void ApercuWindow::setpicture(QImage picture) {
    picture_ = std::move(picture);
    // The canvas's size for the screen the picture was sampled for: a pixel
    // per cell from column and row 0.
    const QSize size(Canvas::pixelsfor(picture_.width() - 1), Canvas::pixelsfor(picture_.height() - 1));
    setFixedSize(size);
    for (QWidget* child : findChildren<QWidget*>()) child->setFixedSize(size);
    update();
    for (QWidget* child : findChildren<QWidget*>()) child->update();
}

}  // namespace grafipix::ui
