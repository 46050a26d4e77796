// The grafipix-convert program run as a user runs it: its exit codes, its
// exact bytes, and no output file when it fails.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QFile>
#include <cstdlib>

#include "exchange/windows1252.h"
#include "tests/support/picture_files.h"

namespace grafipix {
namespace {

using testing::TempFolder;
using testing::readall;

struct Outcome {
    int status;
    QByteArray out, err;
};

std::string shellword(const std::string& s) {
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
        picture = folder.write("dessin.bmp", testing::encoded(img, "BMP"));
    }

    Outcome run(const std::string& args) {
        const std::string out = folder.path("stdout"), err = folder.path("stderr");
        const int status = std::system((shellword(GRAFIPIX_CONVERT) + " " + args + " >" + shellword(out) + " 2>" + shellword(err)).c_str());
        Outcome r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readall(out), readall(err)};
        QFile::remove(QString::fromStdString(out));
        QFile::remove(QString::fromStdString(err));
        return r;
    }

    TempFolder folder;
    std::string picture;
};

TEST(Windows1252, OneByteACharacterAndAQuestionMarkForTheRest) {
    EXPECT_EQ(towindows1252(u"\u00DE\u00E3\u00D9 \u00E9~"), "\xDE\xE3\xD9 \xE9~");
    EXPECT_EQ(towindows1252(u"\u20AC\u0178\u2122\u017D"), "\x80\x9F\x99\x8E");
    // C1 controls and characters outside the code page have no byte.
    EXPECT_EQ(towindows1252(u"\u0081\u03A9\u0100"), "???");
}

TEST_F(Converter, WritesTheProgramOfTheCodeWindowAsWindows1252) {
    const QByteArray head = "ClrGraph\r\nViewWindow 1,127,0,1,63,0\r\n";
    const QByteArray fahead = "ClrGraph\xD9\r\nViewWindow 1,127,0,1,63,0\xD9\r\n";
    struct Row {
        const char* name;
        std::string options;
        QByteArray program;
        long estimate;
    };
    const QByteArray fline = head + "PxlOn 10,5\r\nOrange F-Line 20,34,25,34\r\nGreen PxlOn 40,7\r\n";
    const QByteArray drawstat = head + "Orange F-Line 20,34,25,34\r\n{5}\xDEList 1\r\n{54}\xDEList 2\r\nS-WindMan\r\n"
                                       "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Blue \r\nDrawStat\r\n"
                                       "{7}\xDEList 1\r\n{24}\xDEList 2\r\nS-WindMan\r\n"
                                       "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Green \r\nDrawStat\r\n";
    const QByteArray fa = fahead + "F-Line 20,34,25,34\xD9\r\n{5,7}\xE3List 1\xD9\r\n{54,24}\xE3List 2\xD9\r\nS-WindMan\xD9\r\n"
                                   "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Blue \r\nDrawStat\xD9\r\nStoPict 6";
    const Row rows[] = {
        {"defaults", "", fline, fline.size() * 7 / 10},
        {"drawstat on the Graph 65/80", "--mode drawstat --model=g65", drawstat, (drawstat.size() + 20) * 8 / 10},
        {"FA-124 with picture 9 clamped to 6", "--model g85 --mode=drawstat --picture 9", fa,
         (fa.size() - 9 + 40) * 8 / 10 + 4096},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string estimate = "Il vous faudra un peu moins de " + std::to_string(row.estimate) + " bytes libres\n";
        Outcome r = run(row.options + " " + shellword(picture));
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.toStdString(), row.program.toStdString());
        EXPECT_EQ(r.err.toStdString(), estimate);

        const std::string output = folder.path("programme.txt");
        r = run(row.options + " " + shellword(picture) + " " + shellword(output));
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(readall(output).toStdString(), row.program.toStdString());
    }
}

TEST_F(Converter, BadRequestsExitWithTheirCodeAndLeaveNoOutput) {
    const std::string noise = folder.write("bruit.gif", QByteArray(300, '\x07'));
    const std::string kept = folder.write("gardé.txt", QByteArray("déjà là"));
    const std::string fresh = folder.path("nouveau.txt");
    struct Row {
        std::string args;
        int status;
        const char* says;
    };
    const Row rows[] = {
        {"", 2, "il manque le fichier image ENTREE"},
        {"--model g70 " + shellword(picture), 2, "modèle inconnu « g70 »"},
        {"--mode pxlon " + shellword(picture), 2, "mode inconnu « pxlon »"},
        {"--picture deux " + shellword(picture), 2, "numéro de picture invalide « deux »"},
        {shellword(picture) + " --picture", 2, "l'option --picture attend une valeur"},
        {"--couleur " + shellword(picture), 2, "option inconnue « --couleur »"},
        {shellword(picture) + " " + shellword(fresh) + " trois", 2, "trop d'arguments"},
        {shellword(folder.path("absent.bmp")) + " " + shellword(fresh), 1, "le fichier est introuvable"},
        {shellword(noise) + " " + shellword(kept), 1, "ce n'est pas une image dans un format connu"},
        {shellword(picture) + " " + shellword(folder.path("absent/sortie.txt")), 1, "n'existe pas"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args);
        const Outcome r = run(row.args);
        EXPECT_EQ(r.status, row.status);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.toStdString().find(row.says) != std::string::npos) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(QString::fromStdString(fresh)));
        EXPECT_EQ(readall(kept), "déjà là");
    }
    const Outcome help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage : grafipix-convert [--model g35|g65|g85|g100]"));
}

}  // namespace
}  // namespace grafipix
