// SPDX-License-Identifier: GPL-3.0-or-later
#include "codegen/drawstat.h"

#include <algorithm>
#include <string_view>

#include "calculator/model_table.h"

namespace grafipix {

namespace {

// The palette's word; a colour without one (the ink) is "Blue" for the
// scatter plot on every model, the black-ink one too.
std::u16string_view plotcolourword(int c, const Model& m) {
    const std::u16string_view word = c < m.codes() ? m.palette[c].word : u"";
    return word.empty() ? u"Blue" : word;
}

void appendlist(std::u16string& text, const std::vector<int>& values, size_t first, size_t last) {
    text += u'{';
    for (size_t i = first; i < last; ++i) {
        if (i > first) text += u',';
        appendnumber(text, values[i]);
    }
    text += u'}';
}

}  // namespace

void addpoint(PointLists& points, int c, int x, int gy) {
    if (c < 1) return;
    if (int(points.listx.size()) <= c) points.listx.resize(c + 1), points.listy.resize(c + 1);
    points.listx[c].push_back(x);
    points.listy[c].push_back(gy);
}

void emitdrawstat(const PointLists& points, int c, const Model& m, std::u16string& text) {
    if (points.pointcount(c) == 0) return;
    const Flavour& flavour = *m.flavour;
    const std::vector<int>& xs = points.listx[c];
    const std::vector<int>& ys = points.listy[c];
    for (size_t first = 0; first < xs.size(); first += blockpoints) {
        const size_t last = std::min(xs.size(), first + blockpoints);
        appendlist(text, xs, first, last);
        text += flavour.arrowmark;
        text += u"List 1";
        endline(text, flavour.eolmark);
        appendlist(text, ys, first, last);
        text += flavour.arrowmark;
        text += u"List 2";
        endline(text, flavour.eolmark);
        text += u"S-WindMan";
        endline(text, flavour.eolmark);
        // The set-up line never carries the line-end mark, in either flavour.
        text += u"S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,";
        text += plotcolourword(c, m);
        text += u' ';
        text += crlf;
        text += u"DrawStat";
        endline(text, flavour.eolmark);
    }
}

}  // namespace grafipix
