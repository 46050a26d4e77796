#pragma once
// An editor started as the program starts it, on the scripted platform, and
// ways to read what the canvas shows.

#include <gtest/gtest.h>

#include <set>

#include "core/editor.h"
#include "tests/support/fake_platform.h"

namespace grafipix::testing {

class EditorTest : public ::testing::Test {
protected:
    EditorTest() : ed(platform) { ed.Main_Load(); }

    // Mouse events on the canvas, in canvas units.
    void down(float x, float y, int button = 1) { ed.Picture1_MouseDown(button, 0, x, y); }
    void move(float x, float y, int button = 0) { ed.Picture1_MouseMove(button, 0, x, y); }

    // The colours of the 3 x 3 screen pixels of cell (x, y), or of the
    // visible ones when the cell is partly off the canvas.
    std::set<wincolour> cellcolours(int x, int y) const {
        std::set<wincolour> out;
        for (int py = 3 * (y - 1); py < 3 * y; ++py)
            for (int px = 3 * (x - 1); px < 3 * x; ++px)
                if (px >= 0 && px < Canvas::width && py >= 0 && py < Canvas::height)
                    out.insert(ed.Picture1.pixel(px, py));
        return out;
    }
    // Every pixel of the cell has colour c.
    bool cellis(int x, int y, wincolour c) const { return cellcolours(x, y) == std::set<wincolour>{c}; }

    // Number of canvas pixels not of colour c.
    int pixelsnot(wincolour c) const {
        int n = 0;
        for (int py = 0; py < Canvas::height; ++py)
            for (int px = 0; px < Canvas::width; ++px) n += ed.Picture1.pixel(px, py) != c;
        return n;
    }

    FakePlatform platform;
    Editor ed;
};

}  // namespace grafipix::testing
