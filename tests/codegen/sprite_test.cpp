// SPDX-License-Identifier: GPL-3.0-or-later
// Sprites: random blocks drawn by a game's calls at places on, across and off
// every edge of the screen, under the interpreter, against the cells worked
// out here, and their tokens read back; the tokens of + and - against the
// calculators' own files.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <random>

#include "calculator/model_table.h"
#include "codegen/calc_interpreter.h"
#include "codegen/compact.h"
#include "codegen/sprite.h"
#include "codegen/tokens.h"
#include "formats/g1m.h"

namespace grafipix::testing {
namespace {

// Blocks of 1 x 1, 64 x 64, a column taller than the small screen, then any
// size; two to eight codes, a free palette's every third colour round.
TEST(Sprite, RandomBlocksDrawExactlyTheirCellsWhereverPlacedAndReadBackFromTheirFiles) {
    std::mt19937 rng(4242);
    for (int round = 0; round < 40; ++round) {
        const Model& m = *findmodel(round % 2 ? "g90" : "g35e2");
        const int W = m.screen.columns, H = m.screen.rows, codes = m.freepalette() ? 2 + int(rng() % 7) : 2;
        const auto [w, h] = round < 6 ? std::array<std::pair<int, int>, 3>{{{1, 1}, {64, 64}, {2, 70}}}[size_t(round / 2)] : std::pair{1 + int(rng() % 64), 1 + int(rng() % 64)};
        std::vector<wincolour> colours;
        for (int c = 0; c < codes && m.freepalette() && round % 3 == 0; ++c) colours.push_back(c ? m.held(rng() & 0xFFFFFF) : 0xFFFFFF);
        Grid block(w, h);  // runs across, half of them the cells above, with holes
        std::bernoulli_distribution hole(std::array{0.05, 0.3, 0.7}[rng() % 3]);
        for (int y = 1; y <= h; ++y)
            for (int x = 1, c, n; x <= w;)
                for (n = 1 + int(rng() % 6), c = hole(rng) ? 0 : 1 + int(rng() % (codes - 1)); n-- > 0 && x <= w; ++x)
                    block.set(x, y, int16_t(y > 1 && rng() % 2 ? block.get(x, y - 1) : c));
        const Program p = basicsprite(block, m, colours);
        SCOPED_TRACE("round " + std::to_string(round) + " " + m.name + " " + std::to_string(w) + "x" + std::to_string(h));

        std::u16string caller;
        const auto line = [&](std::u16string s) { endline(caller += s, m.flavour->eolmark); };
        const auto number = [](int n) { std::u16string s; appendnumber(s, n); return s; };  // "-3" for -3
        line(u"ClrGraph"), line(u"ViewWindow 1," + number(W) + u",0,1," + number(H) + u",0");
        std::vector<std::vector<int>> want(size_t(H) + 1, std::vector<int>(size_t(W) + 1, 0));
        const int16_t behind = int16_t(1 + rng() % (m.codes() - 1));  // rows the back cells leave as they are
        for (int gy = 1 + int(rng() % 3); gy <= H; gy += 3) {
            line(std::u16string(m.palette[behind].word) + (m.palette[behind].word.empty() ? u"" : u" ") + u"Horizontal " + number(gy));
            std::fill(want[size_t(H + 1 - gy)].begin() + 1, want[size_t(H + 1 - gy)].end(), behind);
        }
        // Inside, across each edge, over a corner, wholly off, far off.
        const auto across = [&](int size) { return size > 1 ? 1 + int(rng() % (size - 1)) : 0; };
        const auto inside = [&](int size, int screen) { return 1 + int(rng() % std::max(1, screen - size + 1)); };
        const std::pair<int, int> places[] = {{inside(w, W), inside(h, H)}, {1 - across(w), inside(h, H)}, {W + 1 - across(w), inside(h, H)},
                                              {inside(w, W), 1 - across(h)}, {inside(w, W), H + 1 - across(h)}, {1 - across(w), 1 - across(h)},
                                              {1 - w - int(rng() % 9), inside(h, H)}, {inside(w, W), H + 1 + int(rng() % 9)}, {1000, -500}};
        for (const auto& [a, b] : places) {
            line(number(a) + m.flavour->arrowmark + u'A'), line(number(b) + m.flavour->arrowmark + u'B'), line(u"Prog \"NOM\"");
            for (int r = 1; r <= h; ++r)
                for (int c = 1; c <= w; ++c) {  // a free colour nearest the back colour is left undrawn
                    const int16_t cell = block.get(c, r);
                    const int code = cell && !colours.empty() ? m.nearestcode(colours[size_t(cell)]) : cell;
                    if (code && a + c >= 2 && a + c - 1 <= W && b + r >= 2 && b + r - 1 <= H) want[size_t(b + r - 1)][size_t(a + c - 1)] = code;
                }
        }
        line(u"Prog \"PX\"");  // what the sprite's F-Lines spare it: A and B far off stop a PxlOn
        const std::u16string px = u"PxlOn B,A" + std::u16string(m.flavour->eolmark) + u"\r\n";
        const CalcRun run = runprogram(caller, m, {{"NOM", p.text}, {"PX", px}});
        EXPECT_EQ(run.error, "line " + std::to_string(std::count(caller.begin(), caller.end(), u'\n')) + ": \"PX\" line 1: PxlOn off the screen");
        ASSERT_EQ(run.screen, want);

        // The cut weighs each line by its tokens, which read back as the text
        // the Fx-interface writes.
        const Tokens t = tokenize(p.text, m);
        size_t weighed = 0;
        for (const Statement& s : compactcover(block, m, Placement::block)) weighed += size_t(statementbytes(s, m));
        EXPECT_TRUE(t.error.empty() && (!colours.empty() || weighed == t.bytes.size())) << t.error << weighed;
        std::u16string back, fx = p.text;
        std::erase(fx, u'\u00D9'), std::replace(fx.begin(), fx.end(), u'\u00E3', u'\u00DE');
        EXPECT_TRUE(detokenize(t.bytes, back, m) && back == fx);
    }
}

// Lines whose tokens stand, byte for byte, in programs of the calculators'
// own files, and read back to the same text.
TEST(Sprite, PlusMinusArrowAndProgAreTheCalculatorFilesTokens) {
    const std::string samples = GRAFIPIX_SOURCE_DIR "/../shared/calculator-samples/";
    const std::pair<const char*, std::u16string> lines[] = {
        {"g1m/AC_RTE.g1m", u"F-Line X,Y,X+2,Y\r\n"}, {"g1m/CONNECT4.G1M", u"Z-1\u00DEZ\r\n"}, {"g1m/CONNECT4.G1M", u"45\u00DEB\r\n"},
        {"g3m/PONG.g3m", u"A+1\u00DEA\r\n"}, {"g3m/PONG.g3m", u"A-1\u00DEA\r\n"}, {"g1m/AC_RTE.g1m", u"Prog \"TEMPO 4S\"\r\n"}};
    for (const auto& [name, text] : lines) {
        std::ifstream in(samples + name, std::ios::binary);
        std::string fault, bytes{std::istreambuf_iterator<char>(in), {}};
        if (bytes.empty()) GTEST_SKIP() << "no calculator files in " << samples;
        const auto objects = g1m::readfile(bytes, fault);
        const Tokens t = tokenize(text, *findmodel("g35e2"));
        std::u16string back;
        EXPECT_TRUE(objects && t.error.empty() && std::any_of(objects->begin(), objects->end(), [&](const g1m::Object& o) {
                        return o.body.find(t.bytes) != std::string::npos;
                    }) && detokenize(t.bytes, back) && back == text)
            << name << " " << std::string(text.begin(), text.end() - 2) << fault;
    }
}

}  // namespace
}  // namespace grafipix::testing
