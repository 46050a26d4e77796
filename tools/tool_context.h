// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a tool action gets: the event at its cell, and the few services of the
// editor it may use. The editor implements the context, so no tool reaches a
// window or a control.

#include <cstdint>
#include <vector>

#include "render/drawing.h"

namespace grafipix {

// A mouse event on the canvas, its position already rounded to a cell.
struct ToolInput {
    float X, Y;
    int button, shift;  // as the mouse event gives them
};

// The paint bucket's queue: entry 0 unused, then one entry per cell of the
// array, x = 0 marking an entry never written.
struct FillQueue {
    int last = 0;
    std::vector<float> x, y;
    // Every entry empty again, one for each cell of `g`.
    void reset(const Grid& g) {
        last = static_cast<int>(g.cellcount());
        x.assign(static_cast<size_t>(last) + 1, 0.0f);
        y.assign(static_cast<size_t>(last) + 1, 0.0f);
    }
};

// What the tools keep from one event to the next.
struct ToolState {
    // The first point of a shape or a selection.
    float anchorx = 0.0f, anchory = 0.0f;
    // The last position of a continuous stroke, once it has one.
    bool strokeheld = false;
    float strokex = 0.0f, strokey = 0.0f;
    // Kept to spare a fill allocating it again.
    FillQueue fillqueue;
};

class ToolContext {
public:
    // The document, the canvas, the painters and the random source.
    virtual Drawing& drawing() = 0;
    virtual ToolState& state() = 0;
    // "Tracé continu": the pen and the brush join each position to the last.
    virtual bool continuous() const = 0;
    // Presses the colour button of `code`, as a click on it would; a code the
    // model shows no button for changes nothing.
    virtual void setcolour(int16_t code) = 0;
    // The tool chosen before this one comes back, at the step and with the
    // status text it had.
    virtual void previoustool() = 0;

protected:
    ~ToolContext() = default;
};

}  // namespace grafipix
