// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/picture_io.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>
#include <tuple>
#include <vector>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <fcntl.h>
#include <unistd.h>

#include "formats/calculator_pictures.h"
#include "formats/colour_picture.h"
#include "formats/file_layout.h"

namespace grafipix::exchange {

namespace {

QString qpath(const std::string& path) { return QString::fromStdString(path); }

bool fail(std::string& reason, std::string text) {
    reason = std::move(text);
    return false;
}

std::string sizetext(int64_t w, int64_t h) { return std::to_string(w) + " × " + std::to_string(h); }

}  // namespace

bool readpicture(const std::string& path, QImage& picture, std::string& reason, QSize screen, QImage* topleft) {
    QFileInfo info(qpath(path));
    if (!info.exists()) return fail(reason, "le fichier est introuvable");
    if (info.isDir()) return fail(reason, "c'est un dossier, pas un fichier");
    // A pipe or a device holds no picture; opening a pipe would wait for a writer.
    if (!info.isFile()) return fail(reason, "ce n'est pas un fichier ordinaire");
    QFile file(qpath(path));
    if (!file.open(QIODevice::ReadOnly)) return fail(reason, "le fichier ne peut pas être ouvert en lecture");
    if (file.size() == 0) return fail(reason, "le fichier est vide");
    if (file.size() > maxfilebytes) return fail(reason, "le fichier dépasse 256 Mio");
    QByteArray bytes = file.readAll();
    if (bytes.size() != file.size()) return fail(reason, "la lecture du fichier a échoué");
    return decodepicture(bytes, picture, reason, screen, topleft);
}

namespace {

// Qt leaves libpng's own error handler in place, which prints English lines
// on standard error before Qt reports the failure; the caller says it in French.
class Silenced {
public:
    Silenced() : saved_(dup(STDERR_FILENO)) {
        const int nothing = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && nothing >= 0) dup2(nothing, STDERR_FILENO);
        if (nothing >= 0) close(nothing);
    }
    ~Silenced() {
        if (saved_ < 0) return;
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
    Silenced(const Silenced&) = delete;
    Silenced& operator=(const Silenced&) = delete;

private:
    int saved_;
};

}  // namespace

bool decodepicture(QByteArray bytes, QImage& picture, std::string& reason, QSize screen, QImage* topleft) {
    const Silenced decoders;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // Asked before size(): a reader that fails on a header forgets its format.
    const std::string format = reader.canRead() ? reader.format().toStdString() : "";
    if (format != "bmp" && format != "jpeg" && format != "gif" && format != "png")
        return fail(reason, "ce n'est pas une image dans un format connu (BMP, JPEG, GIF ou PNG)");
    const std::string_view data(bytes.constData(), static_cast<size_t>(bytes.size()));
    const QSize announced = reader.size();
    int64_t width = announced.width(), height = announced.height();
    // Qt's BMP reader refuses a header past 16384 x 16384 pixels without its size.
    if (!announced.isValid() && format == "bmp") std::tie(width, height) = bmpsize(data);
    if (width > 0 && height > 0 && width * height > maxpixels)
        return fail(reason, "l'image annonce " + sizetext(width, height) + " pixels, plus que les " +
                                std::to_string(maxpixels) + " pixels que l'importation peut décoder");
    if (truncated(format, data, width, height)) return fail(reason, "le fichier est incomplet, l'image y est tronquée");
    // What a decoder allocates can exceed what size() announced (the GIF
    // decoder keeps a screen size that size() dismissed as bogus): Qt's own
    // bound backs the check above.
    QImageReader::setAllocationLimit(static_cast<int>(maxpixels * 4 >> 20));
    // The JPEG decoder scales by 1/2, 1/4 or 1/8 as it decodes, for much less
    // than the whole photo costs. The share is rounded down: rounded up, Qt
    // would decode at the next larger scale and shrink after.
    bool shrunk = false;
    if (format == "jpeg" && screen.isValid() && width > 0 && height > 0)
        if (const int factor = shrinkfactor(int(width), int(height), screen.width(), screen.height()); factor > 1)
            reader.setScaledSize(QSize(int(width / factor), int(height / factor))), shrunk = true;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return fail(reason, "les données de l'image sont endommagées ou illisibles");
    picture = std::move(image);
    if (shrunk && topleft) {
        // The top rows alone: the decoder stops below them.
        buffer.seek(0);
        QImageReader whole(&buffer, "jpeg");
        whole.setClipRect(QRect(0, 0, int(std::min<int64_t>(width, screen.width())), int(std::min<int64_t>(height, screen.height()))));
        if (!whole.read(topleft)) *topleft = QImage();
    }
    return true;
}

PictureFile picturefileof(const QImage& image) {
    PictureFile out{Picture{image.width(), image.height(), {}}, {}};
    if (screensized(image.width(), image.height())) {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        out.picture.pixels.reserve(size_t(argb.width()) * size_t(argb.height()));
        for (int y = 0; y < argb.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            out.picture.pixels.insert(out.picture.pixels.end(), line, line + argb.width());
        }
    }
    for (const QString& key : image.textKeys()) out.text[key.toStdString()] = image.text(key).toStdString();
    // The indices too: a drawing's codes, of which two may share a colour.
    if (!out.picture.pixels.empty() && !image.colorTable().isEmpty()) {
        for (const QRgb c : image.colorTable()) out.colourtable.push_back(c & 0xFFFFFFu);
        out.indices.reserve(out.picture.pixels.size());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) out.indices.push_back(uint8_t(image.pixelIndex(x, y)));
    }
    return out;
}

bool calculatorfile(const std::string& path, std::string& bytes) {
    QFile file(qpath(path));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly) || !casiopicture::casiofile(file.peek(8).toStdString()))
        return false;
    // A calculator's file is a few hundred kilobytes at most.
    bytes = file.read(maxfilebytes).toStdString();
    return true;
}

bool readpicturefile(const std::string& path, PictureFile& out, std::string& reason) {
    if (std::string bytes; calculatorfile(path, bytes)) return decodepicturefile(bytes, out, reason);
    QImage image;
    if (!readpicture(path, image, reason)) return false;
    out = picturefileof(image);
    return true;
}

bool decodepicturefile(const std::string& bytes, PictureFile& out, std::string& reason) {
    if (casiopicture::casiofile(bytes)) {
        std::optional<PictureFile> read = calculatorpicture(bytes, reason);
        if (read) out = std::move(*read);
        return read.has_value();
    }
    QImage image;
    if (bytes.empty()) return fail(reason, "le fichier est vide");
    if (!decodepicture(QByteArray::fromStdString(bytes), image, reason)) return false;
    out = picturefileof(image);
    return true;
}

Pixels pixelsof(const QImage& picture, const QImage& topleft) {
    if (picture.isNull()) return {};
    // Opaque pictures (every JPEG) are read as they come: RGB32 already has
    // full alpha, so the conversion of a photo would be wasted work.
    const bool opaque = picture.format() == QImage::Format_RGB32;
    auto held = std::make_shared<const QImage>(opaque ? picture : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    const auto* first = reinterpret_cast<const uint32_t*>(held->constBits());
    Pixels out{held->width(), held->height(), first, static_cast<size_t>(held->bytesPerLine()) / 4, opaque, held};
    if (!topleft.isNull()) out.topleft = std::make_shared<const Pixels>(pixelsof(topleft));
    return out;
}

Samples samplepicture(const QImage& picture, int columns, int rows) {
    return stretchsamples(pixelsof(picture), columns, rows);
}

bool loadpixels(const std::string& path, Pixels& out, std::string& reason, QSize screen) {
    QImage picture, topleft;
    if (!readpicture(path, picture, reason, screen, &topleft)) return false;
    out = pixelsof(picture, topleft);
    return true;
}

bool loadsamples(const std::string& path, Samples& out, std::string& reason, QImage* shown) {
    Pixels picture;
    if (!loadpixels(path, picture, reason, QSize(out.columns(), out.rows()))) return false;
    out = stretchsamples(picture, out.columns(), out.rows());
    if (shown) *shown = toqimage(out);
    return true;
}

QImage toqimage(const Samples& samples) {
    QImage out(samples.columns(), samples.rows(), QImage::Format_RGB32);
    for (int x = 0; x < samples.columns(); ++x)
        for (int y = 0; y < samples.rows(); ++y) out.setPixel(x, y, toargb(samples.colour[x][y]));
    return out;
}

QImage toqimage(const Picture& p) {
    // The canvas keeps 0xFFRRGGBB pixels, which is Qt's RGB32.
    return QImage(reinterpret_cast<const uchar*>(p.pixels.data()), p.width, p.height, p.width * 4,
                  QImage::Format_RGB32)
        .copy();
}

bool writereplacing(const std::string& path, const std::function<bool(QIODevice&)>& write, std::string& reason) {
    const QFileInfo info(qpath(path));
    if (info.isDir()) return fail(reason, "c'est le nom d'un dossier");
    if (!info.absoluteDir().exists())
        return fail(reason, "le dossier « " + info.absolutePath().toStdString() + " » n'existe pas");
    if (info.exists() && !info.isFile()) {
        // A device or a pipe (/dev/null, /dev/stdout) is written to, never
        // replaced by a file of that name.
        QFile device(qpath(path));
        if (!device.open(QIODevice::WriteOnly)) return fail(reason, "cet emplacement n'accepte pas l'écriture");
        if (!write(device) || !device.flush()) return fail(reason, "l'écriture a échoué (disque plein ?)");
        return true;
    }
    QSaveFile file(qpath(path));
    if (!file.open(QIODevice::WriteOnly)) return fail(reason, "cet emplacement n'accepte pas l'écriture");
    // A short write (a file-size limit, a disk that fills up) can leave the
    // buffer flushed without an error: what reached the file must be all of it.
    if (!write(file) || !file.flush() || file.size() != file.pos()) {
        file.cancelWriting();
        file.commit();  // discards the unfinished file
        return fail(reason, "l'écriture a échoué (disque plein ?)");
    }
    if (!file.commit()) return fail(reason, "l'écriture a échoué (disque plein ?)");
    return true;
}

bool writebytes(const std::string& path, const std::string& bytes, std::string& reason) {
    const auto write = [&bytes](QIODevice& device) {
        return device.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
    };
    return writereplacing(path, write, reason);
}

bool writebitmap(const std::string& path, const Picture& p, std::string& reason) {
    if (p.empty() || p.pixels.size() != static_cast<size_t>(p.width) * static_cast<size_t>(p.height))
        return fail(reason, "il n'y a pas d'image à enregistrer");
    const QImage image = toqimage(p);
    return writereplacing(path, [&image](QIODevice& device) { return image.save(&device, "BMP"); }, reason);
}

}  // namespace grafipix::exchange
