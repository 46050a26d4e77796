// SPDX-License-Identifier: GPL-3.0-or-later
// The built editor in a real X window under Xvfb, driven by real pointer and
// key events through xdotool. Skips, saying why, where no X server starts.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <csignal>
#include <functional>

#include "calculator/model_table.h"
#include "codegen/generator.h"

namespace grafipix {
namespace {

struct Killed : QProcess { ~Killed() override { kill(); waitForFinished(3000); } };

QString xdo(const QStringList& args) {
    QProcess p;
    p.start("xdotool", args);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Waits until `done` holds (true) or `ms` have passed (false).
bool wait(int ms, const std::function<bool()>& done = nullptr) {
    for (QDeadlineTimer end(ms); !(done && done()); QThread::msleep(20))
        if (end.hasExpired()) return false;
    return true;
}

bool shown(const char* title) { return !xdo({"search", "--onlyvisible", "--name", title}).isEmpty(); }
void clickat(QPoint p) { xdo({"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1", "sleep", "0.15"}); }

// The canvas's top-left pixel: where the first long run of the screen green starts.
QPoint findcanvas(const QImage& shot) {
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0, run = 0; x < shot.width(); ++x)
            if ((run = (shot.pixel(x, y) & 0xFFFFFF) == 0xB8D9B5 ? run + 1 : 0) == 300) return {x - 299, y};
    return {-1, -1};
}

TEST(RealWindow, DrawsThroughThePointerAndGeneratesTheProgramThroughTheMenu) {
    if (QStandardPaths::findExecutable("xdotool").isEmpty()) GTEST_SKIP() << "xdotool is not installed";
    Killed server, editor;
    server.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    QByteArray display;  // its number, printed once it is ready
    while (!display.contains('\n') && server.waitForReadyRead(10000)) display += server.readAllStandardOutput();
    if (!display.contains('\n')) GTEST_SKIP() << "no X server could start (is Xvfb installed?)";
    qputenv("DISPLAY", ":" + display.trimmed());
    qputenv("QT_QPA_PLATFORM", "xcb");
    int argc = 1;
    char name[] = "test_e2e", *argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    editor.start(GRAFIPIX_BINARY, {});

    ASSERT_TRUE(wait(15000, [] { return shown("^Grafipix$"); })) << "no splash";
    ASSERT_TRUE(wait(15000, [] { return shown("^Sans titre - Grafipix par ") && !shown("^Grafipix$"); })) << "the splash did not give way";
    QPoint canvas;
    ASSERT_TRUE(wait(15000, [&] { return (canvas = findcanvas(QGuiApplication::primaryScreen()->grabWindow(0).toImage())).x() >= 0; })) << "no canvas on the screen";

    // A place in Main, where the canvas sits at (88, 32); a cell by its top-left pixel.
    auto place = [&](int x, int y) { clickat(canvas + QPoint(x - 88, y - 32)); };
    auto cell = [&](int x, int y) { place(85 + 3 * x, 29 + 3 * y); };
    place(68, 108);  // Ligne
    cell(30, 40), cell(40, 40);
    Grid expected(127, 63);  // the program generated from the editor's picture tells the cells drawn
    for (int x = 30; x < 40; ++x) expected.set(x, 40, ink);

    // "Fichier" on the menu bar just above the client area, then the keyboard:
    // up from its last entry, "Quitter", whatever the recent files above.
    place(20, -8);
    xdo({"key", "--delay", "120", "Up", "Up", "Right", "Return"});
    ASSERT_TRUE(wait(15000, [] { return shown("^Picture$"); })) << "no picture-memory prompt";
    xdo({"key", "--delay", "50", "3", "Return"});
    ASSERT_TRUE(wait(15000, [] { return shown("^Code compil") && !shown("^Picture$"); })) << "no Code window";
    xdo({"sleep", "0.3", "key", "ctrl+c", "sleep", "0.3"});  // the whole program is selected, with the focus
    const std::u16string program = generateprogram(expected, *findmodel("g65"), CodeMode::fline, 3).text;
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdU16String(), program);

    // Past a file-size limit a save fails as on a full disk: the editor
    // ignores the signal that would end it.
    QFile status("/proc/" + QString::number(editor.processId()) + "/status");
    ASSERT_TRUE(status.open(QIODevice::ReadOnly));
    QByteArray ignored;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigIgn:")) ignored = line.mid(7).trimmed();
    EXPECT_TRUE(ignored.toULongLong(nullptr, 16) >> (SIGXFSZ - 1) & 1) << ignored.toStdString();
}

}  // namespace
}  // namespace grafipix
