// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An editor started as the program starts it, on the scripted platform,
// driven through its event funnel and read through its read accessors. paint()
// is the one place a test writes the document itself.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
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
    bool key(std::string_view name) { return ed.handle(Event::key(name)); }
    void down(float x, float y, int button = 1) { ed.handle(Event::down(x, y, button)); }
    void move(float x, float y) { ed.handle(Event::move(x, y)); }
    // Events in a line: "Command11 d10,10 m20,15 tick" clicks Command11, then a
    // mouse down at (10, 10), a move to (20, 15) and a tick of the Code window's timer.
    void play(std::string_view script) {
        std::istringstream words{std::string(script)};
        float x, y;
        for (std::string w; words >> w;)
            if ((w[0] == 'd' || w[0] == 'm') && std::sscanf(w.c_str() + 1, "%f,%f", &x, &y) == 2)
                w[0] == 'm' ? move(x, y) : down(x, y);
            else if (w == "tick")
                ed.handle(Event::tick(Timer::Code1));
            else
                EXPECT_TRUE(click(w)) << w << " cannot be chosen";
    }
    // A picture to start from, as an opened drawing leaves it: the cells x0..x1
    // by y0..y1 (borders too) set to `code` or to code(x, y), the canvas
    // showing them, and nothing before it to undo.
    void paint(int x0, int y0, int x1, int y1, const std::function<int(int, int)>& code) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) ed.doc.set(x, y, int16_t(code(x, y)));
        ed.redrawcanvas();
        forgetsteps();
    }
    void paint(int x0, int y0, int x1, int y1, int code) { paint(x0, y0, x1, y1, [code](int, int) { return code; }); }
    // Undo goes back no further than the picture as it is now; a key no
    // command takes then brings "Annuler" and "Rétablir" up to date.
    void forgetsteps() { ed.newhistory(), key(""); }

    const Grid& picture() const { return ed.picture(); }
    const Grid& buffer() const { return ed.buffer(); }
    const Canvas& canvas() const { return ed.canvas(); }
    ToolCode tool() const { return ed.tool(); }
    int16_t colour() const { return ed.drawingcolour(); }
    const MenuEntry& menu(std::string_view name) const { return *ed.menu(name); }
    const Button& button(std::string_view name) const { return *ed.button(name); }
    const std::string& caption(std::string_view label) const { return ed.label(label)->caption; }
    const CodeForm& codeform() const { return *ed.codewindow(); }
    // What the canvas shows for `code` under the current model and background.
    wincolour shown(int code) const { return ed.colourof(code); }
    const Palette& palette() const { return ed.drawingpalette(); }

    // The codes of a w x h block at (x, y), rows joined by '/'.
    std::string rows(int x, int y, int w, int h) const {
        std::string out;
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) out += (i || !j ? "" : "/") + std::to_string(picture().get(x + i, y + j));
        return out;
    }
    // Whether all 3 x 3 screen pixels of cell (x, y) show colour c.
    bool cellis(int x, int y, wincolour c) const {
        for (int p = 0; p < 9; ++p)
            if (canvas().pixel(3 * x - 3 + p % 3, 3 * y - 3 + p / 3) != c) return false;
        return true;
    }
    // Number of canvas pixels not of colour c.
    int pixelsnot(wincolour c) const {
        return int(std::ranges::count_if(canvas().image().pixels, [c](uint32_t p) { return fromargb(p) != c; }));
    }
    // A mark only a redraw wipes: the frame the selection tool shows around
    // (100, 50) while its second point is awaited.
    void mark() { play("Command11 d100,50 m110,55"); }
    bool redrawn() const { return canvas().pixel(312, 147) != blackink; }

    FakePlatform platform;
    Editor ed;
};

}  // namespace grafipix::testing
