// SPDX-License-Identifier: GPL-3.0-or-later
// The Graph Math+, the pictures taken from the calculators opened as
// drawings, and the outputs measured against what each model's calculators
// hold, through the editor and through the converter.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "codegen/tokens.h"
#include "formats/colour_picture.h"
#include "formats/g1m.h"
#include "formats/import_framing.h"
#include "formats/memory_fit.h"
#include "formats/outputs.h"
#include "formats/picture_io.h"
#include "tests/support/block_distance.h"
#include "tests/support/converter.h"
#include "tests/support/editor_fixture.h"
#include "tests/support/picture_files.h"

namespace grafipix::testing {
namespace {

class Calculators : public EditorTest {
protected:
    Calculators() {
        platform.onbytes = exchange::writebytes;
        platform.onread = exchange::readpicturefile;
    }
    // The drawing as a file of the output of that name, through the editor's own writer.
    std::string written(const char* output, const std::string& name) {
        std::string error;
        const std::vector<wincolour> colours = ed.colours();
        const OutputSource source{.grid = picture(), .model = ed.currentmodel(), .bgkind = ed.backgroundkind(),
                                  .palette = ed.currentmodel().freepalette() ? std::span<const wincolour>(colours) : std::span<const wincolour>()};
        return folder.write(name, QByteArray::fromStdString(findoutput(output)->write(source, error)));
    }
    // What each cell shows, to compare drawings whose codes may be numbered apart.
    std::vector<wincolour> looks() const {
        std::vector<wincolour> out;
        for (int y = 1; y <= picture().rows(); ++y)
            for (int x = 1; x <= picture().columns(); ++x) out.push_back(shown(picture().get(x, y)));
        return out;
    }
    TempFolder folder;
};

TEST_F(Calculators, TheGraphMathPlusHasPythonOnly) {
    play("gmath");
    EXPECT_TRUE(picture().columns() == 384 && picture().rows() == 192 && ed.backgroundkind() == 1 && ed.palettepanel());
    EXPECT_TRUE(!menu("fline").enabled && !menu("drawstat").enabled && !menu("compact").enabled && menu("python").enabled &&
                menu("exportcalc").enabled);
    EXPECT_TRUE(!click("fline") && click("python"));
    EXPECT_EQ(Editor::openingzoom(ed.currentmodel().screen), 1) << "the canvas and the controls fit 1280 x 800 at x1";
    const std::string image = folder.write("i.png", encoded(QImage(40, 30, QImage::Format_RGB32), "PNG"));
    for (const QStringList& basic : {QStringList{}, {"--format=text"}, {"--format=g1m"}, {"--format=g3m"}, {"--mode=compact", "--format=python"}}) {
        const Outcome r = convert(QStringList{"--model=gmath", QString::fromStdString(image)} + basic);
        EXPECT_TRUE(r.status == 2 && r.out.empty() && r.err.find("le modèle « gmath » n'a pas de Basic (--format g4p, png ou python)") != std::string::npos)
            << basic.join(' ').toStdString() << r.err;
    }
    for (const char* taken : {"--format=python", "--format=png", "--format=g4p"})
        EXPECT_EQ(convert({"--model=gmath", taken, QString::fromStdString(image)}).status, 0) << taken;
}

// A picture written for a calculator opens as a drawing of its model, as one
// step, whatever the model in use; a .g1m picture stays on a model that takes
// them; a damaged one says why and changes nothing.
TEST_F(Calculators, CalculatorPicturesOpenAsDrawings) {
    std::mt19937 random(34);
    for (const char* name : {"g90", "gmath"}) {
        play(name);
        platform.colourpicks = {0x2468AC};
        play("addcolour");
        paint(1, 1, picture().columns(), picture().rows(), [&](int x, int y) { return (x * y + int(random() % 3)) % ed.codes(); });
        const std::vector<wincolour> drawn = looks();
        const std::string file = written(std::string(name) == "g90" ? "g3p" : "g4p", std::string("Pict01.") + (name[1] == '9' ? "g3p" : "g4p"));
        platform.opens = {file};
        play("g65 open");
        EXPECT_TRUE(ed.currentmodel().name == std::string(name) && looks() == drawn && ed.title().starts_with("Sans titre*")) << name;
        play("undo");
        EXPECT_EQ(ed.currentmodel().name, std::string("g65"));
        // The converter reads it as the same drawing.
        const Outcome back = convert({"--format=png", QString::fromStdString(file)});
        PictureFile read;
        std::string reason;
        ASSERT_TRUE(exchange::decodepicturefile(back.out, read, reason)) << reason << back.err;
        EXPECT_TRUE(saveddrawing(read) && saveddrawing(read)->model == findmodel(name));
    }
    play("g35");
    paint(1, 1, 127, 63, [](int x, int y) { return (x + y) % 5 == 0; });
    const Grid drawn = picture();
    const std::string g1mfile = written("picture", "PICT1.g1m");
    platform.opens = {g1mfile, g1mfile};
    play("g85 new open");
    EXPECT_TRUE(ed.currentmodel().name == std::string("g85") && picture() == drawn);
    play("g90 open");
    EXPECT_TRUE(ed.currentmodel().name == std::string("g35e2") && picture() == drawn);
    // Damage: the stream cut short, then a file holding no picture.
    std::string g3p = readall(written("g3p", "bon.g3p")).toStdString();
    g3p[0xE0] = char(g3p[0xE0] ^ 0x77);
    const std::string damaged = folder.write("abime.g3p", QByteArray::fromStdString(g3p));
    const std::string program = folder.write("prog.g1m", QByteArray::fromStdString(g1m::writefile({g1m::programobject("A", "\x0D")})));
    const Grid before = picture();
    platform.opens = {damaged, program};
    play("open open");
    EXPECT_TRUE(picture() == before && ed.currentmodel().name == std::string("g35e2"));
    ASSERT_GE(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[platform.messages.size() - 2], "Impossible d'ouvrir « " + damaged + " » : les données de l'image sont endommagées ou illisibles.");
    EXPECT_EQ(platform.messages.back(), "Impossible d'ouvrir « " + program + " » : ce fichier ne contient aucune picture.");
}

// A picture of more colours than a drawing holds comes in with a palette
// adapted to it, dithered: its 4 x 4 blocks keep their colour.
TEST(CalculatorPictures, MoreColoursThanThePaletteHoldsKeepTheirLook) {
    const Model& g90 = *findmodel("g90");
    casiopicture::Pixels565 photo{casiopicture::width, casiopicture::height, {}};
    for (int y = 0; y < photo.height; ++y)
        for (int x = 0; x < photo.width; ++x)
            photo.pixels.push_back(rgb565(rgbcolour(x * 255 / 383, (x + 2 * y) % 256, int(127 + 120 * std::sin(x * y * 0.0007)))));
    PictureFile read;
    std::string reason;
    ASSERT_TRUE(exchange::decodepicturefile(casiopicture::write(photo, casiopicture::Layout::cp), read, reason)) << reason;
    const std::optional<SavedDrawing> drawing = saveddrawing(read);
    ASSERT_TRUE(drawing && drawing->model == &g90 && drawing->palette.size() == 256);
    const auto distance = [&](const Grid& cells, const std::vector<wincolour>& colours) {
        return blockdistance(cells, colours, [&](int x, int y) { return from565(photo.pixels[size_t(y - 1) * casiopicture::width + size_t(x - 1)]); });
    };
    // The same picture dithered in the eight colours of the BASIC.
    ImportChoices eight;
    eight.framing = Framing::fit, eight.method = Method::floydsteinberg;
    Grid cells(g90.screen.columns, g90.screen.rows);
    Palette colours = g90.colours();
    importpicture(Pixels(g90.screen.columns, g90.screen.rows, read.picture.pixels), g90, 1, eight, cells, colours);
    const double adapted = distance(drawing->cells, drawing->palette), basic = distance(cells, colours);
    EXPECT_LT(adapted * 2, basic) << adapted << " against " << basic;
}

// Every model and every output it takes: a small drawing fits and nothing is
// said; a photo's program fits or not by what the calculator holds, measured
// here from the file itself, and the converter's exit code and line follow,
// as the Code window's red line does.
TEST_F(Calculators, EachOutputIsMeasuredAgainstItsModelsLimits) {
    QImage photo(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) photo.setPixel(x, y, qRgb(x * 255 / 300, (x * y / 5) % 256, y * 255 / 200));
    const QString big = QString::fromStdString(folder.write("photo.png", encoded(photo, "PNG")));
    QImage dot(40, 30, QImage::Format_RGB32);
    dot.fill(Qt::white), dot.setPixel(3, 4, qRgb(0, 0, 0));
    const QString small = QString::fromStdString(folder.write("point.png", encoded(dot, "PNG")));
    int over = 0;
    for (const Model& m : models()) {
        if (m.name == std::string("test") || m.name == std::string("free")) continue;
        for (const Output& o : outputs()) {
            if (!o.takes(m)) continue;
            const std::string row = std::string(m.name) + " " + o.name;
            const Outcome tiny = convert({"--model", m.name, "--format", o.name, small});
            EXPECT_TRUE(tiny.status == 0 && tiny.err.find("ne tient pas") == std::string::npos) << row << tiny.err;
            const Outcome full = convert({"--model", m.name, "--format", o.name, "--dither", big});
            long size = 0, most = 0;
            std::string fault;
            if (std::string_view(o.name) == "g1m" || std::string_view(o.name) == "g3m")
                size = long(g1m::readfile(full.out, fault).value().at(0).body.size()), most = m.programmemory;
            else if (std::string_view(o.name) == "text")
                size = calculatorsize(QString::fromLatin1(full.out.data(), qsizetype(full.out.size())).toStdU16String(), m), most = m.programmemory;
            else if (std::string_view(o.name) == "python")
                size = long(full.out.size()), most = m.scriptmost;
            const bool toolarge = most > 0 && size > most;
            over += toolarge;
            EXPECT_EQ(full.status, toolarge ? 3 : 0) << row << " " << size << " " << full.err;
            EXPECT_EQ(full.err.find(groupeddigits(size) + " octets pour ") != std::string::npos, toolarge) << row << full.err;
        }
    }
    EXPECT_GE(over, 2) << "the photo's program goes over on the Graph 90+E, in text and .g3m, and its script fits";
    // The Code window says what the converter says, in its red line.
    platform.onpicture = [&](const std::string&, Pixels& out, std::string& error) { return exchange::loadpixels(big.toStdString(), out, error); };
    platform.opens = {"photo"}, platform.inputs = {"0"};
    play("g90 dither importation fline tick");
    const Outcome text = convert({"--model=g90", "--dither", big});
    EXPECT_TRUE(!codeform().toolarge.empty() && text.err.find(codeform().toolarge) != std::string::npos) << codeform().toolarge << "\n" << text.err;
    EXPECT_NE(codeform().toolarge.find(" Le script Python ("), std::string::npos);
    play("python tick");
    EXPECT_TRUE(codeform().toolarge.empty());
}

}  // namespace
}  // namespace grafipix::testing
