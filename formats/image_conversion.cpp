// A picture's samples to colour codes: one sample at a time, or the whole
// picture with its error diffused, and those codes into a grid.

#include "formats/image_conversion.h"

#include <algorithm>
#include <limits>
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

}  // namespace

std::optional<int16_t> samplecode(wincolour sample, const Model& m, int bgkind) {
    if (sample == casioback) return std::nullopt;  // the canvas's own back colour
    const int r = redof(sample), g = greenof(sample), b = blueof(sample);
    if (m.conversion == Conversion::nearest) {
        const int code = nearestcode(toneof(sample, true), shadesof(m, bgkind, true));
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

SampleCodes dithercodes(const Samples& samples, const Model& m, int bgkind) {
    const bool threecolours = m.conversion != Conversion::twocolours;
    const std::vector<Tone> shades = shadesof(m, bgkind, threecolours);
    // A tone beyond what the shades span would pile up error without end and
    // then blank (or fill) whatever follows it: the luminance is held between
    // the ink's and the back colour's. Four colours span no such range, so
    // there each component with its error is held to 0..255, and so it is
    // with more.
    const float darkest = std::min(shades[0][0], shades[1][0]), lightest = std::max(shades[0][0], shades[1][0]);

    // Error waiting in the column being visited and in the next one, with a
    // spare place at each end for what falls off the picture.
    const int columns = samples.columns(), rows = samples.rows();
    std::vector<Tone> here(rows + 1), next(rows + 1);
    SampleCodes out(columns, std::vector<std::optional<int16_t>>(rows));
    // Floyd-Steinberg with the columns as lines: every column is visited top
    // to bottom, as the plain import visits it, never alternating direction.
    // Column and row 0 of the samples lie on the border and are not visited.
    for (int x = 1; x < columns; ++x) {
        for (int y = 1; y < rows; ++y) {
            if (samples.colour[x][y] == casioback) continue;  // transparent there: no error taken or passed on
            Tone v = toneof(samples.colour[x][y], threecolours);
            if (!threecolours) v[0] = std::clamp(v[0], darkest, lightest);
            for (int i = 0; i < 3; ++i) {
                v[i] += here[y][i];
                if (threecolours) v[i] = std::clamp(v[i], 0.0f, 255.0f);
            }
            // On luminance alone the nearer shade is the one on the sample's side
            // of their midpoint. Ties go to the lower code: the midpoint itself
            // is back colour, and black is ink rather than the green as near.
            const int best = nearestcode(v, shades);
            for (int i = 0; i < 3; ++i) {
                const float error = (v[i] - shades[best][i]) / 16.0f;
                here[y + 1][i] += 7.0f * error;
                next[y - 1][i] += 3.0f * error;
                next[y][i] += 5.0f * error;
                next[y + 1][i] += error;
            }
            if (best != background) out[x][y] = static_cast<int16_t>(best);
        }
        here = std::exchange(next, std::vector<Tone>(rows + 1));
    }
    return out;
}

void importcells(const Samples& samples, const Model& m, int bgkind, bool dither, Grid& grid) {
    const SampleCodes dithered = dither ? dithercodes(samples, m, bgkind) : SampleCodes{};
    for (int x = 1; x < samples.columns(); ++x)
        for (int y = 1; y < samples.rows(); ++y) {
            const std::optional<int16_t> code = dither ? dithered[x][y] : samplecode(samples.colour[x][y], m, bgkind);
            if (code) grid.set(x, y, *code);
        }
}

}  // namespace grafipix
