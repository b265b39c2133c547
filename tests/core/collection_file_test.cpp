#include "core/game/collection_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <functional>
#include <sstream>

#include "collection_tools.h"
#include "core/game/position.h"
#include "core/game/puzzle_line.h"
#include "temp_folder.h"

namespace kalder::testing {
namespace {

// Any line end (a lone CR too) ends a line; a missing file or a folder has no lines; lines are
// read alone, with the count of the whole file, or walked in order until told to stop.
TEST(CollectionFile, ReadsCountsAndWalksLinesWhateverTheirEnds) {
    TempFolder folder;
    const std::string f = folder.file("f.kdr");
    const std::pair<std::string, int> counts[] = {
        {"", 0}, {"a\nb\n", 2}, {"\r\n\r\n", 2}, {std::string(5, '\0'), 1}};
    for (const auto& [content, lines] : counts) {
        folder.write("f.kdr", content);
        EXPECT_EQ(std::tuple(CountLines(f), FileExists(f)), std::tuple(lines, !content.empty()));
    }
    folder.write("f.kdr", "one\r\ntwo\rthree");
    for (const auto& [n, text] : {std::pair{1, "one"}, {2, "two"}, {3, "three"}}) {
        EXPECT_EQ(read_collection_line(f, n), text) << n;
        const auto counted = read_collection_line_and_count(f, n).value_or(CollectionLine{});
        EXPECT_EQ(std::tuple(counted.text, counted.line_count), std::tuple(text, 3)) << n;
    }
    for (const int n : {4, 0}) EXPECT_EQ(read_collection_line(f, n), std::nullopt);
    EXPECT_EQ(read_collection_line_and_count(f, 4), std::nullopt);
    std::vector<std::string> seen;
    ASSERT_TRUE(for_each_collection_line(f, [&](int n, std::string_view line) {
        seen.emplace_back(std::to_string(n) + std::string(line));
        return n < 2;
    }));
    EXPECT_EQ(seen, (std::vector<std::string>{"1one", "2two"}));
    for (const std::string& missing : {folder.file("missing.kdr"), folder.path().string()}) {
        EXPECT_EQ(std::tuple(CountLines(missing), FileExists(missing)), std::tuple(0, false));
        EXPECT_EQ(read_collection_line_and_count(missing, 1), std::nullopt);
        EXPECT_FALSE(for_each_collection_line(missing, [](int, std::string_view) { return true; }));
    }
    const std::string huge(3 << 20, '7');
    folder.write("f.kdr", huge + "\r\nafter\r\n");
    EXPECT_LT(read_collection_line(f, 1).value_or(huge).size(), huge.size())
        << "a line of megabytes is cut short";
    EXPECT_EQ(std::tuple(read_collection_line(f, 2), CountLines(f)), std::tuple("after", 2));
}

// Numbered after the lines there, on a line of its own; a disk with room for part of the line
// takes the part back, so no cut line stays to be numbered after or shown as a puzzle.
TEST(CollectionFile, AppendNumbersTheLineOnALineOfItsOwnOrLeavesTheFileAsItWas) {
    TempFolder folder;
    ASSERT_TRUE(AppendPuzzle(folder.file("new.kdr"), 3, "body"));
    folder.write("f.kdr", "00001,3,111,\r\n00002,3,222,");
    ASSERT_TRUE(AppendPuzzle(folder.file("f.kdr"), 3, "body"));
    EXPECT_EQ(folder.read("new.kdr") + folder.read("f.kdr"),
              "00001,3,body\r\n00001,3,111,\r\n00002,3,222,\r\n00003,3,body\r\n");
    EXPECT_FALSE(AppendPuzzle(folder.file("no/such/folder.kdr"), 3, "x,"));

    folder.write("f.kdr", "00001,3,111,\r\n");
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto old_signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 20;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool appended = AppendPuzzle(folder.file("f.kdr"), 3, "121222332,020306010205040708");
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, old_signal);
    EXPECT_FALSE(appended);
    EXPECT_EQ(folder.read("f.kdr"), "00001,3,111,\r\n");
}

const std::string Good = format_puzzle_line(1, 3, "121222332,020306010205040708") + "\r\n";

class ToolsTest : public ::testing::Test {
  protected:
    // Runs a command line split at blanks; a word ending in ".kdr" names a file in the folder.
    int run(const std::string& command, const std::string& input = "") {
        std::vector<std::string> args;
        std::istringstream words(command);
        for (std::string word; words >> word;) {
            args.push_back(word.ends_with(".kdr") ? folder.file(word) : word);
        }
        std::istringstream in(input);
        out.str("");
        err.str("");
        return tools::run_collection_tool(args, out, err, in);
    }
    // True when the first answer line "g-r g-r ..." plays 1 2 1 / 2 2 2 / 3 3 2 to solved.
    bool solves_sample() const {
        Position p(3);
        for (int k = 1; k <= 9; ++k) p.set_cell(k, "121222332"[k - 1] - '0', false);
        std::istringstream moves(out.str().substr(0, out.str().find('\n')));
        int giver = 0, receiver = 0;
        for (char dash = 0; moves >> giver >> dash >> receiver;) {
            if (dash != '-' || !p.play({giver, receiver})) return false;
        }
        return p.solved();
    }
    bool said(const std::string& text) const {
        return (out.str() + err.str()).find(text) != std::string::npos;
    }
    // Every line of `name` verifies and is numbered on from 00001 with a size `size` accepts.
    int good_lines(const std::string& name, const std::function<bool(int n, int size)>& size) {
        int lines = 0;
        for_each_collection_line(folder.file(name), [&](int n, std::string_view line) {
            lines = n;
            EXPECT_EQ(verify_puzzle_line(line), "") << line;
            EXPECT_EQ(line.substr(0, 6), format_puzzle_line(n, 3, "").substr(0, 6));
            EXPECT_TRUE(size(n, line[6] - '0')) << line;
            return true;
        });
        return lines;
    }
    TempFolder folder;
    std::ostringstream out, err;
};

// Wrong command lines show the usage and change nothing.
TEST_F(ToolsTest, WrongCommandLinesShowTheUsageAndWriteNothing) {
    std::istringstream wrong(
        ";shuffle m.kdr;generate --size 5 m.kdr;generate --size 2 --count 1 m.kdr;"
        "generate --size 10 --count 1 m.kdr;generate --size 5x --count 1 m.kdr;"
        "generate --size 5 --count -1 m.kdr;generate --size 5 --count 1 --seed -4 m.kdr;"
        "generate --size 5 --count 1 m.kdr o.kdr;generate --size 5 --count 1 --colour red m.kdr;"
        "generate --size 5 --count;verify;verify m.kdr m.kdr;solve m.kdr 0;solve m.kdr;"
        "multicreate --count 0 m.kdr;multicreate --count 100000 m.kdr;multicreate --seed x m.kdr;"
        "randomize;reseq m.kdr more;remdups m.kdr");
    for (std::string command; std::getline(wrong, command, ';');) {
        EXPECT_EQ(run(command), 2) << command;
        EXPECT_TRUE(said("usage:")) << command;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("m.kdr")));
}

// Generated puzzles verify, are numbered on after the lines already there, have the asked
// size, and the same seed gives the same collection; multicreate replaces the file with
// puzzles of sizes 4 to 9; the batch commands run on files the command line names.
TEST_F(ToolsTest, GenerateAppendsAndMulticreateReplacesWithGoodPuzzles) {
    ASSERT_EQ(run("generate --size 5 --count 3 --seed 7 m.kdr"), 0);
    ASSERT_EQ(run("generate --count 4 --size mixed m.kdr"), 0) << err.str();
    EXPECT_EQ(out.str(), "4 puzzles appended to " + folder.file("m.kdr") + "\n");
    EXPECT_EQ(good_lines("m.kdr", [](int n, int size) { return n > 3 || size == 5; }), 7);
    EXPECT_EQ(run("verify m.kdr"), 0);
    EXPECT_EQ(out.str(), "7 puzzles, all good\n");
    run("generate --size mixed --count 5 --seed 99 a.kdr");
    run("generate --size mixed --count 5 --seed 99 b.kdr");
    EXPECT_EQ(folder.read("a.kdr"), folder.read("b.kdr"));
    folder.write("r.kdr", "old\r\nlines\r\n");
    EXPECT_EQ(run("multicreate --count 40 --seed 3 r.kdr"), 0);
    EXPECT_TRUE(out.str() == "done\n" && said("40 of 40 puzzles")) << out.str() << err.str();
    EXPECT_EQ(good_lines("r.kdr", [](int, int size) { return size >= 4; }), 40);
    EXPECT_EQ(run("reseq r.kdr"), 0);
    EXPECT_EQ(out.str(), folder.file("r-r.kdr") + " done\n");
    EXPECT_EQ(run("remdups --folder " + folder.slash()), 1) << "no r3.kdr there";
}

TEST_F(ToolsTest, GenerateRefusesToPassTheLineLimitBeforeWritingAnything) {
    std::string full;
    for (int i = 0; i < MaxCollectionLines - 2; ++i) full += Good;
    folder.write("full.kdr", full);
    EXPECT_EQ(run("generate --size 3 --count 3 full.kdr"), 1);
    EXPECT_TRUE(said("99999"));
    EXPECT_EQ(CountLines(folder.file("full.kdr")), MaxCollectionLines - 2)
        << "not even the two that fit";
    EXPECT_EQ(run("generate --size 3 --count 2 full.kdr"), 0) << err.str();
    EXPECT_EQ(CountLines(folder.file("full.kdr")), MaxCollectionLines);
}

// Bad lines are named and get no answer; a blank line is no position. Two top-row 1s could
// only give to each other: no solution.
TEST_F(ToolsTest, VerifyAndSolveNameEveryBadLine) {
    folder.write("mixed.kdr", Good + "00002,3,junk\r\n" + Good + "\r\n");
    EXPECT_EQ(run("verify mixed.kdr"), 1);
    EXPECT_TRUE(said("line 2: ") && said("line 4: ") && !said("line 1: ") &&
                said("2 of 4 lines are bad"))
        << out.str();
    folder.write("empty.kdr", "");
    for (const char* command : {"verify empty.kdr", "verify missing.kdr"}) {
        EXPECT_EQ(run(command), 1);
        EXPECT_TRUE(said("missing, empty or unreadable"));
    }
    EXPECT_EQ(run("solve mixed.kdr 1"), 0);
    EXPECT_TRUE(solves_sample()) << out.str();
    EXPECT_EQ(run("solve mixed.kdr 2"), 1);
    EXPECT_EQ(
        run("solve",
            "3 1,2,1,2,2,2,3,3,2 -\r\n\n3 1,1,2,3,2,2,3,3,3 4,5,7,8,9\n3 1,2,1,2,2,2,3,3 -\n"
            "2 1,1,2,2 -\n3 1,2,1,2,2,2,3,3,2 0\n3 1,2,1,2,2,2,3,3,2 - 7\n3 1,2,1,2,x,2,3,3,2 -\n"),
        2);
    EXPECT_TRUE(solves_sample()) << out.str();
    EXPECT_EQ(out.str().substr(out.str().find('\n') + 1), "none\n");
    for (const char* line : {"line 4:", "line 5:", "line 6:", "line 7:", "line 8:"})
        EXPECT_TRUE(said(line)) << line << " in " << err.str();
    EXPECT_FALSE(said("line 2:"));
}

}  // namespace
}  // namespace kalder::testing
