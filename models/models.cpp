// The four calculator models: one table, one switch.

#include <array>

#include "models/palette.h"

namespace grafipix {

namespace {

struct Model {
    MenuEntry Editor::*entry;
    const char* typcalc;
    bool threecolours;  // Graph 65/80: ink, green and orange; the others fold to ink
    int inkcolor;
    ModelGroup group;
};

constexpr Model graph35{&Editor::g35, "Graph 35", false, 1, ModelGroup::twoblue};
constexpr Model graph65{&Editor::g65, "Graph 65", true, 1, ModelGroup::four};
constexpr Model graph85{&Editor::g85, "Graph 85 (sd)", false, 1, ModelGroup::twoblue};
constexpr Model graph100{&Editor::g100, "Graph 100", false, 2, ModelGroup::twoblack};
constexpr std::array<const Model*, 4> models{&graph35, &graph65, &graph85, &graph100};

void choose(Editor& ed, const Model& m) {
    if (!m.threecolours) {
        // Cannot be undone: green and orange stay ink when the three colours come back.
        for (int y = 1; y < 64; ++y)
            for (int x = 1; x < 128; ++x)
                if (ed.pixelgrid.get(x, y) > 0) ed.pixelgrid.set(x, y, 1);
        ed.redrawcanvas();
    }
    const bool black = m.inkcolor == 2;
    ed.pressblue.visible = !black;
    ed.pressblack.visible = black;
    ed.pressorange.visible = m.threecolours;
    ed.pressgreen.visible = m.threecolours;

    Button Editor::*inkbutton = black ? &Editor::pressblack : &Editor::pressblue;
    unhighlightcurrent(ed, inkbutton);
    ed.curcolor = 1;
    ed.inkcolor = m.inkcolor;
    (ed.*inkbutton).backcolor = highlight;
    ed.Picture1.setforecolor(black ? blackink : blueink);
    ed.redrawcanvas();
    ed.typcalc.caption = m.typcalc;
    for (const Model* other : models) (ed.*other->entry).checked = other == &m;
    applyreplacecaptions(ed, m.group, 1);
}

}  // namespace

void Editor::g35_Click() { choose(*this, graph35); }
void Editor::g65_Click() { choose(*this, graph65); }
void Editor::g85_Click() { choose(*this, graph85); }
void Editor::g100_Click() { choose(*this, graph100); }

}  // namespace grafipix
