// SPDX-License-Identifier: GPL-3.0-or-later
// "Sélection > Exporter en sprite...": the selected block under a name the
// user gives, as a Python module and as a BASIC program, as far as the model
// runs each, in a window of its own with a button for each.

#include "app/editor.h"
#include "calculator/model_table.h"
#include "codegen/python_sprite.h"
#include "codegen/sprite.h"
#include "codegen/tokens.h"
#include "formats/g1m.h"

namespace grafipix {

namespace {


// Fit for every form the model takes, or why not.
std::string badspritename(const Model& m, const std::string& name) {
    const bool python = !m.python || validpythonname(name), basic = !m.basic || g1m::validname(spriteprogramname(name));
    if (python && basic) return "";
    if (m.python && m.basic)
        return "Le nom « " + name + " » ne convient pas : de 1 à 8 lettres sans accent ou chiffres, une lettre d'abord, "
               "pour le module Python comme pour le programme Basic.";
    if (!python)
        return "Le nom « " + name + " » ne convient pas au module Python : des lettres sans accent, des chiffres ou _, "
               "pas de chiffre d'abord, et pas un mot de Python.";
    return g1m::badname(spriteprogramname(name));
}

// The program file the model's calculators take, nullptr for none.
const Output* programfile(const Model& m) { return *m.calcfiles ? findoutput(m.calcfiles) : nullptr; }

}  // namespace

void Editor::selsprite_Click() {
    // The part of the selected block on the screen; a block wholly off it, one empty cell.
    const SelectionRect& sel = doc.selrect();
    const auto span = [](float first, float bound, int last, int& from) {
        const double start = std::max(1.0, double(first)), end = std::min(double(last), double(first) + std::max(1.0, double(bound) - 1) - 1);
        from = start <= end ? cellindex(float(start)) : 1;
        return start <= end ? cellindex(float(end)) - from + 1 : 1;
    };
    int left = 1, top = 1;
    Grid block(span(sel.selx, sel.selw, pixelgrid.columns(), left), span(sel.sely, sel.selh, pixelgrid.rows(), top));
    for (int j = 1; j <= block.rows(); ++j)
        for (int i = 1; i <= block.columns(); ++i)
            if (pixelgrid.onscreen(left + i - 1, top + j - 1)) block.set(i, j, pixelgrid.get(left + i - 1, top + j - 1));
    std::string name = Sprite ? Sprite->name : "sprite";
    for (;;) {
        const std::optional<std::string> answer = platform.inputboxwith("Nom du sprite :", "Sprite", name);
        if (!answer) return;
        name = *answer;
        const std::string bad = badspritename(*model, name);
        if (bad.empty()) break;
        platform.messagebox(bad);
    }
    SpriteForm form;
    form.name = name;
    if (model->python) form.python = pythonsprite(block, name, *model, colours());
    if (model->basic) {
        const Program program = basicsprite(block, *model, owncolours());
        form.basic = program.text;
        form.unnamed = program.unnamed;
    }
    form.showpython.enabled = model->python && model->basic;
    form.showbasic.enabled = model->python && model->basic;
    Sprite = std::move(form);
    showsprite(!model->python);
    platform.showwindow(Window::Sprite);
}

void Editor::showsprite(bool basic) {
    SpriteForm& s = *Sprite;
    s.showsbasic = basic;
    if (basic) {
        s.info = "Programme " + spriteprogramname(s.name) + " : " + std::to_string(calculatorsize(s.basic, *model)) +
                 " octets sur la calculatrice. Avant Prog \"" + spriteprogramname(s.name) + "\", le jeu met la colonne dans A et la ligne dans B.";
        if (s.unnamed) s.info += "\n" + codetexts::unnamed(s.unnamed, model->codes()) + ".";
    } else {
        s.info = "Module " + s.name + ".py : " + std::to_string(s.python.size()) + " octets. Le jeu fait from " + s.name +
                 " import * puis " + s.name + "(x, y).";
    }
    const Output* calcfile = programfile(*model);
    s.savecalc.enabled = basic && calcfile;
    s.savecalc.tooltip = calcfile ? calcfile->tooltip : "";
}

void Editor::spritepython_Click() { showsprite(false); }
void Editor::spritebasic_Click() { showsprite(true); }

void Editor::savesprite_Click() {
    const SpriteForm& s = *Sprite;
    const std::string stem = s.showsbasic ? spriteprogramname(s.name) : s.name;
    const std::u16string script(s.python.begin(), s.python.end());
    const Output& row = *findoutput(s.showsbasic ? "text" : "python");
    saveoutput(*this, row, {.grid = pixelgrid, .model = *model, .program = s.showsbasic ? std::u16string_view(s.basic) : script},
               stem + row.extension);
}

void Editor::savespritecalc_Click() {
    const SpriteForm& s = *Sprite;
    const std::string name = spriteprogramname(s.name);
    saveoutput(*this, *programfile(*model), {.grid = pixelgrid, .model = *model, .program = s.basic, .programname = name});
}

void Editor::Sprite_Unload() { Sprite.reset(); }

}  // namespace grafipix
