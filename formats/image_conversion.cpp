// SPDX-License-Identifier: GPL-3.0-or-later
// A picture's samples to colour codes: one sample at a time, with its error
// diffused, or against a Bayer matrix, and those codes into a grid.

#include "formats/image_conversion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <utility>

#include "document/grid.h"

namespace grafipix {

namespace {

// R, G, B, or on the two-colour models the luminance alone.
using Tone = std::array<float, 3>;

Tone toneof(wincolour c, bool rgb) {
    const auto r = static_cast<float>(redof(c)), g = static_cast<float>(greenof(c)), b = static_cast<float>(blueof(c));
    if (rgb) return {r, g, b};
    return {0.299f * r + 0.587f * g + 0.114f * b, 0.0f, 0.0f};
}

// The code whose shade is nearest; ties go to the lower code.
int nearestcode(const Tone& v, const std::vector<Tone>& shades) {
    int best = 0;
    float nearest = std::numeric_limits<float>::max();
    for (int code = 0; code < int(shades.size()); ++code) {
        float d = 0.0f;
        for (int i = 0; i < 3; ++i) d += (v[i] - shades[code][i]) * (v[i] - shades[code][i]);
        if (d < nearest) best = code, nearest = d;
    }
    return best;
}

std::vector<Tone> shadesof(const Model& m, int bgkind, bool rgb) {
    std::vector<Tone> shades;
    for (int code = 0; code < m.codes(); ++code) shades.push_back(toneof(m.shown(code, bgkind), rgb));
    return shades;
}

wincolour toned(wincolour c, const ToneCurve& curve) {
    return wincolour{curve[redof(c)]} | wincolour{curve[greenof(c)]} << 8 | wincolour{curve[blueof(c)]} << 16;
}

std::optional<int16_t> thresholdcode(wincolour sample, const Model& m, const std::vector<Tone>& rgbshades) {
    const int r = redof(sample), g = greenof(sample), b = blueof(sample);
    if (m.conversion == Conversion::nearest) {
        const int code = nearestcode(toneof(sample, true), rgbshades);
        return code == background ? std::nullopt : std::optional<int16_t>(int16_t(code));
    }
    if (m.conversion == Conversion::threecolours) {
        if (r > 200 && g > 200 && b > 200) return std::nullopt;
        if (r > 150) return orange;  // red wins over green
        if (g > 150) return green;
        return ink;
    }
    if (r > 100 && g > 100 && b > 100) return std::nullopt;
    return ink;
}

// Where a sample's error goes: `along` samples further down its column,
// `across` columns to the right, this share of the kernel's whole.
struct Share {
    int along, across;
    float weight;
};
constexpr Share floydsteinberg[] = {{1, 0, 7.0f}, {-1, 1, 3.0f}, {0, 1, 5.0f}, {1, 1, 1.0f}};
// Atkinson passes on three quarters of the error, which keeps contrast.
constexpr Share atkinson[] = {{1, 0, 1.0f}, {2, 0, 1.0f}, {-1, 1, 1.0f}, {0, 1, 1.0f}, {1, 1, 1.0f}, {0, 2, 1.0f}};

struct Shades {
    bool rgb;
    std::vector<Tone> tones;
    // A tone beyond what the shades span would pile up error without end and
    // then blank (or fill) whatever follows it: the luminance is held between
    // the ink's and the back colour's. Four colours span no such range, so
    // there each component with its error is held to 0..255, and so it is
    // with more.
    float darkest, lightest;

    Shades(const Model& m, int bgkind)
        : rgb(m.conversion != Conversion::twocolours), tones(shadesof(m, bgkind, rgb)),
          darkest(std::min(tones[0][0], tones[1][0])), lightest(std::max(tones[0][0], tones[1][0])) {}

    Tone of(wincolour sample) const {
        Tone v = toneof(sample, rgb);
        if (!rgb) v[0] = std::clamp(v[0], darkest, lightest);
        return v;
    }
};

SampleCodes diffused(const Samples& samples, const Shades& shades, const ToneCurve& curve, std::span<const Share> kernel,
                     float whole) {
    // Error waiting in the column being visited and the two after it, with
    // spare places at each end for what falls off the picture.
    const int columns = samples.columns(), rows = samples.rows();
    std::array<std::vector<Tone>, 3> waiting;
    for (auto& column : waiting) column.assign(static_cast<size_t>(rows) + 3, Tone{});
    SampleCodes out(columns, std::vector<std::optional<int16_t>>(rows));
    // The columns are the lines: every column is visited top to bottom, as
    // the plain import visits it, never alternating direction. Column and
    // row 0 of the samples lie on the border and are not visited.
    for (int x = 1; x < columns; ++x) {
        std::vector<Tone>& here = waiting[0];
        for (int y = 1; y < rows; ++y) {
            if (samples.colour[x][y] == casioback) continue;  // transparent there: no error taken or passed on
            Tone v = shades.of(toned(samples.colour[x][y], curve));
            for (int i = 0; i < 3; ++i) {
                v[i] += here[y + 1][i];
                if (shades.rgb) v[i] = std::clamp(v[i], 0.0f, 255.0f);
            }
            // On luminance alone the nearer shade is the one on the sample's side
            // of their midpoint. Ties go to the lower code: the midpoint itself
            // is back colour, and black is ink rather than the green as near.
            const int best = nearestcode(v, shades.tones);
            for (int i = 0; i < 3; ++i) {
                const float error = (v[i] - shades.tones[best][i]) / whole;
                for (const Share& s : kernel) waiting[s.across][y + 1 + s.along][i] += s.weight * error;
            }
            if (best != background) out[x][y] = static_cast<int16_t>(best);
        }
        std::rotate(waiting.begin(), waiting.begin() + 1, waiting.end());
        waiting[2].assign(static_cast<size_t>(rows) + 3, Tone{});
    }
    return out;
}

// The standard 8 x 8 Bayer matrix, 0..63: the low bits of x and y make the
// high bits of the rank, so neighbouring ranks lie far apart.
constexpr int bayerranks = 8 * 8;
int bayer(int x, int y) {
    int rank = 0;
    for (int bit = 0; bit < 3; ++bit) {
        const int xb = (x >> bit) & 1, yb = (y >> bit) & 1;
        rank = rank << 2 | (xb ^ yb) << 1 | yb;
    }
    return rank;
}

SampleCodes ordered(const Samples& samples, const Shades& shades, const ToneCurve& curve) {
    // Each component moved by up to half the span of the shades' values, so a
    // tone between two shades takes the darker in proportion to its nearness.
    Tone span{};
    for (int i = 0; i < 3; ++i) {
        const auto [low, high] = std::ranges::minmax(shades.tones, {}, [i](const Tone& t) { return t[i]; });
        span[i] = high[i] - low[i];
    }
    const int columns = samples.columns(), rows = samples.rows();
    SampleCodes out(columns, std::vector<std::optional<int16_t>>(rows));
    for (int x = 1; x < columns; ++x)
        for (int y = 1; y < rows; ++y) {
            if (samples.colour[x][y] == casioback) continue;
            Tone v = shades.of(toned(samples.colour[x][y], curve));
            const float offset = (static_cast<float>(bayer(x, y)) + 0.5f) / float(bayerranks) - 0.5f;
            for (int i = 0; i < 3; ++i) v[i] += offset * span[i];
            const int best = nearestcode(v, shades.tones);
            if (best != background) out[x][y] = static_cast<int16_t>(best);
        }
    return out;
}

}  // namespace

ToneCurve tonecurve(const ImportChoices& c, const Model& m) {
    const int lift = m.conversion == Conversion::twocolours ? ImportChoices::defaultthreshold - c.threshold : c.brightness;
    const double steepness = c.contrast >= 0 ? 1.0 + 3.0 * c.contrast / 100.0 : 1.0 + c.contrast / 100.0;
    constexpr double middle = 255 / 2.0;
    ToneCurve curve{};
    for (int v = 0; v < 256; ++v) {
        const double u = c.invert ? 255 - v : v;
        curve[v] = static_cast<uint8_t>(std::clamp(std::lround((u - middle) * steepness + middle + lift), 0L, 255L));
    }
    return curve;
}

std::optional<int16_t> samplecode(wincolour sample, const Model& m, int bgkind) {
    if (sample == casioback) return std::nullopt;  // the canvas's own back colour
    return thresholdcode(sample, m, m.conversion == Conversion::nearest ? shadesof(m, bgkind, true) : std::vector<Tone>{});
}

SampleCodes convertsamples(const Samples& samples, const Model& m, int bgkind, const ImportChoices& choices) {
    const ToneCurve curve = tonecurve(choices, m);
    const Shades shades(m, bgkind);
    switch (choices.method) {
        case Method::floydsteinberg: return diffused(samples, shades, curve, floydsteinberg, 16.0f);
        case Method::atkinson: return diffused(samples, shades, curve, atkinson, 8.0f);
        case Method::ordered: return ordered(samples, shades, curve);
        case Method::threshold: break;
    }
    const std::vector<Tone> rgbshades = shadesof(m, bgkind, true);
    SampleCodes out(samples.columns(), std::vector<std::optional<int16_t>>(samples.rows()));
    for (int x = 1; x < samples.columns(); ++x)
        for (int y = 1; y < samples.rows(); ++y)
            if (samples.colour[x][y] != casioback)  // the canvas's own back colour
                out[x][y] = thresholdcode(toned(samples.colour[x][y], curve), m, rgbshades);
    return out;
}

SampleCodes dithercodes(const Samples& samples, const Model& m, int bgkind) {
    return convertsamples(samples, m, bgkind, ImportChoices{.method = Method::floydsteinberg});
}

void importcells(const Samples& samples, const Model& m, int bgkind, const ImportChoices& choices, Grid& grid) {
    const SampleCodes codes = convertsamples(samples, m, bgkind, choices);
    for (int x = 1; x < samples.columns(); ++x)
        for (int y = 1; y < samples.rows(); ++y)
            if (codes[x][y]) grid.set(x, y, *codes[x][y]);
}

void importcells(const Samples& samples, const Model& m, int bgkind, bool dither, Grid& grid) {
    importcells(samples, m, bgkind, ImportChoices{.method = dither ? Method::floydsteinberg : Method::threshold}, grid);
}

}  // namespace grafipix
