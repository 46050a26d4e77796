// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One drawing line of the program body, kept as data so that an encoder can
// weigh a line before it writes it.

#include <cstdint>
#include <string>
#include <string_view>

namespace grafipix {

struct Model;

struct Statement {
    // `placed` is an F-Line between cells of a block whose top-left cell the
    // program's caller puts at screen column A, row B.
    enum Kind : uint8_t { pxlon, fline, horizontal, placed };
    Kind kind;
    int16_t colour;  // a code of the model's palette, 1 the ink
    // Cells, column and row from the top: the one cell of PxlOn, both ends of
    // F-Line, any cell of the row of Horizontal; for `placed`, cells of the
    // block, (1, 1) its top-left.
    int x1, y1, x2, y2;
};

// The cells x1..x2 of row y of a screen `columns` wide: PxlOn for one cell,
// Horizontal for the whole row, F-Line otherwise.
Statement rowstatement(int16_t colour, int y, int x1, int x2, int columns);

// Calculator bytes of the line on model `m`: a command or colour word is a
// 2-byte token (its blank included), each digit and comma 1 byte, the line
// end 1 byte. Every size the compact mode compares comes from here.
int statementbytes(const Statement& s, const Model& m);

void appendstatement(std::u16string& text, const Statement& s, const Model& m);

}  // namespace grafipix
