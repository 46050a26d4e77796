// "Importer image" and "Exporter image": the picture file is read and written
// by the platform; here it becomes cells, or the canvas becomes a picture.

#include <utility>

#include "formats/image_conversion.h"

#include "app/editor.h"
#include "app/import_dialog.h"
#include "calculator/model_table.h"

namespace grafipix {

void Editor::dither_Click() { dither.checked = !dither.checked; }

void Editor::importation_Click() {
    const std::string path = platform.openfile(exchangetexts::importfilter);
    if (path.empty()) return;
    Pixels loaded;
    std::string reason;
    // A picture that cannot be read changes nothing, not even the canvas.
    if (!platform.loadpicture(path, pixelgrid.maxx(), pixelgrid.maxy(), loaded, reason)) {
        platform.messagebox(exchangetexts::importfailed(path, reason));
        return;
    }
    // "Importation tramée" says whether the import dithers; how, the dialog
    // last chose. Each picture's crop starts centred.
    ImportChoices start = importchoices;
    if (!dither.checked) start.method = Method::threshold;
    else if (start.method == Method::threshold) start.method = Method::floydsteinberg;
    start.offsetx = start.offsety = 0;
    ImportDialog dialog(std::move(loaded), *model, bgkind, pixelgrid, start);
    if (!platform.importdialog(dialog)) return;
    importchoices = dialog.choices();
    dither.checked = importchoices.method != Method::threshold;
    Picture1.setpicture(Picture{});

    const Grid& cells = dialog.result();
    for (int y = 0; y <= cells.maxy(); ++y)
        for (int x = 0; x <= cells.maxx(); ++x) doc.set(x, y, cells.get(x, y));
    // Painted at once: the cells as the redraw shows them, the pen still the chosen colour.
    redrawcanvas();
    platform.showwindow(Window::Apercu);
}

void Editor::exportation_Click() {
    const std::string path = platform.savefile(exchangetexts::exportfilter, "");
    if (path.empty()) return;
    // The selection frame is the editor's, not the picture's: it is never saved.
    const bool framed = std::exchange(selframe, false);
    if (framed) redrawcanvas();
    Picture shown = Picture1.image();
    selframe = framed;
    std::string reason;
    const bool saved = platform.savebitmap(path, shown, reason);
    // Only a picture actually saved stays under the marks.
    if (saved) Picture1.setpicture(std::move(shown));
    if (framed) redrawcanvas();
    if (!saved) platform.messagebox(exchangetexts::exportfailed(path, reason));
}

}  // namespace grafipix
