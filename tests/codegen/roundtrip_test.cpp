// Generated programs run on a model of the calculator screen must redraw the
// picture cell for cell: the check that catches a wrong coordinate.

#include <gtest/gtest.h>

#include <random>

#include "tests/support/calc_interpreter.h"
#include "tests/support/editor_fixture.h"

namespace grafipix {
namespace {

// Scattered cells, dense noise, or runs of every length in all four codes,
// off-screen column 128 and row 64 and unused column and row 0 included.
Grid randompicture(std::mt19937& rng) {
    Grid g;
    const int style = static_cast<int>(rng() % 3);
    if (style < 2) {
        std::bernoulli_distribution drawn(style == 0 ? 0.08 : 0.85);
        for (int y = 0; y <= 64; ++y)
            for (int x = 0; x <= 128; ++x)
                if (drawn(rng)) g.set(x, y, static_cast<int16_t>(1 + rng() % 3));
    } else {
        for (int i = 0; i < 150; ++i) {  // one run in four from the left edge, to meet full rows
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
                const testing::CalcRun run = testing::runprogram(ed.Code->Text1, fa);
                ASSERT_EQ(run.error, "");
                EXPECT_EQ(run.pict, pict);
                int wrong = 0;
                for (int y = 1; y <= 63; ++y)
                    for (int x = 1; x <= 127; ++x)
                        if (run.at(x, y) != ed.pixelgrid.get(x, y) && ++wrong <= 3)
                            ADD_FAILURE() << "cell (" << x << ", " << y << ") is " << run.at(x, y) << " instead of "
                                          << ed.pixelgrid.get(x, y);
                EXPECT_EQ(wrong, 0);
                EXPECT_EQ(mode == 1.0f ? run.drawstats == 0 : ed.Code->Text1.find(u"PxlOn") == std::u16string::npos, true);
            }
    }
}

}  // namespace
}  // namespace grafipix
