#include "tests/support/calc_interpreter.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace grafipix::testing {

namespace {

constexpr char16_t fxarrow = u'Þ', faarrow = u'ã', famark = u'Ù';
constexpr char arrow = '\x01';  // the flavour's arrow, once the line is read

struct Stop : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A plain decimal number between lo and hi.
int number(std::string_view s, int lo, int hi) {
    if (s.empty() || s.size() > 6 || (s.size() > 1 && s[0] == '0'))
        throw Stop("not a plain number: \"" + std::string(s) + "\"");
    int v = 0;
    for (char ch : s) {
        if (ch < '0' || ch > '9') throw Stop("not a plain number: \"" + std::string(s) + "\"");
        v = v * 10 + (ch - '0');
    }
    if (v < lo || v > hi) throw Stop(std::string(s) + " is outside " + std::to_string(lo) + ".." + std::to_string(hi));
    return v;
}

std::vector<std::string_view> split(std::string_view s, char sep) {
    std::vector<std::string_view> out;
    size_t start = 0;
    for (size_t i = 0; i <= s.size(); ++i)
        if (i == s.size() || s[i] == sep) {
            out.push_back(s.substr(start, i - start));
            start = i + 1;
        }
    return out;
}

std::vector<int> numbers(std::string_view s, size_t count, int lo, int hi) {
    std::vector<std::string_view> parts = split(s, ',');
    if (parts.size() != count) throw Stop("expected " + std::to_string(count) + " arguments");
    std::vector<int> out;
    for (std::string_view p : parts) out.push_back(number(p, lo, hi));
    return out;
}

bool take(std::string_view& s, std::string_view prefix) {
    if (s.substr(0, prefix.size()) != prefix) return false;
    s.remove_prefix(prefix.size());
    return true;
}

class Calculator {
public:
    explicit Calculator(CalcRun& run) : run_(run) {}

    void line(std::string_view s, bool last) {
        if (s == "ClrGraph") {
            run_.screen = {};
            return;
        }
        if (take(s, "ViewWindow ")) {
            if (s != "1,127,0,1,63,0") throw Stop("another view window");
            view_ = true;
            return;
        }
        if (take(s, "StoPict ")) {
            if (!last) throw Stop("StoPict before the end");
            run_.pict = number(s, 1, 20);
            return;
        }
        if (take(s, "{")) return list(s);
        if (s == "S-WindMan") {
            windman_ = true;
            return;
        }
        if (take(s, "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,")) {
            if (s == "Blue ") plotcolour_ = 1;
            else if (s == "Green ") plotcolour_ = 2;
            else if (s == "Orange ") plotcolour_ = 3;
            else throw Stop("unknown plot colour");
            return;
        }
        if (s == "DrawStat") return drawstat();
        int colour = 1;
        if (take(s, "Green ")) colour = 2;
        else if (take(s, "Orange ")) colour = 3;
        if (take(s, "PxlOn ")) {
            std::vector<int> a = numbers(s, 2, 1, 127);
            if (a[0] > 63) throw Stop("PxlOn row off the screen");
            run_.screen[a[0]][a[1]] = colour;
        } else if (take(s, "F-Line ")) {
            needview();
            std::vector<int> a = numbers(s, 4, 1, 127);
            if (a[1] != a[3] || a[1] > 63) throw Stop("not a row of the screen");
            for (int x = std::min(a[0], a[2]); x <= std::max(a[0], a[2]); ++x) run_.screen[64 - a[1]][x] = colour;
        } else if (take(s, "Horizontal ")) {
            needview();
            int gy = number(s, 1, 63);
            for (int x = 1; x <= 127; ++x) run_.screen[64 - gy][x] = colour;
        } else {
            throw Stop("unknown command");
        }
    }

private:
    void needview() const {
        if (!view_) throw Stop("graph coordinates before the view window");
    }

    void list(std::string_view s) {
        size_t close = s.find('}');
        if (close == std::string_view::npos || s.size() <= close + 1 || s[close + 1] != arrow)
            throw Stop("not a list assignment");
        std::string_view target = s.substr(close + 2);
        std::vector<std::string_view> parts = split(s.substr(0, close), ',');
        if (parts.size() > 255) throw Stop("more than 255 list entries");
        std::vector<int> values;
        for (std::string_view p : parts) values.push_back(number(p, 1, 127));
        if (target == "List 1") list1_ = values;
        else if (target == "List 2") list2_ = values;
        else throw Stop("unknown list");
    }

    void drawstat() {
        needview();
        if (!windman_) throw Stop("DrawStat without S-WindMan would scale the plot");
        if (!plotcolour_) throw Stop("DrawStat without S-Gph1");
        if (list1_.size() != list2_.size()) throw Stop("lists of different sizes");
        for (size_t i = 0; i < list1_.size(); ++i) {
            if (list2_[i] > 63) throw Stop("point off the screen");
            run_.screen[64 - list2_[i]][list1_[i]] = plotcolour_;
        }
        ++run_.drawstats;
    }

    CalcRun& run_;
    bool view_ = false, windman_ = false;
    int plotcolour_ = 0;
    std::vector<int> list1_, list2_;
};

// The line in ASCII with the arrow as `arrow`; any other character stops.
std::string readline(std::u16string_view s, char16_t arrowmark) {
    std::string out;
    for (char16_t ch : s) {
        if (ch == arrowmark) out += arrow;
        else if (ch >= 0x20 && ch < 0x7F) out += static_cast<char>(ch);
        else {
            char code[8];
            std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(ch));
            throw Stop(std::string("unexpected character U+") + code);
        }
    }
    return out;
}

}  // namespace

CalcRun runprogram(std::u16string_view program, bool fa124) {
    CalcRun run;
    Calculator calc(run);
    const char16_t arrowmark = fa124 ? faarrow : fxarrow;
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
            if (last && line.substr(0, 8) != u"StoPict ") throw Stop("last line without CR LF");
            // FA-124 wants its mark before each CR LF but the scatter set-up's.
            const bool marked = fa124 && !last && line.substr(0, 7) != u"S-Gph1 ";
            std::u16string_view body = line;
            if (marked) {
                if (body.empty() || body.back() != famark) throw Stop("no line-end mark");
                body.remove_suffix(1);
            }
            std::string text = readline(body, arrowmark);
            if (number == 1 && text != "ClrGraph") throw Stop("the program does not start with ClrGraph");
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
