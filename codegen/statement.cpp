// SPDX-License-Identifier: GPL-3.0-or-later
#include "codegen/statement.h"

#include <algorithm>
#include <charconv>

#include "calculator/model_table.h"
#include "codegen/program_text.h"

namespace grafipix {

namespace {

// F-Line and Horizontal take graph rows under the program's view window,
// counted up from the screen's bottom border.
int graphrow(int y, const Model& m) { return m.screen.rows + 1 - y; }

int digits(int n) {
    int d = 1;
    for (; n >= 10; n /= 10) ++d;
    return d;
}

// A placed line's coordinates, from the block's column c and row r: screen
// column A + c - 1, and screen row B + r - 1, which is graph row k - B with
// k = rows + 2 - r. A block taller than the screen has rows with k <= 0, read
// as "-B" or "-B-m", a leading minus negating as in the calculators' own programs.
int placedrow(int r, const Model& m) { return m.screen.rows + 2 - r; }
int placedxbytes(int c) { return c == 1 ? 1 : 2 + digits(c - 1); }
int placedybytes(int r, const Model& m) {
    const int k = placedrow(r, m);
    return k > 0 ? digits(k) + 2 : k == 0 ? 2 : 3 + digits(-k);
}

// The palette's word and its blank; the ink of today's models has none.
std::u16string_view colourword(int c, const Model& m) { return c >= 0 && c < m.codes() ? m.palette[c].word : u""; }

}  // namespace

Statement rowstatement(int16_t colour, int y, int x1, int x2, int columns) {
    // Horizontal draws the whole row, so only a run over all of it may use it.
    const Statement::Kind kind = x1 == x2 ? Statement::pxlon : x1 == 1 && x2 == columns ? Statement::horizontal : Statement::fline;
    return {kind, colour, x1, y, x2, y};
}

int statementbytes(const Statement& s, const Model& m) {
    constexpr int token = 2, comma = 1, lineend = 1;
    const int word = colourword(s.colour, m).empty() ? 0 : token;
    switch (s.kind) {
        case Statement::pxlon: return word + token + digits(s.y1) + comma + digits(s.x1) + lineend;
        case Statement::horizontal: return word + token + digits(graphrow(s.y1, m)) + lineend;
        case Statement::placed:
            return word + token + placedxbytes(s.x1) + placedybytes(s.y1, m) + placedxbytes(s.x2) +
                   placedybytes(s.y2, m) + 3 * comma + lineend;
        case Statement::fline: break;
    }
    return word + token + digits(s.x1) + digits(graphrow(s.y1, m)) + digits(s.x2) + digits(graphrow(s.y2, m)) +
           3 * comma + lineend;
}

void appendstatement(std::u16string& text, const Statement& s, const Model& m) {
    // Built whole and appended once: the plain mode writes a line a cell, and
    // a large screen's worst picture has some 70 000 of them.
    // Room for a word of up to 24 characters, its blank, "F-Line " and four
    // numbers with their commas; a longer word goes straight to the text.
    char16_t line[96];
    size_t n = 0;
    const auto add = [&](std::u16string_view part) { n = std::copy(part.begin(), part.end(), line + n) - line; };
    const auto number = [&](int v) {
        char digits[12];
        char* end = std::to_chars(digits, digits + sizeof digits, v).ptr;
        n = std::copy(digits, end, line + n) - line;
    };
    const auto placedx = [&](int c) {
        add(u"A");
        if (c > 1) add(u"+"), number(c - 1);
    };
    const auto placedy = [&](int r) {
        const int k = placedrow(r, m);
        if (k > 0) number(k);
        add(u"-B");
        if (k < 0) add(u"-"), number(-k);
    };
    if (const std::u16string_view word = colourword(s.colour, m); word.size() > 24) {
        text += word;
        text += u' ';
    } else if (!word.empty()) {
        add(word);
        add(u" ");
    }
    switch (s.kind) {
        case Statement::pxlon:  // PxlOn takes (row, column) from the top
            add(u"PxlOn ");
            number(s.y1);
            add(u",");
            number(s.x1);
            break;
        case Statement::horizontal:
            add(u"Horizontal ");
            number(graphrow(s.y1, m));
            break;
        case Statement::fline:
            add(u"F-Line ");
            number(s.x1);
            add(u",");
            number(graphrow(s.y1, m));
            add(u",");
            number(s.x2);
            add(u",");
            number(graphrow(s.y2, m));
            break;
        case Statement::placed:
            add(u"F-Line ");
            placedx(s.x1);
            add(u",");
            placedy(s.y1);
            add(u",");
            placedx(s.x2);
            add(u",");
            placedy(s.y2);
            break;
    }
    text.append(line, n);
    endline(text, m.flavour->eolmark);
}

}  // namespace grafipix
