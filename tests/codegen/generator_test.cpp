// The generator run of the `Code` window: prompt, flavour, frame, estimates,
// selection, and the life of the window.

#include <gtest/gtest.h>

#include <algorithm>

#include "codegen/generator.h"
#include "tests/support/calc_interpreter.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::EditorTest;
using testing::utf8;

const std::string fxinstruction =
    "Copiez le code ci-dessous et collez le dans un nouveau programme ouvert dans Fx-interface. Transmettez le "
    "ensuite à votre calculatrice et exécutez le programme. Mode d'emploi complet sur grafipix.example.org";
const std::string fainstruction =
    "Copiez le code ci-dessous et collez le dans un nouveau programme ouvert dans FA-124. Transmettez le "
    "ensuite à votre calculatrice et exécutez le programme. Mode d'emploi complet sur grafipix.example.org";

class Generator : public EditorTest {
protected:
    // A generate command and the timer tick that follows it.
    std::string generate(float mode, const std::string& answer = "") {
        platform.inputs.push_back(answer);
        mode == 1.0f ? ed.fline_Click() : ed.drawstat_Click();
        ed.Code_Timer1_Timer();
        return utf8(ed.Code->Text1);
    }
    std::string bytes() const { return ed.Code->bytes; }
};

TEST_F(Generator, EmptyPictureInBothModesAndFlavours) {
    struct Row {
        float mode;
        bool fa;
        const char* text;
        const char* estimate;
    };
    const Row rows[] = {
        {1.0f, false, "ClrGraph\r\nViewWindow 1,127,0,1,63,0\r\n", "25"},
        {2.0f, false, "ClrGraph\r\nViewWindow 1,127,0,1,63,0\r\n", "29"},
        {1.0f, true, "ClrGraphÙ\r\nViewWindow 1,127,0,1,63,0Ù\r\n", "27"},
        {2.0f, true, "ClrGraphÙ\r\nViewWindow 1,127,0,1,63,0Ù\r\n", "31"},
    };
    for (const Row& r : rows) {
        ed.g85.checked = r.fa;
        const std::string name = std::string("mode ") + (r.mode == 1.0f ? "1" : "2") + (r.fa ? " FA-124" : " Fx");
        EXPECT_EQ(generate(r.mode), r.text) << name;
        EXPECT_EQ(ed.Code->Text1.size(), r.fa ? 39u : 37u) << name;
        EXPECT_EQ(bytes(), std::string("Il vous faudra un peu moins de ") + r.estimate + " bytes libres") << name;
        EXPECT_EQ(ed.Code->Label1, r.fa ? fainstruction : fxinstruction) << name;
        EXPECT_EQ(ed.Code->progress, 221) << name;
        ed.Code_Unload();
    }
}

TEST_F(Generator, PictureMemoryAnswers) {
    struct Row {
        const char* answer;
        int blue, black;  // picture memory on each ink, 0 for none
    };
    const Row rows[] = {{"0", 0, 0},     {"", 0, 0},      {"-5", 1, 1},        {"9", 6, 9},      {"35", 6, 20},
                        {"2.5", 2, 2},   {" 3,5 ", 4, 4}, {"1.50001", 2, 2},   {"-0.6", 1, 1},   {"4a", 0, 0},
                        {"40000", 0, 0}, {"32767.5", 0, 0}, {"-32768", 1, 1}};
    const std::string sixprompt =
        "Si vous voulez que votre image se sauvegarde sur un picture (une fois le programme executé sur la "
        "calculatrice), indiquez le numéro du picture (1 à 6) :|Picture";
    const std::string twentyprompt =
        "Si vous voulez que votre image se sauvegarde sur un picture (une fois le programme executé sur la "
        "calculatrice), indiquez le numéro du picture (1 à 20) :|Picture";
    for (int inkcolor : {1, 2}) {
        ed.inkcolor = inkcolor;
        generate(1.0f);
        const std::string plain = bytes();
        for (const Row& r : rows) {
            const int expected = inkcolor == 1 ? r.blue : r.black;
            const std::string name = std::string("answer \"") + r.answer + "\" ink " + std::to_string(inkcolor);
            std::string text = generate(1.0f, r.answer);
            EXPECT_EQ(platform.prompts.back(), inkcolor == 1 ? sixprompt : twentyprompt) << name;
            const std::string header = "ClrGraph\r\nViewWindow 1,127,0,1,63,0\r\n";
            EXPECT_EQ(text, expected ? header + "StoPict " + std::to_string(expected) : header) << name;
            EXPECT_EQ(bytes(), expected ? "Il vous faudra un peu moins de 4121 bytes libres" : plain) << name;
        }
    }
}

TEST_F(Generator, EstimatesCountTheWholeText) {
    // Four PxlOn lines of 13, 13, 13 and 14 characters make 90: 0.7 x 90 is 63.
    for (int x : {10, 12, 14, 100}) ed.pixelgrid.set(x, 10, ink);
    EXPECT_EQ(generate(1.0f).size(), 90u);
    EXPECT_EQ(bytes(), "Il vous faudra un peu moins de 63 bytes libres");

    // Mode 2, one ink point: 132 characters and 20 per ink point, times 0.8.
    ed.pixelgrid.clear();
    ed.pixelgrid.set(1, 1, ink);
    EXPECT_EQ(generate(2.0f, "3"),
              "ClrGraph\r\nViewWindow 1,127,0,1,63,0\r\n{1}ÞList 1\r\n{63}ÞList 2\r\nS-WindMan\r\n"
              "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Blue \r\nDrawStat\r\nStoPict 3");
    EXPECT_EQ(bytes(), "Il vous faudra un peu moins de " + std::to_string(121 + 4096) + " bytes libres");

    // From 255 ink points on, a flat 5100 instead of 20 per point; green points never count.
    for (int n : {254, 255, 300}) {
        ed.pixelgrid.clear();
        for (int i = 0; i < n; ++i) ed.pixelgrid.set(1 + 2 * (i % 63), 1 + i / 63, ink);
        ed.pixelgrid.set(2, 60, green);
        generate(2.0f);
        const long extra = n >= 255 ? 5100 : 20 * n;
        EXPECT_EQ(bytes(), "Il vous faudra un peu moins de " +
                               std::to_string((static_cast<long>(ed.Code->Text1.size()) + extra) * 8 / 10) +
                               " bytes libres")
            << n << " points";
    }
}

TEST_F(Generator, BlocksComeInkGreenOrangeAndTheTextIsSelected) {
    ed.pixelgrid.set(5, 2, orange);
    ed.pixelgrid.set(9, 3, green);
    ed.pixelgrid.set(7, 4, ink);
    ed.g85.checked = true;
    std::string text = generate(2.0f, "20");
    const size_t blue = text.find("Dot,Blue \r\n"), green = text.find("Dot,Green \r\n"),
                 orange = text.find("Dot,Orange \r\n");
    ASSERT_NE(orange, std::string::npos);
    EXPECT_LT(blue, green);
    EXPECT_LT(green, orange);
    EXPECT_TRUE(text.ends_with("DrawStatÙ\r\nStoPict 6")) << text;
    EXPECT_TRUE(ed.Code->focus);
    EXPECT_EQ(ed.Code->selstart, 0);
    EXPECT_EQ(ed.Code->sellength, static_cast<int>(ed.Code->Text1.size()));
}

TEST_F(Generator, WindowLifeAndAFreshRunOnEveryCommand) {
    platform.log.clear();
    ed.drawstat_Click();
    EXPECT_EQ(ed.codemode, 2.0f);
    ASSERT_TRUE(ed.Code.has_value());
    EXPECT_EQ(ed.Code->Label1, fxinstruction);
    EXPECT_EQ(ed.Code->Text1, u"");
    EXPECT_EQ(platform.log, (std::vector<std::string>{"show Code", "timer Code1 on 1"}));
    EXPECT_TRUE(platform.prompts.empty()) << "the prompt waits for the tick";

    ed.pixelgrid.set(20, 20, ink);
    platform.inputs.push_back("");
    ed.Code_Timer1_Timer();
    EXPECT_EQ(platform.log.back(), "timer Code1 off 1");
    EXPECT_NE(utf8(ed.Code->Text1).find("DrawStat"), std::string::npos);

    // Open window, other mode, changed picture: a new run with its prompt.
    ed.pixelgrid.set(40, 20, ink);
    EXPECT_EQ(generate(1.0f), "ClrGraph\r\nViewWindow 1,127,0,1,63,0\r\nPxlOn 20,20\r\nPxlOn 20,40\r\n");
    EXPECT_EQ(platform.prompts.size(), 2u);
    EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "show Code"), 2);

    // A model change between runs changes the instruction both ways.
    ed.g85.checked = true;
    generate(1.0f);
    EXPECT_EQ(ed.Code->Label1, fainstruction);
    ed.g85.checked = false;
    generate(1.0f);
    EXPECT_EQ(ed.Code->Label1, fxinstruction);

    // Closing destroys the window; a tick still pending asks nothing.
    ed.fline_Click();
    ed.Code_Unload();
    EXPECT_FALSE(ed.Code.has_value());
    EXPECT_FALSE(platform.timeron(Timer::Code1));
    ed.Code_Timer1_Timer();
    EXPECT_EQ(platform.prompts.size(), 4u);
    EXPECT_FALSE(ed.Code.has_value());
}

}  // namespace
}  // namespace grafipix
