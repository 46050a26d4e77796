// SPDX-License-Identifier: GPL-3.0-or-later
// The Graph 90+E: its programs redrawn by the interpreter, its .g3m against
// header bytes worked out by hand and the calculators' own files, and what
// the converter refuses.

#include <gtest/gtest.h>

#include <QDir>
#include <random>

#include "app/editor.h"
#include "calculator/model_table.h"
#include "codegen/calc_interpreter.h"
#include "codegen/generator.h"
#include "formats/g1m.h"
#include "tests/support/fake_platform.h"
#include "tests/support/converter.h"
#include "tests/support/picture_files.h"

namespace grafipix {
namespace {

// Random runs in all eight colours, sparse to dense. The interpreter wants a
// word of the palette (which has no "White") before every drawing line.
TEST(Graph90, EveryProgramRedrawsItsPictureUnderTheInterpreter) {
    const Model& g90 = *findmodel("g90");
    // Chosen from the screen green at x4: white, x1, no DrawStat, its .g3p pictures.
    testing::FakePlatform platform;
    Editor ed(platform);
    for (const Event& e : {Event::load(), Event::click("zoom4"), Event::click("g90")}) ed.handle(e);
    EXPECT_TRUE(ed.zoomfactor() == 1 && ed.bgwhite.checked && !ed.bgcasio.enabled && !ed.drawstat.enabled && ed.exportcalc.enabled);
    std::mt19937 random(90);
    for (int round = 0; round < 6; ++round) {
        Grid grid(379, 187);
        for (int y = 1; y <= 187; ++y)
            for (int x = 1; x <= 379;) {
                const auto code = static_cast<int16_t>(random() % (1 + round) ? 0 : random() % 8);
                for (int n = 1 + static_cast<int>(random() % 6); n > 0 && x <= 379; --n) grid.set(x++, y, code);
            }
        for (const CodeMode mode : {CodeMode::fline, CodeMode::compact}) {
            const CalcRun run = runprogram(generateprogram(grid, g90, mode, round % 2 ? 20 : 0).text, g90);
            int differ = 0;
            for (int y = 1; y <= 187; ++y)
                for (int x = 1; x <= 379; ++x) differ += run.screen[y][x] != grid.get(x, y);
            EXPECT_TRUE(run.error.empty() && differ == 0 && run.pict == (round % 2 ? 20 : 0)) << run.error << " " << differ;
        }
    }
}

TEST(Graph90, G3mHeaderBytesAreTheHandWorkedOnesAndTheCalculatorsFilesReadBack) {
    // 2 token bytes: body 10 + 2 + 4, file 92 = 0x5C; 300: body 10 + 300 + 2, file 388 = 0x184.
    // Bytes 8, 14, 20, 21, 28, 29 before inversion.
    std::string fault;
    g1m::Family family{};
    for (const auto& [tokens, want] : {std::pair{2, "\x75\x9D\x14\xFE\x4C\x45"}, {300, "\x75\xC5\x3C\xFE\x75\x6D"}}) {
        const std::string file = g1m::writefile({g1m::programobject("PONG", std::string(tokens, 'A'))}, g1m::Family::g3m);
        std::string got;
        for (const int at : {8, 14, 20, 21, 28, 29}) got += static_cast<char>(~file[at]);
        EXPECT_TRUE(got == want && file.size() == (tokens == 2 ? 92u : 388u)) << tokens;
        EXPECT_TRUE(g1m::readfile(file, fault, &family) && family == g1m::Family::g3m) << fault;
    }
    // The real files lie in the notes beside the project's folder.
    const QDir samples(GRAFIPIX_SOURCE_DIR "/../shared/calculator-samples/g3m");
    const QStringList names = samples.entryList({"*.g3m"}, QDir::Files);
    if (names.isEmpty()) GTEST_SKIP() << "no calculator files in " << samples.path().toStdString();
    for (const QString& name : names) {
        const auto objects = g1m::readfile(testing::readall(samples.filePath(name).toStdString()).toStdString(), fault, &family);
        EXPECT_TRUE(objects && family == g1m::Family::g3m && (*objects)[0].type == "PROGRAM") << name.toStdString() << fault;
    }
}

TEST(Graph90, TheConverterWritesItsG3mAndRefusesWhatTheModelsDoNotTake) {
    testing::TempFolder folder;
    QImage img(380, 188, QImage::Format_RGB32);
    img.fill(qRgb(255, 0, 255));
    const QString picture = QString::fromStdString(folder.write("image.png", testing::encoded(img, "PNG")));
    const QString out = QString::fromStdString(folder.path("sortie"));
    const std::pair<QStringList, const char*> requests[] = {
        {{"--model=g91"}, "modèle inconnu « g91 » (g35, g65, g85, g100, g35e2, g90 ou gmath)"},
        {{"--model=g90", "--mode=drawstat"}, "le mode « drawstat » ne convient pas au modèle « g90 »"},
        {{"--model=g90", "--format=g1m"}, "le modèle « g90 » ne lit pas les fichiers .g1m"},
        {{"--model=g35e2", "--format=g3m"}, "le modèle « g35e2 » ne lit pas les fichiers .g3m (--model g90)"},
        {{"--model=g100", "--format=python"}, "le modèle « g100 » ne lit pas les fichiers .py (--model g35e2, g90 ou gmath)"},
        {{"--model=g90", "--format=g3m"}, ""},
    };
    for (const auto& [args, says] : requests) {
        const testing::Outcome r = testing::convert(args + QStringList{picture, out});
        std::string fault;
        g1m::Family family{};
        EXPECT_TRUE(*says ? r.status == 2 && !QFile::exists(out) && r.says(says)
                          : r.status == 0 && g1m::readfile(testing::readall(out.toStdString()).toStdString(), fault, &family) &&
                                family == g1m::Family::g3m)
            << args.join(' ').toStdString() << r.err << fault;
    }
}

}  // namespace
}  // namespace grafipix
