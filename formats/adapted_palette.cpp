// SPDX-License-Identifier: GPL-3.0-or-later
// libimagequant picks the colours; rounding them to the screen can merge two
// of them, and it may find fewer than asked, so the count is made up from the
// picture's own colours, each time the one farthest from the palette.

#include "formats/adapted_palette.h"

#include <algorithm>
#include <libimagequant.h>
#include <memory>
#include <omp.h>

namespace grafipix {

namespace {

struct Counted {
    wincolour colour;
    size_t count;
};

long distance(wincolour a, wincolour b) {
    const long dr = redof(a) - redof(b), dg = greenof(a) - greenof(b), db = blueof(a) - blueof(b);
    return dr * dr + dg * dg + db * db;
}

// The colours libimagequant finds for the picture, white among them.
std::vector<wincolour> quantized(std::span<const wincolour> picture, int count) {
    std::vector<liq_color> pixels;
    pixels.reserve(picture.size());
    for (const wincolour c : picture)
        pixels.push_back({uint8_t(redof(c)), uint8_t(greenof(c)), uint8_t(blueof(c)), 255});
    const std::unique_ptr<liq_attr, void (*)(liq_attr*)> attr(liq_attr_create(), liq_attr_destroy);
    if (!attr || liq_set_max_colors(attr.get(), count) != LIQ_OK || liq_set_speed(attr.get(), 8) != LIQ_OK) return {};
    // One row: at this speed the samples' neighbours play no part.
    const std::unique_ptr<liq_image, void (*)(liq_image*)> image(
        liq_image_create_rgba(attr.get(), pixels.data(), int(pixels.size()), 1, 0), liq_image_destroy);
    if (!image || liq_image_add_fixed_color(image.get(), {255, 255, 255, 255}) != LIQ_OK) return {};
    // On one thread: its OpenMP threads wait for each other spinning, which on
    // a busy machine costs more than they share out, and one thread finds the
    // same palette every time.
    const int threads = omp_get_max_threads();
    omp_set_num_threads(1);
    liq_result* made = nullptr;
    const liq_error quantized = liq_image_quantize(image.get(), attr.get(), &made);
    omp_set_num_threads(threads);
    if (quantized != LIQ_OK || !made) return {};
    const std::unique_ptr<liq_result, void (*)(liq_result*)> result(made, liq_result_destroy);
    const liq_palette* palette = liq_get_palette(result.get());
    std::vector<wincolour> out;
    for (unsigned i = 0; palette && i < palette->count; ++i)
        out.push_back(rgbcolour(palette->entries[i].r, palette->entries[i].g, palette->entries[i].b));
    return out;
}

}  // namespace

std::vector<wincolour> adaptedpalette(std::span<const wincolour> picture, const Model& m, int count) {
    std::vector<wincolour> out{m.held(whiteback)};
    // A free palette holds 16-bit colours: counted by their 16 bits, in the order of those.
    std::vector<size_t> counts(size_t{1} << 16);
    for (const wincolour c : picture) ++counts[rgb565(m.held(c))];
    std::vector<Counted> distinct;
    for (size_t v = 0; v < counts.size(); ++v)
        if (counts[v] && from565(uint16_t(v)) != out[0]) distinct.push_back({from565(uint16_t(v)), counts[v]});
    const size_t wanted = size_t(std::max(count, 1));
    if (distinct.size() < wanted) {
        // Every colour fits: the most used first.
        std::ranges::stable_sort(distinct, std::greater{}, &Counted::count);
        for (const Counted& c : distinct) out.push_back(c.colour);
        return out;
    }
    for (const wincolour c : quantized(picture, count))
        if (const wincolour h = m.held(c); out.size() < wanted && std::ranges::find(out, h) == out.end()) out.push_back(h);
    if (out.size() == wanted) return out;
    // Made up: the picture's colour farthest from those chosen, the lowest of equals.
    std::vector<long> gap(distinct.size());
    for (size_t i = 0; i < distinct.size(); ++i) {
        gap[i] = distance(distinct[i].colour, out[0]);
        for (const wincolour c : out) gap[i] = std::min(gap[i], distance(distinct[i].colour, c));
    }
    while (out.size() < wanted) {
        const size_t far = size_t(std::ranges::max_element(gap) - gap.begin());
        if (gap[far] == 0) break;
        out.push_back(distinct[far].colour);
        for (size_t i = 0; i < distinct.size(); ++i) gap[i] = std::min(gap[i], distance(distinct[i].colour, out.back()));
    }
    return out;
}

}  // namespace grafipix
