// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/artwork.h"

#include <QFontMetrics>
#include <QPainter>

#include "document/texts.h"
#include "tools/tool_table.h"

namespace grafipix::ui {

QColor qcolour(wincolour c) { return QColor(redof(c), greenof(c), blueof(c)); }

QFont captionfont(int pixels, bool bold) {
    QFont f("DejaVu Sans Condensed");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void setcaptionface(QLabel* label, int pixels, bool bold) {
    label->setFont(captionfont(pixels, bold));
    label->setProperty("captionpixels", pixels);
}

void showcaption(QLabel* label, const QString& text) {
    if (label->text() == text) return;
    label->setText(text);
    QFont f = label->font();
    const int flags = Qt::AlignLeft | Qt::AlignTop | (label->wordWrap() ? Qt::TextWordWrap : 0);
    for (int px = label->property("captionpixels").toInt(); px >= 6; --px) {
        f.setPixelSize(px);
        const QRect need = QFontMetrics(f).boundingRect(QRect(0, 0, label->width(), 10000), flags, text);
        if (need.width() <= label->width() && need.height() <= label->height()) break;
    }
    label->setFont(f);
}

QImage titlepicture(qreal pixelratio) {
    // Drawn at the screen's pixel ratio, so it is as sharp as the rest at any scale.
    QImage img(qRound(360 * pixelratio), qRound(232 * pixelratio), QImage::Format_RGB32);
    img.setDevicePixelRatio(pixelratio);
    img.fill(qcolour(casioback));
    QPainter p(&img);
    // A few calculator pixels as a border, in the three inks.
    const wincolour inks[] = {blueink, greenink, orangeink};
    for (int i = 0; i < 40; ++i) {
        p.fillRect(i * 9, 0, 6, 6, qcolour(inks[i % 3]));
        p.fillRect(i * 9, 226, 6, 6, qcolour(inks[(i + 1) % 3]));
    }
    p.setPen(qcolour(blueink));
    QFont big("DejaVu Sans");
    big.setPixelSize(45);
    big.setBold(true);
    p.setFont(big);
    p.drawText(QRect(0, 40, 360, 70), Qt::AlignCenter, QString::fromStdString(texts::appname));
    QFont small("DejaVu Sans");
    small.setPixelSize(15);
    p.setFont(small);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 115, 360, 24), Qt::AlignCenter,
               QString::fromUtf8("Version ") + QString::fromStdString(texts::version));
    p.drawText(QRect(0, 140, 360, 24), Qt::AlignCenter,
               QString::fromStdString("par " + texts::authors));
    p.drawText(QRect(0, 180, 360, 24), Qt::AlignCenter, QString::fromStdString(texts::website));
    return img;
}

QPixmap swatch(wincolour c) {
    QPixmap pm(10, 10);
    pm.fill(qcolour(c));
    QPainter p(&pm);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawRect(0, 0, 9, 9);
    return pm;
}

QPixmap toolicon(const char* const* rows) {
    QImage img(iconsize, iconsize, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < iconsize; ++y)
        for (int x = 0; x < iconsize; ++x) switch (rows[y][x]) {
                case '#': img.setPixelColor(x, y, Qt::black); break;
                case 'o': img.setPixelColor(x, y, QColor(120, 120, 120)); break;
                case 'b': img.setPixelColor(x, y, qcolour(blueink)); break;
                default: break;
            }
    return QPixmap::fromImage(img);
}

}  // namespace grafipix::ui
