#include "collection_tools.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/game/collection_file.h"
#include "core/game/puzzle_line.h"
#include "temp_folder.h"

namespace kalder::testing {
namespace {

const std::string Good = format_puzzle_line(1, 3, "121222332,020306010205040708");

class CollectionToolsTest : public ::testing::Test {
  protected:
    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return tools::run_collection_tool(args, out, err);
    }
    TempFolder folder;
    std::ostringstream out, err;
};

// Generated puzzles verify, are numbered on after the lines already there, have the asked
// size, and the same seed gives the same collection.
TEST_F(CollectionToolsTest, GenerateAppendsGoodPuzzlesOfTheAskedSize) {
    const std::string file = folder.file("mine.kdr");
    ASSERT_EQ(run({"generate", "--size", "5", "--count", "3", "--seed", "7", file}), 0);
    ASSERT_EQ(run({"generate", "--count", "4", "--size", "mixed", file}), 0) << err.str();
    EXPECT_EQ(out.str(), "4 puzzles appended to " + file + "\n");
    int lines = 0;
    for_each_collection_line(file, [&](int n, std::string_view line) {
        lines = n;
        EXPECT_EQ(verify_puzzle_line(line), "") << line;
        EXPECT_EQ(std::stoi(std::string(line.substr(0, 5))), n) << "numbered on";
        if (n <= 3) {
            EXPECT_EQ(line.substr(6, 1), "5");
        }
        return true;
    });
    EXPECT_EQ(lines, 7);
    EXPECT_EQ(run({"verify", file}), 0);
    EXPECT_EQ(out.str(), "7 puzzles, all good\n");
    for (const char* name : {"a.kdr", "b.kdr"}) {
        run({"generate", "--size", "mixed", "--count", "5", "--seed", "99", folder.file(name)});
    }
    EXPECT_EQ(folder.read("a.kdr"), folder.read("b.kdr"));
}

TEST_F(CollectionToolsTest, WrongCommandLinesChangeNothing) {
    const std::string file = folder.file("mine.kdr");
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"shuffle", file},
        {"generate", "--size", "5", file},
        {"generate", "--size", "2", "--count", "1", file},
        {"generate", "--size", "10", "--count", "1", file},
        {"generate", "--size", "5x", "--count", "1", file},
        {"generate", "--size", "5", "--count", "-1", file},
        {"generate", "--size", "5", "--count", "1", "--seed", "abc", file},
        {"generate", "--size", "5", "--count", "1", "--seed", "-4", file},
        {"generate", "--size", "5", "--count", "1", file, "other.kdr"},
        {"generate", "--size", "5", "--count", "1", "--colour", "red", file},
        {"generate", "--size", "5", "--count"},
        {"verify"},
        {"verify", file, file},
    };
    for (const auto& args : wrong) {
        EXPECT_EQ(run(args), 2) << ::testing::PrintToString(args);
        EXPECT_NE(err.str().find("usage:"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(CollectionToolsTest, GenerateRefusesToPassTheLineLimitBeforeWritingAnything) {
    std::string full;
    for (int i = 0; i < MaxCollectionLines - 2; ++i) full += Good + "\r\n";
    folder.write("full.kdr", full);
    const std::string file = folder.file("full.kdr");
    EXPECT_EQ(run({"generate", "--size", "3", "--count", "3", file}), 1);
    EXPECT_NE(err.str().find("99999"), std::string::npos) << err.str();
    EXPECT_EQ(CountLines(file), MaxCollectionLines - 2) << "not even the two that fit";
    EXPECT_EQ(run({"generate", "--size", "3", "--count", "2", file}), 0) << err.str();
    EXPECT_EQ(CountLines(file), MaxCollectionLines);
}

TEST_F(CollectionToolsTest, VerifyNamesEveryBadLine) {
    folder.write("mixed.kdr", Good + "\r\n00002,3,junk\r\n" + Good + "\r\n\r\n");
    EXPECT_EQ(run({"verify", folder.file("mixed.kdr")}), 1);
    const std::string report = out.str();
    EXPECT_NE(report.find("line 2: "), std::string::npos) << report;
    EXPECT_NE(report.find("line 4: "), std::string::npos) << report;
    EXPECT_EQ(report.find("line 1: "), std::string::npos) << report;
    EXPECT_NE(report.find("2 of 4 lines are bad"), std::string::npos) << report;
    folder.write("empty.kdr", "");
    for (const std::string name : {"empty.kdr", "missing.kdr"}) {
        EXPECT_EQ(run({"verify", folder.file(name)}), 1) << name;
        EXPECT_NE(err.str().find("missing, empty or unreadable"), std::string::npos);
    }
}

}  // namespace
}  // namespace kalder::testing
