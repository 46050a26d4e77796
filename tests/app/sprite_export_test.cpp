// SPDX-License-Identifier: GPL-3.0-or-later
// "Sélection > Exporter en sprite...": the selected block under the name the
// user gives, in the forms the model runs, shown and saved through the
// window's buttons.

#include <gtest/gtest.h>

#include "codegen/python_sprite.h"
#include "codegen/sprite.h"
#include "formats/g1m.h"
#include "formats/windows1252.h"
#include "tests/support/editor_fixture.h"

namespace grafipix::testing {
namespace {

class SpriteExport : public EditorTest {
protected:
    // The cells of the block from (x, y), w x h, as the picture holds them.
    Grid block(int x, int y, int w, int h) const {
        Grid out(w, h);
        for (int j = 1; j <= h; ++j)
            for (int i = 1; i <= w; ++i) out.set(i, j, picture().get(x + i - 1, y + j - 1));
        return out;
    }
    const SpriteForm& form() const { return *ed.spritewindow(); }
};

TEST_F(SpriteExport, BothFormsWhereTheModelRunsBothEachSavedUnderItsName) {
    EXPECT_FALSE(click("selsprite")) << "no selection yet";
    play("g90");
    paint(1, 1, 379, 187, [](int x, int y) { return (x * 3 + y) % 7 == 0 ? 1 + (x + y) % 7 : 0; });
    platform.inputs = {"mon_vaisseau", "vaisseau"};
    play("Command11 d10,10 d22,17 selsprite");
    ASSERT_TRUE(ed.spritewindow()) << "the first name, with its _, suits no BASIC program";
    EXPECT_TRUE(platform.messages.back().starts_with("Le nom « mon_vaisseau » ne convient pas")) << platform.messages.back();
    const Grid cells = block(10, 10, 12, 7);
    EXPECT_TRUE(form().name == "vaisseau" && form().python == pythonsprite(cells, "vaisseau", ed.currentmodel(), ed.colours()) &&
                form().basic == basicsprite(cells, ed.currentmodel(), ed.owncolours()).text && !form().showsbasic);
    EXPECT_TRUE(form().showbasic.enabled && form().showpython.enabled && !form().savecalc.enabled && platform.log.back() == "show Sprite");
    platform.saves = {"vaisseau.py", "VAISSEAU.txt", "VAISSEAU.g3m"};
    play("savesprite spritebasic savesprite savespritecalc");
    EXPECT_EQ(platform.files["vaisseau.py"], form().python);
    EXPECT_EQ(platform.files["VAISSEAU.txt"], towindows1252(form().basic));
    std::string fault;
    const auto objects = g1m::readfile(platform.files["VAISSEAU.g3m"], fault);
    ASSERT_TRUE(objects) << fault;
    EXPECT_EQ((*objects)[0].name, "VAISSEAU");
    ed.handle(Event::unload(Window::Sprite));
    EXPECT_FALSE(ed.spritewindow() || click("savesprite"));
}

// One form only: BASIC on the older models, Python on the Graph Math+; a
// cancelled name makes no window.
TEST_F(SpriteExport, OneFormWhereTheModelRunsOne) {
    paint(1, 1, 30, 30, [](int x, int y) { return (x + y) % 2; });
    platform.inputs = {"balle"};
    play("Command11 d1,1 d9,9 selsprite");
    EXPECT_TRUE(form().python.empty() && form().showsbasic && !form().showpython.enabled && form().savecalc.enabled == false);
    EXPECT_NE(form().info.find("Prog \"BALLE\""), std::string::npos) << form().info;
    play("g35");
    platform.inputs = {"balle"};
    play("Command11 d1,1 d9,9 selsprite");
    EXPECT_TRUE(form().savecalc.enabled) << "the Graph 35 takes .g1m files";
    play("gmath");
    paint(1, 1, 30, 30, 2);
    platform.inputs = {"for", "balle"};
    play("Command11 d1,1 d9,9 selsprite");
    EXPECT_TRUE(form().basic.empty() && !form().showsbasic && !form().showbasic.enabled && !form().savecalc.enabled);
    EXPECT_NE(platform.messages.back().find("pas un mot de Python"), std::string::npos);
    ed.handle(Event::unload(Window::Sprite));
    play("Command11 d1,1 d9,9 selsprite");  // no answer: cancelled
    EXPECT_FALSE(ed.spritewindow());
}

}  // namespace
}  // namespace grafipix::testing
