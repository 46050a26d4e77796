#include "formats/outputs.h"

#include <algorithm>
#include <array>

#include "codegen/tokens.h"
#include "formats/windows1252.h"

namespace grafipix {

namespace {

bool everymodel(const Model&) { return true; }
bool g1mmodels(const Model& m) { return m.takesg1m(); }

std::string programtext(const OutputSource& s, std::string&) { return towindows1252(s.program); }

std::string programfile(const OutputSource& s, std::string& error) {
    const Tokens tokens = tokenize(s.program);
    error = tokens.error;
    if (!error.empty()) return {};
    return g1m::writefile({g1m::programobject(s.programname, tokens.bytes)});
}

std::string picturefile(const OutputSource& s, std::string&) {
    return g1m::writefile({g1m::pictureobject(s.grid, s.picture)});
}

constexpr std::array<Output, 3> rows{{
    {"text", "Enregistrer le texte...", "", "Texte", ".txt", [](const OutputSource&) { return std::string("programme"); },
     everymodel, true, programtext},
    {"g1m", "Enregistrer pour la calculatrice...", "Un fichier .g1m que la calculatrice ouvre ou copie depuis sa clé USB",
     "Fichiers pour la calculatrice", ".g1m", [](const OutputSource& s) { return std::string(s.programname); }, g1mmodels,
     true, programfile},
    {"picture", "Exporter pour la calculatrice...", "", "Fichiers pour la calculatrice", ".g1m",
     [](const OutputSource& s) { return "PICT" + std::to_string(s.picture); }, g1mmodels, false, picturefile},
}};

}  // namespace

std::span<const Output> outputs() { return rows; }

const Output* findoutput(std::string_view name) {
    const auto found = std::ranges::find(rows, name, [](const Output& o) { return std::string_view(o.name); });
    return found == rows.end() ? nullptr : &*found;
}

}  // namespace grafipix
