// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two link programs the program text is written for.

#include <string_view>

namespace grafipix {

// The characters that differ between the two link programs.
struct Flavour {
    const char* linkprogram;  // its name in the instructions
    char16_t arrowmark;
    std::u16string_view eolmark;  // written before each CR LF
};
inline constexpr Flavour fxinterface{"Fx-interface", u'\u00DE', u""};  // "Þ", no mark
inline constexpr Flavour fa124{"FA-124", u'\u00E3', u"\u00D9"};       // "ã", "Ù"

}  // namespace grafipix
