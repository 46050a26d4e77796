// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A model no calculator has: 200 x 100 cells and six colours besides the back
// colour, each with a word and a token, so that every piece reading the model
// table meets another screen and another palette. Registered before main, so
// the editor's menus have its entry.

#include "calculator/model_table.h"

namespace grafipix::testing {

inline const Model& testmodel() {
    static const Swatch back{"testback", 120, 3000, 0xF0F0F0}, backcasio{"testbackcasio", 120, 3000, 0xA0C8B0};
    static const Swatch swatches[] = {{"testblack", 720, 3000, 0x000000}, {"testred", 120, 3360, 0x0000FF},
                                      {"testblue", 720, 3360, 0xFF0000},  {"testgreen", 120, 3720, 0x00FF00},
                                      {"testcyan", 720, 3720, 0xFFFF00},  {"testyellow", 120, 4080, 0x00FFFF}};
    static const PaletteColour palette[] = {
        {&back, &backcasio, u"", "le fond", ""},                 {&swatches[0], nullptr, u"Black", "le noir", "\xF9\x9B"},
        {&swatches[1], nullptr, u"Red", "le rouge", "\x7F\x34"},   {&swatches[2], nullptr, u"Blue", "le bleu", "\x7F\x35"},
        {&swatches[3], nullptr, u"Green", "le vert", "\x7F\x36"},  {&swatches[4], nullptr, u"Cyan", "le cyan", "\xF9\x9E"},
        {&swatches[5], nullptr, u"Yellow", "le jaune", "\xF9\x9F"}};
    static const Model& m = addmodel({"test", "Essai 200 x 100", "Essai", {200, 100}, palette, Conversion::nearest, &fxinterface, 20, ""});
    return m;
}

// And one whose palette is free, up to 256 colours, on a screen of yet
// another size: every piece that reads a drawing's own colours meets it.
inline const Model& freetestmodel() {
    static const Swatch back{"freeback", 120, 3000, 0xFFFFFF};
    static const Swatch swatches[] = {{"freeblack", 720, 3000, 0x000000}, {"freered", 120, 3360, 0x0000FF},
                                      {"freeblue", 720, 3360, 0xFF0000}};
    static const PaletteColour palette[] = {{&back, nullptr, u"", "le fond", ""},
                                            {&swatches[0], nullptr, u"Black", "le noir", "\xF9\x9B"},
                                            {&swatches[1], nullptr, u"Red", "le rouge", "\x7F\x34"},
                                            {&swatches[2], nullptr, u"Blue", "le bleu", "\x7F\x35"}};
    static const Model& m = addmodel({.name = "free", .menucaption = "Essai libre 150 x 80", .typcalc = "Libre",
                                      .screen = {150, 80}, .palette = palette, .conversion = Conversion::nearest,
                                      .flavour = &fxinterface, .lastpicture = 20, .calcfiles = "", .casioback = false,
                                      .drawstat = false, .python = true, .pythonscreen = {160, 90}, .freecolours = 256});
    return m;
}

inline const Model& registeredtestmodel = testmodel();
inline const Model& registeredfreetestmodel = freetestmodel();

}  // namespace grafipix::testing
