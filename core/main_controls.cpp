#include "core/main_controls.h"

#include <array>

namespace grafipix {

namespace {

using E = Editor;

// Entries that only open a submenu have no handler (nullptr).
const std::array menus{
    MenuSpec{"file", &E::file, 0, "Fichier", "", true, false, nullptr},
    MenuSpec{"new", &E::new_, 1, "Nouveau", "Ctrl+N", true, false, &E::new_Click},
    MenuSpec{"importation", &E::importation, 1, "Importer image", "", true, false, &E::importation_Click},
    MenuSpec{"exportation", &E::exportation, 1, "Exporter image", "", true, false, &E::exportation_Click},
    MenuSpec{"generate", &E::generate, 1, "Générer le code", "", true, false, nullptr},
    MenuSpec{"fline", &E::fline, 2, "Mode F-line/Pxlon", "", true, false, &E::fline_Click},
    MenuSpec{"drawstat", &E::drawstat, 2, "Mode F-line et drawstat", "", true, false, &E::drawstat_Click},
    MenuSpec{"exit", &E::exit, 1, "Quitter", "Ctrl+Q", true, false, &E::exit_Click},
    MenuSpec{"selection", &E::selection, 0, "Sélection", "", false, false, nullptr},
    MenuSpec{"desel", &E::desel, 1, "Déselectionner", "", true, false, &E::desel_Click},
    MenuSpec{"selduplicate", &E::selduplicate, 1, "Dupliquer", "", true, false, &E::selduplicate_Click},
    MenuSpec{"seldelete", &E::seldelete, 1, "Supprimer", "", true, false, &E::seldelete_Click},
    MenuSpec{"rotate180", &E::rotate180, 1, "Rotation 180°", "", true, false, &E::rotate180_Click},
    MenuSpec{"selsym", &E::selsym, 1, "Symétrie", "", true, false, nullptr},
    MenuSpec{"selvert", &E::selvert, 2, "Verticale", "", true, false, &E::selvert_Click},
    MenuSpec{"selhoriz", &E::selhoriz, 2, "Horizontale", "", true, false, &E::selhoriz_Click},
    MenuSpec{"replacesel", &E::replacesel, 1, "Remplacer...", "", true, false, nullptr},
    MenuSpec{"repbluesel", &E::repbluesel, 2, "le bleu par le bleu", "", false, false, &E::repbluesel_Click},
    MenuSpec{"repgreensel", &E::repgreensel, 2, "le vert par le bleu", "", true, false, &E::repgreensel_Click},
    MenuSpec{"reporangesel", &E::reporangesel, 2, "l'orange par le bleu", "", true, false, &E::reporangesel_Click},
    MenuSpec{"repbgsel", &E::repbgsel, 2, "le fond par le bleu", "", true, false, &E::repbgsel_Click},
    MenuSpec{"options", &E::options, 0, "Options", "", true, false, nullptr},
    MenuSpec{"calc", &E::calc, 1, "Calculatrice", "", true, false, nullptr},
    MenuSpec{"g35", &E::g35, 2, "Graph 35", "", true, false, &E::g35_Click},
    MenuSpec{"g65", &E::g65, 2, "Graph 65/80", "", true, true, &E::g65_Click},
    MenuSpec{"g85", &E::g85, 2, "Graph 85", "", true, false, &E::g85_Click},
    MenuSpec{"g100", &E::g100, 2, "Graph 100", "", true, false, &E::g100_Click},
    MenuSpec{"bground", &E::bground, 1, "Couleur Fond", "", true, false, nullptr},
    MenuSpec{"bgwhite", &E::bgwhite, 2, "Blanc", "", true, false, &E::bgwhite_Click},
    MenuSpec{"bgcasio", &E::bgcasio, 2, "Casio", "", true, true, &E::bgcasio_Click},
    MenuSpec{"opyes", &E::opyes, 1, "Duplication Opaque", "", true, true, &E::opyes_Click},
    MenuSpec{"remplace", &E::remplace, 1, "Remplacer...", "", true, false, nullptr},
    MenuSpec{"repblue", &E::repblue, 2, "le bleu par le bleu", "", false, false, &E::repblue_Click},
    MenuSpec{"repgreen", &E::repgreen, 2, "le vert par le bleu", "", true, false, &E::repgreen_Click},
    MenuSpec{"reporange", &E::reporange, 2, "l'orange par le bleu", "", true, false, &E::reporange_Click},
    MenuSpec{"repbg", &E::repbg, 2, "le fond par le bleu", "", true, false, &E::repbg_Click},
    MenuSpec{"aide", &E::aide, 0, "?", "", true, false, nullptr},
    MenuSpec{"about", &E::about, 1, "A propos de Pixatelier", "", true, false, &E::about_Click},
};

const std::array buttons{
    ButtonSpec{"Command1", &E::Command1, 120, 1440, 375, 375, true, buttonface, &E::Command1_Click},
    ButtonSpec{"Command2", &E::Command2, 480, 1440, 375, 375, true, buttonface, &E::Command2_Click},
    ButtonSpec{"Command3", &E::Command3, 840, 1440, 375, 375, true, buttonface, &E::Command3_Click},
    ButtonSpec{"Command6", &E::Command6, 120, 1800, 375, 375, true, buttonface, &E::Command6_Click},
    ButtonSpec{"Command7", &E::Command7, 480, 1800, 375, 375, true, buttonface, &E::Command7_Click},
    ButtonSpec{"Command8", &E::Command8, 840, 1800, 375, 375, true, buttonface, &E::Command8_Click},
    ButtonSpec{"Command9", &E::Command9, 120, 2160, 375, 375, true, buttonface, &E::Command9_Click},
    ButtonSpec{"Command10", &E::Command10, 480, 2160, 375, 375, true, buttonface, &E::Command10_Click},
    ButtonSpec{"Command11", &E::Command11, 840, 2160, 375, 375, true, buttonface, &E::Command11_Click},
    ButtonSpec{"presstruegreen", &E::presstruegreen, 120, 2640, 495, 375, true, buttonface, &E::presstruegreen_Click},
    ButtonSpec{"presswhite", &E::presswhite, 120, 2640, 495, 375, false, buttonface, &E::presswhite_Click},
    ButtonSpec{"pressblue", &E::pressblue, 720, 2640, 495, 375, true, highlight, &E::pressblue_Click},
    ButtonSpec{"pressblack", &E::pressblack, 720, 2640, 495, 375, false, buttonface, &E::pressblack_Click},
    ButtonSpec{"pressorange", &E::pressorange, 120, 3000, 495, 375, true, buttonface, &E::pressorange_Click},
    ButtonSpec{"pressgreen", &E::pressgreen, 720, 3000, 495, 375, true, buttonface, &E::pressgreen_Click},
};

const std::array labels{
    LabelSpec{"Label1", &E::Label1, 120, 120, 615, 255, true, "Infos : "},
    LabelSpec{"modelbl", &E::modelbl, 720, 120, 3975, 255, false, "Point"},
    LabelSpec{"Label4", &E::Label4, 4800, 120, 1215, 255, true, "Calculatrice : "},
    LabelSpec{"typcalc", &E::typcalc, 6120, 120, 975, 255, false, "Graph 65"},
    LabelSpec{"Label2", &E::Label2, 240, 600, 255, 255, true, "X : "},
    LabelSpec{"coordx", &E::coordx, 600, 600, 615, 255, false, ""},
    LabelSpec{"Label3", &E::Label3, 240, 960, 255, 255, true, "Y :"},
    LabelSpec{"coordy", &E::coordy, 600, 960, 615, 255, false, ""},
    LabelSpec{"Label5", &E::Label5, 120, 3480, 2775, 255, false, nullptr},
    LabelSpec{"Label6", &E::Label6, 4920, 3480, 2175, 255, false, nullptr},
};

}  // namespace

std::span<const MenuSpec> menutree() { return menus; }
std::span<const ButtonSpec> mainbuttons() { return buttons; }
std::span<const LabelSpec> mainlabels() { return labels; }

}  // namespace grafipix
