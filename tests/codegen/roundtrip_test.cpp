// Generated programs run on a model of the calculator screen must redraw the
// picture cell for cell: the check that catches a wrong coordinate.

#include <gtest/gtest.h>

#include <random>

#include "tests/support/calc_interpreter.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

using testing::runprogram;

// Scattered cells, dense noise, or runs of every length, in all four codes;
// the off-screen column 128 and row 64 and the unused column 0 and row 0 too.
Grid randompicture(std::mt19937& rng) {
    Grid g;
    const int style = static_cast<int>(rng() % 3);
    if (style < 2) {
        std::bernoulli_distribution drawn(style == 0 ? 0.08 : 0.85);
        for (int y = 0; y <= 64; ++y)
            for (int x = 0; x <= 128; ++x)
                if (drawn(rng)) g.set(x, y, static_cast<int16_t>(1 + rng() % 3));
    } else {
        // One run in four starts at the left edge, to meet the nearly full rows.
        for (int i = 0; i < 150; ++i) {
            const int y = int(rng() % 65), x0 = int(rng() % 4 ? rng() % 129 : rng() % 3), len = 1 + int(rng() % 130);
            const int16_t c = static_cast<int16_t>(rng() % 4);
            for (int x = x0; x < x0 + len; ++x) g.set(x, y, c);
        }
    }
    return g;
}

using RoundTrip = testing::EditorTest;

TEST_F(RoundTrip, RandomPicturesComeBackInBothModesAndFlavours) {
    std::mt19937 rng(20240501);
    for (int picture = 0; picture < 24; ++picture) {
        ed.pixelgrid = randompicture(rng);
        for (float mode : {1.0f, 2.0f})
            for (bool fa : {false, true}) {
                SCOPED_TRACE("picture " + std::to_string(picture) + " mode " + std::to_string(int(mode)) + (fa ? " FA-124" : " Fx"));
                ed.g85.checked = fa;
                const int pict = 1 + picture % 6;
                platform.inputs.push_back(std::to_string(pict));
                mode == 1.0f ? ed.fline_Click() : ed.drawstat_Click();
                ed.Code_Timer1_Timer();
                const testing::CalcRun run = runprogram(ed.Code->Text1, fa);
                ASSERT_EQ(run.error, "");
                EXPECT_EQ(run.pict, pict);
                int wrong = 0;
                for (int y = 1; y <= 63; ++y)
                    for (int x = 1; x <= 127; ++x)
                        if (run.at(x, y) != ed.pixelgrid.get(x, y) && ++wrong <= 3)
                            ADD_FAILURE() << "cell (" << x << ", " << y << ") is " << run.at(x, y) << " instead of "
                                          << ed.pixelgrid.get(x, y);
                EXPECT_EQ(wrong, 0);
                if (mode == 1.0f) EXPECT_EQ(run.drawstats, 0);
                else EXPECT_EQ(ed.Code->Text1.find(u"PxlOn"), std::u16string::npos);
            }
    }
}

// The round trip is only worth it if the interpreter places commands where the
// calculator does and stops on what the calculator or the link program would not take.
TEST(CalcInterpreter, DrawsWhereTheCalculatorDrawsAndStopsOnWhatItWouldNotRun) {
    const std::u16string head = u"ClrGraph\r\nViewWindow 1,127,0,1,63,0\r\n";
    const testing::CalcRun good = runprogram(
        head + u"Orange F-Line 2,63,4,63\r\nPxlOn 63,127\r\n{3}ÞList 1\r\n{4}ÞList 2\r\nS-WindMan\r\n"
               u"S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,Green \r\nDrawStat\r\nStoPict 20",
        false);
    ASSERT_EQ(good.error, "");
    for (auto [x, y, c] : {std::tuple<int, int, int>{2, 1, orange}, {4, 1, orange}, {5, 1, 0}, {127, 63, ink}, {3, 60, green}})
        EXPECT_EQ(good.at(x, y), c) << x << "," << y;
    EXPECT_EQ(good.pict, 20);

    std::u16string many = head + u"{1";
    for (int i = 0; i < 255; ++i) many += u",1";
    const std::tuple<const char*, std::u16string, bool> rows[] = {
        {"the other arrow", head + u"{3}ãList 1\r\n", false},
        {"a mark in the Fx flavour", head + u"PxlOn 1,1Ù\r\n", false},
        {"no mark in FA-124", u"ClrGraphÙ\r\nViewWindow 1,127,0,1,63,0\r\n", true},
        {"row 64", head + u"PxlOn 64,1\r\n", false},
        {"column 128", head + u"F-Line 1,63,128,63\r\n", false},
        {"a missing line break", head + u"PxlOn 1,1", false},
        {"a line break after StoPict", head + u"StoPict 3\r\n", false},
        {"256 list entries", many + u"}ÞList 1\r\n", false},
    };
    for (const auto& [name, program, fa] : rows) EXPECT_NE(runprogram(program, fa).error, "") << name;
}

}  // namespace
}  // namespace grafipix
