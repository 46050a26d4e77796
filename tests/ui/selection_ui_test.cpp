// A selection made on the real canvas widget, duplicated through the real
// "Sélection" menu and pasted with a click.

#include <gtest/gtest.h>

#include "tests/support/qt_app.h"
#include "ui/canvas_widget.h"

namespace grafipix {
namespace {

using testing::clickat;

TEST(SelectionUi, SelectDuplicateFromTheMenuAndPaste) {
    testing::QtApp app;
    QWidget* canvas = app.main().canvas();
    for (int x = 10; x < 14; ++x) app.ed().doc.set(x, 11, ink);
    app.main().button("Command11")->click();
    clickat(canvas, 10, 10);
    clickat(canvas, 14, 12);
    EXPECT_TRUE(app.main().action("selection")->isEnabled());
    app.choose("selduplicate");
    EXPECT_EQ(app.main().label("modelbl")->text(), "Déplacer le curseur puis cliquez");
    clickat(canvas, 50, 40);
    for (int x = 49; x <= 54; ++x) EXPECT_EQ(app.ed().pixelgrid.get(x, 41), x >= 50 && x < 54 ? ink : 0) << x;
    EXPECT_EQ(canvas->grab().toImage().pixelColor(3 * 50 + 1, 3 * 40 + 1), QColor(0, 0, 192)) << "the paste is shown";
    app.choose("opyes");
    EXPECT_FALSE(app.main().action("opyes")->isChecked()) << "the check mark follows the toggle";
}

}  // namespace
}  // namespace grafipix
