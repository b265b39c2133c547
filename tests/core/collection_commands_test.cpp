#include "form1_fixture.h"

namespace kalder::testing {
namespace {

// Three puzzles told apart by their first cells, with mixed line ends and a gap in the numbers.
const std::string Lines[] = {puzzle_line(1, 3, SampleBody), "00007,4,4111222233334444,\n",
                             puzzle_line(9, 3, "522111332,")};
const std::string Three = Lines[0] + Lines[1] + Lines[2];

class CollectionCommandsTest : public Form1Test {
  protected:
    void SetUp() override { load(collection({Three}), 1); }
    // Runs a menu command, the file dialog answering `path` ("" cancels) and the message boxes
    // `answers`; returns the last message shown.
    std::string choose(const std::string& command, const std::string& path = "",
                       std::deque<int> answers = {}) {
        platform.file_answer = path;
        platform.message_answers = std::move(answers);
        form->menu_Click(command);
        return platform.messages.empty() ? "" : platform.messages.back().text;
    }
};

// A file without a first puzzle to show is refused and the puzzle in play stays as it was,
// moves and all.
TEST_F(CollectionCommandsTest, LoadShowsPuzzleOneOrRefusesAFileItCannotShow) {
    const std::string path = folder.file("d.txt");
    move(2, 1);
    const std::string played = board();
    for (const std::string first : {"", "00001,12,121222332,02\r\n"}) {
        folder.write("d.txt", first);
        EXPECT_EQ(choose("mnuload", path).rfind("Error reading file: " + path, 0), 0u) << first;
        EXPECT_EQ(std::tuple(form->CollectionPath, board(), form->UndoList.size()),
                  std::tuple(folder.file("c.kdr"), played, 1u));
    }
    folder.write("d.txt", Lines[1] + "\r\n" + Lines[0] + "00002,3,12\r\n");
    platform.busy = true;  // left on by a command still running: Load sets it back
    EXPECT_EQ(choose("mnuload", path), "Loaded file:\r\n" + path + "\r\n 4 puzzles");
    EXPECT_EQ(std::tuple(form->PuzNum.Text + form->CellD[1].Caption, platform.file_requests[0].save,
                         platform.busy),
              std::tuple("P# 1 of 44", false, false));
    // Loaded again, the file's damaged lines are named again; one alone in a message of its own.
    for (int i = 0; i < 2; ++i, choose("mnuload", path)) form->arrows_MouseUp(2, MouseEvent{});
    const std::string named = "Puzzle 2 of the file\r\n" + path + "\r\ncannot be shown: ";
    const auto texts = platform.message_texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), named + parse_puzzle_line("").error), 2);
}

// Stepping wraps over damage at either end of the file (the last line damaged too); ten lines
// are named in full.
TEST_F(CollectionCommandsTest, SteppingOverDamageWrapsAndNamesTenLinesInFull) {
    const std::string bad = "00002,3,12\r\n";
    std::vector<std::string> lines(14, bad);
    lines[1] = Lines[0];
    lines[12] = Lines[2];
    const std::string path = collection(lines, "e.kdr");
    show(path, 2);
    std::string seen;
    for (const int arrow : {2, 2, 0}) {
        form->arrows_MouseUp(arrow, MouseEvent{LeftButton});
        seen += form->PuzNum.Text + "|";
    }
    const std::string named = " of the file\r\n" + path + "\r\ncannot be shown";
    EXPECT_EQ(std::tuple(seen, platform.message_texts()),
              std::tuple("P# 13 of 14|P# 2 of 14|P# 13 of 14|",
                         std::vector<std::string>{"Puzzles 3, 4, 5, 6, 7, 8, 9, 10, 11, 12" + named,
                                                  "Puzzles 14, 1" + named}));
}

// Only "save" in any letter case asks for a file to save; a cancelled dialog says nothing and
// the working folder survives it. The puzzle as loaded, not as played, numbered one past the file's
// lines (1 in a new file); a file that cannot be written is said so; the collection in play counts
// a puzzle added to it at once; a name without an extension is saved as a ".kdr" file.
TEST_F(CollectionCommandsTest, SaveAppendsTheStartingPositionOrSaysItCouldNot) {
    choose("mnusave");
    form->gf1.GetFileName("SaVe");
    EXPECT_EQ(
        std::tuple(platform.file_requests.at(0).save, platform.file_requests.at(0).patterns,
                   platform.file_requests.at(0).start_folder, platform.file_requests.at(1).save,
                   platform.working, platform.messages.size()),
        std::tuple(true, "*.kdr;*.txt;*.dat", folder.slash(), true, folder.slash(), 0u));
    move(2, 1);
    const std::string path = folder.file("new.kdr"), bad = folder.file("no/such/folder.kdr");
    EXPECT_EQ(choose("mnusave", path), "Puzzle number 1 added to file:\r\n" + path);
    EXPECT_EQ(folder.read("new.kdr"), puzzle_line(1, 3, SampleBody));
    EXPECT_EQ(choose("mnusave", bad), "Puzzle number 1 was not added to file:\r\n" + bad);
    choose("mnusave", folder.file("c.kdr"));
    EXPECT_EQ(form->PuzNum.Text, "P# 1 of 4");
    EXPECT_EQ(choose("mnusave", folder.file("mine")),
              "Puzzle number 1 added to file:\r\n" + folder.file("mine.kdr"));
}

// The neighbour is shown (the new first one when the first goes); every other line stays byte
// for byte, in the temporary collection as in any other, and what a killed delete left beside it
// goes first. No (Enter's answer), a rewrite that cannot complete (a folder stands where its
// new file would go), a puzzle the file no longer holds and a collection of one leave the file
// whole.
TEST_F(CollectionCommandsTest, DeleteKeepsEveryOtherLineByteForByteAndShowsTheNeighbour) {
    const std::string left = folder.file("c.kdr.new-999999999");
    folder.write("c.kdr.new-999999999", Lines[0]);
    const std::tuple<std::string, int, std::string, std::string> cases[] = {
        {"c.kdr", 1, Lines[1] + Lines[2], "P# 1 of 24"},
        {"kaldertemp.tmp", 2, Lines[0] + Lines[2], "P# 1 of 21"},
        {"c.kdr", 3, Lines[0] + Lines[1], "P# 2 of 24"}};
    for (const auto& [file, deleted, kept, shown] : cases) {
        show(collection({Three}, file), deleted);
        EXPECT_EQ(choose("mnudelete", "", {6, 1}), "Puzzle# " + std::to_string(deleted) +
                                                       " deleted from file: " + folder.file(file));
        EXPECT_EQ(folder.read(file) + form->PuzNum.Text + form->CellD[1].Caption, kept + shown);
    }
    EXPECT_FALSE(std::filesystem::exists(left));
    const std::string path = folder.file("c.kdr");
    EXPECT_EQ(choose("mnudelete"), "Delete current puzzle from file:\r\n" + path);
    const std::string in_the_way = path + ".new-" + std::to_string(getpid());
    std::filesystem::create_directory(in_the_way);
    EXPECT_EQ(choose("mnudelete", "", {6, 1}), "Puzzle# 2 was not deleted from file: " + path);
    EXPECT_EQ(folder.read("c.kdr"), Lines[0] + Lines[1]);
    std::filesystem::remove(in_the_way);
    show(collection({Three}), 3);
    folder.write("c.kdr", Lines[0] + Lines[1]);  // cut short by another program
    EXPECT_EQ(choose("mnudelete", "", {6, 1}), "Puzzle# 3 was not deleted from file: " + path);
    EXPECT_EQ(folder.read("c.kdr"), Lines[0] + Lines[1]);
    folder.write("c.kdr", Lines[0]);
    EXPECT_EQ(choose("mnudelete"), "There is only one puzzle in this file");
}

// Deleting the last line that can be shown puts a new puzzle in its place, so the next Delete
// removes no line the player never saw; the notice still names the file it was deleted from.
TEST_F(CollectionCommandsTest, DeletingTheLastShowablePuzzleLeavesNoneOfItsBoard) {
    const std::string bad = "00002,3,12\r\n";
    show(collection({Lines[0], bad, bad}, "d.kdr"));
    EXPECT_EQ(choose("mnudelete", "", {6}), "Puzzle# 1 deleted from file: " + folder.file("d.kdr"));
    const std::string shown = form->CollectionPath + " " + form->PuzNum.Text;
    EXPECT_EQ(choose("mnudelete"), "There is only one puzzle in this file");
    EXPECT_EQ(std::pair(shown, folder.read("d.kdr")),
              std::pair(form->TempCollectionPath + " P# 1 of 1", bad + bad));
}

}  // namespace
}  // namespace kalder::testing
