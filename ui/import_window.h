// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The import's dialog: the picture as loaded beside what the import will
// write, and the controls of the choices, each change handed to the
// ImportDialog that holds them.

#include <QDialog>

#include "app/import_dialog.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

namespace grafipix::ui {

class ImportWindow : public QDialog {
public:
    ImportWindow(ImportDialog& dialog, QWidget* parent);

    // What the preview shows now, a pixel per cell.
    const QImage& preview() const { return preview_; }

protected:
    // Dragging the preview moves the fill's crop by whole cells.
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void changed();
    void refresh();

    ImportDialog& dialog_;
    QButtonGroup *framing_, *method_;
    QLabel *tonelabel_, *previewbox_;
    QSlider *tone_, *contrast_;
    QCheckBox* invert_;
    QComboBox* colours_ = nullptr;  // on a free palette only
    QImage preview_;
    int zoom_;
    QPoint dragfrom_;
    QPoint dragged_;  // cells moved since the press
};

}  // namespace grafipix::ui
