// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator program as the link programs read it: Windows-1252 bytes.

#include <string>
#include <string_view>

namespace grafipix {

// One byte per character; a character the code page lacks becomes '?'.
std::string towindows1252(std::u16string_view text);

}  // namespace grafipix
