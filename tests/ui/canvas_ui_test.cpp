// The real canvas widget fed with synthetic mouse events.

#include <gtest/gtest.h>

#include "tests/support/qt_app.h"
#include "ui/canvas_widget.h"

namespace grafipix {
namespace {

using testing::pointat;
const auto send = testing::sendmouse;

TEST(CanvasUi, MouseEventsReachTheToolsInCanvasUnits) {
    testing::QtApp app;
    QWidget* canvas = app.main().canvas();
    app.main().button("Command3")->click();
    testing::clickat(canvas, 10, 30);
    send(canvas, QEvent::MouseMove, pointat(20, 30), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(app.main().label("coordx")->text(), "20");
    EXPECT_EQ(app.main().label("coordy")->text(), "34");
    EXPECT_EQ(canvas->grab().toImage().pixelColor(3 * 14, 3 * 29), QColor(0, 0, 192)) << "preview";
    send(canvas, QEvent::MouseButtonPress, pointat(20, 30), Qt::RightButton, Qt::RightButton);
    for (int x = 10; x <= 20; ++x) EXPECT_EQ(app.ed().pixelgrid.get(x, 30), x < 20) << x;

    // A pen drag far outside delivers positions there, and nothing breaks.
    app.main().button("Command2")->click();
    send(canvas, QEvent::MouseButtonPress, pointat(5, 5), Qt::MiddleButton, Qt::MiddleButton);
    send(canvas, QEvent::MouseMove, pointat(6, 5), Qt::NoButton, Qt::MiddleButton);
    send(canvas, QEvent::MouseMove, QPointF(-900, 2000), Qt::NoButton, Qt::MiddleButton);
    EXPECT_EQ(app.ed().pixelgrid.get(6, 5), 1);
    EXPECT_EQ(app.main().label("coordx")->text(), "-299");
    EXPECT_EQ(app.main().label("modelbl")->text(), "Stylo activé");
}

}  // namespace
}  // namespace grafipix
