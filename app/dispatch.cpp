// SPDX-License-Identifier: GPL-3.0-or-later
// The tool buttons, their keys and Escape, and the two canvas mouse handlers:
// positions rounded to cells, the read-out, and the tool table's step for
// `curtool`; the services the tools get from the editor.

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

// A pending point, a running pen or a frame are simply abandoned, though kept
// for a tool that gives the one before it back.
void Editor::choosetool(const ToolRow& tool) {
    if (toolof(curtool) != &tool) {
        beforetool = curtool;
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
    if (step && step->escape) step->escape(*this);
    else if (const ToolRow* tool = toolof(curtool)) choosetool(*tool);
    redrawcanvas();
}

// The button's own press: highlight, captions and pen exactly as a click on it.
void Editor::setcolour(int16_t code) {
    if (palettepanel()) choosecode(code);
    else if (const Swatch* s = buttonof(*this, code)) click(s->name);
}

void Editor::previoustool() {
    curtool = beforetool;
    modelbl.caption = beforecaption;
}

void Editor::continu_Click() { continu.checked = !continu.checked; }

// No tool tells the buttons or the shift state apart: every button acts alike.
// The step moves on before its action, so an action may choose another tool.
void Editor::Picture1_MouseDown(int button, int shift, float X, float Y) {
    const ToolStep* step = findstep(curtool);
    if (!step) return;
    curtool = step->next;
    if (step->caption) modelbl.caption = step->caption;
    if (step->selects) selection.enabled = true;
    if (step->down) step->down(*this, {tocell(X), tocell(Y), button, shift});
}

void Editor::Picture1_MouseMove(int button, int shift, float X, float Y) {
    X = tocell(X);
    Y = tocell(Y);
    coordx.caption = shortest(X);
    // Graph rows count up from the bottom border.
    coordy.caption = shortest(static_cast<float>(pixelgrid.maxy()) - Y);
    const ToolStep* step = findstep(curtool);
    if (step && step->move) step->move(*this, {X, Y, button, shift});
}

}  // namespace grafipix
