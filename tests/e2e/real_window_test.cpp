// The built editor in a real X window: Xvfb, real pointer and key events
// through xdotool, a screenshot of the canvas and the program copied from the
// code window. Skips, saying why, where no X server can start.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <functional>

#include "codegen/generator.h"

namespace grafipix {
namespace {

struct Killed : QProcess {
    ~Killed() override {
        kill();
        waitForFinished(3000);
    }
};

// Xvfb on a free display: its name, empty when it cannot start.
QString startdisplay(QProcess& server) {
    server.start(QStandardPaths::findExecutable("Xvfb"), {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    QElapsedTimer t;
    t.start();
    QByteArray out;
    while (server.waitForStarted(5000) && t.elapsed() < 10000 && !out.contains('\n') && server.state() == QProcess::Running)
        if (server.waitForReadyRead(200)) out += server.readAllStandardOutput();
    bool ok = false;
    const int number = out.trimmed().toInt(&ok);
    return ok ? ":" + QString::number(number) : QString();
}

QString xdo(const QStringList& args) {
    QProcess p;
    p.start("xdotool", args);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

void settle(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

bool waitfor(const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    for (; !done(); settle(100))
        if (t.elapsed() > 15000) return false;
    return true;
}

bool visible(const QString& title) { return !xdo({"search", "--onlyvisible", "--name", title}).isEmpty(); }
QImage screenshot() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }

// The canvas is the first long run of the screen green, at its top-left pixel.
QPoint findcanvas(const QImage& shot) {
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0, run = 0; x < shot.width(); ++x) {
            run = (shot.pixel(x, y) & 0xFFFFFF) == 0xB8D9B5 ? run + 1 : 0;
            if (run == 300) return QPoint(x - 299, y);
        }
    return QPoint(-1, -1);
}

void clickat(QPoint p) {
    xdo({"mousemove", QString::number(p.x()), QString::number(p.y())});
    settle(60);
    xdo({"click", "1"});
    settle(150);
}

TEST(RealWindow, DrawsThroughThePointerAndGeneratesTheProgramThroughTheMenu) {
    if (QStandardPaths::findExecutable("xdotool").isEmpty()) GTEST_SKIP() << "xdotool is not installed";
    if (QStandardPaths::findExecutable("Xvfb").isEmpty()) GTEST_SKIP() << "Xvfb is not installed";
    Killed server, editor;
    const QString name = startdisplay(server);
    if (name.isEmpty()) GTEST_SKIP() << "no X server could start";
    qputenv("DISPLAY", name.toUtf8());
    qputenv("QT_QPA_PLATFORM", "xcb");
    int argc = 1;
    char arg0[] = "real_window_test";
    char* argv[] = {arg0, nullptr};
    QGuiApplication app(argc, argv);
    editor.start(GRAFIPIX_BINARY, {});
    ASSERT_TRUE(editor.waitForStarted(5000));

    ASSERT_TRUE(waitfor([] { return visible("^Grafipix$"); })) << "no splash";
    EXPECT_FALSE(visible("^Grafipix par ")) << "Main shown during the splash";
    ASSERT_TRUE(waitfor([] { return visible("^Grafipix par "); })) << "Main never showed";
    EXPECT_TRUE(waitfor([] { return !visible("^Grafipix$"); })) << "the splash stayed";
    settle(300);
    const QPoint canvas = findcanvas(screenshot());
    ASSERT_GE(canvas.x(), 0) << "no canvas on the screen";

    // The pixel of point (x, y); a button by its place in Main, where the canvas is at (88, 32).
    auto cell = [&](int x, int y) { clickat(canvas + QPoint(3 * (x - 1), 3 * (y - 1))); };
    auto button = [&](int left, int top, int w, int h) { clickat(canvas + QPoint(left + w / 2 - 88, top + h / 2 - 32)); };
    cell(10, 10);
    cell(20, 15);
    button(56, 96, 25, 25);  // Ligne
    cell(30, 40);
    cell(40, 40);
    button(48, 200, 33, 25);  // green
    button(8, 96, 25, 25);    // Point
    cell(60, 20);
    settle(300);

    Grid expected;
    expected.set(10, 10, 1);
    expected.set(20, 15, 1);
    for (int x = 30; x < 40; ++x) expected.set(x, 40, 1);
    expected.set(60, 20, 2);
    const QRgb shown[] = {0xB8D9B5, 0x0000C0, 0x00C000, 0xFF8000};
    const QImage shot = screenshot();
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x)
            ASSERT_EQ(shot.pixel(canvas + QPoint(3 * x - 2, 3 * y - 2)) & 0xFFFFFF, shown[expected.get(x, y)]) << "cell " << x << "," << y;

    // Fichier > Générer le code > Mode F-line/Pxlon, by keyboard once the menu is open.
    const QStringList geometry = xdo({"search", "--onlyvisible", "--name", "^Grafipix par ", "getwindowgeometry"}).split('\n');
    ASSERT_GE(geometry.size(), 2);
    const QStringList xy = geometry[1].section(':', 1).trimmed().section(' ', 0, 0).split(',');
    clickat(QPoint(xy[0].toInt() + 20, xy[1].toInt() + 10));
    for (const char* key : {"Down", "Down", "Down", "Down", "Right", "Return"}) {
        xdo({"key", key});
        settle(120);
    }
    ASSERT_TRUE(waitfor([] { return visible("^Picture$"); })) << "no picture-memory prompt";
    xdo({"type", "3"});
    xdo({"key", "Return"});
    ASSERT_TRUE(waitfor([] { return visible("^Code compil") && !visible("^Picture$"); }));
    settle(300);
    xdo({"key", "ctrl+c"});  // the whole program is selected with the focus
    settle(300);

    const QString program = QString::fromStdU16String(generateprogram(expected, CodeMode::fline, fxinterface, 3).text);
    EXPECT_TRUE(program.endsWith("StoPict 3"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), program);
}

}  // namespace
}  // namespace grafipix
