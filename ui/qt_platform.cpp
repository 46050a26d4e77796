// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_platform.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

#include "document/texts.h"
#include "formats/picture_io.h"
#include "ui/apercu_window.h"
#include "ui/application.h"
#include "ui/code_window.h"
#include "ui/import_window.h"
#include "ui/main_window.h"
#include "ui/palette_widgets.h"
#include "ui/artwork.h"
#include "ui/secondary_windows.h"
#include "ui/sprite_window.h"

namespace grafipix::ui {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// "Images|*.bmp;*.jpg;*.gif" in Qt's form: "Images (*.bmp *.jpg *.gif)".
QString qtfilter(const std::string& filter) {
    QStringList parts = qs(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i] + " (" + parts[i + 1].split(';').join(' ') + ")";
    return out.join(";;");
}

int slot(Window w) { return static_cast<int>(w); }

// A secondary window opens beside Main, where the screen has room: to its
// right, else its left, else below, else above; failing all, to its right as
// far as the screen allows.
void placebeside(QWidget* w, const QWidget& main) {
    const QRect m = main.frameGeometry();
    const QRect screen = main.screen()->availableGeometry();
    const QSize size = w->frameGeometry().size();
    constexpr int gap = 8;
    const QPoint places[] = {{m.right() + gap, m.top()}, {m.left() - gap - size.width(), m.top()},
                             {m.left(), m.bottom() + gap}, {m.left(), m.top() - gap - size.height()}};
    for (const QPoint& p : places)
        if (screen.contains(QRect(p, size))) return w->move(p);
    w->move(std::clamp(places[0].x(), screen.left(), std::max(screen.left(), screen.right() - size.width())),
            std::clamp(places[0].y(), screen.top(), std::max(screen.top(), screen.bottom() - size.height())));
}

// The folder of the last file chosen in a file dialog, kept between runs.
const char* const lastfolder = "dossier";
QString startfolder() { return QSettings("Grafipix", "grafipix").value(lastfolder).toString(); }
std::string remember(const QString& chosen) {
    if (!chosen.isEmpty()) QSettings("Grafipix", "grafipix").setValue(lastfolder, QFileInfo(chosen).absolutePath());
    return chosen.toStdString();
}

}  // namespace

QtPlatform::QtPlatform(Application& app) : app_(app) {
    for (int i = 0; i < 2; ++i) {
        timers_[i] = new QTimer();
        Timer which = static_cast<Timer>(i);
        QObject::connect(timers_[i], &QTimer::timeout, [this, which] {
            // A new run selects and focuses its text even when it is unchanged.
            if (CodeWindow* code = codewindow(); code && which == Timer::Code1) code->invalidate();
            app_.run(Event::tick(which));
        });
    }
}

QtPlatform::~QtPlatform() {
    for (QTimer* t : timers_) delete t;
}

QWidget* QtPlatform::window(Window w) {
    if (w == Window::Main) return &app_.mainwindow();
    return windows_[slot(w)].data();
}

QWidget* QtPlatform::create(Window w) {
    if (QWidget* existing = window(w)) return existing;
    QWidget* made = nullptr;
    switch (w) {
        case Window::Preview: made = new SplashWindow(); break;
        case Window::Apropos: made = new AboutWindow(); break;
        case Window::Code: made = new CodeWindow(app_); break;
        case Window::Sprite: made = new SpriteWindow(app_); break;
        case Window::Apercu: made = new ApercuWindow(app_.editor().Picture1.width(), app_.editor().Picture1.height()); break;
        default: return nullptr;
    }
    if (w == Window::Code || w == Window::Apercu || w == Window::Sprite) placebeside(made, app_.mainwindow());
    windows_[slot(w)] = made;
    return made;
}

void QtPlatform::showwindow(Window w) {
    QWidget* win = create(w);
    if (!win) return;
    if (auto* apercu = dynamic_cast<ApercuWindow*>(win); apercu && !apercupicture_.isNull())
        apercu->setpicture(std::exchange(apercupicture_, QImage()));
    win->show();
    win->raise();
    win->activateWindow();
}

void QtPlatform::hidewindow(Window w) {
    if (QWidget* win = window(w)) win->hide();
}

void QtPlatform::endprocess() {
    endrequested_ = true;
    for (QTimer* t : timers_) t->stop();
    closeall();
    QCoreApplication::quit();
}

void QtPlatform::closeall() {
    for (auto& w : windows_)
        if (w) delete w.data();
    app_.mainwindow().hide();
}

void QtPlatform::settimer(Timer t, bool enabled, int intervalms) {
    QTimer* timer = timers_[static_cast<int>(t)];
    timer->setInterval(intervalms);
    if (enabled) timer->start();
    else timer->stop();
}

bool QtPlatform::timerenabled(Timer t) const { return timers_[static_cast<int>(t)]->isActive(); }

void QtPlatform::messagebox(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, qs(texts::appname), qs(text), QMessageBox::Ok,
                    window(Window::Main));
    box.exec();
}

std::string QtPlatform::inputbox(const std::string& prompt, const std::string& title) {
    return inputboxwith(prompt, title, {}).value_or(std::string());
}

std::optional<std::string> QtPlatform::inputboxwith(const std::string& prompt, const std::string& title,
                                                    const std::string& initial) {
    QInputDialog box(window(Window::Main));
    box.setTextValue(qs(initial));
    box.setWindowTitle(qs(title));
    box.setLabelText(qs(prompt));
    // A long prompt wraps, so the box and its buttons stay on the screen.
    for (QLabel* label : box.findChildren<QLabel*>()) label->setWordWrap(true);
    box.setMaximumWidth(maxpromptwidth);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue().toStdString();
}

std::optional<wincolour> QtPlatform::choosecolour(wincolour initial, const std::string& title) {
    QColorDialog box(qcolour(initial), window(Window::Main));
    box.setWindowTitle(qs(title));
    if (box.exec() != QDialog::Accepted || !box.selectedColor().isValid()) return std::nullopt;
    const QColor c = box.selectedColor();
    return rgbcolour(c.red(), c.green(), c.blue());
}

std::optional<std::pair<int, int>> QtPlatform::choosereplacement(const std::vector<wincolour>& colours, int from, int to,
                                                                 const std::string& title) {
    ReplacementForm form(colours, from, to, qs(title), window(Window::Main));
    if (form.exec() != QDialog::Accepted) return std::nullopt;
    return std::pair{form.from()->currentIndex(), form.to()->currentIndex()};
}

std::string QtPlatform::openfile(const std::string& filter) {
    return remember(QFileDialog::getOpenFileName(window(Window::Main), QString(), startfolder(), qtfilter(filter)));
}

std::string QtPlatform::savefile(const std::string& filter, const std::string& filename) {
    int chosen = 0;
    return savefiletype(filter, filename, chosen);
}

std::string QtPlatform::savefiletype(const std::string& filter, const std::string& filename, int& chosen) {
    const QString start = filename.empty() ? startfolder() : QDir(startfolder()).filePath(qs(filename));
    const QStringList entries = qtfilter(filter).split(";;");
    QString selected = entries.value(0);
    const std::string path =
        remember(QFileDialog::getSaveFileName(window(Window::Main), QString(), start, entries.join(";;"), &selected));
    chosen = std::max(0, static_cast<int>(entries.indexOf(selected)));
    return path;
}

bool QtPlatform::readpicturefile(const std::string& path, PictureFile& out, std::string& error) {
    return exchange::readpicturefile(path, out, error);
}

bool QtPlatform::fileexists(const std::string& path) { return QFileInfo(qs(path)).isFile(); }

std::vector<std::string> QtPlatform::recentfiles() {
    std::vector<std::string> out;
    for (const QString& path : QSettings("Grafipix", "grafipix").value("recents").toStringList()) out.push_back(path.toStdString());
    return out;
}

void QtPlatform::keeprecentfiles(const std::vector<std::string>& paths) {
    QStringList list;
    for (const std::string& path : paths) list << qs(path);
    QSettings("Grafipix", "grafipix").setValue("recents", list);
}

bool QtPlatform::loadpicture(const std::string& path, int columns, int rows, Pixels& out, std::string& error) {
    if (!exchange::loadpixels(path, out, error, QSize(columns, rows))) return false;
    // `Apercu` only changes once the import is made.
    apercupicture_ = exchange::toqimage(stretchsamples(out, columns, rows));
    return true;
}

bool QtPlatform::importdialog(ImportDialog& dialog) {
    ImportWindow box(dialog, window(Window::Main));
    return box.exec() == QDialog::Accepted;
}

bool QtPlatform::savebitmap(const std::string& path, const Picture& p, std::string& error) {
    return exchange::writebitmap(path, p, error);
}

bool QtPlatform::savebytes(const std::string& path, const std::string& bytes, std::string& error) {
    return exchange::writebytes(path, bytes, error);
}

QString QtPlatform::keptdrawing() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/dernier-dessin.txt";
}

bool QtPlatform::savedrawing(const std::string& text, std::string& error) {
    const QString path = keptdrawing();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        error = "le dossier « " + QFileInfo(path).absolutePath().toStdString() + " » ne peut pas être créé";
        return false;
    }
    return exchange::writebytes(path.toStdString(), text, error);
}

bool QtPlatform::loaddrawing(std::string& text, std::string& error) {
    QFile file(keptdrawing());
    if (!file.exists()) return error = "aucun dessin n'a encore été gardé", false;
    if (!file.open(QIODevice::ReadOnly)) return error = "le fichier « " + keptdrawing().toStdString() + " » ne peut pas être lu", false;
    // A kept drawing is a byte a cell, some 70 KiB on the largest screen;
    // anything far larger is not one.
    text = file.read(qint64{1} << 20).toStdString();
    return true;
}

CodeWindow* QtPlatform::codewindow() { return dynamic_cast<CodeWindow*>(window(Window::Code)); }

void QtPlatform::refresh() {
    const Editor& ed = app_.editor();
    if (CodeWindow* code = codewindow(); code && ed.Code) code->refresh(*ed.Code);
    if (auto* sprite = dynamic_cast<SpriteWindow*>(window(Window::Sprite)); sprite && ed.Sprite) sprite->refresh(*ed.Sprite);
}

}  // namespace grafipix::ui
