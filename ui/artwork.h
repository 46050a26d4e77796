// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own pictures, drawn in code: the title picture of the splash
// and about windows, the tool icons and the colour swatches; and the face of
// the captions.

#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <string>

#include "calculator/colours.h"

namespace grafipix::ui {

QImage titlepicture(qreal pixelratio);     // 360 x 232, drawn at that device pixel ratio
QPixmap toolicon(const char* const* rows);    // a tool's icon from its rows in the tool table
QPixmap swatch(wincolour c);              // 10 x 10
QColor qcolour(wincolour c);

// The face of the captions, in pixels: a narrow one, so that every caption the
// program shows fits the box its twips place gives it.
QFont captionfont(int pixels, bool bold = false);
// A label showing captions in that face at `pixels`.
void setcaptionface(QLabel* label, int pixels, bool bold = false);
// Shows `text`, in the label's face or, for a text its box cannot hold (a
// read-out far off the canvas, say), a smaller size of it.
void showcaption(QLabel* label, const QString& text);

}  // namespace grafipix::ui
