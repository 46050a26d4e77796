// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `Main`: the menu tree, buttons, labels and canvas built from the control
// inventory; refresh() shows the editor's control state, the zoom included,
// and keys go to the editor as they are.

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <map>
#include <string>
#include <vector>

#include "app/main_controls.h"

namespace grafipix::ui {

class Application;
class CanvasWidget;
class PalettePanel;

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
    PalettePanel* palettepanel() const { return palette_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    // A picture file dropped on the window opens as "Ouvrir" would open it.
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void buildmenus();
    void buildcontrols(QWidget* client);
    // The canvas at `cellpixels` screen pixels a cell, the controls under it
    // moved down with its bottom edge; the window fitted around them unless
    // the canvas fits the window (`fit`), which the user then sizes freely.
    void place(int cellpixels, bool fit);
    // The most pixels a cell that let the canvas fit the window beside the controls, at least 1.
    int fittingcells() const;

    Application& app_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
    std::map<std::string, QPushButton*> buttons_;
    std::map<std::string, QLabel*> labels_;
    std::map<std::string, wincolour> shownback_;
    CanvasWidget* canvas_ = nullptr;
    PalettePanel* palette_ = nullptr;
    bool fit_ = false;
    std::vector<std::pair<QWidget*, QRect>> designed_;  // controls at their twips place
};

}  // namespace grafipix::ui
