#include <gtest/gtest.h>

#include <QTest>

#include "core/controls/box_control.h"
#include "ui/app/qt_platform.h"
#include "ui/controls/box_control_view.h"

namespace kalder::ui {
namespace {

// Button, keys and place (in twips) reach the model; Space and Enter click like the left
// button, a key released without its press does not; a disabled button takes nothing. The
// model is painted at its place: light left edge, back colour, dark right edge.
TEST(BoxControlView, ForwardsMouseAndKeysAndPaintsTheModel) {
    QtPlatform platform;
    BoxControl model{platform};
    QWidget host;
    BoxControlView view{model, &host};
    std::vector<MouseEvent> pressed, released;
    model.MouseDown = [&](const MouseEvent& event) { pressed.push_back(event); };
    model.MouseUp = [&](const MouseEvent& event) { released.push_back(event); };
    model.move(150, 300, 885, 345);
    model.set_BackColor(RGB(200, 30, 30));
    model.set_ForeColor(RGB(0, 0, 0));
    model.ToolTipText = "Close the box";
    view.sync(2.0);
    EXPECT_EQ(std::tuple(view.geometry(), view.toolTip()),
              std::tuple(QRect(20, 40, 118, 46), "Close the box"));
    view.sync(1.0);
    host.resize(300, 200);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    const QImage image = view.grab().toImage();
    EXPECT_EQ(std::tuple(image.pixelColor(0, 20), image.pixelColor(5, 5),
                         image.pixelColor(image.width() - 2, 20)),
              std::tuple(QColor(255, 255, 255), QColor(200, 30, 30), QColor(0, 0, 0)));

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

}  // namespace
}  // namespace kalder::ui
