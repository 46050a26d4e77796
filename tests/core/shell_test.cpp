// Start-up, the splash, "Nouveau", "Quitter", the about window and the
// design-time state of Main's controls.

#include <gtest/gtest.h>

#include <set>

#include "core/main_controls.h"
#include "core/texts.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::EditorTest;
using testing::FakePlatform;

TEST(Startup, LoadShowsSplashHidesMainAndSetsTheStartValuesInOrder) {
    FakePlatform platform;
    Editor ed(platform);
    EXPECT_EQ(ed.curcolor, 0) << "variables are empty until the load";
    ed.Main_Load();
    EXPECT_EQ(platform.log, (std::vector<std::string>{"show Preview", "hide Main", "timer Main1 on 1000"}));
    EXPECT_EQ(ed.curtool, Tool::point10);
    EXPECT_EQ(ed.inkcolor, 1);
    EXPECT_EQ(ed.bgkind, 2);
    EXPECT_EQ(ed.curcolor, 1);
    EXPECT_EQ(ed.opaquedup, 1);
    EXPECT_EQ(ed.codemode, 0.0f);
    EXPECT_EQ(ed.anchorx, 0.0f);
    EXPECT_EQ(ed.selw, 0.0f);
    EXPECT_EQ(ed.selnotempty, 0);
    EXPECT_EQ(ed.pixelgrid, Grid{});
    EXPECT_EQ(ed.selgrid, Grid{});
    EXPECT_FALSE(ed.Code.has_value());
    // The canvas starts in the screen green with the blue pen.
    EXPECT_EQ(ed.Picture1.backcolor(), casioback);
    EXPECT_EQ(ed.Picture1.forecolor(), blueink);
    EXPECT_EQ(ed.Picture1.pixel(0, 0), casioback);
}

TEST_F(EditorTest, SplashTickShowsMainAndStopsTheTimer) {
    platform.log.clear();
    ed.Timer1_Timer();
    EXPECT_EQ(platform.log, (std::vector<std::string>{"hide Preview", "show Main", "timer Main1 off 1000"}));
    EXPECT_FALSE(platform.timeron(Timer::Main1));
    EXPECT_TRUE(platform.shown(Window::Main));
}

TEST_F(EditorTest, DesignStateMatchesTheStartValues) {
    EXPECT_EQ(ed.modelbl.caption, "Point");
    EXPECT_EQ(ed.typcalc.caption, "Graph 65");
    EXPECT_EQ(ed.Label1.caption, "Infos : ");
    EXPECT_EQ(ed.Label2.caption, "X : ");
    EXPECT_EQ(ed.Label3.caption, "Y :");
    EXPECT_EQ(ed.coordx.caption, "");
    EXPECT_EQ(ed.Label5.caption, texts::credit);
    EXPECT_EQ(ed.Label5.caption.rfind("Grafipix par ", 0), 0u);
    EXPECT_EQ(ed.Label6.caption, texts::website);
    EXPECT_TRUE(ed.presstruegreen.visible);
    EXPECT_FALSE(ed.presswhite.visible);
    EXPECT_FALSE(ed.pressblack.visible);
    EXPECT_TRUE(ed.pressblue.visible && ed.pressorange.visible && ed.pressgreen.visible);
    EXPECT_EQ(ed.pressblue.backcolor, highlight);
    for (const Button* b : {&ed.presstruegreen, &ed.presswhite, &ed.pressblack, &ed.pressorange, &ed.pressgreen})
        EXPECT_EQ(b->backcolor, buttonface);

    // Exactly one model and one background checked, and "Duplication Opaque".
    std::set<std::string> checked, disabled;
    for (const MenuSpec& m : menutree()) {
        if ((ed.*m.entry).checked) checked.insert(m.name);
        if (!(ed.*m.entry).enabled) disabled.insert(m.name);
    }
    EXPECT_EQ(checked, (std::set<std::string>{"g65", "bgcasio", "opyes"}));
    EXPECT_EQ(disabled, (std::set<std::string>{"selection", "repbluesel", "repblue"}));
    EXPECT_EQ(ed.rotate180.caption, "Rotation 180°");
    EXPECT_EQ(ed.about.caption, "A propos de Pixatelier");
    EXPECT_EQ(ed.repbg.caption, "le fond par le bleu");
}

TEST(MenuTree, EveryEntryHangsUnderAnEntryThatOpensASubmenu) {
    auto tree = menutree();
    std::set<std::string> names;
    for (size_t i = 0; i < tree.size(); ++i) {
        EXPECT_TRUE(names.insert(tree[i].name).second) << "twice: " << tree[i].name;
        if (i == 0) continue;
        EXPECT_LE(tree[i].depth, tree[i - 1].depth + 1) << tree[i].name << " skips a level";
        bool opens = i + 1 < tree.size() && tree[i + 1].depth > tree[i].depth;
        if (opens) {
            EXPECT_EQ(tree[i].click, nullptr) << tree[i].name << " opens a submenu and has a handler";
        }
    }
    EXPECT_EQ(names.size(), 38u);
}

TEST_F(EditorTest, NouveauEmptiesThePictureOnlyAndDisablesSelection) {
    ed.pixelgrid.set(10, 10, 1);
    ed.pixelgrid.set(128, 64, 3);
    ed.selgrid.set(1, 1, 2);
    ed.selection.enabled = true;
    ed.curtool = Tool::line31;
    ed.curcolor = 3;
    ed.selx = 5;
    ed.modelbl.caption = "Ligne, cliquez pour tracer la ligne";
    ed.Picture1.setpicture(ed.Picture1.image());
    ed.Picture1.setforecolor(orangeink);
    ed.Picture1.line(10, 10, 20, 10);

    ed.new_Click();

    EXPECT_EQ(ed.pixelgrid, Grid{});
    EXPECT_EQ(ed.selgrid.get(1, 1), 2);
    EXPECT_FALSE(ed.selection.enabled);
    EXPECT_EQ(ed.curtool, Tool::line31);
    EXPECT_EQ(ed.curcolor, 3);
    EXPECT_EQ(ed.selx, 5);
    EXPECT_EQ(ed.modelbl.caption, "Ligne, cliquez pour tracer la ligne");
    EXPECT_TRUE(ed.g65.checked && ed.bgcasio.checked && ed.opyes.checked);
    EXPECT_EQ(ed.pressblue.backcolor, highlight);
    // The background picture is gone and the marks with it.
    EXPECT_TRUE(ed.Picture1.picture().empty());
    EXPECT_EQ(pixelsnot(casioback), 0);
}

TEST_F(EditorTest, QuitAndClosingEndTheProcessAndAboutShowsOneWindow) {
    ed.about_Click();
    ed.about_Click();
    EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "show Apropos"), 2);
    ed.exit_Click();
    EXPECT_TRUE(platform.ended);
    platform.ended = false;
    ed.Main_Unload();
    EXPECT_TRUE(platform.ended);
}

}  // namespace
}  // namespace grafipix
