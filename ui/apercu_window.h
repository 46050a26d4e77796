#pragma once
// `Apercu` ("Image originale"): the imported picture as it was read, stretched
// over the canvas's 128 x 64 units like the samples the import takes.

#include <QImage>
#include <QWidget>

namespace grafipix::ui {

class ApercuWindow : public QWidget {
public:
    ApercuWindow();

    void setpicture(QImage picture);
    const QImage& picture() const { return picture_; }
    // The picture at the size it is shown: 128 x 64 units.
    const QImage& stretched() const { return stretched_; }

private:
    QImage picture_, stretched_;
};

}  // namespace grafipix::ui
