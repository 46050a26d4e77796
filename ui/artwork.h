#pragma once
// The program's own pictures, drawn in code: the title picture of the splash
// and about windows, the tool icons and the colour swatches.

#include <QImage>
#include <QPixmap>
#include <string>

#include "core/colours.h"

namespace grafipix::ui {

QImage titlepicture();                    // 360 x 232
QPixmap toolicon(const char* const* rows);    // a tool's icon from its rows in the tool table
QPixmap swatch(wincolour c);              // 10 x 10
QColor qcolour(wincolour c);

}  // namespace grafipix::ui
