#include "form1_fixture.h"

#include "core/game/collection_file.h"
#include "core/game/puzzle_line.h"

namespace kalder::testing {
namespace {

class CreateTest : public Form1Test {
  protected:
    void SetUp() override {
        folder.write("puzzles.kdr", puzzle_line(1, 3, SampleBody));
        load();
        platform.messages.clear();
    }
    void create(int button) { form->cmdcreate_MouseUp(MouseEvent{button}); }
};

TEST_F(CreateTest, LeftClickMakesAPuzzleOfTheCurrentSizeInTheTemporaryCollection) {
    create(LeftButton);
    EXPECT_EQ(form->board.GridSize, 3);
    EXPECT_EQ(form->CollectionPath, folder.file("kaldertemp.tmp"));
    const std::string file = folder.read("kaldertemp.tmp");
    EXPECT_EQ(file, "00001,3," + form->PuzzleBody + "\r\n");
    EXPECT_EQ(verify_puzzle_line(file.substr(0, file.size() - 2)), "");
    EXPECT_EQ(form->PuzNum.Text, "P# 1 of 1");
    EXPECT_EQ(platform.message_texts(), std::vector<std::string>{"Created puzzle"});
    EXPECT_FALSE(platform.busy);
    EXPECT_TRUE(platform.input_prompts.empty());
}

TEST_F(CreateTest, EveryCreationReplacesTheTemporaryCollection) {
    create(LeftButton);
    create(LeftButton);
    EXPECT_EQ(CountLines(folder.file("kaldertemp.tmp")), 1);
}

TEST_F(CreateTest, RightClickAsksForTheSizeUntilItFits) {
    platform.input_answers = {"12", "two", "2.5", "5"};
    create(RightButton);
    EXPECT_EQ(platform.input_prompts.size(), 4u);
    EXPECT_EQ(platform.input_prompts[0], "Enter Grid Size (3 to 9)");
    EXPECT_EQ(form->board.GridSize, 5);
    EXPECT_EQ(form->board.CellCount, 25);
    EXPECT_EQ(form->Gsize.Caption, "5");
}

TEST_F(CreateTest, SizeAnswersRoundHalvesToEven) {
    platform.input_answers = {"6.5"};
    create(RightButton);
    EXPECT_EQ(form->board.GridSize, 6);
}

TEST_F(CreateTest, CancellingTheSizePromptChangesNothing) {
    const std::string body = form->PuzzleBody;
    create(RightButton);
    EXPECT_EQ(form->PuzzleBody, body);
    EXPECT_EQ(form->CollectionPath, folder.file("puzzles.kdr"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CreateTest, DoesNothingWhileASolutionPlays) {
    form->SolverBusy = true;
    const std::string body = form->PuzzleBody;
    create(LeftButton);
    EXPECT_EQ(form->PuzzleBody, body);
}

TEST_F(CreateTest, AnUnwritableFolderStillGivesAPlayablePuzzle) {
    form->TempCollectionPath = folder.file("no-such-folder/kaldertemp.tmp");
    create(LeftButton);
    EXPECT_EQ(form->board.GridSize, 3);
    EXPECT_EQ(form->PuzNum.Text, "P# 1 of 1");
    EXPECT_EQ(captions().size(), 9u);
    EXPECT_NE(form->PuzzleBody, SampleBody);
}

}  // namespace
}  // namespace kalder::testing
