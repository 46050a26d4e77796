// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The import's dialog as state: the picture as loaded, the choices, and the
// cells the import would write with them. The binding shows the preview and
// hands every change of a control to choose() or drag().

#include <array>
#include <optional>

#include "calculator/model_table.h"
#include "document/grid.h"
#include "formats/import_framing.h"
#include "render/canvas.h"

namespace grafipix {

class ImportDialog {
public:
    // `palette` holds the colours of the drawing's codes on a free palette.
    ImportDialog(Pixels picture, const Model& m, int bgkind, const Grid& drawing, const ImportChoices& choices,
                 Palette palette = {});

    const ImportChoices& choices() const { return choices_; }
    const Pixels& picture() const { return picture_; }
    // The tone's slider is the threshold on the two-colour models, the brightness on the others.
    bool twocolours() const { return model_.conversion == Conversion::twocolours; }
    // "Couleurs" is offered where the palette is free.
    bool freepalette() const { return model_.freepalette(); }

    // Any change of the choices. The picture is sampled once for each framing;
    // a change of tone or method converts those samples again and no more.
    void choose(const ImportChoices& choices);
    // The fill's crop follows the pointer: the picture moved by (dx, dy) cells.
    void drag(int dx, int dy);

    // The drawing with the import laid over it, what "OK" writes.
    const Grid& result() const { return result_; }
    // The colours of its codes on a free palette.
    const Palette& palette() const { return palette_; }
    // That result as the canvas shows it, a pixel per cell of the screen.
    Picture preview() const;

private:
    void convert();

    Pixels picture_;
    const Model& model_;
    int bgkind_;
    Grid drawing_, result_;
    Palette drawingpalette_, palette_;
    ImportChoices choices_;
    std::array<std::optional<Samples>, 4> framed_;  // by Framing
};

}  // namespace grafipix
