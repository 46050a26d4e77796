#include "codegen/statement.h"

#include "codegen/program_text.h"
#include "codegen/scan.h"

namespace grafipix {

namespace {

// F-Line and Horizontal take graph rows under the program's view window.
int graphrow(int y) { return 64 - y; }

int digits(int n) { return n >= 100 ? 3 : n >= 10 ? 2 : 1; }

std::u16string_view colourword(int c) {
    switch (c) {
        case green: return u"Green ";
        case orange: return u"Orange ";
        default: return u"";  // ink carries no word
    }
}

}  // namespace

Statement rowstatement(int16_t colour, int y, int x1, int x2) {
    // Horizontal draws the whole row, so only a run over all of it may use it.
    const Statement::Kind kind = x1 == x2 ? Statement::pxlon : x1 == 1 && x2 == screencolumns ? Statement::horizontal : Statement::fline;
    return {kind, colour, x1, y, x2, y};
}

int statementbytes(const Statement& s) {
    constexpr int token = 2, comma = 1, lineend = 1;
    const int word = s.colour == ink ? 0 : token;
    switch (s.kind) {
        case Statement::pxlon: return word + token + digits(s.y1) + comma + digits(s.x1) + lineend;
        case Statement::horizontal: return word + token + digits(graphrow(s.y1)) + lineend;
        case Statement::fline: break;
    }
    return word + token + digits(s.x1) + digits(graphrow(s.y1)) + digits(s.x2) + digits(graphrow(s.y2)) + 3 * comma +
           lineend;
}

void appendstatement(std::u16string& text, const Statement& s, std::u16string_view eolmark) {
    text += colourword(s.colour);
    switch (s.kind) {
        case Statement::pxlon:  // PxlOn takes (row, column) from the top
            text += u"PxlOn ";
            appendnumber(text, s.y1);
            text += u',';
            appendnumber(text, s.x1);
            break;
        case Statement::horizontal:
            text += u"Horizontal ";
            appendnumber(text, graphrow(s.y1));
            break;
        case Statement::fline:
            text += u"F-Line ";
            appendnumber(text, s.x1);
            text += u',';
            appendnumber(text, graphrow(s.y1));
            text += u',';
            appendnumber(text, s.x2);
            text += u',';
            appendnumber(text, graphrow(s.y2));
            break;
    }
    endline(text, eolmark);
}

}  // namespace grafipix
