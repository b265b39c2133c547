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
#include <filesystem>
#include <fstream>

#include "core/app/form1.h"
#include "main_window_fixture.h"
#include "ui/app/board_view.h"
#include "ui/app/main_window.h"
#include "ui/app/qt_platform.h"
#include "ui/scores/scores_box_view.h"
#include "ui_test_support.h"

namespace kalder::ui {
namespace {

class MainWindowTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        std::ofstream(folder / "c.kdr", std::ios::binary)
            << "00001,3,121222332,020306010205040708\r\n"
            << "00002,4,1111222233334444,\r\n";
        std::ofstream(folder / "kalder.cfg", std::ios::binary)
            << "12-05-2026 14:02:31\r\nxp.col\r\n"
            << (folder / "c.kdr").string() << "\r\n 1 \r\n";
        start();
    }
};

TEST_F(MainWindowTest, ShowsTheCaptionsOfThePuzzle) {
    EXPECT_EQ(window->windowTitle(), "Kalder");
    EXPECT_EQ(window->puzzle_number_box()->text(), "P# 1 of 2");
    const QImage picture = window->grab().toImage();
    EXPECT_FALSE(picture.isNull());
    const std::string expected[] = {"1", "2", "1", "2", "2", "2", "3", "3", "2"};
    for (int k = 1; k <= 9; ++k) EXPECT_EQ(form->CellD[k].Caption, expected[k - 1]);
}

TEST_F(MainWindowTest, TheWindowHasOneSizeAndClosingItSavesNothing) {
    // The frame's buttons are chosen, not left to the window system, whose default has maximise.
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());

    const auto configuration = [this] {
        std::ifstream file(folder / "kalder.cfg", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    const std::string before = configuration();
    form->arrows_MouseUp(2, MouseEvent{LeftButton});
    ASSERT_EQ(form->PuzzleNumber, 2);
    bool ended = false;
    window->on_close = [&ended] { ended = true; };
    window->close();
    EXPECT_TRUE(ended);
    EXPECT_EQ(configuration(), before) << "only Exit writes the configuration";
}

TEST_F(MainWindowTest, TheMenuBarShowsBothMenusAndOnlyTheCommandsThatWork) {
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
              "Kalder: (Options) Scores - (Help) (About) - Cancel - Exit "
              "Puzzle: Solve - (Load) (Save) (Delete) - Cancel");
}

TEST_F(MainWindowTest, AClickOnASourceAndANeighbourMovesOneUnit) {
    click(2);
    EXPECT_EQ(form->SourceCell, 2);
    QTest::mouseMove(window->board_view(), centre_of(1));
    EXPECT_EQ(form->TargetCell, 1);
    click(1);
    EXPECT_EQ(form->CellD[1].Caption, "2");
    EXPECT_EQ(form->CellD[2].Caption, "1");
    EXPECT_TRUE(form->board.locked(1));
    // The locked cell is painted dark.
    const QImage picture = window->board_view()->grab().toImage();
    const QColor colour = picture.pixelColor(centre_of(1) + QPoint(-12, -12));
    EXPECT_LT(colour.lightness(), 60);
}

// The arrow's half second is a wait on the window's own loop: a click then is played at once.
TEST_F(MainWindowTest, APauseLastsAboutItsTimeAndAnswersClicksMeanwhile) {
    QTimer::singleShot(100, [this] { click(5); });
    QElapsedTimer clock;
    clock.start();
    form->Pause(500);
    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_EQ(form->SourceCell, 5);
    EXPECT_FALSE(form->Timer1.Enabled);
}

// The cells' tips are the board's own: "-1" on the source, "+1" where the line points.
TEST_F(MainWindowTest, CellTipsShowWhatTheSelectionOffers) {
    BoardView* board = window->board_view();
    const auto tip_over = [board, this](int cell) {
        QHelpEvent help(QEvent::ToolTip, centre_of(cell), board->mapToGlobal(centre_of(cell)));
        QApplication::sendEvent(board, &help);
        // A cell without a tip leaves the event to others.
        return help.isAccepted() ? QToolTip::text().toStdString() : std::string();
    };
    EXPECT_EQ(tip_over(2), "");
    click(2);
    QTest::mouseMove(board, centre_of(5));
    EXPECT_EQ(tip_over(2), "-1");
    EXPECT_EQ(tip_over(5), "+1");
    EXPECT_EQ(tip_over(9), "");
    QToolTip::hideText();
}

TEST_F(MainWindowTest, TheScoresPanelShowsOverTheBoardAndCloses) {
    form->menu_Click("mnuscores");
    window->sync();
    ScoresBoxView* panel = window->scores_view();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->session_label(1)->text(), "0");
    form->Score1.set_WonSession(true);
    window->sync();
    EXPECT_EQ(panel->session_label(2)->text(), "1");
    EXPECT_EQ(panel->total_label(1)->text(), "1");
    auto* close = panel->findChildren<QPushButton*>().front();
    ASSERT_EQ(close->text(), "Close");
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(MainWindowTest, KeyboardPlayMovesAUnit) {
    window->board_view()->setFocus();
    QTest::keyClick(window->board_view(), Qt::Key_Right);  // cursor appears on cell 1
    QTest::keyClick(window->board_view(), Qt::Key_Right);  // cell 2
    QTest::keyClick(window->board_view(), Qt::Key_Space);
    ASSERT_EQ(form->SourceCell, 2);
    QTest::keyClick(window->board_view(), Qt::Key_Left);
    QTest::keyClick(window->board_view(), Qt::Key_Return);
    EXPECT_EQ(form->CellD[1].Caption, "2");
    EXPECT_TRUE(form->board.locked(1));
    // The mouse takes over: the cursor hides and comes back at the new selection.
    click(5);
    EXPECT_EQ(window->board_view()->keyboard_cell(), 0);
    QTest::keyClick(window->board_view(), Qt::Key_Right);
    EXPECT_EQ(window->board_view()->keyboard_cell(), 5);
}

TEST_F(MainWindowTest, TheKeyboardCursorStaysOnTheCellsShown) {
    std::ofstream(folder / "short.kdr", std::ios::binary) << "00001,3,1212,0102\r\n";
    ASSERT_FALSE(form->ShowPuzzle((folder / "short.kdr").string(), 1));
    window->sync();
    BoardView* board = window->board_view();
    board->setFocus();
    QTest::keyClick(board, Qt::Key_Down);  // the cursor appears on cell 1
    QTest::keyClick(board, Qt::Key_Down);
    ASSERT_EQ(board->keyboard_cell(), 4);
    QTest::keyClick(board, Qt::Key_Down);
    QTest::keyClick(board, Qt::Key_Right);
    EXPECT_EQ(board->keyboard_cell(), 4) << "cells 5 and 7 are hidden";
    QTest::keyClick(board, Qt::Key_Up);
    QTest::keyClick(board, Qt::Key_Right);
    EXPECT_EQ(board->keyboard_cell(), 2);
}

TEST_F(MainWindowTest, EnterInTheNumberBoxIsNotABoardKey) {
    QLineEdit* number_box = window->puzzle_number_box();
    number_box->setFocus();
    number_box->selectAll();
    QTest::keyClicks(number_box, "2");
    QTest::keyClick(number_box, Qt::Key_Return);
    EXPECT_EQ(number_box->text(), "P# 2 of 2");
    EXPECT_EQ(window->board_view()->keyboard_cell(), 0);
    EXPECT_EQ(form->SourceCell, -1);
}

TEST_F(MainWindowTest, ClickingThroughASolveShowsTheMessageAndTheNextPuzzle) {
    const std::pair<int, int> order[] = {{2, 1}, {1, 4}, {4, 7}, {7, 8}, {8, 9},
                                         {5, 6}, {6, 3}, {3, 2}, {2, 5}};
    QString seen;
    for (const auto& [giver, receiver] : order) {
        click(giver);
        if (receiver == 5) answer_next_message_box(&seen);
        click(receiver);
    }
    EXPECT_EQ(seen, "Its all done!");
    EXPECT_EQ(window->puzzle_number_box()->text(), "P# 2 of 2");
    EXPECT_EQ(form->board.GridSize, 4);
}

// Either mouse button on the panel's buttons acts; "Clear" asks through the system's box first.
TEST_F(MainWindowTest, TheRightButtonClearsTheScoresAfterAskingAndCloses) {
    form->Score1.set_WonSession(true);
    form->menu_Click("mnuscores");
    window->sync();
    ScoresBoxView* panel = window->scores_view();
    QPushButton* close = nullptr;
    QPushButton* clear = nullptr;
    for (QPushButton* button : panel->findChildren<QPushButton*>()) {
        (button->text() == "Close" ? close : clear) = button;
    }
    ASSERT_TRUE(close != nullptr && clear != nullptr);
    QString asked;
    QTimer::singleShot(50, [&asked] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        asked = box->text();
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == "Yes") button->click();
        }
    });
    QTest::mouseClick(clear, Qt::RightButton);
    EXPECT_EQ(asked, "Clear ALL scores");
    EXPECT_EQ(panel->total_label(1)->text(), "0");
    EXPECT_EQ(panel->session_label(2)->text(), "0");
    QTest::mouseClick(close, Qt::RightButton);
    EXPECT_FALSE(panel->isVisible());
}

}  // namespace
}  // namespace kalder::ui
