// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's construction from the control tables, the event funnel, the
// start-up, "Nouveau", "Quitter", the about entry and the two background entries.

#include "app/editor.h"

#include <charconv>

#include "app/colour_buttons.h"
#include "app/main_controls.h"
#include "app/replace_captions.h"
#include "calculator/model_table.h"
#include "document/texts.h"
#include "tools/tool_table.h"

namespace grafipix {

// The controls as the program starts: the start model with its ink chosen,
// on the screen-green background.
Editor::Editor(Platform& p)
    : Drawing(p, startmodel()), platform(p), toolbuttons(toolrows().size()), colourbuttons(allswatches().size()) {
    for (const MenuRow& m : menutree()) {
        if (m.slot >= 0 && tableentries.size() <= size_t(m.slot)) tableentries.resize(m.slot + 1);
        entry(m) = MenuEntry{m.caption, m.enabled, m.checked};
    }
    for (const LabelRow& l : mainlabels()) (this->*l.label).caption = l.caption ? l.caption : "";
    Label5.caption = texts::credit;
    Label6.caption = texts::website;
    showcolourbuttons(*this, startmodel(), 2);
    colourbuttons[swatchindex(startmodel().palette[ink].swatch(2))].backcolor = highlight;
    applyreplacecaptions(*this, startmodel(), ink);
    showrecent();
    palettestate();
}

// ---- the event funnel ----

// Steps of undo are closed here, so no handler needs to know of them: the
// changes of one event make one step, except that a running stroke gathers
// the canvas events up to the click that stops it. Any other event ends the
// stroke's step first, so a command in the middle of a stroke is a step of its own.
bool Editor::handle(const Event& e) {
    const bool canvas = e.kind == Event::Kind::mousedown || e.kind == Event::Kind::mousemove;
    if (!canvas) history.close(doc, marks());
    bool taken = true;
    switch (e.kind) {
        case Event::Kind::load: Main_Load(); newhistory(); break;
        case Event::Kind::click: taken = click(e.control); break;
        case Event::Kind::mousedown: Picture1_MouseDown(e.button, e.shift, e.x, e.y); break;
        case Event::Kind::mousemove: Picture1_MouseMove(e.button, e.shift, e.x, e.y); break;
        case Event::Kind::tick: e.timer == Timer::Code1 ? Code_Timer1_Timer() : Timer1_Timer(); break;
        case Event::Kind::unload:
            if (e.window == Window::Code) Code_Unload();
            else if (e.window == Window::Sprite) Sprite_Unload();
            else Main_Unload();
            break;
        case Event::Kind::key: taken = keypress(e.control); break;
        case Event::Kind::open: opendrawing(std::string(e.control)); break;
    }
    // A stroke under way is already a new action: nothing left to redo.
    const bool open = canvas && strokerunning();
    if (!open) history.close(doc, marks());
    const bool pending = open && history.pending(doc);
    // An undo or a dropped colour may have taken the drawing colour's code away.
    if (curcolor >= codes()) choosecode(codes() > 1 ? ink : background);
    palettestate();
    undo.enabled = history.undoable() > 0 || pending;
    redo.enabled = history.redoable() > 0 && !pending;
    return taken;
}

bool Editor::click(std::string_view name) {
    // A menu entry can be chosen while it and every menu above it are enabled.
    bool open[3] = {};
    for (const MenuRow& m : menutree()) {
        open[m.depth] = entry(m).enabled && entry(m).visible && (m.depth == 0 || open[m.depth - 1]);
        if (name != m.name) continue;
        if (!open[m.depth] || !m.chooses()) return false;
        if (m.model) choosemodel(*m.model);
        else if (m.replaces >= 0) replacecolor(m.replaces, m.inselection ? 1 : 0);
        else if (m.recent >= 0) openrecent(size_t(m.recent));
        else (this->*m.click)();
        return true;
    }
    const std::vector<const Swatch*>& swatches = allswatches();
    for (size_t i = 0; i < swatches.size(); ++i)
        if (name == swatches[i]->name) {
            if (!colourbuttons[i].visible) return false;
            presscolour(i);
            return true;
        }
    // The sprite window's buttons, while it shows them.
    for (const auto& [button, state, click] : {std::tuple{"spritepython", &SpriteForm::showpython, &Editor::spritepython_Click},
                                               {"spritebasic", &SpriteForm::showbasic, &Editor::spritebasic_Click},
                                               {"savesprite", &SpriteForm::save, &Editor::savesprite_Click},
                                               {"savespritecalc", &SpriteForm::savecalc, &Editor::savespritecalc_Click}})
        if (name == button) {
            if (!Sprite || !((*Sprite).*state).enabled) return false;
            (this->*click)();
            return true;
        }
    if (name == "savetext" || name == "savecalc") {
        const bool text = name == "savetext";
        if (!Code || !(text ? Code->savetext : Code->savecalc).enabled) return false;
        text ? savetext_Click() : savecalc_Click();
        return true;
    }
    // A swatch of the palette's panel: "swatch" and its code.
    if (name.starts_with(swatchprefix)) {
        int code = -1;
        const std::string_view digits = name.substr(swatchprefix.size());
        const auto [end, fault] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
        if (!palettepanel() || fault != std::errc() || end != digits.data() + digits.size() || code < 0 || code >= codes())
            return false;
        choosecode(code);
        return true;
    }
    const ToolRow* tool = findtool(name);
    if (!tool || !button(name)->visible) return false;
    choosetool(*tool);
    return true;
}

// ---- the controls by name ----

MenuEntry& Editor::entry(const MenuRow& row) { return row.entry ? this->*row.entry : tableentries[row.slot]; }

MenuEntry* Editor::menu(std::string_view name) {
    for (const MenuRow& m : menutree())
        if (name == m.name) return &entry(m);
    return nullptr;
}

const MenuEntry* Editor::menu(std::string_view name) const { return const_cast<Editor*>(this)->menu(name); }

Button* Editor::button(std::string_view name) {
    const std::vector<const Swatch*>& swatches = allswatches();
    for (size_t i = 0; i < swatches.size(); ++i)
        if (name == swatches[i]->name) return &colourbuttons[i];
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
    bgkind = 2;
    curcolor = 1;
    opaquedup = 1;
    recent_ = platform.recentfiles();
    if (recent_.size() > size_t(recentcount)) recent_.resize(recentcount);
    showrecent();
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
    // A new drawing starts from the model's colours.
    if (model->freepalette()) doc.setpalette(model->colours());
    selection.enabled = false;
    selframe = false;
    // A new drawing has no file; "Annuler" brings the cells back, not the name.
    filename_.clear();
    saved_.reset();
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

// The two entries mirror each other: the back colour's button of the new
// background (bgkind `kind`) shows, the other one's hides.
void choosebackground(Editor& ed, int kind) {
    const PaletteColour& back = ed.currentmodel().palette[background];
    Button& shown = *ed.button(back.swatch(kind).name);
    Button& hidden = *ed.button(back.swatch(3 - kind).name);
    const bool lit = ed.curcolor == 0 && ed.bgkind == 3 - kind;  // coming from the other background
    hidden.visible = false;
    shown.visible = !ed.currentmodel().freepalette();  // a free palette's colours are the panel's
    if (lit && shown.visible) {
        hidden.backcolor = buttonface;
        shown.backcolor = highlight;
    }
    ed.bgkind = kind;
    ed.Picture1.setbackcolor(ed.colourof(background));
    ed.redrawcanvas();
    ed.bgwhite.checked = kind == 1;
    ed.bgcasio.checked = kind == 2;
}

void Editor::bgcasio_Click() { choosebackground(*this, 2); }
void Editor::bgwhite_Click() { choosebackground(*this, 1); }

}  // namespace grafipix
