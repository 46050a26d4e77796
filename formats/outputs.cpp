// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/outputs.h"

#include <algorithm>
#include <array>

#include "calculator/colours.h"
#include "codegen/tokens.h"
#include "formats/colour_picture.h"
#include "formats/drawing_file.h"
#include "formats/windows1252.h"

namespace grafipix {

namespace {

bool everymodel(const Model&) { return true; }
bool basicmodels(const Model& m) { return m.basic; }
bool picturemodels(const Model& m) { return std::string_view(m.picturefile) == "g1m"; }
bool g3pmodels(const Model& m) { return std::string_view(m.picturefile) == "g3p"; }
bool g4pmodels(const Model& m) { return std::string_view(m.picturefile) == "g4p"; }
bool g1mmodels(const Model& m) { return m.takesg1m(); }
bool g3mmodels(const Model& m) { return m.takesg3m(); }
bool pythonmodels(const Model& m) { return m.python; }

std::string programtext(const OutputSource& s, std::string&) { return towindows1252(s.program); }

// A script is ASCII, so any editor and the calculator's file list take it.
std::string scripttext(const OutputSource& s, std::string& error) {
    std::string out(s.program.begin(), s.program.end());
    if (std::ranges::any_of(s.program, [](char16_t c) { return c > 0x7E || (c < 0x20 && c != u'\n'); }))
        error = "le script contient un caractère hors ASCII";
    return error.empty() ? out : std::string();
}

std::string programfile(const OutputSource& s, std::string& error, g1m::Family family) {
    const Tokens tokens = tokenize(s.program, s.model);
    error = tokens.error;
    if (!error.empty()) return {};
    return g1m::writefile({g1m::programobject(s.programname, tokens.bytes)}, family);
}
std::string g1mprogram(const OutputSource& s, std::string& error) { return programfile(s, error, g1m::Family::g1m); }
std::string g3mprogram(const OutputSource& s, std::string& error) { return programfile(s, error, g1m::Family::g3m); }

std::string picturefile(const OutputSource& s, std::string&) {
    return g1m::writefile({g1m::pictureobject(s.grid, s.picture)});
}

// The drawing at the picture's top-left in the colours the calculator shows,
// in the layout of Casio's own pictures on the Graph 90+E.
std::string colourpicture(const OutputSource& s, casiopicture::Layout layout) {
    const std::vector<wincolour> colours = s.palette.empty() ? s.model.colours() : std::vector<wincolour>(s.palette.begin(), s.palette.end());
    return casiopicture::write(casiopicture::pictureof(s.grid, colours), layout);
}
std::string g3ppicture(const OutputSource& s, std::string&) { return colourpicture(s, casiopicture::Layout::cp); }
std::string g4ppicture(const OutputSource& s, std::string&) { return colourpicture(s, casiopicture::Layout::cp0100cy875); }
std::string memory(const OutputSource& s) { return casiopicture::memoryname(s.picture); }

// As the canvas paints each cell, without its 3 x 3 pixels or the selection
// frame; the fields let "Ouvrir" bring the drawing back exactly.
std::string drawingpng(const OutputSource& s, std::string&) {
    return drawingpng(s.grid, s.model, s.bgkind, s.palette);
}

constexpr std::array<Output, 8> rows{{
    {"text", "Enregistrer le texte...", "", "Texte", ".txt", [](const OutputSource&) { return std::string("programme"); },
     basicmodels, true, programtext},
    {"g1m", "Enregistrer pour la calculatrice...", "Un fichier .g1m que la calculatrice ouvre ou copie depuis sa clé USB",
     "Fichiers pour la calculatrice", ".g1m", [](const OutputSource& s) { return std::string(s.programname); }, g1mmodels,
     true, g1mprogram},
    {"g3m", "Enregistrer pour la calculatrice...", "Un fichier .g3m que la Graph 90+E ouvre ou copie depuis sa clé USB",
     "Fichiers pour la calculatrice", ".g3m", [](const OutputSource& s) { return std::string(s.programname); }, g3mmodels,
     true, g3mprogram},
    {"picture", "Exporter pour la calculatrice...", "", "Fichiers pour la calculatrice", ".g1m",
     [](const OutputSource& s) { return "PICT" + std::to_string(s.picture); }, picturemodels, false, picturefile},
    {"g3p", "Exporter pour la calculatrice...", "Une image .g3p que la Graph 90+E garde en mémoire de picture",
     "Images pour la calculatrice", ".g3p", memory, g3pmodels, false, g3ppicture},
    {"g4p", "Exporter pour la calculatrice...", "Une image .g4p pour la Graph Math+", "Images pour la calculatrice", ".g4p",
     memory, g4pmodels, false, g4ppicture},
    {"png", "", "", "Images PNG", ".png", [](const OutputSource&) { return std::string("dessin"); }, everymodel, false,
     drawingpng},
    {"python", "Enregistrer le script...", "Un fichier .py que l'application Python de la calculatrice lance",
     "Scripts Python", ".py", [](const OutputSource&) { return std::string("dessin"); }, pythonmodels, true, scripttext},
}};

}  // namespace

std::span<const Output> outputs() { return rows; }

const Output* findoutput(std::string_view name) {
    const auto found = std::ranges::find(rows, name, [](const Output& o) { return std::string_view(o.name); });
    return found == rows.end() ? nullptr : &*found;
}

}  // namespace grafipix
