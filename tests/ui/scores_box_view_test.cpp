#include <gtest/gtest.h>

#include <QTest>
#include <fstream>

#include "main_window_fixture.h"
#include "ui/app/board_view.h"
#include "ui/scores/scores_box_view.h"

namespace kalder::ui {
namespace {

class ScoresBoxViewTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        std::ofstream(folder / "c.kdr", std::ios::binary)
            << "00001,3,121222332,020306010205040708\r\n";
        std::ofstream(folder / "kalder.cfg", std::ios::binary)
            << "12-05-2026 14:02:31\r\nxp.col\r\n"
            << (folder / "c.kdr").string() << "\r\n 1 \r\n";
        start();
        form->menu_Click("mnuscores");
        window->sync();
    }
};

// The panel's lower edge lies over the top row of a 3 x 3 board, its buttons over the cells'
// centres; a click on the panel beside them stays on the panel.
TEST_F(ScoresBoxViewTest, ClicksOnThePanelNeverReachTheBoardBeneath) {
    ScoresBoxView* panel = window->scores_view();
    ASSERT_TRUE(panel->isVisible());
    for (const int cell : {1, 2, 3}) {
        const CellLabel& label = form->CellD[cell];
        const QPoint at = window->board_view()
                              ->to_pixels(label.Left + label.Width / 2, label.Top + 60, 1, 1)
                              .topLeft();
        ASSERT_TRUE(panel->geometry().contains(at)) << cell;
        QWidget* hit = window->board_view()->childAt(at);
        ASSERT_NE(hit, nullptr) << cell;
        const QPoint local = hit->mapFrom(window->board_view(), at);
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            QTest::mouseClick(hit, button, Qt::NoModifier, local);
            EXPECT_EQ(form->SourceCell, -1) << "cell " << cell << " button " << button;
        }
    }
    EXPECT_TRUE(form->UndoList.empty()) << "no move was played";
    EXPECT_TRUE(panel->isVisible());
}

}  // namespace
}  // namespace kalder::ui
