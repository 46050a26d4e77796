// SPDX-License-Identifier: GPL-3.0-or-later
// "Importer image" and "Exporter image": the picture file is read and written
// by the platform; here it becomes cells, or the canvas becomes a picture.

#include <utility>

#include "formats/image_conversion.h"
#include "formats/import_framing.h"
#include "formats/png.h"

#include "app/editor.h"
#include "app/import_dialog.h"
#include "calculator/model_table.h"

namespace grafipix {

void Editor::dither_Click() { dither.checked = !dither.checked; }

void Editor::importation_Click() {
    const std::string path = platform.openfile(exchangetexts::importfilter);
    if (!path.empty()) importfile(path, false);
}

bool Editor::importfile(const std::string& path, bool ontoempty) {
    Pixels loaded;
    std::string reason;
    // A picture that cannot be read changes nothing, not even the canvas.
    if (!platform.loadpicture(path, pixelgrid.maxx(), pixelgrid.maxy(), loaded, reason)) {
        platform.messagebox(exchangetexts::importfailed(path, reason));
        return false;
    }
    // "Importation tramée" says whether the import dithers; how, the dialog
    // last chose. Each picture's crop starts centred.
    ImportChoices start = importchoices;
    if (!dither.checked) start.method = Method::threshold;
    else if (start.method == Method::threshold) start.method = Method::floydsteinberg;
    start.offsetx = start.offsety = 0;
    Grid cells = ontoempty ? Grid(pixelgrid.columns(), pixelgrid.rows()) : pixelgrid;
    Palette palette = colours();
    if (ontoempty) {
        // A picture opened as a drawing takes the run's choices without asking.
        importpicture(loaded, *model, bgkind, start, cells, palette);
    } else {
        ImportDialog dialog(std::move(loaded), *model, bgkind, cells, start, palette);
        if (!platform.importdialog(dialog)) return false;
        importchoices = dialog.choices();
        dither.checked = importchoices.method != Method::threshold;
        cells = dialog.result(), palette = dialog.palette();
    }
    Picture1.setpicture(Picture{});
    // Cells and colours together, one step of undo.
    if (model->freepalette()) doc.setpalette(std::move(palette));
    doc.restore(cells);
    // Painted at once: the cells as the redraw shows them, the pen still the chosen colour.
    redrawcanvas();
    platform.showwindow(Window::Apercu);
    return true;
}

void Editor::exportation_Click() {
    int chosen = 0;  // the filter's entries: the canvas as BMP data, as PNG, the cells as PNG
    const std::string path = platform.savefiletype(exchangetexts::exportfilter, "", chosen);
    if (path.empty()) return;
    std::string reason;
    if (chosen == 2) {
        const std::string bytes = drawingfilebytes(reason);
        if (!platform.savebytes(path, bytes, reason)) platform.messagebox(exchangetexts::exportfailed(path, reason));
        return;
    }
    // The selection frame is the editor's, not the picture's: it is never saved.
    const bool framed = std::exchange(selframe, false);
    if (framed) redrawcanvas();
    Picture shown = Picture1.image();
    selframe = framed;
    const bool saved = chosen == 1 ? platform.savebytes(path, encodepng(shown), reason)
                                   : platform.savebitmap(path, shown, reason);
    // Only a picture actually saved stays under the marks.
    if (saved) Picture1.setpicture(std::move(shown));
    if (framed) redrawcanvas();
    if (!saved) platform.messagebox(exchangetexts::exportfailed(path, reason));
}

}  // namespace grafipix
