// SPDX-License-Identifier: GPL-3.0-or-later
#include "codegen/calc_interpreter.h"

#include <algorithm>
#include <optional>
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

int plainnumber(std::string_view n) {
    need(!n.empty() && n.size() <= 6 && !(n.size() > 1 && n[0] == '0') && std::all_of(n.begin(), n.end(), digit),
         "not a plain number: \"" + std::string(n) + "\"");
    return std::stoi(std::string(n));
}

// Plain decimal numbers from lo to hi separated by commas; `count` of them unless 0.
std::vector<int> numbers(std::string_view s, size_t count, int lo, int hi) {
    std::vector<int> out;
    for (size_t start = 0; start <= s.size();) {
        const size_t end = std::min(s.find(',', start), s.size());
        const std::string_view n = s.substr(start, end - start);
        out.push_back(plainnumber(n));
        need(out.back() >= lo && out.back() <= hi, std::string(n) + " is off the screen");
        start = end + 1;
    }
    need(!count || out.size() == count, "expected " + std::to_string(count) + " arguments");
    return out;
}

// A line that stopped the run of a program, and why.
struct Stop {
    int line;
    std::string why;
};

// The calculator's state across a program and those it calls: the screen,
// the view window, the variables, the lists.
class Machine {
public:
    Machine(const Model& model, const std::map<std::string, std::u16string_view>& programs, CalcRun& run)
        : model_(model), programs_(programs), run_(run), fa_(model.flavour == &fa124), columns_(model.screen.columns),
          rows_(model.screen.rows), view_("1," + std::to_string(columns_) + ",0,1," + std::to_string(rows_) + ",0") {
        run.columns = columns_, run.rows = rows_;
        run.colours = model.colours();
        clear();
        for (int c = 1; c < model.codes() && plain_ < 0; ++c)
            if (model.palette[c].word.empty()) plain_ = c;
    }

    // Throws Stop at the line that stops it.
    void execute(std::u16string_view program, int depth) {
        int number = 0;
        try {
            while (!program.empty()) {
                ++number;
                const size_t end = program.find(u"\r\n");
                const bool last = end == std::u16string_view::npos;
                const std::u16string_view line = program.substr(0, end);
                program = last ? std::u16string_view() : program.substr(end + 2);
                statement(line, last, depth);
            }
        } catch (const std::runtime_error& e) {
            throw Stop{number, e.what()};
        }
    }

private:
    void clear() { run_.screen.assign(rows_ + 1, std::vector<int>(columns_ + 1, 0)); }
    // Graph row gy under the view window is screen row rows + 1 - gy.
    void plot(int x, int gy, int colour) { run_.screen[rows_ + 1 - gy][x] = colour; }
    // The code of a word, as the palette names it.
    int codeof(std::string_view word) const { return model_.codeofword(std::u16string(word.begin(), word.end())); }

    // The values a program body computes: "[-]t{+t|-t}", each t a plain
    // number or the variable A or B, which must have been set.
    long long value(std::string_view e) const {
        long long sum = 0;
        int sign = take(e, "-") ? -1 : 1;
        for (;;) {
            const size_t op = std::min(e.find_first_of("+-"), e.size());
            const std::string_view t = e.substr(0, op);
            if (t == "A" || t == "B") {
                need(variables_[t[0] - 'A'].has_value(), std::string(t) + " read before it is set");
                sum += sign * *variables_[t[0] - 'A'];
            } else {
                sum += sign * plainnumber(t);
            }
            if (op == e.size()) return sum;
            sign = e[op] == '+' ? 1 : -1;
            e.remove_prefix(op + 1);
        }
    }

    std::vector<long long> values(std::string_view s, size_t count) const {
        std::vector<long long> out;
        for (size_t start = 0; start <= s.size();) {
            const size_t end = std::min(s.find(',', start), s.size());
            out.push_back(value(s.substr(start, end - start)));
            start = end + 1;
        }
        need(out.size() == count, "expected " + std::to_string(count) + " arguments");
        return out;
    }

    void statement(std::u16string_view line, bool last, int depth) {
        need(!last || line.starts_with(u"StoPict "), "last line without CR LF");
        // FA-124 wants its mark "Ù" before each CR LF but the scatter set-up's.
        std::u16string_view body = line;
        if (fa_ && !last && !line.starts_with(u"S-Gph1 ")) {
            need(body.ends_with(u'\u00D9'), "no line-end mark");
            body.remove_suffix(1);
        }
        // ASCII but for the flavour's arrow ("ã" or "Þ"), read as '>'.
        std::string text;
        for (char16_t ch : body) {
            need(ch == (fa_ ? u'\u00E3' : u'\u00DE') || (ch >= 0x20 && ch < 0x7F && ch != '>'), "unexpected character");
            text += ch < 0x7F ? static_cast<char>(ch) : '>';
        }
        std::string_view s = text;
        // Colour words go before the drawing commands only.
        std::string_view drawn = s;
        int colour = plain_;
        if (const size_t blank = s.find(' '); blank != s.npos && codeof(s.substr(0, blank)) > 0) {
            colour = codeof(s.substr(0, blank));
            drawn.remove_prefix(blank + 1);
        }
        if (s == "ClrGraph") {
            clear();
        } else if (take(s, "ViewWindow ")) {
            need(s == view_, "another view window");
            viewset_ = true;
        } else if (take(s, "StoPict ")) {
            need(last, "StoPict before the end");
            run_.pict = numbers(s, 1, 1, 20)[0];
        } else if (take(s, "{")) {
            const size_t close = s.find("}>List ");
            need(close != s.npos && (s.substr(close + 7) == "1" || s.substr(close + 7) == "2"), "not a list assignment");
            list_[s.back() - '0'] = numbers(s.substr(0, close), 0, 1, std::max(columns_, rows_));
            need(list_[s.back() - '0'].size() <= 255, "more than 255 list entries");
        } else if (take(s, "S-Gph1 DrawOn,Scatter,List 1,List 2,1,Dot,")) {
            // The ink, which has no word, plots as "Blue".
            need(s.ends_with(' '), "no blank after the plot colour");
            plotcolour_ = codeof(s.substr(0, s.size() - 1));
            if (plotcolour_ < 0 && s == "Blue ") plotcolour_ = plain_;
            need(plotcolour_ > 0, "unknown plot colour");
        } else if (s == "DrawStat") {
            need(viewset_ && plotcolour_ && list_[1].size() == list_[2].size(), "DrawStat not set up");
            for (size_t i = 0; i < list_[1].size(); ++i) {
                need(list_[1][i] <= columns_ && list_[2][i] <= rows_, "point off the screen");
                plot(list_[1][i], list_[2][i], plotcolour_);
            }
            ++run_.drawstats;
        } else if (take(drawn, "PxlOn ")) {
            // Off the screen, PxlOn stops the program.
            const std::vector<long long> a = values(drawn, 2);
            need(a[0] >= 1 && a[0] <= rows_ && a[1] >= 1 && a[1] <= columns_, "PxlOn off the screen");
            need(colour > 0, "no colour word");
            run_.screen[a[0]][a[1]] = colour;
        } else if (take(drawn, "Horizontal ")) {
            need(viewset_ && colour > 0, "Horizontal without a view window or a colour word");
            const int gy = numbers(drawn, 1, 1, rows_)[0];
            for (int x = 1; x <= columns_; ++x) plot(x, gy, colour);
        } else if (take(drawn, "F-Line ")) {
            // An F-Line is clipped to the screen: only its part on the screen shows.
            const std::vector<long long> a = values(drawn, 4);
            need(viewset_ && (a[1] == a[3] || a[0] == a[2]), "not a row or column under the view window");
            need(colour > 0, "no colour word");
            const long long x1 = std::max(1LL, std::min(a[0], a[2])), x2 = std::min<long long>(columns_, std::max(a[0], a[2]));
            const long long y1 = std::max(1LL, std::min(a[1], a[3])), y2 = std::min<long long>(rows_, std::max(a[1], a[3]));
            for (long long x = x1; x <= x2; ++x)
                for (long long gy = y1; gy <= y2; ++gy) plot(int(x), int(gy), colour);
        } else if (take(s, "Prog \"")) {
            need(s.ends_with('"') && s.size() > 1, "no program name");
            const std::string name(s.substr(0, s.size() - 1));
            const auto called = programs_.find(name);
            need(called != programs_.end(), "no program " + name);
            need(depth < 10, "more than 10 programs called in one another");
            try {
                execute(called->second, depth + 1);
            } catch (const Stop& stop) {
                throw std::runtime_error("\"" + called->first + "\" line " + std::to_string(stop.line) + ": " + stop.why);
            }
        } else if (const size_t arrow = s.find('>'); arrow != s.npos) {
            const std::string_view target = s.substr(arrow + 1);
            need(target == "A" || target == "B", "not an assignment to A or B");
            variables_[target[0] - 'A'] = value(s.substr(0, arrow));
        } else if (s != "S-WindMan") {  // where it stands in a block is the exact texts' to show
            throw std::runtime_error("unknown command");
        }
    }

    const Model& model_;
    const std::map<std::string, std::u16string_view>& programs_;
    CalcRun& run_;
    const bool fa_;
    const int columns_, rows_;
    const std::string view_;
    bool viewset_ = false;
    int plotcolour_ = 0, plain_ = -1;  // the code drawn without a word, none when every code has one
    std::vector<int> list_[3];         // List 1 and List 2
    std::optional<long long> variables_[2];  // A and B
};

}  // namespace

CalcRun runprogram(std::u16string_view program, const Model& model, const std::map<std::string, std::u16string_view>& programs) {
    CalcRun run;
    Machine machine(model, programs, run);
    try {
        machine.execute(program, 0);
    } catch (const Stop& stop) {
        run.errorline = stop.line;
        run.error = "line " + std::to_string(stop.line) + ": " + stop.why;
    }
    return run;
}

}  // namespace grafipix
