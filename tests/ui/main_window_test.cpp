#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <fstream>

#include "main_window_fixture.h"
#include "ui/app/board_view.h"
#include "ui/scores/scores_box_view.h"

namespace kalder::ui {
namespace {

class MainWindowTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        std::ofstream(folder / "c.kdr", std::ios::binary)
            << "00001,3,121222332,020306010205040708\r\n"
            << "00002,3,1212,0102\r\n";
        std::ofstream(folder / "kalder.cfg", std::ios::binary)
            << "12-05-2026 14:02:31\r\nxp.col\r\n"
            << (folder / "c.kdr").string() << "\r\n 1 \r\n";
        start();
    }
    std::string tip_over(int cell) {
        BoardView* board = window->board_view();
        QHelpEvent help(QEvent::ToolTip, centre_of(cell), board->mapToGlobal(centre_of(cell)));
        QApplication::sendEvent(board, &help);
        // A cell without a tip leaves the event to others.
        return help.isAccepted() ? QToolTip::text().toStdString() : std::string();
    }
};

// Both menus as the model builds them, with only the working commands enabled.
TEST_F(MainWindowTest, TheMenusShowTheModelsEntries) {
    QStringList shown;
    for (QAction* menu : window->menuBar()->actions()) {
        shown << menu->text() + ":";
        for (QAction* entry : menu->menu()->actions()) {
            shown << (entry->isSeparator() ? QStringLiteral("-")
                      : entry->isEnabled() ? entry->text()
                                           : "(" + entry->text() + ")");
        }
    }
    EXPECT_EQ(shown.join(' ').toStdString(),
              "Kalder: (Options) Scores - Help About - Cancel - Exit "
              "Puzzle: Solve - (Load) (Save) (Delete) - Cancel");
}

// Clicks select and move, the line follows the pointer with the cells' tips ("-1" on the
// source, "+1" where it points), a locked cell is painted dark, and the last move shows the
// message and the next puzzle.
TEST_F(MainWindowTest, TheMousePlaysTheBoardThroughASolve) {
    EXPECT_EQ(tip_over(2), "");
    click(2);
    QTest::mouseMove(window->board_view(), centre_of(1));
    EXPECT_EQ(std::tuple(form->TargetCell, tip_over(2), tip_over(1), tip_over(9)),
              std::tuple(1, "-1", "+1", ""));
    QToolTip::hideText();
    click(1);
    EXPECT_EQ(std::tuple(form->CellD[1].Caption, form->CellD[2].Caption), std::tuple("2", "1"));
    const QImage picture = window->board_view()->grab().toImage();
    EXPECT_LT(picture.pixelColor(centre_of(1) + QPoint(-12, -12)).lightness(), 60);
    QString seen;
    for (const auto& [giver, receiver] :
         {std::pair{1, 4}, {4, 7}, {7, 8}, {8, 9}, {5, 6}, {6, 3}, {3, 2}, {2, 5}}) {
        click(giver);
        if (receiver == 5) answer_next_message_box(&seen);
        click(receiver);
    }
    EXPECT_EQ(std::tuple(seen, window->puzzle_number_box()->text()),
              std::tuple("Its all done!", "P# 2 of 2"));
}

// The arrow's half second is a wait on the window's own loop: a click then is played at once.
TEST_F(MainWindowTest, APauseLastsAboutItsTimeAndAnswersClicksMeanwhile) {
    QTimer::singleShot(100, [this] { click(5); });
    QElapsedTimer clock;
    clock.start();
    form->Pause(500);
    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_EQ(std::tuple(form->SourceCell, form->Timer1.Enabled), std::tuple(5, false));
}

// Enter in the number box is the box's, not the board's. Arrows move a cursor over the cells
// shown, Space selects, Enter moves; a mouse click hides the cursor until the next key.
TEST_F(MainWindowTest, TheKeyboardPlaysTheBoard) {
    QLineEdit* number_box = window->puzzle_number_box();
    number_box->setFocus();
    number_box->selectAll();
    QTest::keyClicks(number_box, "2");
    QTest::keyClick(number_box, Qt::Key_Return);
    BoardView* board = window->board_view();
    EXPECT_EQ(
        std::tuple(number_box->text().toStdString(), board->keyboard_cell(), form->SourceCell),
        std::tuple("P# 2 of 2", 0, -1));
    board->setFocus();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right}) {
        QTest::keyClick(board, key);
    }
    EXPECT_EQ(board->keyboard_cell(), 4) << "cells 5 and 7 are hidden";
    for (const Qt::Key key :
         {Qt::Key_Up, Qt::Key_Right, Qt::Key_Space, Qt::Key_Left, Qt::Key_Return}) {
        QTest::keyClick(board, key);
    }
    EXPECT_EQ(std::tuple(form->CellD[1].Caption, form->board.locked(1)), std::tuple("2", true));
    click(4);
    EXPECT_EQ(board->keyboard_cell(), 0);
    QTest::keyClick(board, Qt::Key_Right);
    EXPECT_EQ(board->keyboard_cell(), 4) << "it comes back at the selection";
}

// The panel lies over the board's top row: clicks on it never reach the cells beneath. Either
// mouse button on its buttons acts; "Clear" asks through the system's box first.
TEST_F(MainWindowTest, TheScoresPanelCoversTheBoardClearsAfterAskingAndCloses) {
    form->Score1.set_WonSession(true);
    form->menu_Click("mnuscores");
    window->sync();
    ScoresBoxView* panel = window->scores_view();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->session_label(2)->text(), "1");
    BoardView* board = window->board_view();
    for (const int cell : {1, 2, 3}) {
        const CellLabel& label = form->CellD[cell];
        const QPoint at =
            board->to_pixels(label.Left + label.Width / 2, label.Top + 60, 1, 1).topLeft();
        QWidget* hit = board->childAt(at);
        ASSERT_TRUE(panel->geometry().contains(at) && hit != nullptr) << cell;
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            QTest::mouseClick(hit, button, Qt::NoModifier, hit->mapFrom(board, at));
            EXPECT_EQ(form->SourceCell, -1) << "cell " << cell << " button " << button;
        }
    }
    std::map<QString, QPushButton*> buttons;
    for (QPushButton* button : panel->findChildren<QPushButton*>())
        buttons[button->text()] = button;
    QString asked;
    when_modal([&asked](QWidget& modal) {
        auto& box = dynamic_cast<QMessageBox&>(modal);
        asked = box.text();
        for (QAbstractButton* button : box.buttons()) {
            if (button->text() == "Yes") button->click();
        }
    });
    QTest::mouseClick(buttons.at("Clear"), Qt::RightButton);
    EXPECT_EQ(std::tuple(asked, panel->total_label(1)->text()),
              std::tuple("Clear ALL scores", "0"));
    QTest::mouseClick(buttons.at("Close"), Qt::RightButton);
    EXPECT_FALSE(panel->isVisible());
}

}  // namespace
}  // namespace kalder::ui
