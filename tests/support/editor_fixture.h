#pragma once
// An editor started as the program starts it, on the scripted platform, driven
// through its event funnel, and ways to read what the canvas shows.

#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "core/editor.h"
#include "tests/support/fake_platform.h"

namespace grafipix::testing {

class EditorTest : public ::testing::Test {
protected:
    EditorTest() : ed(platform) { ed.handle(Event::load()); }

    bool click(std::string_view control) { return ed.handle(Event::click(control)); }
    void down(float x, float y, int button = 1) { ed.handle(Event::down(x, y, button)); }
    void move(float x, float y) { ed.handle(Event::move(x, y)); }

    // The colours of the 3 x 3 screen pixels of cell (x, y) that the canvas shows.
    std::set<wincolour> cellcolours(int x, int y) const {
        std::set<wincolour> out;
        for (int py = 3 * (y - 1); py < 3 * y; ++py)
            for (int px = 3 * (x - 1); px < 3 * x; ++px)
                if (px >= 0 && px < Canvas::width && py >= 0 && py < Canvas::height) out.insert(ed.Picture1.pixel(px, py));
        return out;
    }
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
