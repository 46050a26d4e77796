// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `Apercu` ("Image originale"): the imported picture as the import stretched
// it, one pixel per canvas cell, each over the cell it was sampled for.

#include <QImage>
#include <QWidget>

namespace grafipix::ui {

class ApercuWindow : public QWidget {
public:
    // The size of the canvas it stands beside.
    ApercuWindow(int width, int height);

    // The picture the samples were read from, a pixel per cell counted from 0.
    void setpicture(QImage picture);

private:
    QImage picture_;
};

}  // namespace grafipix::ui
