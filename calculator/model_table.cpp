// SPDX-License-Identifier: GPL-3.0-or-later
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
// The Graph 90+E's colours as its screen shows them, two a row under the
// back colour and the ink.
constexpr Swatch pressblue90{"pressblue90", 120, 3360, 0xFF0000};
constexpr Swatch pressred{"pressred", 720, 3360, 0x0000FF};
constexpr Swatch pressmagenta{"pressmagenta", 120, 3720, 0xFF00FF};
constexpr Swatch pressgreen90{"pressgreen90", 720, 3720, 0x00FF00};
constexpr Swatch presscyan{"presscyan", 120, 4080, 0xFFFF00};
constexpr Swatch pressyellow{"pressyellow", 720, 4080, 0x00FFFF};
constexpr std::array<const Swatch*, 12> shipped{&presstruegreen, &presswhite,   &pressblue,    &pressblack,
                                                &pressorange,    &pressgreen,   &pressblue90,  &pressred,
                                                &pressmagenta,   &pressgreen90, &presscyan,    &pressyellow};

constexpr PaletteColour back{&presswhite, &presstruegreen, u"", "le fond", ""};
constexpr PaletteColour blue{&pressblue, nullptr, u"", "le bleu", ""};
constexpr PaletteColour black{&pressblack, nullptr, u"", "le noir", ""};
// The text's colour words; the programs of these models never reach a file.
constexpr PaletteColour green{&pressgreen, nullptr, u"Green", "le vert", ""};
constexpr PaletteColour orange{&pressorange, nullptr, u"Orange", "l'orange", ""};

// The Graph 90+E has no screen green, and writes a word before every line.
constexpr PaletteColour whiteonly{&presswhite, nullptr, u"", "le fond", ""};
constexpr PaletteColour colourpalette[] = {
    whiteonly,
    {&pressblack, nullptr, u"Black", "le noir", "\xF9\x9B"},
    {&pressblue90, nullptr, u"Blue", "le bleu", "\x7F\x35"},
    {&pressred, nullptr, u"Red", "le rouge", "\x7F\x34"},
    {&pressmagenta, nullptr, u"Magenta", "le magenta", "\xF9\x9D"},
    {&pressgreen90, nullptr, u"Green", "le vert", "\x7F\x36"},
    {&presscyan, nullptr, u"Cyan", "le cyan", "\xF9\x9E"},
    {&pressyellow, nullptr, u"Yellow", "le jaune", "\xF9\x9F"},
};

constexpr PaletteColour bluepalette[] = {back, blue};
constexpr PaletteColour threepalette[] = {back, blue, green, orange};
constexpr PaletteColour blackpalette[] = {back, black};

constexpr Screen graph35{127, 63};
constexpr Screen graph90{379, 187};

std::deque<Model>& rows() {
    static std::deque<Model> table{
        {"g35", "Graph 35", "Graph 35", graph35, bluepalette, Conversion::twocolours, &fxinterface, 6, "g1m"},
        {"g65", "Graph 65/80", "Graph 65", graph35, threepalette, Conversion::threecolours, &fxinterface, 6, ""},
        {"g85", "Graph 85", "Graph 85 (sd)", graph35, bluepalette, Conversion::twocolours, &fa124, 6, "g1m"},
        {"g100", "Graph 100", "Graph 100", graph35, blackpalette, Conversion::twocolours, &fxinterface, 20, ""},
        {"g35e2", "Graph 35+E II", "Graph 35+E II", graph35, blackpalette, Conversion::twocolours, &fa124, 20, "g1m", true, true,
         true},
        {"g90", "Graph 90+E", "Graph 90+E", graph90, colourpalette, Conversion::nearest, &fxinterface, 20, "g3m",
         false, false, true},
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
