#include "ui/apercu_window.h"

#include <QPainter>

#include "core/canvas.h"
#include "ui/artwork.h"

namespace grafipix::ui {

namespace {

// `Picture2`: the canvas's size, back colour and units.
class PictureBox : public QWidget {
public:
    PictureBox(const ApercuWindow& owner, QWidget* parent) : QWidget(parent), owner_(owner) {
        setObjectName("Picture2");
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(Canvas::width, Canvas::height);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), qcolour(casioback));
        // From unit (0, 0): column 0 lies left of the visible area, so each
        // stretched pixel sits over the cell that samples it.
        const int u = Canvas::unitpixels;
        if (!owner_.stretched().isNull()) p.drawImage(QPoint(-u, -u), owner_.stretched());
    }

private:
    const ApercuWindow& owner_;
};

}  // namespace

ApercuWindow::ApercuWindow() {
    setObjectName("Apercu");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8("Image originale"));
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFixedSize(Canvas::width, Canvas::height);
    new PictureBox(*this, this);
}

void ApercuWindow::setpicture(QImage picture) {
    picture_ = std::move(picture);
    // Stretched once here, not on every repaint: a photo is millions of pixels.
    const int u = Canvas::unitpixels;
    stretched_ = picture_.isNull() ? QImage()
                                   : picture_.scaled(128 * u, 64 * u, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    update();
    for (QWidget* child : findChildren<QWidget*>()) child->update();
}

}  // namespace grafipix::ui
