// A selection made on the real canvas widget, duplicated through the real
// "Sélection" menu and pasted with a click.

#include <gtest/gtest.h>

#include "tests/support/qt_app.h"
#include "ui/canvas_widget.h"

namespace grafipix {
namespace {

using testing::clickat;
using testing::QtApp;

TEST(SelectionUi, SelectDuplicateFromTheMenuAndPaste) {
    QtApp app;
    QWidget* canvas = app.main().canvas();
    for (int x = 10; x < 14; ++x) app.ed().pixelgrid.set(x, 11, ink);
    EXPECT_FALSE(app.main().action("selection")->isEnabled());

    app.main().button("Command11")->click();
    clickat(canvas, 10, 10);
    clickat(canvas, 14, 12);
    EXPECT_TRUE(app.main().action("selection")->isEnabled());
    EXPECT_EQ(app.main().label("modelbl")->text(), "Utilisez le menu pour agir sur la selection");

    app.choose("selduplicate");
    EXPECT_EQ(app.main().label("modelbl")->text(), "Déplacer le curseur puis cliquez");
    clickat(canvas, 50, 40);
    for (int x = 50; x < 54; ++x) EXPECT_EQ(app.ed().pixelgrid.get(x, 41), ink) << x;
    EXPECT_EQ(app.ed().pixelgrid.get(54, 41), 0);
    const QImage shot = canvas->grab().toImage();
    EXPECT_EQ(shot.pixelColor(3 * 50 + 1, 3 * 40 + 1), QColor(0, 0, 192)) << "the paste is shown";

    // The option's check mark follows the toggle on the real entry.
    app.choose("opyes");
    EXPECT_FALSE(app.main().action("opyes")->isChecked());
    EXPECT_EQ(app.ed().opaquedup, 0);

    // An empty buffer is refused with the message box.
    app.choose("desel");
    EXPECT_FALSE(app.main().action("selection")->isEnabled());
    app.main().button("Command11")->click();
    clickat(canvas, 100, 50);
    clickat(canvas, 105, 55);
    app.choose("seldelete");
    ASSERT_EQ(app.platform->messages.size(), 1u);
    EXPECT_EQ(app.platform->messages[0], "opération impossible : aucun pixel sélectionné");
}

}  // namespace
}  // namespace grafipix
