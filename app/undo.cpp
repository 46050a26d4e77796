// SPDX-License-Identifier: GPL-3.0-or-later
// "Annuler" and "Rétablir": moving over the steps the event funnel closed.

#include "app/colour_buttons.h"
#include "app/editor.h"
#include "calculator/model_table.h"
#include "tools/tool_table.h"

namespace grafipix {

Marks Editor::marks() const { return {&currentmodel(), selection.enabled, bgkind}; }

bool Editor::strokerunning() const {
    const ToolStep* step = findstep(curtool);
    return step && step->strokes;
}

void Editor::newhistory() { history.restart(doc, marks()); }

void Editor::undo_Click() { stepover(true); }
void Editor::redo_Click() { stepover(false); }

void Editor::stepover(bool backwards) {
    // A running stroke stops as its click would stop it: its step is the one
    // undone, and the pen must not go on drawing once it is gone.
    if (const ToolStep* step = findstep(curtool); step && step->strokes) {
        curtool = step->next;
        if (step->caption) modelbl.caption = step->caption;
    }
    const Step* step = backwards ? history.undo(doc) : history.redo(doc);
    if (!step) return;
    const Marks& now = backwards ? step->before : step->after;
    const Marks& was = backwards ? step->after : step->before;
    // The selection's frame shows while its menu is open.
    if (now.selection != was.selection) selection.enabled = selframe = now.selection;
    // A picture an export left under the marks could still show what is undone.
    if (!Picture1.picture().empty()) Picture1.setpicture(Picture{});
    // The model the cells were drawn under, even where a switch that changed
    // no cell (and so made no step) came between: its colours may be in them.
    if (now.model && now.model != model) applymodel(*this, *now.model);  // redraws
    else redrawcanvas();
    // Only a step that changed the background brings it back: a background
    // chosen after the cells were drawn stays.
    if (now.background != was.background && now.background != bgkind) choosebackground(*this, now.background);
}

}  // namespace grafipix
