#include "codegen/python_script.h"

#include <algorithm>
#include <vector>

#include "calculator/model_table.h"

namespace grafipix {

namespace {

constexpr int patterns = 1 << 6;
constexpr int symbols = '~' - '!' - 1;  // '!' to '~' without '"' and '\', so the literal needs no escape
constexpr int longestskip = symbols - patterns + 1;
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

std::string encode(const Grid& grid, const Model& model, const Packing& p) {
    std::string data;
    int skip = 0;
    const auto flushskip = [&] {
        for (; skip > 0; skip -= std::min(skip, longestskip))
            data += symbolchar(skip == 1 ? 0 : std::min(skip, longestskip) + patterns - 2);
    };
    for (int y = 1; y <= grid.rows(); ++y)
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
            flushskip();
            data += symbolchar(v);
        }
    return data;  // a skip at the end draws nothing, so it is left out
}

}  // namespace

std::string pythonscript(const Grid& grid, const Model& model) {
    const Packing p(model, grid.columns());
    const std::string data = encode(grid, model, p);
    std::string s = "from casioplot import *\nC=(None";
    for (int code = 1; code < model.codes(); ++code) s += "," + colourtuple(model.palette[code].button->colour);
    s += ")\nD=(b\"";
    for (size_t at = 0; at < data.size(); at += lineroom) s += (at ? "\"\nb\"" : "") + data.substr(at, lineroom);
    const auto n = [](int v) { return std::to_string(v); };
    const int k = p.cellsperchar, rowwidth = p.charsperrow * k;
    // Per symbol, the colours of its cells (None for the back colour) and how
    // far it moves along the padded rows. One flat loop over the bytes, every
    // name a local, the cells unrolled: MicroPython spends little beyond the
    // set_pixel calls themselves.
    std::string cells, unpack;
    for (int i = 0; i < k; ++i) {
        unpack += "c" + n(i) + ",";
        cells += "  if c" + n(i) + ":s(x" + (i ? "+" + n(i) : "") + ",y,c" + n(i) + ")\n";
    }
    s += "\")\n"
         "def draw():\n"
         " s=set_pixel;T=[0]*127;x=0;y=0\n"
         " for v in range(" + n(symbols) + "):\n"
         "  T[33+v+(v>0)+(v>57)]=tuple(C[(v<" + n(patterns) + ")*(v>>i*" + n(p.bits) + "&" + n(p.mask()) + ")] for i in range(" +
         n(k) + "))+(v*" + n(k) + "-" + n((patterns - 2) * k) + " if v>" + n(patterns - 1) + " else " + n(k) + ",)\n"
         " for h in D:\n"
         "  " + unpack + "n=T[h]\n" + cells +
         "  x+=n\n"
         "  while x>=" + n(rowwidth) + ":x-=" + n(rowwidth) + ";y+=1\n"
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
    long q = 0;
    bool inside = false;
    for (const char ch : script.substr(start + 4, end - start - 4)) {
        if (ch == '"') inside = !inside;
        if (ch == '"' || (!inside && (ch == '\n' || ch == 'b'))) continue;
        const int v = inside ? charsymbol(ch) : -1;
        if (v < 0) {
            run.error = std::string("caractère « ") + ch + " » inattendu";
            return run;
        }
        if (v >= patterns) {
            q += v - patterns + 2;
            continue;
        }
        const int y = static_cast<int>(q / p.charsperrow) + 1, x = static_cast<int>(q % p.charsperrow) * p.cellsperchar + 1;
        for (int i = 0; i < p.cellsperchar; ++i)
            if (const int code = v >> (i * p.bits) & p.mask(); code && y <= run.rows && x + i <= run.columns)
                run.screen[y][x + i] = code;
        ++q;
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
