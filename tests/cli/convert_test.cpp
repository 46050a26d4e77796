// SPDX-License-Identifier: GPL-3.0-or-later
// grafipix-convert run as a user runs it, on drawings it wrote itself and on
// inputs and outputs a careless command line gives it.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <random>

#include "formats/drawing_file.h"
#include "formats/import_framing.h"
#include "formats/g1m.h"
#include "formats/windows1252.h"
#include "codegen/python_sprite.h"
#include "codegen/sprite.h"
#include "formats/outputs.h"
#include "formats/picture_io.h"
#include "tests/support/converter.h"
#include "tests/support/picture_files.h"

namespace grafipix::testing {
namespace {

// A photo-like picture: smooth colours with a few hard edges.
QImage photo(int width, int height) {
    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            img.setPixel(x, y, qRgb(255 * x / width, (x * y / 7) % 256, (x / 40 + y / 30) % 2 ? 230 : 40));
    return img;
}

class Convert : public ::testing::Test {
protected:
    TempFolder folder;
    QString at(const std::string& name) const { return QString::fromStdString(folder.path(name)); }
};

// Without --model, a drawing the converter wrote converts under its own model
// exactly as with it, and is refused for what that model does not take, the
// refusal naming it; --format png gives the same file back.
TEST_F(Convert, ASavedDrawingConvertsUnderItsOwnModelAsWithModelGiven) {
    const QString picture = QString::fromStdString(folder.write("photo.png", encoded(photo(300, 200), "PNG")));
    const QStringList modes{"fline", "drawstat", "compact"};
    for (const Model& m : models()) {
        const QString drawing = at(std::string("dessin-") + m.name + ".png");
        ASSERT_EQ(convert({"--model", m.name, "--dither", "--format=png", picture, drawing}).status, 0) << m.name;
        PictureFile read;
        std::string reason;
        ASSERT_TRUE(exchange::readpicturefile(drawing.toStdString(), read, reason)) << reason;
        const std::optional<SavedDrawing> saved = saveddrawing(read);
        ASSERT_TRUE(saved && saved->model == &m) << m.name << ": the file must open back as a drawing of its model";
        EXPECT_EQ(convert({"--format=png", drawing}).out, readall(drawing.toStdString()).toStdString()) << m.name;
        for (const Output& o : outputs())
            for (const QString& mode : o.fromprogram && std::string_view(o.name) != "python" ? modes : QStringList{""}) {
                QStringList args{"--format", o.name, drawing};
                if (!mode.isEmpty()) args << "--mode" << mode;
                const std::string row = std::string(m.name) + " " + args.join(' ').toStdString();
                const Outcome given = convert(QStringList{"--model", m.name} << args), own = convert(args);
                EXPECT_EQ(own.status, given.status) << row << own.err;
                EXPECT_EQ(own.out, given.out) << row;
                if (given.status == 2)
                    EXPECT_TRUE(own.says("« " + std::string(m.name) + " »")) << row << own.err;
                else  // 3: written, but more than the calculator holds
                    EXPECT_TRUE(given.status == 0 || given.status == 3) << row << given.err;
            }
    }
}

// A drawing of a model without the screen green says white; a file of an
// earlier version that said "casio" there still opens as a drawing, on white.
TEST_F(Convert, TheBackgroundFieldIsOneTheModelOffers) {
    const Model& g90 = *findmodel("g90");
    Grid cells(g90.screen.columns, g90.screen.rows);
    cells.set(5, 7, 3);
    std::string error;
    const std::string written = findoutput("png")->write({.grid = cells, .model = g90, .bgkind = 2}, error);
    EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(written), "PNG").text("Grafipix fond"), "blanc");
    const std::string older = encodepng(pictureof(cells, g90, 1), {{"Grafipix modele", "g90"}, {"Grafipix fond", "casio"}});
    PictureFile read;
    std::string reason;
    ASSERT_TRUE(exchange::decodepicturefile(older, read, reason)) << reason;
    const std::optional<SavedDrawing> saved = saveddrawing(read);
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(saved->model == &g90 && saved->bgkind == 1 && saved->cells == cells);
    // Without --model it is the Graph 90+E's, which takes no DrawStat.
    const std::string path = folder.write("ancien.png", QByteArray::fromStdString(older));
    const Outcome drawstat = convert({"--mode", "drawstat", QString::fromStdString(path)});
    EXPECT_TRUE(drawstat.status == 2 && drawstat.says("« g90 »")) << drawstat.err;
}

// OUTPUT is never INPUT, by whatever path or link it is reached; "-" is
// standard output.
TEST_F(Convert, TheOutputNeverReplacesTheInput) {
    const std::string input = folder.write("p.png", encoded(photo(40, 30), "PNG"));
    const QByteArray before = readall(input);
    ASSERT_EQ(symlink(input.c_str(), folder.path("lien.png").c_str()), 0);
    ASSERT_EQ(link(input.c_str(), folder.path("dur.png").c_str()), 0);
    QDir::setCurrent(QString::fromStdString(folder.path("")));
    for (const QString& output : {QString("p.png"), QString("./p.png"), at("p.png"), at("lien.png"), at("dur.png")}) {
        const Outcome r = convert({"p.png", output});
        EXPECT_TRUE(r.status == 2 && r.out.empty() && r.says("est le fichier d'entrée")) << output.toStdString() << r.err;
        EXPECT_EQ(readall(input), before) << output.toStdString();
    }
    const Outcome piped = convert({"p.png", "-"});
    EXPECT_TRUE(piped.status == 0 && piped.out.starts_with("ClrGraph") && !QFile::exists("-"));
}

// What the converter says on standard error is French alone: no line of
// libpng or Qt before its message, for a cut file and a damaged one.
TEST_F(Convert, DamagedPicturesSayWhyInFrenchOnly) {
    QByteArray png = encoded(photo(64, 48), "PNG");
    const qsizetype idat = png.indexOf("IDAT");
    QByteArray crc = png;
    crc[idat + 10] = char(crc[idat + 10] ^ 0x55);  // the chunk's CRC no longer matches
    for (const auto& [name, bytes] : {std::pair{"coupe.png", png.left(idat + 40)}, {"crc.png", crc}}) {
        const Outcome r = convert({QString::fromStdString(folder.write(name, bytes))});
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_EQ(r.err, std::string("grafipix-convert: Impossible d'importer l'image « ") + folder.path(name) +
                                           " » : les données de l'image sont endommagées ou illisibles.\n");
    }
}

// Past a file-size limit the write fails as on a full disk: its message, exit
// code 1, the old file whole.
TEST_F(Convert, AFileSizeLimitIsAFailedWrite) {
    const std::string input = folder.write("p.png", encoded(photo(300, 200), "PNG"));
    const std::string output = folder.write("sortie.py", "l'ancien script");
    const Outcome r = convert({"--model=g90", "--dither", "--format=python", QString::fromStdString(input), QString::fromStdString(output)}, 4096);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.says("l'écriture a échoué (disque plein ?)")) << r.err;
    EXPECT_EQ(readall(output), "l'ancien script");
}

// A pipe, a device or standard input that is not a file: said at once, even a
// pipe nobody writes to.
TEST_F(Convert, InputsThatAreNotRegularFilesSaySo) {
    const std::string fifo = folder.path("tube");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/null"), std::string("/dev/zero")}) {
        const Outcome r = convert({QString::fromStdString(path)});
        EXPECT_EQ(r.status, 1) << path;
        EXPECT_EQ(r.err, "grafipix-convert: « " + path + " » n'est pas un fichier ordinaire\n");
        // "Ouvrir" reads through the same reader, and its message says the same.
        PictureFile read;
        std::string reason;
        EXPECT_TRUE(!exchange::readpicturefile(path, read, reason) && reason == "ce n'est pas un fichier ordinaire") << reason;
    }
}

// Drawings are compressed: line art on the small screen takes well under
// 2 KB, where every drawing used to take 24 KB, and a file of the previous
// version still opens with the cells the new one writes for the same picture.
TEST_F(Convert, DrawingsAreSmallAndThePreviousVersionsStillOpen) {
    QImage lines(127, 63, QImage::Format_RGB32);
    lines.fill(Qt::white);
    for (int i = 0; i < 127; ++i) lines.setPixel(i, i / 2, qRgb(0, 0, 0)), lines.setPixel(i, 40, qRgb(0, 0, 0));
    for (int y = 10; y < 50; ++y) lines.setPixel(20, y, qRgb(0, 0, 0)), lines.setPixel(100, y, qRgb(0, 0, 0));
    const QString picture = QString::fromStdString(folder.write("traits.png", encoded(lines, "PNG")));
    const Outcome small = convert({"--model=g35", "--format=png", picture});
    EXPECT_TRUE(small.status == 0 && small.out.size() < 2048) << small.out.size();
    for (const char* name : {"g65-1.0.png", "g35e2-1.0.png", "g90-1.0.png"}) {
        SCOPED_TRACE(name);
        // Kept gzipped: a file of that version stores its pixels uncompressed.
        gzFile gz = gzopen((std::string(GRAFIPIX_SOURCE_DIR) + "/tests/cli/previous/" + name + ".gz").c_str(), "rb");
        ASSERT_TRUE(gz);
        std::string older(300000, '\0');
        older.resize(size_t(std::max(0, gzread(gz, older.data(), unsigned(older.size())))));
        gzclose(gz);
        PictureFile read;
        std::string reason;
        ASSERT_TRUE(exchange::decodepicturefile(older, read, reason)) << reason;
        const std::optional<SavedDrawing> saved = saveddrawing(read);
        ASSERT_TRUE(saved.has_value());
        EXPECT_EQ(std::string(saved->model->name) + "-1.0.png", name);
        // The same picture, converted by this version.
        const std::string source = folder.write("source.png", encoded(photo(300, 200), "PNG"));
        const Outcome now = convert({"--model", saved->model->name, "--dither", "--format=png", QString::fromStdString(source)});
        ASSERT_TRUE(exchange::decodepicturefile(now.out, read, reason)) << reason;
        const std::optional<SavedDrawing> again = saveddrawing(read);
        ASSERT_TRUE(again.has_value());
        EXPECT_TRUE(again->cells == saved->cells && again->bgkind == saved->bgkind);
        EXPECT_LT(now.out.size(), older.size());
    }
}

// "Taille réelle": the picture at the top-left a cell a pixel, cut at the
// screen's edge, even from a photo the decoder shrank for the other framings.
TEST_F(Convert, ActualSizeKeepsThePictureCellForCell) {
    QImage sprite(16, 12, QImage::Format_RGB32);
    std::mt19937 random(35);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x) sprite.setPixel(x, y, random() % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    const QString path = QString::fromStdString(folder.write("sprite.png", encoded(sprite, "PNG")));
    const Outcome r = convert({"--model=g35", "--fit=none", "--format=png", path});
    PictureFile read;
    std::string reason;
    ASSERT_TRUE(exchange::decodepicturefile(r.out, read, reason)) << reason << r.err;
    const std::optional<SavedDrawing> drawing = saveddrawing(read);
    ASSERT_TRUE(drawing.has_value());
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x)
            ASSERT_EQ(drawing->cells.get(x, y), x <= 16 && y <= 12 && qGray(sprite.pixel(x - 1, y - 1)) == 0 ? ink : background) << x << "," << y;
    // A photo far larger than the screen: decoded shrunk, its top-left kept whole.
    const std::string jpeg = folder.write("photo.jpg", encoded(photo(2400, 1800), "JPEG"));
    Pixels shrunk;
    ASSERT_TRUE(exchange::loadpixels(jpeg, shrunk, reason, QSize(380, 188))) << reason;
    const Pixels whole = exchange::pixelsof(QImage(QString::fromStdString(jpeg)));
    ASSERT_TRUE(shrunk.width < 2400 && shrunk.topleft && shrunk.topleft->width == 380 && shrunk.topleft->height == 188);
    const Samples a = framesamples(shrunk, Framing::none, 379, 187), b = framesamples(whole, Framing::none, 379, 187);
    ASSERT_TRUE(a.columns() == 379 && a.rows() == 187);
    long off = 0;
    for (int x = 0; x < 379; ++x)
        for (int y = 0; y < 187; ++y) off += std::abs(redof(a.colour[x][y]) - redof(b.colour[x][y])) > 2;
    EXPECT_LT(off, 379 * 187 / 100) << "the clipped decode is the full decode's top-left";
}

// --sprite: the picture's own rectangle, at its real size, as the module or
// the program of that name; bad requests exit with 2.
TEST_F(Convert, SpritesOfThePicturesOwnRectangle) {
    QImage picture(9, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 9; ++x) picture.setPixel(x, y, (x + y) % 3 ? qRgb(255, 255, 255) : x % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 0));
    const QString path = QString::fromStdString(folder.write("s.png", encoded(picture, "PNG")));
    const Model& g90 = *findmodel("g90");
    Grid screen(g90.screen.columns, g90.screen.rows);
    Palette colours = g90.colours();
    ImportChoices actual;
    actual.framing = Framing::none;
    importpicture(exchange::pixelsof(picture), g90, 1, actual, screen, colours);
    Grid block(9, 5);
    for (int y = 1; y <= 5; ++y)
        for (int x = 1; x <= 9; ++x) block.set(x, y, screen.get(x, y));
    EXPECT_EQ(convert({"--model=g90", "--sprite=ship", "--format=python", path}).out, pythonsprite(block, "ship", g90, colours));
    EXPECT_EQ(convert({"--model=g90", "--sprite=ship", path}).out, towindows1252(basicsprite(block, g90, colours).text));
    const Outcome file = convert({"--model=g90", "--sprite=ship", "--format=g3m", path});
    std::string fault;
    EXPECT_EQ(g1m::readfile(file.out, fault).value().at(0).name, "SHIP") << fault;
    for (const QStringList& bad : {QStringList{"--sprite=2d", "--format=python"}, {"--sprite=a_b"}, {"--sprite=ship", "--format=png"},
                                    {"--sprite=ship", "--fit=fill"}}) {
        const Outcome r = convert(QStringList{"--model=g90", path} + bad);
        EXPECT_TRUE(r.status == 2 && r.out.empty() && r.says("sprite")) << bad.join(' ').toStdString() << r.err;
    }
}

}  // namespace
}  // namespace grafipix::testing
