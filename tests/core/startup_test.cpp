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
        {true, none, good + good, 2, "puzzles.kdr", 3, "P# 1 of 2", 0},
        {true, "", good, 3, "puzzles.kdr", 3, "P# 1 of 1", 0},
        {true, none, "", 1, tmp, 4, "P# 1 of 1", 0},
        {true, none, bad + good, 2, tmp, 4, "P# 1 of 1", 1},
        {true, good, none, 7, "mine.kdr", 3, "P# 1 of 1", 0},
        {true, good + bad, none, 2, "mine.kdr", 3, "P# 1 of 2", 1},
        {true, bad, none, 1, tmp, 4, "P# 1 of 1", 1},
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

// A read-only install starts, plays and counts, and names each file it could not write once.
TEST_F(Form1Test, AReadOnlyInstallStillPlaysAndTellsOncePerFile) {
    platform.folder = platform.working = folder.file("read-only/");
    restart();
    EXPECT_EQ(form->PuzNum.Text, "P# 1 of 1");
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_NE(platform.messages[0].text.find("kalder.sco"), std::string::npos);
    EXPECT_NE(platform.messages[1].text.find("kalder.cfg"), std::string::npos);
    EXPECT_EQ(std::tuple(form->msg_form.title, form->msg_form.background),
              std::tuple("Kalder", form->BackColor));
    EXPECT_NE(platform.messages[2].text.find("all.col"), std::string::npos);
    platform.messages.clear();
    form->Score1.set_WonSession(true);
    form->mnusolve_Click();
    EXPECT_EQ(form->Score1.total(1), "2");
    EXPECT_EQ(platform.message_texts(), std::vector<std::string>{"Done"});
}

// The board is centred below the top bar, cells row by row; a smaller board hides the cells of
// a larger one, and the cell maps answer 0 off the board.
TEST_F(Form1Test, TheLayoutHoldsForEverySize) {
    EXPECT_EQ(
        std::tuple(form->Caption, form->Width, form->Height, form->Score1.Left, form->Score1.Top),
        std::tuple("Kalder", 4935, 6090, 700, 650));
    for (int n = MaxGridSize; n >= MinGridSize; --n) {
        form->board.GridSize = n;
        form->LayoutBoard();
        const Board& board = form->board;
        const int left = 1668 - 250 * (n - 3);
        ASSERT_EQ(std::pair(board.CellCount, form->CellD.size()), std::pair(n * n, 82ul));
        for (int k = 1; k <= MaxCells; ++k) {
            const CellLabel& cell = form->CellD[k];
            const int row = (k - 1) / n + 1, col = (k - 1) % n + 1;
            ASSERT_EQ(cell.Visible, k <= n * n) << k;
            if (k > n * n) continue;
            EXPECT_EQ(std::tuple(cell.Left, cell.Top, board.CellAt(row, col), board.RowOf(k),
                                 board.ColOf(k)),
                      std::tuple(left + 500 * (col - 1), left + 450 + 500 * (row - 1), k, row, col))
                << n << ":" << k;
        }
        EXPECT_EQ(board.CellAt(0, 1) + board.CellAt(n + 1, 1) + board.CellAt(1, n + 1) +
                      board.CellAt(-3, 100) + board.RowOf(n * n + 1) + board.ColOf(0),
                  0);
    }
}

TEST_F(Form1Test, TheTopBarAndTheMenusCarryTheirTexts) {
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
    // Entries whose command this build lacks are shown disabled, in brackets here.
    std::string shown;
    for (const Menu& menu : form->menus) {
        shown += menu.caption + ":";
        for (const MenuItem& item : menu.items) {
            shown += " " + (item.enabled ? item.caption : "(" + item.caption + ")");
        }
        shown += " ";
    }
    EXPECT_EQ(shown,
              "Kalder: Options Scores - Help About - Cancel - Exit "
              "Puzzle: Solve - Load Save Delete - Cancel ");
}

// Cancel does nothing, Scores shows the panel, Exit asks and only Yes saves and ends.
TEST_F(Form1Test, TheKalderMenuActs) {
    configure(collection({puzzle_line(SampleBody), puzzle_line(SampleBody)}), 2);
    restart();
    int ended = 0;
    form->EndProgram = [&] { ++ended; };
    folder.write("kalder.cfg", "untouched");
    platform.messages.clear();
    form->menu_Click("mnucan1");
    form->menu_Click("can2");
    EXPECT_FALSE(form->Score1.Visible);
    form->menu_Click("mnuscores");
    EXPECT_TRUE(form->Score1.Visible);
    form->Score1.Command1_MouseUp(MouseEvent{RightButton});
    EXPECT_FALSE(form->Score1.Visible) << "its Close button hides it again";
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.options_shows, 0);
    platform.message_answers = {7, -1, 6};
    for (int i = 0; i < 2; ++i) form->menu_Click("mnuexit");
    EXPECT_EQ(std::tuple(folder.read("kalder.cfg"), ended), std::tuple("untouched", 0));
    EXPECT_EQ(std::tuple(platform.messages[0].text, platform.messages[0].buttons),
              std::tuple("Exit?", std::vector<std::string>{"Yes", "No"}));
    form->menu_Click("mnuexit");
    EXPECT_EQ(ended, 1);
    EXPECT_NE(
        folder.read("kalder.cfg").find("\r\nxp.col\r\n" + folder.file("c.kdr") + "\r\n 2 \r\n"),
        std::string::npos);
}

// A draw lies in 1 .. n (1 for any n below 2), reaches every value, and follows the seed.
TEST(RandomIntTest, StaysInOneToNAndFollowsTheSeed) {
    Random random(99), other(100), first(2024), second(2024);
    for (const int n : {1, 0, -7, INT_MIN}) EXPECT_EQ(random.RandomInt(n), 1) << n;
    std::set<int> seen;
    for (int i = 0; i < 600; ++i) {
        seen.insert(random.RandomInt(6));
        ASSERT_GE(random.RandomInt(INT_MAX), 1);
    }
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4, 5, 6}));
    int differences = 0;
    for (int i = 0; i < 50; ++i) {
        const int value = first.RandomInt(1000);
        EXPECT_EQ(value, second.RandomInt(1000));
        differences += value != other.RandomInt(1000);
    }
    EXPECT_GT(differences, 0);
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
