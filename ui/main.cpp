// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <csignal>

#include "ui/application.h"

namespace {

QtMessageHandler qtdefault = nullptr;

// The decoders' English lines (libpng's among them) only repeat what the
// editor's own message says when a picture cannot be read.
void withoutdecoders(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const bool decoder = text.startsWith("libpng") || QByteArray(context.category ? context.category : "").startsWith("qt.gui.imageio");
    if (!decoder || type == QtFatalMsg) qtdefault(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
    qtdefault = qInstallMessageHandler(withoutdecoders);
    // Past a file-size limit a save fails as on a full disk, with its message
    // and the old file intact, rather than the signal ending the editor.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication qt(argc, argv);
    // The data folder, where the drawing is kept: ~/.local/share/Grafipix/grafipix.
    QApplication::setOrganizationName("Grafipix");
    QApplication::setApplicationName("grafipix");
    grafipix::ui::Application app;
    app.start();
    return qt.exec();
}
