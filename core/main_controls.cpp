#include "core/main_controls.h"

#include <array>

namespace grafipix {

namespace {

using E = Editor;

// Entries that only open a submenu have no handler (nullptr).
const std::array menus{
    MenuRow{"file", &E::file, 0, "Fichier", "", true, false, nullptr},
    MenuRow{"new", &E::new_, 1, "Nouveau", "Ctrl+N", true, false, &E::new_Click},
    MenuRow{"importation", &E::importation, 1, "Importer image", "", true, false, &E::importation_Click},
    MenuRow{"exportation", &E::exportation, 1, "Exporter image", "", true, false, &E::exportation_Click},
    MenuRow{"generate", &E::generate, 1, "Générer le code", "", true, false, nullptr},
    MenuRow{"fline", &E::fline, 2, "Mode F-line/Pxlon", "", true, false, &E::fline_Click},
    MenuRow{"drawstat", &E::drawstat, 2, "Mode F-line et drawstat", "", true, false, &E::drawstat_Click},
    MenuRow{"exit", &E::exit, 1, "Quitter", "Ctrl+Q", true, false, &E::exit_Click},
    MenuRow{"selection", &E::selection, 0, "Sélection", "", false, false, nullptr},
    MenuRow{"desel", &E::desel, 1, "Déselectionner", "", true, false, &E::desel_Click},
    MenuRow{"selduplicate", &E::selduplicate, 1, "Dupliquer", "", true, false, &E::selduplicate_Click},
    MenuRow{"seldelete", &E::seldelete, 1, "Supprimer", "", true, false, &E::seldelete_Click},
    MenuRow{"rotate180", &E::rotate180, 1, "Rotation 180°", "", true, false, &E::rotate180_Click},
    MenuRow{"selsym", &E::selsym, 1, "Symétrie", "", true, false, nullptr},
    MenuRow{"selvert", &E::selvert, 2, "Verticale", "", true, false, &E::selvert_Click},
    MenuRow{"selhoriz", &E::selhoriz, 2, "Horizontale", "", true, false, &E::selhoriz_Click},
    MenuRow{"replacesel", &E::replacesel, 1, "Remplacer...", "", true, false, nullptr},
    MenuRow{"repbluesel", &E::repbluesel, 2, "le bleu par le bleu", "", false, false, &E::repbluesel_Click},
    MenuRow{"repgreensel", &E::repgreensel, 2, "le vert par le bleu", "", true, false, &E::repgreensel_Click},
    MenuRow{"reporangesel", &E::reporangesel, 2, "l'orange par le bleu", "", true, false, &E::reporangesel_Click},
    MenuRow{"repbgsel", &E::repbgsel, 2, "le fond par le bleu", "", true, false, &E::repbgsel_Click},
    MenuRow{"options", &E::options, 0, "Options", "", true, false, nullptr},
    MenuRow{"calc", &E::calc, 1, "Calculatrice", "", true, false, nullptr},
    MenuRow{"g35", &E::g35, 2, "Graph 35", "", true, false, &E::g35_Click},
    MenuRow{"g65", &E::g65, 2, "Graph 65/80", "", true, true, &E::g65_Click},
    MenuRow{"g85", &E::g85, 2, "Graph 85", "", true, false, &E::g85_Click},
    MenuRow{"g100", &E::g100, 2, "Graph 100", "", true, false, &E::g100_Click},
    MenuRow{"bground", &E::bground, 1, "Couleur Fond", "", true, false, nullptr},
    MenuRow{"bgwhite", &E::bgwhite, 2, "Blanc", "", true, false, &E::bgwhite_Click},
    MenuRow{"bgcasio", &E::bgcasio, 2, "Casio", "", true, true, &E::bgcasio_Click},
    MenuRow{"opyes", &E::opyes, 1, "Duplication Opaque", "", true, true, &E::opyes_Click},
    MenuRow{"remplace", &E::remplace, 1, "Remplacer...", "", true, false, nullptr},
    MenuRow{"repblue", &E::repblue, 2, "le bleu par le bleu", "", false, false, &E::repblue_Click},
    MenuRow{"repgreen", &E::repgreen, 2, "le vert par le bleu", "", true, false, &E::repgreen_Click},
    MenuRow{"reporange", &E::reporange, 2, "l'orange par le bleu", "", true, false, &E::reporange_Click},
    MenuRow{"repbg", &E::repbg, 2, "le fond par le bleu", "", true, false, &E::repbg_Click},
    MenuRow{"aide", &E::aide, 0, "?", "", true, false, nullptr},
    MenuRow{"about", &E::about, 1, "A propos de Pixatelier", "", true, false, &E::about_Click},
};

const std::array buttons{
    ButtonRow{"Command1", &E::Command1, 120, 1440, 375, 375, true, buttonface, &E::Command1_Click},
    ButtonRow{"Command2", &E::Command2, 480, 1440, 375, 375, true, buttonface, &E::Command2_Click},
    ButtonRow{"Command3", &E::Command3, 840, 1440, 375, 375, true, buttonface, &E::Command3_Click},
    ButtonRow{"Command6", &E::Command6, 120, 1800, 375, 375, true, buttonface, &E::Command6_Click},
    ButtonRow{"Command7", &E::Command7, 480, 1800, 375, 375, true, buttonface, &E::Command7_Click},
    ButtonRow{"Command8", &E::Command8, 840, 1800, 375, 375, true, buttonface, &E::Command8_Click},
    ButtonRow{"Command9", &E::Command9, 120, 2160, 375, 375, true, buttonface, &E::Command9_Click},
    ButtonRow{"Command10", &E::Command10, 480, 2160, 375, 375, true, buttonface, &E::Command10_Click},
    ButtonRow{"Command11", &E::Command11, 840, 2160, 375, 375, true, buttonface, &E::Command11_Click},
    ButtonRow{"presstruegreen", &E::presstruegreen, 120, 2640, 495, 375, true, buttonface, &E::presstruegreen_Click},
    ButtonRow{"presswhite", &E::presswhite, 120, 2640, 495, 375, false, buttonface, &E::presswhite_Click},
    ButtonRow{"pressblue", &E::pressblue, 720, 2640, 495, 375, true, highlight, &E::pressblue_Click},
    ButtonRow{"pressblack", &E::pressblack, 720, 2640, 495, 375, false, buttonface, &E::pressblack_Click},
    ButtonRow{"pressorange", &E::pressorange, 120, 3000, 495, 375, true, buttonface, &E::pressorange_Click},
    ButtonRow{"pressgreen", &E::pressgreen, 720, 3000, 495, 375, true, buttonface, &E::pressgreen_Click},
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
    LabelRow{"Label5", &E::Label5, 120, 3480, 2775, 255, false, nullptr},
    LabelRow{"Label6", &E::Label6, 4920, 3480, 2175, 255, false, nullptr},
};

}  // namespace

std::span<const MenuRow> menutree() { return menus; }
std::span<const ButtonRow> mainbuttons() { return buttons; }
std::span<const LabelRow> mainlabels() { return labels; }

}  // namespace grafipix
