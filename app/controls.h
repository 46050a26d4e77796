// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of the named controls, as the handlers leave it; ui/ shows it.

#include <string>

#include "calculator/colours.h"

namespace grafipix {

struct MenuEntry {
    std::string caption;
    bool enabled = true;
    bool checked = false;
    bool visible = true;
};

// Graphical command buttons: a picture, no caption.
struct Button {
    bool visible = true;
    wincolour backcolor = buttonface;
};

struct Label {
    std::string caption;
};

}  // namespace grafipix
