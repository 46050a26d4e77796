// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `Code`: the generated program, pre-selected for copying, with the
// instructions, the progress strip and the byte estimate.

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <string>

#include "app/editor.h"

namespace grafipix::ui {

class Application;

// `Picture1`: navy columns on light grey, as many as the run has reached.
class ProgressStrip : public QFrame {
public:
    explicit ProgressStrip(QWidget* parent);
    void setcolumns(int n);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int columns_ = 0;
};

// `Text1`: shows the program with Qt's line breaks but copies it with CR LF,
// the breaks the link programs expect.
class CodeText : public QPlainTextEdit {
public:
    explicit CodeText(QWidget* parent);

protected:
    QMimeData* createMimeDataFromSelection() const override;
};

// The calculator screen the program draws, each pixel a 2 x 2 block.
class CalcScreen : public QFrame {
public:
    static constexpr int scale = 2;
    explicit CalcScreen(QWidget* parent);
    void setscreen(const CalcRun& run, const Model& model);
    const Model* model() const { return model_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage screen_;
    const Model* model_ = nullptr;
};

class CodeWindow : public QWidget {
public:
    explicit CodeWindow(Application& app);

    void refresh(const CodeForm& form);
    // The next refresh shows everything again, selection and focus included.
    void invalidate() { shownvalid_ = false; }

    CodeText* text() const { return text_; }
    QLabel* bytes() const { return bytes_; }
    CalcScreen* screen() const { return screen_; }
    QLabel* previewinfo() const { return previewinfo_; }
    QLabel* toolarge() const { return toolarge_; }
    QPushButton* savetext() const { return savetext_; }
    QPushButton* savecalc() const { return savecalc_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Application& app_;
    QLabel* label1_;
    ProgressStrip* strip_;
    CodeText* text_;
    QLabel* bytes_;
    QLabel* screenlabel_;
    CalcScreen* screen_;
    QLabel* previewinfo_;
    QLabel* toolarge_;
    QPushButton *savetext_, *savecalc_;
    // What Text1 shows, so a refresh after an unrelated event keeps the
    // user's own scrolling and selection.
    bool shownvalid_ = false;
    std::u16string showntext_;
    int shownstart_ = 0, shownlength_ = 0;
    bool shownfocus_ = false;
};

}  // namespace grafipix::ui
