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

// Button, keys and place (in twips) reach the model; Space and Enter click like the left
// button, a key released without its press does not; a disabled button takes nothing.
TEST_F(BoxControlViewTest, ForwardsMouseAndKeysToTheModel) {
    const struct {
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
        int code, shift;
    } cases[] = {
        {Qt::LeftButton, Qt::NoModifier, 1, 0},
        {Qt::RightButton, Qt::ShiftModifier, 2, 1},
        {Qt::MiddleButton, Qt::ControlModifier | Qt::AltModifier, 4, 6},
    };
    for (const auto& c : cases) {
        QTest::mouseClick(&view, c.button, c.modifiers, QPoint(10, 5));
        for (const MouseEvent& event : {pressed.back(), released.back()}) {
            EXPECT_EQ(std::tuple(event.Button, event.Shift, event.X, event.Y),
                      std::tuple(c.code, c.shift, 150.0, 75.0));
        }
    }
    released.clear();
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(&view, key);
    }
    QTest::keyRelease(&view, Qt::Key_Space);
    QTest::keyClick(&view, Qt::Key_A);
    ASSERT_EQ(released.size(), 3u);
    for (const MouseEvent& event : released) EXPECT_EQ(event.Button, LeftButton);
    model.set_Enabled(false);
    view.sync(1.0);
    QTest::mouseClick(&view, Qt::LeftButton);
    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_EQ(std::tuple(pressed.size(), released.size()), std::tuple(6u, 3u));
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
