// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The control inventory of `Main` as data: the menu tree and the labels with
// their design-time captions, states, places (in twips, 15 per pixel) and
// handlers, and every button, gathered from the tool table and the colour
// buttons. The editor's constructor, its event funnel and ui/ all read it.

#include <span>
#include <string>

#include "app/editor.h"

namespace grafipix {

using Handler = void (Editor::*)();

struct MenuRow {
    std::string name;
    MenuEntry Editor::*entry;  // nullptr for the entries made from the tables, kept in Editor::tableentries
    int depth;  // 0 for the menu bar, 1 for its menus' entries, 2 below that
    std::string caption;
    const char* shortcut;  // "" for none, else key sequences such as "Ctrl+N" or "Ctrl+Y; Ctrl+Shift+Z"
    bool enabled;
    bool checked;
    Handler click;  // nullptr for the entries that only open a submenu and for those below
    // Entries made from the tables: a model's, or the replacement of a colour
    // code (-1: none) in the whole picture or in the selection.
    const Model* model = nullptr;
    int replaces = -1;
    bool inselection = false;
    int recent = -1;  // the place of a file of "Dessins récents"
    int slot = -1;  // its place in Editor::tableentries

    bool chooses() const { return click || model || replaces >= 0 || recent >= 0; }
};

struct LabelRow {
    const char* name;
    Label Editor::*label;
    int left, top, width, height;
    bool bold;
    const char* caption;  // nullptr: set by the constructor from texts.h
};

// A graphical button: a tool's icon or a colour's swatch, no caption.
struct ButtonRow {
    const char* name;
    int left, top, width, height;
    const char* const* icon;  // tool buttons: the icon's rows; nullptr for a colour
    wincolour swatch;         // colour buttons: the colour the swatch shows
};

// In menu order, each entry after its parent: the model entries follow the
// model table, one replacement entry follows each colour code any model has,
// and "Dessins récents" holds `recentcount` entries, hidden while unused.
inline constexpr int recentcount = 8;
std::span<const MenuRow> menutree();
// The name of the replacement entry of a code: "repblue", "repbgsel", ...
std::string replacename(int code, bool inselection);
std::span<const LabelRow> mainlabels();
// The tool buttons in the order of the tool table, then the colour buttons.
std::span<const ButtonRow> mainbuttons();

// Main's client area and the canvas, in twips.
inline constexpr int mainwidth = 7185, mainheight = 4065;
inline constexpr int canvasleft = 1320, canvastop = 480, canvaswidth = 5738, canvasheight = 2858;
inline constexpr int twipsperpixel = 15;

}  // namespace grafipix
