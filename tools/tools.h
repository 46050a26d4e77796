#pragma once
// What the tool table calls: each tool's work on a click or a move at the
// converted position (X, Y). A tool sees the drawing and nothing else.

#include "render/drawing.h"

namespace grafipix {

// Cells beyond these lines are neither shown (the canvas ends half a cell past
// the screen's last) nor stored: a walk heading further out can stop, and one
// coming in from further out can jump to them.
inline constexpr float farleft = -2.0f, fartop = -2.0f;
inline float farright(const Drawing& d) { return static_cast<float>(d.pixelgrid.maxx() + 2); }
inline float farbottom(const Drawing& d) { return static_cast<float>(d.pixelgrid.maxy() + 2); }

// freehand.cpp: Point, the pen, the brush and the airbrush, and the first
// point of the two-click tools.
void plot(Drawing& d, float X, float Y);
void stampbrush(Drawing& d, float X, float Y);
// The pen and the brush moving; with "Tracé continu" each position is joined
// to the last one of the stroke that startstroke began.
void startstroke(Drawing& d, float X, float Y);
void penmove(Drawing& d, float X, float Y);
void brushmove(Drawing& d, float X, float Y);
void spray(Drawing& d, float X, float Y);
void setanchor(Drawing& d, float X, float Y);

// shapes.cpp: from the anchor to (X, Y); a preview redraws the canvas first
// and paints without storing. walkline visits the cells of the line tool's
// walk from (x1, y1) up to, not including, (x2, y2), and gives the cell it
// stopped at, not visited.
struct WalkEnd {
    float x, y;
};
WalkEnd walkline(Drawing& d, float x1, float y1, float x2, float y2, void (*visit)(Drawing&, float, float));
void drawline(Drawing& d, float X, float Y);
void previewline(Drawing& d, float X, float Y);
void drawrectangle(Drawing& d, float X, float Y);
void previewrectangle(Drawing& d, float X, float Y);
void drawcircle(Drawing& d, float X, float Y);
void previewcircle(Drawing& d, float X, float Y);

// fill.cpp
void fill(Drawing& d, float X, float Y);

// select_paste.cpp
void drawselectionframe(Drawing& d, float X, float Y);
void capture(Drawing& d, float X, float Y);
void paste(Drawing& d, float X, float Y);
// The block where a click would paste it, painted only.
void previewpaste(Drawing& d, float X, float Y);

}  // namespace grafipix
