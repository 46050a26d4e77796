#include <QApplication>

#include "ui/application.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    // The data folder, where the drawing is kept: ~/.local/share/Grafipix/grafipix.
    QApplication::setOrganizationName("Grafipix");
    QApplication::setApplicationName("grafipix");
    grafipix::ui::Application app;
    app.start();
    return qt.exec();
}
