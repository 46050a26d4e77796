#pragma once
// `Apercu` ("Image originale"): the imported picture as the import stretched
// it, one pixel per canvas cell, each over the cell it was sampled for.

#include <QImage>
#include <QWidget>

namespace grafipix::ui {

class ApercuWindow : public QWidget {
public:
    ApercuWindow();

    // The 128 x 64 picture the samples were read from.
    void setpicture(QImage picture);

private:
    QImage picture_;
};

}  // namespace grafipix::ui
