// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/import_dialog.h"

#include <utility>

#include "formats/drawing_file.h"

namespace grafipix {

ImportDialog::ImportDialog(Pixels picture, const Model& m, int bgkind, const Grid& drawing, const ImportChoices& choices,
                           Palette palette)
    : picture_(std::move(picture)), model_(m), bgkind_(bgkind), drawing_(drawing), result_(drawing),
      drawingpalette_(!m.freepalette() ? Palette{} : palette.empty() ? m.colours() : std::move(palette)), choices_(choices) {
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
    palette_ = drawingpalette_;
    importframed(*framed, model_, bgkind_, choices_, result_, palette_);
}

Picture ImportDialog::preview() const {
    Picture out = pictureof(result_, model_, bgkind_);
    if (palette_.empty()) return out;
    for (int y = 0; y < result_.rows(); ++y)
        for (int x = 0; x < result_.columns(); ++x) {
            const size_t code = size_t(result_.get(x + 1, y + 1));
            out.pixels[size_t(y) * size_t(result_.columns()) + size_t(x)] = toargb(palette_[code < palette_.size() ? code : 0]);
        }
    return out;
}

}  // namespace grafipix
