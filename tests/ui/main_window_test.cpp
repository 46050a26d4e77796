// The real Qt binding of Main on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include "core/texts.h"
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
    QImage shot = app.main().canvas()->grab().toImage();
    qreal ratio = shot.devicePixelRatio();
    return shot.pixelColor(static_cast<int>(px * ratio), static_cast<int>(py * ratio));
}

TEST(MainWindowUi, MenuTreeCaptionsShortcutsAndInitialStates) {
    QtApp app;
    ui::MainWindow& main = app.main();
    EXPECT_EQ(main.windowTitle().toStdString(), texts::credit);

    QStringList top;
    for (QAction* a : main.menuBar()->actions()) top << a->text();
    EXPECT_EQ(top, (QStringList{"Fichier", QString::fromUtf8("Sélection"), "Options", "?"}));

    for (const MenuRow& m : menutree()) {
        QAction* a = main.action(m.name);
        EXPECT_EQ(a->text().toStdString(), m.caption) << m.name;
        EXPECT_EQ(a->isEnabled(), m.enabled) << m.name;
        EXPECT_EQ(a->isChecked(), m.checked) << m.name;
        EXPECT_EQ(a->shortcut().toString().toStdString(), m.shortcut) << m.name;
    }
    // Nesting: the model entries under Options > Calculatrice, the mirrors
    // under Sélection > Symétrie.
    EXPECT_TRUE(main.menu("calc")->actions().contains(main.action("g100")));
    EXPECT_TRUE(main.menu("options")->actions().contains(main.menu("calc")->menuAction()));
    EXPECT_TRUE(main.menu("selsym")->actions().contains(main.action("selhoriz")));
    EXPECT_TRUE(main.menu("generate")->actions().contains(main.action("drawstat")));

    // Controls at their places, in pixels of 15 twips.
    EXPECT_EQ(main.canvas()->geometry(), QRect(88, 32, Canvas::width, Canvas::height));
    EXPECT_EQ(main.button("pressorange")->geometry(), QRect(8, 200, 33, 25));
    EXPECT_EQ(main.label("typcalc")->text(), "Graph 65");
    EXPECT_TRUE(main.label("Label1")->font().bold());
    EXPECT_FALSE(main.label("modelbl")->font().bold());
    EXPECT_FALSE(main.button("pressblack")->isVisibleTo(&main));
    EXPECT_TRUE(main.button("pressblue")->isVisibleTo(&main));
}

TEST(MainWindowUi, SplashGivesWayToMainOnceAfterOneSecond) {
    QtApp app;
    QWidget* splash = toplevel("Preview");
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_FALSE(app.main().isVisible());
    EXPECT_TRUE(app.platform->timerenabled(Timer::Main1));

    waitfor(600);
    EXPECT_FALSE(app.main().isVisible()) << "too early";
    waitfor(900);
    EXPECT_TRUE(app.main().isVisible());
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(app.platform->timerenabled(Timer::Main1));

    // A second tick would hide the splash again: it never comes.
    splash->show();
    waitfor(1300);
    EXPECT_TRUE(splash->isVisible());
}

TEST(MainWindowUi, NouveauAndBackgroundEntriesShowOnTheCanvasWidget) {
    QtApp app;
    app.ed().pixelgrid.set(10, 5, 1);
    app.choose("bgwhite");
    EXPECT_TRUE(app.main().action("bgwhite")->isChecked());
    EXPECT_FALSE(app.main().action("bgcasio")->isChecked());
    EXPECT_TRUE(app.main().button("presswhite")->isVisibleTo(&app.main()));
    EXPECT_FALSE(app.main().button("presstruegreen")->isVisibleTo(&app.main()));
    EXPECT_EQ(canvaspixel(app, 28, 13), QColor(0, 0, 192));
    EXPECT_EQ(canvaspixel(app, 31, 13), QColor(255, 255, 255));

    app.choose("bgcasio");
    EXPECT_EQ(canvaspixel(app, 31, 13), QColor(184, 217, 181));
    EXPECT_EQ(canvaspixel(app, 27, 12), QColor(0, 0, 192));
    // Choosing a checked entry leaves it checked (Qt's own toggle is undone).
    app.choose("bgcasio");
    EXPECT_TRUE(app.main().action("bgcasio")->isChecked());

    app.ed().selection.enabled = true;
    app.choose("new");
    EXPECT_EQ(canvaspixel(app, 28, 13), QColor(184, 217, 181));
    EXPECT_EQ(app.ed().pixelgrid, Grid{});
    EXPECT_FALSE(app.main().action("selection")->isEnabled());
}

TEST(MainWindowUi, AboutWindowIsShownAgainNotDuplicatedAndQuitEndsAll) {
    QtApp app;
    app.choose("about");
    QWidget* about = toplevel("Apropos");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "A propos de Grafipix");
    EXPECT_TRUE(about->isVisible());
    app.choose("about");
    EXPECT_EQ(toplevel("Apropos"), about);
    // Closed, it goes; the next choice makes a new one.
    about->close();
    app.settle();
    EXPECT_EQ(toplevel("Apropos"), nullptr);
    app.choose("about");
    EXPECT_NE(toplevel("Apropos"), nullptr);

    // "Quitter" ends the process and takes every window with it.
    app.choose("exit");
    EXPECT_TRUE(app.platform->endrequested());
    EXPECT_EQ(toplevel("Apropos"), nullptr);
    EXPECT_FALSE(app.main().isVisible());
}

TEST(MainWindowUi, HighDpiScalesTheCanvasWithTheWindow) {
    QtApp app;
    QImage shot = app.main().canvas()->grab().toImage();
    qreal ratio = app.main().devicePixelRatioF();
    // Run with QT_SCALE_FACTOR=2 as well: the canvas keeps its logical size and
    // gets twice the device pixels, so it does not shrink on a dense screen.
    EXPECT_EQ(app.main().canvas()->width(), Canvas::width);
    EXPECT_EQ(shot.width(), qRound(Canvas::width * ratio));
    app.ed().pixelgrid.set(1, 1, 3);
    app.choose("bgwhite");
    EXPECT_EQ(canvaspixel(app, 2, 2), QColor(255, 128, 0));
    EXPECT_EQ(canvaspixel(app, 3, 3), QColor(255, 255, 255));
}

}  // namespace
}  // namespace grafipix
