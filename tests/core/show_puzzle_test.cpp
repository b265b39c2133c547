#include "form1_fixture.h"

namespace kalder::testing {
namespace {

// The line number is not read back, a cell that is no digit shows 0, a short line hides the rest;
// showing ends locks, undo and selection.
TEST_F(Form1Test, ShowingAPuzzlePutsItsLineOnTheBoard) {
    const std::string path = collection({puzzle_line(SampleBody), "00999,4,1234123412341234,\r\n",
                                         puzzle_line("1x1222332,"), puzzle_line("12122,")});
    // The grade goes with the board, in the description and after the box's tip: none for a
    // start that has no solution, which both call a dead end.
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"1 2 1 2 2 2 3 3 2", SampleBody.c_str(), "Grade 1 of 5", "Grid Size\nGrade 1 of 5"},
        {"1 2 3 4 1 2 3 4 1 2 3 4 1 2 3 4", "1234123412341234,", "No solution from here",
         "No solution from here"},
        {"1 0 1 2 2 2 3 3 2", "1x1222332,", "No solution from here", "No solution from here"}};
    for (int n = 1; n <= 3; ++n) {
        show(path, n);
        const auto& [cells, body, grade, tip] = cases[n - 1];
        EXPECT_EQ(std::tuple(board(), form->PuzzleBody, form->PuzNum.Text,
                             form->grid_size_description(), form->grid_size_tip()),
                  std::tuple(cells, body, "P# " + std::to_string(n) + " of 4", grade, tip));
    }
    show(path, 4);
    EXPECT_EQ(board(), "1 2 1 2 2 - - - -") << "the cells past a short line are hidden, blank";
    show(path);
    move(2, 1);
    click(5);
    form->CellD_MouseMove(6, MouseEvent{});
    show(path);
    EXPECT_EQ(std::tuple(board(), form->CellD[1].BackColor, form->UndoList.size(), form->SourceCell,
                         form->TargetCell, form->Line1.Visible,
                         form->CellD[5].ToolTipText + form->CellD[6].ToolTipText),
              std::tuple("1 2 1 2 2 2 3 3 2", form->open_cell_colour(), 0u, -1, -1, false, ""));
}

// A line that is not there, or that no board can show, never reaches the board; only a
// damaged line is reported, naming the line and the file.
TEST_F(Form1Test, MissingAndDamagedLinesLeaveTheBoardAsItWas) {
    const std::string path = collection({puzzle_line(SampleBody)});
    show(path);
    const std::string bad =
        collection({puzzle_line(SampleBody), std::string("\x00\xff\x01,,\x7f\r\n", 9)}, "bad.kdr");
    EXPECT_TRUE(form->ShowPuzzle(bad, 2));
    EXPECT_EQ(platform.messages.at(0).text.rfind("Puzzle 2 of the file\r\n" + bad + "\r\n", 0), 0u);
    for (const auto& [file, n] : {std::pair{path, 2}, {path, 0}, {folder.file("absent"), 1}})
        EXPECT_TRUE(form->ShowPuzzle(file, n)) << file << " " << n;
    EXPECT_EQ(
        std::tuple(platform.messages.size(), board(), form->PuzzleNumber, form->CollectionPath),
        std::tuple(1u, "1 2 1 2 2 2 3 3 2", 1, path));
}

// The arrows wrap and right-click to the ends; a typed number acts on Enter and only within the
// collection; the random arrow reaches every puzzle.
TEST_F(Form1Test, ArrowsAndTheNumberBoxReachEveryPuzzle) {
    const std::string path = collection(std::vector<std::string>(10, puzzle_line(SampleBody)));
    const std::tuple<int, int, int, int> clicks[] = {
        {1, 0, LeftButton, 10},  {10, 2, LeftButton, 1},  {2, 0, LeftButton, 1},
        {5, 0, RightButton, 1},  {5, 2, RightButton, 10}, {5, 0, MiddleButton, 5},
        {5, 2, MiddleButton, 5},
    };
    for (const auto& [from, arrow, button, expected] : clicks) {
        show(path, from);
        form->arrows_MouseUp(arrow, MouseEvent{button});
        EXPECT_EQ(form->PuzNum.Text, "P# " + std::to_string(expected) + " of 10") << from << arrow;
    }
    const std::tuple<const char*, int, const char*> typed_keys[] = {
        {"10", 13, "P# 10 of 10"},        {" 2.5 ", 13, "P# 2 of 10"}, {"11", 13, "P# 3 of 10"},
        {"1", 13, "P# 1 of 10"},          {"0", 13, "P# 3 of 10"},     {"4", '4', "4"},
        {"P# 7 of 10", 13, "P# 3 of 10"},
    };
    for (const auto& [typed, key, shown] : typed_keys) {
        show(path, 3);
        form->PuzNum.Text = typed;
        form->PuzNum_KeyPress(key);
        EXPECT_EQ(form->PuzNum.Text, shown) << typed;
    }
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        form->arrows_MouseUp(1, MouseEvent{i % 2 ? RightButton : LeftButton});
        seen.insert(form->PuzzleNumber);
    }
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

// Lines appended meanwhile are reachable at once; a shortened file keeps the puzzle in play, and
// an emptied one is said to be unreadable, as Load says.
TEST_F(Form1Test, NavigationFollowsTheFileAsItIsNow) {
    const auto lines = [](int count) {
        return std::vector<std::string>(count, puzzle_line(SampleBody));
    };
    const std::string path = collection(lines(1));
    show(path);
    move(5, 2);
    for (int index = 0; index < 3; ++index) form->arrows_MouseUp(index, MouseEvent{});
    EXPECT_TRUE(form->board.locked(2)) << "a collection of one is not shown afresh";
    collection(lines(10));
    show(path, 10);
    collection(lines(12));
    form->arrows_MouseUp(2, MouseEvent{});
    EXPECT_EQ(form->PuzNum.Text, "P# 11 of 12");
    move(5, 2);
    collection({});
    form->arrows_MouseUp(0, MouseEvent{});
    EXPECT_EQ(std::tuple(form->PuzNum.Text, form->board.locked(2), platform.message_texts()),
              std::tuple("P# 11 of 12", true, std::vector{"Error reading file: " + path}));
    collection({"00001,3,12\r\n", "00002,3,12\r\n"});
    form->arrows_MouseUp(2, MouseEvent{});
    EXPECT_EQ(form->PuzNum.Text, "P# 11 of 2") << "every line damaged: the puzzle stays";
}

}  // namespace
}  // namespace kalder::testing
