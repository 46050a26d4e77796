// Import and export with real picture files: the conversion, what a failure
// says and leaves, what the export writes, and an export read back.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <csignal>
#include <tuple>

#include "exchange/image_exchange.h"
#include "exchange/picture_io.h"
#include "models/colour_buttons.h"
#include "tests/support/editor_fixture.h"
#include "tests/support/picture_files.h"

namespace grafipix {
namespace {

using testing::encoded;
using testing::readall;

constexpr wincolour rgb(int r, int g, int b) { return static_cast<wincolour>(r | g << 8 | b << 16); }

class Files : public testing::EditorTest {
protected:
    Files() {
        platform.onload = [](const std::string& path, Samples& out, std::string& error) {
            return exchange::loadsamples(path, out, error);
        };
        platform.onsave = exchange::writebitmap;
    }
    void importfile(const std::string& path) { platform.opens.push_back(path), click("importation"); }
    void exportfile(const std::string& path) { platform.messages.clear(), platform.saves.push_back(path), click("exportation"); }
    std::string bmp(const QImage& img) { return folder.write("image.bmp", encoded(img, "BMP")); }
    QStringList files() const { return QDir(QString::fromStdString(folder.root())).entryList(QDir::Files); }
    testing::TempFolder folder;
};

TEST(SampleCode, FlatColoursFollowTheConversionTable) {
    const int skipped = -1;
    const std::tuple<const char*, wincolour, int, int> rows[] = {  // three colours, two colours
        {"pure blue", rgb(0, 0, 255), ink, ink},          {"pure red", rgb(255, 0, 0), orange, ink},
        {"pure green", rgb(0, 255, 0), green, ink},       {"yellow", rgb(255, 255, 0), orange, ink},
        {"mid-grey", rgb(128, 128, 128), ink, skipped},   {"white", rgb(255, 255, 255), skipped, skipped},
        {"screen green", casioback, skipped, skipped},
    };
    for (const auto& [name, colour, three, two] : rows) {
        EXPECT_EQ(samplecode(colour, true).value_or(skipped), three) << name << ", three colours";
        EXPECT_EQ(samplecode(colour, false).value_or(skipped), two) << name << ", two colours";
    }
}

// Samples the import skips keep the drawing; the colour in use comes back
// after the import; a large picture is averaged over each cell.
TEST_F(Files, SkippedSamplesKeepTheDrawingTheColourStaysAndFinePicturesAverage) {
    paint(10, 10, 10, 10, orange);
    paint(20, 20, 20, 20, green);
    click("pressorange");
    // White is skipped; nothing shows column or row 0; the last sample is not the chosen colour.
    QImage dots(128, 64, QImage::Format_RGB32);
    dots.fill(qRgb(255, 255, 255));
    for (auto [x, y, c] : {std::tuple{20, 20, 0u}, {0, 5, 0u}, {5, 0, 0u}, {127, 63, qRgb(0, 255, 0)}}) dots.setPixel(x, y, c);
    importfile(bmp(dots));
    EXPECT_EQ(rows(10, 10, 1, 1) + rows(20, 20, 1, 1) + rows(127, 63, 1, 1), "312");
    EXPECT_EQ(testing::setcells(ed.pixelgrid).size(), 3u);
    EXPECT_TRUE(cellis(127, 63, greenink) && platform.shown.count(Window::Apercu));
    EXPECT_EQ(std::pair(ed.curcolor, ed.Picture1.forecolor()), std::pair(int16_t(orange), orangeink));
    EXPECT_EQ(platform.filters, std::vector<std::string>{"Images|*.bmp;*.jpg;*.jpeg;*.gif;*.png"});

    QImage fine(1280, 640, QImage::Format_RGB32);  // each cell averages single-pixel blue and white
    for (int y = 0; y < 640; ++y)
        for (int x = 0; x < 1280; ++x) fine.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 255) : qRgb(255, 255, 255));
    Samples s;
    std::string reason;
    ASSERT_TRUE(exchange::loadsamples(bmp(fine), s, reason)) << reason;
    for (auto [x, y] : {std::pair{1, 1}, {127, 63}})
        EXPECT_TRUE(std::abs(redof(s.colour[x][y]) - 128) <= 2 && blueof(s.colour[x][y]) >= 254) << x << "," << y;
}

TEST_F(Files, AFileThatIsNoPictureIsNamedWithItsReasonAndChangesNothing) {
    paint(9, 9, 9, 9, green);
    play("bgwhite pressorange");
    auto state = [this] { return std::tuple(ed.doc, ed.Picture1.image(), ed.Picture1.picture(), ed.curcolor, ed.Picture1.forecolor()); };
    const auto before = state();
    const std::string path = folder.write("image.bmp", QByteArray(4000, '\x07'));
    importfile(path);
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Impossible d'importer l'image « " + path +
                                                          " » : ce n'est pas une image dans un format connu (BMP, JPEG, GIF ou PNG)."});
    EXPECT_TRUE(state() == before);
    EXPECT_FALSE(platform.shown.count(Window::Apercu));
}

// A cell written by any tool shows as the redraw shows it, so an export taken
// with no redraw since the cells were written imports back whole, for every
// model, background and colour.
TEST_F(Files, AnExportImportsBackToItsCellsForEveryToolColourBackgroundAndModel) {
    const std::string path = folder.path("dessin.jpg");
    exportfile(path);
    const QImage empty(QString::fromStdString(path), "BMP");  // bitmap data, whatever the name says
    ASSERT_EQ(empty.size(), QSize(Canvas::width, Canvas::height));
    EXPECT_TRUE(empty.pixel(200, 100) == toargb(casioback) && ed.Picture1.picture() == ed.Picture1.image());
    for (const std::string model : {"g35", "g65", "g85", "g100"})
        for (const std::string background : {"bgcasio", "bgwhite"}) {
            play(model + " " + background + " new");
            int y = 5;
            // The ink buttons redraw when pressed, so they come first; the shapes
            // take two clicks and no move, which would redraw too.
            for (const ColourButton& c : colourbuttons()) {
                if (c.code == 0 || !ed.button(c.name)->visible) continue;
                const std::string at = std::to_string(y) + " ";
                play(std::string(c.name) + " Command1 d3," + at + "Command2 d6," + at + "m7," + at + "m9," + at + "d9," + at +
                     "Command6 d13," + at + "m14," + at + "d0,0 Command7 d20," + at + "m22," + at + "d0,0 Command3 d30," + at +
                     "d36," + std::to_string(y + 2) + " Command9 d40," + at + "d46," + std::to_string(y + 3) +
                     " Command10 d60," + at + "d63," + at);
                y += 10;
            }
            const Grid drawn = ed.pixelgrid;
            exportfile(path);
            ASSERT_TRUE(platform.messages.empty()) << platform.messages[0];
            click("new");
            importfile(path);
            EXPECT_EQ(testing::setcells(ed.pixelgrid), testing::setcells(drawn)) << model << " " << background;
            EXPECT_TRUE(ed.pixelgrid == drawn && ed.Picture1.picture().empty()) << model << " " << background;
        }
    EXPECT_EQ(files(), QStringList{"dessin.jpg"});
}

TEST_F(Files, AFullDiskOrMissingFolderSaysWhyAndLeavesTheOldFileIntact) {
    const std::string old = folder.write("ancien.bmp", QByteArray("l'ancien dessin"));
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;  // the bitmap is some 200 kB; root is not exempt
    setrlimit(RLIMIT_FSIZE, &small);
    exportfile(old);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(platform.messages, std::vector<std::string>{exchangetexts::exportfailed(old, "l'écriture a échoué (disque plein ?)")});
    EXPECT_EQ(readall(old), "l'ancien dessin");
    EXPECT_TRUE(ed.Picture1.picture().empty());
    EXPECT_EQ(files(), QStringList{"ancien.bmp"});

    // A missing folder is named, and no success is reported.
    exportfile(folder.path("absent/dessin.bmp"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("n'existe pas"), std::string::npos) << platform.messages[0];
    EXPECT_TRUE(ed.Picture1.picture().empty());
}

}  // namespace
}  // namespace grafipix
