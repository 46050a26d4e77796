// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt binding on the offscreen platform: the real widgets over the editor,
// with modal boxes and file dialogs answered from a script.

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileDialog>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
// QTest's pointer events through the window system, as the user's arrive.
#define QTEST_QPA_MOUSE_HANDLING
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <set>

#include "codegen/generator.h"
#include "calculator/model_table.h"
#include "app/main_controls.h"
#include "tools/tool_table.h"
#include "ui/application.h"
#include "ui/artwork.h"
#include "ui/canvas_widget.h"
#include "ui/code_window.h"
#include "ui/import_window.h"
#include "ui/main_window.h"
#include "ui/palette_widgets.h"
#include "ui/qt_platform.h"

// Readable failures for QString comparisons.
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace grafipix {
namespace {

struct ScriptedPlatform : ui::QtPlatform {
    using QtPlatform::QtPlatform;
    void messagebox(const std::string& text) override { messages += text; }
    std::string inputbox(const std::string&, const std::string&) override { return answer; }
    std::string openfile(const std::string&) override { return answer; }
    std::string savefile(const std::string&, const std::string&) override { return answer; }
    bool importdialog(ImportDialog&) override { return true; }  // "OK" on the choices it opens with
    std::string messages, answer;  // answer: of every prompt and open dialog
};

class QtBinding : public ::testing::Test {
protected:
    QtBinding() {
        QSettings("Grafipix", "grafipix").remove("zoom");  // as at the first run
        app.start();
    }
    void choose(const char* entry) { main.action(entry)->trigger(); }
    // A cell drawn in `colour` with the Point tool, the one chosen at start, and the ink chosen again.
    void plot(int x, int y, const char* colour) {
        for (const Event& e : {Event::click(colour), Event::down(float(x), float(y)), Event::click("pressblue")}) app.run(e);
    }

    ScriptedPlatform* platform = nullptr;
    ui::Application app{[this](ui::Application& a) { return std::unique_ptr<ui::QtPlatform>(platform = new ScriptedPlatform(a)); }};
    ui::MainWindow& main = app.mainwindow();
    Editor& ed = app.editor();
};

// Serves events until `done` holds (true) or `ms` have passed (false).
bool wait(int ms, const std::function<bool()>& done = nullptr) {
    for (QDeadlineTimer end(ms); !(done && done()); QApplication::processEvents(QEventLoop::AllEvents, 10))
        if (end.hasExpired()) return false;
    return true;
}

// A mouse event at canvas units (x, y); unit x is the first of cell x's three pixels.
void mouse(QWidget* canvas, QEvent::Type type, double x, double y, Qt::MouseButton held = Qt::NoButton) {
    const QPointF at = QPointF(x - 1, y - 1) * 3;
    QMouseEvent e(type, at, canvas->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : held, held, {});
    QApplication::sendEvent(canvas, &e);
}

// The colour `w` shows at its logical point (x, y), at any pixel density.
QColor pixel(QWidget* w, double x, double y) {
    const QImage shot = w->grab().toImage();
    return shot.pixelColor(int(x * shot.devicePixelRatio()), int(y * shot.devicePixelRatio()));
}

// Run again by CTest at QT_SCALE_FACTOR=2: the canvas keeps its logical size
// and units, and gets the device pixels with no blending between cells.
TEST_F(QtBinding, HighDpiCanvasAndControlsFollowTheEditorAndCaptionsFit) {
    QWidget* canvas = main.canvas();
    EXPECT_EQ(canvas->size(), QSize(383, 191)) << "logical size";
    plot(10, 5, "pressorange");
    choose("bgwhite");
    EXPECT_TRUE(pixel(canvas, 29.5, 13) == QColor(255, 128, 0) && pixel(canvas, 30, 13) == Qt::white) << "cell (10, 5) to its last pixel, then white";
    choose("bgcasio"), choose("bgcasio");  // Qt's own toggle of the checked entry is undone
    EXPECT_TRUE(main.action("bgcasio")->isChecked());

    main.button("Command3")->click();  // line
    mouse(canvas, QEvent::MouseButtonPress, 10, 30, Qt::LeftButton);
    mouse(canvas, QEvent::MouseMove, 20, 30);
    EXPECT_EQ(pixel(canvas, 3 * 14, 3 * 29), QColor(0, 0, 192)) << "line preview";
    // With a button held the pointer is followed far outside the widget.
    mouse(canvas, QEvent::MouseMove, -299, 667, Qt::MiddleButton);
    EXPECT_EQ(main.label("coordx")->text(), "-299") << "read-out far outside";
    mouse(canvas, QEvent::MouseButtonPress, 20, 30, Qt::RightButton);
    for (int x = 10; x <= 20; ++x) EXPECT_EQ(ed.picture().get(x, 30), x < 20) << "line cell " << x;

    // A colour button's face is lit white at its left edge.
    auto lit = [&](const char* name) { return pixel(main.button(name), 4, 12) == Qt::white; };
    choose("g100");
    EXPECT_TRUE(lit("pressblack") && !lit("presstruegreen") && !main.button("pressblue")->isVisibleTo(&main)) << "Graph 100 chosen";
    EXPECT_TRUE(main.action("g100")->isChecked() && !main.action("g65")->isChecked() && main.action("repblue")->text() == "le noir par le noir" &&
                !main.action("repblue")->isEnabled()) << "check marks, captions and states of the entries";
    main.button("presstruegreen")->click();
    EXPECT_TRUE(!lit("pressblack") && lit("presstruegreen") && main.action("repbluesel")->isEnabled()) << "background chosen";
    EXPECT_EQ(pixel(main.button("presstruegreen"), 16, 12), QColor(184, 217, 181)) << "swatch on the face";

    // Every caption each label of Main and of the Code window can take fits its box
    // in the face chosen for it (a read-out far off the canvas shrinks to fit),
    // and the about box shows its three lines unscrolled; the picture prompt
    // wraps within 600 pixels; the title picture is drawn at the screen's pixel
    // ratio. Run again by CTest at scale 2.
    auto fits = [](QLabel* l, int pixels) {
        const QRect need = l->fontMetrics().boundingRect(l->rect(), Qt::AlignLeft | (l->wordWrap() ? Qt::TextWordWrap : 0), l->text());
        return need.width() <= l->width() && need.height() <= l->height() && l->font().pixelSize() >= pixels;
    };
    std::vector<std::pair<std::string, std::string>> cases{{"modelbl", "Déplacer le curseur puis cliquez"}};
    for (const ToolRow& t : toolrows())
        for (const ToolStep& step : t.steps) cases.insert(cases.end(), {{"modelbl", t.caption}, {"modelbl", step.caption ? step.caption : ""}});
    for (const Model& m : grafipix::models()) cases.push_back({"typcalc", m.typcalc});
    for (const LabelRow& l : mainlabels()) cases.push_back({l.name, ed.label(l.name)->caption});
    for (const auto& [name, caption] : cases) {
        ui::showcaption(main.label(name), QString::fromStdString(caption));
        EXPECT_TRUE(fits(main.label(name), 10)) << name << ": " << caption;
    }
    for (auto [x, y] : {std::pair{-1279.3334f, 0.8f}, {1300.0f, 700.0f}}) {  // the read-outs far off, through the refresh
        app.run(Event::move(x, y));
        EXPECT_TRUE(fits(main.label("coordx"), x < 0 ? 6 : 10) && fits(main.label("coordy"), 10)) << main.label("coordx")->text().toStdString();
    }
    choose("fline");
    ASSERT_TRUE(wait(3000, [&] { return !platform->timerenabled(Timer::Code1); }));
    QLabel *instruction = platform->codewindow()->findChild<QLabel*>("Label1"), *bytes = platform->codewindow()->bytes();
    for (auto [label, text] : {std::pair{instruction, codetexts::instruction(fxinterface)}, {instruction, codetexts::instruction(fa124)},
                               {bytes, codetexts::estimate(999999)}}) {
        ui::showcaption(label, QString::fromStdString(text));
        EXPECT_TRUE(fits(label, 9)) << text;
    }
    choose("about");
    auto* about = platform->window(Window::Apropos)->findChild<QPlainTextEdit*>("Text1");
    QApplication::processEvents();  // lays the box out
    EXPECT_TRUE(about->document()->blockCount() == 3 && about->verticalScrollBar()->maximum() == 0) << "about box scrolls";

    int width = 0;  // Qt's texts in French are the file dialogs' test to show
    QTimer::singleShot(0, [&] { width = QApplication::activeModalWidget()->width(), QApplication::activeModalWidget()->close(); });
    platform->QtPlatform::inputbox(codetexts::prompt(20), codetexts::prompttitle);
    EXPECT_TRUE(width > 0 && width <= 600) << width;
    const QPixmap title = platform->window(Window::Preview)->findChild<QLabel*>("Image1")->pixmap();
    EXPECT_TRUE(title.devicePixelRatio() == main.devicePixelRatioF() && title.width() == qRound(360 * main.devicePixelRatioF()));
}

// Ctrl++ steps the zoom up to x6; at each factor a pointer position names the
// same cell, through the window system; the controls under the canvas move down
// with it; cells stay crisp; the grid shows from x3 on, never in the raster;
// the factor is kept for the next run.
TEST_F(QtBinding, ZoomKeepsEachPositionsCellTheGridOffThePictureAndKeysArrive) {
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    QWidget* canvas = main.canvas();
    const QPoint colour = main.button("pressblue")->pos(), credit = main.label("Label6")->pos();
    plot(64, 32, "pressblue");
    for (const char* entry : {"grille", "bgcasio"}) choose(entry);  // a redraw shows the cell
    const Picture raster = ed.canvas().image();
    for (int zoom = 1; zoom <= 6; QTest::keyClick(&main, Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier), ++zoom) {
        EXPECT_TRUE(ed.zoomfactor() == zoom && canvas->size() == QSize(383, 191) * zoom &&
                    main.button("pressblue")->pos() == colour && main.label("Label6")->pos() == credit + QPoint(0, 191 * (zoom - 1))) << zoom;
        for (int k : {1, 2, 28, 29, 380}) {  // pixel k at x1 is unit 1 + k / 3, its cell half-up from there
            QTest::mouseMove(canvas, QPoint(k * zoom, 3 * zoom));
            EXPECT_EQ(main.label("coordx")->text() + main.label("coordy")->text(), QString::number(int(1.5 + k / 3.0)) + "62") << zoom;
        }
        const double left = 63 * 3 * zoom, top = 31 * 3 * zoom, last = 3 * zoom - 1;  // cell (64, 32)
        EXPECT_TRUE(pixel(canvas, left + last, top + last) == QColor(0, 0, 192) &&
                    (pixel(canvas, left, top + 1) == QColor(0, 0, 192)) == (zoom < 3) && ed.canvas().image() == raster) << zoom;
    }
    QTest::keyClick(&main, Qt::Key_Minus, Qt::ControlModifier);
    ui::Application again;
    again.start();
    EXPECT_TRUE(again.editor().menu("zoom5")->checked && again.mainwindow().canvas()->width() == 5 * 383 && again.mainwindow().size() == main.size());
}

// A secondary window opens beside Main, on the screen.
bool beside(QWidget* w, QWidget& main) {
    return !w->frameGeometry().intersects(main.frameGeometry()) && main.screen()->availableGeometry().contains(w->frameGeometry());
}

// Code and Apercu open beside Main; Code shows the program, selects it again
// on each run, and scrolls a long line rather than wrap it.
TEST_F(QtBinding, CodeAndApercuOpenBesideMainWithTheProgramSelectedAndThePictureOverItsCells) {
    main.move(0, 0);
    plot(5, 10, "pressorange");
    platform->answer = "3";
    auto ran = [&] { return wait(3000, [&] { return !platform->timerenabled(Timer::Code1); }); };
    choose("fline");
    ASSERT_TRUE(ran());
    ui::CodeWindow* code = platform->codewindow();
    ASSERT_TRUE(code && code->isVisible() && beside(code, main)) << "Code shown beside Main";
    EXPECT_EQ(code->bytes()->text(), "Il vous faudra un peu moins de 4135 bytes libres");
    // That the whole text comes selected with the focus and copies with CR LF is the real window's test to show.
    EXPECT_EQ(code->text()->toPlainText(), "ClrGraph\nViewWindow 1,127,0,1,63,0\nOrange PxlOn 10,5\nStoPict 3");
    // Beside it the calculator screen at 2x (cell (5, 10) inside a frame of 2), under it the cost.
    EXPECT_TRUE(pixel(code->screen(), 2 + 8.5, 2 + 18.5) == QColor(255, 128, 0) && pixel(code->screen(), 2 + 10.5, 2 + 18.5) == QColor(184, 217, 181));
    EXPECT_EQ(code->previewinfo()->text(), "4 instructions, 40 octets sur la calculatrice");
    EXPECT_TRUE(code->savetext()->isEnabled() && !code->savecalc()->isEnabled() && code->savecalc()->toolTip().startsWith("La Graph 65/80"));

    for (int x = 1; x <= 127; x += 2) plot(x, 30, "pressblue");
    choose("drawstat");
    ASSERT_TRUE(ran());
    EXPECT_EQ(platform->codewindow(), code) << "regenerated in the same window";
    EXPECT_GT(code->text()->horizontalScrollBar()->maximum(), 0) << "the new mode's long list line scrolls, not wraps";
    code->text()->moveCursor(QTextCursor::End);  // the user's own selection
    choose("drawstat");
    ASSERT_TRUE(ran());
    EXPECT_EQ(code->text()->textCursor().selectedText().size(), code->text()->toPlainText().size()) << "reselected, same text";
    code->close(), QApplication::processEvents();
    EXPECT_FALSE(ed.codewindow());

    QTemporaryDir dir;
    QImage picture(128, 64, QImage::Format_RGB32);
    picture.fill(Qt::white), picture.setPixel(30, 20, qRgb(255, 0, 0));
    ASSERT_TRUE(picture.save(dir.filePath("point.bmp")));
    platform->answer = dir.filePath("point.bmp").toStdString();
    choose("importation");
    EXPECT_EQ(ed.picture().get(30, 20), orange);
    QWidget* apercu = platform->window(Window::Apercu);
    ASSERT_TRUE(apercu && apercu->isVisible() && beside(apercu, main)) << "Apercu shown beside Main";
    EXPECT_EQ(pixel(apercu, 88.5, 58.5), QColor(255, 0, 0)) << "picture pixel (30, 20) over its cell";
    EXPECT_EQ(pixel(apercu, 383 - 0.5, 100.5), QColor(184, 217, 181)) << "past unit 128: the back colour";
    apercu->close(), QApplication::processEvents();
    EXPECT_EQ(platform->window(Window::Apercu), nullptr) << "closed Apercu";
}

TEST_F(QtBinding, SplashGivesWayOnceAboutIsShownAgainAndQuitEndsAll) {
    QWidget* splash = platform->window(Window::Preview);
    ASSERT_TRUE(splash && splash->isVisible());
    EXPECT_FALSE(wait(600, [&] { return main.isVisible(); })) << "Main too early";
    EXPECT_TRUE(wait(900, [&] { return main.isVisible() && !splash->isVisible(); })) << "Main after a second";

    auto abouts = [] { return std::ranges::count(QApplication::topLevelWidgets(), QString("Apropos"), &QWidget::objectName); };
    choose("about");
    QPointer<QWidget> about = platform->window(Window::Apropos);
    ASSERT_TRUE(about);
    about->hide(), choose("about");
    EXPECT_EQ(abouts(), 1) << "about duplicated";
    EXPECT_TRUE(about && about->isVisible()) << "about shown again";
    choose("exit");
    EXPECT_TRUE(platform->endrequested());
    EXPECT_EQ(abouts(), 0) << "about left after Quitter";
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

// The file dialogs start in the folder of the last file chosen, kept between
// runs (not only in Qt's own memory of this run), and speak French.
TEST_F(QtBinding, FileDialogsStartInTheLastFolderUsed) {
    QTemporaryDir first, second;
    for (const QString& file : {first.filePath("a.bmp"), second.filePath("b.bmp")}) QFile(file).open(QIODevice::WriteOnly);
    QSettings kept("Grafipix", "grafipix");
    QStringList seen;
    auto answer = [&](const QString& file) {
        QTimer::singleShot(0, [&, file] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            seen << dialog->directory().absolutePath() + " " + dialog->windowTitle();
            dialog->selectFile(file);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    };
    kept.setValue("dossier", first.path());  // as an earlier run left it
    answer(second.filePath("b.bmp"));
    EXPECT_EQ(platform->QtPlatform::openfile("Images|*.bmp"), second.filePath("b.bmp").toStdString());
    answer(second.filePath("c.bmp"));
    EXPECT_EQ(platform->QtPlatform::savefile("Images|*.bmp", ""), second.filePath("c.bmp").toStdString());
    EXPECT_EQ(kept.value("dossier").toString(), second.path()) << "the folder kept for the next run";
    EXPECT_EQ(seen, (QStringList{first.path() + " Ouvrir", second.path() + " Enregistrer sous"}));
}

// Quitting keeps the drawing in the data folder for "Rouvrir le dernier
// dessin"; where the folder cannot be made, the write fails saying why.
TEST_F(QtBinding, TheDrawingIsKeptInTheDataFolderAndAFailedWriteSaysWhy) {
    const QString folder = QFileInfo(ui::QtPlatform::keptdrawing()).absolutePath();
    plot(5, 5, "pressgreen");
    for (const char* entry : {"exit", "new", "reopen"}) ed.handle(Event::click(entry));
    EXPECT_EQ(ed.picture().get(5, 5), green) << platform->messages;
    ASSERT_TRUE(QDir(folder).removeRecursively() && QFile(folder).open(QIODevice::WriteOnly));
    std::string error;
    EXPECT_TRUE(!platform->savedrawing("x", error) && error == "le dossier « " + folder.toStdString() + " » ne peut pas être créé");
    QFile::remove(folder);
}

// The title follows the drawing's file and its changes, "Dessins récents"
// lists the file saved, and a file dropped on the window opens.
TEST_F(QtBinding, TitleRecentMenuAndADroppedDrawing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("vue.png");
    plot(4, 4, "pressgreen");
    EXPECT_TRUE(main.windowTitle().startsWith("Sans titre* - Grafipix par ")) << main.windowTitle().toStdString();
    platform->answer = path.toStdString();
    choose("saveas");
    EXPECT_TRUE(main.windowTitle().startsWith("vue.png - ") && main.action("recent1")->isVisible() &&
                main.action("recent1")->text() == "1 " + path && !main.action("recent2")->isVisible());
    choose("new");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    // Qt delivers a drop only where the drag's entry was taken.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&main, &enter);
    QApplication::sendEvent(&main, &drop);
    EXPECT_TRUE(wait(2000, [&] { return ed.picture().get(4, 4) == green; }) && main.windowTitle().startsWith("vue.png - ")) << platform->messages;
}

// The import's dialog binds its controls: a slider moved, a framing chosen and
// the preview dragged each change the choices and the preview at once.
TEST(ImportWindow, SlidersRadiosAndDraggingChangeTheChoicesAndThePreview) {
    std::vector<uint32_t> ramp(200 * 200);
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = 0xFF000000u | uint32_t((i % 200 + i / 200) * 255 / 398) * 0x010101u;
    ImportDialog dialog(Pixels(200, 200, ramp), *findmodel("g35"), 2, Grid(127, 63), {});
    ui::ImportWindow window(dialog, nullptr);
    QWidget* preview = window.findChild<QWidget*>("preview");
    const auto changes = [&](const std::function<void()>& act) { const QImage before = window.preview(); return act(), window.preview() != before; };
    EXPECT_TRUE(changes([&] { window.findChild<QSlider*>("tone")->setValue(200); }) && dialog.choices().threshold == 200);
    EXPECT_TRUE(changes([&] { window.findChild<QRadioButton*>("framing2")->click(); }) && dialog.choices().framing == Framing::fill);
    EXPECT_TRUE(changes([&] {
        for (const auto& [type, at] : {std::pair{QEvent::MouseButtonPress, QPoint(60, 60)}, {QEvent::MouseMove, QPoint(60, 90)}}) {
            QMouseEvent e(type, at, preview->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
            QApplication::sendEvent(preview, &e);
        }
    }) && dialog.choices().offsety == -10) << "30 pixels down, 10 cells at 3 pixels a cell";
}

// On a free palette "Couleurs" lists the eight of the BASIC and the adapted
// palettes; choosing one changes the choices, the palette and the preview at
// once. A two-colour model's dialog has no such control.
TEST(ImportWindow, TheColoursChoiceShowsOnFreePalettesOnly) {
    std::vector<uint32_t> photo(300 * 200);
    for (size_t i = 0; i < photo.size(); ++i) photo[i] = 0xFF000000u | uint32_t(i % 300 * 255 / 299) << 16 | uint32_t(i / 300 * 255 / 199) << 8 | uint32_t((i % 300 + i / 300) % 256);
    ImportDialog free(Pixels(300, 200, photo), *findmodel("g90"), 1, Grid(379, 187), {});
    ui::ImportWindow window(free, nullptr);
    auto* colours = window.findChild<QComboBox*>("colours");
    ASSERT_TRUE(colours && colours->count() == 6 && colours->itemText(0) == QString::fromUtf8("Les 8 du Basic"));
    const QImage eight = window.preview();
    colours->setCurrentIndex(colours->findText(QString::fromUtf8("64 adaptées à l'image")));
    std::set<QRgb> shown;
    for (int y = 0; y < window.preview().height(); ++y)
        for (int x = 0; x < window.preview().width(); ++x) shown.insert(window.preview().pixel(x, y));
    EXPECT_TRUE(free.choices().colours == 64 && free.palette().size() == 64 && window.preview() != eight && shown.size() > 8 && shown.size() <= 64) << shown.size();
    ImportDialog fixed(Pixels(300, 200, photo), *findmodel("g35"), 2, Grid(127, 63), {.colours = 64});
    ui::ImportWindow plain(fixed, nullptr);
    EXPECT_TRUE(plain.findChildren<QComboBox*>().isEmpty() && fixed.palette().empty());
}

}  // namespace
}  // namespace grafipix

int main(int argc, char** argv) {
    // Test discovery runs this without CTest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings and the kept drawing of this run's own, never the user's nor
    // another test's running beside it: Qt's test paths lie under the home.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

namespace grafipix {
namespace {

// The modal dialog of type T once it is up, handed to `answer` from the event loop.
template <class T>
void whenshown(const std::function<void(T&)>& answer) {
    QTimer::singleShot(0, [answer] {
        wait(5000, [] { return dynamic_cast<T*>(QApplication::activeModalWidget()); });
        if (T* dialog = dynamic_cast<T*>(QApplication::activeModalWidget())) answer(*dialog);
    });
}

// On a free palette the panel takes the colour buttons' place beside the
// canvas; a click on a swatch chooses its code; the toolkit's colour dialog,
// in French, and the replacement form answer through the real widgets.
TEST_F(QtBinding, ThePalettePanelAndItsDialogs) {
    ui::PalettePanel& panel = *main.palettepanel();
    EXPECT_TRUE(panel.isHidden());
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    choose("g90");
    ASSERT_FALSE(panel.isHidden());
    EXPECT_TRUE(main.button("pressred")->isHidden() && panel.geometry().right() < main.canvas()->geometry().left());
    QTest::mouseClick(&panel, Qt::LeftButton, {}, panel.swatchrect(3).center());
    EXPECT_EQ(ed.drawingcolour(), 3);
    QString cancel;
    whenshown<QColorDialog>([&cancel](QColorDialog& d) {
        for (QPushButton* b : d.findChildren<QPushButton*>()) cancel += b->text() + "|";
        d.setCurrentColor(QColor(0x80, 0x40, 0x20));
        d.accept();
    });
    choose("addcolour");
    EXPECT_TRUE(cancel.contains("Annuler")) << cancel.toStdString();
    ASSERT_EQ(ed.drawingpalette().size(), 9u);
    EXPECT_TRUE(ed.drawingpalette()[8] == on565(rgbcolour(0x80, 0x40, 0x20)) && ed.drawingcolour() == 8);
    // Past 32 colours the swatches are smaller, all 256 still inside the panel.
    for (int n = 9; n < 256; ++n) {
        whenshown<QColorDialog>([n](QColorDialog& d) { d.setCurrentColor(QColor(n, 255 - n, n / 2)), d.accept(); });
        choose("addcolour");
    }
    ASSERT_EQ(ed.drawingpalette().size(), 256u);
    app.refresh();
    EXPECT_TRUE(panel.rect().contains(panel.swatchrect(255)) && panel.swatchrect(255).width() >= 8) << panel.swatchrect(255).width();
    QTest::mouseClick(&panel, Qt::LeftButton, {}, panel.swatchrect(200).center());
    EXPECT_EQ(ed.drawingcolour(), 200);
    app.run(Event::down(10, 10));
    whenshown<ui::ReplacementForm>([](ui::ReplacementForm& f) {
        EXPECT_EQ(f.to()->count(), 256);
        f.from()->setCurrentIndex(200), f.to()->setCurrentIndex(7), f.accept();
    });
    choose("repchoose");
    EXPECT_EQ(ed.picture().get(10, 10), 7);
}

}  // namespace
}  // namespace grafipix
