#include "calculator/model_table.h"

#include <algorithm>
#include <array>

namespace grafipix {

namespace {

// Back colour and ink share a place each: the one of the background, or of
// the model, shows.
constexpr Swatch presstruegreen{"presstruegreen", 120, 3000, casioback};
constexpr Swatch presswhite{"presswhite", 120, 3000, whiteback};
constexpr Swatch pressblue{"pressblue", 720, 3000, blueink};
constexpr Swatch pressblack{"pressblack", 720, 3000, blackink};
constexpr Swatch pressorange{"pressorange", 120, 3360, orangeink};
constexpr Swatch pressgreen{"pressgreen", 720, 3360, greenink};
constexpr std::array<const Swatch*, 6> shipped{&presstruegreen, &presswhite, &pressblue,
                                               &pressblack, &pressorange, &pressgreen};

constexpr PaletteColour back{&presswhite, &presstruegreen, u"", "le fond", ""};
constexpr PaletteColour blue{&pressblue, nullptr, u"", "le bleu", ""};
constexpr PaletteColour black{&pressblack, nullptr, u"", "le noir", ""};
// The text's colour words; the programs of these models never reach a file.
constexpr PaletteColour green{&pressgreen, nullptr, u"Green", "le vert", ""};
constexpr PaletteColour orange{&pressorange, nullptr, u"Orange", "l'orange", ""};

constexpr PaletteColour bluepalette[] = {back, blue};
constexpr PaletteColour threepalette[] = {back, blue, green, orange};
constexpr PaletteColour blackpalette[] = {back, black};

constexpr Screen graph35{127, 63};

std::deque<Model>& rows() {
    static std::deque<Model> table{
        {"g35", "Graph 35", "Graph 35", graph35, bluepalette, Conversion::twocolours, &fxinterface, 6, "g1m"},
        {"g65", "Graph 65/80", "Graph 65", graph35, threepalette, Conversion::threecolours, &fxinterface, 6, ""},
        {"g85", "Graph 85", "Graph 85 (sd)", graph35, bluepalette, Conversion::twocolours, &fa124, 6, "g1m"},
        {"g100", "Graph 100", "Graph 100", graph35, blackpalette, Conversion::twocolours, &fxinterface, 20, ""},
    };
    return table;
}

}  // namespace

int Model::codeofword(std::u16string_view word) const {
    for (int code = 0; code < codes(); ++code)
        if (!palette[code].word.empty() && palette[code].word == word) return code;
    return -1;
}

const std::deque<Model>& models() { return rows(); }

const Model* findmodel(std::string_view name) {
    for (const Model& m : rows())
        if (name == m.name) return &m;
    return nullptr;
}

const Model& startmodel() { return *findmodel("g65"); }

const Model& addmodel(const Model& m) { return rows().emplace_back(m); }

const std::vector<const Swatch*>& allswatches() {
    // Made again only when a row was added since.
    static std::vector<const Swatch*> out;
    static size_t madefor = 0;
    if (madefor == rows().size()) return out;
    out.assign(shipped.begin(), shipped.end());
    const auto add = [](const Swatch* s) {
        if (s && std::find(out.begin(), out.end(), s) == out.end()) out.push_back(s);
    };
    for (const Model& m : rows())
        for (const PaletteColour& c : m.palette) add(c.button), add(c.casiobutton);
    madefor = rows().size();
    return out;
}

const char* colourname(const Model& current, int code) {
    if (code >= 0 && code < current.codes()) return current.palette[code].name;
    for (const Model& m : rows())
        if (code >= 0 && code < m.codes()) return m.palette[code].name;
    return "";
}

}  // namespace grafipix
