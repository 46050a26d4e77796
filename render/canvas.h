// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The off-screen raster behind the canvas `Picture1`. User coordinates: one unit
// per calculator pixel, 3 screen pixels per unit, the point (1, 1) at the top-left
// pixel, y downward. Lines follow the usual raster convention of leaving out their
// last pixel, so a cell stroke from x to x + 1 covers exactly the cell's 3 columns.
// Every line the editor draws is horizontal or vertical, and so is every line
// the canvas can draw.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "calculator/colours.h"

namespace grafipix {

// A picture as the canvas keeps it: 0xFFRRGGBB pixels, row by row.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    bool empty() const { return width == 0 || height == 0; }
    bool operator==(const Picture&) const = default;
};

class Canvas {
public:
    static constexpr int unitpixels = 3;

    // The raster of a side of `cells`: the cells and the half cell past
    // them, rounded up to whole pixels.
    static int pixelsfor(int cells) { return cells * unitpixels + (unitpixels + 1) / 2; }

    Canvas() : Canvas(0, 0) {}
    Canvas(int columns, int rows);
    // The raster of another screen, cleared.
    void resize(int columns, int rows);

    int width() const { return width_; }
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int height() const { return height_; }

    // Remove the painted marks: back colour, then the background picture over it.
    void cls();

    wincolour backcolor() const { return backcolor_; }
    void setbackcolor(wincolour c);  // also clears

    wincolour forecolor() const { return forecolor_; }
    void setforecolor(wincolour c) {
        forecolor_ = c;
        forepixel_ = toargb(c);
    }

    // The unitpixels x unitpixels pixels of whole cell (x, y) in `argb`: what
    // the cell's nine strokes of a full redraw paint, at once.
    void fillcell(int x, int y, uint32_t argb) {
        const long left = static_cast<long>(x - 1) * unitpixels, top = static_cast<long>(y - 1) * unitpixels;
        if (left < 0 || top < 0 || left + unitpixels > width_ || top + unitpixels > height_) return;
        for (int row = 0; row < unitpixels; ++row) std::fill_n(pixels_.data() + (top + row) * width_ + left, unitpixels, argb);
    }

    // Straight line in the pen colour between two points in canvas units: a
    // row when both lie on one pixel row, otherwise the column of the first.
    void line(float x1, float y1, float x2, float y2);

    const Picture& picture() const { return picture_; }
    void setpicture(Picture p);  // also clears

    // What the canvas shows: back colour, background picture and painted marks.
    Picture image() const { return Picture{width_, height_, pixels_}; }

    // The Windows colour value of one screen pixel.
    wincolour pixel(int px, int py) const { return fromargb(pixels_[static_cast<size_t>(py) * width_ + px]); }
    const uint32_t* bits() const { return pixels_.data(); }

    // Screen pixel that contains the unit coordinate v.
    static long topixel(float v) {
        double p = std::floor((static_cast<double>(v) - 1.0) * unitpixels);
        // Far positions only need to stay far: keep them inside a safe integer range.
        if (!(p > -1e6)) return -1000000;
        if (p > 1e6) return 1000000;
        return static_cast<long>(p);
    }

private:
    void hspan(long row, long from, long to);  // pixels from..to-1 (from <= to)
    void vspan(long col, long from, long to);

    int columns_ = 0, rows_ = 0, width_ = 0, height_ = 0;
    std::vector<uint32_t> pixels_;
    wincolour backcolor_ = casioback;
    wincolour forecolor_ = blueink;
    uint32_t forepixel_ = toargb(blueink);
    Picture picture_;
};

inline void Canvas::hspan(long row, long from, long to) {
    if (row < 0 || row >= height_) return;
    if (from < 0) from = 0;
    if (to > width_) to = width_;
    uint32_t* p = pixels_.data() + row * width_;
    for (long x = from; x < to; ++x) p[x] = forepixel_;
}

inline void Canvas::line(float x1, float y1, float x2, float y2) {
    long px1 = topixel(x1), py1 = topixel(y1), px2 = topixel(x2), py2 = topixel(y2);
    if (py1 == py2) {
        // The last pixel is left out, whichever way the line runs.
        if (px1 <= px2) hspan(py1, px1, px2);
        else hspan(py1, px2 + 1, px1 + 1);
    } else if (py1 < py2) {
        vspan(px1, py1, py2);
    } else {
        vspan(px1, py2 + 1, py1 + 1);
    }
}

}  // namespace grafipix
