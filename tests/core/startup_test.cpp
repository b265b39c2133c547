#include <climits>
#include <filesystem>
#include <optional>
#include <set>

#include "form1_fixture.h"

namespace kalder::testing {
namespace {

// Start-up shows the configured puzzle, else puzzle 1 of the default collection, else a new
// 4 x 4 puzzle; a shortened or damaged collection still starts on a puzzle, and each damaged
// line shown is named in a message.
TEST_F(Form1Test, StartUpAlwaysFindsAPuzzleToShow) {
    const std::string good = puzzle_line(SampleBody), bad = "00002,12,123\r\n";
    const std::nullopt_t none = std::nullopt;
    const std::string tmp = "kaldertemp.tmp";
    const struct {
        bool configured;  // a configuration names mine.kdr
        std::optional<std::string> mine, fallback;
        int number;
        std::string shown;
        int size;
        const char* box;
        std::size_t messages;
    } cases[] = {
        {false, none, none, 1, tmp, 4, "P# 1 of 1", 1},
        {true, good + puzzle_line("1234123412341234,"), none, 2, "mine.kdr", 4, "P# 2 of 2", 0},
        {true, "", good + good, 2, "puzzles.kdr", 3, "P# 1 of 2", 0},
        {true, none, bad + good, 2, tmp, 4, "P# 1 of 1", 1},
        {true, good, none, 7, "mine.kdr", 3, "P# 1 of 1", 0},
        {true, good + bad, none, 2, "mine.kdr", 3, "P# 1 of 2", 1},
        {true, bad + bad, none, 2, tmp, 4, "P# 1 of 1", 2},
    };
    for (const auto& c : cases) {
        for (const char* name : {"mine.kdr", "puzzles.kdr", "kalder.cfg", "kaldertemp.tmp"}) {
            std::filesystem::remove(folder.path() / name);
        }
        if (c.mine) folder.write("mine.kdr", *c.mine);
        if (c.fallback) folder.write("puzzles.kdr", *c.fallback);
        if (c.configured) configure(folder.file("mine.kdr"), c.number);
        platform.messages.clear();
        restart();
        EXPECT_EQ(std::tuple(form->CollectionPath, form->board.GridSize, form->PuzNum.Text,
                             platform.messages.size()),
                  std::tuple(folder.file(c.shown), c.size, c.box, c.messages))
            << (&c - cases);
    }
}

// The board is centred below the top bar, cells row by row; a smaller board hides the cells of
// a larger one, and the cell maps answer 0 off the board. The top bar's buttons and tips.
TEST_F(Form1Test, TheLayoutHoldsForEverySize) {
    for (int n = MaxGridSize; n >= MinGridSize; --n) {
        form->board.GridSize = n;
        form->LayoutBoard();
        const Board& board = form->board;
        const int left = 1668 - 250 * (n - 3);
        for (int k = 1; k <= MaxCells; ++k) {
            const int row = (k - 1) / n + 1, col = (k - 1) % n + 1;
            ASSERT_EQ(form->CellD[k].Visible, k <= n * n) << k;
            if (k > n * n) continue;
            EXPECT_EQ(std::tuple(form->CellD[k].Left, form->CellD[k].Top, board.CellAt(row, col),
                                 board.RowOf(k), board.ColOf(k)),
                      std::tuple(left + 500 * (col - 1), left + 450 + 500 * (row - 1), k, row, col))
                << n << ":" << k;
        }
        EXPECT_EQ(board.CellAt(n + 1, 1) + board.CellAt(-3, 100) + board.RowOf(n * n + 1), 0);
    }
    EXPECT_EQ(std::pair(form->Score1.Left, form->Score1.Top), std::pair(700, 650));
    std::string bar;
    for (const BoxControl* b : {&form->arrows[0], &form->arrows[1], &form->arrows[2],
                                &form->cmdreset, &form->cmdcreate, &form->cmdundo}) {
        EXPECT_EQ(std::tuple(b->Top(), b->Width(), b->Height()), std::tuple(60, 390, 360));
        bar += std::to_string(b->Left()) + " " + b->ToolTipText + "|";
    }
    EXPECT_EQ(bar + form->Gsize.ToolTipText,
              "60 Previous puzzle, right-click for first puzzle|450 Random puzzle|840 Next "
              "puzzle, right-click for last puzzle|3165 Reset Puzzle|3555 Create New Puzzle, "
              "rightclick for options|3945 Undo last move|Grid Size");
}

// Cancel does nothing, Scores shows the panel, Exit asks and only Yes saves and ends.
TEST_F(Form1Test, TheKalderMenuActs) {
    configure(collection({puzzle_line(SampleBody), puzzle_line(SampleBody)}), 2);
    restart();
    int ended = 0;
    form->EndProgram = [&] { ++ended; };
    folder.write("kalder.cfg", "untouched");
    platform.messages.clear();
    for (const char* name : {"mnucan1", "can2"}) form->menu_Click(name);
    EXPECT_EQ(std::tuple(form->Score1.Visible, platform.messages.size(), platform.options_shows,
                         form->msg_form.title),
              std::tuple(false, 0u, 0, "Kalder"));
    form->menu_Click("mnuscores");
    EXPECT_TRUE(form->Score1.Visible);
    platform.message_answers = {7, -1, 6};
    for (int i = 0; i < 2; ++i) form->menu_Click("mnuexit");
    EXPECT_EQ(std::tuple(folder.read("kalder.cfg"), ended, platform.messages[0].text),
              std::tuple("untouched", 0, "Exit?"));
    form->menu_Click("mnuexit");
    EXPECT_EQ(ended, 1);
    EXPECT_NE(
        folder.read("kalder.cfg").find("\r\nxp.col\r\n" + folder.file("c.kdr") + "\r\n 2 \r\n"),
        std::string::npos);
}

// A draw lies in 1 .. n (1 for any n below 2), reaches every value, and follows the seed.
TEST(RandomIntTest, StaysInOneToNAndFollowsTheSeed) {
    Random first(2024), second(2024), other(100);
    std::set<int> seen;
    int differences = 0;
    for (int i = 0; i < 600; ++i) {
        const int value = first.RandomInt(6);
        seen.insert(value);
        ASSERT_EQ(second.RandomInt(6), value);
        differences += value != other.RandomInt(6);
    }
    EXPECT_EQ(std::pair(seen, differences > 0), std::pair(std::set<int>{1, 2, 3, 4, 5, 6}, true));
    for (const int n : {1, 0, INT_MIN}) EXPECT_EQ(first.RandomInt(n), 1) << n;
    EXPECT_GE(first.RandomInt(INT_MAX), 1);
}

// Both pauses wait on the one timer: the inner one restarts it, and its tick ends both.
TEST_F(Form1Test, APauseStartedDuringAnotherEndsBothAtTheNextTick) {
    bool inner_returned = false;
    platform.during_wait.push_back([&] {
        form->Pause(200);
        inner_returned = true;
    });
    form->Pause(500);
    EXPECT_TRUE(inner_returned);
    EXPECT_DOUBLE_EQ(platform.clock_seconds, 12 * 3600.0 + 0.2);
}

}  // namespace
}  // namespace kalder::testing
