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
