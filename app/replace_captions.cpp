// The captions of the eight "Remplacer..." entries: one rule over one table.

#include "app/replace_captions.h"

#include <array>
#include <string>

#include "app/editor.h"
#include "calculator/model_table.h"

namespace grafipix {

namespace {

struct ReplaceEntry {
    int source;
    MenuEntry Editor::*whole;      // under Options
    MenuEntry Editor::*selection;  // its twin under Sélection
};

constexpr std::array<ReplaceEntry, 4> entries{{
    {1, &Editor::repblue, &Editor::repbluesel},
    {2, &Editor::repgreen, &Editor::repgreensel},
    {3, &Editor::reporange, &Editor::reporangesel},
    {0, &Editor::repbg, &Editor::repbgsel},
}};

const char* colourname(int code, bool black) {
    switch (code) {
        case 0: return "le fond";
        case 1: return black ? "le noir" : "le bleu";
        case 2: return "le vert";
        default: return "l'orange";
    }
}

}  // namespace

void applyreplacecaptions(Editor& ed, const Model& model, int curcolor) {
    const bool threecolours = model.threecolours || curcolor == 2 || curcolor == 3;
    const bool black = !threecolours && model.inkcolor == 2;
    for (const ReplaceEntry& e : entries) {
        const std::string caption = std::string(colourname(e.source, black)) + " par " + colourname(curcolor, black);
        const bool enabled = e.source != curcolor && (e.source < 2 || threecolours);
        for (MenuEntry Editor::*entry : {e.whole, e.selection}) {
            (ed.*entry).caption = caption;
            (ed.*entry).enabled = enabled;
        }
    }
}

}  // namespace grafipix
