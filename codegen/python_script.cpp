#include "codegen/python_script.h"

#include <algorithm>
#include <vector>

#include "calculator/model_table.h"

namespace grafipix {

namespace {

constexpr int patterns = 1 << 6;
constexpr int symbols = '~' - '!' - 1;  // '!' to '~' without '"' and '\', so the literal needs no escape
constexpr int longestskip = symbols - patterns;
constexpr char rowend = '!';   // pattern 0 never travels: empty groups are skips
constexpr char samerow = '~';  // a row never starts with it, so k of them repeat the row above k times
constexpr size_t lineroom = 80;  // data characters per script line

// How the cells of a row pack into characters.
struct Packing {
    int bits, cellsperchar, charsperrow;
    explicit Packing(const Model& m, int columns) {
        bits = m.codes() <= 2 ? 1 : m.codes() <= 4 ? 2 : m.codes() <= 8 ? 3 : 6;
        cellsperchar = 6 / bits;
        charsperrow = (columns + cellsperchar - 1) / cellsperchar;
    }
    int mask() const { return (1 << bits) - 1; }
};

// The script decodes with the same sum: '!', then '#' to '[', then ']' to '~'.
char symbolchar(int v) { return static_cast<char>(33 + v + (v > 0) + (v > 57)); }
int charsymbol(char ch) {
    const int o = static_cast<unsigned char>(ch);
    if (o < '!' || o > '~' || o == '"' || o == '\\') return -1;
    return o - 33 - (o > 34) - (o > 92);
}

std::string colourtuple(wincolour c) {
    return "(" + std::to_string(c & 0xFF) + "," + std::to_string(c >> 8 & 0xFF) + "," + std::to_string(c >> 16 & 0xFF) +
           ")";
}

std::string indented(const std::string& lines) {
    std::string out;
    for (const char ch : lines) out += ch == '\n' ? "\n " : std::string(1, ch);
    return " " + out.substr(0, out.size() - 1);
}

std::string encode(const Grid& grid, const Model& model, const Packing& p) {
    std::string data, previous;
    size_t kept = 0;  // up to the last row with a drawn cell
    for (int y = 1; y <= grid.rows(); ++y) {
        std::string row;
        int skip = 0;
        for (int c = 0; c < p.charsperrow; ++c) {
            int v = 0;
            for (int i = 0; i < p.cellsperchar; ++i) {
                const int x = c * p.cellsperchar + i + 1;
                const int code = x <= grid.columns() ? std::max<int>(model.inpalette(grid.get(x, y)), 0) : 0;
                v |= code << (i * p.bits);
            }
            if (v == 0) {
                ++skip;
                continue;
            }
            while (skip > 0) {
                const int step = std::min(skip, longestskip) - (row.empty() && skip >= longestskip);
                row += symbolchar(step + patterns - 1);
                skip -= step;
            }
            row += symbolchar(v);
        }
        if (!row.empty() && row == previous) {
            if (data.empty() || data.back() != samerow) data += rowend;
            data += samerow;
        } else {
            if (y > 1) data += rowend;
            data += row;
        }
        if (!row.empty()) kept = data.size();
        previous = std::move(row);
    }
    data.resize(kept);
    return data;
}

}  // namespace

std::string pythonscript(const Grid& grid, const Model& model) {
    const Packing p(model, grid.columns());
    const std::string data = encode(grid, model, p);
    const bool ink = model.codes() <= 2;
    std::string s = "from casioplot import *\n";
    if (!ink) {
        s += "C=(None";
        for (int code = 1; code < model.codes(); ++code) s += "," + colourtuple(model.palette[code].button->colour);
        s += ")\n";
    }
    s += "D=(b\"";
    for (size_t at = 0; at < data.size(); at += lineroom) s += (at ? "\"\nb\"" : "") + data.substr(at, lineroom);
    const auto n = [](int v) { return std::to_string(v); };
    const int k = p.cellsperchar;
    const std::string advance = "v*" + n(k) + "-" + n((patterns - 1) * k) + " if v>" + n(patterns - 1) + " else " + n(k);
    // Per symbol what it draws and how far it moves along the row. Every name
    // a local: MicroPython spends little beyond the set_pixel calls themselves.
    std::string table, cells;
    if (ink) {
        // One colour: the x offsets of the drawn cells, a shorter script.
        table = "[i for i in range(" + n(k) + ") if v<" + n(patterns) + " and v>>i&1]," + advance;
        cells = "   d,n=T[h]\n"
                "   for i in d:s(x+i,y,c)\n";
    } else {
        // Colours or None for the back colour, the cells unrolled: fastest on the big screen.
        table = "tuple(C[(v<" + n(patterns) + ")*(v>>i*" + n(p.bits) + "&" + n(p.mask()) + ")] for i in range(" + n(k) +
                "))+(" + advance + ",)";
        std::string unpack;
        for (int i = 0; i < k; ++i) {
            unpack += "c" + n(i) + ",";
            cells += "   if c" + n(i) + ":s(x" + (i ? "+" + n(i) : "") + ",y,c" + n(i) + ")\n";
        }
        cells = "   " + unpack + "n=T[h]\n" + cells;
    }
    s += "\")\n"
         "def draw():\n"
         " s=set_pixel;T=[0]*127;y=0" + (ink ? ";c=" + colourtuple(model.palette[1].button->colour) : "") + "\n"
         " for v in range(" + n(symbols) + "):T[33+v+(v>0)+(v>57)]=" + table + "\n"
         " for r in D.split(b\"" + rowend + "\"):\n"
         "  if r[:1]!=b\"" + samerow + "\":q=r;r=b\"" + samerow + "\"\n"
         "  for _ in r:\n"
         "   x=0\n"
         "   for h in q:\n" + indented(cells) +
         "    x+=n\n"
         "   y+=1\n"
         "clear_screen()\n"
         "draw()\n"
         "show_screen()\n";
    return s;
}

CalcRun scriptpixels(std::string_view script, const Model& model) {
    const Packing p(model, model.screen.columns);
    CalcRun run;
    run.columns = model.screen.columns, run.rows = model.screen.rows;
    run.screen.assign(run.rows + 1, std::vector<int>(run.columns + 1, 0));
    const size_t start = script.find("\nD=(");
    const size_t end = start == script.npos ? script.npos : script.find(")\n", start);
    if (end == script.npos) {
        run.error = "pas de données";
        return run;
    }
    std::string data;
    bool inside = false;
    for (const char ch : script.substr(start + 4, end - start - 4)) {
        if (ch == '"') inside = !inside;
        if (ch == '"' || (!inside && (ch == '\n' || ch == 'b'))) continue;
        if (!inside || charsymbol(ch) < 0) {
            run.error = std::string("caractère « ") + ch + " » inattendu";
            return run;
        }
        data += ch;
    }
    std::string_view row;
    int y = 0;
    for (size_t at = 0; at <= data.size();) {
        const size_t cut = std::min(data.find(rowend, at), data.size());
        std::string_view r = std::string_view(data).substr(at, cut - at);
        at = cut + 1;
        if (!r.starts_with(samerow)) row = r, r = std::string_view(&samerow, 1);
        for (size_t again = 0; again < r.size(); ++again, ++y) {
            int x = 0;
            for (const char ch : row) {
                const int v = charsymbol(ch);
                if (v >= patterns) {
                    x += (v - patterns + 1) * p.cellsperchar;
                    continue;
                }
                for (int i = 0; i < p.cellsperchar; ++i)
                    if (const int code = v >> (i * p.bits) & p.mask(); code && y < run.rows && x + i < run.columns)
                        run.screen[y + 1][x + i + 1] = code;
                x += p.cellsperchar;
            }
        }
    }
    return run;
}

namespace scripttexts {

std::string instruction() {
    return "Enregistrez ce script et copiez le fichier .py sur la calculatrice branchée en USB, puis lancez-le "
           "depuis l'application Python.";
}

std::string size(size_t bytes) { return "Taille du script : " + std::to_string(bytes) + " octets"; }

std::string previewinfo(const CalcRun& run) {
    if (!run.error.empty()) return "Ce script ne se relit pas : " + run.error + ".";
    long drawn = 0;
    for (const auto& row : run.screen) drawn += std::ranges::count_if(row, [](int code) { return code != 0; });
    return std::to_string(drawn) + (drawn > 1 ? " points dessinés" : " point dessiné") + " par set_pixel";
}

}  // namespace scripttexts

}  // namespace grafipix
