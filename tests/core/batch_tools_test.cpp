#include "core/generator/batch_tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "core/game/collection_file.h"
#include "core/game/puzzle_line.h"
#include "form1_fixture.h"

namespace kalder::testing {
namespace {

// The puzzles of a written collection (everything after the number), sorted unless asked not
// to; its lines must end CR LF and be numbered from 00001.
std::vector<std::string> puzzles_of(const std::string& text, bool sorted = true) {
    std::vector<std::string> puzzles;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        EXPECT_EQ(std::tuple(line.back(), std::stoi(line.substr(0, 5))),
                  std::tuple('\r', static_cast<int>(puzzles.size()) + 1))
            << line;
        puzzles.push_back(line.substr(5, line.size() - 6));
    }
    if (sorted) std::sort(puzzles.begin(), puzzles.end());
    return puzzles;
}

// Randomize and Reseq write every puzzle renumbered beside the collection and leave it as it
// is; RemDups drops only a number repeating the line before, then shuffles the rest.
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
    folder.write("r3.kdr", "00001,3,a,b\r\n00001,3,c,d\r\n00002,3,e,f\r\n00001,3,g,h\r\n");
    form->Command3_Click();
    EXPECT_EQ(std::tuple(folder.read("r4.kdr"), puzzles_of(folder.read("r5.kdr"))),
              std::tuple("00001,3,a,b\r\n00002,3,e,f\r\n00001,3,g,h\r\n",
                         std::vector<std::string>{",3,a,b", ",3,e,f", ",3,g,h"}));
    EXPECT_EQ(platform.system_messages,
              (std::vector<std::string>{folder.file("puzzles-x.kdr") + " done",
                                        folder.file("puzzles-r.kdr") + " done",
                                        "done, will now create random from r4 to r5", "3 done"}));
}

// Each failure names the file and writes nothing; short lines are left out and counted. A
// collection may hold MaxCollectionLines puzzles, and not one more; all of them come out mixed
// (one generator drawn on, so lines handled together still get keys of their own) and none is
// lost past what a 16-bit count could hold.
TEST(BatchToolsTest, MissingInputsAndShortLinesAreReportedAndManyLinesShuffled) {
    TempFolder folder;
    Random random(1);
    std::vector<std::string> said, failed;
    const BatchReport report{[&](const std::string& t) { said.push_back(t); },
                             [&](const std::string& t) { failed.push_back(t); }};
    EXPECT_FALSE(remove_repeated_numbers(folder.slash(), random, report));
    EXPECT_FALSE(
        shuffle_collection(folder.file("none.kdr"), folder.file("out.kdr"), random, report));
    EXPECT_FALSE(multi_create(folder.file("no/such/folder.kdr"), 3, random, nullptr, report));
    ASSERT_EQ(failed.size(), 3u);
    EXPECT_EQ(std::tuple(failed[0].find(folder.file("r3.kdr")) != std::string::npos,
                         failed[1].find(folder.file("none.kdr")) != std::string::npos, said.empty(),
                         std::distance(std::filesystem::directory_iterator(folder.path()), {})),
              std::tuple(true, true, true, 0));
    folder.write("in.kdr", "00007,3,a,b,extra\r\n00008,3\r\n\r\n00009,4,c,d\r\n");
    EXPECT_TRUE(shuffle_collection(folder.file("in.kdr"), folder.file("out.kdr"), random, report));
    EXPECT_EQ(
        std::tuple(puzzles_of(folder.read("out.kdr")), said.back()),
        std::tuple(std::vector<std::string>{",3,a,b", ",4,c,d"},
                   folder.file("out.kdr") + " done, 2 lines with fewer than four fields skipped"));
    std::vector<std::string> puzzles;
    std::string full;
    for (int i = 0; i < MaxCollectionLines; ++i) {
        puzzles.push_back(",4," + std::to_string(i) + ",m");
        full += "00000" + puzzles.back() + "\r\n";
    }
    const std::string big = folder.file("big.kdr"), mixed = folder.file("big-x.kdr");
    folder.write("big.kdr", full + "00000,3,a,b\r\n");
    EXPECT_FALSE(shuffle_collection(big, mixed, random, report));
    EXPECT_EQ(std::tuple(failed.back(), std::filesystem::exists(mixed)),
              std::tuple(big + " holds more than 99999 puzzles; nothing was written", false));
    folder.write("big.kdr", full);
    ASSERT_TRUE(shuffle_collection(big, mixed, random, report));
    const auto shuffled = puzzles_of(folder.read("big-x.kdr"), false);
    int in_place = 0;
    for (std::size_t i = 0; i < std::min(shuffled.size(), puzzles.size()); ++i)
        in_place += shuffled[i] == puzzles[i];
    EXPECT_LT(in_place, 100) << "barely shuffled";
    std::sort(puzzles.begin(), puzzles.end());
    EXPECT_EQ(puzzles_of(folder.read("big-x.kdr")), puzzles);
}

TEST(BatchToolsTest, OutputNameReplacesOnlyTheFileNamesLastExtension) {
    EXPECT_EQ(
        batch_output_name("/home/a.b/c", "-x.kdr") + " " + batch_output_name("c.old.txt", "-x.kdr"),
        "/home/a.b/c-x.kdr c.old-x.kdr");
}

}  // namespace
}  // namespace kalder::testing
