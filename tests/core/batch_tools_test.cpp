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

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        EXPECT_EQ(line.back(), '\r') << "CR LF line ends";
        lines.push_back(line.substr(0, line.size() - 1));
    }
    return lines;
}

// Everything after the number: the puzzle itself.
std::vector<std::string> puzzles_of(const std::vector<std::string>& lines) {
    std::vector<std::string> puzzles;
    for (const std::string& line : lines) puzzles.push_back(line.substr(5));
    std::sort(puzzles.begin(), puzzles.end());
    return puzzles;
}

void expect_numbered_from_1(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(std::stoi(lines[i].substr(0, 5)), static_cast<int>(i) + 1) << lines[i];
    }
}

class BatchCommandsTest : public Form1Test {
  protected:
    void SetUp() override {
        std::string collection;
        for (int i = 1; i <= 5; ++i)
            collection += puzzle_line(
                i, 3, SampleBody.substr(0, 8) + std::to_string(i) + SampleBody.substr(9));
        folder.write("puzzles.kdr", collection);
        load();
    }
};

TEST_F(BatchCommandsTest, RandomizeAndReseqWriteEveryPuzzleRenumberedBesideTheCollection) {
    const std::string before = folder.read("puzzles.kdr");
    form->Command5_Click();
    form->Command7_Click();
    for (const std::string name : {"puzzles-x.kdr", "puzzles-r.kdr"}) {
        const auto lines = lines_of(folder.read(name));
        ASSERT_EQ(lines.size(), 5u) << name;
        expect_numbered_from_1(lines);
        EXPECT_EQ(puzzles_of(lines), puzzles_of(lines_of(before))) << name;
    }
    EXPECT_EQ(folder.read("puzzles.kdr"), before);
    EXPECT_EQ(platform.system_messages,
              (std::vector<std::string>{folder.file("puzzles-x.kdr") + " done",
                                        folder.file("puzzles-r.kdr") + " done"}));
    EXPECT_EQ(form->CollectionPath, folder.file("puzzles.kdr"));
}

TEST_F(BatchCommandsTest, RemDupsDropsOnlyANumberRepeatingTheLineBeforeAndShufflesTheRest) {
    folder.write("r3.kdr", "00001,3,a,b\r\n00001,3,c,d\r\n00002,3,e,f\r\n00001,3,g,h\r\n");
    form->Command3_Click();
    EXPECT_EQ(folder.read("r4.kdr"), "00001,3,a,b\r\n00002,3,e,f\r\n00001,3,g,h\r\n");
    const auto r5 = lines_of(folder.read("r5.kdr"));
    expect_numbered_from_1(r5);
    EXPECT_EQ(puzzles_of(r5), (std::vector<std::string>{",3,a,b", ",3,e,f", ",3,g,h"}));
    EXPECT_EQ(platform.system_messages,
              (std::vector<std::string>{"done, will now create random from r4 to r5", "3 done"}));
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
    EXPECT_NE(failed[0].find(folder.file("r3.kdr")), std::string::npos) << failed[0];
    EXPECT_NE(failed[1].find(folder.file("none.kdr")), std::string::npos) << failed[1];
    EXPECT_TRUE(said.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 0);

    folder.write("in.kdr", "00007,3,a,b,extra\r\n00008,3\r\n\r\n00009,4,c,d\r\n");
    EXPECT_TRUE(shuffle_collection(folder.file("in.kdr"), folder.file("out.kdr"), random, report));
    EXPECT_EQ(puzzles_of(lines_of(folder.read("out.kdr"))),
              (std::vector<std::string>{",3,a,b", ",4,c,d"}));
    EXPECT_EQ(said.back(),
              folder.file("out.kdr") + " done, 2 lines with fewer than four fields skipped");
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
    const auto lines = lines_of(shuffled.content);
    ASSERT_EQ(shuffled.lines, 40'000);
    ASSERT_EQ(lines.size(), 40'000u);
    EXPECT_EQ(lines.back().substr(0, 5), "40000");
    int in_place = 0;
    for (std::size_t i = 0; i < lines.size(); ++i)
        in_place += lines[i].substr(5) == text[i].substr(5);
    EXPECT_LT(in_place, 100) << "barely shuffled";
}

TEST(BatchToolsTest, OutputNameReplacesOnlyTheFileNamesLastExtension) {
    const std::pair<std::string, std::string> cases[] = {
        {"/home/a.b/c.kdr", "/home/a.b/c-x.kdr"},
        {"/home/a.b/c", "/home/a.b/c-x.kdr"},
        {"c.old.txt", "c.old-x.kdr"},
    };
    for (const auto& [collection, out] : cases) {
        EXPECT_EQ(batch_output_name(collection, "-x.kdr"), out) << collection;
    }
}

TEST(BatchToolsTest, MultiCreateNumbersItsPuzzlesOnAndReplacesTheFile) {
    TempFolder folder;
    folder.write("random2.kdr", "old\r\nlines\r\n");
    std::ostringstream out, err;
    const std::vector<std::string> args{"multicreate", "--count", "40",
                                        "--seed",      "3",       folder.file("random2.kdr")};
    ASSERT_EQ(tools::run_collection_tool(args, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "done\n");
    const auto lines = lines_of(folder.read("random2.kdr"));
    ASSERT_EQ(lines.size(), 40u);
    expect_numbered_from_1(lines);
    for (const std::string& line : lines) {
        EXPECT_EQ(verify_puzzle_line(line), "") << line;
        EXPECT_GE(line[6], '4') << line;
    }
    EXPECT_NE(err.str().find("40 of 40 puzzles"), std::string::npos) << err.str();
}

TEST(BatchToolsTest, CommandLinesAreCheckedBeforeAnythingIsWritten) {
    TempFolder folder;
    folder.write("c.kdr", puzzle_line(1, 3, SampleBody));
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"multicreate", "--count", "0", folder.file("m.kdr")}, 2},
        {{"multicreate", "--count", "100000", folder.file("m.kdr")}, 2},
        {{"multicreate", "--seed", "x", folder.file("m.kdr")}, 2},
        {{"randomize"}, 2},
        {{"reseq", folder.file("c.kdr"), "more"}, 2},
        {{"remdups", "--folder", folder.slash()}, 1},
        {{"randomize", "--help"}, 0},
        {{"--help"}, 0},
    };
    for (const auto& [args, status] : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(tools::run_collection_tool(args, out, err), status) << args[0] << err.str();
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("m.kdr")));
    std::ostringstream out, err;
    EXPECT_EQ(tools::run_collection_tool({"reseq", folder.file("c.kdr")}, out, err), 0);
    EXPECT_EQ(out.str(), folder.file("c-r.kdr") + " done\n");
}

}  // namespace
}  // namespace kalder::testing
