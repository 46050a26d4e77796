// SPDX-License-Identifier: GPL-3.0-or-later
// The three generate commands, the `Code` window's timer tick that runs the
// generator, the progress strip, the preview, and the files for the
// calculator: the program as text or as a .g1m, the drawing as a picture.

#include <algorithm>
#include <vector>

#include "formats/g1m.h"
#include "codegen/generator.h"
#include "codegen/python_script.h"
#include "codegen/tokens.h"
#include "app/editor.h"
#include "formats/memory_fit.h"
#include "formats/outputs.h"
#include "calculator/model_table.h"

namespace grafipix {

namespace {

constexpr int stripcolumns = 221;

const std::string nametitle = "Programme";

// The output of that name from the drawing and the text the window shows.
void saveoutput(Editor& ed, std::string_view output, std::string_view programname = g1m::defaultname, int picture = 1) {
    const std::vector<wincolour> own = ed.owncolours();
    saveoutput(ed, *findoutput(output),
               {.grid = ed.pixelgrid,
                .model = ed.currentmodel(),
                .program = ed.Code ? std::u16string_view(ed.Code->Text1) : std::u16string_view(),
                .programname = programname,
                .picture = picture,
                .bgkind = ed.bgkind,
                .palette = own});
}

// What the preview says under the screen: the real cost beside the estimate.
std::string previewinfo(const Tokens& t, const CalcRun& run) {
    if (!t.error.empty()) return "Ce programme ne passe pas sur la calculatrice : " + t.error + ".";
    std::string info = std::to_string(t.statements) + (t.statements > 1 ? " instructions, " : " instruction, ") +
                       std::to_string(programbodysize(static_cast<long>(t.bytes.size()))) + " octets sur la calculatrice";
    if (run.errorline) info += "\nLe programme s'arrête à la ligne " + std::to_string(run.errorline) + ".";
    return info;
}

// The models whose calculators take the output, by their menu captions.
std::string takers(const Editor& ed, const Output& output) {
    std::vector<std::string> names;
    for (const Model& m : models())
        if (output.takes(m)) names.push_back(ed.menu(m.name)->caption);
    // As a sentence lists them: "a, b et c".
    std::string out;
    for (size_t i = 0; i < names.size(); ++i) out += (i == 0 ? "" : i + 1 == names.size() ? " et " : ", ") + names[i];
    return out;
}

// The picture file the model's calculators take, nullptr for none.
const Output* pictureoutput(const Model& m) {
    const std::string_view kind = m.picturefile;
    return findoutput(kind == "g1m" ? "picture" : kind);
}

// The program file the model's calculators take; the .g1m's row, to say who
// takes it, on a model that takes none.
const Output& programoutput(const Model& m) {
    const Output* row = *m.calcfiles ? findoutput(m.calcfiles) : nullptr;
    return row ? *row : *findoutput("g1m");
}

// Both commands: the window is brought to the front and generates again even
// when it is already open, so it never shows the text of another mode or of
// an older picture.
void generatecode(Editor& ed, CodeMode mode) {
    ed.codemode = mode;
    if (!ed.Code) {
        ed.Code.emplace();
        ed.Code->Label1 = codetexts::instruction(fxinterface);
        ed.calcfilesstate();
    }
    ed.platform.showwindow(Window::Code);
    ed.platform.settimer(Timer::Code1, true, 1);
}

}  // namespace

void saveoutput(Editor& ed, const Output& row, const OutputSource& source, const std::string& filename) {
    std::string error;
    const std::string bytes = row.write(source, error);
    if (!error.empty()) {
        ed.platform.messagebox("Impossible d'écrire ce programme pour la calculatrice : " + error + ".");
        return;
    }
    const std::string path = ed.platform.savefile(row.filter(), filename.empty() ? row.filename(source) : filename);
    if (path.empty()) return;
    std::string reason;
    if (!ed.platform.savebytes(path, bytes, reason))
        ed.platform.messagebox("Impossible d'enregistrer « " + path + " » : " + reason + ".");
    // The Code window already says it of its program.
    else if (!row.fromprogram)
        if (const std::string line = memoryfit(row, source, bytes).line; !line.empty()) ed.platform.messagebox(line);
}

void Editor::fline_Click() { generatecode(*this, CodeMode::fline); }

void Editor::drawstat_Click() { generatecode(*this, CodeMode::drawstat); }

void Editor::compact_Click() { generatecode(*this, CodeMode::compact); }

void Editor::python_Click() { generatecode(*this, CodeMode::python); }

void Editor::Code_Unload() {
    Code.reset();
    platform.settimer(Timer::Code1, false, 1);
}

void Editor::Code_Timer1_Timer() {
    platform.settimer(Timer::Code1, false, 1);
    if (!Code) return;

    const Model& m = currentmodel();
    // A script draws the screen and stores no picture.
    const bool script = codemode == CodeMode::python;
    const std::string answer =
        script ? "0" : platform.inputbox(codetexts::prompt(m.lastpicture), codetexts::prompttitle);
    const int pictnum = pictmemory(readpictnum(answer).value_or(0), m.lastpicture);
    if (!Code) return;  // closed while the prompt was open

    // A run again in an open window may follow a model change: the
    // instruction always names the link program of this text.
    Code->Label1 = script ? scripttexts::instruction() : codetexts::instruction(*m.flavour);
    Code->progress = 0;
    Program program = generateprogram(pixelgrid, m, codemode, pictnum,
                                      [this](double done, double total) { showprogress(done, total); }, owncolours());
    Code->Text1 = std::move(program.text);
    Code->focus = true;
    Code->selstart = 0;
    Code->sellength = static_cast<int>(Code->Text1.size());
    if (script) {
        const std::string ascii(Code->Text1.begin(), Code->Text1.end());
        Code->bytes = scripttexts::size(ascii.size());
        Code->preview = scriptpixels(ascii, m);
        Code->previewinfo = scripttexts::previewinfo(Code->preview);
    } else {
        Code->bytes = codetexts::estimate(program.bytesest);
        Code->preview = runprogram(Code->Text1, m);
        Code->previewinfo = previewinfo(tokenize(Code->Text1, m), Code->preview);
        if (program.unnamed) Code->previewinfo += "\n" + codetexts::unnamed(program.unnamed, m.codes()) + ".";
    }
    const std::vector<wincolour> own = owncolours();
    const std::string ascii = script ? std::string(Code->Text1.begin(), Code->Text1.end()) : std::string();
    Code->toolarge = memoryfit(*findoutput(script ? "python" : "text"),
                               {.grid = pixelgrid, .model = m, .program = Code->Text1, .palette = own}, ascii).line;
    calcfilesstate();
}

void Editor::calcfilesstate() {
    const Model& m = currentmodel();
    const Output &text = *findoutput("text"), &program = programoutput(m);
    exportcalc.enabled = pictureoutput(m) != nullptr;
    if (!Code) return;
    // A script is saved by the text's button; the program files do not hold it.
    const bool script = codemode == CodeMode::python;
    const Output& saved = script ? *findoutput("python") : text;
    Code->savetext.caption = saved.caption;
    Code->savetext.tooltip = saved.tooltip;
    Code->savetext.enabled = saved.takes(m) && !Code->Text1.empty();
    Code->savecalc.enabled = !script && program.takes(m) && !Code->Text1.empty();
    Code->savecalc.tooltip = program.takes(m) ? program.tooltip
                                                  : std::string("La ") + menu(m.name)->caption +
                                                        " ne lit pas les fichiers " + program.extension +
                                                        " : seules les " + takers(*this, program) + " les lisent.";
}

void Editor::savetext_Click() {
    if (Code) saveoutput(*this, codemode == CodeMode::python ? "python" : "text");
}

void Editor::savecalc_Click() {
    if (!Code) return;
    std::string name = g1m::defaultname;
    for (;;) {
        const std::optional<std::string> answer = platform.inputboxwith(g1m::nameprompt(), nametitle, name);
        if (!answer || !Code) return;  // Cancel, or the window closed meanwhile
        name = *answer;
        if (g1m::validname(name)) break;
        platform.messagebox(g1m::badname(name));
    }
    saveoutput(*this, programoutput(currentmodel()).name, name);
}

void Editor::exportcalc_Click() {
    // Asked as the generator asks, over the 20 memories a file can name.
    const std::string answer = platform.inputbox(codetexts::prompt(g1m::lastpicture), codetexts::prompttitle);
    if (answer.empty()) return;
    const int number = pictmemory(readpictnum(answer).value_or(0), g1m::lastpicture);
    if (number == 0) {
        platform.messagebox("« " + answer + " » n'est pas un numéro de picture de 1 à 20 : rien n'est enregistré.");
        return;
    }
    if (const Output* picture = pictureoutput(currentmodel())) saveoutput(*this, picture->name, g1m::defaultname, number);
}

void Editor::showprogress(double done, double total) {
    if (!Code || !(total > 0)) return;
    // Nothing is erased, so only the furthest column reached shows.
    const int n = static_cast<int>(std::clamp(stripcolumns * done / total, 0.0, double(stripcolumns)));
    Code->progress = std::max(Code->progress, n);
}

}  // namespace grafipix
