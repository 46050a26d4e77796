// The real canvas widget fed with synthetic mouse events.

#include <gtest/gtest.h>

#include "tests/support/qt_app.h"
#include "ui/canvas_widget.h"

namespace grafipix {
namespace {

using testing::pointat;
using testing::QtApp;
const auto send = testing::sendmouse;

TEST(CanvasUi, MouseEventsReachTheToolsInCanvasUnits) {
    QtApp app;
    QWidget* canvas = app.main().canvas();
    QPushButton* line = app.main().button("Command3");
    line->click();
    EXPECT_EQ(app.main().label("modelbl")->text(), "Ligne, cliquez pour entrer le premier point");

    send(canvas, QEvent::MouseButtonPress, pointat(10, 30), Qt::LeftButton, Qt::LeftButton);
    send(canvas, QEvent::MouseButtonRelease, pointat(10, 30), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(app.main().label("modelbl")->text(), "Ligne, cliquez pour tracer la ligne");
    // A move without a button shows the preview and the read-out.
    send(canvas, QEvent::MouseMove, pointat(20, 30), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(app.main().label("coordx")->text(), "20");
    EXPECT_EQ(app.main().label("coordy")->text(), "34");
    QImage shot = canvas->grab().toImage();
    EXPECT_EQ(shot.pixelColor(3 * 14, 3 * 29), QColor(0, 0, 192)) << "preview shown on the widget";
    // The second point with the right button.
    send(canvas, QEvent::MouseButtonPress, pointat(20, 30), Qt::RightButton, Qt::RightButton);
    for (int x = 10; x <= 19; ++x) EXPECT_EQ(app.ed().pixelgrid.get(x, 30), 1) << x;
    EXPECT_EQ(app.ed().pixelgrid.get(20, 30), 0);
    EXPECT_EQ(app.main().label("modelbl")->text(), "Ligne");

    // A drag far outside with the pen delivers positions there, and nothing breaks.
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
