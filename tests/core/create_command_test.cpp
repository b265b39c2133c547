#include "form1_fixture.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "core/game/puzzle_line.h"

namespace kalder::testing {
namespace {

// Marks a file append-only for its lifetime: it can be neither deleted nor emptied, only added
// to, where the file system and privileges allow it (ok()).
struct AppendOnly {
    explicit AppendOnly(const std::string& path) : fd(open(path.c_str(), O_RDONLY)) {
        int append_only = 0;
        set = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (append_only = flags | FS_APPEND_FL) &&
              ioctl(fd, FS_IOC_SETFLAGS, &append_only) == 0;
    }
    ~AppendOnly() {
        if (set) ioctl(fd, FS_IOC_SETFLAGS, &flags);
        close(fd);
    }
    const int fd;
    int flags = 0;
    bool set = false;
};

class CreateTest : public Form1Test {
  protected:
    void SetUp() override {
        collection({puzzle_line(SampleBody)}, "puzzles.kdr");
        restart();
        platform.messages.clear();
    }
    void create(int button) { form->cmdcreate_MouseUp(MouseEvent{button}); }
    // The cells of PuzzleBody, as board() shows them unlocked.
    std::string body_cells() const {
        std::string text;
        for (int k = 0; k < form->board.CellCount; ++k) {
            text += (k > 0 ? " " : "") + form->PuzzleBody.substr(k, 1);
        }
        return text;
    }
};

// Each creation replaces the temporary collection with the one new puzzle of the size in
// play, and shows it from memory.
TEST_F(CreateTest, ALeftClickMakesAPuzzleOfTheSizeInPlay) {
    form->SolverBusy = true;
    create(LeftButton);
    EXPECT_EQ(form->CollectionPath, folder.file("puzzles.kdr")) << "inert while a solution plays";
    form->SolverBusy = false;
    for (int i = 0; i < 2; ++i) create(LeftButton);
    const std::string file = folder.read("kaldertemp.tmp");
    EXPECT_EQ(file, "00001,3," + form->PuzzleBody + "\r\n");
    EXPECT_EQ(verify_puzzle_line(file.substr(0, file.size() - 2)), "");
    EXPECT_EQ(std::tuple(form->CollectionPath, form->PuzNum.Text, board()),
              std::tuple(folder.file("kaldertemp.tmp"), "P# 1 of 1", body_cells()));
    EXPECT_EQ(platform.message_texts(), (std::vector<std::string>(2, "Created puzzle")));
    EXPECT_TRUE(platform.input_boxes.empty());
    EXPECT_FALSE(platform.busy);

    form->TempCollectionPath = folder.file("no-such-folder/kaldertemp.tmp");
    create(LeftButton);
    EXPECT_EQ(std::tuple(form->PuzNum.Text, board()), std::tuple("P# 1 of 1", body_cells()))
        << "an unwritable folder still gives a playable puzzle";
}

TEST_F(CreateTest, ATemporaryCollectionThatCannotBeReplacedNeverShowsItsOldPuzzle) {
    folder.write("kaldertemp.tmp", puzzle_line(SampleBody));
    const AppendOnly stuck(folder.file("kaldertemp.tmp"));
    if (!stuck.set) GTEST_SKIP() << "append-only files are not available here";
    create(LeftButton);
    ASSERT_NE(form->PuzzleBody, SampleBody);
    EXPECT_EQ(std::tuple(form->CollectionPath, form->PuzNum.Text, board()),
              std::tuple(folder.file("kaldertemp.tmp"), "P# 1 of 1", body_cells()));
}

// 2.5 and 9.5 round to 2 and 10, 3e1 is 30; blanks before the number do not matter; 6.5 goes
// to the even 6. Cancelling changes nothing. The box offers the size in play.
TEST_F(CreateTest, ARightClickAsksForTheSizeUntilItFits) {
    const std::pair<std::deque<std::string>, int> cases[] = {
        {{"12", "two", "2.5", "9.5", "3e1", "  5 "}, 5}, {{"6.5"}, 6}, {{}, 6}};
    for (const auto& [answers, size] : cases) {
        const std::string body = form->PuzzleBody;
        const std::size_t asked_before = platform.input_boxes.size();
        platform.input_answers = answers;
        create(RightButton);
        EXPECT_EQ(std::tuple(form->board.GridSize, form->board.CellCount, form->Gsize.Caption),
                  std::tuple(size, size * size, std::to_string(size)));
        EXPECT_EQ(platform.input_boxes.size() - asked_before,
                  std::max<std::size_t>(1, answers.size()));
        EXPECT_EQ(form->PuzzleBody != body, !answers.empty());
    }
    using Box = FakePlatform::InputBox;
    EXPECT_EQ(std::pair(platform.input_boxes.front(), platform.input_boxes.back()),
              std::pair(Box{"Enter Grid Size (3 to 9)", "Creat Puzzle", "3"},
                        Box{"Enter Grid Size (3 to 9)", "Creat Puzzle", "6"}));
    EXPECT_EQ(folder.read("kaldertemp.tmp").substr(0, 8), "00001,6,");
}

}  // namespace
}  // namespace kalder::testing
