#include "render/canvas.h"

#include <algorithm>

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

}  // namespace grafipix
