// "Importer image" and "Exporter image" through the real menu entries, with
// the file dialogs answered by the script.

#include <gtest/gtest.h>

#include "tests/support/picture_files.h"
#include "tests/support/qt_app.h"
#include "ui/apercu_window.h"

namespace grafipix {
namespace {

TEST(ExchangeUi, ImportShowsApercuAndExportWritesTheCanvas) {
    testing::QtApp app;
    testing::TempFolder folder;
    QImage img(128, 64, QImage::Format_RGB32);
    img.fill(qRgb(255, 255, 255));
    img.setPixel(30, 20, qRgb(255, 0, 0));
    app.platform->opens.push_back(folder.write("point.bmp", testing::encoded(img, "BMP")));
    app.choose("importation");
    app.settle();
    EXPECT_EQ(app.ed().pixelgrid.get(30, 20), orange);
    auto* apercu = dynamic_cast<ui::ApercuWindow*>(app.platform->window(Window::Apercu));
    ASSERT_NE(apercu, nullptr);
    EXPECT_TRUE(apercu->isVisible());
    EXPECT_EQ(apercu->windowTitle().toStdString(), "Image originale");
    QWidget* box = apercu->findChild<QWidget*>("Picture2");
    ASSERT_NE(box, nullptr);
    const QImage shot = box->grab().toImage();
    auto at = [&](int px, int py) { return shot.pixelColor(int((px + 0.5) * shot.devicePixelRatio()), int((py + 0.5) * shot.devicePixelRatio())); };
    EXPECT_EQ(at(3 * 29 + 1, 3 * 19 + 1), QColor(255, 0, 0)) << "stretched over cell (30, 20)";
    EXPECT_EQ(at(Canvas::width - 1, 100), QColor(184, 217, 181)) << "past unit 128: the back colour";
    apercu->close();
    app.settle();
    EXPECT_EQ(app.platform->window(Window::Apercu), nullptr);

    const std::string saved = folder.path("copie.gif");
    app.platform->saves.push_back(saved);
    app.choose("exportation");
    EXPECT_EQ(app.platform->messages.size(), 0u);
    const QImage written(QString::fromStdString(saved), "BMP");
    EXPECT_EQ(written.size(), QSize(Canvas::width, Canvas::height));
    EXPECT_EQ(written.pixelColor(3 * 29 + 1, 3 * 19 + 1), QColor(255, 128, 0));
}

}  // namespace
}  // namespace grafipix
