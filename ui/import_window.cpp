// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/import_window.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "formats/picture_io.h"

namespace grafipix::ui {

namespace {

// A group box of radio buttons, each with the id of its place in `captions`.
QButtonGroup* radios(const char* title, std::initializer_list<const char*> captions, const char* name, QWidget* parent,
                     QBoxLayout* into) {
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    int id = 0;
    for (const char* caption : captions) {
        auto* button = new QRadioButton(QString::fromUtf8(caption), box);
        button->setObjectName(QString("%1%2").arg(name).arg(id));
        group->addButton(button, id++);
        layout->addWidget(button);
    }
    into->addWidget(box);
    return group;
}

QSlider* slider(const char* name, QWidget* parent) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setMinimumWidth(200);
    return s;
}

}  // namespace

ImportWindow::ImportWindow(ImportDialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
    setObjectName("Importation");
    setWindowTitle(QString::fromUtf8("Importer image"));
    const Picture first = dialog_.preview();
    // Whole cells, the preview no wider than some 400 pixels.
    zoom_ = std::clamp(400 / std::max(1, first.width), 1, 3);

    auto* pictures = new QHBoxLayout;
    const Pixels& loaded = dialog_.picture();
    const QImage wrapped(reinterpret_cast<const uchar*>(loaded.row(0)), loaded.width, loaded.height,
                         static_cast<qsizetype>(loaded.stride() * 4),
                         loaded.opaque() ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    auto* original = new QLabel(this);
    original->setObjectName("original");
    original->setPixmap(QPixmap::fromImage(
        wrapped.scaled(first.width * zoom_, first.height * zoom_, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    original->setAlignment(Qt::AlignCenter);
    original->setMinimumSize(first.width * zoom_, first.height * zoom_);
    previewbox_ = new QLabel(this);
    previewbox_->setObjectName("preview");
    previewbox_->setFixedSize(first.width * zoom_, first.height * zoom_);
    previewbox_->installEventFilter(this);
    pictures->addWidget(original);
    pictures->addWidget(previewbox_);

    auto* choices = new QHBoxLayout;
    framing_ = radios("Cadrage", {"Étirer", "Ajuster", "Remplir", "Taille réelle"}, "framing", this, choices);
    auto* tonebox = new QGroupBox(QString::fromUtf8("Ton"), this);
    auto* tonelayout = new QGridLayout(tonebox);
    tonelabel_ = new QLabel(QString::fromUtf8(dialog_.twocolours() ? "Seuil" : "Luminosité"), tonebox);
    tone_ = slider("tone", tonebox);
    if (dialog_.twocolours()) tone_->setRange(ImportChoices::lowestthreshold, ImportChoices::highestthreshold);
    else tone_->setRange(-ImportChoices::mostbrightness, ImportChoices::mostbrightness);
    contrast_ = slider("contrast", tonebox);
    contrast_->setRange(-ImportChoices::mostcontrast, ImportChoices::mostcontrast);
    invert_ = new QCheckBox(QString::fromUtf8("Inverser"), tonebox);
    invert_->setObjectName("invert");
    tonelayout->addWidget(tonelabel_, 0, 0), tonelayout->addWidget(tone_, 0, 1);
    tonelayout->addWidget(new QLabel(QString::fromUtf8("Contraste"), tonebox), 1, 0), tonelayout->addWidget(contrast_, 1, 1);
    tonelayout->addWidget(invert_, 2, 0, 1, 2);
    choices->addWidget(tonebox);
    if (dialog_.freepalette()) {
        // The model's eight colours, or a palette of the picture's own.
        auto* colourbox = new QGroupBox(QString::fromUtf8("Couleurs"), this);
        auto* colourlayout = new QVBoxLayout(colourbox);
        colours_ = new QComboBox(colourbox);
        colours_->setObjectName("colours");
        colours_->addItem(QString::fromUtf8("Les 8 du Basic"), 0);
        for (const int n : ImportChoices::adaptedcounts)
            colours_->addItem(QString::fromUtf8("%1 adaptées à l'image").arg(n), n);
        colourlayout->addWidget(colours_);
        colourlayout->addStretch();
        choices->addWidget(colourbox);
    }
    method_ = radios("Conversion", {"Seuil", "Floyd–Steinberg", "Atkinson", "Tramage ordonné"}, "method", this, choices);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QString::fromUtf8("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QString::fromUtf8("Annuler"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictures);
    layout->addLayout(choices);
    layout->addWidget(buttons);

    // The controls start at the dialog's choices, then report every change.
    const ImportChoices& c = dialog_.choices();
    framing_->button(static_cast<int>(c.framing))->setChecked(true);
    method_->button(static_cast<int>(c.method))->setChecked(true);
    tone_->setValue(dialog_.twocolours() ? c.threshold : c.brightness);
    contrast_->setValue(c.contrast);
    invert_->setChecked(c.invert);
    if (colours_) {
        colours_->setCurrentIndex(std::max(0, colours_->findData(c.colours)));
        connect(colours_, &QComboBox::currentIndexChanged, this, &ImportWindow::changed);
    }
    for (QButtonGroup* group : {framing_, method_}) connect(group, &QButtonGroup::idClicked, this, &ImportWindow::changed);
    for (QSlider* s : {tone_, contrast_}) connect(s, &QSlider::valueChanged, this, &ImportWindow::changed);
    connect(invert_, &QCheckBox::toggled, this, &ImportWindow::changed);
    refresh();
}

void ImportWindow::changed() {
    ImportChoices c = dialog_.choices();
    c.framing = static_cast<Framing>(framing_->checkedId());
    c.method = static_cast<Method>(method_->checkedId());
    (dialog_.twocolours() ? c.threshold : c.brightness) = tone_->value();
    c.contrast = contrast_->value();
    c.invert = invert_->isChecked();
    if (colours_) c.colours = colours_->currentData().toInt();
    dialog_.choose(c);
    refresh();
}

void ImportWindow::refresh() {
    const Picture p = dialog_.preview();
    preview_ = exchange::toqimage(p);
    previewbox_->setPixmap(QPixmap::fromImage(preview_.scaled(p.width * zoom_, p.height * zoom_)));
    previewbox_->setCursor(dialog_.choices().framing == Framing::fill ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

bool ImportWindow::eventFilter(QObject* watched, QEvent* e) {
    const bool press = e->type() == QEvent::MouseButtonPress, move = e->type() == QEvent::MouseMove;
    if (watched != previewbox_ || !(press || move)) return QDialog::eventFilter(watched, e);
    const auto* mouse = static_cast<const QMouseEvent*>(e);
    if (press) {
        dragfrom_ = mouse->position().toPoint(), dragged_ = {};
        return true;
    }
    if (mouse->buttons() & Qt::LeftButton) {
        const QPoint cells = (mouse->position().toPoint() - dragfrom_) / zoom_;
        if (cells != dragged_) {
            dialog_.drag(cells.x() - dragged_.x(), cells.y() - dragged_.y());
            dragged_ = cells;
            refresh();
        }
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

}  // namespace grafipix::ui
