// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widgets of a free palette: the panel of the drawing's colours beside the
// canvas, and the replacement's form of "Choisir les couleurs...".

#include <QComboBox>
#include <QDialog>
#include <QWidget>
#include <vector>

#include "calculator/colours.h"

namespace grafipix::ui {

class Application;

// The drawing's colours in code order, as many a row as fit its width, the
// drawing colour framed; a click is the event of that swatch.
class PalettePanel : public QWidget {
public:
    PalettePanel(Application& app, QWidget* parent);

    // The editor's palette and drawing colour, repainted when they change.
    void refresh();
    // The swatch under a point of the panel, -1 for none.
    int codeat(QPoint p) const;
    // A swatch's square, for the tests.
    QRect swatchrect(int code) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    int side() const;
    int perrow() const;

    Application& app_;
    std::vector<wincolour> colours_;
    int marked_ = 0;
};

// Two lists of the drawing's colours, "Remplacer" and "par".
class ReplacementForm : public QDialog {
public:
    ReplacementForm(const std::vector<wincolour>& colours, int from, int to, const QString& title, QWidget* parent);
    QComboBox* from() const { return from_; }
    QComboBox* to() const { return to_; }

private:
    QComboBox *from_, *to_;
};

}  // namespace grafipix::ui
