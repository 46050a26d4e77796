// The import and export commands on the scripted platform: the conversion
// table, what a skipped sample keeps, the colour restored after an import,
// and the export's hand-over of the canvas picture.

#include <gtest/gtest.h>

#include "core/main_controls.h"
#include "exchange/image_exchange.h"
#include "tests/exchange/editor_snapshot.h"
#include "tests/support/cells.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::EditorTest;

constexpr wincolour rgb(int r, int g, int b) { return static_cast<wincolour>(r | g << 8 | b << 16); }
constexpr int skipped = -1;

class Import : public EditorTest {
protected:
    // The next import answers with this picture.
    void picture(const Samples& s) {
        platform.opens.push_back("image.bmp");
        platform.onload = [s](const std::string&, Samples& out, std::string&) {
            out = s;
            return true;
        };
    }
    std::vector<wincolour> highlights() const {
        return {ed.presstruegreen.backcolor, ed.presswhite.backcolor, ed.pressblue.backcolor,
                ed.pressblack.backcolor,     ed.pressorange.backcolor, ed.pressgreen.backcolor};
    }
    static Samples flat(wincolour c) {
        Samples s;
        for (auto& column : s.colour) column.fill(c);
        return s;
    }
};

TEST_F(Import, FlatPicturesFollowTheConversionTable) {
    struct Row {
        const char* name;
        wincolour colour;
        int threecolours, twocolours;
    };
    const Row rows[] = {
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
    for (const Row& row : rows)
        for (bool three : {true, false}) {
            SCOPED_TRACE(std::string(row.name) + (three ? ", three colours" : ", two colours"));
            ed.new_Click();
            if (three) ed.g65_Click();
            else ed.g35_Click();
            ed.pixelgrid.set(1, 1, three ? green : ink);  // a drawn cell a skipped sample keeps
            picture(flat(row.colour));
            ed.importation_Click();
            const int expected = three ? row.threecolours : row.twocolours;
            for (int x = 0; x <= Grid::maxx; ++x)
                for (int y = 0; y <= Grid::maxy; ++y) {
                    const bool usable = x >= 1 && x <= 127 && y >= 1 && y <= 63;
                    int want = usable && expected != skipped ? expected : 0;
                    if (x == 1 && y == 1 && expected == skipped) want = three ? green : ink;
                    ASSERT_EQ(ed.pixelgrid.get(x, y), want) << "cell " << x << "," << y;
                }
            if (expected != skipped) {
                EXPECT_TRUE(cellis(64, 32, ed.colourof(expected)));
            }
        }
}

TEST_F(Import, EachCellTakesTheSampleOfItsOwnNumberOverTheDrawing) {
    ed.pixelgrid.set(10, 10, orange);
    ed.pixelgrid.set(20, 20, green);
    Samples s = flat(rgb(255, 255, 255));
    s.colour[20][20] = rgb(0, 0, 0);
    s.colour[0][5] = s.colour[5][0] = rgb(0, 0, 0);  // column and row 0: no cell shows them
    s.colour[127][63] = rgb(0, 255, 0);
    picture(s);
    ed.importation_Click();
    EXPECT_EQ(testing::setcells(ed.pixelgrid), (testing::Cells{{10, 10}, {20, 20}, {127, 63}}));
    EXPECT_EQ(ed.pixelgrid.get(10, 10), orange);
    EXPECT_EQ(ed.pixelgrid.get(20, 20), ink);
    EXPECT_EQ(ed.pixelgrid.get(127, 63), green);
    EXPECT_TRUE(cellis(10, 10, orangeink));
    EXPECT_TRUE(platform.shown(Window::Apercu));
    EXPECT_EQ(platform.filters, std::vector<std::string>{"Images|*.bmp;*.jpg;*.gif"});
}

TEST_F(Import, TheChosenColourAndPenComeBackAfterwards) {
    struct Row {
        const char* name;
        Handler model, colour;
        int16_t code;
    };
    const Row rows[] = {
        {"orange on the Graph 65/80", &Editor::g65_Click, &Editor::pressorange_Click, orange},
        {"background on the Graph 35", &Editor::g35_Click, &Editor::presstruegreen_Click, background},
        {"black ink on the Graph 100", &Editor::g100_Click, &Editor::pressblack_Click, ink},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        (ed.*row.model)();
        (ed.*row.colour)();
        const std::vector<wincolour> before = highlights();
        Samples s = flat(rgb(0, 255, 0));
        s.colour[127][63] = rgb(0, 0, 255);  // the last sample differs from the others
        picture(s);
        ed.importation_Click();
        EXPECT_EQ(ed.curcolor, row.code);
        EXPECT_EQ(ed.Picture1.forecolor(), ed.colourof(row.code));
        EXPECT_EQ(highlights(), before);
    }
}

TEST_F(Import, CancelOrAnUnreadableFileChangesNothing) {
    ed.pixelgrid.set(3, 4, orange);
    ed.redrawcanvas();
    ed.pressgreen_Click();
    const testing::EditorSnapshot before(ed);

    ed.importation_Click();  // cancelled: no file chosen
    platform.opens.push_back("/dossier/abîmé.gif");
    platform.onload = [](const std::string&, Samples& out, std::string& error) {
        out.colour[5][5] = rgb(0, 0, 0);  // a loader that fails must not be trusted with its output
        error = "le fichier est vide";
        return false;
    };
    ed.importation_Click();
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{"Impossible d'importer l'image « /dossier/abîmé.gif » : le fichier est vide."});
    EXPECT_TRUE(testing::EditorSnapshot(ed) == before);
    EXPECT_FALSE(platform.shown(Window::Apercu));
}

TEST_F(Import, TheBackgroundPictureOfAnExportIsRemoved) {
    ed.pixelgrid.set(2, 2, ink);
    ed.redrawcanvas();
    platform.saves.push_back("dessin.bmp");
    platform.onsave = [](const std::string&, const Picture&, std::string&) { return true; };
    ed.exportation_Click();
    ASSERT_FALSE(ed.Picture1.picture().empty());
    picture(flat(rgb(255, 255, 255)));
    ed.pixelgrid.set(2, 2, background);  // erased after the export: still shown under the marks
    ed.importation_Click();
    EXPECT_TRUE(ed.Picture1.picture().empty());
    EXPECT_TRUE(cellis(2, 2, casioback));
}

using Export = EditorTest;

TEST_F(Export, SavesWhatTheCanvasShowsUnderTheChosenName) {
    ed.pixelgrid.set(7, 8, orange);
    ed.redrawcanvas();
    ed.Picture1.line(30, 30, 40, 30);  // a mark of the tools, not a cell: the canvas as shown
    const Picture shown = ed.Picture1.image();
    std::string savedname;
    Picture saved;
    platform.onsave = [&](const std::string& path, const Picture& p, std::string&) {
        savedname = path;
        saved = p;
        return true;
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
}

}  // namespace
}  // namespace grafipix
