#include "ui/artwork.h"

#include <QPainter>
#include <QPainterPath>

#include "core/texts.h"

namespace grafipix::ui {

QColor qcolour(wincolour c) { return QColor(redof(c), greenof(c), blueof(c)); }

QImage titlepicture() {
    QImage img(360, 232, QImage::Format_RGB32);
    img.fill(qcolour(casioback));
    QPainter p(&img);
    // A few calculator pixels as a border, in the three inks.
    const wincolour inks[] = {blueink, greenink, orangeink};
    for (int i = 0; i < 40; ++i) {
        p.fillRect(i * 9, 0, 6, 6, qcolour(inks[i % 3]));
        p.fillRect(i * 9, 226, 6, 6, qcolour(inks[(i + 1) % 3]));
    }
    p.setPen(qcolour(blueink));
    QFont big("Sans Serif", 34, QFont::Bold);
    p.setFont(big);
    p.drawText(QRect(0, 40, 360, 70), Qt::AlignCenter, QString::fromStdString(texts::appname));
    QFont small("Sans Serif", 11);
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
    p.setPen(QColor(64, 64, 64));
    p.drawRect(0, 0, 9, 9);
    return pm;
}

QPixmap toolicon(const std::string& button) {
    QPixmap pm(18, 18);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    if (button == "Command1") {  // Point
        p.fillRect(7, 7, 4, 4, Qt::black);
    } else if (button == "Command2") {  // Stylo
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(4, 14, 13, 5);
        p.fillRect(2, 14, 3, 3, QColor(60, 60, 60));
    } else if (button == "Command3") {  // Ligne
        p.drawLine(2, 15, 15, 2);
    } else if (button == "Command6") {  // Pinceau
        p.fillRect(7, 3, 4, 12, Qt::black);
        p.fillRect(3, 7, 12, 4, Qt::black);
    } else if (button == "Command7") {  // Aérographe
        const int dots[][2] = {{3, 4}, {8, 2}, {13, 5}, {5, 9}, {10, 8}, {14, 11}, {4, 14}, {9, 13}, {12, 15}};
        for (auto& d : dots) p.fillRect(d[0], d[1], 2, 2, Qt::black);
    } else if (button == "Command8") {  // Pot de peinture
        QPainterPath bucket;
        bucket.moveTo(3, 7);
        bucket.lineTo(10, 2);
        bucket.lineTo(15, 9);
        bucket.lineTo(8, 14);
        bucket.closeSubpath();
        p.fillPath(bucket, QColor(120, 120, 120));
        p.drawPath(bucket);
        p.fillRect(13, 11, 3, 5, qcolour(blueink));
    } else if (button == "Command9") {  // Rectangle
        p.drawRect(2, 4, 13, 10);
    } else if (button == "Command10") {  // Cercle
        p.setRenderHint(QPainter::Antialiasing, true);
        p.drawEllipse(2, 2, 13, 13);
    } else if (button == "Command11") {  // Sélection
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawRect(2, 3, 13, 11);
    }
    return pm;
}

}  // namespace grafipix::ui
