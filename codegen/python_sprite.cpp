// SPDX-License-Identifier: GPL-3.0-or-later
#include "codegen/python_sprite.h"

#include <algorithm>
#include <array>

#include "calculator/model_table.h"
#include "codegen/python_parts.h"

namespace grafipix {

namespace {

using pythonparts::base, pythonparts::digit, pythonparts::tuple;
constexpr size_t lineroom = 80;  // data characters per script line
constexpr long tuplebytes = 28;  // a cell's tuple on MicroPython's heap, about

// A bytes literal over as many lines as it needs.
std::string literal(const std::string& data) {
    std::string s = "b\"";
    for (size_t at = 0; at < data.size(); at += lineroom) s += (at ? "\"\n b\"" : "") + data.substr(at, lineroom);
    return s + "\"";
}

}  // namespace

bool validpythonname(std::string_view name) {
    static constexpr std::array<std::string_view, 35> keywords{
        "False", "None",     "True", "and",   "as",     "assert", "async",  "await",    "break",
        "class", "continue", "def",  "del",   "elif",   "else",   "except", "finally",  "for",
        "from",  "global",   "if",   "import", "in",    "is",     "lambda", "nonlocal", "not",
        "or",    "pass",     "raise", "return", "try",  "while",  "with",   "yield"};
    const auto word = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || (c >= '0' && c <= '9'); };
    return !name.empty() && !(name[0] >= '0' && name[0] <= '9') && std::ranges::all_of(name, word) &&
           std::ranges::find(keywords, name) == keywords.end();
}

std::string pythonsprite(const Grid& block, std::string_view name, const Model& model, const std::vector<wincolour>& colours) {
    const std::string n(name);
    const auto number = [](long v) { return std::to_string(v); };
    const int w = block.columns(), h = block.rows();
    // Offsets of one digit while the block is narrower than the base, two past it.
    const bool wide = std::max(w, h) > base;
    std::vector<std::string> cells(colours.size());
    for (int y = 1; y <= h; ++y)
        for (int x = 1; x <= w; ++x)
            if (const int code = block.get(x, y); code > 0 && size_t(code) < colours.size()) {
                std::string& to = cells[size_t(code)];
                for (const int v : {x - 1, y - 1}) {
                    if (wide) to += digit(v / base);
                    to += digit(v % base);
                }
            }
    const Screen screen = model.pythonscreen;
    std::string s = "from casioplot import *\n" + n + "_w=" + number(w) + "\n" + n + "_h=" + number(h) + "\n_D=(\n";
    for (size_t code = 1; code < cells.size(); ++code)
        if (!cells[code].empty()) s += "(" + tuple(colours[code]) + ",\n " + literal(cells[code]) + "),\n";
    // Decoded once, on import. A tuple a cell, its colour's shared, is the
    // fastest to draw (a call within half again a bare loop's); where that
    // list would take more than half of what a script may, a pair of bytes
    // of offsets a colour instead, slower but small.
    long drawn = 0;
    for (const std::string& c : cells) drawn += long(c.size() / (wide ? 4 : 2));
    const bool tuples = tuplebytes * drawn <= model.scriptmost / 2;
    const std::string step = wide ? "4" : "2", value = wide ? "V[d[i]]*" + number(base) + "+V[d[i+1]]" : "V[d[i]]";
    const std::string next = wide ? "V[d[i+2]]*" + number(base) + "+V[d[i+3]]" : "V[d[i+1]]";
    const std::string list = std::max(w, h) > 256 ? "list" : "bytes";
    const std::string on = "0<=u<" + number(screen.columns) + " and 0<=v<" + number(screen.rows);
    // In a function, so that `from nom import *` brings in nom, nom_w and nom_h alone.
    s += ")\n"
         "def _unpack(D):\n"
         " V=[0]*127\n"
         " " + pythonparts::digittable("V", "i") + "\n"
         " G=[]\n"
         " for c,d in D:\n";
    if (tuples)
        s += "  for i in range(0,len(d)," + step + "):G.append((" + value + "," + next + ",c))\n";
    else
        s += "  X=" + list + "(" + value + " for i in range(0,len(d)," + step + "))\n"
             "  d=d[" + (wide ? "2" : "1") + ":]\n"
             "  G.append((c,X," + list + "(" + value + " for i in range(0,len(d)," + step + "))))\n";
    s += " return G\n"
         "_G=_unpack(_D)\n"
         "del _D,_unpack\n"
         "def " + n + "(x,y):\n"
         " s=set_pixel\n"
         " if x>=0 and y>=0 and x+" + number(w) + "<=" + number(screen.columns) + " and y+" + number(h) + "<=" + number(screen.rows) + ":\n";
    if (tuples)
        s += "  for a,b,c in _G:s(x+a,y+b,c)\n"
             " else:\n"
             "  for a,b,c in _G:\n"
             "   u=x+a;v=y+b\n"
             "   if " + on + ":s(u,v,c)\n";
    else
        s += "  for c,X,Y in _G:\n"
             "   for a,b in zip(X,Y):s(x+a,y+b,c)\n"
             " else:\n"
             "  for c,X,Y in _G:\n"
             "   for a,b in zip(X,Y):\n"
             "    u=x+a;v=y+b\n"
             "    if " + on + ":s(u,v,c)\n";
    return s;
}

}  // namespace grafipix
