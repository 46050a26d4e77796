// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "ui/main_window.h"
#include "ui/qt_platform.h"

namespace grafipix::ui {

namespace {

// Qt's own texts, the buttons of the boxes and the file dialogs, in French like
// the rest; once for the process.
void frenchtoolkit() {
    static QTranslator qtbase;
    static const bool installed =
        qtbase.load(QLocale(QLocale::French), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(&qtbase);
    (void)installed;
}

}  // namespace

Application::Application(const PlatformFactory& makeplatform) {
    frenchtoolkit();
    platform_ = makeplatform ? makeplatform(*this) : std::make_unique<QtPlatform>(*this);
    editor_ = std::make_unique<Editor>(*platform_);
    main_ = std::make_unique<MainWindow>(*this);
}

Application::~Application() {
    // Secondary windows refer to the editor: close them before it goes.
    platform_->closeall();
    main_.reset();
}

void Application::start() {
    run(Event::load());
    // The zoom of the last run; a value no entry has is refused.
    const int zoom = QSettings("Grafipix", "grafipix").value("zoom", 1).toInt();
    if (zoom != 1) run(Event::click("zoom" + std::to_string(zoom)));
}

bool Application::run(const Event& e) {
    const bool taken = editor_->handle(e);
    refresh();
    return taken;
}

void Application::refresh() {
    main_->refresh();
    platform_->refresh();
}

}  // namespace grafipix::ui
