// Generated programs run on a model of the calculator screen must redraw the
// picture cell for cell: the check that catches a wrong coordinate.

#include <gtest/gtest.h>

#include <random>

#include "codegen/generator.h"
#include "tests/support/calc_interpreter.h"

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

TEST(RoundTrip, RandomPicturesComeBackInBothModesAndFlavours) {
    std::mt19937 rng(20240501);
    for (int picture = 0; picture < 24; ++picture) {
        const Grid g = randompicture(rng);
        for (CodeMode mode : {CodeMode::fline, CodeMode::drawstat})
            for (const Flavour* flavour : {&fxinterface, &fa124}) {
                SCOPED_TRACE("picture " + std::to_string(picture) + " mode " + std::to_string(int(mode)) + " " + flavour->linkprogram);
                const int pict = 1 + picture % 6;
                const Program p = generateprogram(g, mode, *flavour, pict);
                const testing::CalcRun run = testing::runprogram(p.text, flavour == &fa124);
                ASSERT_EQ(run.error, "");
                EXPECT_EQ(run.pict, pict);
                int wrong = 0;
                for (int y = 1; y <= 63; ++y)
                    for (int x = 1; x <= 127; ++x)
                        if (run.at(x, y) != g.get(x, y) && ++wrong <= 3)
                            ADD_FAILURE() << "cell (" << x << ", " << y << ") is " << run.at(x, y) << " instead of " << g.get(x, y);
                EXPECT_EQ(wrong, 0);
                EXPECT_TRUE(mode == CodeMode::fline ? run.drawstats == 0 : p.text.find(u"PxlOn") == std::u16string::npos);
            }
    }
}

}  // namespace
}  // namespace grafipix
