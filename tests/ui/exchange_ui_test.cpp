// "Importer image" and "Exporter image" through the real menu entries, with
// the file dialogs answered by the script.

#include <gtest/gtest.h>

#include "tests/support/picture_files.h"
#include "tests/support/qt_app.h"
#include "ui/apercu_window.h"

namespace grafipix {
namespace {

using testing::QtApp;

TEST(ExchangeUi, ImportShowsApercuAndExportWritesTheCanvas) {
    QtApp app;
    testing::TempFolder folder;
    app.settle();

    // A broken file: a message, and no Apercu.
    app.platform->opens.push_back(folder.write("cassé.bmp", QByteArray("BM\x10\x00")));
    app.choose("importation");
    ASSERT_EQ(app.platform->messages.size(), 1u);
    EXPECT_TRUE(app.platform->messages[0].starts_with("Impossible d'importer l'image"));
    EXPECT_EQ(app.platform->window(Window::Apercu), nullptr);

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
    EXPECT_EQ(apercu->picture().size(), QSize(128, 64));
    // The stretched pixel (30, 20) lies over cell (30, 20), 3 screen pixels a unit.
    QWidget* box = apercu->findChild<QWidget*>("Picture2");
    ASSERT_NE(box, nullptr);
    const QImage shot = box->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    auto at = [&](int px, int py) { return shot.pixelColor(int((px + 0.5) * ratio), int((py + 0.5) * ratio)); };
    EXPECT_EQ(at(3 * 29 + 1, 3 * 19 + 1), QColor(255, 0, 0));
    EXPECT_EQ(at(Canvas::width - 1, 100), QColor(184, 217, 181));  // past unit 128: the back colour

    // The window closed by the user goes; the next import makes a new one.
    apercu->close();
    app.settle();
    EXPECT_EQ(app.platform->window(Window::Apercu), nullptr);

    const std::string saved = folder.path("copie.gif");
    app.platform->saves.push_back(saved);
    app.choose("exportation");
    EXPECT_EQ(app.platform->messages.size(), 1u);
    const QImage written(QString::fromStdString(saved), "BMP");
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.size(), QSize(Canvas::width, Canvas::height));
    EXPECT_EQ(written.pixelColor(3 * 29 + 1, 3 * 19 + 1), QColor(255, 128, 0));
    EXPECT_EQ(app.ed().Picture1.picture().width, Canvas::width);
}

}  // namespace
}  // namespace grafipix
