// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture files through QtGui (no widgets): reading a BMP, JPEG or GIF file
// under a fixed memory bound, stretching it to one sample per canvas cell, and
// writing files so that a failure leaves any earlier file of that name intact.

#include <QImage>
#include <QIODevice>
#include <cstdint>
#include <functional>
#include <string>

#include "render/canvas.h"
#include "formats/drawing_file.h"
#include "formats/image_conversion.h"
#include "formats/import_framing.h"

namespace grafipix::exchange {

// 128 MiB of 32-bit pixels: pictures announcing more are refused before decoding.
inline constexpr int64_t maxpixels = int64_t{32} * 1024 * 1024;
inline constexpr int64_t maxfilebytes = int64_t{256} * 1024 * 1024;

// The picture of a file; false with a French reason when it cannot be read.
// Given the screen in cells that the picture is imported onto, a JPEG is
// decoded shrunk as far as the import's sampling allows (shrinkfactor).
// Decoded shrunk, its top-left at its own size, as much of it as the screen
// holds, goes to `topleft` when given: what "Taille réelle" takes.
bool readpicture(const std::string& path, QImage& picture, std::string& reason, QSize screen = {}, QImage* topleft = nullptr);

// The same from a file's bytes already read, under the same bounds.
bool decodepicture(QByteArray bytes, QImage& picture, std::string& reason, QSize screen = {}, QImage* topleft = nullptr);

// A decoded picture as "Ouvrir" and the converter take it: its size, its
// pixels when a screen has that size, its text fields.
PictureFile picturefileof(const QImage& image);
// A file of Casio's containers (.g1m, .g3p, .g4p) whole in `bytes`; false
// for any other file.
bool calculatorfile(const std::string& path, std::string& bytes);
// The same read from a file, or decoded from its bytes; a calculator's
// picture file as the drawing it holds.
bool readpicturefile(const std::string& path, PictureFile& out, std::string& reason);
bool decodepicturefile(const std::string& bytes, PictureFile& out, std::string& reason);

// The pixels of a decoded picture, premultiplied, for the plain code to
// sample; with its top-left at its own size where it was decoded shrunk.
Pixels pixelsof(const QImage& picture, const QImage& topleft = QImage());

// The picture stretched to columns x rows samples, one per cell counted from 0.
Samples samplepicture(const QImage& picture, int columns, int rows);

// A picture file read and decoded once, under the bound above, for the
// screen given as readpicture() takes it.
bool loadpixels(const std::string& path, Pixels& out, std::string& reason, QSize screen = {});

// Both steps of the stretched import, to the size `out` has; `shown`, when
// given, receives that stretched picture.
bool loadsamples(const std::string& path, Samples& out, std::string& reason, QImage* shown = nullptr);

QImage toqimage(const Picture& p);
QImage toqimage(const Samples& samples);  // a pixel per sample

// Writes through a file beside the target that replaces it only once complete.
bool writereplacing(const std::string& path, const std::function<bool(QIODevice&)>& write,
                    std::string& reason);

// `bytes` under exactly `path`, through writereplacing.
bool writebytes(const std::string& path, const std::string& bytes, std::string& reason);

// BMP data under exactly `path`, whatever its extension.
bool writebitmap(const std::string& path, const Picture& p, std::string& reason);

}  // namespace grafipix::exchange
