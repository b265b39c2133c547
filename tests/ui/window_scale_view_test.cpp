#include <QMenuBar>
#include <QTest>
#include <fstream>

#include "main_window_fixture.h"
#include "ui/app/board_view.h"

namespace kalder::ui {
namespace {

class WindowScaleViewTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        std::ofstream(folder / "kalder.cfg", std::ios::binary)
            << "12-05-2026 14:02:31\r\nxp.col\r\npuzzles.kdr\r\n 1 \r\n";
    }
};

// The grid-size box once reached past the window's right edge.
TEST_F(WindowScaleViewTest, EveryControlLiesWithinTheWindowAtEveryScaleTheScreenTakes) {
    start();
    for (int steps = 0; steps <= MaxScaleSteps; ++steps) {
        window->open_on_screen(steps);
        const QRect board = window->board_view()->rect();
        for (const QWidget* child : window->board_view()->findChildren<QWidget*>()) {
            if (child->isVisible()) {
                EXPECT_TRUE(board.contains(child->geometry())) << steps << " " << child;
            }
        }
        const QRect screen = window->screen()->availableGeometry();
        EXPECT_TRUE(screen.contains(window->frameGeometry())) << steps;
        EXPECT_LE(window->scale_steps(), steps);
    }
}

}  // namespace
}  // namespace kalder::ui
