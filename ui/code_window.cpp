// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/code_window.h"

#include <QCloseEvent>
#include <QMimeData>
#include <QPainter>

#include <algorithm>

#include "app/main_controls.h"
#include "ui/application.h"
#include "ui/artwork.h"

namespace grafipix::ui {

namespace {

// Places in twips, 15 to the pixel.
constexpr int clientwidth = 7590, clientheight = 7545;
struct Place {
    int left, top, width, height;
    QRect pixels() const {
        return QRect(left / twipsperpixel, top / twipsperpixel, width / twipsperpixel, height / twipsperpixel);
    }
};
constexpr Place label1place{120, 120, 3375, 1095};
constexpr Place stripplace{120, 1320, 3375, 255};
// The text gives up the room of the two buttons under it; the calculator
// screen is beside it, twice the screen's pixels in a frame of 2, and under the
// screen what the program costs there.
constexpr Place textplace{120, 1680, 3375, 4545};
constexpr Place bytesplace{120, 6330, 3495, 255};
constexpr Place savetextplace{120, 6690, 3375, 375};
constexpr Place savecalcplace{120, 7125, 3375, 375};
constexpr Place screenlabelplace{3600, 1320, 3870, 255};
constexpr Place screenplace{3600, 1680, 3870, 1950};
constexpr Place previewinfoplace{3600, 3750, 3870, 510};
constexpr Place toolargeplace{3600, 4380, 3870, 1275};

QString qs(const std::u16string& s) {
    return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

// Qt keeps a CR LF as one block break: a position in the program text is that
// position less the CR LF pairs before it.
int documentposition(const std::u16string& text, int pos) {
    pos = std::clamp(pos, 0, static_cast<int>(text.size()));
    int pairs = 0;
    for (int i = 0; i + 1 < pos; ++i) pairs += text[i] == u'\r' && text[i + 1] == u'\n';
    return pos - pairs;
}

}  // namespace

ProgressStrip::ProgressStrip(QWidget* parent) : QFrame(parent) {
    setObjectName("Picture1");
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void ProgressStrip::setcolumns(int n) {
    if (n == columns_) return;
    columns_ = n;
    update();
}

void ProgressStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect inside = contentsRect();
    p.fillRect(inside, qcolour(lightgrey));
    // Columns 1..n, rows 1 to 11 of the strip's own pixels: the lines from
    // (i, 1) to (i, 12) leave out their last pixel.
    if (columns_ > 0) p.fillRect(inside.left() + 1, inside.top() + 1, columns_, 11, qcolour(navy));
    drawFrame(&p);
}

CalcScreen::CalcScreen(QWidget* parent) : QFrame(parent) {
    setObjectName("screen");
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void CalcScreen::setscreen(const CalcRun& run, const Model& model) {
    model_ = &model;
    screen_ = QImage(run.columns, run.rows, QImage::Format_RGB32);
    // The calculator's own screen green where the model offers it; the
    // other colours as the run drew them.
    for (int y = 1; y <= run.rows; ++y)
        for (int x = 1; x <= run.columns; ++x) {
            const int code = run.screen[y][x];
            const bool drawn = code > 0 && size_t(code) < run.colours.size();
            screen_.setPixel(x - 1, y - 1, qcolour(drawn ? run.colours[size_t(code)] : model.shown(0, 2)).rgb());
        }
    update();
}

void CalcScreen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect room = contentsRect();
    if (screen_.isNull()) p.fillRect(room, qcolour(casioback));
    // Twice the calculator's pixels, or less where a larger screen would not fit.
    const double fit = screen_.isNull() ? scale : std::min({double(scale), double(room.width()) / screen_.width(),
                                                             double(room.height()) / screen_.height()});
    if (!screen_.isNull() && fit >= 1) {
        p.drawImage(QRectF(room.topLeft(), QSizeF(screen_.size()) * fit), screen_);
    } else if (!screen_.isNull()) {
        // Shrunk by averaging, so a lone pixel or a thin line fades rather than vanishes.
        const QImage shrunk = screen_.scaled(room.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.fillRect(room, qcolour(lightgrey));
        p.drawImage(room.topLeft() + QPoint((room.width() - shrunk.width()) / 2, 0), shrunk);
    }
    drawFrame(&p);
}

CodeText::CodeText(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName("Text1");
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::NoWrap);  // one program line, one screen line
    QFont courier("Courier");
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    courier.setPointSizeF(9.75);
    setFont(courier);
}

QMimeData* CodeText::createMimeDataFromSelection() const {
    auto* copied = new QMimeData();
    copied->setText(textCursor().selectedText().replace(QChar::ParagraphSeparator, "\r\n"));
    return copied;
}

CodeWindow::CodeWindow(Application& app) : app_(app) {
    setObjectName("Code");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8("Code compilé"));
    setFixedSize(clientwidth / twipsperpixel, clientheight / twipsperpixel);
    // Plain-text captions in the program's face, wrapped from the top left
    // where they may take two lines.
    const auto label = [this](const char* name, const Place& place, int pixels, bool wraps) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setGeometry(place.pixels());
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(wraps);
        if (wraps) l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setcaptionface(l, pixels);
        return l;
    };
    label1_ = label("Label1", label1place, 10, true);

    strip_ = new ProgressStrip(this);
    strip_->setGeometry(stripplace.pixels());

    text_ = new CodeText(this);
    text_->setGeometry(textplace.pixels());

    bytes_ = label("bytes", bytesplace, 9, false);  // room for a six-digit estimate

    const auto button = [this](const char* name, const Place& place) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        b->setGeometry(place.pixels());
        b->setFont(captionfont(10));
        connect(b, &QPushButton::clicked, this, [this, name] { app_.run(Event::click(name)); });
        return b;
    };
    savetext_ = button("savetext", savetextplace);
    savecalc_ = button("savecalc", savecalcplace);

    screenlabel_ = label("screenlabel", screenlabelplace, 10, false);
    showcaption(screenlabel_, QString::fromUtf8("Ce que la calculatrice dessine :"));
    screen_ = new CalcScreen(this);
    screen_->setGeometry(screenplace.pixels());
    previewinfo_ = label("previewinfo", previewinfoplace, 10, true);
    toolarge_ = label("toolarge", toolargeplace, 10, true);
    QPalette red = toolarge_->palette();
    red.setColor(QPalette::WindowText, QColor(0xC0, 0, 0));
    toolarge_->setPalette(red);
}

void CodeWindow::refresh(const CodeForm& form) {
    showcaption(label1_, QString::fromStdString(form.Label1));
    showcaption(bytes_, QString::fromStdString(form.bytes));
    strip_->setcolumns(form.progress);
    for (auto [button, state] : {std::pair{savetext_, &form.savetext}, {savecalc_, &form.savecalc}}) {
        button->setText(QString::fromStdString(state->caption));
        button->setEnabled(state->enabled);
        button->setToolTip(QString::fromStdString(state->tooltip));
    }
    showcaption(previewinfo_, QString::fromStdString(form.previewinfo));
    showcaption(toolarge_, QString::fromStdString(form.toolarge));

    const bool textchanged = !shownvalid_ || form.Text1 != showntext_;
    if (textchanged) text_->setPlainText(qs(form.Text1));
    // A model switch may change the ink and not the text.
    if (textchanged || app_.editor().model != screen_->model()) screen_->setscreen(form.preview, *app_.editor().model);
    if (textchanged || form.selstart != shownstart_ || form.sellength != shownlength_) {
        QTextCursor cursor = text_->textCursor();
        cursor.setPosition(documentposition(form.Text1, form.selstart));
        cursor.setPosition(documentposition(form.Text1, form.selstart + form.sellength), QTextCursor::KeepAnchor);
        text_->setTextCursor(cursor);
    }
    if (form.focus && (textchanged || !shownfocus_)) {
        activateWindow();
        text_->setFocus(Qt::OtherFocusReason);
    }
    shownvalid_ = true;
    showntext_ = form.Text1;
    shownstart_ = form.selstart;
    shownlength_ = form.sellength;
    shownfocus_ = form.focus;
}

void CodeWindow::closeEvent(QCloseEvent* e) {
    e->accept();
    app_.run(Event::unload(Window::Code));
}

}  // namespace grafipix::ui
