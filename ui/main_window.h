#pragma once
// `Main`: the menu tree, buttons, labels and canvas built from the control
// inventory; refresh() shows the editor's control state.

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <map>
#include <string>
#include <vector>

#include "core/main_controls.h"

namespace grafipix::ui {

class Application;
class CanvasWidget;

class MainWindow : public QMainWindow {
public:
    explicit MainWindow(Application& app);

    void refresh();

    // The widgets by control name, for the binding and for tests.
    QAction* action(const std::string& name) const { return actions_.at(name); }
    QMenu* menu(const std::string& name) const { return menus_.count(name) ? menus_.at(name) : nullptr; }
    QPushButton* button(const std::string& name) const { return buttons_.at(name); }
    QLabel* label(const std::string& name) const { return labels_.at(name); }
    CanvasWidget* canvas() const { return canvas_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void buildmenus();
    void buildcontrols(QWidget* client);

    Application& app_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
    std::map<std::string, QPushButton*> buttons_;
    std::map<std::string, QLabel*> labels_;
    std::map<std::string, wincolour> shownback_;
    CanvasWidget* canvas_ = nullptr;
};

}  // namespace grafipix::ui
