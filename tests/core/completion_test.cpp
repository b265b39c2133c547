#include "form1_fixture.h"

namespace kalder::testing {
namespace {

void set_board(Form1& form, const std::string& values, const std::string& locks) {
    for (int k = 1; k <= form.board.CellCount; ++k) {
        form.CellD[k].Caption = std::string(1, values[k - 1]);
        form.board.CellMark[k] = locks[k - 1] == 'X' ? "X" : "";
    }
}

// Solved means every cell locked and showing its row; a win is counted once and the next
// puzzle follows: the next line (even one appended meanwhile), or after the last line or a
// damaged one, a new puzzle of the same size.
TEST_F(Form1Test, ASolvedBoardCountsAWinAndShowsTheNextPuzzle) {
    restart();
    platform.messages.clear();
    const std::string path = collection(
        {puzzle_line(SampleBody), puzzle_line(SampleBody), puzzle_line("1111222233334444,")});
    show(path);
    for (const auto& [values, locks] :
         {std::pair{"111222333", "XXXXOXXXX"}, {"222111333", "XXXXXXXXX"}}) {
        set_board(*form, values, locks);
        form->CheckSolved();
    }
    EXPECT_TRUE(platform.messages.empty()) << "one cell open, then rows out of order";
    show(path);
    solve_by_clicks();
    EXPECT_EQ(platform.message_texts(), std::vector<std::string>{"Its all done!"});
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].icon_slots, std::vector<int>{5});
    EXPECT_EQ(std::tuple(form->PuzNum.Text, board()),
              std::tuple(std::string("P# 2 of 3"), std::string("1 2 1 2 2 2 3 3 2")));
    EXPECT_EQ(std::tuple(form->Score1.session(1), form->Score1.session(2)), std::tuple("1", "1"));

    show(path, 3);
    collection({puzzle_line(SampleBody), puzzle_line(SampleBody), puzzle_line("1111222233334444,"),
                puzzle_line(SampleBody)});
    set_board(*form, "1111222233334444", std::string(16, 'X'));
    form->CheckSolved();
    EXPECT_EQ(form->PuzNum.Text, "P# 4 of 4") << "a line appended meanwhile";

    platform.messages.clear();
    set_board(*form, "111222333", std::string(9, 'X'));
    form->CheckSolved();
    EXPECT_EQ(platform.message_texts(),
              (std::vector<std::string>{"Its all done!", "Created puzzle"}));
    EXPECT_EQ(std::tuple(form->CollectionPath, form->board.GridSize, platform.busy),
              std::tuple(folder.file("kaldertemp.tmp"), 3, false));

    show(collection({puzzle_line(SampleBody), "00002,3,12\r\n"}));
    solve_by_clicks();
    EXPECT_EQ(form->CollectionPath, folder.file("kaldertemp.tmp")) << "not the solved board again";
    move(1, 2);
    EXPECT_EQ(form->Score1.session(2), "4");
}

}  // namespace
}  // namespace kalder::testing
