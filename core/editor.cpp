#include "core/editor.h"

#include "core/main_controls.h"
#include "core/texts.h"

namespace grafipix {

Editor::Editor(Platform& p) : platform(p) {
    for (const MenuRow& m : menutree()) this->*m.entry = MenuEntry{m.caption, m.enabled, m.checked};
    for (const ButtonRow& b : mainbuttons()) this->*b.button = Button{b.visible, b.backcolor};
    for (const LabelRow& l : mainlabels()) (this->*l.label).caption = l.caption ? l.caption : "";
    Label5.caption = texts::credit;
    Label6.caption = texts::website;
}

void Editor::Main_Load() {
    platform.showwindow(Window::Preview);
    platform.hidewindow(Window::Main);
    platform.settimer(Timer::Main1, true, 1000);
    pixelgrid.clear();
    selgrid.clear();
    curtool = Tool::point10;
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
    pixelgrid.clear();
    selection.enabled = false;
}

void Editor::exit_Click() { platform.endprocess(); }

void Editor::Main_Unload() { platform.endprocess(); }

void Editor::about_Click() { platform.showwindow(Window::Apropos); }

}  // namespace grafipix
