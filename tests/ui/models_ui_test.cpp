// Model entries and colour buttons through the real widgets.

#include <gtest/gtest.h>

#include "tests/support/qt_app.h"

namespace grafipix {
namespace {

// The face of a button, away from its swatch in the middle.
QColor face(QPushButton* b) { return b->grab().toImage().pixelColor(4, b->height() / 2); }

TEST(ModelsUi, ModelEntryAndColourButtonShowTheirStateOnTheWidgets) {
    testing::QtApp app;
    ui::MainWindow& main = app.main();
    const QColor white(255, 255, 255);
    main.button("pressgreen")->click();
    EXPECT_EQ(face(main.button("pressgreen")), white);
    EXPECT_NE(face(main.button("pressblue")), white);
    EXPECT_EQ(main.action("repbg")->text(), "le fond par le vert");

    app.choose("g100");
    EXPECT_FALSE(main.action("g65")->isChecked());
    EXPECT_TRUE(main.button("pressblack")->isVisibleTo(&main));
    EXPECT_FALSE(main.button("pressgreen")->isVisibleTo(&main));
    EXPECT_EQ(face(main.button("pressblack")), white);
    EXPECT_EQ(main.label("typcalc")->text(), "Graph 100");
    EXPECT_EQ(main.action("repblue")->text(), "le noir par le noir");

    main.button("presstruegreen")->click();
    EXPECT_NE(face(main.button("pressblack")), white);
    EXPECT_TRUE(main.action("repbluesel")->isEnabled());
    const QImage shot = main.button("presstruegreen")->grab().toImage();
    EXPECT_EQ(shot.pixelColor(4, shot.height() / 2), white);
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() / 2), QColor(184, 217, 181)) << "swatch on the face";
}

}  // namespace
}  // namespace grafipix
