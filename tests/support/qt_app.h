#pragma once
// The real Qt application on the offscreen platform, with modal boxes and
// file dialogs answered from a script instead of waiting for a user.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"

namespace grafipix::testing {

class ScriptedQtPlatform : public ui::QtPlatform {
public:
    using QtPlatform::QtPlatform;

    void messagebox(const std::string& text) override { messages.push_back(text); }
    std::string inputbox(const std::string& prompt, const std::string&) override {
        prompts.push_back(prompt);
        return pop(inputs);
    }
    std::string openfile(const std::string&) override { return pop(opens); }
    std::string savefile(const std::string&, const std::string&) override { return pop(saves); }

    std::vector<std::string> messages, prompts;
    std::deque<std::string> inputs, opens, saves;

private:
    static std::string pop(std::deque<std::string>& q) {
        if (q.empty()) return "";
        std::string s = q.front();
        q.pop_front();
        return s;
    }
};

// The widget pixel of the canvas point (x, y): cell x is reached from x - 0.5
// to just below x + 0.5, the left half of where it is drawn.
inline QPointF pointat(double x, double y) { return QPointF((x - 1) * 3, (y - 1) * 3); }

inline void sendmouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// A left click: press and release.
inline void clickat(QWidget* w, double x, double y) {
    sendmouse(w, QEvent::MouseButtonPress, pointat(x, y), Qt::LeftButton, Qt::LeftButton);
    sendmouse(w, QEvent::MouseButtonRelease, pointat(x, y), Qt::LeftButton, Qt::NoButton);
}

struct QtApp {
    QtApp()
        : app([this](ui::Application& a) {
              auto p = std::make_unique<ScriptedQtPlatform>(a);
              platform = p.get();
              return p;
          }) {
        app.start();
    }

    ui::MainWindow& main() { return app.mainwindow(); }
    Editor& ed() { return app.editor(); }
    // Choose a menu entry as the user does: through its QAction.
    void choose(const std::string& name) { main().action(name)->trigger(); }
    void settle() { QApplication::processEvents(); }

    ScriptedQtPlatform* platform = nullptr;
    ui::Application app;
};

}  // namespace grafipix::testing
