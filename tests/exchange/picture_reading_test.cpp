// Reading each picture format: whole, cut off, and announcing more pixels
// than the import decodes.

#include <gtest/gtest.h>

#include <tuple>

#include "exchange/picture_io.h"
#include "tests/support/picture_files.h"

namespace grafipix {
namespace {

TEST(PictureReading, EachFormatReadsWholeAndRefusesCutOffOrHugeFiles) {
    QImage red(64, 32, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    const QByteArray bmp = testing::encoded(red, "BMP"), jpeg = testing::encoded(red, "JPEG"), png = testing::encoded(red, "PNG");
    // One red pixel: header, two-colour table, image descriptor, LZW data, trailer.
    const QByteArray gif = QByteArray::fromHex("47494638396101000100800000ff00000000002c00000000010001000002024401003b");
    // 60000 in the 16 bits at each offset (BMP's fields are 32 bits, their high half already 0).
    auto huge = [](QByteArray b, std::initializer_list<qsizetype> at, bool bigendian) {
        for (qsizetype i : at) b[i] = char(bigendian ? 0xEA : 0x60), b[i + 1] = char(bigendian ? 0x60 : 0xEA);
        return b;
    };
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    const std::string cut = "le fichier est incomplet, l'image y est tronquée",
                      big = "l'image annonce 60000 × 60000 pixels, plus que les 33554432 pixels que l'importation peut décoder";
    const std::tuple<const char*, QByteArray, std::string> rows[] = {
        {"BMP", bmp, ""}, {"BMP cut", bmp.chopped(3), cut}, {"BMP huge", huge(bmp, {18, 22}, false), big},
        {"JPEG", jpeg, ""}, {"JPEG cut", jpeg.chopped(3), cut}, {"JPEG huge", huge(jpeg, {sof + 5, sof + 7}, true), big},
        {"GIF", gif, ""}, {"GIF cut", gif.chopped(3), cut}, {"GIF huge", huge(gif, {6, 8, 24, 26}, false), big},
        // Qt finds a cut PNG itself; a picture of another format Qt reads is not taken.
        {"PNG", png, ""}, {"PNG cut", png.chopped(20), "les données de l'image sont endommagées ou illisibles"},
        {"PPM", testing::encoded(red, "PPM"), "ce n'est pas une image dans un format connu (BMP, JPEG, GIF ou PNG)"},
    };
    testing::TempFolder folder;
    for (const auto& [name, bytes, refusal] : rows) {
        QImage picture;
        std::string reason;
        const bool read = exchange::readpicture(folder.write("image", bytes), picture, reason);
        EXPECT_EQ(read ? "" : reason, refusal) << name;
        const QRgb p = read ? picture.pixel(0, 0) : 0;
        if (read) {
            EXPECT_LT(255 - qRed(p) + qGreen(p) + qBlue(p), 12) << name << ": " << std::hex << p;
        }
    }
}

}  // namespace
}  // namespace grafipix
