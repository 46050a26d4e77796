#pragma once
// `Code`: the generated program, pre-selected for copying, with the
// instructions, the progress strip and the byte estimate.

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>
#include <string>

#include "core/editor.h"

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

class CodeWindow : public QWidget {
public:
    explicit CodeWindow(Application& app);

    void refresh(const CodeForm& form);
    // The next refresh shows everything again, selection and focus included.
    void invalidate() { shownvalid_ = false; }

    CodeText* text() const { return text_; }
    QLabel* bytes() const { return bytes_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Application& app_;
    QLabel* label1_;
    ProgressStrip* strip_;
    CodeText* text_;
    QLabel* bytes_;
    // What Text1 shows, so a refresh after an unrelated event keeps the
    // user's own scrolling and selection.
    bool shownvalid_ = false;
    std::u16string showntext_;
    int shownstart_ = 0, shownlength_ = 0;
    bool shownfocus_ = false;
};

}  // namespace grafipix::ui
