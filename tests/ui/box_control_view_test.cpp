#include <gtest/gtest.h>

#include <QTest>

#include "core/controls/box_control.h"
#include "ui/app/qt_platform.h"
#include "ui/controls/box_control_view.h"

namespace kalder::ui {
namespace {

// Place (in twips), tip, mouse buttons with their keys, Space and Enter (as the left button,
// and only a key pressed here) reach the model; a disabled button takes nothing. The model is
// painted at its place: light left edge, back colour, dark right edge.
TEST(BoxControlView, ForwardsMouseAndKeysAndPaintsTheModel) {
    QtPlatform platform;
    BoxControl model{platform};
    QWidget host;
    BoxControlView view{model, &host};
    // Each release as its button, keys and place: "2/1@150,75".
    std::string events;
    model.MouseUp = [&events](const MouseEvent& e) {
        events += std::to_string(e.Button) + "/" + std::to_string(e.Shift) + "@" +
                  std::to_string(int(e.X)) + "," + std::to_string(int(e.Y)) + " ";
    };
    model.move(150, 300, 885, 345);
    model.set_BackColor(RGB(200, 30, 30));
    model.ToolTipText = "Close the box";
    view.sync(2.0);
    EXPECT_EQ(std::tuple(view.geometry(), view.toolTip()),
              std::tuple(QRect(20, 40, 118, 46), "Close the box"));
    view.sync(1.0);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    const QImage image = view.grab().toImage();
    EXPECT_EQ(std::tuple(image.pixelColor(0, 20), image.pixelColor(5, 5),
                         image.pixelColor(image.width() - 2, 20)),
              std::tuple(QColor(255, 255, 255), QColor(200, 30, 30), QColor(0, 0, 0)));
    QTest::mouseClick(&view, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 5));
    QTest::mouseClick(&view, Qt::MiddleButton, Qt::ControlModifier | Qt::AltModifier,
                      QPoint(10, 5));
    QTest::keyRelease(&view, Qt::Key_Space);
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(&view, key);
    model.set_Enabled(false);
    view.sync(1.0);
    QTest::mouseClick(&view, Qt::LeftButton);
    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_EQ(events, "2/1@150,75 4/6@150,75 1/0@0,0 1/0@0,0 ");
}

}  // namespace
}  // namespace kalder::ui
