// The grafipix-convert program run as a user runs it.

#include <gtest/gtest.h>

#include <QProcess>

#include "tests/support/picture_files.h"

namespace grafipix {
namespace {

using testing::readall;

class Converter : public ::testing::Test {
protected:
    Converter() {
        QImage img(128, 64, QImage::Format_RGB32);
        img.fill(qRgb(255, 255, 255));
        img.setPixel(5, 10, qRgb(0, 0, 255));
        for (int x = 20; x <= 25; ++x) img.setPixel(x, 30, qRgb(255, 0, 0));
        img.setPixel(7, 40, qRgb(0, 255, 0));
        picture = QString::fromStdString(folder.write("dessin.bmp", testing::encoded(img, "BMP")));
    }
    int run(const QStringList& args) {
        QProcess p;
        p.start(GRAFIPIX_CONVERT, args);
        p.waitForFinished();
        out = p.readAllStandardOutput().toStdString(), err = p.readAllStandardError().toStdString();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    testing::TempFolder folder;
    QString picture;
    std::string out, err;
};

TEST_F(Converter, WritesTheProgramOfTheCodeWindowAsWindows1252) {
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
    EXPECT_TRUE(run({"--help"}) == 0 && out.starts_with("Usage : grafipix-convert [--model g35|g65|g85|g100]"));
    EXPECT_TRUE(run({"--version"}) == 0 && out == "grafipix-convert 1.0.0\n") << out;
}

TEST_F(Converter, BadRequestsExitWithTheirCodeAndLeaveNoOutput) {
    const QString noise = QString::fromStdString(folder.write("bruit.gif", QByteArray(300, '\x07')));
    const std::string kept = folder.write("gardé.txt", QByteArray("déjà là"));
    const QString fresh = QString::fromStdString(folder.path("nouveau.txt"));
    const std::tuple<QStringList, int, const char*> rows[] = {
        {{}, 2, "il manque le fichier image ENTREE"},
        {{"--model", "g70", picture, fresh}, 2, "modèle inconnu « g70 »"},
        {{"--picture", "40000", picture, fresh}, 2, "numéro de picture invalide « 40000 »"},
        {{"--picture=abc", picture, fresh}, 2, "numéro de picture invalide « abc »"},
        {{"--couleur", "bleu", picture, fresh}, 2, "option inconnue « --couleur »"},
        {{picture, fresh, "--model"}, 2, "l'option « --model » attend une valeur"},
        {{noise, QString::fromStdString(kept)}, 1, "ce n'est pas une image dans un format connu (BMP, JPEG, GIF ou PNG)"},
        {{picture, QString::fromStdString(folder.path("absent/sortie.txt"))}, 1, "n'existe pas"},
    };
    for (const auto& [args, status, says] : rows) {
        SCOPED_TRACE(args.join(' ').toStdString());
        EXPECT_EQ(run(args), status);
        EXPECT_TRUE(out.empty() && !QFile::exists(fresh) && readall(kept) == "déjà là");
        EXPECT_NE(err.find(says), std::string::npos) << err;
    }
}

}  // namespace
}  // namespace grafipix
