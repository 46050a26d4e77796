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

Program generateprogram(const Grid& grid, const Model& model, CodeMode mode, int pictnum,
                        const ProgressFn& progress) {
    if (mode == CodeMode::python) {
        const std::string script = pythonscript(grid, model);
        return {std::u16string(script.begin(), script.end()), static_cast<long>(script.size())};
    }
    const Flavour& flavour = *model.flavour;
    Program p;
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

}  // namespace codetexts

}  // namespace grafipix
