#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
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
#include "ui/msgbox/msg_form_view.h"
#include "ui/scores/scores_box_view.h"
#include "ui_test_support.h"

namespace kalder::ui {
namespace {

// The game's main window over a model started in a test's own folder, beside the shipped
// scheme store and help page.
class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        platform.program_folder_override = folder.string() + "/";
        for (const char* name : {"all.col", "kalder.htm"})
            std::filesystem::copy_file(app_dir() + name, folder / name);
    }
    ~MainWindowTest() override { window.reset(); }
    static std::string app_dir() {
        return QCoreApplication::applicationDirPath().toStdString() + "/";
    }
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

    const QTemporaryDir temporary;
    const std::filesystem::path folder = temporary.path().toStdString();
    TestPlatform platform;
    Random random{7};
    std::unique_ptr<Form1> form;
    std::unique_ptr<MainWindow> window;
};

// The line follows the pointer and a locked cell is painted dark. Enter in the number box is the
// box's; on the board, arrows move a cursor over the cells shown (puzzle 2 hides cells 5 and 7),
// Space selects, Enter moves; a mouse click hides the cursor until the next key.
TEST_F(MainWindowTest, TheMouseAndTheKeyboardPlayTheBoard) {
    std::ofstream(folder / "c.kdr", std::ios::binary)
        << "00001,3,121222332,020306010205040708\r\n00002,3,1212,0102\r\n";
    std::ofstream(folder / "kalder.cfg", std::ios::binary)
        << "12-05-2026 14:02:31\r\nxp.col\r\n"
        << (folder / "c.kdr").string() << "\r\n 1 \r\n";
    start();
    BoardView* board = window->board_view();
    click(2);
    QTest::mouseMove(board, centre_of(1));
    EXPECT_EQ(form->TargetCell, 1);
    click(1);
    EXPECT_LT(board->grab().toImage().pixelColor(centre_of(1) + QPoint(-12, -12)).lightness(), 60);
    QLineEdit* number_box = window->puzzle_number_box();
    number_box->setFocus();
    number_box->selectAll();
    QTest::keyClicks(number_box, "2");
    QTest::keyClick(number_box, Qt::Key_Return);
    EXPECT_EQ(
        std::tuple(number_box->text().toStdString(), board->keyboard_cell(), form->SourceCell),
        std::tuple("P# 2 of 2", 0, -1));
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

// A first start beside the shipped collection, without a configuration file (the game says so),
// lands on its first, smallest puzzle. Then each window the README shows, taking its picture when
// asked: a five-by-five puzzle amid a move; the scores panel, whose "Clear" asks through the
// system's box; the help window, whose links go through the model's history; the About box,
// hidden by Escape; the Options dialog, whose "dark" applied repaints the window, its menu bar
// and cells. The menus show the model's entries, only the working commands enabled.
TEST_F(MainWindowTest, TheShippedCollectionAndEachWindowFollowTheirModels) {
    const std::string shipped = app_dir() + "puzzles.kdr";
    std::filesystem::copy_file(shipped, folder / "puzzles.kdr");
    QString first_message;
    when_modal([&first_message](QWidget& modal) {
        auto& box = dynamic_cast<MsgFormView&>(modal);
        first_message = box.text_label()->text();
        QTest::mouseClick(box.button(0), Qt::LeftButton);
    });
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
    EXPECT_EQ(std::tuple(first_message.isEmpty(), count >= 150, line(1).size, board()),
              std::tuple(false, true, 3, line(1).cells));
    int five = 1;
    while (five < count && line(five).size < 5) ++five;
    ASSERT_FALSE(form->ShowPuzzle(form->CollectionPath, five));
    EXPECT_EQ(board(), line(five).cells);
    click(std::stoi(line(five).moves.substr(0, 2)));  // the first giver of the stored solution
    QTest::mouseMove(window->board_view(), centre_of(1));
    save_screenshot_if_asked(*window, "screenshot.png");
    form->Form_MouseUp(MouseEvent{});

    QStringList menus;
    for (QAction* menu : window->menuBar()->actions()) {
        menus << menu->text() + ":";
        for (QAction* entry : menu->menu()->actions()) {
            menus << (entry->isSeparator() ? QStringLiteral("-")
                      : entry->isEnabled() ? entry->text()
                                           : "(" + entry->text() + ")");
        }
    }
    EXPECT_EQ(menus.join(' ').toStdString(),
              "Kalder: Options Scores - Help About - Cancel - Exit "
              "Puzzle: Solve - Load Save Delete - Cancel");
    const auto menu_entry = [this](int menu, int entry) {
        window->menuBar()->actions()[menu]->menu()->actions()[entry]->trigger();
    };

    menu_entry(0, 1);
    window->sync();
    save_screenshot_if_asked(*window, "screenshot-scores.png");
    form->Score1.set_WonSession(true);
    window->sync();
    ScoresBoxView* panel = window->scores_view();
    EXPECT_EQ(panel->session_label(2)->text(), "1");
    when_modal([](QWidget& modal) {
        for (QAbstractButton* button : dynamic_cast<QMessageBox&>(modal).buttons())
            if (button->text() == "Yes") button->click();
    });
    for (QPushButton* button : panel->findChildren<QPushButton*>())
        if (button->text() == "Clear") QTest::mouseClick(button, Qt::RightButton);
    EXPECT_EQ(panel->total_label(1)->text(), "0");

    menu_entry(0, 3);
    auto* help = window->findChild<Form4View*>();
    ASSERT_TRUE(help != nullptr && QTest::qWaitForWindowActive(help));
    save_screenshot_if_asked(*help, "screenshot-help.png");
    emit help->browser()->anchorClicked(QUrl("#keyboard"));
    EXPECT_EQ(
        std::tuple(help->browser()->toPlainText().contains("worked example"),
                   help->form().WebBrowser1.LocationURL(), help->browser()->source().fragment()),
        std::tuple(true, (folder / "kalder.htm#keyboard").string(), "keyboard"));
    QTest::mouseClick(help->button(0), Qt::LeftButton);
    EXPECT_FALSE(help->browser()->source().hasFragment()) << "Back";
    help->close();
    EXPECT_FALSE(form->help_form->Loaded);

    when_modal([](QWidget& about) {
        save_screenshot_if_asked(about, "screenshot-about.png");
        QTest::keyClick(&about, Qt::Key_Return);
        EXPECT_TRUE(about.isVisible()) << "only Escape closes";
        QTest::keyClick(&about, Qt::Key_Escape);
    });
    menu_entry(0, 4);
    EXPECT_EQ(std::tuple(form->about_form->Loaded, form->about_form->Visible),
              std::tuple(true, false));

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
    menu_entry(0, 0);
    const SchemeTable& table = form->ColourTable;
    const QImage picture = window->board_view()->grab().toImage();
    EXPECT_EQ(std::tuple(form->SchemeName, table[2], picture.pixelColor(2, 40),
                         window->menuBar()->grab().toImage().pixelColor(2, 2),
                         picture.pixelColor(centre_of(form->board.CellCount) - QPoint(12, 12))),
              std::tuple("dark.col", RGB(40, 44, 52), to_qcolor(table[2]), to_qcolor(table[3]),
                         to_qcolor(table[4])));
}

}  // namespace
}  // namespace kalder::ui
