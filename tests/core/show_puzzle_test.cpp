#include "form1_fixture.h"

namespace kalder::testing {
namespace {

class ShowPuzzleTest : public Form1Test {
  protected:
    void SetUp() override {
        folder.write("c.kdr", puzzle_line(1, 3, SampleBody) + puzzle_line(2, 3, "333222111,") +
                                  puzzle_line(999, 4, "1234123412341234,") +
                                  "00004,5,1111122222333334444455555,\n");
        collection = folder.file("c.kdr");
    }
    std::string collection;
};

TEST_F(ShowPuzzleTest, PutsTheLineOnTheBoard) {
    ASSERT_FALSE(form->ShowPuzzle(collection, 1));
    EXPECT_EQ(captions(), (std::vector<std::string>{"1", "2", "1", "2", "2", "2", "3", "3", "2"}));
    EXPECT_EQ(form->PuzzleBody, SampleBody);
    EXPECT_EQ(form->PuzNum.Text, "P# 1 of 4");
    EXPECT_EQ(form->PuzNum.ToolTipText, collection);
    EXPECT_EQ(form->Gsize.Caption, "3");
    EXPECT_EQ(form->PuzzleCount, 4);
}

TEST_F(ShowPuzzleTest, TheFirstFieldIsNotReadBack) {
    ASSERT_FALSE(form->ShowPuzzle(collection, 3));
    EXPECT_EQ(form->PuzzleNumber, 3);
    EXPECT_EQ(form->PuzNum.Text, "P# 3 of 4");
    EXPECT_EQ(form->board.GridSize, 4);
}

TEST_F(ShowPuzzleTest, LineFeedOnlyAndUnterminatedLastLineReadTheSame) {
    ASSERT_FALSE(form->ShowPuzzle(collection, 4));
    EXPECT_EQ(form->board.GridSize, 5);
    EXPECT_EQ(form->CellD[25].Caption, "5");
}

// The board is laid out again only for a new size; the same size keeps the cells where they are.
TEST_F(ShowPuzzleTest, OnlyANewSizeLaysTheBoardOut) {
    folder.write("sizes.kdr", puzzle_line(1, 4, "1234123412341234,") +
                                  puzzle_line(2, 4, "4321432143214321,") +
                                  puzzle_line(3, 5, "1111122222333334444455555,"));
    const std::string sizes = folder.file("sizes.kdr");
    ASSERT_FALSE(form->ShowPuzzle(sizes, 1));
    form->CellD[1].Left = 7;
    ASSERT_FALSE(form->ShowPuzzle(sizes, 2));
    EXPECT_EQ(form->CellD[1].Left, 7);
    EXPECT_EQ(form->board.CellCount, 16);
    ASSERT_FALSE(form->ShowPuzzle(sizes, 3));
    EXPECT_EQ(form->CellD[1].Left, 1168);
    EXPECT_EQ(form->CellD[25].Top, 1618 + 4 * 500);
    EXPECT_EQ(form->board.CellCount, 25);
    EXPECT_EQ(form->Gsize.Caption, "5");
}

TEST_F(ShowPuzzleTest, MissingLineLeavesTheBoardAsItWas) {
    ASSERT_FALSE(form->ShowPuzzle(collection, 1));
    for (const int n : {5, 0, -1}) {
        EXPECT_TRUE(form->ShowPuzzle(collection, n)) << n;
        EXPECT_EQ(form->PuzzleNumber, 1);
        EXPECT_EQ(form->PuzzleBody, SampleBody);
    }
    folder.write("empty.kdr", "");
    EXPECT_TRUE(form->ShowPuzzle(folder.file("empty.kdr"), 1));
    EXPECT_TRUE(form->ShowPuzzle(folder.file("absent.kdr"), 1));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ShowPuzzleTest, ShowingAPuzzleClearsLocksUndoAndSelection) {
    ASSERT_FALSE(form->ShowPuzzle(collection, 1));
    move(2, 1);
    click(5);
    ASSERT_TRUE(form->board.locked(1));
    ASSERT_EQ(form->SourceCell, 5);
    ASSERT_FALSE(form->ShowPuzzle(collection, 1));
    EXPECT_EQ(locks(), std::vector<bool>(9, false));
    EXPECT_EQ(form->CellD[1].BackColor, form->open_cell_colour());
    EXPECT_TRUE(form->UndoList.empty());
    EXPECT_EQ(form->SourceCell, -1);
    EXPECT_FALSE(form->Line1.Visible);
}

TEST_F(ShowPuzzleTest, ShortCellsLeaveTheRestHiddenAndEmpty) {
    folder.write("short.kdr", puzzle_line(1, 3, "1212,0102"));
    ASSERT_FALSE(form->ShowPuzzle(folder.file("short.kdr"), 1));
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(form->CellD[k].Visible, k <= 4) << k;
        EXPECT_EQ(form->CellD[k].Caption.empty(), k > 4) << k;
    }
}

TEST_F(ShowPuzzleTest, NonDigitCellsShowAsZero) {
    folder.write("odd.kdr", puzzle_line(1, 3, "1x1222332,"));
    ASSERT_FALSE(form->ShowPuzzle(folder.file("odd.kdr"), 1));
    EXPECT_EQ(form->CellD[2].Caption, "0");
}

// Lines that no board of this design can show are refused with a message naming the line and
// the file; the board keeps the puzzle in play.
TEST_F(ShowPuzzleTest, DamagedLinesAreReportedAndNeverShown) {
    const std::string damaged[] = {
        "00001,3,121222332",                       // fewer than four fields
        "00001,12,121222332,02",                   // size above 9
        "00001,2,1212,0102",                       // size below 3
        "00001,x,121222332,02",                    // size not a number
        "00001,3,1212223321,020306010205040708",   // CELLS longer than N*N
        "00001,9," + std::string(200, '5') + ",",  // far longer
        "0001",                                    // shorter than the number field
        std::string("\x00\xff\x01,,\x7f\x80", 8),  // binary junk
        std::string(3'000'000, '7'),               // a line of megabytes
    };
    ASSERT_FALSE(form->ShowPuzzle(collection, 1));
    const auto before = captions();
    for (const std::string& line : damaged) {
        platform.messages.clear();
        folder.write("bad.kdr", puzzle_line(1, 3, SampleBody) + line + "\r\n");
        EXPECT_TRUE(form->ShowPuzzle(folder.file("bad.kdr"), 2)) << line.substr(0, 40);
        EXPECT_EQ(captions(), before);
        EXPECT_EQ(form->PuzzleNumber, 1);
        EXPECT_EQ(form->CollectionPath, collection);
        ASSERT_EQ(platform.messages.size(), 1u) << line.substr(0, 40);
        EXPECT_NE(platform.messages[0].text.find("Puzzle 2"), std::string::npos);
        EXPECT_NE(platform.messages[0].text.find(folder.file("bad.kdr")), std::string::npos);
    }
}

}  // namespace
}  // namespace kalder::testing
