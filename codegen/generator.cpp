// SPDX-License-Identifier: GPL-3.0-or-later
#include "codegen/generator.h"

#include <algorithm>
#include <limits>

#include "calculator/model_table.h"
#include "codegen/compact.h"
#include "codegen/drawstat.h"
#include "codegen/python_script.h"
#include "document/texts.h"

namespace grafipix {

namespace {

bool isdigit(char ch) { return ch >= '0' && ch <= '9'; }
bool isblank(char ch) { return ch == ' ' || ch == '\t'; }

}  // namespace

Grid basiccells(const Grid& grid, const Model& model, const std::vector<wincolour>& colours, int& unnamed) {
    std::vector<int16_t> code(colours.size());
    std::vector<bool> named(colours.size()), used(colours.size());
    const std::vector<wincolour> words = model.colours();
    for (size_t c = 0; c < colours.size(); ++c) {
        code[c] = c == 0 ? int16_t{0} : int16_t(model.nearestcode(colours[c]));
        named[c] = words[size_t(code[c])] == colours[c] || c == 0;
    }
    Grid out = grid;
    for (size_t i = 0; i < grid.cellcount(); ++i) {
        const int c = grid.byindex(i);
        if (c <= 0 || size_t(c) >= colours.size()) continue;
        used[size_t(c)] = true;
        out.set(grid.xof(i), grid.yof(i), code[size_t(c)]);
    }
    unnamed = 0;
    for (size_t c = 1; c < colours.size(); ++c) unnamed += used[c] && !named[c];
    return out;
}

Program generateprogram(const Grid& drawing, const Model& model, CodeMode mode, int pictnum,
                        const ProgressFn& progress, const std::vector<wincolour>& colours) {
    if (mode == CodeMode::python) {
        const std::string script = pythonscript(drawing, model, colours.empty() ? model.colours() : colours);
        return {std::u16string(script.begin(), script.end()), static_cast<long>(script.size())};
    }
    int unnamed = 0;
    const Grid mapped = colours.empty() ? Grid() : basiccells(drawing, model, colours, unnamed);
    const Grid& grid = colours.empty() ? drawing : mapped;
    const Flavour& flavour = *model.flavour;
    Program p;
    p.unnamed = unnamed;
    std::u16string& text = p.text;
    // Room for the longest line a drawn cell can give, so the text is not
    // copied over and over as it grows.
    long drawn = 0;
    for (int y = 1; y <= grid.rows(); ++y)
        for (int x = 1; x <= grid.columns(); ++x) drawn += grid.get(x, y) != 0;
    text.reserve(80 + 24 * static_cast<size_t>(drawn));
    text = u"ClrGraph";
    endline(text, flavour.eolmark);
    text += u"ViewWindow 1,";
    appendnumber(text, grid.columns());
    text += u",0,1,";
    appendnumber(text, grid.rows());
    text += u",0";
    endline(text, flavour.eolmark);

    PointLists points;
    if (mode == CodeMode::compact) compactbody(grid, model, text, progress);
    else scanimage(grid, model, mode, text, points, progress);

    // Whole parts of 0.7 x and 0.8 x, taken in integers so that 0.7 x 90 is 63.
    if (mode == CodeMode::fline || mode == CodeMode::compact) p.bytesest = static_cast<long>(text.size()) * 7 / 10;
    if (mode == CodeMode::drawstat) {
        for (int c = ink; c < model.codes(); ++c) emitdrawstat(points, c, model, text);
        const long inkpoints = points.pointcount(ink);
        p.bytesest = (static_cast<long>(text.size()) + (inkpoints >= blockpoints ? 5100 : 20 * inkpoints)) * 8 / 10;
    }
    if (pictnum != 0) {
        text += u"StoPict ";
        appendnumber(text, pictnum);
        p.bytesest += 4096;
    }
    return p;
}

std::optional<int16_t> readpictnum(std::string_view s) {
    size_t i = 0, end = s.size();
    while (i < end && isblank(s[i])) ++i;
    while (end > i && isblank(s[end - 1])) --end;
    bool negative = false;
    if (i < end && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    // Capped well above the 16-bit range: the cap keeps the verdict "too large".
    long whole = 0;
    int digits = 0;
    for (; i < end && isdigit(s[i]); ++i, ++digits) whole = std::min(whole * 10 + (s[i] - '0'), 1000000L);
    int firstdecimal = 0;
    bool morebeyond = false;
    if (i < end && (s[i] == '.' || s[i] == ',')) {
        for (int place = 0; ++i < end && isdigit(s[i]); ++place, ++digits) {
            if (place == 0) firstdecimal = s[i] - '0';
            else morebeyond = morebeyond || s[i] != '0';
        }
    }
    if (i != end || digits == 0) return std::nullopt;
    // Decided on the digits themselves, so 2.5 is exactly a tie.
    if (firstdecimal > 5 || (firstdecimal == 5 && (morebeyond || whole % 2 == 1))) ++whole;
    const long value = negative ? -whole : whole;
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) return std::nullopt;
    return static_cast<int16_t>(value);
}

int pictmemory(int16_t number, int lastpicture) {
    if (number == 0) return 0;
    return std::clamp<int>(number, 1, lastpicture);
}

namespace codetexts {

std::string prompt(int lastpicture) {
    return "Si vous voulez que votre image se sauvegarde sur un picture (une fois le programme executé sur la "
           "calculatrice), indiquez le numéro du picture (1 à " +
           std::to_string(lastpicture) + ") :";
}

std::string instruction(const Flavour& flavour) {
    return std::string("Copiez le code ci-dessous et collez le dans un nouveau programme ouvert dans ") +
           flavour.linkprogram +
           ". Transmettez le ensuite à votre calculatrice et exécutez le programme. Mode d'emploi complet sur " +
           texts::website;
}

std::string estimate(long bytesest) {
    return "Il vous faudra un peu moins de " + std::to_string(bytesest) + " bytes libres";
}

std::string unnamed(int colours, int words) {
    if (colours == 0) return "";
    const std::string n = std::to_string(words);
    return colours == 1 ? "1 couleur du dessin n'existe pas en Basic : elle est dessinée avec la plus proche des " + n
                        : std::to_string(colours) + " couleurs du dessin n'existent pas en Basic : chacune est dessinée avec la plus proche des " + n;
}

}  // namespace codetexts

}  // namespace grafipix
