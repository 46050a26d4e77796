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

float distance(const Tone& a, const Tone& b) {
    float d = 0.0f;
    for (int i = 0; i < 3; ++i) d += (a[i] - b[i]) * (a[i] - b[i]);
    return d;
}

// The code whose shade is nearest; ties go to the lower code.
int nearestcode(const Tone& v, std::span<const Tone> shades, std::span<const uint8_t> among = {}) {
    int best = 0;
    float nearest = std::numeric_limits<float>::max();
    if (among.empty()) {
        for (int code = 0; code < int(shades.size()); ++code)
            if (const float d = distance(v, shades[code]); d < nearest) best = code, nearest = d;
        return best;
    }
    for (const uint8_t code : among)
        if (const float d = distance(v, shades[code]); d < nearest) best = code, nearest = d;
    return best;
}

// The nearest shade of many: the colour cube cut into cubes of 32 levels a
// side, each listing, once a tone falls in it, the shades that can be nearest
// to some point of it: a shade whose nearest point of the cube lies farther
// than the whole cube lies from some other shade never is. The search reads
// that list in code order and finds what a search of every shade finds.
class Nearest {
public:
    explicit Nearest(std::vector<Tone> tones) : tones_(std::move(tones)) {
        if (tones_.size() > linear) cells_.resize(side * side * side);
    }
    const std::vector<Tone>& tones() const { return tones_; }

    int operator()(const Tone& v) {
        if (cells_.empty()) return nearestcode(v, tones_);
        int cell = 0;
        for (int i = 0; i < 3; ++i) {
            if (!(v[i] >= 0.0f && v[i] < 256.0f)) return nearestcode(v, tones_);
            cell = cell * side + static_cast<int>(v[i]) / width;
        }
        std::vector<uint8_t>& among = cells_[size_t(cell)];
        if (among.empty()) among = candidates(cell);
        return nearestcode(v, tones_, among);
    }

private:
    static constexpr size_t linear = 16;
    static constexpr int side = 8, width = 256 / side;

    std::vector<uint8_t> candidates(int cell) const {
        Tone low{}, high{};
        for (int i = 2; i >= 0; --i, cell /= side) low[i] = float(cell % side * width), high[i] = low[i] + float(width);
        std::vector<float> nearest(tones_.size());
        float bound = std::numeric_limits<float>::max();
        for (size_t code = 0; code < tones_.size(); ++code) {
            float near = 0.0f, far = 0.0f;
            for (int i = 0; i < 3; ++i) {
                const float t = tones_[code][i], out = std::max({low[i] - t, 0.0f, t - high[i]});
                const float across = std::max(t - low[i], high[i] - t);
                near += out * out, far += across * across;
            }
            nearest[code] = near, bound = std::min(bound, far);
        }
        std::vector<uint8_t> out;
        // A margin for the rounding of single precision.
        for (size_t code = 0; code < tones_.size(); ++code)
            if (nearest[code] <= bound * 1.001f + 1.0f) out.push_back(uint8_t(code));
        return out;
    }

    std::vector<Tone> tones_;
    std::vector<std::vector<uint8_t>> cells_;
};

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
    Nearest nearest;
    // A tone beyond what the shades span would pile up error without end and
    // then blank (or fill) whatever follows it: the luminance is held between
    // the ink's and the back colour's. Four colours span no such range, so
    // there each component with its error is held to 0..255, and so it is
    // with more.
    float darkest = 0.0f, lightest = 255.0f;
    // How far the ordered dither moves each component: the span of the
    // model's shades; for a palette of the picture's, the usual distance
    // between neighbouring colours, so many colours dither finely.
    Tone spread{};
    // Where a component with its error is held: 0..255 for the model's
    // colours, which span it; a palette of the picture's spans less, and
    // error beyond its colours would pile up as it does beyond two.
    Tone low{0.0f, 0.0f, 0.0f}, high{255.0f, 255.0f, 255.0f};

    Shades(const Model& m, int bgkind) : rgb(m.conversion != Conversion::twocolours), nearest(shadesof(m, bgkind, rgb)) {
        const std::vector<Tone>& tones = nearest.tones();
        darkest = std::min(tones[0][0], tones[1][0]), lightest = std::max(tones[0][0], tones[1][0]);
        for (int i = 0; i < 3; ++i) {
            const auto [least, most] = std::ranges::minmax(tones, {}, [i](const Tone& t) { return t[i]; });
            spread[i] = most[i] - least[i];
        }
    }
    explicit Shades(std::span<const wincolour> palette) : rgb(true), nearest(tonesof(palette)) {
        const std::vector<Tone>& tones = nearest.tones();
        for (int i = 0; i < 3; ++i) {
            const auto [least, most] = std::ranges::minmax(tones, {}, [i](const Tone& t) { return t[i]; });
            low[i] = least[i], high[i] = most[i];
        }
        std::vector<float> gaps;
        for (size_t a = 0; a < tones.size(); ++a) {
            float gap = std::numeric_limits<float>::max();
            for (size_t b = 0; b < tones.size(); ++b)
                if (b != a) gap = std::min(gap, distance(tones[a], tones[b]));
            if (tones.size() > 1) gaps.push_back(std::sqrt(gap));
        }
        if (gaps.empty()) return;
        std::ranges::nth_element(gaps, gaps.begin() + gaps.size() / 2);
        spread.fill(gaps[gaps.size() / 2]);
    }

    Tone of(wincolour sample) const {
        Tone v = toneof(sample, rgb);
        if (!rgb) v[0] = std::clamp(v[0], darkest, lightest);
        return v;
    }

private:
    static std::vector<Tone> tonesof(std::span<const wincolour> palette) {
        std::vector<Tone> out;
        for (const wincolour c : palette) out.push_back(toneof(c, true));
        return out.empty() ? std::vector<Tone>{toneof(whiteback, true)} : out;
    }
};

SampleCodes diffused(const Samples& samples, Shades& shades, const ToneCurve& curve, std::span<const Share> kernel,
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
                if (shades.rgb) v[i] = std::clamp(v[i], shades.low[i], shades.high[i]);
            }
            // On luminance alone the nearer shade is the one on the sample's side
            // of their midpoint. Ties go to the lower code: the midpoint itself
            // is back colour, and black is ink rather than the green as near.
            const int best = shades.nearest(v);
            for (int i = 0; i < 3; ++i) {
                const float error = (v[i] - shades.nearest.tones()[best][i]) / whole;
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

SampleCodes ordered(const Samples& samples, Shades& shades, const ToneCurve& curve) {
    // Each component moved by up to half the shades' spread, so a tone
    // between two shades takes the darker in proportion to its nearness.
    const int columns = samples.columns(), rows = samples.rows();
    SampleCodes out(columns, std::vector<std::optional<int16_t>>(rows));
    for (int x = 1; x < columns; ++x)
        for (int y = 1; y < rows; ++y) {
            if (samples.colour[x][y] == casioback) continue;
            Tone v = shades.of(toned(samples.colour[x][y], curve));
            const float offset = (static_cast<float>(bayer(x, y)) + 0.5f) / float(bayerranks) - 0.5f;
            for (int i = 0; i < 3; ++i) v[i] += offset * shades.spread[i];
            const int best = shades.nearest(v);
            if (best != background) out[x][y] = static_cast<int16_t>(best);
        }
    return out;
}

SampleCodes converted(const Samples& samples, Shades& shades, const ToneCurve& curve, Method method) {
    switch (method) {
        case Method::floydsteinberg: return diffused(samples, shades, curve, floydsteinberg, 16.0f);
        case Method::atkinson: return diffused(samples, shades, curve, atkinson, 8.0f);
        case Method::ordered: return ordered(samples, shades, curve);
        case Method::threshold: break;
    }
    return {};
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
    if (choices.method != Method::threshold) {
        Shades shades(m, bgkind);
        return converted(samples, shades, curve, choices.method);
    }
    const std::vector<Tone> rgbshades = shadesof(m, bgkind, true);
    SampleCodes out(samples.columns(), std::vector<std::optional<int16_t>>(samples.rows()));
    for (int x = 1; x < samples.columns(); ++x)
        for (int y = 1; y < samples.rows(); ++y)
            if (samples.colour[x][y] != casioback)  // the canvas's own back colour
                out[x][y] = thresholdcode(toned(samples.colour[x][y], curve), m, rgbshades);
    return out;
}

SampleCodes convertsamples(const Samples& samples, const Model& m, const ImportChoices& choices, std::span<const wincolour> palette) {
    const ToneCurve curve = tonecurve(choices, m);
    Shades shades(palette);
    if (choices.method != Method::threshold) return converted(samples, shades, curve, choices.method);
    SampleCodes out(samples.columns(), std::vector<std::optional<int16_t>>(samples.rows()));
    for (int x = 1; x < samples.columns(); ++x)
        for (int y = 1; y < samples.rows(); ++y)
            if (samples.colour[x][y] != casioback)
                if (const int code = shades.nearest(shades.of(toned(samples.colour[x][y], curve))); code != background)
                    out[x][y] = int16_t(code);
    return out;
}

int nearestof(wincolour c, std::span<const wincolour> palette) {
    int best = 0;
    long nearest = -1;
    for (int code = 0; code < int(palette.size()); ++code) {
        const long dr = redof(palette[code]) - redof(c), dg = greenof(palette[code]) - greenof(c), db = blueof(palette[code]) - blueof(c);
        if (const long d = dr * dr + dg * dg + db * db; nearest < 0 || d < nearest) best = code, nearest = d;
    }
    return best;
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
