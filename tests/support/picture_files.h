#pragma once
// Picture files made by the tests themselves: BMP and JPEG through QImage, GIF
// by hand (Qt cannot write it), in a temporary folder.

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace grafipix::testing {

inline QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A GIF whose LZW data is left uncompressed: 3-bit codes with a clear code
// before every second pixel, so the code width never grows. `index` gives the
// palette entry (0..3) of each pixel; `transparent`, if 0..3, is see-through.
template <class Index>
QByteArray gifbytes(int w, int h, const std::vector<QRgb>& palette, Index index, int transparent = -1) {
    QByteArray g("GIF89a");
    auto u16 = [&g](int v) { g.append(char(v & 255)).append(char(v >> 8 & 255)); };
    u16(w), u16(h);
    g.append("\x81\0\0", 3);  // a global table of 4 entries
    for (int i = 0; i < 4; ++i) {
        const QRgb c = i < int(palette.size()) ? palette[i] : 0;
        g.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    if (transparent >= 0) g.append("\x21\xF9\x04\x01\0\0", 6).append(char(transparent)).append('\0');
    g.append(',');
    u16(0), u16(0), u16(w), u16(h);
    g.append("\0\x02", 2);  // no local table, LZW code size
    QByteArray data;
    unsigned acc = 0;
    int bits = 0;
    auto code = [&](unsigned c) {
        acc |= c << bits;
        for (bits += 3; bits >= 8; bits -= 8, acc >>= 8) data.append(char(acc & 255));
    };
    for (long i = 0; i < long(w) * h; ++i) {
        if (i % 2 == 0) code(4);
        code(unsigned(index(int(i % w), int(i / w))));
    }
    code(5);
    if (bits) data.append(char(acc & 255));
    for (qsizetype i = 0; i < data.size(); i += 255)
        g.append(char(std::min<qsizetype>(255, data.size() - i))).append(data.mid(i, 255));
    return g.append("\0;", 2);
}

class TempFolder {
public:
    std::string path(const std::string& name) const { return dir_.filePath(QString::fromStdString(name)).toStdString(); }
    std::string write(const std::string& name, const QByteArray& bytes) const {
        QFile f(QString::fromStdString(path(name)));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path(name);
    }
    std::string root() const { return dir_.path().toStdString(); }

private:
    QTemporaryDir dir_;
};

inline QByteArray readall(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace grafipix::testing
