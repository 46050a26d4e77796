// SPDX-License-Identifier: GPL-3.0-or-later
// A decoded picture to one sample per cell, for each framing of the screen.

#include "formats/import_framing.h"

#include <algorithm>
#include <array>

#include "document/grid.h"
#include "formats/adapted_palette.h"

namespace grafipix {

namespace {

constexpr int alphaof(uint32_t p) { return static_cast<int>(p >> 24); }
constexpr int channel(uint32_t p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }

// A premultiplied pixel laid over the screen green, as a Windows colour.
wincolour overscreengreen(int r, int g, int b, int alpha) {
    const int keep = 255 - alpha;
    auto mix = [keep](int over, int under) { return over + (keep * under + 255 / 2) / 255; };
    return static_cast<wincolour>(mix(r, redof(casioback)) | mix(g, greenof(casioback)) << 8 |
                                  mix(b, blueof(casioback)) << 16);
}
wincolour overscreengreen(uint32_t p) { return overscreengreen(channel(p, 16), channel(p, 8), channel(p, 0), alphaof(p)); }

// Sample c of n along a side of `size` pixels covers pixels first(c) up to
// first(c + 1), and at least one when the side is shorter than n.
struct Span {
    int from, to;
};
Span cellspan(int c, int n, int size) {
    const int from = static_cast<int>(int64_t{c} * size / n);
    return {from, std::max(from + 1, static_cast<int>(int64_t{c + 1} * size / n))};
}

// Each sample the mean of the pixels it covers, in premultiplied colour so
// transparent pixels weigh nothing.
Samples boxaverage(const Pixels& source, int columns, int rows) {
    std::vector<Span> xspans(static_cast<size_t>(columns));
    for (int x = 0; x < columns; ++x) xspans[static_cast<size_t>(x)] = cellspan(x, columns, source.width);
    Samples out(columns, rows);
    const bool opaque = source.opaque();
    std::vector<std::array<uint64_t, 4>> sums(static_cast<size_t>(columns));
    for (int row = 0; row < rows; ++row) {
        std::ranges::fill(sums, std::array<uint64_t, 4>{});
        const Span ys = cellspan(row, rows, source.height);
        for (int y = ys.from; y < ys.to; ++y) {
            const uint32_t* line = source.row(y);
            for (int x = 0; x < columns; ++x) {
                auto& sum = sums[static_cast<size_t>(x)];
                for (int px = xspans[static_cast<size_t>(x)].from; px < xspans[static_cast<size_t>(x)].to; ++px) {
                    const uint32_t p = line[px];
                    sum[0] += static_cast<uint64_t>(channel(p, 16));
                    sum[1] += static_cast<uint64_t>(channel(p, 8));
                    sum[2] += static_cast<uint64_t>(channel(p, 0));
                    sum[3] += static_cast<uint64_t>(opaque ? 0xFF : alphaof(p));
                }
            }
        }
        for (int x = 0; x < columns; ++x) {
            const Span xs = xspans[static_cast<size_t>(x)];
            const uint64_t n = static_cast<uint64_t>(xs.to - xs.from) * static_cast<uint64_t>(ys.to - ys.from);
            const auto& sum = sums[static_cast<size_t>(x)];
            auto mean = [n](uint64_t v) { return static_cast<int>((v + n / 2) / n); };
            out.colour[x][row] = overscreengreen(mean(sum[0]), mean(sum[1]), mean(sum[2]), mean(sum[3]));
        }
    }
    return out;
}

// n * a / b rounded, at least `least`.
int scaled(int n, int64_t a, int64_t b, int least) {
    return std::max(least, static_cast<int>((2 * int64_t{n} * a + b) / (2 * b)));
}

}  // namespace

Pixels::Pixels(int w, int h, std::vector<uint32_t> argb) : width(w), height(h) {
    auto held = std::make_shared<const std::vector<uint32_t>>(std::move(argb));
    first_ = held->data(), stride_ = static_cast<size_t>(w), owner_ = std::move(held);
}

Samples stretchsamples(const Pixels& picture, int columns, int rows) {
    if (picture.empty()) return Samples(columns, rows);
    const int w = picture.width, h = picture.height;
    if (w > 3 * columns || h > 3 * rows) return boxaverage(picture, columns, rows);
    Samples out(columns, rows);
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            out.colour[x][y] = overscreengreen(picture.at(static_cast<int>(int64_t{x} * w / columns),
                                                          static_cast<int>(int64_t{y} * h / rows)));
    return out;
}

// A sample a pixel, as much of the picture as the screen holds.
Samples actualsize(const Pixels& decoded, int columns, int rows) {
    const Pixels& picture = decoded.topleft ? *decoded.topleft : decoded;
    Samples out(std::min(picture.width, columns), std::min(picture.height, rows));
    for (int x = 0; x < out.columns(); ++x)
        for (int y = 0; y < out.rows(); ++y) out.colour[x][y] = overscreengreen(picture.at(x, y));
    return out;
}

Samples framesamples(const Pixels& picture, Framing framing, int columns, int rows) {
    if (framing == Framing::none) return actualsize(picture, columns, rows);
    if (framing == Framing::stretch || picture.empty()) return stretchsamples(picture, columns + 1, rows + 1);
    // Wider than the screen in proportion: the width sets the fit's scale and
    // the height the fill's.
    const bool wider = int64_t{picture.width} * rows >= int64_t{picture.height} * columns;
    const bool bywidth = wider == (framing == Framing::fit);
    if (bywidth) return stretchsamples(picture, columns, scaled(columns, picture.height, picture.width, framing == Framing::fill ? rows : 1));
    return stretchsamples(picture, scaled(rows, picture.width, picture.height, framing == Framing::fill ? columns : 1), rows);
}

Samples placesamples(const Samples& framed, ImportChoices& choices, int columns, int rows) {
    if (choices.framing == Framing::stretch) return framed;
    // The first framed sample on the screen's first cell, centred; a fitted
    // picture starts before it, so its bands differ by one cell at most.
    auto origin = [](int framedsize, int screensize, int& offset) {
        const int spare = framedsize - screensize;
        const int centred = spare / 2;
        offset = std::clamp(offset, std::min(0, spare) - centred, std::max(0, spare) - centred);
        return centred + offset;
    };
    int centredx = 0, centredy = 0;  // a fitted picture is not dragged
    const bool fill = choices.framing == Framing::fill, actual = choices.framing == Framing::none;
    const int ox = actual ? 0 : origin(framed.columns(), columns, fill ? choices.offsetx : centredx),
              oy = actual ? 0 : origin(framed.rows(), rows, fill ? choices.offsety : centredy);
    Samples out(columns + 1, rows + 1);
    for (int x = 0; x <= columns; ++x)
        for (int y = 0; y <= rows; ++y) {
            const int fx = x - 1 + ox, fy = y - 1 + oy;
            const bool inside = x > 0 && y > 0 && fx >= 0 && fy >= 0 && fx < framed.columns() && fy < framed.rows();
            out.colour[x][y] = inside ? framed.colour[fx][fy] : casioback;
        }
    return out;
}

void importframed(const Samples& framed, const Model& m, int bgkind, ImportChoices& choices, Grid& grid, Palette& palette) {
    const Samples placed = placesamples(framed, choices, grid.columns(), grid.rows());
    if (!m.freepalette()) return importcells(placed, m, bgkind, choices, grid);
    Palette chosen = m.colours();
    if (choices.colours > 0) {
        // Chosen for the picture as its tone shows it, over what the screen shows of it.
        const ToneCurve curve = tonecurve(choices, m);
        std::vector<wincolour> shown;
        for (int x = 1; x < placed.columns(); ++x)
            for (int y = 1; y < placed.rows(); ++y)
                if (const wincolour c = placed.colour[x][y]; c != casioback)
                    shown.push_back(rgbcolour(curve[redof(c)], curve[greenof(c)], curve[blueof(c)]));
        chosen = adaptedpalette(shown, m, std::min(choices.colours, m.freecolours));
    }
    // What the import leaves takes the nearest of the new colours.
    std::vector<int16_t> recode(palette.size());
    for (size_t c = 1; c < palette.size(); ++c) recode[c] = int16_t(nearestof(palette[c], chosen));
    for (size_t i = 0; i < grid.cellcount(); ++i)
        if (const int c = grid.byindex(i); c > 0) grid.set(grid.xof(i), grid.yof(i), size_t(c) < recode.size() ? recode[size_t(c)] : int16_t{0});
    const SampleCodes codes = choices.colours > 0 ? convertsamples(placed, m, choices, chosen) : convertsamples(placed, m, bgkind, choices);
    for (int x = 1; x < placed.columns(); ++x)
        for (int y = 1; y < placed.rows(); ++y)
            if (codes[x][y]) grid.set(x, y, *codes[x][y]);
    palette = std::move(chosen);
}

void importframed(const Samples& framed, const Model& m, int bgkind, ImportChoices& choices, Grid& grid) {
    Palette own = m.freepalette() ? m.colours() : Palette{};
    importframed(framed, m, bgkind, choices, grid, own);
}

void importpicture(const Pixels& picture, const Model& m, int bgkind, ImportChoices choices, Grid& grid, Palette& palette) {
    importframed(framesamples(picture, choices.framing, grid.columns(), grid.rows()), m, bgkind, choices, grid, palette);
}

void importpicture(const Pixels& picture, const Model& m, int bgkind, ImportChoices choices, Grid& grid) {
    importframed(framesamples(picture, choices.framing, grid.columns(), grid.rows()), m, bgkind, choices, grid);
}

int shrinkfactor(int width, int height, int columns, int rows) {
    if (width <= 0 || height <= 0 || columns <= 0 || rows <= 0) return 1;
    // The fill samples most finely (its samples cover the screen and more),
    // and the stretch takes the border's column and row as well.
    const bool wider = int64_t{width} * rows >= int64_t{height} * columns;
    const int across = std::max(columns + 1, wider ? scaled(rows, width, height, columns) : columns),
              down = std::max(rows + 1, wider ? rows : scaled(columns, height, width, rows));
    int factor = 1;
    while (factor < 8 && width / (2 * factor) >= 3 * across && height / (2 * factor) >= 3 * down) factor *= 2;
    return factor;
}

}  // namespace grafipix
