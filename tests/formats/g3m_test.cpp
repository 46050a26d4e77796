// The Graph 90+E's .g3m: the header's four own bytes against values worked
// out by hand, the real files read back, and the converter's refusals.

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>

#include "codegen/generator.h"
#include "codegen/tokens.h"
#include "formats/g1m.h"
#include "formats/outputs.h"
#include "tests/support/picture_files.h"

namespace grafipix {
namespace {

// Header byte `at` as stored, inverted.
int stored(const std::string& file, int at) { return 255 - static_cast<unsigned char>(file[at]); }

TEST(G3m, HeaderBytesMatchTheHandWorkedValuesAndTheFileReadsBack) {
    struct Case {
        size_t tokens, size;
        int check14, check20, check28, check29;
    };
    // 2 token bytes: body 10 + 2 + 4 = 16, file 92 = 0x5C. 300: body 10 + 300 + 2, file 388 = 0x184.
    for (const Case& c : {Case{2, 0x5C, 0x9D, 0x14, 0x4C, 0x45}, Case{300, 0x184, 0xC5, 0x3C, 0x75, 0x6D}}) {
        const std::string tokens(c.tokens, 'A');
        const std::string file = g1m::writefile({g1m::programobject("PONG", tokens)}, g1m::Family::g3m);
        ASSERT_EQ(file.size(), c.size);
        EXPECT_TRUE(stored(file, 8) == 0x75 && stored(file, 21) == 0xFE && stored(file, 14) == c.check14 &&
                    stored(file, 20) == c.check20 && stored(file, 28) == c.check28 && stored(file, 29) == c.check29)
            << c.size;
        // Everything else is the .g1m's.
        const std::string g1m = g1m::writefile({g1m::programobject("PONG", tokens)});
        int differ = 0;
        for (size_t i = 0; i < file.size(); ++i) differ += file[i] != g1m[i];
        EXPECT_EQ(differ, 4);
        std::string fault;
        g1m::Family family{};
        const auto objects = g1m::readfile(file, fault, &family);
        ASSERT_TRUE(objects) << fault;
        EXPECT_TRUE(family == g1m::Family::g3m && (*objects)[0].body.substr(10, c.tokens) == tokens);
    }
}

TEST(G3m, TheCalculatorsOwnFilesReadBack) {
    const QDir samples("/work/shared/calculator-samples/g3m");
    const QStringList names = samples.entryList({"*.g3m"}, QDir::Files);
    if (names.isEmpty()) GTEST_SKIP() << "no sample files here";
    for (const QString& name : names) {
        const std::string file = testing::readall(samples.filePath(name).toStdString()).toStdString();
        std::string fault;
        g1m::Family family{};
        const auto objects = g1m::readfile(file, fault, &family);
        ASSERT_TRUE(objects) << name.toStdString() << ": " << fault;
        EXPECT_TRUE(family == g1m::Family::g3m && objects->size() == 1 && (*objects)[0].type == "PROGRAM" &&
                    (*objects)[0].kind == g1m::programkind && (*objects)[0].body.size() % 4 == 0)
            << name.toStdString();
        // A file with any other size in its header is refused.
        std::string shifted = file;
        shifted[19] = static_cast<char>(shifted[19] ^ 4);
        EXPECT_FALSE(g1m::readfile(shifted, fault));
    }
}

// Each model writes the program file its calculators take and no other.
TEST(G3m, ConverterWritesTheG3mForTheGraph90AloneAndRefusesWhatDoesNotFit) {
    testing::TempFolder folder;
    QImage img(380, 188, QImage::Format_RGB32);  // a pixel a cell, the border's row and column included
    img.fill(qRgb(255, 255, 255));
    for (int x = 10; x < 60; ++x) img.setPixel(x, 20, qRgb(255, 0, 255)), img.setPixel(x, 21, qRgb(0, 255, 255));
    const QString picture = QString::fromStdString(folder.write("image.png", testing::encoded(img, "PNG")));
    std::string out, err;
    const auto run = [&](const QStringList& args) {
        QProcess p;
        p.start(GRAFIPIX_CONVERT, args);
        p.waitForFinished();
        out = p.readAllStandardOutput().toStdString(), err = p.readAllStandardError().toStdString();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    ASSERT_EQ(run({"--model", "g90", picture}), 0);
    EXPECT_NE(out.find("ViewWindow 1,379,0,1,187,0\r\nMagenta F-Line 10,168,59,168\r\nCyan F-Line 10,167,59,167\r\n"),
              std::string::npos) << out;
    const std::string text = out;
    ASSERT_EQ(run({"--model=g90", "--format=g3m", "--name=DESSIN", picture}), 0);
    std::string fault;
    g1m::Family family{};
    const auto objects = g1m::readfile(out, fault, &family);
    ASSERT_TRUE(objects && family == g1m::Family::g3m) << fault;
    const std::string tokens = tokenize(QString::fromLatin1(text).toStdU16String(), *findmodel("g90")).bytes;
    EXPECT_TRUE((*objects)[0].name == "DESSIN" && (*objects)[0].body.substr(10, tokens.size()) == tokens);
    EXPECT_EQ(run({"--model=g35e2", "--format=g1m", picture}), 0);
    EXPECT_TRUE(g1m::readfile(out, fault, &family) && family == g1m::Family::g1m) << fault;
    const QString fresh = QString::fromStdString(folder.path("sortie"));
    const std::pair<QStringList, const char*> refused[] = {
        {{"--model", "g91", picture, fresh}, "modèle inconnu « g91 » (g35, g65, g85, g100, g35e2 ou g90)"},
        {{"--model=g90", "--mode=drawstat", picture, fresh}, "le mode « drawstat » ne convient pas au modèle « g90 »"},
        {{"--model=g90", "--format=g1m", picture, fresh}, "le modèle « g90 » ne lit pas les fichiers .g1m"},
        {{"--model=g90", "--format=picture", picture, fresh}, "le modèle « g90 » ne lit pas les fichiers .g1m"},
        {{"--model=g35e2", "--format=g3m", picture, fresh}, "le modèle « g35e2 » ne lit pas les fichiers .g3m (--model g90)"},
    };
    for (const auto& [args, says] : refused) {
        EXPECT_EQ(run(args), 2) << args.join(' ').toStdString();
        EXPECT_TRUE(out.empty() && !QFile::exists(fresh) && err.find(says) != std::string::npos) << err;
    }
}

}  // namespace
}  // namespace grafipix
