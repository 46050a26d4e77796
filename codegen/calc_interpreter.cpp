// SPDX-License-Identifier: GPL-3.0-or-later
#include "codegen/calc_interpreter.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "calculator/model_table.h"

namespace grafipix {

namespace {

void need(bool ok, const std::string& why) {
    if (!ok) throw std::runtime_error(why);
}

bool take(std::string_view& s, std::string_view prefix) {
    if (!s.starts_with(prefix)) return false;
    s.remove_prefix(prefix.size());
    return true;
}

bool digit(char c) { return c >= '0' && c <= '9'; }

// Plain decimal numbers from lo to hi separated by commas; `count` of them unless 0.
std::vector<int> numbers(std::string_view s, size_t count, int lo, int hi) {
    std::vector<int> out;
    for (size_t start = 0; start <= s.size();) {
        const size_t end = std::min(s.find(',', start), s.size());
        const std::string_view n = s.substr(start, end - start);
        need(!n.empty() && n.size() <= 6 && !(n.size() > 1 && n[0] == '0') && std::all_of(n.begin(), n.end(), digit),
             "not a plain number: \"" + std::string(n) + "\"");
        out.push_back(std::stoi(std::string(n)));
        need(out.back() >= lo && out.back() <= hi, std::string(n) + " is off the screen");
        start = end + 1;
    }
    need(!count || out.size() == count, "expected " + std::to_string(count) + " arguments");
    return out;
}

}  // namespace

CalcRun runprogram(std::u16string_view program, const Model& model) {
    const bool fa = model.flavour == &fa124;
    const int columns = model.screen.columns, rows = model.screen.rows;
    CalcRun run;
    run.columns = columns, run.rows = rows;
    run.colours = model.colours();
    const auto clear = [&] { run.screen.assign(rows + 1, std::vector<int>(columns + 1, 0)); };
    clear();
    // Graph row gy under the view window is screen row rows + 1 - gy.
    const auto plot = [&](int x, int gy, int colour) { run.screen[rows + 1 - gy][x] = colour; };
    std::string view = "1," + std::to_string(columns) + ",0,1," + std::to_string(rows) + ",0";
    bool viewset = false;
    int plotcolour = 0, number = 0;
    std::vector<int> list[3];  // List 1 and List 2
    // The code of a word, as the palette names it, and the code drawn without one.
    const auto codeof = [&model](std::string_view word) {
        return model.codeofword(std::u16string(word.begin(), word.end()));
    };
    int plain = -1;
    for (int c = 1; c < model.codes() && plain < 0; ++c)
        if (model.palette[c].word.empty()) plain = c;
    try {
        while (!program.empty()) {
            ++number;
            const size_t end = program.find(u"\r\n");
            const bool last = end == std::u16string_view::npos;
            const std::u16string_view line = program.substr(0, end);
            program = last ? std::u16string_view() : program.substr(end + 2);
            need(!last || line.starts_with(u"StoPict "), "last line without CR LF");
            // FA-124 wants its mark "Ù" before each CR LF but the scatter set-up's.
            std::u16string_view body = line;
            if (fa && !last && !line.starts_with(u"S-Gph1 ")) {
                need(body.ends_with(u'\u00D9'), "no line-end mark");
                body.remove_suffix(1);
            }
            // ASCII but for the flavour's arrow ("ã" or "Þ"), read as '>'.
            std::string text;
            for (char16_t ch : body) {
                need(ch == (fa ? u'\u00E3' : u'\u00DE') || (ch >= 0x20 && ch < 0x7F && ch != '>'), "unexpected character");
                text += ch < 0x7F ? static_cast<char>(ch) : '>';
            }
            std::string_view s = text;
            // Colour words go before the drawing commands only.
            std::string_view drawn = s;
            int colour = plain;
            if (const size_t blank = s.find(' '); blank != s.npos && codeof(s.substr(0, blank)) > 0) {
                colour = codeof(s.substr(0, blank));
                drawn.remove_prefix(blank + 1);
            }
            if (s == "ClrGraph") {
                clear();
            } else if (take(s, "ViewWindow ")) {
                need(s == view, "another view window");
                viewset = true;
            } else if (take(s, "StoPict ")) {
                need(last, "StoPict before the end");
                run.pict = numbers(s, 1, 1, 20)[0];
            } else if (take(s, "{")) {
                const size_t close = s.find("}>List ");
                need(close != s.npos && (s.substr(close + 7) == "1" || s.substr(close + 7) == "2"), "not a list assignment");
                list[s.back() - '0'] = numbers(s.substr(0, close), 0, 1, std::max(columns, rows));
                need(list[s.back() - '0'].size() <= 255, "more than 255 list entries");
            } else if (take(s, "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,")) {
                // The ink, which has no word, plots as "Blue".
                need(s.ends_with(' '), "no blank after the plot colour");
                plotcolour = codeof(s.substr(0, s.size() - 1));
                if (plotcolour < 0 && s == "Blue ") plotcolour = plain;
                need(plotcolour > 0, "unknown plot colour");
            } else if (s == "DrawStat") {
                need(viewset && plotcolour && list[1].size() == list[2].size(), "DrawStat not set up");
                for (size_t i = 0; i < list[1].size(); ++i) {
                    need(list[1][i] <= columns && list[2][i] <= rows, "point off the screen");
                    plot(list[1][i], list[2][i], plotcolour);
                }
                ++run.drawstats;
            } else if (take(drawn, "PxlOn ")) {
                const std::vector<int> a = numbers(drawn, 2, 1, columns);
                need(a[0] <= rows, "PxlOn row off the screen");
                need(colour > 0, "no colour word");
                run.screen[a[0]][a[1]] = colour;
            } else if (const bool full = take(drawn, "Horizontal "); full || take(drawn, "F-Line ")) {
                // "Horizontal gy" draws the whole row: "F-Line 1,gy,<columns>,gy".
                std::vector<int> a = full ? numbers(drawn, 1, 1, rows) : numbers(drawn, 4, 1, columns);
                if (full) a = {1, a[0], columns, a[0]};
                need(viewset && (a[1] == a[3] || a[0] == a[2]) && std::max(a[1], a[3]) <= rows, "not a row or column of the screen under the view window");
                need(colour > 0, "no colour word");
                for (int x = std::min(a[0], a[2]); x <= std::max(a[0], a[2]); ++x)
                    for (int gy = std::min(a[1], a[3]); gy <= std::max(a[1], a[3]); ++gy) plot(x, gy, colour);
            } else if (s != "S-WindMan") {  // where it stands in a block is the exact texts' to show
                throw std::runtime_error("unknown command");
            }
        }
    } catch (const std::runtime_error& e) {
        run.errorline = number;
        run.error = "line " + std::to_string(number) + ": " + e.what();
    }
    return run;
}

}  // namespace grafipix
