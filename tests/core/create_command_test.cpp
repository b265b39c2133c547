#include "form1_fixture.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "core/game/collection_file.h"
#include "core/game/puzzle_line.h"

namespace kalder::testing {
namespace {

// Marks a file append-only for its lifetime: it can be neither deleted nor emptied, only added
// to. Needs a file system and privileges that allow it; ok() tells.
class AppendOnly {
  public:
    explicit AppendOnly(const std::string& path) : fd_(open(path.c_str(), O_RDONLY)) {
        if (fd_ >= 0 && ioctl(fd_, FS_IOC_GETFLAGS, &flags_) == 0) {
            int append_only = flags_ | FS_APPEND_FL;
            set_ = ioctl(fd_, FS_IOC_SETFLAGS, &append_only) == 0;
        }
    }
    ~AppendOnly() {
        if (set_) ioctl(fd_, FS_IOC_SETFLAGS, &flags_);
        if (fd_ >= 0) close(fd_);
    }
    AppendOnly(const AppendOnly&) = delete;
    AppendOnly& operator=(const AppendOnly&) = delete;
    bool ok() const { return set_; }

  private:
    int fd_;
    int flags_ = 0;
    bool set_ = false;
};

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
    EXPECT_TRUE(platform.input_boxes.empty());
}

TEST_F(CreateTest, EveryCreationReplacesTheTemporaryCollection) {
    create(LeftButton);
    create(LeftButton);
    EXPECT_EQ(CountLines(folder.file("kaldertemp.tmp")), 1);
}

TEST_F(CreateTest, ATemporaryCollectionThatCannotBeReplacedNeverShowsItsOldPuzzle) {
    folder.write("kaldertemp.tmp", puzzle_line(1, 3, SampleBody));
    const AppendOnly stuck(folder.file("kaldertemp.tmp"));
    if (!stuck.ok()) GTEST_SKIP() << "append-only files are not available here";
    create(LeftButton);
    ASSERT_NE(form->PuzzleBody, SampleBody);
    std::vector<std::string> cells;
    for (int k = 0; k < 9; ++k) cells.push_back(form->PuzzleBody.substr(k, 1));
    EXPECT_EQ(captions(), cells) << "the new puzzle is on the board";
    EXPECT_EQ(form->CollectionPath, folder.file("kaldertemp.tmp"));
    EXPECT_EQ(form->PuzNum.Text, "P# 1 of 1");
    EXPECT_EQ(platform.message_texts(), std::vector<std::string>{"Created puzzle"});
}

TEST_F(CreateTest, RightClickAsksForTheSizeUntilItFits) {
    // 2.5 and 9.5 round to 2 and 10, 3e1 is 30; blanks before the number do not matter.
    platform.input_answers = {"12", "two", "2.5", "9.5", "3e1", "  5 "};
    create(RightButton);
    const FakePlatform::InputBox asked{"Enter Grid Size (3 to 9)", "Creat Puzzle", "3"};
    EXPECT_EQ(platform.input_boxes, std::vector<FakePlatform::InputBox>(6, asked))
        << "the same box each time, offering the size in play";
    EXPECT_EQ(form->board.GridSize, 5);
    EXPECT_EQ(folder.read("kaldertemp.tmp").substr(0, 8), "00001,5,");
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
