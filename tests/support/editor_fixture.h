#pragma once
// An editor started as the program starts it, on the scripted platform, driven
// through its event funnel, and ways to read what the canvas shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>
#include <string_view>

#include "app/editor.h"
#include "tests/support/fake_platform.h"

namespace grafipix::testing {

using Cells = std::set<std::pair<int, int>>;

// Every cell of the whole array (borders included) whose code is not 0.
inline Cells setcells(const Grid& g) {
    Cells out;
    for (int y = 0; y <= g.maxy(); ++y)
        for (int x = 0; x <= g.maxx(); ++x)
            if (g.get(x, y) != 0) out.insert({x, y});
    return out;
}

class EditorTest : public ::testing::Test {
protected:
    EditorTest() : ed(platform) { ed.handle(Event::load()); }

    bool click(std::string_view control) { return ed.handle(Event::click(control)); }
    void down(float x, float y, int button = 1) { ed.handle(Event::down(x, y, button)); }
    void move(float x, float y) { ed.handle(Event::move(x, y)); }
    // Events in a line: "Command11 d10,10 m20,15 R20,15" clicks Command11, then
    // a mouse down at (10, 10), a move to (20, 15) and a right-button down there.
    void play(std::string_view script) {
        std::istringstream words{std::string(script)};
        float x, y;
        for (std::string w; words >> w;)
            if (std::string_view("dmR").find(w[0]) != std::string_view::npos && std::sscanf(w.c_str() + 1, "%f,%f", &x, &y) == 2)
                w[0] == 'm' ? move(x, y) : down(x, y, w[0] == 'R' ? 2 : 1);
            else
                EXPECT_TRUE(click(w)) << w << " cannot be chosen";
    }
    // The cells x0..x1 by y0..y1 set to `code`.
    void paint(int x0, int y0, int x1, int y1, int16_t code) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) ed.doc.set(x, y, code);
    }
    // The codes of a w x h block at (x, y), rows joined by '/'.
    std::string rows(int x, int y, int w, int h) const {
        std::string out;
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) out += (i || !j ? "" : "/") + std::to_string(ed.pixelgrid.get(x + i, y + j));
        return out;
    }

    // Whether all 3 x 3 screen pixels of cell (x, y), 1..127 by 1..63, show colour c.
    bool cellis(int x, int y, wincolour c) const {
        for (int p = 0; p < 9; ++p)
            if (ed.Picture1.pixel(3 * x - 3 + p % 3, 3 * y - 3 + p / 3) != c) return false;
        return true;
    }
    // Number of canvas pixels not of colour c.
    int pixelsnot(wincolour c) const {
        return int(std::ranges::count_if(ed.Picture1.image().pixels, [c](uint32_t p) { return fromargb(p) != c; }));
    }

    FakePlatform platform;
    Editor ed;
};

}  // namespace grafipix::testing
