// The import and export commands on the scripted platform: the conversion
// table, what a skipped sample keeps, the colour restored after an import,
// and the export's hand-over of the canvas picture.

#include <gtest/gtest.h>

#include <tuple>

#include "core/main_controls.h"
#include "exchange/image_exchange.h"
#include "tests/support/cells.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

constexpr wincolour rgb(int r, int g, int b) { return static_cast<wincolour>(r | g << 8 | b << 16); }
constexpr int skipped = -1;

class Import : public testing::EditorTest {
protected:
    // Imports this picture.
    void importpicture(const Samples& s) {
        platform.opens.push_back("image.bmp");
        platform.onload = [s](const std::string&, Samples& out, std::string&) { return out = s, true; };
        ed.importation_Click();
    }
    static Samples flat(wincolour c) {
        Samples s;
        for (auto& column : s.colour) column.fill(c);
        return s;
    }
};

TEST(SampleCode, FlatColoursFollowTheConversionTable) {
    const std::tuple<const char*, wincolour, int, int> rows[] = {  // three colours, two colours
        {"pure blue", rgb(0, 0, 255), ink, ink},
        {"pure red", rgb(255, 0, 0), orange, ink},
        {"pure green", rgb(0, 255, 0), green, ink},
        {"yellow", rgb(255, 255, 0), orange, ink},
        {"mid-grey", rgb(128, 128, 128), ink, skipped},
        {"white", rgb(255, 255, 255), skipped, skipped},
        {"screen green", casioback, skipped, skipped},
        {"next to the screen green", rgb(184, 217, 180), orange, skipped},
        {"150 is not above 150", rgb(150, 150, 150), ink, skipped},
        {"green just above", rgb(150, 151, 0), green, ink},
        {"light but one channel at 200", rgb(201, 201, 200), orange, skipped},
        {"one channel at 100", rgb(101, 101, 100), ink, ink},
    };
    for (const auto& [name, colour, three, two] : rows) {
        EXPECT_EQ(samplecode(colour, true).value_or(skipped), three) << name << ", three colours";
        EXPECT_EQ(samplecode(colour, false).value_or(skipped), two) << name << ", two colours";
    }
}

TEST_F(Import, EachCellTakesTheSampleOfItsOwnNumberOverTheDrawing) {
    ed.pixelgrid.set(10, 10, orange);
    ed.pixelgrid.set(20, 20, green);
    Samples s = flat(rgb(255, 255, 255));  // skipped: the drawing stays
    s.colour[20][20] = rgb(0, 0, 0);
    s.colour[0][5] = s.colour[5][0] = rgb(0, 0, 0);  // column and row 0: no cell shows them
    s.colour[127][63] = rgb(0, 255, 0);
    importpicture(s);
    EXPECT_EQ(testing::setcells(ed.pixelgrid), (testing::Cells{{10, 10}, {20, 20}, {127, 63}}));
    EXPECT_EQ(ed.pixelgrid.get(10, 10), orange);
    EXPECT_EQ(ed.pixelgrid.get(20, 20), ink);
    EXPECT_EQ(ed.pixelgrid.get(127, 63), green);
    EXPECT_TRUE(cellis(10, 10, orangeink));
    EXPECT_TRUE(cellis(127, 63, ed.colourof(green)));
    EXPECT_TRUE(platform.shown(Window::Apercu));
    EXPECT_EQ(platform.filters, std::vector<std::string>{"Images|*.bmp;*.jpg;*.gif"});

    importpicture(flat(rgb(0, 0, 0)));  // every screen cell, none beyond
    EXPECT_EQ(testing::setcells(ed.pixelgrid).size(), 127u * 63u);
    EXPECT_EQ(ed.pixelgrid.get(127, 63), ink);
}

TEST_F(Import, TheChosenColourAndPenComeBackAfterwards) {
    const std::tuple<Handler, Handler, int16_t, int16_t> rows[] = {  // model, chosen colour, pure green drawn as
        {&Editor::g65_Click, &Editor::pressorange_Click, orange, green},
        {&Editor::g35_Click, &Editor::presstruegreen_Click, background, ink},
    };
    auto highlights = [this] {
        return std::vector{ed.presstruegreen.backcolor, ed.presswhite.backcolor, ed.pressblue.backcolor,
                           ed.pressblack.backcolor, ed.pressorange.backcolor, ed.pressgreen.backcolor};
    };
    for (const auto& [model, colour, code, drawn] : rows) {
        SCOPED_TRACE(code);
        (ed.*model)();
        (ed.*colour)();
        const auto before = highlights();
        Samples s = flat(rgb(0, 255, 0));
        s.colour[127][63] = rgb(0, 0, 255);  // the last sample differs from the others
        importpicture(s);
        EXPECT_EQ(ed.pixelgrid.get(64, 32), drawn);
        EXPECT_EQ(ed.curcolor, code);
        EXPECT_EQ(ed.Picture1.forecolor(), ed.colourof(code));
        EXPECT_EQ(highlights(), before);
    }
}

TEST_F(Import, AnExportSavesTheCanvasAsShownAndTheNextImportRemovesIt) {
    ed.pixelgrid.set(7, 8, orange);
    ed.redrawcanvas();
    ed.Picture1.line(30, 30, 40, 30);  // a mark of the tools, not a cell: the canvas as shown
    const Picture shown = ed.Picture1.image();
    std::string savedname;
    Picture saved;
    platform.onsave = [&](const std::string& path, const Picture& p, std::string&) {
        return savedname = path, saved = p, true;
    };
    ed.exportation_Click();  // cancelled
    EXPECT_TRUE(saved.empty());
    platform.saves.push_back("/tmp/dessin.jpg");
    ed.exportation_Click();
    EXPECT_EQ(platform.savenames, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(platform.filters.back(), "Images|*.bmp;*.jpg;*.gif");
    EXPECT_EQ(savedname, "/tmp/dessin.jpg");
    EXPECT_EQ(saved, shown);
    EXPECT_EQ(ed.Picture1.picture(), shown);
    EXPECT_TRUE(platform.messages.empty());

    ed.pixelgrid.set(7, 8, background);  // erased after the export: still shown under the marks
    importpicture(flat(rgb(255, 255, 255)));
    EXPECT_TRUE(ed.Picture1.picture().empty());
    EXPECT_TRUE(cellis(7, 8, casioback));
}

}  // namespace
}  // namespace grafipix
