// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/import_dialog.h"

#include <utility>

#include "formats/drawing_file.h"

namespace grafipix {

ImportDialog::ImportDialog(Pixels picture, const Model& m, int bgkind, const Grid& drawing, const ImportChoices& choices)
    : picture_(std::move(picture)), model_(m), bgkind_(bgkind), drawing_(drawing), result_(drawing), choices_(choices) {
    convert();
}

void ImportDialog::choose(const ImportChoices& choices) {
    choices_ = choices;
    convert();
}

void ImportDialog::drag(int dx, int dy) {
    if (choices_.framing != Framing::fill) return;
    // The crop moves against the picture.
    choices_.offsetx -= dx, choices_.offsety -= dy;
    convert();
}

void ImportDialog::convert() {
    std::optional<Samples>& framed = framed_[static_cast<size_t>(choices_.framing)];
    if (!framed) framed = framesamples(picture_, choices_.framing, drawing_.columns(), drawing_.rows());
    result_ = drawing_;
    importframed(*framed, model_, bgkind_, choices_, result_);
}

Picture ImportDialog::preview() const { return pictureof(result_, model_, bgkind_); }

}  // namespace grafipix
