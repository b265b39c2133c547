#include "core/files/batch_tools.h"

#include <algorithm>
#include <span>
#include <sstream>

#include "core/files/collection_file.h"
#include "form1_fixture.h"

namespace kalder::testing {
namespace {

// The puzzles of a written collection (everything after the number), sorted unless asked not
// to; its lines end CR LF.
std::vector<std::string> puzzles_of(const std::string& text, bool sorted = true) {
    std::vector<std::string> puzzles;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        puzzles.push_back(line.substr(5, line.size() - 6));
    if (sorted) std::sort(puzzles.begin(), puzzles.end());
    return puzzles;
}

// Randomize and Reseq write every puzzle renumbered beside the collection and leave it as it
// is; RemDups drops only a number repeating the line before, and the short lines it reports
// skipped, from r4 as well as r5, then shuffles the rest. A file
// that cannot be read is named and nothing is written.
TEST_F(Form1Test, BatchCommandsWriteBesideTheCollection) {
    std::string collection;
    for (int i = 1; i <= 5; ++i)
        collection +=
            puzzle_line(i, 3, SampleBody.substr(0, 8) + std::to_string(i) + SampleBody.substr(9));
    folder.write("puzzles.kdr", collection);
    load();
    form->Command5_Click();
    form->Command7_Click();
    for (const std::string name : {"puzzles-x.kdr", "puzzles-r.kdr"})
        EXPECT_EQ(puzzles_of(folder.read(name)), puzzles_of(collection)) << name;
    EXPECT_EQ(std::tuple(folder.read("puzzles.kdr"), form->CollectionPath),
              std::tuple(collection, folder.file("puzzles.kdr")));
    form->Command3_Click();
    folder.write("r3.kdr",
                 "00001,3,a,b\r\n00001,3,c,d\r\n00002,3,e,f\r\n00001,3,g,h\r\n00009,3\r\n");
    form->Command3_Click();
    EXPECT_EQ(std::tuple(folder.read("r4.kdr"), puzzles_of(folder.read("r5.kdr"))),
              std::tuple("00001,3,a,b\r\n00002,3,e,f\r\n00001,3,g,h\r\n",
                         std::vector<std::string>{",3,a,b", ",3,e,f", ",3,g,h"}));
    form->CollectionPath = folder.file("none.kdr");
    form->Command5_Click();
    form->ProgramFolder = folder.file("none/");
    form->Command1_Click();
    const std::string unread = " is missing or cannot be read; nothing was written";
    EXPECT_EQ(
        platform.system_messages,
        (std::vector<std::string>{
            folder.file("puzzles-x.kdr") + " done", folder.file("puzzles-r.kdr") + " done",
            folder.file("r3.kdr") + unread, "done, will now create random from r4 to r5",
            "3 done, 1 line with fewer than four fields skipped", folder.file("none.kdr") + unread,
            folder.file("none/random2.kdr") + " could not be written"}));
    EXPECT_FALSE(platform.busy);
    EXPECT_EQ(batch_output_name("/home/a.b/c", "-x.kdr"), "/home/a.b/c-x.kdr") << "no extension";
}

// A left click replaces the temporary collection with the one new puzzle of the size in play,
// shown busy while it is made and repainted once made, from memory, even where the file cannot
// be written.
// A right click asks for the size until it fits: 2.5 and 9.5 round to 2 and 10; blanks before
// the number do not matter; 6.5 goes to the even 6; 9 fits. Cancelling changes nothing. The box
// offers the size in play.
TEST_F(Form1Test, CreateMakesAPuzzleOfTheSizeInPlayOrOfTheSizeAsked) {
    folder.write("puzzles.kdr", puzzle_line(SampleBody));
    load();
    platform.messages.clear();
    const auto create = [&](int button) { form->cmdcreate_MouseUp(MouseEvent{button}); };
    // What the temporary collection's only puzzle shows: its number, the board, the path.
    const auto shown_new = [&] {
        std::string cells;
        for (int k = 0; k < form->board.CellCount; ++k)
            cells += (k > 0 ? " " : "") + form->PuzzleBody.substr(k, 1);
        return std::tuple(form->PuzNum.Text, board() == cells ? "new puzzle" : board(),
                          form->CollectionPath);
    };
    using Shown = std::tuple<std::string, bool, bool>;  // at each repaint: number, busy, blank
    std::vector<Shown> while_made;
    platform.on_process_events = [&] {
        const auto cells = std::span(form->CellD).subspan(1, form->board.CellCount);
        while_made.emplace_back(form->PuzNum.Text, platform.busy,
                                std::all_of(cells.begin(), cells.end(), [](const CellLabel& cell) {
                                    return cell.Caption.empty() && cell.ToolTipText.empty();
                                }));
    };
    for (int i = 0; i < 2; ++i) create(LeftButton);
    EXPECT_EQ(std::pair(while_made.front(), while_made.back()),
              std::pair(Shown{"Creating ...", true, false}, Shown{"P# 1 of 1", false, false}));
    const std::string file = folder.read("kaldertemp.tmp");
    EXPECT_EQ(std::tuple(file, verify_puzzle_line(file.substr(0, file.size() - 2)),
                         platform.message_texts(), platform.input_boxes.empty(), platform.busy),
              std::tuple("00001,3," + form->PuzzleBody + "\r\n", "",
                         std::vector<std::string>(2, "Created puzzle"), true, false));
    for (const std::string path : {"no-such-folder/kaldertemp.tmp", "kaldertemp.tmp"}) {
        form->TempCollectionPath = folder.file(path);
        create(LeftButton);
        EXPECT_EQ(shown_new(), std::tuple("P# 1 of 1", "new puzzle", folder.file(path)));
    }
    const std::pair<std::deque<std::string>, int> cases[] = {
        {{"12", "two", "2.5", "9.5", "  5 "}, 5}, {{"9"}, 9}, {{"6.5"}, 6}, {{}, 6}};
    for (const auto& [answers, size] : cases) {
        const std::string body = form->PuzzleBody;
        const std::size_t asked_before = platform.input_boxes.size();
        platform.input_answers = answers;
        click(static_cast<int>(form->PuzzleBody.find_first_not_of("01")) + 1);  // tip "-1"
        create(RightButton);
        EXPECT_EQ(std::tuple(form->board.GridSize, form->board.CellCount, form->Gsize.Caption,
                             platform.input_boxes.size() - asked_before, form->PuzzleBody != body),
                  std::tuple(size, size * size, std::to_string(size),
                             std::max<std::size_t>(1, answers.size()), !answers.empty()));
    }
    EXPECT_EQ(std::count(while_made.begin(), while_made.end(), Shown{"Creating ...", true, true}),
              3)
        << "each new size is shown blank while its puzzle is made";
    EXPECT_EQ(platform.input_boxes.back(), "Enter Grid Size (3 to 9)|Creat Puzzle|6");
    EXPECT_EQ(folder.read("kaldertemp.tmp").substr(0, 8), "00001,6,");
}

// A collection may hold MaxCollectionLines puzzles, and not one more; all of them come out
// mixed (one generator drawn on, so lines handled together still get keys of their own), none
// lost past what a 16-bit count could hold, cut to their four fields; short lines are left out
// and counted. A file that cannot be written is named.
TEST(BatchToolsTest, ShuffleTakesAFullCollectionAndReportsWhatItCannotDo) {
    const TempFolder folder(memory_folder());
    Random random(1);
    std::vector<std::string> said, failed;
    const BatchReport report{[&](const std::string& t) { said.push_back(t); },
                             [&](const std::string& t) { failed.push_back(t); }};
    EXPECT_FALSE(multi_create(folder.file("no/such/folder.kdr"), 3, random, nullptr, report));
    EXPECT_FALSE(
        multi_create(folder.file("m.kdr"), MaxCollectionLines + 1, random, nullptr, report));
    folder.write("big.kdr", "00001,3,a,b\r\n");
    EXPECT_FALSE(
        shuffle_collection(folder.file("big.kdr"), folder.file("no/x.kdr"), random, report));
    std::string full = "00008,3\r\n\r\n";  // two lines too short to keep
    for (int i = 0; i < MaxCollectionLines; ++i)
        full += "00000,4," + std::to_string(i) + (i == 0 ? ",m,extra\r\n" : ",m\r\n");
    const std::string big = folder.file("big.kdr"), mixed = folder.file("big-x.kdr");
    folder.write("big.kdr", full + "00000,3,a,b\r\n");
    EXPECT_FALSE(shuffle_collection(big, mixed, random, report));
    EXPECT_EQ(failed, (std::vector<std::string>{
                          folder.file("no/such/folder.kdr") + " could not be written",
                          "a collection holds at most 99999 puzzles; nothing was written",
                          folder.file("no/x.kdr") + " could not be written",
                          big + " holds more than 99999 puzzles; nothing was written"}));
    EXPECT_FALSE(std::filesystem::exists(mixed));
    folder.write("big.kdr", full);
    ASSERT_TRUE(shuffle_collection(big, mixed, random, report));
    EXPECT_EQ(said, std::vector<std::string>{mixed +
                                             " done, 2 lines with fewer than four fields skipped"});
    const auto shuffled = puzzles_of(folder.read("big-x.kdr"), false);
    std::vector<bool> seen(MaxCollectionLines);
    int in_place = 0;
    for (std::size_t i = 0; i < shuffled.size(); ++i) {
        const int n = std::stoi(shuffled[i].substr(3));
        ASSERT_TRUE(shuffled[i].ends_with(",m") && !seen.at(n)) << shuffled[i];
        seen[n] = true;
        in_place += n == static_cast<int>(i);
    }
    EXPECT_EQ(std::tuple(shuffled.size(), in_place < 100), std::tuple(seen.size(), true));
    folder.write("r3.kdr", "00001,3,a,b\r\n");
    EXPECT_TRUE(remove_repeated_numbers(folder.slash(), random, report));
    std::string distinct;
    for (int i = 0; i <= MaxCollectionLines; ++i) distinct += std::to_string(i) + ",4,a,b\r\n";
    folder.write("r3.kdr", distinct);
    EXPECT_FALSE(remove_repeated_numbers(folder.slash(), random, report));
    EXPECT_EQ(failed.back(),
              folder.file("r4.kdr") + " holds more than 99999 puzzles; nothing was written");
}

}  // namespace
}  // namespace kalder::testing
