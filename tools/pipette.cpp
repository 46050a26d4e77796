// SPDX-License-Identifier: GPL-3.0-or-later
// Pipette: one click takes a colour, then the tool it interrupted carries on.

#include "tools/tools.h"

namespace grafipix {

// A colour the model has no button for is refused; the tool comes back all the same.
void pickcolour(ToolContext& c, const ToolInput& in) {
    c.setcolour(c.drawing().pixelgrid.at(in.X, in.Y));
    c.previoustool();
}

void givebacktool(ToolContext& c) { c.previoustool(); }

}  // namespace grafipix
