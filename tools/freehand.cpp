// SPDX-License-Identifier: GPL-3.0-or-later
// Point, the pen, the brush and the airbrush draw cell by cell with plotcell.

#include <cmath>

#include "tools/tools.h"

namespace grafipix {

void plot(ToolContext& c, const ToolInput& in) { c.drawing().plotcell(in.X, in.Y); }

void startstroke(ToolContext& c, const ToolInput&) { c.state().strokeheld = false; }

namespace {

void stampbrush(Drawing& d, float X, float Y) {
    d.plotcell(X, Y);
    d.plotcell(X + 1.0f, Y);
    d.plotcell(X - 1.0f, Y);
    d.plotcell(X, Y + 1.0f);
    d.plotcell(X, Y - 1.0f);
}

// The walk from the right-hand end: walking right it would stop once off rows
// the screen's rows, walking left it has no such test. Its second point, left out, is
// drawn apart; in that point's column rounding can stop the walk a row short,
// so the rows left there are walked too.
void join(Drawing& d, float x1, float y1, float x2, float y2, void (*draw)(Drawing&, float, float)) {
    const WalkEnd end = walkline(d, x1, y1, x2, y2, draw);
    if (end.x == x2) walkline(d, x2, end.y, x2, y2, draw);
}

void follow(ToolContext& c, const ToolInput& in, void (*draw)(Drawing&, float, float)) {
    Drawing& d = c.drawing();
    ToolState& s = c.state();
    const float X = in.X, Y = in.Y;
    if (!c.continuous() || !s.strokeheld) {
        draw(d, X, Y);
    } else if (X > s.strokex) {
        join(d, X, Y, s.strokex, s.strokey, draw);
    } else {
        join(d, s.strokex, s.strokey, X, Y, draw);
        draw(d, X, Y);
    }
    s.strokeheld = true;
    s.strokex = X;
    s.strokey = Y;
}

}  // namespace

void penmove(ToolContext& c, const ToolInput& in) { follow(c, in, plotmark); }
void brushmove(ToolContext& c, const ToolInput& in) { follow(c, in, stampbrush); }

void spray(ToolContext& c, const ToolInput& in) {
    Drawing& d = c.drawing();
    for (int dot = 0; dot < 5; ++dot) {
        // Offsets -3..3 on each axis: 0 has odds 1/4, each other value 1/8.
        float a = std::floor(d.rnd() * 4.0f);
        if (d.rnd() > 0.5f) a = -a;
        float b = std::floor(d.rnd() * 4.0f);
        if (d.rnd() > 0.5f) b = -b;
        d.plotcell(in.X + a, in.Y + b);
    }
}

void setanchor(ToolContext& c, const ToolInput& in) {
    c.state().anchorx = in.X;
    c.state().anchory = in.Y;
}

}  // namespace grafipix
