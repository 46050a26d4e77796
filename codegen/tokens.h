// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program as the calculators store it: one or two bytes per command,
// the arrow 0E, the line end 0D, + and - 89 and 99.

#include <string>
#include <string_view>

namespace grafipix {

struct Tokens {
    std::string bytes;   // the program's tokens, empty with `error` set
    int statements = 0;  // the program's lines
    std::string error;   // French, naming the line the calculator cannot take
};

struct Model;

// A program text of either link program's flavour, written for `model`: a
// colour word of its palette becomes the word's token, or is left out where
// the palette gives it none (the monochrome calculators have no colour).
Tokens tokenize(std::u16string_view text, const Model& model);

// The text of tokens in the Fx-interface flavour, without colour words;
// false when the bytes hold a token this program never writes.
bool detokenize(std::string_view bytes, std::u16string& text);
// The same with the colour words of `model`'s palette read back from their tokens.
bool detokenize(std::string_view bytes, std::u16string& text, const Model& model);

// The size of a program body as the calculator stores it: a 10-byte password,
// the tokens, then 1 to 4 zero bytes up to a multiple of 4.
long programbodysize(long tokenbytes);

// The bytes a program text takes on the calculator (its stored body), or -1
// when the text holds something the calculator cannot take.
long calculatorsize(std::u16string_view text, const Model& model);

}  // namespace grafipix
