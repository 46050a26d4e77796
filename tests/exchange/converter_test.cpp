// The grafipix-convert program run as a user runs it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "tests/support/picture_files.h"

namespace grafipix {
namespace {

using testing::readall;

std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class Converter : public ::testing::Test {
protected:
    Converter() {
        QImage img(128, 64, QImage::Format_RGB32);
        img.fill(qRgb(255, 255, 255));
        img.setPixel(5, 10, qRgb(0, 0, 255));
        for (int x = 20; x <= 25; ++x) img.setPixel(x, 30, qRgb(255, 0, 0));
        img.setPixel(7, 40, qRgb(0, 255, 0));
        picture = quoted(folder.write("dessin.bmp", testing::encoded(img, "BMP")));
    }
    int run(const std::string& args) {
        const int status = std::system((quoted(GRAFIPIX_CONVERT) + " " + args + " >" + quoted(folder.path("stdout")) +
                                        " 2>" + quoted(folder.path("stderr"))).c_str());
        out = readall(folder.path("stdout")).toStdString(), err = readall(folder.path("stderr")).toStdString();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    testing::TempFolder folder;
    std::string picture, out, err;
};

TEST_F(Converter, WritesTheProgramOfTheCodeWindowAsWindows1252) {
    const std::string fa = "ClrGraph\xD9\r\nViewWindow 1,127,0,1,63,0\xD9\r\nF-Line 20,34,25,34\xD9\r\n{5,7}\xE3List 1\xD9\r\n"
                           "{54,24}\xE3List 2\xD9\r\nS-WindMan\xD9\r\nS-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Blue \r\n"
                           "DrawStat\xD9\r\nStoPict 6";
    const std::string options = "--model g85 --mode=drawstat --picture 9 " + picture;  // 9 clamped to 6
    EXPECT_EQ(run(options), 0);
    EXPECT_EQ(out, fa);
    EXPECT_EQ(err, "Il vous faudra un peu moins de " + std::to_string((fa.size() - 9 + 40) * 8 / 10 + 4096) +
                       " bytes libres\n");
    const std::string output = folder.path("programme.txt");
    EXPECT_EQ(run(options + " " + quoted(output)), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(readall(output).toStdString(), fa);
    EXPECT_EQ(run("--help"), 0);
    EXPECT_TRUE(out.starts_with("Usage : grafipix-convert [--model g35|g65|g85|g100]"));
}

TEST_F(Converter, BadRequestsExitWithTheirCodeAndLeaveNoOutput) {
    const std::string noise = quoted(folder.write("bruit.gif", QByteArray(300, '\x07')));
    const std::string kept = folder.write("gardé.txt", QByteArray("déjà là")), fresh = quoted(folder.path("nouveau.txt"));
    const std::tuple<std::string, int, const char*> rows[] = {
        {"", 2, "il manque le fichier image ENTREE"},
        {"--model g70 " + picture + " " + fresh, 2, "modèle inconnu « g70 »"},
        {"--picture 40000 " + picture + " " + fresh, 2, "numéro de picture invalide « 40000 »"},
        {"--picture=abc " + picture + " " + fresh, 2, "numéro de picture invalide « abc »"},
        {"--couleur bleu " + picture + " " + fresh, 2, "option inconnue « --couleur »"},
        {noise + " " + quoted(kept), 1, "ce n'est pas une image dans un format connu"},
        {picture + " " + quoted(folder.path("absent/sortie.txt")), 1, "n'existe pas"},
    };
    for (const auto& [args, status, says] : rows) {
        SCOPED_TRACE(args);
        EXPECT_EQ(run(args), status);
        EXPECT_EQ(out, "");
        EXPECT_NE(err.find(says), std::string::npos) << err;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(folder.path("nouveau.txt"))));
        EXPECT_EQ(readall(kept), "déjà là");
    }
}

}  // namespace
}  // namespace grafipix
