// Start-up, "Nouveau" and the design-time state of Main's controls.

#include <gtest/gtest.h>

#include <set>

#include "core/main_controls.h"
#include "tests/support/cells.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::EditorTest;
using testing::setcells;

TEST_F(EditorTest, StartValuesAndDesignStateOfTheControls) {
    EXPECT_EQ(platform.log, (std::vector<std::string>{"show Preview", "hide Main", "timer Main1 on 1000"}));
    EXPECT_TRUE(ed.curtool == Tool::point10 && ed.inkcolor == 1 && ed.bgkind == 2 && ed.curcolor == 1 && ed.opaquedup == 1);
    EXPECT_TRUE(ed.codemode == 0 && ed.selw == 0 && ed.selnotempty == 0 && !ed.Code.has_value());
    EXPECT_TRUE(setcells(ed.pixelgrid).empty() && setcells(ed.selgrid).empty());
    EXPECT_TRUE(ed.Picture1.backcolor() == casioback && ed.Picture1.forecolor() == blueink);
    for (auto [label, caption] : {std::pair{&ed.modelbl, "Point"}, {&ed.typcalc, "Graph 65"}, {&ed.Label3, "Y :"}, {&ed.coordx, ""}})
        EXPECT_EQ(label->caption, caption) << caption;
    EXPECT_EQ(ed.Label5.caption.rfind("Grafipix par ", 0), 0u);
    std::set<std::string> checked, disabled;
    for (const MenuRow& m : menutree()) {
        if ((ed.*m.entry).checked) checked.insert(m.name);
        if (!(ed.*m.entry).enabled) disabled.insert(m.name);
    }
    EXPECT_EQ(checked, (std::set<std::string>{"g65", "bgcasio", "opyes"}));
    EXPECT_EQ(disabled, (std::set<std::string>{"selection", "repbluesel", "repblue"}));
    EXPECT_EQ(ed.rotate180.caption, "Rotation 180°");
    for (const ButtonRow& b : mainbuttons())
        if (std::string name = b.name; name.rfind("press", 0) == 0) {
            EXPECT_EQ((ed.*b.button).visible, name != "presswhite" && name != "pressblack") << name;
            EXPECT_EQ((ed.*b.button).backcolor, name == "pressblue" ? highlight : buttonface) << name;
        }
    ed.Main_Unload();
    EXPECT_TRUE(platform.ended) << "closing Main ends the process";
}

// "Nouveau" empties the picture and its background picture, nothing else.
TEST_F(EditorTest, NouveauEmptiesThePictureOnlyAndDisablesSelection) {
    ed.pixelgrid.set(10, 10, 1);
    ed.redrawcanvas();
    ed.Picture1.setpicture(ed.Picture1.image());
    ed.pixelgrid.set(10, 10, 0);
    ed.bgwhite_Click();
    EXPECT_TRUE(cellis(10, 10, blueink) && cellis(11, 10, casioback)) << "the picture covers the back colour";
    ed.pixelgrid.set(128, 64, 3);
    ed.selgrid.set(1, 1, 2);
    ed.selection.enabled = true;
    ed.Command3_Click();
    ed.pressorange_Click();
    ed.new_Click();
    EXPECT_TRUE(setcells(ed.pixelgrid).empty() && !ed.selection.enabled && ed.selgrid.get(1, 1) == 2);
    EXPECT_TRUE(ed.curtool == Tool::line30 && ed.curcolor == 3 && ed.pressorange.backcolor == highlight);
    EXPECT_TRUE(ed.g65.checked && ed.bgwhite.checked && ed.opyes.checked);
    EXPECT_TRUE(ed.Picture1.picture().empty() && pixelsnot(whiteback) == 0);
}

}  // namespace
}  // namespace grafipix
