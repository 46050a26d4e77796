// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sprite window: the selected block as a Python module or a BASIC
// program, a button for each where the model runs both, and its saves.

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include "app/editor.h"

namespace grafipix::ui {

class Application;

class SpriteWindow : public QWidget {
public:
    explicit SpriteWindow(Application& app);
    void refresh(const SpriteForm& form);

    QPlainTextEdit* text() const { return text_; }
    QLabel* info() const { return info_; }
    QPushButton* button(const char* name) const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Application& app_;
    QPlainTextEdit* text_;
    QLabel* info_;
};

}  // namespace grafipix::ui
