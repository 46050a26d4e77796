#pragma once
// What the dispatcher calls in the tool files. Every tool sees the editor's
// state and its canvas, nothing else.

#include "core/editor.h"

namespace grafipix {

// Positions that no pointer delivers (a fraction of a unit apart, millions of
// units away) could make a walk run for ever; no real walk comes near this.
inline constexpr long maxwalksteps = 1L << 20;

// Cells beyond these lines are neither shown (the canvas ends at 128.5 and
// 64.5) nor stored: a walk heading further out can stop.
inline constexpr float farleft = -2.0f, farright = 130.0f, fartop = -2.0f, farbottom = 66.0f;

// freehand.cpp
void stampbrush(Editor& ed, float x, float y);
void spray(Editor& ed, float x, float y);

// shapes.cpp: `preview` paints with previewcell and leaves the picture alone.
void drawline(Editor& ed, float x1, float y1, float x2, float y2, bool preview);
void drawrectangle(Editor& ed, float x2, float y2, bool preview);
void drawcircle(Editor& ed, float x2, float y2, bool preview);

// fill.cpp
void fill(Editor& ed, float x, float y);

// select_paste.cpp
void drawselectionframe(Editor& ed, float x, float y);
void capture(Editor& ed, float x, float y);
void paste(Editor& ed, float x, float y);

}  // namespace grafipix
