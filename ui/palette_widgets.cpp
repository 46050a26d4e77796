// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/palette_widgets.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMouseEvent>
#include <QPainter>
#include <string>

#include "app/editor.h"
#include "ui/application.h"
#include "ui/artwork.h"

namespace grafipix::ui {

PalettePanel::PalettePanel(Application& app, QWidget* parent) : QWidget(parent), app_(app) {
    setObjectName("palettepanel");
    setToolTip("La palette du dessin : un clic choisit la couleur");
}

// Large swatches for a few colours, eight a row of small ones for many, so
// that 256 colours still fit beside the canvas.
int PalettePanel::perrow() const { return colours_.size() <= 32 ? 4 : 8; }
int PalettePanel::side() const { return width() / perrow(); }

QRect PalettePanel::swatchrect(int code) const {
    return QRect(code % perrow() * side(), code / perrow() * side(), side(), side());
}

int PalettePanel::codeat(QPoint p) const {
    if (p.x() < 0 || p.y() < 0 || p.x() >= perrow() * side()) return -1;
    const int code = p.y() / side() * perrow() + p.x() / side();
    return code < int(colours_.size()) ? code : -1;
}

void PalettePanel::refresh() {
    const Editor& ed = app_.editor();
    setVisible(ed.palettepanel());
    if (!ed.palettepanel()) return;
    std::vector<wincolour> colours = ed.colours();
    if (colours == colours_ && marked_ == ed.drawingcolour()) return;
    colours_ = std::move(colours);
    marked_ = ed.drawingcolour();
    update();
}

void PalettePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int code = 0; code < int(colours_.size()); ++code) {
        const QRect r = swatchrect(code);
        p.fillRect(r.adjusted(0, 0, -1, -1), qcolour(colours_[size_t(code)]));
        p.setPen(QColor(0x90, 0x90, 0x90));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    if (marked_ >= 0 && marked_ < int(colours_.size())) {
        // Black and white, seen on any colour.
        const QRect r = swatchrect(marked_).adjusted(0, 0, -1, -1);
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(r.adjusted(1, 1, -1, -1));
        p.setPen(Qt::white);
        p.drawRect(r.adjusted(3, 3, -3, -3));
    }
}

void PalettePanel::mousePressEvent(QMouseEvent* e) {
    if (const int code = codeat(e->position().toPoint()); code >= 0)
        app_.run(Event::click(std::string(swatchprefix) + std::to_string(code)));
}

namespace {

void fill(QComboBox* box, const std::vector<wincolour>& colours, int chosen) {
    for (size_t code = 0; code < colours.size(); ++code) {
        const QColor c = qcolour(colours[code]);
        const QString name = code == 0 ? QString("le fond") : QString("couleur %1").arg(code);
        box->addItem(QIcon(swatch(colours[code])), name + "  (" + c.name().toUpper() + ")");
    }
    box->setCurrentIndex(chosen);
    box->setMaxVisibleItems(16);
}

}  // namespace

ReplacementForm::ReplacementForm(const std::vector<wincolour>& colours, int from, int to, const QString& title, QWidget* parent)
    : QDialog(parent), from_(new QComboBox), to_(new QComboBox) {
    setWindowTitle(title);
    from_->setObjectName("from");
    to_->setObjectName("to");
    fill(from_, colours, from);
    fill(to_, colours, to);
    auto* form = new QFormLayout(this);
    form->addRow("Remplacer", from_);
    form->addRow("par", to_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

}  // namespace grafipix::ui
