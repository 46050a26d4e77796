// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Wires the editor to Qt: one editor, the platform that serves it and the
// windows that show its state. Every event reaches the editor through run(),
// which hands it to the editor's funnel and then shows the resulting state.

#include <functional>
#include <memory>

#include "app/editor.h"

namespace grafipix::ui {

class MainWindow;
class QtPlatform;

class Application {
public:
    using PlatformFactory = std::function<std::unique_ptr<QtPlatform>(Application&)>;

    // Tests pass a factory for a platform whose modal boxes answer from a script.
    explicit Application(const PlatformFactory& makeplatform = {});
    ~Application();

    // The load of `Main`: splash, hidden main window, splash timer.
    void start();

    Editor& editor() { return *editor_; }
    QtPlatform& platform() { return *platform_; }
    MainWindow& mainwindow() { return *main_; }

    // Hand an event to the editor, then show the state it left. false: the
    // editor refused it.
    bool run(const Event& e);
    // Show the editor's state in every window that exists.
    void refresh();

private:
    std::unique_ptr<QtPlatform> platform_;
    std::unique_ptr<Editor> editor_;
    std::unique_ptr<MainWindow> main_;
};

}  // namespace grafipix::ui
