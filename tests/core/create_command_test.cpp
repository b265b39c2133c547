#include "core/game/puzzle_line.h"
#include "form1_fixture.h"

namespace kalder::testing {
namespace {

class CreateTest : public Form1Test {
  protected:
    void SetUp() override {
        collection({puzzle_line(SampleBody)}, "puzzles.kdr");
        restart();
        platform.messages.clear();
    }
    void create(int button) { form->cmdcreate_MouseUp(MouseEvent{button}); }
    // What the temporary collection's only puzzle shows: its number, the board, the path.
    std::tuple<std::string, std::string, std::string> shown_new() const {
        std::string cells;
        for (int k = 0; k < form->board.CellCount; ++k)
            cells += (k > 0 ? " " : "") + form->PuzzleBody.substr(k, 1);
        return {form->PuzNum.Text, board() == cells ? "new puzzle" : board(), form->CollectionPath};
    }
};

// Each creation replaces the temporary collection with the one new puzzle of the size in play,
// shown busy while it is made, and shows it from memory, even where the file cannot be written.
TEST_F(CreateTest, ALeftClickMakesAPuzzleOfTheSizeInPlay) {
    form->SolverBusy = true;
    create(LeftButton);
    EXPECT_EQ(form->CollectionPath, folder.file("puzzles.kdr")) << "inert while a solution plays";
    form->SolverBusy = false;
    std::vector<std::tuple<std::string, bool>> while_made;
    platform.on_process_events = [&] { while_made.emplace_back(form->PuzNum.Text, platform.busy); };
    for (int i = 0; i < 2; ++i) create(LeftButton);
    EXPECT_EQ(while_made.front(), std::tuple("Creating ...", true));
    const std::string file = folder.read("kaldertemp.tmp");
    EXPECT_EQ(std::tuple(file, verify_puzzle_line(file.substr(0, file.size() - 2)),
                         platform.message_texts(), platform.input_boxes.empty(), platform.busy),
              std::tuple("00001,3," + form->PuzzleBody + "\r\n", "",
                         std::vector<std::string>(2, "Created puzzle"), true, false));
    for (const std::string path : {"kaldertemp.tmp", "no-such-folder/kaldertemp.tmp"}) {
        form->TempCollectionPath = folder.file(path);
        create(LeftButton);
        EXPECT_EQ(shown_new(), std::tuple("P# 1 of 1", "new puzzle", folder.file(path)));
    }
}

// 2.5 and 9.5 round to 2 and 10, 3e1 is 30; blanks before the number do not matter; 6.5 goes
// to the even 6; 9 fits. Cancelling changes nothing. The box offers the size in play.
TEST_F(CreateTest, ARightClickAsksForTheSizeUntilItFits) {
    const std::pair<std::deque<std::string>, int> cases[] = {
        {{"12", "two", "2.5", "9.5", "3e1", "  5 "}, 5}, {{"9"}, 9}, {{"6.5"}, 6}, {{}, 6}};
    for (const auto& [answers, size] : cases) {
        const std::string body = form->PuzzleBody;
        const std::size_t asked_before = platform.input_boxes.size();
        platform.input_answers = answers;
        create(RightButton);
        EXPECT_EQ(std::tuple(form->board.GridSize, form->board.CellCount, form->Gsize.Caption,
                             platform.input_boxes.size() - asked_before, form->PuzzleBody != body),
                  std::tuple(size, size * size, std::to_string(size),
                             std::max<std::size_t>(1, answers.size()), !answers.empty()));
    }
    using Box = FakePlatform::InputBox;
    EXPECT_EQ(std::pair(platform.input_boxes.front(), platform.input_boxes.back()),
              std::pair(Box{"Enter Grid Size (3 to 9)", "Creat Puzzle", "3"},
                        Box{"Enter Grid Size (3 to 9)", "Creat Puzzle", "6"}));
    EXPECT_EQ(folder.read("kaldertemp.tmp").substr(0, 8), "00001,6,");
}

}  // namespace
}  // namespace kalder::testing
