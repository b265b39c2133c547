#include <filesystem>
#include <optional>

#include "form1_fixture.h"

namespace kalder::testing {
namespace {

// Start-up shows the configured puzzle, else puzzle 1 of the default collection, else a new
// 4 x 4 puzzle. A collection shortened or damaged since the last session still starts on a
// puzzle, never on an empty board, and each damaged line shown is named in a message.
TEST_F(Form1Test, StartUpAlwaysFindsAPuzzleToShow) {
    const std::string good = puzzle_line(SampleBody);
    const std::string damaged = "00002,12,123\r\n";
    const std::nullopt_t none = std::nullopt;
    struct Case {
        const char* what;
        bool configured;  // a configuration names mine.kdr
        std::optional<std::string> mine, fallback;
        int number;
        const char* shown;
        int size;
        const char* box;
        std::size_t messages;
    } const cases[] = {
        {"first run", false, none, none, 1, "kaldertemp.tmp", 4, "P# 1 of 1", 1},
        {"configured", true, good + puzzle_line("1234123412341234,"), none, 2, "mine.kdr", 4,
         "P# 2 of 2", 0},
        {"configured gone", true, none, good + good, 2, "puzzles.kdr", 3, "P# 1 of 2", 0},
        {"configured empty", true, "", good, 3, "puzzles.kdr", 3, "P# 1 of 1", 0},
        {"default empty", true, none, "", 1, "kaldertemp.tmp", 4, "P# 1 of 1", 0},
        {"default damaged", true, none, damaged + good, 2, "kaldertemp.tmp", 4, "P# 1 of 1", 1},
        {"number beyond the file", true, good, none, 7, "mine.kdr", 3, "P# 1 of 1", 0},
        {"configured line damaged", true, good + damaged, none, 2, "mine.kdr", 3, "P# 1 of 2", 1},
        {"first line damaged", true, damaged, none, 1, "kaldertemp.tmp", 4, "P# 1 of 1", 1},
        {"only damaged lines", true, damaged + damaged, none, 2, "kaldertemp.tmp", 4, "P# 1 of 1",
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* name : {"mine.kdr", "puzzles.kdr", "kalder.cfg", "kaldertemp.tmp"}) {
            std::filesystem::remove(folder.path() / name);
        }
        if (c.mine) folder.write("mine.kdr", *c.mine);
        if (c.fallback) folder.write("puzzles.kdr", *c.fallback);
        if (c.configured) configure(folder.file("mine.kdr"), c.number);
        platform.messages.clear();
        restart();
        EXPECT_EQ(form->CollectionPath, folder.file(c.shown));
        EXPECT_EQ(form->board.GridSize, c.size);
        EXPECT_EQ(form->PuzNum.Text, c.box);
        EXPECT_EQ(platform.messages.size(), c.messages);
    }
}

// An installed, read-only copy: nothing beside the program or in the working folder can be
// written. The game still starts, plays and counts, and names each file it could not write once.
TEST_F(Form1Test, AReadOnlyInstallStillPlaysAndTellsOncePerFile) {
    platform.folder = platform.working = folder.file("read-only/");
    restart();
    EXPECT_EQ(form->PuzNum.Text, "P# 1 of 1");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_NE(platform.messages[0].text.find("kalder.sco"), std::string::npos);
    EXPECT_NE(platform.messages[1].text.find("kalder.cfg"), std::string::npos);
    EXPECT_EQ(form->msg_form.title, "Kalder");
    EXPECT_EQ(form->msg_form.background, form->BackColor);

    platform.messages.clear();
    form->Score1.set_WonSession(true);
    form->mnusolve_Click();
    EXPECT_EQ(form->Score1.total(1), "2");
    EXPECT_EQ(platform.message_texts(), std::vector<std::string>{"Done"});
}

// The board is centred below the top bar for every size, cells row by row; a smaller board
// hides the cells of a larger one, and the cell maps answer 0 off the board.
TEST_F(Form1Test, TheLayoutTableHoldsForEverySize) {
    EXPECT_EQ(std::tuple(form->Caption, form->Width, form->Height),
              std::tuple("Kalder", 4935, 6090));
    const int board_left[] = {1668, 1418, 1168, 918, 668, 418, 168};  // N = 3 .. 9
    for (int n = MaxGridSize; n >= MinGridSize; --n) {
        SCOPED_TRACE(n);
        form->board.GridSize = n;
        form->LayoutBoard();
        const Board& board = form->board;
        ASSERT_EQ(board.CellCount, n * n);
        ASSERT_EQ(form->CellD.size(), 82u) << "cells are made once and kept";
        for (int k = 1; k <= MaxCells; ++k) {
            const CellLabel& cell = form->CellD[k];
            ASSERT_EQ(cell.Visible, k <= n * n) << k;
            if (k > n * n) continue;
            const int row = (k - 1) / n + 1, col = (k - 1) % n + 1;
            EXPECT_EQ(cell.Left, board_left[n - 3] + 500 * (col - 1)) << k;
            EXPECT_EQ(cell.Top, board_left[n - 3] + 450 + 500 * (row - 1)) << k;
            EXPECT_EQ(board.CellAt(row, col), k);
            EXPECT_EQ(std::pair(board.RowOf(k), board.ColOf(k)), std::pair(row, col));
        }
        for (const auto& [row, col] : {std::pair{0, 1}, {n + 1, 1}, {1, n + 1}, {-3, 100}}) {
            EXPECT_EQ(board.CellAt(row, col), 0) << row << "," << col;
        }
        EXPECT_EQ(board.RowOf(n * n + 1) + board.ColOf(0), 0);
    }
}

TEST_F(Form1Test, TheTopBarAndTheMenusCarryTheirTexts) {
    const struct {
        const BoxControl& button;
        int left;
        const char* tip;
    } buttons[] = {
        {form->arrows[0], 60, "Previous puzzle, right-click for first puzzle"},
        {form->arrows[1], 450, "Random puzzle"},
        {form->arrows[2], 840, "Next puzzle, right-click for last puzzle"},
        {form->cmdreset, 3165, "Reset Puzzle"},
        {form->cmdcreate, 3555, "Create New Puzzle, rightclick for options"},
        {form->cmdundo, 3945, "Undo last move"},
    };
    for (const auto& b : buttons) {
        EXPECT_EQ(std::tuple(b.button.Left(), b.button.Top(), b.button.Width(), b.button.Height()),
                  std::tuple(b.left, 60, 390, 360))
            << b.tip;
        EXPECT_EQ(b.button.ToolTipText, b.tip);
    }
    EXPECT_EQ(form->Gsize.ToolTipText, "Grid Size");
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
              "Kalder: (Options) Scores - Help About - Cancel - Exit "
              "Puzzle: Solve - (Load) (Save) (Delete) - Cancel ");
}

TEST_F(Form1Test, ExitAsksAndOnlyYesSavesTheSettingsAndEnds) {
    configure(collection({puzzle_line(SampleBody), puzzle_line(SampleBody)}), 2);
    restart();
    int ended = 0;
    form->EndProgram = [&] { ++ended; };
    folder.write("kalder.cfg", "untouched");
    platform.messages.clear();
    platform.message_answers = {7, -1, 6};
    for (int i = 0; i < 2; ++i) form->menu_Click("mnuexit");
    EXPECT_EQ(folder.read("kalder.cfg"), "untouched");
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(platform.messages[0].text, "Exit?");
    EXPECT_EQ(platform.messages[0].buttons, (std::vector<std::string>{"Yes", "No"}));
    form->menu_Click("mnuexit");
    EXPECT_EQ(ended, 1);
    EXPECT_NE(
        folder.read("kalder.cfg").find("\r\nxp.col\r\n" + folder.file("c.kdr") + "\r\n 2 \r\n"),
        std::string::npos);
}

TEST_F(Form1Test, ScoresShowsThePanelAndCancelDoesNothing) {
    restart();
    platform.messages.clear();
    form->menu_Click("mnucan1");
    form->menu_Click("can2");
    EXPECT_FALSE(form->Score1.Visible);
    form->menu_Click("mnuscores");
    EXPECT_TRUE(form->Score1.Visible);
    form->Score1.Command1_MouseUp(MouseEvent{RightButton});
    EXPECT_FALSE(form->Score1.Visible) << "its Close button hides it again";
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace kalder::testing
