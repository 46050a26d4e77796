// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up splash `Preview` and the about window `Apropos`.

#include <QWidget>

namespace grafipix::ui {

class SplashWindow : public QWidget {
public:
    SplashWindow();
};

class AboutWindow : public QWidget {
public:
    AboutWindow();
};

}  // namespace grafipix::ui
