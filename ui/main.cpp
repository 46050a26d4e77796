#include <QApplication>

#include "ui/application.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    grafipix::ui::Application app;
    app.start();
    return qt.exec();
}
