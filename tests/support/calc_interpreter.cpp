#include "tests/support/calc_interpreter.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace grafipix::testing {

namespace {

constexpr char arrow = '\x01';  // the flavour's arrow, once the line is read

struct Stop : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void need(bool ok, const std::string& why) {
    if (!ok) throw Stop(why);
}

bool take(std::string_view& s, std::string_view prefix) {
    if (!s.starts_with(prefix)) return false;
    s.remove_prefix(prefix.size());
    return true;
}

// Plain decimal numbers between lo and hi, separated by commas; `count` of them unless 0.
std::vector<int> numbers(std::string_view s, size_t count, int lo, int hi) {
    std::vector<int> out;
    for (size_t start = 0; start <= s.size();) {
        const size_t end = std::min(s.find(',', start), s.size());
        const std::string_view n = s.substr(start, end - start);
        need(!n.empty() && n.size() <= 6 && !(n.size() > 1 && n[0] == '0') && std::all_of(n.begin(), n.end(), ::isdigit),
             "not a plain number: \"" + std::string(n) + "\"");
        out.push_back(std::stoi(std::string(n)));
        need(out.back() >= lo && out.back() <= hi, std::string(n) + " is off the screen");
        start = end + 1;
    }
    need(!count || out.size() == count, "expected " + std::to_string(count) + " arguments");
    return out;
}

class Calculator {
public:
    explicit Calculator(CalcRun& run) : run_(run) {}

    void line(std::string_view s, bool last) {
        int colour = 1;
        if (s == "ClrGraph") {
            run_.screen = {};
        } else if (take(s, "ViewWindow ")) {
            need(s == "1,127,0,1,63,0", "another view window");
            view_ = true;
        } else if (take(s, "StoPict ")) {
            need(last, "StoPict before the end");
            run_.pict = numbers(s, 1, 1, 20)[0];
        } else if (take(s, "{")) {
            list(s);
        } else if (s == "S-WindMan") {
            windman_ = true;
        } else if (take(s, "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,")) {
            plotcolour_ = s == "Blue " ? 1 : s == "Green " ? 2 : s == "Orange " ? 3 : 0;
            need(plotcolour_, "unknown plot colour");
        } else if (s == "DrawStat") {
            drawstat();
        } else {
            if (take(s, "Green ")) colour = 2;
            else if (take(s, "Orange ")) colour = 3;
            if (take(s, "PxlOn ")) {
                const std::vector<int> a = numbers(s, 2, 1, 127);
                need(a[0] <= 63, "PxlOn row off the screen");
                run_.screen[a[0]][a[1]] = colour;
            } else if (const bool full = take(s, "Horizontal "); full || take(s, "F-Line ")) {
                // "Horizontal gy" draws the whole row: "F-Line 1,gy,127,gy".
                const std::vector<int> a = full ? std::vector{1, numbers(s, 1, 1, 63)[0], 127, 0} : numbers(s, 4, 1, 127);
                need(view_ && (full || a[1] == a[3]) && a[1] <= 63, "not a row of the screen under the view window");
                for (int x = std::min(a[0], a[2]); x <= std::max(a[0], a[2]); ++x) run_.screen[64 - a[1]][x] = colour;
            } else {
                throw Stop("unknown command");
            }
        }
    }

private:
    void list(std::string_view s) {
        const size_t close = s.find('}');
        need(close != std::string_view::npos && s.substr(close + 1, 1) == std::string_view(&arrow, 1), "not a list assignment");
        const std::vector<int> values = numbers(s.substr(0, close), 0, 1, 127);
        need(values.size() <= 255, "more than 255 list entries");
        const std::string_view target = s.substr(close + 2);
        need(target == "List 1" || target == "List 2", "unknown list");
        (target == "List 1" ? list1_ : list2_) = values;
    }

    void drawstat() {
        need(view_ && windman_ && plotcolour_, "DrawStat without the view window, S-WindMan or S-Gph1");
        need(list1_.size() == list2_.size(), "lists of different sizes");
        for (size_t i = 0; i < list1_.size(); ++i) {
            need(list2_[i] <= 63, "point off the screen");
            run_.screen[64 - list2_[i]][list1_[i]] = plotcolour_;
        }
        ++run_.drawstats;
    }

    CalcRun& run_;
    bool view_ = false, windman_ = false;
    int plotcolour_ = 0;
    std::vector<int> list1_, list2_;
};

}  // namespace

CalcRun runprogram(std::u16string_view program, bool fa124) {
    CalcRun run;
    Calculator calc(run);
    int number = 0;
    std::u16string_view line;
    try {
        if (program.empty()) throw Stop("empty program");
        while (!program.empty()) {
            ++number;
            const size_t end = program.find(u"\r\n");
            const bool last = end == std::u16string_view::npos;
            line = program.substr(0, end);
            program = last ? std::u16string_view() : program.substr(end + 2);
            if (last && !line.starts_with(u"StoPict ")) throw Stop("last line without CR LF");
            // FA-124 wants its mark "Ù" before each CR LF but the scatter set-up's.
            std::u16string_view body = line;
            if (fa124 && !last && !line.starts_with(u"S-Gph1 ")) {
                need(body.ends_with(u'\u00D9'), "no line-end mark");
                body.remove_suffix(1);
            }
            // The line in ASCII with the flavour's arrow ("ã" or "Þ") as `arrow`; anything else stops.
            std::string text;
            for (char16_t ch : body) {
                if (ch == (fa124 ? u'\u00E3' : u'\u00DE')) text += arrow;
                else if (ch >= 0x20 && ch < 0x7F) text += static_cast<char>(ch);
                else throw Stop("unexpected character " + std::to_string(unsigned(ch)));
            }
            need(number > 1 || text == "ClrGraph", "the program does not start with ClrGraph");
            calc.line(text, last);
        }
    } catch (const Stop& e) {
        run.error = "line " + std::to_string(number) + " \"" + utf8(line) + "\": " + e.what();
    }
    return run;
}

std::string utf8(std::u16string_view s) {
    std::string out;
    for (char16_t ch : s) {
        if (ch < 0x80) {
            out += static_cast<char>(ch);
        } else if (ch < 0x800) {
            out += static_cast<char>(0xC0 | (ch >> 6));
            out += static_cast<char>(0x80 | (ch & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (ch >> 12));
            out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (ch & 0x3F));
        }
    }
    return out;
}

}  // namespace grafipix::testing
