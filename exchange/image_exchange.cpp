// "Importer image" and "Exporter image": the picture file is read and written
// by the platform; here it becomes cells, or the canvas becomes a picture.

#include "exchange/image_exchange.h"

#include <utility>

#include "core/editor.h"
#include "models/model_table.h"

namespace grafipix {

std::optional<int16_t> samplecode(wincolour sample, bool threecolours) {
    if (sample == casioback) return std::nullopt;  // the canvas's own back colour
    const int r = redof(sample), g = greenof(sample), b = blueof(sample);
    if (threecolours) {
        if (r > 200 && g > 200 && b > 200) return std::nullopt;
        if (r > 150) return orange;  // red wins over green
        if (g > 150) return green;
        return ink;
    }
    if (r > 100 && g > 100 && b > 100) return std::nullopt;
    return ink;
}

void Editor::importation_Click() { importimage(); }

void Editor::exportation_Click() { exportimage(); }

void Editor::importimage() {
    const std::string path = platform.openfile(exchangetexts::importfilter);
    if (path.empty()) return;
    Samples samples;
    std::string reason;
    // A picture that cannot be read changes nothing, not even the canvas.
    if (!platform.loadpicture(path, samples, reason)) {
        platform.messagebox(exchangetexts::importfailed(path, reason));
        return;
    }
    Picture1.setpicture(Picture{});

    const bool threecolours = currentmodel().threecolours;
    // The import draws through `curcolor`; the colour the user chose comes back
    // afterwards, so the highlighted button is still the colour of the next stroke.
    const int16_t chosen = curcolor;
    // Column 128 and row 64 have no sample: the stretched picture is 128 x 64
    // counted from 0, and those cells are never stored anyway.
    for (int x = 1; x < Grid::maxx; ++x)
        for (int y = 1; y < Grid::maxy; ++y) {
            const std::optional<int16_t> code = samplecode(samples.colour[x][y], threecolours);
            if (!code) continue;
            curcolor = *code;
            Picture1.setforecolor(colourof(curcolor));
            plotcell(static_cast<float>(x), static_cast<float>(y));
        }
    curcolor = chosen;
    redrawcanvas();  // also puts the pen back to the chosen colour
    platform.showwindow(Window::Apercu);
}

void Editor::exportimage() {
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
