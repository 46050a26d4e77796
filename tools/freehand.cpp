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

// The walk leaves out its second point and, walking right, stops once off
// rows 1..63; walking left from the newer position it has no such test, and
// what it leaves out is the position already drawn.
void follow(Drawing& d, float X, float Y, void (*draw)(Drawing&, float, float)) {
    if (!d.continuous || !d.strokeheld) {
        draw(d, X, Y);
    } else if (X > d.strokex) {
        walkline(d, X, Y, d.strokex, d.strokey, draw);
    } else {
        walkline(d, d.strokex, d.strokey, X, Y, draw);
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
