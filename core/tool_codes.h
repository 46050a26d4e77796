#pragma once
// The values of `curtool`: the tool, then its step. The enumerators carry the
// code in their names (pen21 is 2.1, the pen drawing).

#include <cstdint>

namespace grafipix {

enum class Tool : uint8_t {
    point10,     // 1.0 Point
    pen20,       // 2.0 Stylo, idle
    pen21,       // 2.1 Stylo, drawing
    brush22,     // 2.2 Pinceau, idle
    brush23,     // 2.3 Pinceau, drawing
    airbrush24,  // 2.4 Aérographe, idle
    airbrush25,  // 2.5 Aérographe, drawing
    line30,      // 3.0 Ligne, waiting for the first point
    line31,      // 3.1 Ligne, waiting for the second
    rect40,      // 4.0 Rectangle, first corner
    rect41,      // 4.1 Rectangle, second corner
    circle50,    // 5.0 Cercle, centre
    circle51,    // 5.1 Cercle, radius
    select60,    // 6.0 Sélection, first corner
    select61,    // 6.1 Sélection, second corner
    paste62,     // 6.2 duplicating: every click pastes
    fill70,      // 7.0 Pot de peinture
};

}  // namespace grafipix
