// Real picture files through QImage: what is read, what is refused and why,
// what the export writes, and an export read back by the import.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <csignal>
#include <cstring>
#include <tuple>

#include "core/main_controls.h"
#include "exchange/image_exchange.h"
#include "exchange/picture_io.h"
#include "tests/support/editor_fixture.h"
#include "tests/support/picture_files.h"

namespace grafipix {
namespace {

using testing::encoded;
using testing::gifbytes;
using testing::readall;

// The editor with the program's own picture reader and writer.
class Files : public testing::EditorTest {
protected:
    Files() {
        platform.onload = [](const std::string& path, Samples& out, std::string& error) {
            return exchange::loadsamples(path, out, error);
        };
        platform.onsave = [](const std::string& path, const Picture& p, std::string& error) {
            return exchange::writebitmap(path, p, error);
        };
    }
    void importfile(const std::string& path) { platform.opens.push_back(path), ed.importation_Click(); }
    void exportfile(const std::string& path) { platform.saves.push_back(path), ed.exportation_Click(); }
    Samples load(const std::string& name, const QByteArray& bytes) {
        Samples s;
        std::string reason;
        EXPECT_TRUE(exchange::loadsamples(folder.write(name, bytes), s, reason)) << name << ": " << reason;
        return s;
    }
    QStringList files() const { return QDir(QString::fromStdString(folder.root())).entryList(QDir::Files); }
    testing::TempFolder folder;
};

QImage checker(int w, int h, QRgb a, QRgb b) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, (x + y) % 2 ? b : a);
    return img;
}

// A header that announces w x h, patched into a real file of the format.
QByteArray announcing(QByteArray bytes, const char* format, int w, int h) {
    if (!strcmp(format, "BMP")) {
        std::memcpy(bytes.data() + 18, &w, 4);
        std::memcpy(bytes.data() + 22, &h, 4);
    } else if (!strcmp(format, "GIF")) {
        // The screen size, then the frame's: after 13 bytes and the 4-entry palette.
        for (qsizetype at : {6, 13 + 12 + 5}) {
            bytes[at] = char(w & 255), bytes[at + 1] = char(w >> 8);
            bytes[at + 2] = char(h & 255), bytes[at + 3] = char(h >> 8);
        }
    } else {
        const qsizetype sof = bytes.indexOf("\xFF\xC0");
        bytes[sof + 5] = char(h >> 8), bytes[sof + 6] = char(h & 255);
        bytes[sof + 7] = char(w >> 8), bytes[sof + 8] = char(w & 255);
    }
    return bytes;
}

TEST_F(Files, BadFilesAreNamedWithTheirReasonAndChangeNothing) {
    const QImage photo = checker(600, 400, qRgb(0, 0, 255), qRgb(255, 0, 0));
    const QByteArray bmp = encoded(photo, "BMP"), jpg = encoded(photo, "JPG");
    const QByteArray gif = gifbytes(300, 200, {qRgb(0, 0, 255), qRgb(255, 0, 0)}, [](int x, int y) { return (x ^ y) & 1; });
    QByteArray noise;
    for (int i = 0; i < 4000; ++i) noise.append(char((i * 7919 + 13) % 251));
    QDir(QString::fromStdString(folder.root())).mkdir("dossier.bmp");
    const std::string cut = "le fichier est incomplet, l'image y est tronquée",
                      unknown = "ce n'est pas une image dans un format connu (BMP, JPEG ou GIF)",
                      huge = "l'image annonce 60000 × 60000 pixels";
    const std::tuple<const char*, QByteArray, std::string> rows[] = {  // name, bytes (none when null), reason
        {"vide.bmp", QByteArray(""), "le fichier est vide"},
        {"coupé.bmp", bmp.left(bmp.size() / 2), cut},
        {"coupé.jpg", jpg.left(jpg.size() / 2), cut},
        {"coupé.gif", gif.left(gif.size() / 2), cut},
        {"bruit.jpg", noise, unknown},
        {"document.gif", QByteArray("%PDF-1.4\n%\xE2\xE3\n1 0 obj\n<< >>\nendobj\n"), unknown},
        {"énorme.bmp", announcing(bmp, "BMP", 60000, 60000), huge},
        {"énorme.gif", announcing(gif, "GIF", 60000, 60000), huge},
        {"énorme.jpg", announcing(jpg, "JPG", 60000, 60000), huge},
        {"absent.bmp", QByteArray(), "le fichier est introuvable"},
        {"dossier.bmp", QByteArray(), "c'est un dossier, pas un fichier"},
    };
    ed.pixelgrid.set(9, 9, green);
    ed.redrawcanvas();
    ed.pressorange_Click();
    // What a refused import must leave as it was.
    auto state = [this] {
        return std::tuple(ed.pixelgrid, ed.Picture1.image(), ed.Picture1.picture(), ed.curcolor, ed.Picture1.forecolor());
    };
    const auto before = state();
    ed.importation_Click();  // cancelled
    EXPECT_TRUE(platform.messages.empty());
    for (const auto& [name, bytes, reason] : rows) {
        SCOPED_TRACE(name);
        const std::string path = bytes.isNull() ? folder.path(name) : folder.write(name, bytes);
        platform.messages.clear();
        importfile(path);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_TRUE(platform.messages[0].starts_with("Impossible d'importer l'image « " + path + " » : " + reason))
            << platform.messages[0];
        EXPECT_TRUE(state() == before);
        EXPECT_FALSE(platform.shown(Window::Apercu));
    }
}

TEST_F(Files, FormatsAndSizesMapPicturePixelsToCells) {
    const std::vector<QRgb> palette{qRgb(255, 255, 255), qRgb(0, 0, 255), qRgb(0, 255, 0), qRgb(255, 0, 0)};
    auto index = [](int x, int y) { return (x * 7 + y * 3) % 11 < 4 ? (x + y) % 4 : 0; };
    QImage pattern(128, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x) pattern.setPixel(x, y, palette[index(x, y)]);
    const QByteArray gif = gifbytes(128, 64, palette, index);
    // A GIF without its trailer is harmless: the picture is whole.
    for (auto [name, bytes] : {std::pair{"motif.bmp", encoded(pattern, "BMP")}, {"motif.gif", gif}, {"sans fin.gif", gif.chopped(1)}}) {
        const Samples s = load(name, bytes);
        for (int x = 0; x < 128; ++x)
            for (int y = 0; y < 64; ++y) ASSERT_EQ(toargb(s.colour[x][y]), pattern.pixel(x, y)) << name << " " << x << "," << y;
    }
    // Half the size: two cells a pixel.
    EXPECT_EQ(toargb(load("petit.bmp", encoded(pattern.copy(0, 0, 64, 32), "BMP")).colour[21][13]), pattern.pixel(10, 6));

    // Large: each cell averages its single-pixel blue and white squares.
    Samples s = load("fin.bmp", encoded(checker(1280, 640, qRgb(0, 0, 255), qRgb(255, 255, 255)), "BMP"));
    for (auto [x, y] : {std::pair{1, 1}, {64, 32}, {127, 63}}) {
        EXPECT_NEAR(redof(s.colour[x][y]), 128, 2) << x << "," << y;
        EXPECT_NEAR(blueof(s.colour[x][y]), 255, 1) << x << "," << y;
    }
    // Wide and two pixels high: averaged along, each row of pixels stretched over half the cells.
    QImage wide(1000, 2, QImage::Format_RGB32);
    wide.fill(qRgb(255, 255, 255));
    for (int x = 0; x < 1000; ++x) wide.setPixel(x, 0, qRgb(0, 0, 255));
    s = load("large.bmp", encoded(wide, "BMP"));
    EXPECT_EQ(std::tuple(s.colour[0][0], s.colour[127][31], s.colour[64][32]), std::tuple(0xFF0000u, 0xFF0000u, 0xFFFFFFu));

    // Transparency shows the screen green, which the import skips.
    s = load("trou.gif", gifbytes(128, 64, {qRgb(0, 0, 0), qRgb(255, 0, 0)}, [](int x, int) { return x < 64 ? 0 : 1; }, 0));
    EXPECT_EQ(s.colour[10][10], casioback);
    EXPECT_EQ(s.colour[100][10], wincolour{0x0000FF});
    importfile(folder.path("trou.gif"));
    EXPECT_EQ(ed.pixelgrid.get(10, 10), background);
    EXPECT_EQ(ed.pixelgrid.get(100, 10), orange);

    // JPEG is lossy: a flat blue stays near blue and imports as ink.
    QImage blue(200, 100, QImage::Format_RGB32);
    blue.fill(qRgb(0, 0, 255));
    importfile(folder.write("bleu.jpg", encoded(blue, "JPG")));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ed.pixelgrid.get(127, 63), ink);
}

TEST_F(Files, AnExportIsABitmapOfTheCanvasThatImportsBackToItsCells) {
    const std::tuple<const char*, Handler, Handler> rows[] = {
        {"three colours on screen green", &Editor::g65_Click, &Editor::bgcasio_Click},
        {"black ink on white", &Editor::g100_Click, &Editor::bgwhite_Click},
    };
    for (const auto& [name, model, back] : rows) {
        SCOPED_TRACE(name);
        ed.new_Click();
        (ed.*model)();
        (ed.*back)();
        const std::string path = folder.path(std::string(name) + ".jpg");
        exportfile(path);  // the empty picture: the back colour only
        const QImage empty(QString::fromStdString(path), "BMP");
        ASSERT_EQ(empty.size(), QSize(Canvas::width, Canvas::height));
        EXPECT_EQ(empty.convertToFormat(QImage::Format_RGB32), exchange::toqimage(ed.Picture1.image()));
        EXPECT_EQ(empty.pixel(200, 100), toargb(ed.Picture1.backcolor()));

        const int colours = ed.g65.checked ? 3 : 1;
        for (int x = 1; x <= 127; ++x)
            for (int y = 1; y <= 63; ++y)
                if ((x * 5 + y * 3) % 7 < 3 || x == 127 || y == 63) ed.pixelgrid.set(x, y, int16_t(1 + (x + y) % colours));
        ed.redrawcanvas();
        const Grid drawn = ed.pixelgrid;
        exportfile(path);
        ASSERT_TRUE(platform.messages.empty()) << platform.messages[0];
        EXPECT_TRUE(readall(path).startsWith("BM"));  // bitmap data, whatever the name says
        ed.new_Click();
        importfile(path);
        EXPECT_EQ(ed.pixelgrid, drawn);
    }
    EXPECT_EQ(files().size(), 2);  // exactly the chosen names, nothing beside them
}

TEST_F(Files, AnUnwritableNameSaysWhyAndLeavesAnyOldFileIntact) {
    ed.pixelgrid.set(4, 4, ink);
    ed.redrawcanvas();
    const std::string old = folder.write("ancien.bmp", QByteArray("l'ancien dessin"));
    const std::string plain = folder.write("note.txt", QByteArray("texte"));
    // Root writes into read-only folders; /proc refuses everyone.
    QDir(QString::fromStdString(folder.root())).mkdir("verrou");
    const std::string locked = folder.path("verrou"), lockedold = folder.write("verrou/ancien.bmp", "l'ancien dessin");
    QFile::setPermissions(QString::fromStdString(locked), QFile::ReadOwner | QFile::ExeOwner);
    const std::pair<std::string, std::string> rows[] = {
        {folder.path("absent/dessin.bmp"), "le dossier « " + folder.path("absent") + " » n'existe pas"},
        {plain + "/dessin.bmp", "le dossier « " + plain + " » n'existe pas"},
        {folder.root(), "c'est le nom d'un dossier"},
        {geteuid() == 0 ? "/proc/grafipix-dessin.bmp" : lockedold, "cet emplacement n'accepte pas l'écriture"},
    };
    for (const auto& [path, reason] : rows) {
        SCOPED_TRACE(path);
        platform.messages.clear();
        exportfile(path);
        EXPECT_EQ(platform.messages, std::vector<std::string>{exchangetexts::exportfailed(path, reason)});
        EXPECT_TRUE(ed.Picture1.picture().empty());
    }
    EXPECT_EQ(readall(lockedold), "l'ancien dessin");
    QFile::setPermissions(QString::fromStdString(locked), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // A full disk: writes fail past 1000 bytes (the bitmap is some 200 kB); root is not exempt.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    platform.messages.clear();
    exportfile(old);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{exchangetexts::exportfailed(old, "l'écriture a échoué (disque plein ?)")});
    EXPECT_EQ(readall(old), "l'ancien dessin");
    EXPECT_TRUE(ed.Picture1.picture().empty());
    EXPECT_EQ(files(), (QStringList{"ancien.bmp", "note.txt"}));  // no half-written file beside it

    platform.messages.clear();
    exportfile(old);  // with room again, the old file is replaced
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(readall(old).startsWith("BM"));
}

}  // namespace
}  // namespace grafipix
