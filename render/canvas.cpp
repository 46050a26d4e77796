// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/canvas.h"

#include <algorithm>

namespace grafipix {

Canvas::Canvas(int columns, int rows) { resize(columns, rows); }

void Canvas::resize(int columns, int rows) {
    columns_ = columns;
    rows_ = rows;
    width_ = pixelsfor(columns);
    height_ = pixelsfor(rows);
    pixels_.assign(static_cast<size_t>(width_) * height_, toargb(backcolor_));
    cls();
}

void Canvas::cls() {
    std::fill(pixels_.begin(), pixels_.end(), toargb(backcolor_));
    if (picture_.empty()) return;
    int w = std::min(width_, picture_.width), h = std::min(height_, picture_.height);
    for (int y = 0; y < h; ++y)
        std::copy_n(picture_.pixels.begin() + static_cast<long>(y) * picture_.width, w,
                    pixels_.begin() + static_cast<long>(y) * width_);
}

void Canvas::setbackcolor(wincolour c) {
    backcolor_ = c;
    cls();
}

void Canvas::setpicture(Picture p) {
    if (p.pixels.size() != static_cast<size_t>(p.width) * static_cast<size_t>(p.height)) p = {};
    picture_ = std::move(p);
    cls();
}

void Canvas::vspan(long col, long from, long to) {
    if (col < 0 || col >= width_) return;
    from = std::max(from, 0L);
    to = std::min(to, static_cast<long>(height_));
    for (long y = from; y < to; ++y) pixels_[y * width_ + col] = forepixel_;
}

}  // namespace grafipix
