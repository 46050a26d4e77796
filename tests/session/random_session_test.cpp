// SPDX-License-Identifier: GPL-3.0-or-later
// Long random sessions through the event funnel, with every control of Main
// clicked at random (the funnel refuses what the user could not reach) and
// the rules that must hold after every event checked after every event, and
// undo and redo over every stretch of a hundred events. That the program of
// any picture redraws it is the round trip's to show.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <random>
#include <sstream>

#include "app/main_controls.h"
#include "formats/picture_io.h"
#include "calculator/model_table.h"
#include "tools/tool_table.h"
#include "tests/support/editor_fixture.h"
#include "tests/support/test_model.h"

namespace grafipix::testing {
namespace {

// The seed is in the test's name. `make soak` runs longer sessions on more
// seeds, set by GRAFIPIX_SESSION_SEEDS ("1,2,3") and GRAFIPIX_SESSION_EVENTS.
std::vector<unsigned> seeds() {
    const char* list = std::getenv("GRAFIPIX_SESSION_SEEDS");
    std::istringstream in(list ? list : "1,20261207");
    std::vector<unsigned> out;
    for (std::string seed; std::getline(in, seed, ',');) out.push_back(unsigned(std::stoul(seed)));
    return out;
}

class RandomSession : public EditorTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(RandomSession, EveryRuleHoldsAfterEveryEvent) {
    std::mt19937 random(GetParam());
    // The import reads random colours; the export fails, saying why. Picture
    // files themselves are the exchange tests' to show.
    platform.loadrandom(random);
    std::vector<std::string_view> controls;
    for (const ButtonRow& b : mainbuttons()) controls.push_back(b.name);
    for (const MenuRow& m : menutree())
        if (m.chooses() && m.click != &Editor::exit_Click && m.click != &Editor::about_Click) controls.push_back(m.name);
    // The panel's swatches, a few past the most any palette holds.
    std::vector<std::string> swatches;
    for (int code = 0; code < 260; code += 1 + code / 16) swatches.push_back(std::string(swatchprefix) + std::to_string(code));
    for (const std::string& s : swatches) controls.push_back(s);
    // Drawings saved and opened back through the real file format, kept by the platform.
    platform.onread = [this](const std::string& path, PictureFile& out, std::string& error) {
        return exchange::decodepicturefile(platform.files[path], out, error);
    };
    std::vector<std::string_view> keys = {"Esc", "Ctrl++", "Ctrl+-"};
    for (const ToolRow& t : toolrows()) keys.push_back(t.key);
    // Odd values (non-finite ones too: every walk must end, or CTest's timeout
    // fails the test), far outside (a drag with a button held), whole cells,
    // or anywhere on the canvas.
    const float inf = std::numeric_limits<float>::infinity();
    auto position = [&](float span) {
        const float odd[] = {-5, -0.5f, 0, 0.3f, 0.5f, 0.8f, 1, 1.5f, 63.5f, 64.5f, 100.5f, 127.5f, 128.5f, 129, 200.5f, 202, 1e9f, -1e9f, inf, -inf / inf};
        const float far = std::uniform_real_distribution<float>(1e3f, 3e4f)(random);
        switch (random() % 10) {
            case 0: return odd[random() % std::size(odd)];
            case 1: return random() % 2 ? far : -far;
            case 2: return float(1 + random() % unsigned(span - 1));
            default: return std::uniform_real_distribution<float>(0.5f, span + 1)(random);
        }
    };
    Grid start = picture();
    Palette startpalette = palette();
    const char* events = std::getenv("GRAFIPIX_SESSION_EVENTS");
    for (long n = 0, count = events ? std::atol(events) : 20000; n < count; ++n) {
        // A control a third of the time ("Nouveau" half as often, or little
        // would ever be drawn), mostly the canvas, now and then the Code window.
        const unsigned r = random() % 100;
        const std::string_view name = controls[random() % controls.size()];
        const char* answers[] = {"", "0", "3", "-5", "9", "35", "2.5", "abc"};
        platform.inputs = {answers[random() % std::size(answers)]};
        platform.opens = platform.saves = {random() % 4 ? "image.bmp" : "dessin.png"};
        // The colour dialog and the replacement form answer, or are cancelled.
        platform.colourpicks = {wincolour(random() & 0xFFFFFF)};
        platform.replacements = {{int(random() % 300) - 20, int(random() % 300) - 20}};
        if (random() % 4 == 0) platform.colourpicks.clear(), platform.replacements.clear();
        const Grid& g = picture();
        // Now and then many colours at once, so that palettes reach the most they hold.
        // Each is a step: undo would not reach back past them all.
        if (r == 0) {
            for (int k = 0; k < 64; ++k) platform.colourpicks = {wincolour(random() & 0xFFFFFF)}, click("addcolour");
            forgetsteps(), start = picture(), startpalette = palette();
        }
        const Event e = r < 33 ? Event::click(name == "new" && random() % 2 ? "Command1" : name)
                        : r < 54 ? Event::down(position(float(g.maxx())), position(float(g.maxy())), 1 << (random() % 3))
                        : r < 96 ? Event::move(position(float(g.maxx())), position(float(g.maxy())), random() % 2)
                        : r < 98 ? Event::key(keys[random() % keys.size()])
                        : r < 99 ? Event::tick(Timer::Code1) : Event::unload(Window::Code);
        ed.handle(e);
        const Model& model = ed.currentmodel();
        const std::string where = "event " + std::to_string(n) + " (" + std::string(e.control) + ") on " + model.name;
        for (int y = 1; y <= g.rows(); ++y)
            for (int x = 1; x <= g.columns(); ++x)
                ASSERT_TRUE(g.get(x, y) >= 0 && g.get(x, y) < ed.codes()) << where << ": cell " << x << "," << y;
        // A free palette: the back colour white, every colour as the screen shows it, no more than the model holds.
        const Palette& own = palette();
        ASSERT_TRUE(model.freepalette() ? !own.empty() && own.size() <= size_t(model.freecolours) && own[0] == whiteback &&
                                              std::ranges::all_of(own, [](uint32_t c) { return on565(c) == c; })
                                        : own.empty())
            << where << ": " << own.size() << " colours";
        const auto checkedmodels = std::ranges::count_if(models(), [&](const Model& m) { return menu(m.name).checked; });
        ASSERT_TRUE(checkedmodels == 1 && menu(model.name).checked && menu("bgwhite").checked != menu("bgcasio").checked) << where;
        ASSERT_TRUE(caption("typcalc") == model.typcalc && g.columns() == model.screen.columns && canvas().columns() == g.columns()) << where;
        // The colour buttons shown are the palette's, one lit: the current colour's.
        std::string lit;
        int others = 0;
        for (const ButtonRow& b : mainbuttons()) others += !b.icon && button(b.name).visible;
        // A free palette has the panel instead, its drawing colour one of its codes.
        for (const PaletteColour& c : model.palette)
            if (const Button& b = button(c.swatch(ed.backgroundkind()).name); b.visible)
                lit += b.backcolor == highlight ? std::to_string(&c - model.palette.data()) : "", --others;
        if (model.freepalette()) lit = colour() >= 0 && colour() < ed.codes() ? std::to_string(colour()) : "none";
        ASSERT_TRUE(lit == std::to_string(colour()) && others == 0) << where << ": lit " << lit << ", " << others << " others shown";
        if (n % 100 == 99) {  // every step undone gives back the start, redone again the end
            const Grid end = picture();
            const Palette endpalette = palette();
            int steps = 0;
            while (click("undo")) ++steps;
            ASSERT_TRUE(picture() == start && palette() == startpalette) << where;
            while (steps-- > 0) click("redo");
            ASSERT_TRUE(picture() == end && palette() == endpalette) << where;
            forgetsteps(), start = end, startpalette = endpalette;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSession, ::testing::ValuesIn(seeds()));

}  // namespace
}  // namespace grafipix::testing
