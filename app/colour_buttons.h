#pragma once
// The six colour buttons as data: what colour each stands for and sets, and
// what pressing it does besides.

#include <cstdint>
#include <span>

#include "calculator/colours.h"
#include "app/controls.h"

namespace grafipix {

class Editor;

struct ColourButton {
    const char* name;
    Button Editor::*button;
    void (Editor::*click)();
    int left, top;        // twips; every colour button is 495 x 375
    bool visible;         // at start
    wincolour backcolor;  // at start: the blue ink is the colour in use
    int16_t code;         // the colour code it sets
    int inkcolor;         // the ink it stands for and sets: 1 blue, 2 black, 0 none
    int bgkind;           // the background it stands for: 1 white, 2 screen green, 0 none
    bool redraws;
    const char* model;    // the model whose label it shows, nullptr for none

    // What its swatch shows and the pen it gives.
    wincolour colour() const { return codecolour(code, inkcolor, bgkind); }
};

std::span<const ColourButton> colourbuttons();

// The button that shows a colour code under an ink and a background.
const ColourButton& buttonof(int code, int inkcolor, int bgkind);

// Gives the button of the colour in use the plain face, unless it is `keep`.
void unhighlightcurrent(Editor& ed, const ColourButton& keep);

}  // namespace grafipix
