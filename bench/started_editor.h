// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An editor as the program starts it, on the scripted platform, switched to
// a model and, if asked, with every cell of its screen drawn in its colours.

#include "app/editor.h"
#include "calculator/model_table.h"
#include "tests/support/fake_platform.h"

namespace grafipix::bench {

struct StartedEditor {
    // `pattern`: the code of cell (x, y), or nullptr to leave the screen empty.
    StartedEditor(const char* model, int (*pattern)(int x, int y, int colours) = nullptr) {
        ed.handle(Event::load());
        ed.handle(Event::click(model));
        const int colours = ed.currentmodel().codes() - 1;
        if (pattern)
            for (int y = 1; y <= ed.pixelgrid.rows(); ++y)
                for (int x = 1; x <= ed.pixelgrid.columns(); ++x)
                    ed.doc.set(x, y, static_cast<int16_t>(1 + pattern(x, y, colours) % colours));
    }
    testing::FakePlatform platform;
    Editor ed{platform};
};

}  // namespace grafipix::bench
