// The tool buttons, their keys and Escape, and the two canvas mouse handlers:
// positions rounded to cells, the read-out, and the tool table's step for
// `curtool`; the pipette's pick.

#include <charconv>
#include <cmath>

#include "app/editor.h"
#include "app/colour_buttons.h"
#include "tools/tool_table.h"

namespace grafipix {

namespace {

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

// A pending point, a running pen or a frame are simply abandoned, though the
// pipette keeps them to go back to.
void Editor::choosetool(const ToolRow& tool) {
    const ToolStep* now = findstep(curtool);
    if (tool.steps.front().picks && !(now && now->picks)) {
        beforepipette = curtool;
        beforecaption = modelbl.caption;
    }
    curtool = tool.steps.front().code;
    modelbl.caption = tool.caption;
}

bool Editor::keypress(std::string_view key) {
    if (key == "Esc") {
        escape();
        return true;
    }
    // Ctrl+= is where Ctrl++ lies unshifted on many keyboards.
    if (key == "Ctrl++" || key == "Ctrl+=") return zoomby(1);
    if (key == "Ctrl+-") return zoomby(-1);
    for (const ToolRow& tool : toolrows())
        if (key == tool.key) return click(tool.button);
    return false;
}

// The canvas is redrawn, so no preview of what was abandoned stays.
void Editor::escape() {
    const ToolStep* step = findstep(curtool);
    if (step && step->picks) {
        curtool = beforepipette;
        modelbl.caption = beforecaption;
    } else if (const ToolRow* tool = toolof(curtool)) {
        choosetool(*tool);
    }
    redrawcanvas();
}

void Editor::pickcolour(float X, float Y) {
    // The button's own press: highlight, captions and pen exactly as a click
    // on it. A colour the model shows no button for is refused.
    if (const Swatch* s = buttonof(*this, pixelgrid.at(X, Y))) click(s->name);
    curtool = beforepipette;
    modelbl.caption = beforecaption;
}


void Editor::continu_Click() {
    continu.checked = !continu.checked;
    continuous = continu.checked;
}

// The button and shift state are ignored: every button acts alike.
void Editor::Picture1_MouseDown(int, int, float X, float Y) {
    X = tocell(X);
    Y = tocell(Y);
    const ToolStep* step = findstep(curtool);
    if (!step) return;
    if (step->picks) return pickcolour(X, Y);
    if (step->down) step->down(*this, X, Y);
    curtool = step->next;
    if (step->caption) modelbl.caption = step->caption;
    if (step->selects) selection.enabled = true;
}

void Editor::Picture1_MouseMove(int, int, float X, float Y) {
    X = tocell(X);
    Y = tocell(Y);
    coordx.caption = shortest(X);
    // Graph rows count up from the bottom border.
    coordy.caption = shortest(static_cast<float>(pixelgrid.maxy()) - Y);
    const ToolStep* step = findstep(curtool);
    if (step && step->move) step->move(*this, X, Y);
}

}  // namespace grafipix
