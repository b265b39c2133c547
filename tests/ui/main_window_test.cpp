#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHelpEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <fstream>

#include "core/app/form1.h"
#include "core/game/collection_file.h"
#include "core/game/puzzle_line.h"
#include "core/help/about_form.h"
#include "core/help/form4.h"
#include "ui/app/board_view.h"
#include "ui/app/main_window.h"
#include "ui/app/qt_convert.h"
#include "ui/appearance/form2_view.h"
#include "ui/controls/box_control_view.h"
#include "ui/help/form4_view.h"
#include "ui/scores/scores_box_view.h"
#include "ui_test_support.h"

namespace kalder::ui {
namespace {

// The game's main window over a model started in a test's own folder, beside the shipped
// scheme store: put the files in `folder`, then start().
class MainWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        platform.program_folder_override = folder.string() + "/";
        std::filesystem::copy_file(app_dir() + "/all.col", folder / "all.col");
    }
    void TearDown() override {
        window.reset();
        std::filesystem::remove_all(folder);
    }
    static std::string app_dir() { return QCoreApplication::applicationDirPath().toStdString(); }
    void start() {
        form = std::make_unique<Form1>(platform, random);
        form->Form_Load();
        window = std::make_unique<MainWindow>(*form);
        platform.set_dialog_parent(window.get());
        platform.set_render_hook([this] { window->sync(); });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QPoint centre_of(int cell) const {
        const CellLabel& c = form->CellD[cell];
        return window->board_view()->to_pixels(c.Left, c.Top, c.Width, c.Height).center();
    }
    void click(int cell) {
        QTest::mouseClick(window->board_view(), Qt::LeftButton, Qt::NoModifier, centre_of(cell));
    }

    const std::filesystem::path folder = make_test_folder();
    TestPlatform platform;
    Random random{7};
    std::unique_ptr<Form1> form;
    std::unique_ptr<MainWindow> window;
};

// Two puzzles, the second with cells 5 and 7 hidden, and the help page.
class MainWindowTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        std::filesystem::copy_file(app_dir() + "/kalder.htm", folder / "kalder.htm");
        std::ofstream(folder / "c.kdr", std::ios::binary)
            << "00001,3,121222332,020306010205040708\r\n00002,3,1212,0102\r\n";
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

// Load asks in the program folder; the filter's label keeps its ";"-separated patterns while
// the list shows the files of each pattern, and only those.
TEST_F(MainWindowTest, LoadAsksForAKalderFileInTheProgramFolder) {
    for (const char* name : {"b.txt", "c.dat", "d.md"}) std::ofstream(folder / name) << "x";
    QStringList seen;
    when_modal([&](QWidget& modal) {
        auto& dialog = dynamic_cast<QFileDialog&>(modal);
        auto* files = dialog.findChild<QFileSystemModel*>("qt_filesystem_model");
        const QModelIndex root = files->index(dialog.directory().absolutePath());
        EXPECT_TRUE(QTest::qWaitFor([&] { return files->rowCount(root) >= 3; }, 5000));
        seen << dialog.windowTitle() << dialog.directory().absolutePath() << dialog.nameFilters();
        for (int row = 0; row < files->rowCount(root); ++row)
            seen << files->fileName(files->index(row, 0, root));
        dialog.reject();
    });
    form->menu_Click("mnuload");
    std::sort(seen.begin() + std::min<qsizetype>(3, seen.size()), seen.end());
    EXPECT_EQ(seen, (QStringList{"Kalder", folder.c_str(), "Kalder Files (*.kdr;*.txt;*.dat)",
                                 "b.txt", "c.dat", "c.kdr"}));
}

// Clicks select and move, the line follows the pointer with the cells' tips ("-1" on the
// source, "+1" where it points), a locked cell is painted dark, and the last move shows the
// message and the next puzzle. There arrows move a cursor over the cells shown, Space selects,
// Enter moves; a mouse click hides the cursor until the next key.
TEST_F(MainWindowTest, TheMouseAndTheKeyboardPlayTheBoard) {
    BoardView* board = window->board_view();
    EXPECT_EQ(tip_over(2), "");
    click(2);
    QTest::mouseMove(board, centre_of(1));
    EXPECT_EQ(std::tuple(form->TargetCell, tip_over(2), tip_over(1), tip_over(9)),
              std::tuple(1, "-1", "+1", ""));
    QToolTip::hideText();
    click(1);
    EXPECT_LT(board->grab().toImage().pixelColor(centre_of(1) + QPoint(-12, -12)).lightness(), 60);
    QString seen;
    for (const auto& [giver, receiver] :
         {std::pair{1, 4}, {4, 7}, {7, 8}, {8, 9}, {5, 6}, {6, 3}, {3, 2}, {2, 5}}) {
        click(giver);
        if (receiver == 5) answer_next_message_box(&seen);
        click(receiver);
    }
    EXPECT_EQ(std::tuple(seen, window->puzzle_number_box()->text()),
              std::tuple("Its all done!", "P# 2 of 2"));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    board->setFocus();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right})
        QTest::keyClick(board, key);
    EXPECT_EQ(board->keyboard_cell(), 4) << "cells 5 and 7 are hidden";
    for (const Qt::Key key :
         {Qt::Key_Up, Qt::Key_Right, Qt::Key_Space, Qt::Key_Left, Qt::Key_Return})
        QTest::keyClick(board, key);
    EXPECT_EQ(std::tuple(form->CellD[1].Caption, form->board.locked(1)), std::tuple("2", true));
    click(4);
    EXPECT_EQ(board->keyboard_cell(), 0);
    QTest::keyClick(board, Qt::Key_Right);
    EXPECT_EQ(board->keyboard_cell(), 4) << "it comes back at the selection";
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

// The panel lies over the board's top row: clicks on it never reach the cells beneath. "Clear"
// asks through the system's box first; either mouse button acts.
TEST_F(MainWindowTest, TheScoresPanelCoversTheBoardClearsAfterAskingAndCloses) {
    form->Score1.set_WonSession(true);
    form->menu_Click("mnuscores");
    window->sync();
    ScoresBoxView* panel = window->scores_view();
    BoardView* board = window->board_view();
    const CellLabel& cell = form->CellD[2];
    const QPoint at = board->to_pixels(cell.Left + cell.Width / 2, cell.Top + 60);
    QWidget* hit = board->childAt(at);
    ASSERT_TRUE(panel->isVisible() && panel->geometry().contains(at) && hit != nullptr);
    QTest::mouseClick(hit, Qt::LeftButton, Qt::NoModifier, hit->mapFrom(board, at));
    EXPECT_EQ(std::tuple(form->SourceCell, panel->session_label(2)->text()), std::tuple(-1, "1"));
    std::map<QString, QPushButton*> buttons;
    for (QPushButton* button : panel->findChildren<QPushButton*>())
        buttons[button->text()] = button;
    QString asked;
    when_modal([&asked](QWidget& modal) {
        auto& box = dynamic_cast<QMessageBox&>(modal);
        asked = box.text();
        for (QAbstractButton* button : box.buttons())
            if (button->text() == "Yes") button->click();
    });
    QTest::mouseClick(buttons.at("Clear"), Qt::RightButton);
    EXPECT_EQ(std::tuple(asked, panel->total_label(1)->text()),
              std::tuple("Clear ALL scores", "0"));
    QTest::mouseClick(buttons.at("Close"), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
}

// Links inside the help page go through the model's history, so Back returns from a place; the
// page follows the window's size; a close from the frame ends the window. Escape, and no other
// key, hides the About box.
TEST_F(MainWindowTest, TheHelpWindowAndTheAboutBoxFollowTheirModels) {
    form->menu_Click("mnuhelp");
    auto* help = window->findChild<Form4View*>();
    ASSERT_TRUE(help != nullptr && QTest::qWaitForWindowActive(help));
    save_screenshot_if_asked(*help, "screenshot-help.png");
    emit help->browser()->anchorClicked(QUrl("#keyboard"));
    EXPECT_EQ(
        std::tuple(help->windowTitle(), help->browser()->toPlainText().contains("worked example"),
                   help->form().WebBrowser1.LocationURL(), help->browser()->source().fragment()),
        std::tuple("Kalder Help", true, (folder / "kalder.htm#keyboard").string(), "keyboard"));
    QTest::mouseClick(help->button(0), Qt::LeftButton);
    help->resize(help->width() + 100, help->height());
    EXPECT_EQ(std::tuple(help->form().WebBrowser1.LocationURL(),
                         help->browser()->source().hasFragment(), help->browser()->width()),
              std::tuple((folder / "kalder.htm").string(), false, help->width() - 4));
    help->close();
    EXPECT_FALSE(form->help_form->Loaded);
    when_modal([](QWidget& about) {
        save_screenshot_if_asked(about, "screenshot-about.png");
        QTest::keyClick(&about, Qt::Key_Return);
        EXPECT_TRUE(about.isVisible()) << "only Escape closes";
        QTest::keyClick(&about, Qt::Key_Escape);
    });
    form->menu_Click("mnuabout");
    EXPECT_EQ(std::tuple(form->about_form->Loaded, form->about_form->Visible),
              std::tuple(true, false));
}

// "dark", picked in the Options list (reached through the menu bar) and applied, repaints the
// window, its menu bar and cells.
TEST_F(MainWindowTest, OptionsApplyRepaintsTheWindowItsMenuBarAndCells) {
    when_modal([](QWidget& modal) {
        auto& dialog = dynamic_cast<Form2View&>(modal);
        for (QListWidgetItem* row : dialog.list()->findItems("dark", Qt::MatchExactly)) {
            QTest::mouseClick(dialog.list()->viewport(), Qt::LeftButton, {},
                              dialog.list()->visualItemRect(row).center());
        }
        EXPECT_EQ(dialog.form().Frame1_Caption, "Color Scheme: dark");
        QTest::mouseClick(dialog.button("Apply"), Qt::LeftButton);
        save_screenshot_if_asked(dialog, "screenshot-options.png");
        QTest::mouseClick(dialog.button("Exit"), Qt::LeftButton);
    });
    window->menuBar()->actions().front()->menu()->actions().front()->trigger();
    const SchemeTable& table = form->ColourTable;
    const CellLabel& cell = form->CellD[1];
    BoardView* board = window->board_view();
    const QImage picture = board->grab().toImage();
    EXPECT_EQ(std::tuple(form->SchemeName, table[2], picture.pixelColor(2, 40),
                         window->menuBar()->grab().toImage().pixelColor(2, 2),
                         picture.pixelColor(board->to_pixels(cell.Left, cell.Top) + QPoint(4, 4))),
              std::tuple("dark.col", RGB(40, 44, 52), to_qcolor(table[2]), to_qcolor(table[3]),
                         to_qcolor(table[4])));
}

// A first start beside the shipped collection, without a configuration file (the game says
// so), lands on its first, smallest puzzle; a five-by-five one is reached by typing its number,
// the Enter being the number box's, not the board's. Also takes the README's pictures when
// asked.
TEST_F(MainWindowFixture, TheShippedCollectionStartsSmallAndReachesAnyPuzzleByNumber) {
    const std::string shipped = app_dir() + "/puzzles.kdr";
    std::filesystem::copy_file(shipped, folder / "puzzles.kdr");
    QString first_message;
    answer_next_message_box(&first_message);
    start();
    const auto line = [&](int number) {
        return parse_puzzle_line(read_collection_line(shipped, number).value()).line.value();
    };
    const auto board = [this] {
        std::string cells;
        for (int k = 1; k <= form->board.GridSize * form->board.GridSize; ++k)
            cells += form->CellD[k].Caption;
        return cells;
    };
    const int count = CountLines(shipped);
    QLineEdit* number_box = window->puzzle_number_box();
    EXPECT_EQ(std::tuple(first_message.isEmpty(), count >= 150, line(1).size, board(),
                         number_box->text().toStdString()),
              std::tuple(false, true, 3, line(1).cells, "P# 1 of " + std::to_string(count)));
    int five = 1;
    while (five < count && line(five).size < 5) ++five;
    number_box->setFocus();
    number_box->selectAll();
    QTest::keyClicks(number_box, QString::number(five));
    QTest::keyClick(number_box, Qt::Key_Return);
    EXPECT_EQ(std::tuple(board(), window->board_view()->keyboard_cell(), form->SourceCell),
              std::tuple(line(five).cells, 0, -1));
    // A selection in progress for the picture: the first giver of the stored solution.
    const int giver = std::stoi(line(five).moves.substr(0, 2));
    click(giver);
    QTest::mouseMove(window->board_view(), centre_of(1));
    EXPECT_EQ(form->SourceCell, giver);
    save_screenshot_if_asked(*window, "screenshot.png");
    form->menu_Click("mnuscores");
    window->sync();
    save_screenshot_if_asked(*window, "screenshot-scores.png");
}

}  // namespace
}  // namespace kalder::ui
