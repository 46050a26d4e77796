// The tool buttons and the two canvas mouse handlers: positions rounded to
// cells, the read-out, and one switch on `curtool` per event.

#include <array>
#include <charconv>
#include <cmath>

#include "tools/tools.h"

namespace grafipix {

namespace {

struct ToolButton {
    Tool code;
    const char* caption;
};

constexpr ToolButton pointbutton{Tool::point10, "Point"};
constexpr ToolButton penbutton{Tool::pen20, "Stylo, cliquez pour amorcer le tracé"};
constexpr ToolButton brushbutton{Tool::brush22, "Pinceau, cliquez pour amorcer le tracé"};
constexpr ToolButton airbrushbutton{Tool::airbrush24, "Aérographe, cliquez pour amorcer le tracé"};
constexpr ToolButton linebutton{Tool::line30, "Ligne, cliquez pour entrer le premier point"};
constexpr ToolButton rectbutton{Tool::rect40, "Rectangle, cliquez pour entrer le premier point"};
constexpr ToolButton circlebutton{Tool::circle50, "Cercle, cliquez pour définir le centre"};
constexpr ToolButton selectbutton{Tool::select60, "Sélection, cliquez pour entrer le premier point"};
constexpr ToolButton fillbutton{Tool::fill70, "Pot de peinture"};

// A pending point, a running pen or a frame are simply abandoned.
void choose(Editor& ed, const ToolButton& b) {
    ed.curtool = b.code;
    ed.modelbl.caption = b.caption;
}

void step(Editor& ed, Tool next, const char* caption) {
    ed.curtool = next;
    ed.modelbl.caption = caption;
}

void anchor(Editor& ed, float X, float Y, Tool next, const char* caption) {
    ed.anchorx = X;
    ed.anchory = Y;
    step(ed, next, caption);
}

// Half-up above 1, as the pointer rounding of the canvas: cell x takes the
// positions from x - 0.5 to just below x + 0.5. At or below 1 the position
// passes unchanged, fraction included.
float tocell(float v) {
    if (!(v > 1.0f)) return v;
    const float whole = std::floor(v);
    return v - whole >= 0.5f ? whole + 1.0f : whole;
}

std::string shortest(float v) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v + 0.0f).ptr;  // + 0 turns -0 into 0
    return std::string(text, end);
}

}  // namespace

void Editor::Command1_Click() { choose(*this, pointbutton); }
void Editor::Command2_Click() { choose(*this, penbutton); }
void Editor::Command3_Click() { choose(*this, linebutton); }
void Editor::Command6_Click() { choose(*this, brushbutton); }
void Editor::Command7_Click() { choose(*this, airbrushbutton); }
void Editor::Command8_Click() { choose(*this, fillbutton); }
void Editor::Command9_Click() { choose(*this, rectbutton); }
void Editor::Command10_Click() { choose(*this, circlebutton); }
void Editor::Command11_Click() { choose(*this, selectbutton); }

// The button and shift state are ignored: every button acts alike.
void Editor::Picture1_MouseDown(int, int, float X, float Y) {
    X = tocell(X);
    Y = tocell(Y);
    switch (curtool) {
        case Tool::point10: plotcell(X, Y); break;
        case Tool::pen20: step(*this, Tool::pen21, "Stylo activé"); break;
        case Tool::pen21: step(*this, Tool::pen20, penbutton.caption); break;
        case Tool::brush22: step(*this, Tool::brush23, "Pinceau activé"); break;
        case Tool::brush23: step(*this, Tool::brush22, brushbutton.caption); break;
        case Tool::airbrush24: step(*this, Tool::airbrush25, "Aérographe activé"); break;
        case Tool::airbrush25: step(*this, Tool::airbrush24, airbrushbutton.caption); break;
        case Tool::line30: anchor(*this, X, Y, Tool::line31, "Ligne, cliquez pour tracer la ligne"); break;
        case Tool::line31:
            drawline(*this, anchorx, anchory, X, Y, false);
            step(*this, Tool::line30, "Ligne");
            break;
        case Tool::rect40: anchor(*this, X, Y, Tool::rect41, "Rectangle, cliquez pour tracer le rectangle"); break;
        case Tool::rect41:
            drawrectangle(*this, X, Y, false);
            step(*this, Tool::rect40, "Rectangle");
            break;
        case Tool::circle50: anchor(*this, X, Y, Tool::circle51, "Cercle, cliquez pour définir le rayon"); break;
        case Tool::circle51:
            drawcircle(*this, X, Y, false);
            step(*this, Tool::circle50, circlebutton.caption);
            break;
        case Tool::select60: anchor(*this, X, Y, Tool::select61, "Sélection, cliquez pour définir la sélection"); break;
        case Tool::select61: capture(*this, X, Y); break;
        case Tool::paste62: paste(*this, X, Y); break;
        case Tool::fill70: fill(*this, X, Y); break;
    }
}

void Editor::Picture1_MouseMove(int, int, float X, float Y) {
    X = tocell(X);
    Y = tocell(Y);
    coordx.caption = shortest(X);
    coordy.caption = shortest(64.0f - Y);
    switch (curtool) {
        case Tool::pen21: plotcell(X, Y); break;
        case Tool::brush23: stampbrush(*this, X, Y); break;
        case Tool::airbrush25: spray(*this, X, Y); break;
        // Each preview starts from a full redraw, which wipes the previous one.
        case Tool::line31:
            redrawcanvas();
            drawline(*this, anchorx, anchory, X, Y, true);
            break;
        case Tool::rect41:
            redrawcanvas();
            drawrectangle(*this, X, Y, true);
            break;
        case Tool::circle51:
            redrawcanvas();
            drawcircle(*this, X, Y, true);
            break;
        case Tool::select61: drawselectionframe(*this, X, Y); break;
        default: break;
    }
}

}  // namespace grafipix
