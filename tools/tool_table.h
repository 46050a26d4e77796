// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ten tools as data: per tool its button, its status text, its icon, its
// key and its steps, each step saying what a click and a move do in it. A new tool is
// one row of tool_table.cpp and the file of its behaviour.

#include <span>
#include <string_view>

#include "tools/tool_context.h"
#include "tools/tool_code.h"

namespace grafipix {

using ToolAction = void (*)(ToolContext& c, const ToolInput& in);

struct ToolStep {
    ToolCode code;
    ToolAction down;      // nullptr: a click only moves on to `next`
    ToolCode next;        // the step after a click
    const char* caption;  // the status line after a click; nullptr leaves it
    ToolAction move;      // nullptr: a move only updates the read-out
    bool selects = false;  // a click here makes a selection: the "Sélection" menu opens
    bool strokes = false;  // its moves draw: one stroke, one step of undo, up to the next click
    // What Escape does here; nullptr: the tool goes back to its first step.
    void (*escape)(ToolContext& c) = nullptr;
};

inline constexpr int iconsize = 16;

struct ToolRow {
    const char* button;   // its button, Main's `CommandN`, 375 x 375 twips
    int left, top;        // the button's place in twips
    const char* caption;  // the status line its button sets
    std::span<const ToolStep> steps;  // the button sets the first
    // iconsize rows of iconsize pixels: '#' black, 'o' grey, 'b' the blue ink, '.' clear.
    const char* const* icon;
    const char* key;  // the key that chooses it, as Event::key names it
};

std::span<const ToolRow> toolrows();
// The tool of a button, nullptr for a name no tool button has.
const ToolRow* findtool(std::string_view button);
// The step of a code, nullptr for a code no tool has.
const ToolStep* findstep(ToolCode code);
// The tool a step belongs to, nullptr for a code no tool has.
const ToolRow* toolof(ToolCode code);

inline constexpr ToolCode pointstep{1, 0};  // at start-up
inline constexpr ToolCode pastestep{6, 2};  // after "Dupliquer"

}  // namespace grafipix
