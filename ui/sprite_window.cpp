// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sprite_window.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/application.h"
#include "ui/artwork.h"

namespace grafipix::ui {

namespace {

// The window's buttons, by the event each sends.
constexpr const char* buttons[] = {"spritepython", "spritebasic", "savesprite", "savespritecalc"};
constexpr CodeButton SpriteForm::*states[] = {&SpriteForm::showpython, &SpriteForm::showbasic, &SpriteForm::save, &SpriteForm::savecalc};

}  // namespace

SpriteWindow::SpriteWindow(Application& app) : app_(app), text_(new QPlainTextEdit), info_(new QLabel) {
    setObjectName("Sprite");
    text_->setReadOnly(true);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    info_->setWordWrap(true);
    info_->setTextFormat(Qt::PlainText);
    setcaptionface(info_, 12);
    auto* forms = new QHBoxLayout, *saves = new QHBoxLayout;
    for (size_t i = 0; i < std::size(buttons); ++i) {
        auto* b = new QPushButton(this);
        b->setObjectName(buttons[i]);
        b->setFont(captionfont(12));
        const char* name = buttons[i];
        connect(b, &QPushButton::clicked, this, [this, name] { app_.run(Event::click(name)); });
        (i < 2 ? forms : saves)->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(forms);
    layout->addWidget(text_, 1);
    layout->addWidget(info_);
    layout->addLayout(saves);
    resize(620, 460);
}

QPushButton* SpriteWindow::button(const char* name) const { return findChild<QPushButton*>(name); }

void SpriteWindow::refresh(const SpriteForm& form) {
    setWindowTitle(QString::fromUtf8("Sprite « ") + QString::fromStdString(form.name) + QString::fromUtf8(" »"));
    const QString shown = form.showsbasic ? QString::fromStdU16String(form.basic).replace("\r\n", "\n")
                                          : QString::fromStdString(form.python);
    if (text_->toPlainText() != shown) text_->setPlainText(shown);
    showcaption(info_, QString::fromStdString(form.info));
    for (size_t i = 0; i < std::size(buttons); ++i) {
        const CodeButton& state = form.*states[i];
        QPushButton* b = button(buttons[i]);
        b->setText(QString::fromStdString(state.caption));
        b->setToolTip(QString::fromStdString(state.tooltip));
        b->setEnabled(state.enabled);
        // Only where the model has both forms is there a choice to make.
        b->setVisible(i >= 2 || form.showpython.enabled);
        if (i < 2) b->setDown((i == 1) == form.showsbasic);
    }
}

void SpriteWindow::closeEvent(QCloseEvent* e) {
    e->accept();
    app_.run(Event::unload(Window::Sprite));
}

}  // namespace grafipix::ui
