#include "core/generator/batch_tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "collection_tools.h"
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

// Each failure names the file and writes nothing; short lines are left out and counted.
TEST(BatchToolsTest, MissingInputsAndShortLinesAreReported) {
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
    // A collection may hold MaxCollectionLines puzzles, and not one more.
    std::string full;
    for (int i = 0; i < MaxCollectionLines; ++i) full += "00000,3,a,b\r\n";
    for (const bool over : {false, true}) {
        std::filesystem::remove(folder.file("big-x.kdr"));
        folder.write("big.kdr", full + (over ? "00000,3,a,b\r\n" : ""));
        EXPECT_EQ(
            shuffle_collection(folder.file("big.kdr"), folder.file("big-x.kdr"), random, report),
            !over);
        EXPECT_EQ(std::filesystem::exists(folder.file("big-x.kdr")), !over);
    }
    EXPECT_EQ(failed.back(),
              folder.file("big.kdr") + " holds more than 99999 puzzles; nothing was written");
}

// One generator, drawn on: lines handled together still get keys of their own, and the
// shuffle takes more lines than a 16-bit count could.
TEST(BatchToolsTest, ShuffleMixesManyLinesWithoutLosingAny) {
    std::vector<std::string> text;
    for (int i = 0; i < 40'000; ++i)
        text.push_back("00000,4," + std::to_string(100'000 + i) + ",m");
    Random random(7);
    const Shuffled shuffled =
        shuffle_and_renumber(std::vector<std::string_view>(text.begin(), text.end()), random);
    const auto puzzles = puzzles_of(shuffled.content, false);
    ASSERT_EQ(std::tuple(shuffled.lines, puzzles.size()), std::tuple(40'000, 40'000u));
    int in_place = 0;
    for (std::size_t i = 0; i < puzzles.size(); ++i) in_place += puzzles[i] == text[i].substr(5);
    EXPECT_LT(in_place, 100) << "barely shuffled";
}

TEST(BatchToolsTest, OutputNameReplacesOnlyTheFileNamesLastExtension) {
    const std::pair<std::string, std::string> cases[] = {{"/home/a.b/c.kdr", "/home/a.b/c-x.kdr"},
                                                         {"/home/a.b/c", "/home/a.b/c-x.kdr"},
                                                         {"c.old.txt", "c.old-x.kdr"}};
    for (const auto& [collection, out] : cases)
        EXPECT_EQ(batch_output_name(collection, "-x.kdr"), out) << collection;
}

// Command lines are checked before anything is written; multicreate numbers its puzzles on
// (sizes 4 to 9) and replaces the file.
TEST(BatchToolsTest, CollectionToolChecksItsCommandLineAndRuns) {
    TempFolder folder;
    folder.write("c.kdr", puzzle_line(1, 3, SampleBody));
    folder.write("random2.kdr", "old\r\nlines\r\n");
    std::filesystem::create_directory(folder.file("sub"));
    folder.write("sub/r3.kdr", puzzle_line(1, 3, SampleBody));
    const std::string m = folder.file("m.kdr"), random2 = folder.file("random2.kdr");
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{"multicreate", "--count", "0", m}, 2, ""},
        {{"multicreate", "--count", "100000", m}, 2, ""},
        {{"multicreate", "--seed", "x", m}, 2, ""},
        {{"randomize"}, 2, ""},
        {{"reseq", folder.file("c.kdr"), "more"}, 2, ""},
        {{"remdups", "--folder", folder.slash()}, 1, ""},
        {{"remdups", "--folder", folder.file("sub")}, 0, ""},
        {{"randomize", "--help"}, 0, ""},
        {{"--help"}, 0, ""},
        {{"reseq", folder.file("c.kdr")}, 0, folder.file("c-r.kdr") + " done\n"},
        {{"multicreate", "--count", "40", "--seed", "3", random2}, 0, "done\n"}};
    for (const auto& [args, status, said] : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(tools::run_collection_tool(args, out, err), status) << args[0] << err.str();
        if (!said.empty()) {
            EXPECT_EQ(out.str(), said);
        }
        if (args.back() == random2) {
            EXPECT_NE(err.str().find("40 of 40 puzzles"), std::string::npos) << err.str();
        }
    }
    EXPECT_FALSE(std::filesystem::exists(m));
    const auto puzzles = puzzles_of(folder.read("random2.kdr"));
    ASSERT_EQ(puzzles.size(), 40u);
    for (const std::string& puzzle : puzzles)
        EXPECT_EQ(std::tuple(verify_puzzle_line("00001" + puzzle), puzzle[1] >= '4'),
                  std::tuple("", true))
            << puzzle;
}

}  // namespace
}  // namespace kalder::testing
