// The built editor in a real X window: Xvfb, real pointer and key events
// through xdotool, a screenshot of the canvas and the program copied from the
// code window. Skips, saying why, where no X server can start.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <functional>
#include <memory>

#include "core/editor.h"
#include "tests/support/fake_platform.h"

namespace grafipix {
namespace {

constexpr int waitms = 15000;  // for any one thing to show up

class Display {
public:
    // Starts Xvfb on a free display; empty name when it cannot start.
    QString start() {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        if (xvfb.isEmpty()) return {};
        server_.start(xvfb, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        if (!server_.waitForStarted(5000)) return {};
        QElapsedTimer t;
        t.start();
        QByteArray out;
        while (t.elapsed() < 10000 && !out.contains('\n') && server_.state() == QProcess::Running) {
            server_.waitForReadyRead(200);
            out += server_.readAllStandardOutput();
        }
        bool ok = false;
        const int number = out.trimmed().toInt(&ok);
        return ok ? ":" + QString::number(number) : QString();
    }
    ~Display() {
        server_.kill();
        server_.waitForFinished(3000);
    }

private:
    QProcess server_;
};

// xdotool with its arguments; its standard output.
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
    while (t.elapsed() < waitms) {
        if (done()) return true;
        settle(100);
    }
    return false;
}

bool visible(const QString& title) { return !xdo({"search", "--onlyvisible", "--name", title}).isEmpty(); }

QImage screenshot() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }

// The canvas is the first long run of the screen green, at its top-left pixel.
QPoint findcanvas(const QImage& shot) {
    const QRgb green = qRgb(184, 217, 181);
    for (int y = 0; y < shot.height(); ++y) {
        int run = 0;
        for (int x = 0; x < shot.width(); ++x) {
            run = (shot.pixel(x, y) & 0xFFFFFF) == (green & 0xFFFFFF) ? run + 1 : 0;
            if (run == 300) return QPoint(x - 299, y);
        }
    }
    return QPoint(-1, -1);
}

class RealWindow : public ::testing::Test {
protected:
    void clickat(QPoint p) {
        xdo({"mousemove", QString::number(p.x()), QString::number(p.y())});
        settle(60);
        xdo({"click", "1"});
        settle(150);
    }
    // Cell x is reached from x - 0.5 to just below x + 0.5: the pixel of the point (x, y).
    void clickcell(int x, int y) { clickat(canvas_ + QPoint(3 * (x - 1), 3 * (y - 1))); }
    // A button of Main by its place in the client area, relative to the canvas at (88, 32).
    void clickbutton(int left, int top, int width, int height) {
        clickat(canvas_ + QPoint(left + width / 2 - 88, top + height / 2 - 32));
    }

    QPoint canvas_;
};

TEST_F(RealWindow, DrawsThroughThePointerAndGeneratesTheProgramThroughTheMenu) {
    if (QStandardPaths::findExecutable("xdotool").isEmpty()) GTEST_SKIP() << "xdotool is not installed";
    Display display;
    const QString name = display.start();
    if (name.isEmpty()) GTEST_SKIP() << "no X server could start (Xvfb missing or failing)";
    qputenv("DISPLAY", name.toUtf8());
    int argc = 1;
    char arg0[] = "real_window_test";
    char* argv[] = {arg0, nullptr};
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);

    QProcess editor;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", name);
    env.insert("QT_QPA_PLATFORM", "xcb");
    editor.setProcessEnvironment(env);
    editor.start(GRAFIPIX_BINARY, {});
    ASSERT_TRUE(editor.waitForStarted(5000));
    auto stop = std::unique_ptr<QProcess, void (*)(QProcess*)>(&editor, [](QProcess* p) {
        p->kill();
        p->waitForFinished(3000);
    });

    // The splash first, then Main in its place.
    ASSERT_TRUE(waitfor([] { return visible("^Grafipix$"); })) << "no splash";
    EXPECT_FALSE(visible("^Grafipix par ")) << "Main shown during the splash";
    ASSERT_TRUE(waitfor([] { return visible("^Grafipix par "); })) << "Main never showed";
    EXPECT_TRUE(waitfor([] { return !visible("^Grafipix$"); })) << "the splash stayed";
    settle(300);
    canvas_ = findcanvas(screenshot());
    ASSERT_GE(canvas_.x(), 0) << "no canvas on the screen";

    // Points, a line, and a green point.
    clickcell(10, 10);
    clickcell(20, 15);
    clickbutton(56, 96, 25, 25);  // Ligne
    clickcell(30, 40);
    clickcell(40, 40);
    clickbutton(48, 200, 33, 25);  // green
    clickbutton(8, 96, 25, 25);    // Point
    clickcell(60, 20);
    settle(300);

    Grid expected;
    expected.set(10, 10, 1);
    expected.set(20, 15, 1);
    for (int x = 30; x < 40; ++x) expected.set(x, 40, 1);
    expected.set(60, 20, 2);
    const QRgb shown[] = {qRgb(184, 217, 181), qRgb(0, 0, 192), qRgb(0, 192, 0), qRgb(255, 128, 0)};
    const QImage shot = screenshot();
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x) {
            const QRgb got = shot.pixel(canvas_ + QPoint(3 * (x - 1) + 1, 3 * (y - 1) + 1)) | 0xFF000000;
            ASSERT_EQ(got, shown[expected.get(x, y)] | 0xFF000000) << "cell " << x << "," << y;
        }

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
    // The whole program is selected with the focus: one copy takes it all.
    xdo({"key", "ctrl+c"});
    settle(300);

    testing::FakePlatform platform;
    Editor reference(platform);
    reference.Main_Load();
    reference.pixelgrid = expected;
    platform.inputs = {"3"};
    reference.fline_Click();
    reference.Code_Timer1_Timer();
    ASSERT_TRUE(reference.Code.has_value());
    const QString program = QString::fromStdU16String(reference.Code->Text1);
    EXPECT_TRUE(program.endsWith("StoPict 3"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), program);
}

}  // namespace
}  // namespace grafipix
