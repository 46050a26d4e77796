// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether an output fits the calculators of its model: a program in their
// main memory, a script in what their Python loads. Over the limit a line
// says so, with the numbers, and names what does fit on that model.

#include <string>

#include "formats/outputs.h"

namespace grafipix {

struct MemoryFit {
    long size = 0;  // what the output takes on the calculator, in bytes
    long most = 0;  // what the calculator holds of it; 0 where nothing is said
    std::string line;  // empty while it fits
};

// `bytes` the output as written from `s`.
MemoryFit memoryfit(const Output& output, const OutputSource& s, const std::string& bytes);

// 612212 as "612 212".
std::string groupeddigits(long n);

}  // namespace grafipix
