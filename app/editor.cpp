// The editor's construction from the control tables, the event funnel, the
// start-up, "Nouveau", "Quitter", the about entry and the two background entries.

#include "app/editor.h"

#include "app/main_controls.h"
#include "document/texts.h"
#include "app/colour_buttons.h"
#include "tools/tool_table.h"

namespace grafipix {

Editor::Editor(Platform& p) : Drawing(p), platform(p), toolbuttons(toolrows().size()) {
    for (const MenuRow& m : menutree()) this->*m.entry = MenuEntry{m.caption, m.enabled, m.checked};
    for (const ColourButton& b : colourbuttons()) this->*b.button = Button{b.visible, b.backcolor};
    for (const LabelRow& l : mainlabels()) (this->*l.label).caption = l.caption ? l.caption : "";
    Label5.caption = texts::credit;
    Label6.caption = texts::website;
}

// ---- the event funnel ----

// Steps of undo are closed here, so no handler needs to know of them: the
// changes of one event make one step, except that a running stroke gathers
// the canvas events up to the click that stops it. Any other event ends the
// stroke's step first, so a command in the middle of a stroke is a step of its own.
bool Editor::handle(const Event& e) {
    const bool canvas = e.kind == Event::Kind::mousedown || e.kind == Event::Kind::mousemove;
    if (!canvas) history.close(pixelgrid, marks());
    bool taken = true;
    switch (e.kind) {
        case Event::Kind::load: Main_Load(); newhistory(); break;
        case Event::Kind::click: taken = click(e.control); break;
        case Event::Kind::mousedown: Picture1_MouseDown(e.button, e.shift, e.x, e.y); break;
        case Event::Kind::mousemove: Picture1_MouseMove(e.button, e.shift, e.x, e.y); break;
        case Event::Kind::tick: e.timer == Timer::Code1 ? Code_Timer1_Timer() : Timer1_Timer(); break;
        case Event::Kind::unload: e.window == Window::Code ? Code_Unload() : Main_Unload(); break;
        case Event::Kind::key: taken = keypress(e.control); break;
    }
    // A stroke under way is already a new action: nothing left to redo.
    const bool open = canvas && strokerunning();
    if (!open) history.close(pixelgrid, marks());
    const bool pending = open && history.pending(pixelgrid);
    undo.enabled = history.undoable() > 0 || pending;
    redo.enabled = history.redoable() > 0 && !pending;
    return taken;
}

bool Editor::click(std::string_view name) {
    // A menu entry can be chosen while it and every menu above it are enabled.
    bool open[3] = {};
    for (const MenuRow& m : menutree()) {
        open[m.depth] = (this->*m.entry).enabled && (m.depth == 0 || open[m.depth - 1]);
        if (name != m.name) continue;
        if (!open[m.depth] || !m.click) return false;
        (this->*m.click)();
        return true;
    }
    for (const ColourButton& b : colourbuttons())
        if (name == b.name) {
            if (!(this->*b.button).visible) return false;
            (this->*b.click)();
            return true;
        }
    if (name == "savetext" || name == "savecalc") {
        const bool text = name == "savetext";
        if (!Code || !(text ? Code->savetext : Code->savecalc).enabled) return false;
        text ? savetext_Click() : savecalc_Click();
        return true;
    }
    const ToolRow* tool = findtool(name);
    if (!tool || !button(name)->visible) return false;
    choosetool(*tool);
    return true;
}

// ---- the controls by name ----

MenuEntry* Editor::menu(std::string_view name) {
    for (const MenuRow& m : menutree())
        if (name == m.name) return &(this->*m.entry);
    return nullptr;
}

const MenuEntry* Editor::menu(std::string_view name) const { return const_cast<Editor*>(this)->menu(name); }

Button* Editor::button(std::string_view name) {
    for (const ColourButton& b : colourbuttons())
        if (name == b.name) return &(this->*b.button);
    for (size_t i = 0; i < toolrows().size(); ++i)
        if (name == toolrows()[i].button) return &toolbuttons[i];
    return nullptr;
}

const Button* Editor::button(std::string_view name) const { return const_cast<Editor*>(this)->button(name); }

const Label* Editor::label(std::string_view name) const {
    for (const LabelRow& l : mainlabels())
        if (name == l.name) return &(this->*l.label);
    return nullptr;
}

// ---- application shell ----

void Editor::Main_Load() {
    platform.showwindow(Window::Preview);
    platform.hidewindow(Window::Main);
    platform.settimer(Timer::Main1, true, 1000);
    doc.newpicture();
    doc.newbuffer();
    curtool = pointstep;
    inkcolor = 1;
    bgkind = 2;
    curcolor = 1;
    opaquedup = 1;
}

void Editor::Timer1_Timer() {
    platform.hidewindow(Window::Preview);
    platform.showwindow(Window::Main);
    platform.settimer(Timer::Main1, false, 1000);
}

void Editor::new_Click() {
    // The empty picture blanks the canvas to its back colour; there is no redraw.
    Picture1.setpicture(Picture{});
    doc.newpicture();
    selection.enabled = false;
    selframe = false;
}

void Editor::exit_Click() {
    keepdrawing();
    platform.endprocess();
}

void Editor::Main_Unload() {
    keepdrawing();
    platform.endprocess();
}

void Editor::about_Click() { platform.showwindow(Window::Apropos); }

// ---- the background entries ----

namespace {

// The two entries mirror each other: `shown` is the colour button of the new
// background (bgkind `kind`), `hidden` the other one's.
void choosebackground(Editor& ed, int kind, Button& shown, Button& hidden) {
    shown.visible = true;
    hidden.visible = false;
    if (ed.curcolor == 0 && ed.bgkind == 3 - kind) {  // coming from the other background
        hidden.backcolor = buttonface;
        shown.backcolor = highlight;
    }
    ed.bgkind = kind;
    ed.Picture1.setbackcolor(codecolour(0, ed.inkcolor, kind));
    ed.redrawcanvas();
    ed.bgwhite.checked = kind == 1;
    ed.bgcasio.checked = kind == 2;
}

}  // namespace

void Editor::bgcasio_Click() { choosebackground(*this, 2, presstruegreen, presswhite); }
void Editor::bgwhite_Click() { choosebackground(*this, 1, presswhite, presstruegreen); }

}  // namespace grafipix
