// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A value of `curtool`: the tool, then its step, as the codes 1.0 to 8.0 read
// (ToolCode{2, 1} is 2.1, the pen drawing). Whole numbers compare exactly.

#include <cstdint>

namespace grafipix {

struct ToolCode {
    int8_t tool = 1;
    int8_t step = 0;
    bool operator==(const ToolCode&) const = default;
};

}  // namespace grafipix
