// SPDX-License-Identifier: GPL-3.0-or-later
// Import and export with real picture files: the conversion, what a failure
// says and leaves, what the export writes, and an export read back; the
// grafipix-convert program run as a user runs it; the PNG output; the
// import's framings and conversions on plain pixels.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QFile>
#include <QImage>
#include <csignal>
#include <functional>
#include <random>
#include <ranges>
#include <set>
#include <tuple>

#include "formats/g1m.h"
#include "codegen/tokens.h"
#include "formats/image_conversion.h"
#include "formats/import_framing.h"
#include "formats/outputs.h"
#include "formats/png.h"
#include "formats/picture_io.h"
#include "tests/support/block_distance.h"
#include "tests/support/converter.h"
#include "tests/support/editor_fixture.h"
#include "tests/support/picture_files.h"
#include "tests/support/test_model.h"

namespace grafipix::testing {
namespace {

constexpr wincolour rgb(int r, int g, int b) { return static_cast<wincolour>(r | g << 8 | b << 16); }
QImage decoded(const std::string& bytes) { return QImage::fromData(QByteArray::fromStdString(bytes), "PNG"); }

class Files : public EditorTest {
protected:
    Files() {
        platform.onload = [](const std::string& path, Samples& out, std::string& error) { return exchange::loadsamples(path, out, error); };
        platform.onsave = exchange::writebitmap;
        platform.onread = exchange::readpicturefile;
    }
    void importfile(const std::string& path) { platform.opens.push_back(path), click("importation"); }
    void exportfile(const std::string& path) { platform.messages.clear(), platform.saves.push_back(path), click("exportation"); }
    std::string bmp(const QImage& img) { return folder.write("image.bmp", encoded(img, "BMP")); }
    // A white 128 x 64 picture with these runs of pixels (x0 to x1 on row y), as a BMP file.
    std::string dots(std::initializer_list<std::tuple<int, int, int, QRgb>> runs) {
        QImage img(128, 64, QImage::Format_RGB32);
        img.fill(Qt::white);
        for (auto [x0, x1, y, c] : runs)
            for (int x = x0; x <= x1; ++x) img.setPixel(x, y, c);
        return bmp(img);
    }
    // Files stop at 100 bytes while `write` runs, as on a full disk; root is not exempt.
    static void ondiskfull(const std::function<void()>& write) {
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{100, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small), write(), setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
    }
    TempFolder folder;
};

// Reading each picture format: whole, cut off, and announcing more pixels than
// the import decodes.
TEST_F(Files, EachFormatReadsWholeAndRefusesCutOffOrHugeFiles) {
    QImage red(64, 32, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    const QByteArray bitmap = encoded(red, "BMP"), jpeg = encoded(red, "JPEG"), png = encoded(red, "PNG");
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    // One red pixel: header, two-colour table, image descriptor, LZW data, trailer.
    const QByteArray gif = QByteArray::fromHex("47494638396101000100800000ff00000000002c00000000010001000002024401003b");
    // 60000 in the 16 bits at each offset (BMP's fields are 32 bits, their high half already 0).
    auto huge = [](QByteArray b, std::initializer_list<qsizetype> at, bool bigendian) {
        for (qsizetype i : at) b[i] = char(bigendian ? 0xEA : 0x60), b[i + 1] = char(bigendian ? 0x60 : 0xEA);
        return b;
    };
    const std::string cut = "le fichier est incomplet, l'image y est tronquée",
                      big = "l'image annonce 60000 × 60000 pixels, plus que les 33554432 pixels que l'importation peut décoder";
    const std::tuple<const char*, QByteArray, std::string> files[] = {
        {"BMP", bitmap, ""}, {"BMP cut", bitmap.chopped(3), cut}, {"BMP huge", huge(bitmap, {18, 22}, false), big},
        {"JPEG", jpeg, ""}, {"JPEG cut", jpeg.chopped(3), cut}, {"JPEG huge", huge(jpeg, {sof + 5, sof + 7}, true), big},
        {"GIF", gif, ""}, {"GIF cut", gif.chopped(3), cut}, {"GIF huge", huge(gif, {6, 8, 24, 26}, false), big},
        // Qt finds a cut PNG itself; a picture of another format Qt reads is not taken.
        {"PNG", png, ""}, {"PNG cut", png.chopped(20), "les données de l'image sont endommagées ou illisibles"},
        {"PPM", encoded(red, "PPM"), "ce n'est pas une image dans un format connu (BMP, JPEG, GIF ou PNG)"},
    };
    for (const auto& [name, bytes, refusal] : files) {
        QImage picture;
        std::string reason;
        const bool read = exchange::readpicture(folder.write("image", bytes), picture, reason);
        EXPECT_EQ(read ? "" : reason, refusal) << name;
        const QRgb p = read ? picture.pixel(0, 0) : qRgb(255, 0, 0);
        EXPECT_LT(255 - qRed(p) + qGreen(p) + qBlue(p), 12) << name << ": " << std::hex << p;
    }
}

// Flat colours follow the conversion table; samples the import skips keep the
// drawing; the colour in use comes back after the import; a large picture is
// averaged over each cell; a file that is no picture is named with its reason
// and changes nothing.
TEST_F(Files, ConversionSkippedSamplesKeepTheDrawingTheColourStaysAndBadFilesChangeNothing) {
    using Code = std::optional<int16_t>;  // none: the sample is skipped
    const std::tuple<const char*, wincolour, Code, Code> table[] = {  // three colours, two colours
        {"pure blue", rgb(0, 0, 255), ink, ink},     {"pure red", rgb(255, 0, 0), orange, ink},
        {"pure green", rgb(0, 255, 0), green, ink},  {"yellow", rgb(255, 255, 0), orange, ink},
        {"mid-grey", rgb(128, 128, 128), ink, {}},   {"white", rgb(255, 255, 255), {}, {}},  {"screen green", casioback, {}, {}}};
    for (const auto& [name, colour, three, two] : table)
        EXPECT_TRUE(samplecode(colour, *findmodel("g65"), 2) == three && samplecode(colour, *findmodel("g35"), 2) == two) << name;
    paint(10, 10, 10, 10, orange), paint(20, 20, 20, 20, green), click("pressorange");
    // White is skipped; nothing shows column or row 0; the last sample is not the chosen colour.
    const std::string file = dots({{20, 20, 20, 0u}, {0, 0, 5, 0u}, {5, 5, 0, 0u}, {127, 127, 63, qRgb(0, 255, 0)}});
    importfile(file);
    EXPECT_TRUE(rows(10, 10, 1, 1) + rows(20, 20, 1, 1) + rows(127, 63, 1, 1) == "312" && setcells(picture()).size() == 3);
    EXPECT_TRUE(cellis(127, 63, greenink) && platform.log.back() == "show Apercu" && platform.filters == std::vector<std::string>{"Images|*.bmp;*.jpg;*.jpeg;*.gif;*.png"});
    // Dithered over four colours, the same cells; the colour still the chosen one after both.
    const Grid plain = picture();
    paint(20, 20, 20, 20, green), paint(127, 63, 127, 63, background), play("dither"), importfile(file), click("dither");
    EXPECT_TRUE(picture() == plain && colour() == orange && canvas().forecolor() == orangeink);

    QImage fine(1280, 640, QImage::Format_RGB32);  // each cell averages single-pixel blue and white
    for (int y = 0; y < 640; ++y)
        for (int x = 0; x < 1280; ++x) fine.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 255) : qRgb(255, 255, 255));
    Samples s(128, 64);
    std::string reason;
    ASSERT_TRUE(exchange::loadsamples(bmp(fine), s, reason)) << reason;
    for (auto [x, y] : {std::pair{1, 1}, {127, 63}})
        EXPECT_TRUE(std::abs(redof(s.colour[x][y]) - 128) <= 2 && blueof(s.colour[x][y]) >= 254) << x << "," << y;

    platform.log.clear();
    auto state = [this] { return std::tuple(picture(), buffer(), canvas().image(), colour(), canvas().forecolor()); };
    const auto before = state();
    const std::string noise = folder.write("image.bmp", QByteArray(4000, '\x07'));
    importfile(noise);
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Impossible d'importer l'image « " + noise +
                                                          " » : ce n'est pas une image dans un format connu (BMP, JPEG, GIF ou PNG)."});
    EXPECT_TRUE(state() == before && platform.log.empty());
}

// Dithered, every 8 x 8 block of a grey ramp and of a radial gradient holds as
// much ink as it is dark between the back colour and the ink, where the plain
// import misses on the ramp; the same picture gives the same cells again, white
// keeps the drawing and black is all ink.
TEST_F(Files, DitheredImportKeepsTheShadingAndTheDrawingUnderLightAreas) {
    using Grey = int (*)(int, int);
    const Grey ramp = [](int x, int) { return 255 * x / 127; }, radial = [](int x, int y) { return std::min(255, int(4 * std::hypot(x - 64, y - 32))); };
    auto worstgap = [this](const std::string& script, Grey grey) {  // after the script and an import of that picture, in points
        QImage img(128, 64, QImage::Format_RGB32);
        for (int i = 0; i < 128 * 64; ++i) img.setPixel(i % 128, i / 128, 0x10101u * grey(i % 128, i / 128));
        play(script), importfile(bmp(img));
        const auto lum = [this](int code) { const wincolour c = shown(code); return 0.299 * redof(c) + 0.587 * greenof(c) + 0.114 * blueof(c); };
        std::array<double, 15 * 7> gaps{};  // the whole blocks from cell (1, 1)
        for (int x = 1; x <= 120; ++x)
            for (int y = 1; y <= 56; ++y)
                gaps[(x - 1) / 8 + (y - 1) / 8 * 15] += (picture().get(x, y) == ink) - std::clamp((lum(0) - grey(x, y)) / (lum(0) - lum(1)), 0.0, 1.0);
        return std::abs(*std::ranges::max_element(gaps, {}, [](double gap) { return std::abs(gap); })) * 100 / 64;
    };
    for (const std::string setup : {"g35", "g100 bgwhite"}) {
        EXPECT_GT(worstgap(setup + " new", ramp), 10) << setup;
        EXPECT_LE(worstgap("new dither", ramp), 10) << setup;
        EXPECT_LE(worstgap("new", radial), 10) << setup;
        const Grid first = picture();
        worstgap("", radial), worstgap("", [](int, int) { return 255; });
        EXPECT_TRUE(picture() == first && worstgap("", [](int, int) { return 0; }) == 0 && click("dither")) << setup;
    }
    EXPECT_EQ(worstgap("g65 new dither", [](int, int) { return 0; }), 0) << "black is ink, not the green as near";
}

// A cell written by any tool shows as the redraw shows it, so an export taken
// with no redraw since the cells were written imports back whole, for every
// model, background and colour.
TEST_F(Files, AnExportImportsBackWholeAndAFailedOneSaysWhyAndLeavesTheOldFile) {
    const std::string path = folder.path("dessin.jpg");  // bitmap data whatever the name says, or it would not come back whole
    for (const std::string model : {"g35", "g65", "g85", "g100"})
        for (const std::string background : {"bgcasio", "bgwhite"}) {
            play(model + " " + background + " new");
            int y = 5;
            // The ink buttons redraw when pressed, so they come first; the shapes
            // take two clicks and no move, which would redraw too.
            for (const PaletteColour& c : ed.currentmodel().palette) {
                if (&c == &ed.currentmodel().palette[0]) continue;
                const std::string at = std::to_string(y) + " ";
                play(std::string(c.button->name) + " Command1 d3," + at + "Command2 d6," + at + "m7," + at + "m9," + at + "d9," + at +
                     "Command6 d13," + at + "m14," + at + "d0,0 Command7 d20," + at + "m22," + at + "d0,0 Command3 d30," + at +
                     "d36," + std::to_string(y + 2) + " Command9 d40," + at + "d46," + std::to_string(y + 3) +
                     " Command10 d60," + at + "d63," + at);
                y += 10;
            }
            const Grid drawn = picture();
            exportfile(path);
            click("new");
            importfile(path);
            EXPECT_TRUE(picture() == drawn && canvas().picture().empty() && platform.messages.empty()) << model << " " << background;
        }

    // A full disk says why and leaves the old file intact (the other failures of
    // the writer are the calculator files' test to show).
    const std::string old = folder.write("ancien.bmp", QByteArray("l'ancien dessin"));
    ondiskfull([&] { exportfile(old); });  // the bitmap is some 200 kB
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Impossible d'enregistrer l'image « " + old + " » : l'écriture a échoué (disque plein ?)."});
    EXPECT_TRUE(readall(old) == "l'ancien dessin" && canvas().picture().empty() && folder.names() == (QStringList{"ancien.bmp", "dessin.jpg"}));
}

// The calculator files and the drawing through the real writer: a folder that
// takes no file, a missing one, a folder's name and a full disk each say why
// and leave nothing behind.
TEST_F(Files, CalculatorFilesThatCannotBeWrittenSayWhyAndLeaveNoFile) {
    platform.onbytes = exchange::writebytes;
    paint(1, 1, 127, 63, [](int x, int y) { return (x + y) % 2 == 0; });  // the checkerboard, some 32 kB
    play("g85 fline tick");
    // A device is written to, not replaced: a copy of /dev/full where we may make one.
    const std::string device = folder.path("full");
    const bool made = mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 7)) == 0;
    const std::tuple<std::string, bool, const char*> cases[] = {
        {"/proc/grafipix.g1m", false, "cet emplacement n'accepte pas l'écriture"},
        {folder.path("absent/grafipix.g1m"), false, "n'existe pas"}, {folder.path("."), false, "c'est le nom d'un dossier"},
        {folder.path("plein.g1m"), true, "l'écriture a échoué (disque plein ?)"},
        {made ? device : "/proc/grafipix.g1m", false, made ? "l'écriture a échoué (disque plein ?)" : "cet emplacement n'accepte pas l'écriture"}};
    for (const auto& [path, full, says] : cases)
        for (const char* command : {"savecalc", "savetext", "exportcalc", "saveas"}) {
            platform.messages.clear();
            platform.inputs = {"1"}, platform.saves = {path};
            full ? ondiskfull([&] { click(command); }) : void(click(command));
            ASSERT_EQ(platform.messages.size(), 1u) << command;
            EXPECT_TRUE(platform.messages[0].starts_with("Impossible d'enregistrer « " + path + " » : ") && platform.messages[0].ends_with(says + std::string(".")))
                << platform.messages[0];
            EXPECT_TRUE(!QFileInfo(QString::fromStdString(path)).isFile() && folder.names().isEmpty()) << command;
        }
}

// The converter's PNG of `file` with these options, or what it says on failure.
int pngof(QStringList args, const std::string& file, std::string& out) {
    Outcome r = convert(args << "--format=png" << QString::fromStdString(file));
    out = r.status ? r.err : r.out;
    return r.status;
}

// grafipix-convert run as a user runs it: the program of the Code window in
// Windows-1252; bad requests exit with their code, say why and leave no output.
TEST_F(Files, ConverterWritesTheProgramAsWindows1252AndBadRequestsLeaveNoOutput) {
    const QString picture = QString::fromStdString(dots({{5, 5, 10, qRgb(0, 0, 255)}, {20, 25, 30, qRgb(255, 0, 0)}, {7, 7, 40, qRgb(0, 255, 0)}}));
    std::string out, err;
    auto run = [&](const QStringList& args) {
        Outcome r = convert(args);
        out = std::move(r.out), err = std::move(r.err);
        return r.status;
    };
    const std::string fa = "ClrGraph\xD9\r\nViewWindow 1,127,0,1,63,0\xD9\r\nF-Line 20,34,25,34\xD9\r\n{5,7}\xE3List 1\xD9\r\n"
                           "{54,24}\xE3List 2\xD9\r\nS-WindMan\xD9\r\nS-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Blue \r\n"
                           "DrawStat\xD9\r\nStoPict 6";
    const QStringList options{"--model", "g85", "--mode=drawstat", "--picture", "9", picture};  // 9 clamped to 6
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(out, fa);
    // (164 characters + 20 for each of the two ink points) x 0.8, and the picture's 4096.
    EXPECT_EQ(err, "Il vous faudra un peu moins de 4259 bytes libres\n");
    const QString output = QString::fromStdString(folder.path("programme.txt"));
    EXPECT_TRUE(run(options + QStringList{output}) == 0 && out.empty());
    EXPECT_EQ(readall(output.toStdString()).toStdString(), fa);
    // Dithered, the red run (70 % dark between the screen green and the ink) loses a cell and the light green point goes.
    EXPECT_TRUE(run({"--dither", "--model=g85", picture}) == 0 && out.ends_with(",0\xD9\r\nPxlOn 10,5\xD9\r\nF-Line 20,34,21,34\xD9\r\nF-Line 23,34,25,34\xD9\r\n")) << out;
    EXPECT_TRUE(run({"--mode", "compact", "--model", "g35", picture}) == 0 && out.ends_with("\nPxlOn 10,5\r\nF-Line 20,34,25,34\r\nPxlOn 40,7\r\n")) << out;
    EXPECT_TRUE(run({"--help"}) == 0 && out.starts_with("Usage : grafipix-convert [--model g35|g65|g85|g100|g35e2|g90|gmath]"));
    EXPECT_TRUE(run({"--version"}) == 0 && out.starts_with("grafipix-convert ")) << out;
    std::string fault;
    EXPECT_EQ(run(options + QStringList{"--format", "g1m", "--name", "IMAGE 1"}), 0);
    const auto objects = g1m::readfile(out, fault);
    ASSERT_TRUE(objects && (*objects)[0].name == "IMAGE 1") << fault;
    const std::string tokens = tokenize(QString::fromLatin1(fa).toStdU16String(), *findmodel("g85")).bytes;
    EXPECT_EQ((*objects)[0].body.substr(10, tokens.size()), tokens);
    EXPECT_EQ(run({"--model=g35", "--format=picture", "--picture=30", picture}), 0);
    EXPECT_TRUE(out.size() == 2124u && g1m::readfile(out, fault).value()[0].name == "PICT20" && g1m::pixel(out.substr(76), 20, 30) && !g1m::pixel(out.substr(76), 21, 31));
    // The PNG is the picture file's cells in the model's ink on the screen green; no number is asked of it.
    EXPECT_TRUE(run({"--model=g35", "--format=png", "--picture=30", picture}) == 0 && err.empty()) << err;
    const QImage png = decoded(out);
    EXPECT_TRUE(png.size() == QSize(127, 63) && fromargb(png.pixel(19, 29)) == blueink && fromargb(png.pixel(20, 30)) == casioback);
    const QString noise = QString::fromStdString(folder.write("bruit.gif", QByteArray(300, '\x07')));
    const std::string kept = folder.write("gardé.txt", QByteArray("déjà là"));
    const QString fresh = QString::fromStdString(folder.path("nouveau.txt"));
    const std::tuple<QStringList, int, const char*> requests[] = {
        {{}, 2, "il manque le fichier image ENTREE"}, {{"--model", "g70", picture, fresh}, 2, "modèle inconnu « g70 »"},
        {{"--mode", "lignes", picture, fresh}, 2, "mode inconnu « lignes » (fline, drawstat ou compact)"},
        {{"--picture", "40000", picture, fresh}, 2, "numéro de picture invalide « 40000 »"},
        {{"--couleur", "bleu", picture, fresh}, 2, "option inconnue « --couleur »"},
        {{picture, fresh, "--model"}, 2, "l'option « --model » attend une valeur"},
        {{"--format", "g1m", picture, fresh}, 2, "le modèle « g65 » ne lit pas les fichiers .g1m"},
        {{"--model=g85", "--format=bmp", picture, fresh}, 2, "format inconnu « bmp » (text, g1m, g3m, picture, g3p, g4p, png ou python)"},
        {{"--model=g85", "--format=g1m", "--name=jeu", picture, fresh}, 2, "Le nom « jeu » ne convient pas"},
        {{noise, QString::fromStdString(kept)}, 1, "ce n'est pas une image dans un format connu (BMP, JPEG, GIF ou PNG)"},
        {{picture, QString::fromStdString(folder.path("absent/sortie.txt"))}, 1, "n'existe pas"},
    };
    for (const auto& [args, status, says] : requests) {
        SCOPED_TRACE(args.join(' ').toStdString());
        EXPECT_EQ(run(args), status);
        EXPECT_TRUE(out.empty() && !QFile::exists(fresh) && readall(kept) == "déjà là");
        EXPECT_NE(err.find(says), std::string::npos) << err;
    }
}

// The drawing as a PNG, decoded by Qt: each pixel the colour the canvas shows
// for its cell, on every model and background, and larger pictures whole.
// The canvas itself as the redraw paints it.
TEST_F(Files, PngOutputEachPixelIsTheCanvasCellAndLargePicturesSpanSeveralBlocks) {
    std::mt19937 random(11);
    for (const Model& model : models())
        for (const std::string background : {"bgwhite", "bgcasio"}) {
            play(std::string(model.name) + " " + (model.casioback ? background : "bgwhite"));
            // The border cells too, which the screen does not show.
            paint(0, 0, picture().maxx(), picture().maxy(), [&](int, int) { return int(random() % model.codes()); });
            std::string error;
            const QImage png = decoded(findoutput("png")->write({.grid = picture(), .model = model, .bgkind = ed.backgroundkind()}, error));
            ASSERT_EQ(png.size(), QSize(model.screen.columns, model.screen.rows)) << model.name << " " << background << " " << error;
            int differ = 0, drawn = 0;
            for (int y = 0; y < png.height(); ++y)
                for (int x = 0; x < png.width(); ++x)
                    differ += fromargb(png.pixel(x, y)) != canvas().pixel(3 * x, 3 * y), drawn += picture().get(x + 1, y + 1) != 0;
            EXPECT_EQ(differ, 0) << model.name << " " << background;
            EXPECT_EQ(pixelsnot(shown(0)), 9 * drawn) << "the redraw paints a cell's 3 x 3 pixels, never a border cell's";
        }
    // Rows past one stored block's 65535 bytes, and a single pixel.
    for (const auto& [width, height] : {std::pair{300, 120}, {1, 1}}) {
        Picture picture{width, height, std::vector<uint32_t>(size_t(width) * height)};
        for (uint32_t& p : picture.pixels) p = 0xFF000000u | (random() & 0xFFFFFFu);
        const QImage png = decoded(encodepng(picture)).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(png.size(), QSize(width, height));
        EXPECT_TRUE(std::equal(picture.pixels.begin(), picture.pixels.end(), reinterpret_cast<const uint32_t*>(png.constBits())))
            << width << " x " << height;
    }
}

// On every model and background, through the file writer: its export a pixel
// a cell is the same file, the converter writes it back whole, and once Qt's
// own writer has compressed it, it opens over another model exactly as one step.
TEST_F(Files, SavedDrawingsOpenBackExactlyAsOneStepOnEveryModel) {
    std::mt19937 random(26);
    platform.onbytes = exchange::writebytes;
    const std::string saved = folder.path("d.png"), exported = folder.path("e.png");
    for (const Model& m : models())
        for (const std::string back : {"bgwhite", "bgcasio"}) {
            const std::string row = m.name + (" " + back), other = &m == &models().back() ? "g90" : models().back().name;
            if (!m.casioback && back == "bgcasio") continue;
            play(row);
            paint(1, 1, m.screen.columns, m.screen.rows, [&](int, int) { return int(random() % m.codes()); });
            const Grid drawn = picture(), empty(findmodel(other)->screen.columns, findmodel(other)->screen.rows);
            platform.saves = {saved, exported}, platform.choices = {2}, platform.opens = {exported};
            play("saveas exportation " + other + " bgwhite new");
            EXPECT_EQ(readall(saved), readall(exported)) << row;
            QProcess convert;
            convert.start(GRAFIPIX_CONVERT, {"--format=png", QString::fromStdString(saved)}), convert.waitForFinished();
            EXPECT_TRUE(&m == &testmodel() || &m == &freetestmodel() || convert.readAllStandardOutput() == readall(saved)) << row;
            ASSERT_TRUE(QImage(QString::fromStdString(saved)).save(QString::fromStdString(exported), "PNG"));
            for (const std::string step : {"open", "undo", "redo"}) {
                play(step);
                const bool undone = step == "undo";
                EXPECT_TRUE(picture() == (undone ? empty : drawn) && ed.currentmodel().name == (undone ? other : m.name) &&
                            ed.backgroundkind() == (undone || back == "bgwhite" ? 1 : 2) && (undone || ed.title().starts_with("e.png - "))) << row << step;
            }
        }
}

// The converter's choices are the dialog's: its PNG is the import of the
// picture with the same choices; bad values say why and exit with 2.
TEST_F(Files, ConverterTakesTheImportChoicesAndRefusesBadValues) {
    QImage photo(400, 300, QImage::Format_RGB32);
    for (int i = 0; i < 400 * 300; ++i) photo.setPixel(i % 400, i / 400, qRgb(i % 400 * 255 / 399, 128 + int(100 * std::sin(i / 400 / 20.0)), i % 256));
    const std::string file = folder.write("photo.png", encoded(photo, "PNG"));
    std::string out, reason;
    const auto run = [&](QStringList args) { return pngof(args, file, out); };
    const Model& g35 = *findmodel("g35");
    Grid expected(g35.screen.columns, g35.screen.rows);
    importpicture(exchange::pixelsof(photo), g35, 2, {.framing = Framing::fill, .threshold = 150, .contrast = 40, .invert = true, .method = Method::ordered}, expected);
    EXPECT_EQ(run({"--model=g35", "--fit", "fill", "--dither", "ordered", "--threshold=150", "--contrast=40", "--invert"}), 0);
    EXPECT_TRUE(out == findoutput("png")->write({.grid = expected, .model = g35, .bgkind = 2}, reason)) << reason;
    for (const auto& [args, says] : {std::pair<QStringList, const char*>{{"--fit", "zoom"}, "cadrage inconnu « zoom » (stretch, fit, fill ou none)"},
                                     {{"--dither=bayer"}, "tramage inconnu « bayer » (none, fs, atkinson ou ordered)"}, {{"--model=g85", "--brightness=9"}, "la luminosité ne vaut que pour"},
                                     {{"--model=g35", "--threshold", "256"}, "seuil invalide « 256 » : un nombre entier de 0 à 255 est attendu"}, {{"--threshold=90"}, "le seuil ne vaut que pour"}})
        EXPECT_TRUE(run(args) == 2 && out.find(says) != std::string::npos) << out;
}

Pixels makepicture(int w, int h, uint32_t (*argb)(int, int, int, int)) {
    std::vector<uint32_t> pixels;
    for (int i = 0; i < w * h; ++i) pixels.push_back(argb(i % w, i / w, w, h));
    return Pixels(w, h, pixels);
}
// Soft blobs with a little noise, as a photo has.
int photo(int x, int y) { return std::clamp(int(128 + 90 * std::sin(x / 9.0) * std::cos(y / 7.0) + (x * 7 + y * 13) % 17 - 8), 0, 255); }

// Fitted, a picture keeps its proportions between bands of back colour equal
// within a cell; filled, it is cropped evenly, and dragged no further than its
// corners.
TEST(ImportFraming, FitKeepsProportionsBetweenEqualBandsAndFillCropsEvenlyUntilDragged) {
    for (const char* name : {"g35", "g90"})
        for (auto [w, h] : {std::pair{400, 300}, {300, 400}, {1600, 900}, {40, 30}}) {
            const Model& m = *findmodel(name);
            const int columns = m.screen.columns, rows = m.screen.rows;
            Grid grid(columns, rows);
            importpicture(makepicture(w, h, [](int, int, int, int) { return 0xFF000000u; }), m, 1, {.framing = Framing::fit}, grid);
            int left = columns, right = 1, top = rows, bottom = 1, drawn = 0;
            for (int i = 0; i < columns * rows; ++i)
                if (const int x = 1 + i % columns, y = 1 + i / columns; grid.get(x, y))
                    left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y), ++drawn;
            const double aspect = double(right - left + 1) / (bottom - top + 1) / (double(w) / h);
            EXPECT_TRUE(std::abs((left - 1) - (columns - right)) + std::abs((top - 1) - (rows - bottom)) <= 1 && (left == 1 || top == 1) &&
                        drawn == (right - left + 1) * (bottom - top + 1) && std::abs(aspect - 1) < 0.02) << name << " " << w << " x " << h << ": " << left << ".." << right << ", " << top << ".." << bottom;
            // A diagonal ramp cropped evenly has its first and last cells as far from mid-grey.
            const Samples framed = framesamples(makepicture(w, h, [](int x, int y, int pw, int ph) { return 0xFF000000u | 0x10101u * uint32_t(255 * (x + y) / (pw + ph - 2)); }),
                                                Framing::fill, columns, rows);
            ImportChoices c{.framing = Framing::fill};
            const auto sample = [&](int offset, int x, int y) { return c.offsetx = c.offsety = offset, placesamples(framed, c, columns, rows).colour[x][y]; };
            EXPECT_TRUE(std::abs(redof(sample(0, 1, 1)) + redof(sample(0, columns, rows)) - 255) <= 4 && sample(-999, 1, 1) == framed.colour[0][0] &&
                        sample(999, columns, rows) == framed.colour.back().back()) << name << " " << w << " x " << h << ": centred, then dragged to each corner";
        }
}

// On the two-colour models each 8 x 8 block of a grey ramp and of a photo
// holds as much ink as it is dark, within 12 points, for every dither. The
// ordered dither gives a part of the screen the cells it has in the whole;
// the default tone changes nothing and inverting is converting the negative;
// every conversion gives the Graph 90+E's eight colours back.
TEST(ImportConversion, DithersKeepTheShadingOrderedIsLocalAndColoursComeBack) {
    std::mt19937 random(27);
    for (const Model& m : models())
        for (int (*source)(int, int) : {+[](int x, int) { return 255 * x / 127; }, &photo}) {
            const int bg = m.casioback ? 2 : 1;
            Samples whole(m.screen.columns + 1, m.screen.rows + 1), part = whole, negative = whole, painted = whole;
            for (int x = 0; x < whole.columns(); ++x)
                for (int y = 0; y < whole.rows(); ++y) {
                    whole.colour[x][y] = m.conversion == Conversion::twocolours ? 0x10101u * source(x, y) : source(x, y) | source(y, x) << 8 | source(x + y, x) << 16;
                    part.colour[x][y] = x < 20 || x > 70 || y < 10 || y > 40 ? random() & 0xFFFFFF : whole.colour[x][y];
                    negative.colour[x][y] = part.colour[x][y] ^ 0xFFFFFF, painted.colour[x][y] = m.shown((x * 3 + y * 5) % m.codes(), bg);
                }
            EXPECT_TRUE(std::ranges::equal(tonecurve({}, m), std::views::iota(0, 256)) && convertsamples(part, m, bg, {.invert = true}) == convertsamples(negative, m, bg, {})) << m.name;
            const auto lum = [&](int code) { const wincolour c = m.shown(code, bg); return 0.299 * redof(c) + 0.587 * greenof(c) + 0.114 * blueof(c); };
            for (const Method method : {Method::threshold, Method::floydsteinberg, Method::atkinson, Method::ordered}) {
                const SampleCodes codes = convertsamples(whole, m, bg, {.method = method}), back = convertsamples(painted, m, bg, {.method = method}),
                                  inpart = convertsamples(part, m, bg, {.method = method});
                for (int x = 1; x <= m.screen.columns; ++x)
                    for (int y = 1; y <= m.screen.rows; ++y) {
                        ASSERT_TRUE(std::string_view(m.name) != "g90" || back[x][y].value_or(0) == (x * 3 + y * 5) % m.codes()) << "method " << int(method);
                        ASSERT_TRUE(method != Method::ordered || x < 20 || x > 70 || y < 10 || y > 40 || inpart[x][y] == codes[x][y]);
                    }
                for (int bx = 1; method != Method::threshold && m.conversion == Conversion::twocolours && bx + 8 <= m.screen.columns; bx += 8)
                    for (int by = 1; by + 8 <= m.screen.rows; by += 8) {
                        double gap = 0;
                        for (int i = 0; i < 64; ++i)
                            gap += (codes[bx + i % 8][by + i / 8] == ink) - std::clamp((lum(0) - source(bx + i % 8, by + i / 8)) / (lum(0) - lum(1)), 0.0, 1.0);
                        ASSERT_LE(std::abs(gap) * 100 / 64, 12) << m.name << " method " << int(method) << " block " << bx << "," << by;
                    }
            }
        }
}

// A photo in colour, twice the Graph 90+E's screen: blobs of each component.
uint32_t colourphoto(int x, int y, int, int) {
    return 0xFF000000u | uint32_t(photo(x / 2, y / 2)) << 16 | uint32_t(photo(y / 2 + 40, x / 2)) << 8 | uint32_t(photo(x / 2 + y / 2, 3 * x / 4));
}

// A scene as a photo shows one: sky, hills and a red ball, each shaded, over a fine grain.
uint32_t scene(int x, int y, int w, int h) {
    const double u = double(x) / w, v = double(y) / h, grain = ((x * 7 + y * 13) % 17 - 8) * 0.5;
    const double hill = 0.55 + 0.08 * std::sin(u * 9.0) + 0.05 * std::cos(u * 23.0), light = 1.0 - 1.6 * std::hypot(u - 0.26, v - 0.4);
    double r, g, b;
    if (std::hypot(u - 0.3, v - 0.45) < 0.14) {
        r = 60 + 190 * light, g = 20 + 40 * light, b = 25 + 30 * light;
    } else if (v > hill) {
        const double shade = 0.6 + 0.4 * std::sin(u * 40.0 + v * 25.0) * std::cos(v * 31.0);
        r = 60 + 50 * shade, g = 90 + 80 * shade - 60 * (v - hill), b = 30 + 20 * shade;
    } else {
        r = 90 + 120 * v, g = 140 + 90 * v, b = 230 - 20 * v;
    }
    auto c = [grain](double t) { return uint32_t(std::clamp(int(t + grain), 0, 255)); };
    return 0xFF000000u | c(r) << 16 | c(g) << 8 | c(b);
}

// With 64 colours chosen for it and Floyd–Steinberg, a photo's 4 x 4 blocks
// are at least twice as near it as with the eight colours of the BASIC; each
// palette has the white back colour first and then exactly the colours asked,
// distinct and as the screen shows them, or the picture's own when it has
// fewer; the same picture gives the same palette; the cells the import leaves
// take the nearest of the new colours.
TEST(ImportPalette, AdaptedColoursDrawAPhotoNearerWithExactlyTheCountAsked) {
    const Model& g90 = *findmodel("g90");
    const int columns = g90.screen.columns, rows = g90.screen.rows;
    const Pixels picture = makepicture(2 * (columns + 1), 2 * (rows + 1), scene);
    const Samples samples = stretchsamples(picture, columns + 1, rows + 1);
    const auto imported = [&](const ImportChoices& c) {
        Grid grid(columns, rows);
        Palette palette(g90.colours());
        importpicture(picture, g90, 1, c, grid, palette);
        return std::pair(grid, palette);
    };
    const auto blockgap = [&](const Grid& grid, const Palette& palette) {
        return blockdistance(grid, palette, [&](int x, int y) { return samples.colour[x][y]; });
    };
    const auto [eight, basic] = imported({.method = Method::floydsteinberg});
    const auto [adapted, chosen] = imported({.method = Method::floydsteinberg, .colours = 64});
    const double eightgap = blockgap(eight, basic), adaptedgap = blockgap(adapted, chosen);
    EXPECT_TRUE(basic == Palette(g90.colours()) && chosen.size() == 64 && 2 * adaptedgap <= eightgap) << adaptedgap << " against " << eightgap;
    EXPECT_TRUE(imported({.method = Method::floydsteinberg, .colours = 64}) == std::pair(adapted, chosen)) << "the same twice";

    // Two reds one step of the screen apart hold the same; white is the back colour.
    std::mt19937 random(64);
    for (const auto& [name, source] : {std::pair<const char*, Pixels>{"scene", picture}, {"blobs", makepicture(760, 376, colourphoto)}, {"few", makepicture(50, 40, [](int x, int y, int, int) {
                                                                                          const uint32_t c[] = {0xFFFF0000u, 0xFFFE0101u, 0xFF00FF00u, 0xFF102030u, 0xFFFFFFFFu};
                                                                                          return c[(x * 7 + y * 3) % 5]; })},}) {
        std::set<wincolour> held{whiteback};
        const Samples s = stretchsamples(source, columns + 1, rows + 1);
        for (int x = 1; x <= columns; ++x)
            for (int y = 1; y <= rows; ++y) held.insert(g90.held(s.colour[x][y]));
        for (const int count : {2, 16, 64, 256}) {
            Grid grid(columns, rows);
            Palette palette(g90.colours());
            const Method method = name == std::string_view("few") ? Method::threshold : Method(random() % 4);
            importpicture(source, g90, 1, {.method = method, .colours = count}, grid, palette);
            const std::set<wincolour> distinct(palette.begin(), palette.end());
            EXPECT_TRUE(palette.size() == std::min(size_t(count), held.size()) && distinct.size() == palette.size() && palette[0] == whiteback &&
                        std::ranges::all_of(palette, [&](wincolour c) { return g90.held(c) == c; }))
                << name << " " << count << ": " << palette.size() << " of " << held.size();
            bool exact = true;  // with room for every colour, a drawing in a few colours comes back
            for (int x = 1; x <= columns; ++x)
                for (int y = 1; y <= rows; ++y) exact = exact && palette[size_t(grid.get(x, y))] == g90.held(s.colour[x][y]);
            EXPECT_TRUE(exact || method != Method::threshold || held.size() > size_t(count)) << name << " " << count;
        }
    }

    // Fitted, the wide photo leaves bands at the top and bottom, drawn in a grey the palettes lack.
    Grid drawn(columns, rows);
    for (int x = 1; x <= columns; ++x) drawn.set(x, 1, 8), drawn.set(x, rows, 3);
    Palette old(g90.colours());
    old.push_back(0x707A80);
    const Pixels wide = makepicture(800, 200, colourphoto);
    for (const int count : {0, 32}) {
        Grid cells = drawn;
        Palette palette = old;
        importpicture(wide, g90, 1, {.framing = Framing::fit, .colours = count}, cells, palette);
        EXPECT_TRUE(cells.get(5, 1) == nearestof(old[8], palette) && cells.get(5, rows) == nearestof(old[3], palette) && (count || cells.get(5, rows) == 3) &&
                    palette[size_t(cells.get(5, 1))] != old[8]) << count;
    }
}

// A JPEG far larger than the screen decodes shrunk, and every framing samples
// it within a few levels of the whole picture; other formats decode whole.
TEST(ImportDecoding, AShrunkJpegSamplesLikeTheWholePictureInEveryFraming) {
    QImage large(2400, 1800, QImage::Format_RGB32);
    for (int y = 0; y < large.height(); ++y)
        for (int x = 0; x < large.width(); ++x) large.setPixel(x, y, qRgb(photo(x / 12, y / 12), photo(y / 9 + 40, x / 15), (x / 10 + y / 10) % 256));
    for (const char* format : {"JPEG", "PNG"}) {
        const QByteArray bytes = encoded(large, format);
        QImage whole;
        std::string reason;
        ASSERT_TRUE(exchange::decodepicture(bytes, whole, reason)) << reason;
        for (const char* name : {"g35", "g90"}) {
            const Model& m = *findmodel(name);
            const int columns = m.screen.columns, rows = m.screen.rows;
            QImage shrunk;
            ASSERT_TRUE(exchange::decodepicture(bytes, shrunk, reason, QSize(columns + 1, rows + 1))) << reason;
            EXPECT_EQ(shrunk.width() < whole.width(), std::string_view(format) == "JPEG") << format << " " << name << " " << shrunk.width();
            for (const Framing framing : {Framing::stretch, Framing::fit, Framing::fill}) {
                const Samples a = framesamples(exchange::pixelsof(whole), framing, columns, rows), b = framesamples(exchange::pixelsof(shrunk), framing, columns, rows);
                ASSERT_TRUE(a.columns() == b.columns() && a.rows() == b.rows()) << name << " framing " << int(framing);
                double sum = 0;
                for (int x = 0; x < a.columns(); ++x)
                    for (int y = 0; y < a.rows(); ++y)
                        for (const int shift : {0, 8, 16}) sum += std::abs(int(a.colour[x][y] >> shift & 0xFF) - int(b.colour[x][y] >> shift & 0xFF));
                EXPECT_LE(sum / (3.0 * a.columns() * a.rows()), 2.0) << format << " " << name << " framing " << int(framing);
            }
        }
    }
}

// "--colours" gives the drawing a palette chosen for the picture, as the
// import does, on the free palettes alone; other values say why and exit with 2.
TEST_F(Files, ConverterTakesAPaletteOfThePicturesColoursOnFreePalettesOnly) {
    const QImage photo = QImage(reinterpret_cast<const uchar*>(makepicture(400, 300, colourphoto).row(0)), 400, 300, QImage::Format_RGB32).copy();
    const std::string file = folder.write("photo.png", encoded(photo, "PNG"));
    std::string out, reason;
    const auto run = [&](QStringList args) { return pngof(args, file, out); };
    const Model& g90 = *findmodel("g90");
    Grid expected(g90.screen.columns, g90.screen.rows);
    Palette palette(g90.colours());
    importpicture(exchange::pixelsof(photo), g90, 1, {.method = Method::atkinson, .colours = 48}, expected, palette);
    EXPECT_EQ(run({"--model=g90", "--dither=atkinson", "--colours", "48"}), 0);
    PictureFile read;
    ASSERT_TRUE(exchange::decodepicturefile(out, read, reason)) << reason;
    const std::optional<SavedDrawing> drawing = saveddrawing(read);
    EXPECT_TRUE(drawing && drawing->cells == expected && drawing->palette == palette && palette.size() == 48);
    for (const auto& [args, says] : {std::pair<QStringList, const char*>{{"--model=g35", "--colours=16"}, "le nombre de couleurs ne vaut que pour les modèles à palette libre (g90 ou gmath), pas pour « g35 »"},
                                     {{"--colours=16"}, "pas pour « g65 »"}, {{"--model=g90", "--colours=1"}, "nombre de couleurs invalide « 1 » : un nombre entier de 2 à 256 est attendu"},
                                     {{"--model=g90", "--colours", "257"}, "de 2 à 256"}, {{"--model=g90", "--colours=beaucoup"}, "invalide « beaucoup »"}})
        EXPECT_TRUE(run(args) == 2 && out.find(says) != std::string::npos) << out;
}

// The `*` marks what the file lacks: undo back to the saved cells clears it,
// a save the full disk fails keeps it and the file; "Nouveau" leaves no file.
TEST_F(Files, TheTitleMarksChangesTheFileLacksThroughUndoAndAFailedSave) {
    platform.onbytes = exchange::writebytes;
    const std::string path = folder.path("b.png");
    platform.saves = {path};
    std::vector<std::string> titles;
    for (const std::string step : {"", "d10,10", "save", "d20,20", "undo", "redo", "save", "new", "undo"}) {
        step == "save" && titles.size() > 3 ? ondiskfull([&] { play(step); }) : play(step);
        titles.push_back(ed.title().substr(0, ed.title().find(" - ")));
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"Sans titre", "Sans titre*", "b.png", "b.png*", "b.png", "b.png*", "b.png*", "Sans titre", "Sans titre*"}));
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Impossible d'enregistrer « " + path + " » : l'écriture a échoué (disque plein ?)."});
    platform.opens = {path};
    play("open");
    EXPECT_TRUE(setcells(picture()) == (Cells{{10, 10}}) && ed.title().starts_with("b.png - "));
}

// The last eight files opened or saved, most recent first, kept between runs;
// one whose file has gone says so and leaves the list.
TEST_F(Files, RecentFilesKeepTheLastEightAndLoseOneThatHasGone) {
    platform.onbytes = exchange::writebytes;
    const auto f = [this](int n) { return folder.path("f" + std::to_string(n)); };
    for (int n = 0; n < 10; ++n) platform.saves = {f(n)}, play("saveas");
    platform.opens = {f(3)};
    play("open");
    std::vector<std::string> expected{f(3), f(9), f(8), f(7), f(6), f(5), f(4), f(2)};
    FakePlatform again;
    again.recent = platform.recent;
    Editor next(again);
    next.handle(Event::load());
    EXPECT_TRUE(next.recentfiles() == expected && next.menu("recent8")->caption == "8 " + f(2));
    QFile::remove(QString::fromStdString(f(9)));
    play("recent2");
    EXPECT_EQ(platform.messages.back(), "Le dessin « " + f(9) + " » n'existe plus ; il est retiré des dessins récents.");
    expected.erase(expected.begin() + 1);
    EXPECT_TRUE(platform.recent == expected && !menu("recent8").visible && !click("recent8"));
}

// Another picture of the screen in this model's colours, on either
// background, maps cell for cell; one in colours the model lacks goes through
// the import onto an empty drawing; a file that is no picture changes nothing.
TEST_F(Files, OtherPicturesMapCellForCellOrGoThroughTheImport) {
    paint(1, 1, 127, 63, [](int x, int y) { return x * y % 4; });
    const Grid drawn = picture();
    std::string error;
    PictureFile read;
    exchange::decodepicturefile(findoutput("png")->write({.grid = drawn, .model = ed.currentmodel(), .bgkind = 1}, error), read, error);
    const std::string other = folder.write("autre.png", QByteArray::fromStdString(encodepng(read.picture, {{"Grafipix modele", "g999"}})));
    platform.opens = {other, folder.write("bruit.png", "pas une image"), other};
    play("new open");
    EXPECT_TRUE(picture() == drawn && ed.backgroundkind() == 2 && ed.title().starts_with("Sans titre* - ") && platform.log.back() != "show Apercu");
    play("open");
    EXPECT_TRUE(picture() == drawn && platform.messages.back().ends_with("ce n'est pas une image dans un format connu (BMP, JPEG, GIF ou PNG)."));
    paint(1, 1, 127, 63, ink);
    play("g35 open");
    // The white cells, which the import skips, are empty: the ink under them
    // went. The run's choices are taken without the import's dialog.
    EXPECT_TRUE(setcells(picture()) == setcells(drawn) && platform.log.back() == "show Apercu" && platform.dialogs == 0);
}

}  // namespace
}  // namespace grafipix::testing
