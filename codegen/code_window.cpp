// The three generate commands, the `Code` window's timer tick that runs the
// generator, and the progress strip.

#include <algorithm>

#include "codegen/generator.h"
#include "core/editor.h"
#include "models/model_table.h"

namespace grafipix {

namespace {

constexpr int stripcolumns = 221;

// Both commands: the window is brought to the front and generates again even
// when it is already open, so it never shows the text of another mode or of
// an older picture.
void generatecode(Editor& ed, CodeMode mode) {
    ed.codemode = mode;
    if (!ed.Code) {
        ed.Code.emplace();
        ed.Code->Label1 = codetexts::instruction(fxinterface);
    }
    ed.platform.showwindow(Window::Code);
    ed.platform.settimer(Timer::Code1, true, 1);
}

}  // namespace

void Editor::fline_Click() { generatecode(*this, CodeMode::fline); }

void Editor::drawstat_Click() { generatecode(*this, CodeMode::drawstat); }

void Editor::compact_Click() { generatecode(*this, CodeMode::compact); }

void Editor::Code_Unload() {
    Code.reset();
    platform.settimer(Timer::Code1, false, 1);
}

void Editor::Code_Timer1_Timer() {
    platform.settimer(Timer::Code1, false, 1);
    if (!Code) return;

    const Model& model = currentmodel();
    const std::string answer = platform.inputbox(codetexts::prompt(model.lastpicture), codetexts::prompttitle);
    const int pictnum = pictmemory(readpictnum(answer).value_or(0), model.lastpicture);
    if (!Code) return;  // closed while the prompt was open

    // A run again in an open window may follow a model change: the
    // instruction always names the link program of this text.
    Code->Label1 = codetexts::instruction(*model.flavour);
    Code->progress = 0;
    Program program = generateprogram(pixelgrid, codemode, *model.flavour, pictnum,
                                      [this](double done, double total) { showprogress(done, total); });
    Code->Text1 = std::move(program.text);
    Code->focus = true;
    Code->selstart = 0;
    Code->sellength = static_cast<int>(Code->Text1.size());
    Code->bytes = codetexts::estimate(program.bytesest);
}

void Editor::showprogress(double done, double total) {
    if (!Code || !(total > 0)) return;
    // Nothing is erased, so only the furthest column reached shows.
    const int n = static_cast<int>(std::clamp(stripcolumns * done / total, 0.0, double(stripcolumns)));
    Code->progress = std::max(Code->progress, n);
}

}  // namespace grafipix
