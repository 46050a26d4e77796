// The drawing as a PNG, decoded by Qt: each pixel the colour the canvas shows
// for its cell, on every model and background, and larger pictures whole.

#include <gtest/gtest.h>

#include <QImage>
#include <random>

#include "formats/outputs.h"
#include "formats/png.h"
#include "tests/support/editor_fixture.h"
#include "tests/support/test_model.h"

namespace grafipix {
namespace {

using PngOutput = testing::EditorTest;

QImage decoded(const std::string& bytes) { return QImage::fromData(QByteArray::fromStdString(bytes), "PNG"); }

TEST_F(PngOutput, EachPixelIsTheCanvasCellAndLargePicturesSpanSeveralBlocks) {
    std::mt19937 random(11);
    for (const Model& model : models())
        for (const std::string background : {"bgwhite", "bgcasio"}) {
            play(std::string(model.name) + " " + background);
            // The border cells too, which the screen does not show.
            paint(0, 0, picture().maxx(), picture().maxy(), [&](int, int) { return int(random() % model.codes()); });
            std::string error;
            const QImage png = decoded(findoutput("png")->write({.grid = picture(), .model = model, .bgkind = ed.backgroundkind()}, error));
            const Screen screen = model.screen;
            ASSERT_EQ(png.size(), QSize(screen.columns, screen.rows)) << model.name << " " << background << " " << error;
            int differ = 0;
            for (int y = 0; y < png.height(); ++y)
                for (int x = 0; x < png.width(); ++x) differ += fromargb(png.pixel(x, y)) != canvas().pixel(3 * x, 3 * y);
            EXPECT_EQ(differ, 0) << model.name << " " << background;
        }
    // Rows past one stored block's 65535 bytes, and a single pixel.
    for (const auto& [width, height] : {std::pair{300, 120}, {1, 1}}) {
        Picture picture{width, height, std::vector<uint32_t>(size_t(width) * height)};
        for (uint32_t& p : picture.pixels) p = 0xFF000000u | (random() & 0xFFFFFFu);
        const QImage png = decoded(encodepng(picture)).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(png.size(), QSize(width, height));
        EXPECT_TRUE(std::equal(picture.pixels.begin(), picture.pixels.end(), reinterpret_cast<const uint32_t*>(png.constBits())))
            << width << " x " << height;
    }
}

}  // namespace
}  // namespace grafipix
