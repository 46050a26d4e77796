#include "ui/qt_platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "core/texts.h"
#include "exchange/picture_io.h"
#include "ui/apercu_window.h"
#include "ui/application.h"
#include "ui/code_window.h"
#include "ui/main_window.h"
#include "ui/secondary_windows.h"

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
        case Window::Apercu: made = new ApercuWindow(); break;
        default: return nullptr;
    }
    windows_[slot(w)] = made;
    return made;
}

void QtPlatform::showwindow(Window w) {
    QWidget* win = create(w);
    if (!win) return;
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
    bool ok = false;
    QString answer = QInputDialog::getText(window(Window::Main), qs(title), qs(prompt),
                                           QLineEdit::Normal, QString(), &ok);
    return ok ? answer.toStdString() : std::string();
}

std::string QtPlatform::openfile(const std::string& filter) {
    return QFileDialog::getOpenFileName(window(Window::Main), QString(), QString(), qtfilter(filter))
        .toStdString();
}

std::string QtPlatform::savefile(const std::string& filter, const std::string& filename) {
    return QFileDialog::getSaveFileName(window(Window::Main), QString(), qs(filename), qtfilter(filter))
        .toStdString();
}

bool QtPlatform::loadpicture(const std::string& path, Samples& out, std::string& error) {
    QImage picture;
    // `Apercu` only changes once the picture has been read.
    if (!exchange::loadsamples(path, out, error, &picture)) return false;
    if (auto* apercu = dynamic_cast<ApercuWindow*>(create(Window::Apercu))) apercu->setpicture(std::move(picture));
    return true;
}

bool QtPlatform::savebitmap(const std::string& path, const Picture& p, std::string& error) {
    return exchange::writebitmap(path, p, error);
}

CodeWindow* QtPlatform::codewindow() { return dynamic_cast<CodeWindow*>(window(Window::Code)); }

void QtPlatform::refresh() {
    const Editor& ed = app_.editor();
    if (CodeWindow* code = codewindow(); code && ed.Code) code->refresh(*ed.Code);
}

}  // namespace grafipix::ui
