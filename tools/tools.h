// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tool table calls: each tool's work on a click or a move at the
// converted position (in.X, in.Y). A tool reaches the rest of the program
// through its context only.

#include "tools/tool_context.h"

namespace grafipix {

// Cells beyond these lines are neither shown (the canvas ends half a cell past
// the screen's last) nor stored: a walk heading further out can stop, and one
// coming in from further out can jump to them.
inline constexpr float farleft = -2.0f, fartop = -2.0f;
inline float farright(const Drawing& d) { return static_cast<float>(d.pixelgrid.maxx() + 2); }
inline float farbottom(const Drawing& d) { return static_cast<float>(d.pixelgrid.maxy() + 2); }

// freehand.cpp: Point, the pen, the brush and the airbrush, and the first
// point of the two-click tools.
void plot(ToolContext& c, const ToolInput& in);
// The pen and the brush moving; with "Tracé continu" each position is joined
// to the last one of the stroke that startstroke began.
void startstroke(ToolContext& c, const ToolInput& in);
void penmove(ToolContext& c, const ToolInput& in);
void brushmove(ToolContext& c, const ToolInput& in);
void spray(ToolContext& c, const ToolInput& in);
void setanchor(ToolContext& c, const ToolInput& in);

// shapes.cpp: from the anchor to (X, Y); a preview redraws the canvas first
// and paints without storing. walkline visits the cells of the line tool's
// walk from (x1, y1) up to, not including, (x2, y2), and gives the cell it
// stopped at, not visited.
struct WalkEnd {
    float x, y;
};
WalkEnd walkline(Drawing& d, float x1, float y1, float x2, float y2, void (*visit)(Drawing&, float, float));
// The visits of a walk: the cell stored, or the cell painted only.
inline void plotmark(Drawing& d, float x, float y) { d.plotcell(x, y); }
inline void previewmark(Drawing& d, float x, float y) { d.previewcell(x, y); }
void drawline(ToolContext& c, const ToolInput& in);
void previewline(ToolContext& c, const ToolInput& in);
void drawrectangle(ToolContext& c, const ToolInput& in);
void previewrectangle(ToolContext& c, const ToolInput& in);
void drawcircle(ToolContext& c, const ToolInput& in);
void previewcircle(ToolContext& c, const ToolInput& in);

// fill.cpp
void fill(ToolContext& c, const ToolInput& in);

// select_paste.cpp
void drawselectionframe(ToolContext& c, const ToolInput& in);
void capture(ToolContext& c, const ToolInput& in);
void paste(ToolContext& c, const ToolInput& in);
// The block where a click would paste it, painted only.
void previewpaste(ToolContext& c, const ToolInput& in);

// pipette.cpp: the colour of the cell becomes the drawing colour, and the
// tool chosen before comes back; Escape gives it back too.
void pickcolour(ToolContext& c, const ToolInput& in);
void givebacktool(ToolContext& c);

}  // namespace grafipix
