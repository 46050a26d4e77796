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
// The colour calculators' Python draws on 384 x 192 pixels of their 384 x 216
// screens (the Graph Math+ has nothing else), the Graph 35+E II's on 128 x 64.
constexpr Screen graphmath{384, 192};

// What the calculators hold. The main memory for programs: about 61 000
// bytes free on the Graph 35+E II and the Graph 90+E, as their memory
// menus show it new. The largest script: not measured on a calculator yet; a
// full-screen picture of 256 colours (some 74 000 bytes of data) is reported
// to run on the Graph 90+E, and the Graph 35+E II's heap is far smaller, so
// 100 000 and 30 000 bytes until a calculator says otherwise.
constexpr long programmemory = 61000;
constexpr long colourscripts = 100000, monochromescripts = 30000;

std::deque<Model>& rows() {
    static std::deque<Model> table{
        {.name = "g35", .menucaption = "Graph 35", .typcalc = "Graph 35", .screen = graph35, .palette = bluepalette,
         .conversion = Conversion::twocolours, .flavour = &fxinterface, .lastpicture = 6, .calcfiles = "g1m",
         .picturefile = "g1m"},
        {.name = "g65", .menucaption = "Graph 65/80", .typcalc = "Graph 65", .screen = graph35, .palette = threepalette,
         .conversion = Conversion::threecolours, .flavour = &fxinterface, .lastpicture = 6, .calcfiles = ""},
        {.name = "g85", .menucaption = "Graph 85", .typcalc = "Graph 85 (sd)", .screen = graph35, .palette = bluepalette,
         .conversion = Conversion::twocolours, .flavour = &fa124, .lastpicture = 6, .calcfiles = "g1m",
         .picturefile = "g1m"},
        {.name = "g100", .menucaption = "Graph 100", .typcalc = "Graph 100", .screen = graph35, .palette = blackpalette,
         .conversion = Conversion::twocolours, .flavour = &fxinterface, .lastpicture = 20, .calcfiles = ""},
        {.name = "g35e2", .menucaption = "Graph 35+E II", .typcalc = "Graph 35+E II", .screen = graph35,
         .palette = blackpalette, .conversion = Conversion::twocolours, .flavour = &fa124, .lastpicture = 20,
         .calcfiles = "g1m", .python = true, .pythonscreen = {128, 64}, .picturefile = "g1m", .programmemory = programmemory,
         .scriptmost = monochromescripts},
        {.name = "g90", .menucaption = "Graph 90+E", .typcalc = "Graph 90+E", .screen = graph90, .palette = colourpalette,
         .conversion = Conversion::nearest, .flavour = &fxinterface, .lastpicture = 20, .calcfiles = "g3m",
         .casioback = false, .drawstat = false, .python = true, .pythonscreen = graphmath, .freecolours = 256,
         .picturefile = "g3p",
         .programmemory = programmemory, .scriptmost = colourscripts},
        {.name = "gmath", .menucaption = "Graph Math+", .typcalc = "Graph Math+", .screen = graphmath,
         .palette = colourpalette, .conversion = Conversion::nearest, .flavour = &fxinterface, .lastpicture = 20,
         .calcfiles = "", .casioback = false, .drawstat = false, .python = true, .pythonscreen = graphmath,
         .freecolours = 256, .basic = false,
         .picturefile = "g4p", .scriptmost = colourscripts},
    };
    return table;
}

}  // namespace

std::vector<wincolour> Model::colours() const {
    std::vector<wincolour> out;
    for (const PaletteColour& c : palette) out.push_back(c.button->colour);
    return out;
}

std::vector<wincolour> Model::shownpalette(int bgkind) const {
    std::vector<wincolour> out;
    for (const PaletteColour& c : palette) out.push_back(c.swatch(bgkind).colour);
    return out;
}

int Model::nearestcode(wincolour c) const {
    int best = 0;
    long bestdistance = -1;
    for (int code = 0; code < codes(); ++code) {
        const wincolour p = palette[code].button->colour;
        const long dr = redof(p) - redof(c), dg = greenof(p) - greenof(c), db = blueof(p) - blueof(c);
        const long d = dr * dr + dg * dg + db * db;
        if (bestdistance < 0 || d < bestdistance) best = code, bestdistance = d;
    }
    return best;
}

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
