#include "codegen/calc_interpreter.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

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

CalcRun runprogram(std::u16string_view program, bool fa124) {
    CalcRun run;
    bool view = false;
    int plotcolour = 0, number = 0;
    std::vector<int> list[3];  // List 1 and List 2
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
            if (fa124 && !last && !line.starts_with(u"S-Gph1 ")) {
                need(body.ends_with(u'\u00D9'), "no line-end mark");
                body.remove_suffix(1);
            }
            // ASCII but for the flavour's arrow ("ã" or "Þ"), read as '>'.
            std::string text;
            for (char16_t ch : body) {
                need(ch == (fa124 ? u'\u00E3' : u'\u00DE') || (ch >= 0x20 && ch < 0x7F && ch != '>'), "unexpected character");
                text += ch < 0x7F ? static_cast<char>(ch) : '>';
            }
            std::string_view s = text;
            // Colour words go before the drawing commands only.
            std::string_view drawn = s;
            const int colour = take(drawn, "Green ") ? 2 : take(drawn, "Orange ") ? 3 : 1;
            if (s == "ClrGraph") {
                run.screen = {};
            } else if (take(s, "ViewWindow ")) {
                need(s == "1,127,0,1,63,0", "another view window");
                view = true;
            } else if (take(s, "StoPict ")) {
                need(last, "StoPict before the end");
                run.pict = numbers(s, 1, 1, 20)[0];
            } else if (take(s, "{")) {
                const size_t close = s.find("}>List ");
                need(close != s.npos && (s.substr(close + 7) == "1" || s.substr(close + 7) == "2"), "not a list assignment");
                list[s.back() - '0'] = numbers(s.substr(0, close), 0, 1, 127);
                need(list[s.back() - '0'].size() <= 255, "more than 255 list entries");
            } else if (take(s, "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,")) {
                plotcolour = s == "Blue " ? 1 : s == "Green " ? 2 : s == "Orange " ? 3 : 0;
                need(plotcolour, "unknown plot colour");
            } else if (s == "DrawStat") {
                need(view && plotcolour && list[1].size() == list[2].size(), "DrawStat not set up");
                for (size_t i = 0; i < list[1].size(); ++i) {
                    need(list[2][i] <= 63, "point off the screen");
                    run.screen[64 - list[2][i]][list[1][i]] = plotcolour;
                }
                ++run.drawstats;
            } else if (take(drawn, "PxlOn ")) {
                const std::vector<int> a = numbers(drawn, 2, 1, 127);
                need(a[0] <= 63, "PxlOn row off the screen");
                run.screen[a[0]][a[1]] = colour;
            } else if (const bool full = take(drawn, "Horizontal "); full || take(drawn, "F-Line ")) {
                // "Horizontal gy" draws the whole row: "F-Line 1,gy,127,gy".
                std::vector<int> a = full ? numbers(drawn, 1, 1, 63) : numbers(drawn, 4, 1, 127);
                if (full) a = {1, a[0], 127, a[0]};
                need(view && (a[1] == a[3] || a[0] == a[2]) && std::max(a[1], a[3]) <= 63, "not a row or column of the screen under the view window");
                for (int x = std::min(a[0], a[2]); x <= std::max(a[0], a[2]); ++x)
                    for (int gy = std::min(a[1], a[3]); gy <= std::max(a[1], a[3]); ++gy) run.screen[64 - gy][x] = colour;
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
