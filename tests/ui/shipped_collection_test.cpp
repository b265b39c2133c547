#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include "core/game/collection_file.h"
#include "core/game/puzzle_line.h"
#include "main_window_fixture.h"
#include "ui/app/board_view.h"

namespace kalder::ui {
namespace {

// A first start beside the shipped collection, without a configuration file (the game says
// so), lands on its first, smallest puzzle; the first five-by-five one is reached by typing its
// number. Also takes the README's pictures when asked.
TEST_F(MainWindowFixture, TheShippedCollectionStartsSmallAndReachesAnyPuzzleByNumber) {
    const std::string shipped =
        (QCoreApplication::applicationDirPath() + "/puzzles.kdr").toStdString();
    std::filesystem::copy_file(shipped, folder / "puzzles.kdr");
    QString first_message;
    answer_next_message_box(&first_message);
    start();
    const auto line = [&](int number) {
        return parse_puzzle_line(read_collection_line(shipped, number).value()).line.value();
    };
    const auto board = [this] {
        std::string cells;
        for (int k = 1; k <= form->board.GridSize * form->board.GridSize; ++k) {
            cells += form->CellD[k].Caption;
        }
        return cells;
    };
    const int count = CountLines(shipped);
    EXPECT_EQ(std::tuple(first_message.isEmpty(), count >= 150, line(1).size, board(),
                         window->puzzle_number_box()->text().toStdString()),
              std::tuple(false, true, 3, line(1).cells, "P# 1 of " + std::to_string(count)));
    int five = 1;
    while (five < count && line(five).size < 5) ++five;
    QLineEdit* number_box = window->puzzle_number_box();
    number_box->selectAll();
    QTest::keyClicks(number_box, QString::number(five));
    QTest::keyClick(number_box, Qt::Key_Return);
    const PuzzleLine puzzle = line(five);
    ASSERT_EQ(board(), puzzle.cells);

    // Step k of the stored solution lets cell p(k) give to cell k. The first, played by clicks.
    const auto giver_of = [&](int k) { return std::stoi(puzzle.moves.substr(2 * (k - 1), 2)); };
    click(giver_of(1));
    click(1);
    EXPECT_EQ(std::tuple(form->CellD[1].Caption, form->board.locked(1)),
              std::tuple(std::string(1, puzzle.cells[0] + 1), true));

    // A selection in progress for the picture: a later step whose giver can still give.
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
