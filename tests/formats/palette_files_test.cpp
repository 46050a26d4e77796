// SPDX-License-Identifier: GPL-3.0-or-later
// A free palette kept by the files: the drawing's PNG holds its palette and
// codes exactly, two codes of one colour included, through Qt's own writer
// too; "Ouvrir" brings it back as one step; the drawing kept between runs
// keeps it.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <random>

#include "formats/outputs.h"
#include "formats/picture_io.h"
#include "tests/support/editor_fixture.h"
#include "tests/support/picture_files.h"
#include "tests/support/test_model.h"

namespace grafipix::testing {
namespace {

// A palette of `n` colours as the screen shows them, some repeated.
Palette randompalette(std::mt19937& random, size_t n) {
    Palette p{whiteback};
    while (p.size() < n) p.push_back(random() % 5 == 0 ? p[random() % p.size()] : on565(random() & 0xFFFFFF));
    return p;
}

std::optional<SavedDrawing> readback(const std::string& bytes) {
    PictureFile read;
    std::string reason;
    if (!exchange::decodepicturefile(bytes, read, reason)) return std::nullopt;
    return saveddrawing(read);
}

TEST(PaletteFiles, TheDrawingsPngHoldsItsPaletteAndCodesExactly) {
    std::mt19937 random(34);
    for (const Model* m : {&freetestmodel(), findmodel("g90")})
        for (const size_t n : {size_t(2), size_t(3), size_t(17), size_t(200), size_t(256)}) {
            const Palette colours = randompalette(random, n);
            Grid cells(m->screen.columns, m->screen.rows);
            for (int y = 1; y <= cells.rows(); ++y)
                for (int x = 1; x <= cells.columns(); ++x) cells.set(x, y, int16_t(random() % n));
            std::string error;
            const std::string bytes = findoutput("png")->write({.grid = cells, .model = *m, .bgkind = 1, .palette = colours}, error);
            // Qt's writer keeps an indexed picture indexed, its table in order.
            QByteArray again;
            QBuffer buffer(&again);
            QImage::fromData(QByteArray::fromStdString(bytes), "PNG").save(&buffer, "PNG");
            for (const std::string& file : {bytes, again.toStdString()}) {
                const std::optional<SavedDrawing> saved = readback(file);
                ASSERT_TRUE(saved.has_value()) << m->name << " " << n;
                EXPECT_TRUE(saved->model == m && saved->palette == colours && saved->cells == cells) << m->name << " " << n;
            }
        }
    // A table whose back colour is not white is not a palette of ours: the
    // pixels are read as the model's colours, as a file of earlier versions.
    const Model& m = freetestmodel();
    Grid cells(m.screen.columns, m.screen.rows);
    std::string error;
    const Palette black{0x000000, 0xFFFFFF};
    const std::optional<SavedDrawing> read = readback(findoutput("png")->write({.grid = cells, .model = m, .bgkind = 1, .palette = black}, error));
    ASSERT_TRUE(read.has_value());
    EXPECT_TRUE(read->palette == Palette(m.colours()) && read->cells.get(1, 1) == ink && read->cells.get(m.screen.columns, m.screen.rows) == ink);
}

class PaletteKept : public EditorTest {
protected:
    PaletteKept() {
        platform.onbytes = exchange::writebytes;
        platform.onread = exchange::readpicturefile;
    }
    TempFolder folder;
};

// Opened over another model, one step takes back the model, its palette and
// its cells; saved again, the file is the same bytes.
TEST_F(PaletteKept, OpenIsOneStepAndSavingAgainWritesTheSameFile) {
    std::mt19937 random(340);
    play("free");
    platform.colourpicks = {};
    for (int k = 0; k < 100; ++k) platform.colourpicks.push_back(random() & 0xFFFFFF);
    while (!platform.colourpicks.empty()) play("addcolour");
    paint(1, 1, 150, 80, [&](int, int) { return int(random() % palette().size()); });
    const Grid drawn = picture();
    const Palette colours = palette();
    const std::string path = folder.path("libre.png"), copy = folder.path("copie.png");
    platform.saves = {path, copy}, platform.opens = {path};
    play("saveas g65 open");
    EXPECT_TRUE(picture() == drawn && palette() == colours && ed.currentmodel().name == std::string("free") && !ed.unsaved());
    play("undo");
    EXPECT_TRUE(palette().empty() && ed.currentmodel().name == std::string("g65"));
    play("redo saveas");
    EXPECT_EQ(readall(path), readall(copy));
}

// The drawing kept on the way out names its palette where it is the
// drawing's own; a fixed palette's drawing is kept as before.
TEST_F(PaletteKept, TheKeptDrawingKeepsItsPalette) {
    platform.colourpicks = {0x336699, 0x884422, 0x00FF00};
    play("free addcolour d5,5 addcolour d6,6 swatch2 editcolour d7,7");
    const Grid drawn = picture();
    const Palette colours = palette();
    play("exit");
    EXPECT_TRUE(platform.kept.starts_with("Grafipix dessin 3\nffffff,000000,00ff00,0000ff,")) << platform.kept.substr(0, 80);
    FakePlatform next;
    next.kept = platform.kept;
    Editor again(next);
    again.handle(Event::load());
    again.handle(Event::click("free"));
    again.handle(Event::click("reopen"));
    EXPECT_TRUE(again.picture() == drawn && again.drawingpalette() == colours);
    // Reopened on a fixed palette, the colours it lacks become the ink.
    again.handle(Event::click("g35"));
    again.handle(Event::click("reopen"));
    EXPECT_TRUE(again.picture().get(5, 5) == ink && again.picture().get(7, 7) == ink && again.drawingpalette().empty());
    play("g35 d5,5 exit");
    EXPECT_TRUE(platform.kept.starts_with("Grafipix dessin 1\n"));
}

}  // namespace
}  // namespace grafipix::testing
