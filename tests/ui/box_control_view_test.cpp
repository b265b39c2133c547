#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "core/controls/box_control.h"
#include "ui/app/qt_platform.h"
#include "ui/controls/box_control_view.h"

namespace kalder::ui {
namespace {

class BoxControlViewTest : public ::testing::Test {
  protected:
    BoxControlViewTest() {
        model.move(0, 0, 885, 345);
        model.set_BackColor(RGB(200, 30, 30));
        model.set_ForeColor(RGB(0, 0, 0));
        model.set_Caption("Ok");
        model.ToolTipText = "Close the box";
        model.MouseDown = [this](const MouseEvent& event) { pressed.push_back(event); };
        model.MouseUp = [this](const MouseEvent& event) { released.push_back(event); };
        view.sync(1.0);
        host.resize(200, 100);
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host));
    }
    QtPlatform platform;
    BoxControl model{platform};
    QWidget host;
    BoxControlView view{model, &host};
    std::vector<MouseEvent> pressed, released;
};

TEST_F(BoxControlViewTest, ForwardsButtonShiftAndPositionInTwips) {
    struct Case {
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
        int code, shift;
    };
    const Case cases[] = {
        {Qt::LeftButton, Qt::NoModifier, 1, 0},
        {Qt::RightButton, Qt::ShiftModifier, 2, 1},
        {Qt::MiddleButton, Qt::ControlModifier | Qt::AltModifier, 4, 6},
    };
    for (const Case& c : cases) {
        pressed.clear();
        released.clear();
        QTest::mouseClick(&view, c.button, c.modifiers, QPoint(10, 5));
        ASSERT_EQ(pressed.size(), 1u);
        ASSERT_EQ(released.size(), 1u);
        for (const MouseEvent& event : {pressed[0], released[0]}) {
            EXPECT_EQ(event.Button, c.code);
            EXPECT_EQ(event.Shift, c.shift);
            EXPECT_DOUBLE_EQ(event.X, 150);
            EXPECT_DOUBLE_EQ(event.Y, 75);
        }
        EXPECT_EQ(model.BorderStyle(), 0);
    }
}

TEST_F(BoxControlViewTest, SpaceAndEnterClickLikeTheLeftButton) {
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(&view, key);
    }
    ASSERT_EQ(released.size(), 3u);
    for (const MouseEvent& event : released) EXPECT_EQ(event.Button, LeftButton);

    QTest::keyRelease(&view, Qt::Key_Space);
    EXPECT_EQ(released.size(), 3u) << "a release without its press is no click";
    QTest::keyPress(&view, Qt::Key_A);
    QTest::keyRelease(&view, Qt::Key_A);
    EXPECT_EQ(released.size(), 3u);
}

TEST_F(BoxControlViewTest, ADisabledButtonTakesNoInput) {
    model.set_Enabled(false);
    view.sync(1.0);
    QTest::mouseClick(&view, Qt::LeftButton);
    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_TRUE(pressed.empty());
    EXPECT_TRUE(released.empty());
}

TEST_F(BoxControlViewTest, PaintsTheModelAtItsPlace) {
    model.move(150, 300, 885, 345);
    view.sync(2.0);
    EXPECT_EQ(view.geometry(), QRect(20, 40, 118, 46));
    EXPECT_EQ(view.toolTip(), "Close the box");
    view.sync(1.0);
    const QImage image = view.grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 20), QColor(255, 255, 255)) << "light left edge";
    EXPECT_EQ(image.pixelColor(5, 5), QColor(200, 30, 30)) << "back colour";
    bool dark_right_edge = false;
    for (int x = image.width() - 4; x < image.width(); ++x) {
        dark_right_edge |= image.pixelColor(x, 20) == QColor(0, 0, 0);
    }
    EXPECT_TRUE(dark_right_edge);
}

}  // namespace
}  // namespace kalder::ui
