// Start-up, the splash, "Nouveau", "Quitter", the about window and the
// design-time state of Main's controls.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/main_controls.h"
#include "core/texts.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::EditorTest;
using testing::FakePlatform;

TEST(Startup, LoadSplashAboutAndQuit) {
    FakePlatform platform;
    Editor ed(platform);
    EXPECT_EQ(ed.curcolor, 0) << "variables are empty until the load";
    ed.Main_Load();
    EXPECT_EQ(platform.log, (std::vector<std::string>{"show Preview", "hide Main", "timer Main1 on 1000"}));
    EXPECT_TRUE(ed.curtool == Tool::point10 && ed.inkcolor == 1 && ed.bgkind == 2 && ed.curcolor == 1 && ed.opaquedup == 1);
    EXPECT_TRUE(ed.codemode == 0 && ed.anchorx == 0 && ed.selw == 0 && ed.selnotempty == 0 && !ed.Code.has_value());
    EXPECT_TRUE(ed.pixelgrid == Grid{} && ed.selgrid == Grid{});
    EXPECT_TRUE(ed.Picture1.backcolor() == casioback && ed.Picture1.forecolor() == blueink && ed.Picture1.pixel(0, 0) == casioback);

    platform.log.clear();
    ed.Timer1_Timer();
    EXPECT_EQ(platform.log, (std::vector<std::string>{"hide Preview", "show Main", "timer Main1 off 1000"}));
    EXPECT_TRUE(!platform.timeron(Timer::Main1) && platform.shown(Window::Main));

    ed.about_Click();
    ed.about_Click();
    EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "show Apropos"), 2) << "one window shown again";
    ed.exit_Click();
    EXPECT_TRUE(platform.ended);
    platform.ended = false;
    ed.Main_Unload();
    EXPECT_TRUE(platform.ended) << "closing Main ends the process too";
}

TEST_F(EditorTest, DesignStateMatchesTheStartValues) {
    const std::pair<const Label*, std::string> labels[] = {
        {&ed.modelbl, "Point"}, {&ed.typcalc, "Graph 65"}, {&ed.Label1, "Infos : "}, {&ed.Label2, "X : "},
        {&ed.Label3, "Y :"}, {&ed.coordx, ""}, {&ed.Label5, texts::credit}, {&ed.Label6, texts::website}};
    for (auto& [label, caption] : labels) EXPECT_EQ(label->caption, caption);
    EXPECT_EQ(ed.Label5.caption.rfind("Grafipix par ", 0), 0u);
    std::set<std::string> checked, disabled;
    for (const MenuRow& m : menutree()) {
        if ((ed.*m.entry).checked) checked.insert(m.name);
        if (!(ed.*m.entry).enabled) disabled.insert(m.name);
    }
    EXPECT_EQ(checked, (std::set<std::string>{"g65", "bgcasio", "opyes"}));
    EXPECT_EQ(disabled, (std::set<std::string>{"selection", "repbluesel", "repblue"}));
    EXPECT_EQ(ed.rotate180.caption, "Rotation 180°");
    EXPECT_EQ(ed.about.caption, "A propos de Pixatelier");
    EXPECT_EQ(ed.repbg.caption, "le fond par le bleu");
    for (const ButtonRow& b : mainbuttons())
        if (std::string(b.name).rfind("press", 0) == 0) {
            EXPECT_EQ((ed.*b.button).visible, b.name != std::string("presswhite") && b.name != std::string("pressblack")) << b.name;
            EXPECT_EQ((ed.*b.button).backcolor, b.name == std::string("pressblue") ? highlight : buttonface) << b.name;
        }
}

TEST(MenuTree, EveryEntryHangsUnderAnEntryThatOpensASubmenu) {
    auto tree = menutree();
    std::set<std::string> names;
    for (size_t i = 0; i < tree.size(); ++i) {
        EXPECT_TRUE(names.insert(tree[i].name).second) << "twice: " << tree[i].name;
        if (i == 0) continue;
        EXPECT_LE(tree[i].depth, tree[i - 1].depth + 1) << tree[i].name << " skips a level";
        if (i + 1 < tree.size() && tree[i + 1].depth > tree[i].depth) {
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
    EXPECT_TRUE(ed.pixelgrid == Grid{} && !ed.selection.enabled);
    EXPECT_TRUE(ed.selgrid.get(1, 1) == 2 && ed.curtool == Tool::line31 && ed.curcolor == 3 && ed.selx == 5);
    EXPECT_EQ(ed.modelbl.caption, "Ligne, cliquez pour tracer la ligne");
    EXPECT_TRUE(ed.g65.checked && ed.bgcasio.checked && ed.opyes.checked && ed.pressblue.backcolor == highlight);
    EXPECT_TRUE(ed.Picture1.picture().empty()) << "the background picture is gone";
    EXPECT_EQ(pixelsnot(casioback), 0) << "and the marks with it";
}

}  // namespace
}  // namespace grafipix
