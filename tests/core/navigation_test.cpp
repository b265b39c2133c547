#include "form1_fixture.h"

namespace kalder::testing {
namespace {

class NavigationTest : public Form1Test {
  protected:
    void SetUp() override { write_collection(10); }
    void write_collection(int count) {
        std::string text;
        for (int i = 1; i <= count; ++i) text += puzzle_line(i, 3, SampleBody);
        folder.write("c.kdr", text);
        collection = folder.file("c.kdr");
    }
    void arrow(int index, int button) { form->arrows_MouseUp(index, MouseEvent{button}); }
    void type(const std::string& text) {
        form->PuzNum.Text = text;
        form->PuzNum_KeyPress(13);
    }
    std::string collection;
};

TEST_F(NavigationTest, ArrowsStepWrapAndJump) {
    struct Case {
        int from, index, button, expected;
    };
    const Case cases[] = {
        {1, 0, LeftButton, 10},  {10, 2, LeftButton, 1},  {5, 0, LeftButton, 4},
        {5, 2, LeftButton, 6},   {5, 0, RightButton, 1},  {5, 2, RightButton, 10},
        {5, 0, MiddleButton, 5}, {5, 2, MiddleButton, 5},
    };
    for (const Case& c : cases) {
        ASSERT_FALSE(form->ShowPuzzle(collection, c.from));
        arrow(c.index, c.button);
        EXPECT_EQ(form->PuzzleNumber, c.expected)
            << "from " << c.from << " arrow " << c.index << " button " << c.button;
        EXPECT_EQ(form->PuzNum.Text, "P# " + std::to_string(c.expected) + " of 10");
    }
}

TEST_F(NavigationTest, RandomStaysInsideTheCollectionAndReachesEveryPuzzle) {
    ASSERT_FALSE(form->ShowPuzzle(collection, 1));
    std::vector<bool> seen(11, false);
    for (int i = 0; i < 300; ++i) {
        arrow(1, i % 2 ? RightButton : LeftButton);
        ASSERT_GE(form->PuzzleNumber, 1);
        ASSERT_LE(form->PuzzleNumber, 10);
        seen[form->PuzzleNumber] = true;
    }
    for (int n = 1; n <= 10; ++n) EXPECT_TRUE(seen[n]) << n;
}

TEST_F(NavigationTest, ACollectionOfOneAndABusySolverLeaveTheArrowsInert) {
    write_collection(1);
    ASSERT_FALSE(form->ShowPuzzle(collection, 1));
    move(5, 2);
    for (int index = 0; index < 3; ++index) arrow(index, LeftButton);
    EXPECT_TRUE(form->board.locked(2)) << "the board was not shown afresh";

    write_collection(10);
    ASSERT_FALSE(form->ShowPuzzle(collection, 5));
    form->SolverBusy = true;
    arrow(2, LeftButton);
    EXPECT_EQ(form->PuzzleNumber, 5);
}

TEST_F(NavigationTest, AppendedPuzzlesAreReachableAtOnce) {
    ASSERT_FALSE(form->ShowPuzzle(collection, 10));
    write_collection(12);
    arrow(2, LeftButton);
    EXPECT_EQ(form->PuzzleNumber, 11);
    EXPECT_EQ(form->PuzNum.Text, "P# 11 of 12");
}

TEST_F(NavigationTest, AShortenedFileKeepsThePreviousPuzzleOnShow) {
    ASSERT_FALSE(form->ShowPuzzle(collection, 8));
    write_collection(9);
    arrow(2, RightButton);  // the last line is 9 now: shown
    EXPECT_EQ(form->PuzzleNumber, 9);
    ASSERT_FALSE(form->ShowPuzzle(collection, 9));
    move(5, 2);
    folder.write("c.kdr", "");  // every line gone: the board stays as it was
    arrow(0, LeftButton);
    EXPECT_EQ(form->PuzzleNumber, 9);
    EXPECT_TRUE(form->board.locked(2));
    EXPECT_EQ(form->PuzNum.Text, "P# 9 of 0");
}

TEST_F(NavigationTest, TypingANumberShowsThatPuzzleOrRestoresTheBox) {
    ASSERT_FALSE(form->ShowPuzzle(collection, 3));
    type("7");
    EXPECT_EQ(form->PuzzleNumber, 7);
    EXPECT_EQ(form->PuzNum.Text, "P# 7 of 10");
    for (const char* bad : {"11", "0", "-2", "seven", "", "P# 7 of 10"}) {
        type(bad);
        EXPECT_EQ(form->PuzzleNumber, 7) << bad;
        EXPECT_EQ(form->PuzNum.Text, "P# 7 of 10") << bad;
    }
    type(" 2.5 ");
    EXPECT_EQ(form->PuzzleNumber, 2) << "halves round to even";
    form->PuzNum.Text = "4";
    form->PuzNum_KeyPress('4');
    EXPECT_EQ(form->PuzzleNumber, 2) << "only Enter acts";
}

TEST_F(NavigationTest, TypingANumberWhoseLineHasGoneRestoresTheBox) {
    ASSERT_FALSE(form->ShowPuzzle(collection, 3));
    write_collection(4);
    type("9");
    EXPECT_EQ(form->PuzzleNumber, 3);
    EXPECT_EQ(form->PuzNum.Text, "P# 3 of 10");
}

}  // namespace
}  // namespace kalder::testing
