// SPDX-License-Identifier: GPL-3.0-or-later
// The captions of the "Remplacer..." entries: one rule over the menu tree.

#include "app/replace_captions.h"

#include <string>

#include "app/editor.h"
#include "app/main_controls.h"
#include "calculator/model_table.h"

namespace grafipix {

void applyreplacecaptions(Editor& ed, const Model& model, int curcolor) {
    for (const MenuRow& row : menutree()) {
        if (row.replaces < 0) continue;
        MenuEntry& e = ed.entry(row);
        e.caption = std::string(colourname(model, row.replaces)) + " par " + colourname(model, curcolor);
        e.enabled = row.replaces != curcolor && row.replaces < model.codes();
    }
}

}  // namespace grafipix
