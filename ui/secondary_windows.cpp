// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/secondary_windows.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>

#include "document/texts.h"
#include "ui/artwork.h"

namespace grafipix::ui {

namespace {

void centre(QWidget* w) {
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        QRect r = w->frameGeometry();
        r.moveCenter(s->availableGeometry().center());
        w->move(r.topLeft());
    }
}

QLabel* titlelabel(QWidget* parent) {
    auto* image = new QLabel(parent);
    image->setObjectName("Image1");
    image->setPixmap(QPixmap::fromImage(titlepicture(parent->devicePixelRatioF())));
    image->setGeometry(0, 0, 360, 232);
    return image;
}

}  // namespace

SplashWindow::SplashWindow() {
    setObjectName("Preview");
    setWindowTitle(QString::fromStdString(texts::appname));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(360, 231);
    titlelabel(this);
    centre(this);
}

AboutWindow::AboutWindow() {
    setObjectName("Apropos");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8("A propos de Grafipix"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                   Qt::WindowTitleHint);
    setFixedSize(360, 279);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    titlelabel(this);
    auto* text = new QPlainTextEdit(this);
    text->setObjectName("Text1");
    text->setGeometry(8, 232, 345, 41);
    text->setReadOnly(true);
    text->setFrameShape(QFrame::NoFrame);
    text->setFont(captionfont(10));
    text->document()->setDocumentMargin(0);  // the three lines fill the box
    // Three lines, the last one's line end not starting a fourth.
    text->setPlainText(QString::fromStdString(texts::about).replace("\r\n", "\n").chopped(1));
    centre(this);
}

}  // namespace grafipix::ui
