// Point, the pen, the brush and the airbrush draw cell by cell with plotcell.

#include <cmath>

#include "tools/tools.h"

namespace grafipix {

void plot(Drawing& d, float X, float Y) { d.plotcell(X, Y); }

void stampbrush(Drawing& d, float X, float Y) {
    d.plotcell(X, Y);
    d.plotcell(X + 1.0f, Y);
    d.plotcell(X - 1.0f, Y);
    d.plotcell(X, Y + 1.0f);
    d.plotcell(X, Y - 1.0f);
}

void startstroke(Drawing& d, float, float) { d.strokeheld = false; }

namespace {

// The walk from the right-hand end: walking right it would stop once off rows
// the screen's rows, walking left it has no such test. Its second point, left out, is
// drawn apart; in that point's column rounding can stop the walk a row short,
// so the rows left there are walked too.
void join(Drawing& d, float x1, float y1, float x2, float y2, void (*draw)(Drawing&, float, float)) {
    const WalkEnd end = walkline(d, x1, y1, x2, y2, draw);
    if (end.x == x2) walkline(d, x2, end.y, x2, y2, draw);
}

void follow(Drawing& d, float X, float Y, void (*draw)(Drawing&, float, float)) {
    if (!d.continuous || !d.strokeheld) {
        draw(d, X, Y);
    } else if (X > d.strokex) {
        join(d, X, Y, d.strokex, d.strokey, draw);
    } else {
        join(d, d.strokex, d.strokey, X, Y, draw);
        draw(d, X, Y);
    }
    d.strokeheld = true;
    d.strokex = X;
    d.strokey = Y;
}

}  // namespace

void penmove(Drawing& d, float X, float Y) { follow(d, X, Y, plot); }
void brushmove(Drawing& d, float X, float Y) { follow(d, X, Y, stampbrush); }

void spray(Drawing& d, float X, float Y) {
    for (int dot = 0; dot < 5; ++dot) {
        // Offsets -3..3 on each axis: 0 has odds 1/4, each other value 1/8.
        float a = std::floor(d.rnd() * 4.0f);
        if (d.rnd() > 0.5f) a = -a;
        float b = std::floor(d.rnd() * 4.0f);
        if (d.rnd() > 0.5f) b = -b;
        d.plotcell(X + a, Y + b);
    }
}

void setanchor(Drawing& d, float X, float Y) {
    d.anchorx = X;
    d.anchory = Y;
}

}  // namespace grafipix
