#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/app/form1.h"
#include "core/game/collection_file.h"
#include "core/game/puzzle_line.h"
#include "main_window_fixture.h"
#include "ui/app/board_view.h"
#include "ui/app/main_window.h"
#include "ui_test_support.h"

namespace kalder::ui {
namespace {

// A first start beside the shipped collection, without a configuration file.
class ShippedCollectionTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        shipped = (QCoreApplication::applicationDirPath() + "/puzzles.kdr").toStdString();
        ASSERT_TRUE(FileExists(shipped)) << shipped;
        std::filesystem::copy_file(shipped, folder / "puzzles.kdr");
        // The first start tells the player that no configuration was found.
        answer_next_message_box(&first_message);
        start();
    }
    PuzzleLine line(int number) const {
        const PuzzleLineParse parsed =
            parse_puzzle_line(read_collection_line(shipped, number).value());
        EXPECT_TRUE(parsed.ok()) << number << ": " << parsed.error;
        return parsed.line.value_or(PuzzleLine{});
    }
    void expect_board_shows(const PuzzleLine& puzzle) const {
        ASSERT_EQ(form->board.GridSize, puzzle.size);
        for (int k = 1; k <= puzzle.size * puzzle.size; ++k) {
            EXPECT_EQ(form->CellD[k].Caption, std::string(1, puzzle.cells[k - 1])) << k;
        }
    }
    std::string shipped;
    QString first_message;
};

TEST_F(ShippedCollectionTest, StartsOnItsFirstPuzzleAndReachesAnyByNumber) {
    EXPECT_FALSE(first_message.isEmpty());
    const int count = CountLines(shipped);
    EXPECT_GE(count, 150);
    EXPECT_EQ(window->puzzle_number_box()->text().toStdString(),
              "P# 1 of " + std::to_string(count));
    expect_board_shows(line(1));
    EXPECT_EQ(line(1).size, 3) << "a new player starts on the smallest board";

    // The first five-by-five puzzle, typed into the number box.
    int five = 1;
    while (five < count && line(five).size < 5) ++five;
    QLineEdit* number_box = window->puzzle_number_box();
    number_box->selectAll();
    QTest::keyClicks(number_box, QString::number(five));
    QTest::keyClick(number_box, Qt::Key_Return);
    const PuzzleLine puzzle = line(five);
    expect_board_shows(puzzle);

    // Step k of the stored solution lets cell p(k) give to cell k. The first, played by clicks.
    const auto giver_of = [&](int k) { return std::stoi(puzzle.moves.substr(2 * (k - 1), 2)); };
    click(giver_of(1));
    click(1);
    EXPECT_EQ(form->CellD[1].Caption, std::string(1, puzzle.cells[0] + 1));
    EXPECT_TRUE(form->board.locked(1));

    // A selection in progress, for the picture in the README: a later step whose giver can
    // still give.
    for (int k = 2; k <= puzzle.size * puzzle.size; ++k) {
        if (form->caption_value(giver_of(k)) < 2 || form->board.locked(k)) continue;
        click(giver_of(k));
        QTest::mouseMove(window->board_view(), centre_of(k));
        break;
    }
    EXPECT_GE(form->SourceCell, 1);
    save_screenshot_if_asked(*window, "screenshot.png");

    form->menu_Click("mnuscores");
    window->sync();
    save_screenshot_if_asked(*window, "screenshot-scores.png");
}

}  // namespace
}  // namespace kalder::ui
