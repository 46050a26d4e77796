// The captions of the eight "Remplacer..." entries: one rule over one table.

#include <array>
#include <string>

#include "models/palette.h"

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

const char* colourname(int code, ModelGroup group) {
    switch (code) {
        case 0: return "le fond";
        case 1: return group == ModelGroup::twoblack ? "le noir" : "le bleu";
        case 2: return "le vert";
        default: return "l'orange";
    }
}

bool modelhas(ModelGroup group, int code) { return code < 2 || group == ModelGroup::four; }

}  // namespace

ModelGroup checkedgroup(const Editor& ed) {
    if (ed.g100.checked) return ModelGroup::twoblack;
    if (ed.g65.checked) return ModelGroup::four;
    return ModelGroup::twoblue;
}

void applyreplacecaptions(Editor& ed, ModelGroup group, int curcolor) {
    if (curcolor == 2 || curcolor == 3) group = ModelGroup::four;
    for (const ReplaceEntry& e : entries) {
        MenuEntry shown{std::string(colourname(e.source, group)) + " par " + colourname(curcolor, group),
                        e.source != curcolor && modelhas(group, e.source), false};
        for (MenuEntry Editor::*entry : {e.whole, e.selection}) {
            (ed.*entry).caption = shown.caption;
            (ed.*entry).enabled = shown.enabled;
        }
    }
}

}  // namespace grafipix
