// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures the benchmarks share, drawn here on the 127 x 63 screen: line
// art with outlines, text, filled shapes, checkerboards and noise, in the
// Graph 65/80's three colours.

#include <cmath>
#include <random>
#include <string>

#include "document/grid.h"

namespace grafipix::benchpictures {

// Drawing into a grid; cells off the screen are kept off it.
struct Painter {
    Grid g{127, 63};
    void dot(int x, int y, int c) {
        if (x >= 1 && x <= 127 && y >= 1 && y <= 63) g.set(x, y, static_cast<int16_t>(c));
    }
    void line(int x0, int y0, int x1, int y1, int c = ink) {
        const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0), sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        for (int err = dx + dy;;) {
            dot(x0, y0, c);
            if (x0 == x1 && y0 == y1) return;
            const int e2 = 2 * err;
            if (e2 >= dy) err += dy, x0 += sx;
            if (e2 <= dx) err += dx, y0 += sy;
        }
    }
    void box(int x0, int y0, int x1, int y1, int c = ink) {
        line(x0, y0, x1, y0, c), line(x1, y0, x1, y1, c), line(x1, y1, x0, y1, c), line(x0, y1, x0, y0, c);
    }
    void fill(int x0, int y0, int x1, int y1, int c) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) dot(x, y, c);
    }
    void circle(int cx, int cy, int r, int c = ink, bool filled = false) {
        for (int y = -r; y <= r; ++y)
            for (int x = -r; x <= r; ++x) {
                const double d = std::hypot(x, y);
                if (filled ? d <= r + 0.3 : std::abs(d - r) < 0.5) dot(cx + x, cy + y, c);
            }
    }
    // A 3 x 5 font for the few letters the pictures use.
    void text(int x, int y, const std::string& s, int c = ink) {
        static const char* const glyphs[][2] = {
            {"A", "010101111101101"}, {"E", "111100110100111"}, {"G", "011100101101011"}, {"H", "101101111101101"},
            {"I", "111010010010111"}, {"L", "100100100100111"}, {"P", "110101110100100"}, {"R", "110101110101101"},
            {"T", "111010010010010"}, {"X", "101101010101101"}, {"3", "111001011001111"}, {"5", "111100111001111"},
            {"O", "111101101101111"}, {"N", "101111111111101"}, {"S", "011100010001110"}, {"C", "011100100100011"}};
        for (char ch : s) {
            for (const auto& glyph : glyphs)
                if (glyph[0][0] == ch)
                    for (int i = 0; i < 15; ++i)
                        if (glyph[1][i] == '1') dot(x + i % 3, y + i / 3, c);
            x += 4;
        }
    }
};

inline Grid house() {
    Painter p;
    p.box(30, 28, 80, 58);
    p.line(30, 28, 55, 8), p.line(55, 8, 80, 28);
    p.box(50, 42, 60, 58);
    p.box(36, 34, 46, 42), p.line(41, 34, 41, 42), p.line(36, 38, 46, 38);
    p.box(64, 34, 74, 42), p.line(69, 34, 69, 42), p.line(64, 38, 74, 38);
    p.line(1, 59, 127, 59, green);
    p.circle(108, 14, 8, orange);
    return p.g;
}

inline Grid boxes() {
    Painter p;
    std::mt19937 rng(7);
    for (int i = 0; i < 14; ++i) {
        const int x0 = 1 + int(rng() % 100), y0 = 1 + int(rng() % 45);
        p.box(x0, y0, x0 + 6 + int(rng() % 25), y0 + 5 + int(rng() % 18), 1 + int(rng() % 3));
    }
    return p.g;
}

inline Grid circles() {
    Painter p;
    for (int r = 4; r <= 28; r += 6) p.circle(40, 32, r);
    p.circle(100, 20, 12, green), p.circle(100, 46, 10, orange);
    return p.g;
}

inline Grid dialog() {
    Painter p;
    p.box(4, 3, 123, 60);
    p.line(4, 11, 123, 11);
    p.text(8, 5, "GRAPH 35");
    for (int i = 0; i < 4; ++i) p.box(10, 15 + 9 * i, 60, 21 + 9 * i), p.box(56, 16 + 9 * i, 59, 20 + 9 * i);
    p.box(70, 15, 118, 48);
    for (int y = 19; y <= 45; y += 4) p.line(73, y, 114, y);
    p.box(70, 52, 92, 58), p.box(96, 52, 118, 58);
    return p.g;
}

inline Grid plot() {
    Painter p;
    p.line(1, 32, 127, 32), p.line(64, 1, 64, 63);
    for (int x = 4; x <= 124; x += 6) p.line(x, 30, x, 34);
    for (int y = 2; y <= 62; y += 6) p.line(62, y, 66, y);
    for (int x = 1; x < 127; ++x) p.line(x, 32 - int(24 * std::sin(x / 12.0)), x + 1, 32 - int(24 * std::sin((x + 1) / 12.0)), green);
    return p.g;
}

inline Grid lettering() {
    Painter p;
    const char* const lines[] = {"PIXEL ART", "GRAPH 35 ET 53", "COTES ET TRAITS", "CARTES IA", "PLAN ET NOTES",
                                 "SORTIE GRAPHE", "TEXTE SIX", "ALPHA ET NOIR", "SIN"};
    for (int i = 0; i < 9; ++i) p.text(3, 2 + 7 * i, lines[i], i % 3 == 2 ? green : ink);
    return p.g;
}

inline Grid shapes() {
    Painter p;
    p.fill(5, 5, 40, 30, ink);
    p.circle(80, 25, 18, green, true);
    p.fill(20, 38, 70, 60, orange);
    p.circle(108, 48, 12, ink, true);
    return p.g;
}

inline Grid checkerboard() {
    Painter p;
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x)
            if ((x + y) % 2) p.dot(x, y, ink);
    return p.g;
}

inline Grid threecolours() {  // mode 1's worst: every cell a single PxlOn
    Painter p;
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x) p.dot(x, y, 1 + (x + y) % 3);
    return p.g;
}

inline Grid noise(double density) {
    Painter p;
    std::mt19937 rng(1234);
    std::bernoulli_distribution on(density);
    for (int y = 1; y <= 63; ++y)
        for (int x = 1; x <= 127; ++x)
            if (on(rng)) p.dot(x, y, ink);
    return p.g;
}

}  // namespace grafipix::benchpictures
