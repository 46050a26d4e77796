// The grafipix-convert program run as a user runs it: its exit codes, its
// exact bytes, and no output file when it fails.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "exchange/windows1252.h"
#include "tests/support/picture_files.h"

namespace grafipix {
namespace {

using testing::readall;

struct Outcome {
    int status;
    QByteArray out, err;
};

std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class Converter : public ::testing::Test {
protected:
    Converter() {
        // Blue at (5, 10), a red run on row 30, green at (7, 40), on white.
        QImage img(128, 64, QImage::Format_RGB32);
        img.fill(qRgb(255, 255, 255));
        img.setPixel(5, 10, qRgb(0, 0, 255));
        for (int x = 20; x <= 25; ++x) img.setPixel(x, 30, qRgb(255, 0, 0));
        img.setPixel(7, 40, qRgb(0, 255, 0));
        picture = quoted(folder.write("dessin.bmp", testing::encoded(img, "BMP")));
    }
    Outcome run(const std::string& args) {
        const std::string out = folder.path("stdout"), err = folder.path("stderr");
        const int status = std::system((quoted(GRAFIPIX_CONVERT) + " " + args + " >" + quoted(out) + " 2>" + quoted(err)).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readall(out), readall(err)};
    }
    testing::TempFolder folder;
    std::string picture;
};

TEST(Windows1252, OneByteACharacterAndAQuestionMarkForTheRest) {
    EXPECT_EQ(towindows1252(u"\u00DE\u00E3\u00D9 \u00E9~"), "\xDE\xE3\xD9 \xE9~");
    EXPECT_EQ(towindows1252(u"\u20AC\u0178\u2122\u017D"), "\x80\x9F\x99\x8E");
    EXPECT_EQ(towindows1252(u"\u0081\u03A9\u0100"), "???");  // C1 controls and characters outside the code page
}

TEST_F(Converter, WritesTheProgramOfTheCodeWindowAsWindows1252) {
    const QByteArray fline = "ClrGraph\r\nViewWindow 1,127,0,1,63,0\r\nPxlOn 10,5\r\nOrange F-Line 20,34,25,34\r\nGreen PxlOn 40,7\r\n";
    const QByteArray fa = "ClrGraph\xD9\r\nViewWindow 1,127,0,1,63,0\xD9\r\nF-Line 20,34,25,34\xD9\r\n{5,7}\xE3List 1\xD9\r\n"
                          "{54,24}\xE3List 2\xD9\r\nS-WindMan\xD9\r\nS-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Blue \r\n"
                          "DrawStat\xD9\r\nStoPict 6";
    const std::tuple<const char*, QByteArray, long> rows[] = {
        {"", fline, fline.size() * 7 / 10},
        {"--model g85 --mode=drawstat --picture 9", fa, (fa.size() - 9 + 40) * 8 / 10 + 4096},  // 9 clamped to 6
    };
    for (const auto& [options, program, estimate] : rows) {
        SCOPED_TRACE(options);
        Outcome r = run(std::string(options) + " " + picture);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.toStdString(), program.toStdString());
        EXPECT_EQ(r.err.toStdString(), "Il vous faudra un peu moins de " + std::to_string(estimate) + " bytes libres\n");

        const std::string output = folder.path("programme.txt");
        r = run(std::string(options) + " " + picture + " " + quoted(output));
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(readall(output).toStdString(), program.toStdString());
    }
    const Outcome help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage : grafipix-convert [--model g35|g65|g85|g100]"));
}

TEST_F(Converter, BadRequestsExitWithTheirCodeAndLeaveNoOutput) {
    const std::string noise = quoted(folder.write("bruit.gif", QByteArray(300, '\x07')));
    const std::string kept = folder.write("gardé.txt", QByteArray("déjà là")), fresh = folder.path("nouveau.txt");
    const std::tuple<std::string, int, const char*> rows[] = {
        {"", 2, "il manque le fichier image ENTREE"},
        {"--model g70 " + picture, 2, "modèle inconnu « g70 »"},
        {"--couleur " + picture, 2, "option inconnue « --couleur »"},
        {"--picture deux " + picture, 2, "numéro de picture invalide « deux »"},
        {picture + " --picture", 2, "l'option --picture attend une valeur"},
        {picture + " " + quoted(fresh) + " trois", 2, "trop d'arguments"},
        {quoted(folder.path("absent.bmp")) + " " + quoted(fresh), 1, "le fichier est introuvable"},
        {noise + " " + quoted(kept), 1, "ce n'est pas une image dans un format connu"},
        {picture + " " + quoted(folder.path("absent/sortie.txt")), 1, "n'existe pas"},
    };
    for (const auto& [args, status, says] : rows) {
        SCOPED_TRACE(args);
        const Outcome r = run(args);
        EXPECT_EQ(r.status, status);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.toStdString().find(says) != std::string::npos) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(QString::fromStdString(fresh)));
        EXPECT_EQ(readall(kept), "déjà là");
    }
}

}  // namespace
}  // namespace grafipix
