// The two generate commands, the `Code` window's timer tick that runs the
// generator, and the progress strip.

#include "codegen/generator.h"

#include <algorithm>
#include <limits>

#include "codegen/drawstat.h"
#include "codegen/program_text.h"
#include "codegen/scan.h"
#include "core/editor.h"

namespace grafipix {

namespace {

constexpr int stripcolumns = 221;

bool isdigit(char ch) { return ch >= '0' && ch <= '9'; }
bool isblank(char ch) { return ch == ' ' || ch == '\t'; }

// Both commands: the window is brought to the front and generates again even
// when it is already open, so it never shows the text of another mode or of
// an older picture.
void generatecode(Editor& ed, float mode) {
    ed.codemode = mode;
    if (!ed.Code) {
        ed.Code.emplace();
        ed.Code->Label1 = codetexts::fxinstruction;
    }
    ed.platform.showwindow(Window::Code);
    ed.platform.settimer(Timer::Code1, true, 1);
}

}  // namespace

int16_t readpictnum(std::string_view s) {
    size_t i = 0, end = s.size();
    while (i < end && isblank(s[i])) ++i;
    while (end > i && isblank(s[end - 1])) --end;
    bool negative = false;
    if (i < end && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    // Capped well above the 16-bit range: the cap keeps the verdict "too large".
    long whole = 0;
    int digits = 0;
    for (; i < end && isdigit(s[i]); ++i, ++digits) whole = std::min(whole * 10 + (s[i] - '0'), 1000000L);
    int firstdecimal = 0;
    bool morebeyond = false;
    if (i < end && (s[i] == '.' || s[i] == ',')) {
        for (int place = 0; ++i < end && isdigit(s[i]); ++place, ++digits) {
            if (place == 0) firstdecimal = s[i] - '0';
            else morebeyond = morebeyond || s[i] != '0';
        }
    }
    if (i != end || digits == 0) return 0;
    // Decided on the digits themselves, so 2.5 is exactly a tie.
    if (firstdecimal > 5 || (firstdecimal == 5 && (morebeyond || whole % 2 == 1))) ++whole;
    const long value = negative ? -whole : whole;
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) return 0;
    return static_cast<int16_t>(value);
}

void Editor::fline_Click() { generatecode(*this, 1.0f); }

void Editor::drawstat_Click() { generatecode(*this, 2.0f); }

void Editor::Code_Unload() {
    Code.reset();
    platform.settimer(Timer::Code1, false, 1);
}

void Editor::Code_Timer1_Timer() {
    platform.settimer(Timer::Code1, false, 1);
    if (!Code) return;

    const bool blueink = inkcolor == 1;
    int pictnum = readpictnum(platform.inputbox(blueink ? codetexts::promptsix : codetexts::prompttwenty,
                                                codetexts::prompttitle));
    pictnum = std::min(pictnum, blueink ? 6 : 20);
    if (pictnum < 0) pictnum = 1;
    if (!Code) return;  // closed while the prompt was open

    const bool fa = g85.checked;
    const Flavour& flavour = fa ? fa124 : fxinterface;
    // A run again in an open window may follow a model change: the
    // instruction always names the link program of this text.
    Code->Label1 = fa ? codetexts::fa124instruction : codetexts::fxinstruction;
    Code->progress = 0;

    std::u16string text = u"ClrGraph";
    endline(text, flavour.eolmark);
    text += u"ViewWindow 1,127,0,1,63,0";
    endline(text, flavour.eolmark);

    PointLists points;
    scanimage(pixelgrid, codemode, flavour.eolmark, text, points,
              [this](double done, double total) { showprogress(done, total); });

    // Whole parts of 0.7 x and 0.8 x, taken in integers so that 0.7 x 90 is 63.
    long bytesest = 0;
    if (codemode == 1.0f) bytesest = static_cast<long>(text.size()) * 7 / 10;
    if (codemode == 2.0f) {
        for (int c = ink; c <= orange; ++c) emitdrawstat(points, c, flavour, text);
        const long inkpoints = points.pointcount(ink);
        bytesest = (static_cast<long>(text.size()) + (inkpoints >= blockpoints ? 5100 : 20 * inkpoints)) * 8 / 10;
    }
    if (pictnum != 0) {
        text += u"StoPict ";
        appendnumber(text, pictnum);
        bytesest += 4096;
    }

    Code->Text1 = std::move(text);
    Code->focus = true;
    Code->selstart = 0;
    Code->sellength = static_cast<int>(Code->Text1.size());
    Code->bytes = codetexts::bytesbefore + std::to_string(bytesest) + codetexts::bytesafter;
}

void Editor::showprogress(double done, double total) {
    if (!Code || !(total > 0)) return;
    // Nothing is erased, so only the furthest column reached shows.
    const int n = static_cast<int>(std::clamp(stripcolumns * done / total, 0.0, double(stripcolumns)));
    Code->progress = std::max(Code->progress, n);
}

}  // namespace grafipix
