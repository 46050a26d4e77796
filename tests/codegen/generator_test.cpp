// The generator run of the `Code` window: prompt, flavour, frame, estimates,
// selection, and the life of the window.

#include <gtest/gtest.h>

#include <algorithm>

#include "codegen/generator.h"
#include "tests/support/calc_interpreter.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::utf8;

const std::string instruction = "Copiez le code ci-dessous et collez le dans un nouveau programme ouvert dans ",
                  howto = ". Transmettez le ensuite à votre calculatrice et exécutez le programme. Mode d'emploi "
                          "complet sur grafipix.example.org";
const std::string header = "ClrGraph\r\nViewWindow 1,127,0,1,63,0\r\n";

class Generator : public testing::EditorTest {
protected:
    // A generate command and the timer tick that follows it.
    std::string generate(float mode, const std::string& answer = "") {
        platform.inputs.push_back(answer);
        mode == 1.0f ? ed.fline_Click() : ed.drawstat_Click();
        ed.Code_Timer1_Timer();
        return utf8(ed.Code->Text1);
    }
    static std::string estimate(long n) { return "Il vous faudra un peu moins de " + std::to_string(n) + " bytes libres"; }
};

TEST_F(Generator, EmptyPictureInBothModesAndFlavours) {
    const std::tuple<float, bool, long> rows[] = {{1.0f, false, 25}, {2.0f, false, 29}, {1.0f, true, 27}, {2.0f, true, 31}};
    for (const auto& [mode, fa, bytes] : rows) {
        SCOPED_TRACE(std::string("mode ") + (mode == 1.0f ? "1" : "2") + (fa ? " FA-124" : " Fx"));
        ed.g85.checked = fa;
        EXPECT_EQ(generate(mode), fa ? "ClrGraphÙ\r\nViewWindow 1,127,0,1,63,0Ù\r\n" : header);
        EXPECT_EQ(ed.Code->bytes, estimate(bytes));
        EXPECT_EQ(ed.Code->Label1, instruction + (fa ? "FA-124" : "Fx-interface") + howto);
        EXPECT_EQ(ed.Code->progress, 221);
        ed.Code_Unload();
    }
}

TEST_F(Generator, PictureMemoryAnswers) {
    const std::tuple<const char*, int, int> rows[] = {  // answer, memory on blue ink, on black ink (0: none)
        {"0", 0, 0},    {"", 0, 0},     {"-5", 1, 1},  {"9", 6, 9},         {"35", 6, 20},
        {"2.5", 2, 2},  {" 3,5 ", 4, 4}, {"4a", 0, 0}, {"32767.5", 0, 0}, {"-32768", 1, 1}};
    const std::string prompt = "Si vous voulez que votre image se sauvegarde sur un picture (une fois le programme "
                               "executé sur la calculatrice), indiquez le numéro du picture (1 à ";
    for (int inkcolor : {1, 2}) {
        ed.inkcolor = inkcolor;
        for (const auto& [answer, blue, black] : rows) {
            SCOPED_TRACE(std::string("answer \"") + answer + "\" ink " + std::to_string(inkcolor));
            const int expected = inkcolor == 1 ? blue : black;
            EXPECT_EQ(generate(1.0f, answer), expected ? header + "StoPict " + std::to_string(expected) : header);
            EXPECT_EQ(platform.prompts.back(), prompt + (inkcolor == 1 ? "6" : "20") + ") :|Picture");
            EXPECT_EQ(ed.Code->bytes, estimate(expected ? 4121 : 25));
        }
    }
}

TEST_F(Generator, EstimatesBlockOrderAndSelection) {
    // Four PxlOn lines of 13, 13, 13 and 14 characters make 90: 0.7 x 90 is 63.
    for (int x : {10, 12, 14, 100}) ed.pixelgrid.set(x, 10, ink);
    EXPECT_EQ(generate(1.0f).size(), 90u);
    EXPECT_EQ(ed.Code->bytes, estimate(63));

    // Mode 2, 20 per ink point below 255 and a flat 5100 from there; green points never count.
    for (int n : {254, 255}) {
        ed.pixelgrid.clear();
        for (int i = 0; i < n; ++i) ed.pixelgrid.set(1 + 2 * (i % 63), 1 + i / 63, ink);
        ed.pixelgrid.set(2, 60, green);
        generate(2.0f);
        EXPECT_EQ(ed.Code->bytes, estimate((long(ed.Code->Text1.size()) + (n < 255 ? 20 * n : 5100)) * 8 / 10)) << n;
    }
    ed.pixelgrid.clear();
    ed.pixelgrid.set(5, 2, orange);
    ed.pixelgrid.set(9, 3, green);
    ed.pixelgrid.set(7, 4, ink);
    ed.g85.checked = true;
    const std::string text = generate(2.0f, "20");
    const size_t blue = text.find("Dot,Blue \r\n"), green = text.find("Dot,Green \r\n"), orange = text.find("Dot,Orange \r\n");
    ASSERT_NE(orange, std::string::npos);
    EXPECT_LT(blue, green);
    EXPECT_LT(green, orange);
    EXPECT_TRUE(text.ends_with("DrawStatÙ\r\nStoPict 6")) << text;
    EXPECT_TRUE(ed.Code->focus);
    EXPECT_EQ(ed.Code->selstart, 0);
    EXPECT_EQ(ed.Code->sellength, static_cast<int>(ed.Code->Text1.size()));
}

TEST_F(Generator, EveryCommandRunsAfreshWithTheCurrentModeAndPicture) {
    ed.pixelgrid.set(20, 20, ink);
    platform.log.clear();
    ed.drawstat_Click();
    EXPECT_EQ(ed.codemode, 2.0f);
    EXPECT_TRUE(platform.prompts.empty()) << "the prompt waits for the tick";
    platform.inputs.push_back("");
    ed.Code_Timer1_Timer();
    EXPECT_NE(utf8(ed.Code->Text1).find("DrawStat"), std::string::npos);

    // Open window, other mode, changed picture, changed model: a new run with its prompt.
    ed.pixelgrid.set(40, 20, ink);
    ed.g85.checked = true;
    EXPECT_EQ(generate(1.0f), "ClrGraphÙ\r\nViewWindow 1,127,0,1,63,0Ù\r\nPxlOn 20,20Ù\r\nPxlOn 20,40Ù\r\n");
    EXPECT_EQ(ed.Code->Label1, instruction + "FA-124" + howto);
    EXPECT_EQ(platform.prompts.size(), 2u);
    EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "show Code"), 2);

    // Closing destroys the window; a tick still pending asks nothing.
    ed.fline_Click();
    ed.Code_Unload();
    EXPECT_FALSE(ed.Code.has_value());
    EXPECT_FALSE(platform.timeron(Timer::Code1));
    ed.Code_Timer1_Timer();
    EXPECT_EQ(platform.prompts.size(), 2u);
}

}  // namespace
}  // namespace grafipix
