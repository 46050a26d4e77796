// The `Code` window opened through the menu on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QScrollBar>

#include "tests/support/qt_app.h"
#include "ui/code_window.h"

namespace grafipix {
namespace {

using testing::QtApp;

// Events until the Code window's run has put its caption up.
bool waitforrun(QtApp& app) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 3000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        if (app.ed().Code && !app.ed().Code->bytes.empty()) return true;
    }
    return false;
}

TEST(CodeWindowUi, MenuEntryGeneratesAndSelectsTheWholeProgram) {
    QtApp app;
    app.ed().pixelgrid.set(5, 10, orange);
    app.platform->inputs.push_back("3");
    app.choose("fline");
    ASSERT_TRUE(waitforrun(app));
    ASSERT_EQ(app.platform->prompts.size(), 1u);

    auto* code = app.platform->codewindow();
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(code->windowTitle().toStdString(), "Code compilé");
    EXPECT_TRUE(code->isVisible());
    EXPECT_EQ(code->size(), QSize(240, 503));
    EXPECT_EQ(code->text()->geometry(), QRect(8, 112, 225, 361));
    EXPECT_TRUE(code->label1()->text().startsWith("Copiez le code ci-dessous"));
    EXPECT_TRUE(code->label1()->text().contains("Fx-interface"));
    EXPECT_TRUE(code->label1()->wordWrap());
    EXPECT_EQ(code->bytes()->text().toStdString(), "Il vous faudra un peu moins de 4135 bytes libres");
    EXPECT_EQ(code->strip()->columns(), 221);
    EXPECT_EQ(code->text()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(code->text()->font().fixedPitch());

    const QString shown = "ClrGraph\nViewWindow 1,127,0,1,63,0\nOrange PxlOn 10,5\nStoPict 3";
    EXPECT_EQ(code->text()->toPlainText().toStdString(), shown.toStdString());
    QTextCursor cursor = code->text()->textCursor();
    EXPECT_EQ(cursor.selectionStart(), 0);
    EXPECT_EQ(cursor.selectionEnd(), shown.size());
    EXPECT_TRUE(code->text()->hasFocus());

    // One copy takes it all, with the Windows line breaks of the program.
    code->text()->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "ClrGraph\r\nViewWindow 1,127,0,1,63,0\r\nOrange PxlOn 10,5\r\nStoPict 3");

    // A second command regenerates in the same window, in the new mode.
    app.ed().Code->bytes.clear();
    app.choose("drawstat");
    ASSERT_TRUE(waitforrun(app));
    EXPECT_EQ(app.platform->codewindow(), code);
    EXPECT_TRUE(code->text()->toPlainText().contains("Dot,Orange "));
    EXPECT_EQ(code->text()->textCursor().selectedText().size(), code->text()->toPlainText().size());

    code->close();
    app.settle();
    EXPECT_FALSE(app.ed().Code.has_value());
    EXPECT_EQ(app.platform->codewindow(), nullptr);
}

}  // namespace
}  // namespace grafipix
