#include "core/canvas.h"

#include <algorithm>
#include <cstdlib>

namespace grafipix {

Canvas::Canvas() : pixels_(static_cast<size_t>(width) * height, toargb(casioback)) {}

void Canvas::cls() {
    std::fill(pixels_.begin(), pixels_.end(), toargb(backcolor_));
    if (picture_.empty()) return;
    int w = std::min(width, picture_.width), h = std::min(height, picture_.height);
    for (int y = 0; y < h; ++y)
        std::copy_n(picture_.pixels.begin() + static_cast<long>(y) * picture_.width, w,
                    pixels_.begin() + static_cast<long>(y) * width);
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
    if (col < 0 || col >= width) return;
    from = std::max(from, 0L);
    to = std::min(to, static_cast<long>(height));
    for (long y = from; y < to; ++y) pixels_[y * width + col] = forepixel_;
}

void Canvas::general(long x0, long y0, long x1, long y1) {
    // Bresenham without the end point; no Part draws slanted lines, but the
    // canvas accepts them.
    long dx = std::labs(x1 - x0), dy = -std::labs(y1 - y0);
    long sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    long err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        if (x0 >= 0 && x0 < width && y0 >= 0 && y0 < height) pixels_[y0 * width + x0] = forepixel_;
        long e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

}  // namespace grafipix
