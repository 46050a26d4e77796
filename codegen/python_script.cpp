// SPDX-License-Identifier: GPL-3.0-or-later
#include "codegen/python_script.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "calculator/model_table.h"
#include "codegen/python_parts.h"

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
    explicit Packing(int colours, int columns) {
        bits = colours <= 2 ? 1 : colours <= 4 ? 2 : 3;  // more colours go packed
        cellsperchar = 6 / bits;
        charsperrow = (columns + cellsperchar - 1) / cellsperchar;
    }
    int mask() const { return (1 << bits) - 1; }
};

// '!', then '#' to '[', then ']' to '~'; the script's table takes the same sum.
char symbolchar(int v) { return static_cast<char>(33 + v + (v > 0) + (v > 57)); }
const std::string symbolslot = "T[33+v+(v>0)+(v>57)]";
int charsymbol(char ch) {
    const int o = static_cast<unsigned char>(ch);
    if (o < '!' || o > '~' || o == '"' || o == '\\') return -1;
    return o - 33 - (o > 34) - (o > 92);
}

using pythonparts::tuple, pythonparts::digit, pythonparts::digitvalue;

std::string indented(const std::string& lines) {
    std::string out;
    for (const char ch : lines) out += ch == '\n' ? "\n " : std::string(1, ch);
    return " " + out.substr(0, out.size() - 1);
}

using Codes = std::vector<std::vector<int>>;
using Colours = std::vector<wincolour>;

// The screen's codes from 0, 0 for the back colour; a code past the colours is the ink.
Codes codesof(const Grid& grid, int colours) {
    Codes codes(grid.rows(), std::vector<int>(grid.columns()));
    for (int y = 1; y <= grid.rows(); ++y)
        for (int x = 1; x <= grid.columns(); ++x) {
            const int code = grid.get(x, y);
            codes[y - 1][x - 1] = code < 0 ? 0 : code < colours ? code : 1;
        }
    return codes;
}

std::string encoderows(const Codes& codes, const Packing& p) {
    std::string data, previous;
    size_t kept = 0;  // up to the last row with a drawn cell
    for (size_t y = 0; y < codes.size(); ++y) {
        const std::vector<int>& line = codes[y];
        std::string row;
        int skip = 0;
        for (int c = 0; c < p.charsperrow; ++c) {
            int v = 0;
            for (int i = 0; i < p.cellsperchar; ++i)
                if (const size_t x = size_t(c * p.cellsperchar + i); x < line.size()) v |= line[x] << (i * p.bits);
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
            if (y > 0) data += rowend;
            data += row;
        }
        if (!row.empty()) kept = data.size();
        previous = std::move(row);
    }
    data.resize(kept);
    return data;
}

// Bytes literals of the data, a script line each lineroom characters.
std::string literals(const std::string& data) {
    std::string s = "b\"";
    for (size_t at = 0; at < data.size(); at += lineroom) s += (at ? "\"\nb\"" : "") + data.substr(at, lineroom);
    return s + "\"";
}

const std::string ending = "clear_screen()\ndraw()\nshow_screen()\n";

std::string rowsscript(const Codes& codes, const Colours& colours) {
    const Packing p(int(colours.size()), codes.empty() ? 0 : int(codes[0].size()));
    const bool ink = colours.size() <= 2;
    std::string s = "from casioplot import *\n";
    if (!ink) {
        s += "C=(None";
        for (size_t code = 1; code < colours.size(); ++code) s += "," + tuple(colours[code]);
        // Every pattern the table is built for names a colour, drawn or not.
        for (size_t code = colours.size(); code < size_t(1) << p.bits; ++code) s += ",None";
        s += ")\n";
    }
    s += "D=(" + literals(encoderows(codes, p)) + ")\n";
    const auto n = [](int v) { return std::to_string(v); };
    const int k = p.cellsperchar;
    const std::string advance = "v*" + n(k) + "-" + n((patterns - 1) * k) + " if v>" + n(patterns - 1) + " else " + n(k);
    // Per symbol what it draws and how far it moves along the row. Every name
    // a local: MicroPython spends little beyond the set_pixel calls themselves.
    std::string offsets, table, cells;
    if (ink) {
        // One colour: the x offsets of the drawn cells, a shorter script. The
        // lists of offsets doubled bit by bit, faster than one per pattern.
        offsets = " P=[[]]\n"
                  " for i in range(" + n(k) + "):P+=[p+[i] for p in P]\n"
                  " P+=[[]]*" + n(symbols - patterns) + "\n";
        table = symbolslot + "=P[v]," + advance;
        cells = "   d,n=T[h]\n"
                "   for i in d:s(x+i,y,c)\n";
    } else {
        // Per cell the function to call and its colour: set_pixel, or for the
        // back colour a built-in that does nothing, as a test of a colour
        // costs more than that call. The cells unrolled: fastest on the big screen.
        table = "\n  e=[]\n"
                "  for i in range(" + n(k) + "):c=C[(v<" + n(patterns) + ")*(v>>i*" + n(p.bits) + "&" + n(p.mask()) +
                ")];e+=[c and s or o,c]\n"
                "  " + symbolslot + "=e+[" + advance + "]";
        std::string unpack;
        for (int i = 0; i < k; ++i) {
            unpack += "f" + n(i) + ",c" + n(i) + ",";
            cells += "   f" + n(i) + "(x" + (i ? "+" + n(i) : "") + ",y,c" + n(i) + ")\n";
        }
        cells = "   " + unpack + "n=T[h]\n" + cells;
    }
    s += "def draw():\n"
         " s=set_pixel;T=[0]*127;y=0" + (ink ? ";c=" + tuple(colours[1]) : ";o=\"\".format") + "\n"
         + offsets +
         " for v in range(" + n(symbols) + "):" + table + "\n"
         " for r in D.split(b\"" + rowend + "\"):\n"
         "  if r[:1]!=b\"" + samerow + "\":q=r;r=b\"" + samerow + "\"\n"
         "  for _ in r:\n"
         "   x=0\n"
         "   for h in q:\n" + indented(cells) +
         "    x+=n\n"
         "   y+=1\n" + ending;
    return s;
}

// Packed, for more colours than eight: each row's codes as one stream of as
// many bits as the colours need, 13 bits in every two base-91 digits (91 x 91
// > 8192), the last pair padded with the back colour. As 13 is prime, b pairs
// hold exactly 13 codes of b bits: the decoder takes them a period at a time,
// its 13 cells unrolled, and what is left of a period code by code. '!' and a
// digit d skip d cells and start the stream afresh, for gaps longer than their
// codes; rows are the tuple's bytes, empty rows b"", the empty ones at the end
// left out.
constexpr int pairbits = 13;
constexpr char skipmark = '!';
constexpr size_t packedroom = 250;  // characters per script line
constexpr int tuplesperline = 16;

int bitsfor(int colours) {
    int bits = 1;
    while ((1 << bits) < colours) ++bits;
    return bits;
}
// The cells a stream of `cells` codes decodes to, its padding included.
int decodedcells(int cells, int bits) { return (cells * bits + pairbits - 1) / pairbits * pairbits / bits; }

std::string packedrow(const std::vector<int>& line, int bits) {
    const int w = int(line.size());
    const auto drawnfrom = [&](int i) {
        while (i < w && line[i] == 0) ++i;
        return i;
    };
    const auto worth = [&](int gap) { return gap * bits > 2 * pairbits; };
    std::string row;
    const auto skip = [&](int cells) {
        do {
            const int d = std::min(cells, pythonparts::base - 1);
            row += {skipmark, digit(d)};
            cells -= d;
        } while (cells > 0);
    };
    int x = 0;  // where the decoder stands
    for (int t = drawnfrom(0); t < w;) {
        if (worth(t - x)) skip(t - x), x = t;
        // The stream from x goes on over gaps too short to skip, or that its padding would overrun.
        int end = t;
        for (;;) {
            while (end < w && line[end]) ++end;
            const int next = drawnfrom(end);
            if (next == w || (worth(next - end) && x + decodedcells(end - x, bits) <= next)) {
                t = next;
                break;
            }
            end = next;
        }
        uint32_t stream = 0;
        int held = 0;
        const auto put = [&](uint32_t v) { row += {digit(int(v / pythonparts::base)), digit(int(v % pythonparts::base))}; };
        for (int i = x; i < end; ++i) {
            stream = stream << bits | uint32_t(line[i]), held += bits;
            if (held >= pairbits) held -= pairbits, put(stream >> held), stream &= (1u << held) - 1;
        }
        if (held > 0) put(stream << (pairbits - held));
        x += decodedcells(end - x, bits);
        if (t < w) skip(t - x), x = t;
    }
    return row;
}

std::string packedscript(const Codes& codes, const Colours& colours) {
    const int bits = bitsfor(int(colours.size()));
    std::string s = "from casioplot import *\nC=(None,";
    for (size_t code = 1; code < colours.size(); ++code)
        s += ((code - 1) % tuplesperline ? "" : "\n") + tuple(colours[code]) + ",";
    s += "\n)\nP=(\n";
    std::vector<std::string> rows;
    for (const auto& line : codes) rows.push_back(packedrow(line, bits));
    while (!rows.empty() && rows.back().empty()) rows.pop_back();
    std::string line;
    for (const std::string& row : rows) {
        if (line.size() + 5 > packedroom) s += line + "\n", line.clear();
        line += "b\"";
        size_t at = 0;
        for (; line.size() + (row.size() - at) + 2 > packedroom; line = "b\"") {
            const size_t take = packedroom - line.size() - 1;
            s += line + row.substr(at, take) + "\"\n";
            at += take;
        }
        line += row.substr(at) + "\",";
    }
    if (!line.empty()) s += line + "\n";
    // A period: the b pairs' values, then each cell from the bits it spans of one or two of them.
    const auto n = [](int v) { return std::to_string(v); };
    std::string pairs, cells;
    for (int p = 0; p < bits; ++p)
        pairs += (p ? ";v" : "v") + n(p) + "=U[q[i" + (p ? "+" + n(2 * p) : "") + "]]+T[q[i+" + n(2 * p + 1) + "]]";
    for (int c = 0; c < pairbits; ++c) {
        const int first = c * bits, last = first + bits, p = first / pairbits, end = (p + 1) * pairbits;
        std::string code;
        if (last <= end)
            code = "v" + n(p) + (last < end ? ">>" + n(end - last) : "") + (first > p * pairbits ? "&" + n((1 << bits) - 1) : "");
        else
            code = "(v" + n(p) + "&" + n((1 << (end - first)) - 1) + ")<<" + n(last - end) + "|v" + n(p + 1) + ">>" + n(end + pairbits - last);
        cells += "    f,c=E[" + code + "];f(x" + (c ? "+" + n(c) : "") + ",y,c)\n";
    }
    return s + ")\n"
               "def draw():\n"
               " s=set_pixel;o=\"\".format;T=[0]*127;y=0;a=0\n"
               " " + pythonparts::digittable("T", "v") + "\n"
               " U=[v*91 for v in T]\n"
               // Per code the function to call and its colour, the back colour's doing nothing.
               " E=[(c and s or o,c) for c in C]\n"
               " for r in P:\n"
               "  x=0;j=0\n"
               "  for q in r.split(b\"" + skipmark + "\"):\n"
               "   x+=j and T[q[0]]\n"
               "   m=len(q)-(len(q)-j)%" + n(2 * bits) + "\n"
               "   for i in range(j,m," + n(2 * bits) + "):\n"
               "    " + pairs + "\n" + cells +
               "    x+=" + n(pairbits) + "\n"
               "   k=0\n"
               "   for i in range(m,len(q)-1,2):\n"
               "    a=(a&255)<<13|U[q[i]]+T[q[i+1]];k+=13\n"
               "    while k>=" + n(bits) + ":\n"
               "     k-=" + n(bits) + ";f,c=E[a>>k&" + n((1 << bits) - 1) + "];f(x,y,c);x+=1\n"
               "   j=1\n"
               "  y+=1\n" + ending;
}

// Strokes: each colour's cells as straight runs, across or down, each cell in
// exactly one; a run is two characters, the x step from the previous run's
// start in the row, then across 1 to 45 cells (0 to 44) or down 0 to 45 (45
// to 90). Down 0 only moves along. Far shorter than rows for outlines.
constexpr int strokesymbols = symbols - 1;  // without '!', which ends a row
constexpr int across = 45, longest = 45;
char strokechar(int v) { return symbolchar(v + 1); }
int charstroke(char ch) { return charsymbol(ch) - 1; }
const std::string strokeslot = "T[35+v+(v>56)]";  // symbolchar(v + 1)

// A stroke costs the decoder about what five set_pixel calls do: shorter
// strokes on average run slower than half again a bare loop of the calls.
constexpr long fewestcellsperstroke = 10;

// Each colour's data, by code; none once it takes more than `room` characters
// or its strokes are too short to draw fast.
std::optional<std::vector<std::string>> encodestrokes(const Codes& codes, int colours, size_t room) {
    const int rows = int(codes.size()), columns = rows ? int(codes[0].size()) : 0;
    // A cell goes across when its row's run of its colour is at least as long as its column's.
    std::vector<int> wide(size_t(rows) * columns), tall(wide.size());
    for (int y = 0; y < rows; ++y)
        for (int x = 0, end; x < columns; x = end) {
            for (end = x + 1; end < columns && codes[y][end] == codes[y][x];) ++end;
            std::fill(wide.begin() + y * columns + x, wide.begin() + y * columns + end, end - x);
        }
    for (int x = 0; x < columns; ++x)
        for (int y = 0, end; y < rows; y = end) {
            for (end = y + 1; end < rows && codes[end][x] == codes[y][x];) ++end;
            for (int i = y; i < end; ++i) tall[i * columns + x] = end - y;
        }
    // 1 across, 2 down, 0 the back colour; a run goes on while its colour and way do.
    const auto way = [&](int x, int y) { return codes[y][x] ? 1 + (wide[y * columns + x] < tall[y * columns + x]) : 0; };
    const auto same = [&](int x, int y, int x1, int y1) {
        return x1 < columns && y1 < rows && codes[y1][x1] == codes[y][x] && way(x1, y1) == way(x, y);
    };
    std::vector<std::vector<std::vector<std::pair<int, int>>>> starts(colours, decltype(starts)::value_type(rows));
    size_t characters = 0;  // of the strokes alone, without the rows' ends
    long strokes = 0, cells = 0;
    for (int y = 0; y < rows; ++y) {
        if (characters > room) return std::nullopt;
        for (int x = 0; x < columns; ++x) {
            auto& into = starts[codes[y][x]];
            cells += codes[y][x] != 0;
            if (way(x, y) == 1 && !(x > 0 && same(x, y, x - 1, y))) {
                int end = x + 1;
                while (same(x, y, end, y)) ++end;
                for (int at = x; at < end; at += across, characters += 2, ++strokes)
                    into[y].push_back({at, std::min(end - at, across) - 1});
            } else if (way(x, y) == 2 && !(y > 0 && same(x, y, x, y - 1))) {
                int end = y + 1;
                while (same(x, y, x, end)) ++end;
                for (int at = y; at < end; at += longest, characters += 2, ++strokes)
                    into[at].push_back({x, across + std::min(end - at, longest)});
            }
        }
    }
    if (cells < fewestcellsperstroke * strokes) return std::nullopt;
    std::vector<std::string> out(colours);
    for (int code = 1; code < colours; ++code) {
        std::string& data = out[code];
        size_t kept = 0;
        for (int y = 0; y < rows; ++y) {
            if (y > 0) data += rowend;
            std::ranges::sort(starts[code][y]);
            int x = 0;
            for (const auto& [at, symbol] : starts[code][y]) {
                for (; at - x > strokesymbols - 1; x += strokesymbols - 1)
                    data += {strokechar(strokesymbols - 1), strokechar(across)};  // a move
                data += {strokechar(at - x), strokechar(symbol)};
                x = at;
            }
            if (!starts[code][y].empty()) kept = data.size();
        }
        data.resize(kept);
    }
    return out;
}

// None when its strokes alone take more than `room` characters, or are short.
std::optional<std::string> strokesscript(const Codes& codes, const Colours& colours, size_t room) {
    std::string s = "from casioplot import *\nL=(\n";
    const auto data = encodestrokes(codes, int(colours.size()), room);
    if (!data) return std::nullopt;
    for (size_t code = 1; code < colours.size(); ++code)
        if (!(*data)[code].empty())
            s += "(" + tuple(colours[code]) + "," + literals((*data)[code]) + "),\n";
    return s + ")\n"
               "def draw():\n"
               " s=set_pixel;T=[0]*127\n"
               " for v in range(" + std::to_string(strokesymbols) + "):" + strokeslot + "=v\n"
               " for c,d in L:\n"
               "  y=0\n"
               "  for r in d.split(b\"" + rowend + "\"):\n"
               "   x=0\n"
               "   for i in range(0,len(r),2):\n"
               "    x+=T[r[i]];n=T[r[i+1]]\n"
               "    if n<" + std::to_string(across) + ":\n"
               "     for j in range(x,x+n+1):s(j,y,c)\n"
               "    else:\n"
               "     for j in range(y,y+n-" + std::to_string(across) + "):s(x,j,c)\n"
               "   y+=1\n" + ending;
}

// The characters inside the bytes literals of `text`; false on anything else
// between them but the literals' b and the line ends.
bool literaldata(std::string_view text, std::string& data, std::string& error) {
    bool inside = false;
    for (const char ch : text) {
        if (ch == '"') inside = !inside;
        if (ch == '"' || (!inside && (ch == '\n' || ch == 'b'))) continue;
        if (!inside || charsymbol(ch) < 0) {
            error = std::string("caractère « ") + ch + " » inattendu";
            return false;
        }
        data += ch;
    }
    return true;
}

// Every (r,g,b) tuple in `text`, in order, onto `into`.
void tuplesin(std::string_view text, std::vector<wincolour>& into) {
    for (size_t at = text.find('('); at < text.size(); at = text.find('(', at + 1)) {
        int r = 0, g = 0, b = 0;
        if (std::sscanf(std::string(text.substr(at, 14)).c_str(), "(%d,%d,%d)", &r, &g, &b) == 3) into.push_back(rgbcolour(r, g, b));
    }
}

void readrows(std::string_view script, CalcRun& run) {
    // The colours as the script names them: C's tuples after None, or one ink.
    const size_t named = script.find("\nC=(None");
    if (named != script.npos) {
        tuplesin(script.substr(named, script.find(")\n", named) - named), run.colours);
    } else if (const size_t ink = script.find(";c=("); ink != script.npos) {
        int r = 0, g = 0, b = 0;
        std::sscanf(std::string(script.substr(ink, 20)).c_str(), ";c=(%d,%d,%d)", &r, &g, &b);
        run.colours.push_back(rgbcolour(r, g, b));
    }
    run.colours.insert(run.colours.begin(), whiteback);
    const Packing p(int(run.colours.size()), run.columns);
    const size_t start = script.find("\nD=(");
    const size_t end = start == script.npos ? script.npos : script.find(")\n", start);
    std::string data;
    if (end == script.npos) run.error = "pas de données";
    if (end == script.npos || !literaldata(script.substr(start + 4, end - start - 4), data, run.error)) return;
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
}

void readpacked(std::string_view script, CalcRun& run) {
    const size_t start = script.find("\nP=(\n"), end = start == script.npos ? script.npos : script.find("\n)\n", start);
    if (end == script.npos) {
        run.error = "pas de données";
        return;
    }
    run.colours = {whiteback};
    const size_t named = std::min(script.find("\nC=(None"), start);
    tuplesin(script.substr(named, start - named), run.colours);
    const int bits = bitsfor(int(run.colours.size()));
    std::vector<std::string> rows(1);
    bool inside = false;
    for (const char ch : script.substr(start + 5, end - start - 4)) {
        if (ch == '"') inside = !inside;
        else if (inside && (ch == skipmark || digitvalue(ch) >= 0)) rows.back() += ch;
        else if (!inside && ch == ',') rows.emplace_back();
        else if (inside || (ch != 'b' && ch != '\n')) {
            run.error = std::string("caractère « ") + ch + " » inattendu";
            return;
        }
    }
    for (size_t y = 0; y < rows.size(); ++y) {
        const std::string& r = rows[y];
        int x = 0;
        for (size_t i = 0; i < r.size();) {
            if (r[i] == skipmark) {
                x += i + 1 < r.size() ? digitvalue(r[i + 1]) : 0;
                i += 2;
            }
            uint32_t stream = 0;
            int held = 0;
            for (; i + 1 < r.size() && r[i] != skipmark; i += 2) {
                stream = (stream & 255) << pairbits | uint32_t(digitvalue(r[i]) * pythonparts::base + digitvalue(r[i + 1]));
                for (held += pairbits; held >= bits; ++x)
                    if (const int code = int(stream >> (held -= bits) & ((1u << bits) - 1));
                        code && size_t(code) < run.colours.size() && int(y) < run.rows && x < run.columns)
                        run.screen[y + 1][x + 1] = code;
            }
            if (i + 1 == r.size() && r[i] != skipmark) ++i;  // an odd digit out, as the script leaves it
        }
    }
}

void readstrokes(std::string_view script, CalcRun& run) {
    run.colours = {whiteback};
    size_t at = script.find("\nL=(\n");
    const size_t end = at == script.npos ? script.npos : script.find("\n)\n", at);
    if (end == script.npos) {
        run.error = "pas de données";
        return;
    }
    for (at += 5; at < end + 1;) {
        const size_t stop = script.find("),\n", at);
        int r = 0, g = 0, b = 0, used = 0;
        std::string data;
        const std::string entry(script.substr(at, std::min(stop, end + 1) - at));  // (colour,b"..."...b"...")
        if (stop > end + 1 || std::sscanf(entry.c_str(), "((%d,%d,%d),%n", &r, &g, &b, &used) != 3 ||
            !literaldata(std::string_view(entry).substr(used), data, run.error)) {
            if (run.error.empty()) run.error = "couleur illisible";
            return;
        }
        at = stop + 3;
        const int code = int(run.colours.size());
        run.colours.push_back(rgbcolour(r, g, b));
        int y = 0, x = 0;
        for (size_t i = 0; i < data.size(); ++i) {
            if (data[i] == rowend) {
                ++y, x = 0;
                continue;
            }
            if (i + 1 >= data.size() || data[i + 1] == rowend) {
                run.error = "trait incomplet";
                return;
            }
            x += charstroke(data[i]);
            const int n = charstroke(data[++i]);
            for (int j = 0; j < (n < across ? n + 1 : n - across); ++j)
                if (const int cx = n < across ? x + j : x, cy = n < across ? y : y + j; cx < run.columns && cy < run.rows)
                    run.screen[cy + 1][cx + 1] = code;
        }
    }
}

}  // namespace

std::string pythonscript(const Grid& grid, const Model&, const Colours& colours) {
    Codes codes = codesof(grid, int(colours.size()));
    Colours named = colours;
    if (colours.size() > 8) {
        // A free palette names only the colours its cells use, in code order.
        std::vector<int> renumbered(colours.size(), 0);
        for (const auto& line : codes)
            for (const int code : line) renumbered[size_t(code)] = code != 0;
        named = {colours[0]};
        for (size_t code = 1; code < colours.size(); ++code)
            if (renumbered[code]) renumbered[code] = int(named.size()), named.push_back(colours[code]);
        for (auto& line : codes)
            for (int& code : line) code = renumbered[size_t(code)];
    }
    std::string rows = named.size() > 8 ? packedscript(codes, named) : rowsscript(codes, named);
    std::optional<std::string> strokes = strokesscript(codes, named, rows.size());
    return strokes && strokes->size() < rows.size() ? *strokes : rows;
}

CalcRun scriptpixels(std::string_view script, const Model& model) {
    CalcRun run;
    run.columns = model.screen.columns, run.rows = model.screen.rows;
    run.screen.assign(run.rows + 1, std::vector<int>(run.columns + 1, 0));
    if (script.find("\nL=(\n") != script.npos) readstrokes(script, run);
    else if (script.find("\nP=(\n") != script.npos) readpacked(script, run);
    else readrows(script, run);
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
