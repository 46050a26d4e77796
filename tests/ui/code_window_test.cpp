// The `Code` window opened through the menu on the offscreen platform.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QElapsedTimer>

#include "tests/support/qt_app.h"
#include "ui/code_window.h"

namespace grafipix {
namespace {

// Events until the Code window's run has put its caption up.
bool waitforrun(testing::QtApp& app) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 3000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        if (app.ed().Code && !app.ed().Code->bytes.empty()) return true;
    }
    return false;
}

TEST(CodeWindowUi, MenuEntryGeneratesAndSelectsTheWholeProgram) {
    testing::QtApp app;
    app.ed().doc.set(5, 10, orange);
    app.platform->inputs.push_back("3");
    app.choose("fline");
    ASSERT_TRUE(waitforrun(app));
    auto* code = app.platform->codewindow();
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(code->windowTitle().toStdString(), "Code compilé");
    EXPECT_TRUE(code->isVisible());
    EXPECT_EQ(code->size(), QSize(240, 503));
    EXPECT_EQ(code->bytes()->text().toStdString(), "Il vous faudra un peu moins de 4135 bytes libres");
    const QString shown = "ClrGraph\nViewWindow 1,127,0,1,63,0\nOrange PxlOn 10,5\nStoPict 3";
    EXPECT_EQ(code->text()->toPlainText(), shown);
    EXPECT_EQ(code->text()->textCursor().selectedText().size(), shown.size());
    EXPECT_TRUE(code->text()->hasFocus());
    code->text()->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString(shown).replace("\n", "\r\n"));

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
}

}  // namespace
}  // namespace grafipix
