// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_controls.h"

#include <array>
#include <vector>

#include "calculator/model_table.h"
#include "tools/tool_table.h"

namespace grafipix {

namespace {

using E = Editor;

// Entries that only open a submenu have no handler (nullptr).
const std::array fixed{
    MenuRow{"file", &E::file, 0, "Fichier", "", true, false, nullptr},
    MenuRow{"new", &E::new_, 1, "Nouveau", "Ctrl+N", true, false, &E::new_Click},
    MenuRow{"reopen", &E::reopen, 1, "Rouvrir le dernier dessin", "", true, false, &E::reopen_Click},
    MenuRow{"open", &E::open_, 1, "Ouvrir...", "Ctrl+O", true, false, &E::open_Click},
    MenuRow{"save", &E::save, 1, "Enregistrer", "Ctrl+S", true, false, &E::save_Click},
    MenuRow{"saveas", &E::saveas, 1, "Enregistrer sous...", "Ctrl+Shift+S", true, false, &E::saveas_Click},
    MenuRow{"recent", &E::recent, 1, "Dessins récents", "", false, false, nullptr},
    MenuRow{"importation", &E::importation, 1, "Importer image", "", true, false, &E::importation_Click},
    MenuRow{"exportation", &E::exportation, 1, "Exporter image", "", true, false, &E::exportation_Click},
    MenuRow{"exportcalc", &E::exportcalc, 1, findoutput("picture")->caption, "", false, false, &E::exportcalc_Click},
    MenuRow{"generate", &E::generate, 1, "Générer le code", "", true, false, nullptr},
    MenuRow{"fline", &E::fline, 2, "Mode F-line/Pxlon", "", true, false, &E::fline_Click},
    MenuRow{"drawstat", &E::drawstat, 2, "Mode F-line et drawstat", "", true, false, &E::drawstat_Click},
    MenuRow{"compact", &E::compact, 2, "Mode compact", "", true, false, &E::compact_Click},
    MenuRow{"python", &E::python, 2, "Script Python", "", false, false, &E::python_Click},
    MenuRow{"exit", &E::exit, 1, "Quitter", "Ctrl+Q", true, false, &E::exit_Click},
    MenuRow{"edit", &E::edit, 0, "Édition", "", true, false, nullptr},
    MenuRow{"undo", &E::undo, 1, "Annuler", "Ctrl+Z", false, false, &E::undo_Click},
    MenuRow{"redo", &E::redo, 1, "Rétablir", "Ctrl+Y; Ctrl+Shift+Z", false, false, &E::redo_Click},
    MenuRow{"selection", &E::selection, 0, "Sélection", "", false, false, nullptr},
    MenuRow{"desel", &E::desel, 1, "Déselectionner", "", true, false, &E::desel_Click},
    MenuRow{"selduplicate", &E::selduplicate, 1, "Dupliquer", "", true, false, &E::selduplicate_Click},
    MenuRow{"seldelete", &E::seldelete, 1, "Supprimer", "", true, false, &E::seldelete_Click},
    MenuRow{"rotate180", &E::rotate180, 1, "Rotation 180°", "", true, false, &E::rotate180_Click},
    MenuRow{"selsym", &E::selsym, 1, "Symétrie", "", true, false, nullptr},
    MenuRow{"selvert", &E::selvert, 2, "Verticale", "", true, false, &E::selvert_Click},
    MenuRow{"selhoriz", &E::selhoriz, 2, "Horizontale", "", true, false, &E::selhoriz_Click},
    MenuRow{"replacesel", &E::replacesel, 1, "Remplacer...", "", true, false, nullptr},
    MenuRow{"selsprite", &E::selsprite, 1, "Exporter en sprite...", "", true, false, &E::selsprite_Click},
    // The drawing's own colours, on the models whose palette is free.
    MenuRow{"palette", &E::palettemenu, 0, "Palette", "", true, false, nullptr},
    MenuRow{"editcolour", &E::editcolour, 1, "Modifier la couleur...", "", true, false, &E::editcolour_Click},
    MenuRow{"addcolour", &E::addcolour, 1, "Ajouter une couleur...", "", true, false, &E::addcolour_Click},
    MenuRow{"dropunused", &E::dropunused, 1, "Retirer les couleurs inutilisées", "", true, false, &E::dropunused_Click},
    MenuRow{"options", &E::options, 0, "Options", "", true, false, nullptr},
    MenuRow{"calc", &E::calc, 1, "Calculatrice", "", true, false, nullptr},
    MenuRow{"bground", &E::bground, 1, "Couleur Fond", "", true, false, nullptr},
    MenuRow{"bgwhite", &E::bgwhite, 2, "Blanc", "", true, false, &E::bgwhite_Click},
    MenuRow{"bgcasio", &E::bgcasio, 2, "Casio", "", true, true, &E::bgcasio_Click},
    MenuRow{"opyes", &E::opyes, 1, "Duplication Opaque", "", true, true, &E::opyes_Click},
    MenuRow{"remplace", &E::remplace, 1, "Remplacer...", "", true, false, nullptr},
    MenuRow{"zoom", &E::zoom, 1, "Zoom", "", true, false, nullptr},
    MenuRow{"zoom1", &E::zoom1, 2, "×1", "Ctrl+0", true, true, &E::zoom1_Click},
    MenuRow{"zoom2", &E::zoom2, 2, "×2", "", true, false, &E::zoom2_Click},
    MenuRow{"zoom3", &E::zoom3, 2, "×3", "", true, false, &E::zoom3_Click},
    MenuRow{"zoom4", &E::zoom4, 2, "×4", "", true, false, &E::zoom4_Click},
    MenuRow{"zoom5", &E::zoom5, 2, "×5", "", true, false, &E::zoom5_Click},
    MenuRow{"zoom6", &E::zoom6, 2, "×6", "", true, false, &E::zoom6_Click},
    MenuRow{"zoomfit", &E::zoomfit, 2, "Ajuster à la fenêtre", "", true, false, &E::zoomfit_Click},
    MenuRow{"grille", &E::grille, 1, "Grille", "", true, false, &E::grille_Click},
    MenuRow{"continu", &E::continu, 1, "Tracé continu", "", true, false, &E::continu_Click},
    MenuRow{"dither", &E::dither, 1, "Importation tramée", "", true, false, &E::dither_Click},
    MenuRow{"aide", &E::aide, 0, "?", "", true, false, nullptr},
    MenuRow{"about", &E::about, 1, "A propos de Pixatelier", "", true, false, &E::about_Click},
};

const std::array labels{
    LabelRow{"Label1", &E::Label1, 120, 120, 615, 255, true, "Infos : "},
    LabelRow{"modelbl", &E::modelbl, 720, 120, 3975, 255, false, "Point"},
    LabelRow{"Label4", &E::Label4, 4800, 120, 1215, 255, true, "Calculatrice : "},
    LabelRow{"typcalc", &E::typcalc, 6120, 120, 975, 255, false, "Graph 65"},
    LabelRow{"Label2", &E::Label2, 240, 600, 255, 255, true, "X : "},
    LabelRow{"coordx", &E::coordx, 600, 600, 615, 255, false, ""},
    LabelRow{"Label3", &E::Label3, 240, 960, 255, 255, true, "Y :"},
    LabelRow{"coordy", &E::coordy, 600, 960, 615, 255, false, ""},
    LabelRow{"Label5", &E::Label5, 120, 3840, 2775, 255, false, nullptr},
    LabelRow{"Label6", &E::Label6, 4920, 3840, 2175, 255, false, nullptr},
};

// Code 0 is the back colour; the codes past the Graph 65/80's are numbered.
std::string codeword(int code) {
    constexpr const char* words[] = {"bg", "blue", "green", "orange"};
    return code < int(std::size(words)) ? words[code] : "colour" + std::to_string(code);
}

std::vector<MenuRow> buildtree() {
    int codes = 0;
    for (const Model& m : models()) codes = std::max(codes, m.codes());
    std::vector<MenuRow> rows;
    int slots = 0;
    // The replacement entries: the ink first, the other colours, the back colour last.
    const auto replacements = [&](bool inselection) {
        for (int n = 1; n <= codes; ++n) {
            const int code = n % codes;
            MenuRow r{replacename(code, inselection), nullptr, 2, "", "", true, false, nullptr};
            r.replaces = code, r.inselection = inselection, r.slot = slots++;
            rows.push_back(r);
        }
        // A free palette's colours, too many for an entry each, are chosen in a form.
        rows.push_back(inselection ? MenuRow{"repchoosesel", &E::repchoosesel, 2, "Choisir les couleurs...", "", true, false, &E::repchoosesel_Click}
                                   : MenuRow{"repchoose", &E::repchoose, 2, "Choisir les couleurs...", "", true, false, &E::repchoose_Click});
    };
    for (const MenuRow& f : fixed) {
        rows.push_back(f);
        if (f.name == "calc")
            for (const Model& m : models()) {
                MenuRow r{m.name, nullptr, 2, m.menucaption, "", true, &m == &startmodel(), nullptr};
                r.model = &m, r.slot = slots++;
                rows.push_back(r);
            }
        if (f.name == "recent")
            for (int n = 0; n < recentcount; ++n) {
                MenuRow r{"recent" + std::to_string(n + 1), nullptr, 2, "", "", false, false, nullptr};
                r.recent = n, r.slot = slots++;
                rows.push_back(r);
            }
        if (f.name == "replacesel") replacements(true);
        if (f.name == "remplace") replacements(false);
    }
    return rows;
}

}  // namespace

std::string replacename(int code, bool inselection) { return "rep" + codeword(code) + (inselection ? "sel" : ""); }

std::span<const MenuRow> menutree() {
    static const std::vector<MenuRow> rows = buildtree();
    return rows;
}

std::span<const LabelRow> mainlabels() { return labels; }

std::span<const ButtonRow> mainbuttons() {
    static const std::vector<ButtonRow> rows = [] {
        std::vector<ButtonRow> out;
        for (const ToolRow& t : toolrows()) out.push_back({t.button, t.left, t.top, 375, 375, t.icon, 0});
        for (const Swatch* c : allswatches()) out.push_back({c->name, c->left, c->top, 495, 375, nullptr, c->colour});
        return out;
    }();
    return rows;
}

}  // namespace grafipix
