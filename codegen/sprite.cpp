// SPDX-License-Identifier: GPL-3.0-or-later
#include "codegen/sprite.h"

#include <cctype>

#include "calculator/model_table.h"
#include "codegen/compact.h"
#include "codegen/tokens.h"

namespace grafipix {

Program basicsprite(const Grid& block, const Model& model, const std::vector<wincolour>& colours) {
    Program p;
    const Grid mapped = colours.empty() ? Grid() : basiccells(block, model, colours, p.unnamed);
    // Every line is an F-Line, a run's or a single cell's. For some A and B
    // the game computes, any cell falls off the screen, where PxlOn stops the
    // program and F-Line is clipped: each cell needs a line that clips, and
    // once those are there a PxlOn, guarded by a test of A and B or not, only
    // adds bytes.
    for (const Statement& s : compactcover(colours.empty() ? block : mapped, model, Placement::block))
        appendstatement(p.text, s, model);
    p.bytesest = calculatorsize(p.text, model);
    return p;
}

std::string spriteprogramname(std::string_view name) {
    std::string out(name);
    for (char& c : out) c = char(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace grafipix
