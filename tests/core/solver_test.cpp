#include "form1_fixture.h"

namespace kalder::testing {
namespace {

const char* const Start = "1 2 1 2 2 2 3 3 2";

// The stored solution replays one step a second from the puzzle's start, each step with its
// arrow, deaf to every command meanwhile; the solved board shows under "Done", and then the
// puzzle is back at its start, counted as lost, with no cell selected. Solving from here is
// the same from the position in play. Damaged moves are skipped and never leave the board.
TEST_F(Form1Test, SolveReplaysTheStoredSolutionDeafToCommandsAndCountsALoss) {
    form->mnusolve_Click();  // no puzzle yet: nothing to replay or count
    EXPECT_TRUE(platform.messages.empty());
    show(collection({puzzle_line(SampleBody), puzzle_line(SampleBody)}));
    move(5, 2);
    move(2, 3);
    form->cmdundo_MouseUp(MouseEvent{});  // left to redo, but not after Solve
    click(4);
    std::vector<std::string> steps;
    int arrows = 0;
    const auto record = [&] {
        steps.push_back(board());
        arrows += form->Lft.Visible + form->Rght.Visible + form->Up.Visible + form->Down.Visible;
    };
    platform.during_wait.push_back([&] {
        record();
        EXPECT_TRUE(form->SolverBusy);
        form->arrows_MouseUp(2, MouseEvent{});
        form->cmdcreate_MouseUp(MouseEvent{});
        form->cmdundo_MouseUp(MouseEvent{});
        form->cmdreset_MouseUp(MouseEvent{});
        form->mnusolve_Click();
        form->PuzNum.Text = "2";
        form->PuzNum_KeyPress(13);
        click(2);
    });
    for (int i = 1; i < 9; ++i) platform.during_wait.push_back(record);
    std::string at_done;
    platform.on_message = [&] { at_done = board(); };
    const double started = platform.clock_seconds;
    form->menu_Click("mnusolve");
    EXPECT_EQ(std::tuple(steps.size(), platform.clock_seconds - started, arrows, steps.at(0),
                         steps.at(2), at_done, platform.message_texts()),
              std::tuple(9u, 9.0, 9, Start, "2* 2* 0 2 2 2 3 3 2", "1* 1* 1* 2* 2* 2* 3* 3* 3*",
                         std::vector<std::string>{"Done"}));
    form->redo();
    EXPECT_EQ(std::tuple(board(), form->UndoList.empty(), form->PuzzleNumber, form->CollectionPath,
                         form->SolverBusy, platform.busy, form->CellD[4].ToolTipText,
                         form->SourceCell, form->Score1.session(4), form->Score1.session(1)),
              std::tuple(Start, true, 1, folder.file("c.kdr"), false, false, "", -1, "1", "1"));
    form->ShowSolution("121222233,040102050203080906", 1000);  // the last cell gives too
    EXPECT_EQ(at_done, "1* 1* 1* 2* 2* 2* 3* 3* 3*");
    // From the position in play, counted as Solve is; then the board and undo are as they were.
    move(2, 3);
    click(4);  // a selection the replay ends
    const std::string before = board();
    const double clock_before = platform.clock_seconds;
    bool busy = false;
    platform.during_wait = {[&] { busy = platform.busy && form->SolverBusy; }};
    form->solve_from_here();
    EXPECT_EQ(std::tuple(platform.clock_seconds - clock_before, form->Timer1.Interval,
                         form->Score1.session(4), board(), form->UndoList.size(), form->SolverBusy,
                         form->SourceCell, busy),
              std::tuple(8.0, 1000, "2", before, 1ul, false, -1, true))
        << "eight steps, a second each";
    // A last odd character, pairs naming no cell and junk bytes, more pairs than cells; each
    // move played takes a second.
    const std::pair<std::string, double> bodies[] = {{"121222332,0203060102050407089", 9},
                                                     {"121222332,99x3\x01\xff"
                                                      "0601020504",
                                                      5},
                                                     {"121222332,02030601020504070802030405", 9}};
    for (const auto& [body, seconds] : bodies) {
        platform.messages.clear();
        const double clock = platform.clock_seconds;
        form->ShowSolution(body, 1000);
        std::string beyond;
        for (std::size_t k = 10; k < form->CellD.size(); ++k) beyond += form->CellD[k].Caption;
        EXPECT_EQ(
            std::tuple(board(), platform.message_texts(), beyond, platform.clock_seconds - clock),
            std::tuple(Start, std::vector<std::string>{"Done"}, "", seconds))
            << body;
    }
}

}  // namespace
}  // namespace kalder::testing
