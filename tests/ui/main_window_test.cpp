// The real Qt binding of Main on the offscreen platform.

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "tests/support/qt_app.h"
#include "ui/canvas_widget.h"

namespace grafipix {
namespace {

using testing::QtApp;

void waitfor(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

QWidget* toplevel(const char* name) {
    QWidget* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name) {
            EXPECT_EQ(found, nullptr) << "two windows named " << name;
            found = w;
        }
    return found;
}

QColor canvaspixel(QtApp& app, int px, int py) {
    const QImage shot = app.main().canvas()->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    return shot.pixelColor(int(px * ratio), int(py * ratio));
}

TEST(MainWindowUi, SplashGivesWayToMainOnceAfterOneSecond) {
    QtApp app;
    QWidget* splash = toplevel("Preview");
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    waitfor(600);
    EXPECT_FALSE(app.main().isVisible()) << "too early";
    waitfor(900);
    EXPECT_TRUE(app.main().isVisible());
    EXPECT_FALSE(splash->isVisible());
    splash->show();  // a second tick would hide it again
    waitfor(1300);
    EXPECT_TRUE(splash->isVisible());
}

// Run again by CTest with QT_SCALE_FACTOR=2: the canvas keeps its logical
// size and gets the device pixels, so it does not shrink on a dense screen.
TEST(MainWindowUi, HighDpiCanvasShowsBackgroundAndNouveau) {
    QtApp app;
    EXPECT_EQ(app.main().canvas()->width(), Canvas::width);
    EXPECT_EQ(app.main().canvas()->grab().toImage().width(), qRound(Canvas::width * app.main().devicePixelRatioF()));
    app.ed().doc.set(10, 5, 3);
    app.choose("bgwhite");
    EXPECT_EQ(canvaspixel(app, 28, 13), QColor(255, 128, 0));
    EXPECT_EQ(canvaspixel(app, 31, 13), QColor(255, 255, 255));
    app.choose("bgcasio");
    app.choose("bgcasio");  // Qt's own toggle on a checked entry is undone
    EXPECT_TRUE(app.main().action("bgcasio")->isChecked());
    EXPECT_EQ(canvaspixel(app, 31, 13), QColor(184, 217, 181));
    app.choose("new");
    EXPECT_EQ(canvaspixel(app, 28, 13), QColor(184, 217, 181));
}

TEST(MainWindowUi, AboutIsShownAgainNotDuplicatedAndQuitEndsAll) {
    QtApp app;
    app.choose("about");
    app.choose("about");
    QWidget* about = toplevel("Apropos");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    app.choose("exit");
    EXPECT_TRUE(app.platform->endrequested());
    EXPECT_EQ(toplevel("Apropos"), nullptr);
    EXPECT_FALSE(app.main().isVisible());
}

}  // namespace
}  // namespace grafipix
