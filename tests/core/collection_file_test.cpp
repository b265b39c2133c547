#include "core/files/collection_file.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "collection_tools.h"
#include "core/files/batch_tools.h"
#include "core/files/puzzle_line.h"
#include "core/files/remove_line.h"
#include "core/rules/position.h"
#include "temp_folder.h"

namespace kalder::testing {
namespace {

// A lone CR ends a line too, a CR LF only one; NULs are a line's text; a missing file or a
// folder has no lines; a line of megabytes is cut short without losing the lines after it.
TEST(CollectionFile, ReadsAndCountsLinesWhateverTheirEnds) {
    TempFolder folder;
    const std::string f = folder.file("f.kdr");
    folder.write("f.kdr", "one\r\ntwo\rthree");
    const auto counted = read_collection_line_and_count(f, 2).value_or(CollectionLine{});
    EXPECT_EQ(std::tuple(read_collection_line(f, 3), counted.text, counted.line_count,
                         read_collection_line(f, 4)),
              std::tuple("three", "two", 3, std::nullopt));
    folder.write("f.kdr", std::string(5, '\0'));
    EXPECT_EQ(std::tuple(CountLines(f), FileExists(f)), std::tuple(1, true));
    folder.write("f.kdr", "\nfirst line empty");
    EXPECT_EQ(CountLines(f), 2);
    for (const std::string& missing : {folder.file("missing.kdr"), folder.path().string()})
        EXPECT_EQ(std::tuple(CountLines(missing), FileExists(missing)), std::tuple(0, false));
    const std::string huge(3 << 20, '7');
    folder.write("f.kdr", huge + "\r\nafter\r\n");
    EXPECT_LT(read_collection_line(f, 1).value_or(huge).size(), huge.size())
        << "a line of megabytes is cut short";
    EXPECT_EQ(std::tuple(read_collection_line(f, 2), CountLines(f)), std::tuple("after", 2));
    // A CR LF split between two blocks of the reading is one line end, so is an LF that starts
    // a block; a last line needs none, even when it is the only one.
    const std::string block((1 << 20) - 2, '7');
    for (const std::string& text : {block + "7\r\nlast", block + "77\nlast", std::string("last")}) {
        folder.write("f.kdr", text);
        std::vector<int> lengths;
        for_each_collection_line(f, [&](int, std::string_view line) {
            lengths.push_back(static_cast<int>(line.size()));
            return true;
        });
        const std::size_t lines = text.size() > 4 ? 2 : 1;
        EXPECT_EQ(std::tuple(lengths.size(), lengths.empty() ? 0 : lengths.back(), CountLines(f)),
                  std::tuple(lines, 4, static_cast<int>(lines)));
    }
}

// Numbered after the lines there, on a line of its own (a new file and a missing folder are
// tested with the Save command); a disk with room for part of the line takes the part back, so
// no cut line stays to be numbered after or shown as a puzzle; a rewrite fails whole.
TEST(CollectionFile, AppendNumbersTheLineOnALineOfItsOwnOrLeavesTheFileAsItWas) {
    TempFolder folder;
    folder.write("f.kdr", "00001,3,111,\r\n00002,3,222,");
    ASSERT_TRUE(AppendPuzzle(folder.file("f.kdr"), 3, "body"));
    EXPECT_EQ(folder.read("f.kdr"), "00001,3,111,\r\n00002,3,222,\r\n00003,3,body\r\n");
    folder.write("f.kdr", std::string("x\0", 2));  // a NUL is the line's text too
    ASSERT_TRUE(AppendPuzzle(folder.file("f.kdr"), 3, "body"));
    EXPECT_EQ(folder.read("f.kdr"), std::string("x\0\r\n00002,3,body\r\n", 18));

    folder.write("f.kdr", "00001,3,111,\r\n");
    EXPECT_FALSE(with_file_size_limit(
        20, [&] { return AppendPuzzle(folder.file("f.kdr"), 3, "121222332,020306010205040708"); }));
    EXPECT_EQ(folder.read("f.kdr"), "00001,3,111,\r\n");
    // A rewrite out of room names the file and leaves it as it was.
    Random random(1);
    std::string failed;
    const BatchReport report{[](const std::string&) {}, [&](const std::string& t) { failed = t; }};
    folder.write("r3.kdr", "00001,3,121222332,0203\r\n");
    const std::pair<std::string, std::function<bool()>> rewrites[] = {
        {"f.kdr", [&] { return multi_create(folder.file("f.kdr"), 3, random, nullptr, report); }},
        {"r4.kdr", [&] { return remove_repeated_numbers(folder.slash(), random, report); }}};
    for (const auto& [name, rewrite] : rewrites) {
        EXPECT_FALSE(with_file_size_limit(20, rewrite));
        EXPECT_EQ(failed, folder.file(name) + " could not be written");
    }
    EXPECT_EQ(folder.read("f.kdr"), "00001,3,111,\r\n");
}

// A delete takes the line with its end, whichever, the last line even without one; a line
// that is not there, or a file that is not, fails.
TEST(CollectionFile, RemoveTakesTheLineWithItsEnd) {
    TempFolder folder;
    const std::string whole = "a\r\nb\nc";
    const std::pair<int, std::string> cases[] = {
        {3, "a\r\nb\n"}, {1, "b\nc"}, {2, "a\r\nc"}, {0, whole}, {4, whole}};
    for (const auto& [n, left] : cases) {
        folder.write("f.kdr", whole);
        EXPECT_EQ(remove_collection_line(folder.file("f.kdr"), n), left != whole) << n;
        EXPECT_EQ(folder.read("f.kdr"), left) << n;
    }
    EXPECT_FALSE(remove_collection_line(folder.file("none.kdr"), 1));
}

const std::string Good = format_puzzle_line(1, 3, "121222332,020306010205040708") + "\r\n";

class ToolsTest : public ::testing::Test {
  protected:
    // Runs a command line split at blanks; a word ending in ".kdr" names a file in the folder.
    int run(const std::string& command, const std::string& input = "") {
        std::vector<std::string> args;
        std::istringstream words(command), in(input);
        for (std::string word; words >> word;)
            args.push_back(word.ends_with(".kdr") ? folder.file(word)
                           : word == "$"          ? folder.path().string()
                                                  : word);
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
        for (char dash = 0; moves >> giver >> dash >> receiver;)
            if (dash != '-' || !p.play({giver, receiver})) return false;
        return p.solved();
    }
    bool said(const std::string& text) const {
        return (out.str() + err.str()).find(text) != std::string::npos;
    }
    TempFolder folder;
    std::ostringstream out, err;
};

// A wrong command line is named in one line, exit 2, and changes nothing; a file missing, empty,
// in the way or not writable is named, exit 1, before any work (no progress shown). Help is the
// command's own usage, or every command's.
TEST_F(ToolsTest, EachFaultIsNamedInOneLineBeforeAnyWork) {
    folder.write("empty.kdr", "");
    folder.write("good.kdr", Good);
    std::filesystem::create_directory(folder.file("dir.kdr"));
    // The command line, its status and its one line on standard error, '$' standing for the
    // folder.
    const std::tuple<const char*, int, std::string> cases[] = {
        {"", 2, ": no command given; kalder-tools --help lists them"},
        {"shuffle m.kdr", 2, ": unknown command shuffle; kalder-tools --help lists them"},
        {"generate --size 10 --count 1 m.kdr", 2,
         " generate: --size must be 3 to 9 or mixed, not 10"},
        {"generate --size 5x --count 1 m.kdr", 2,
         " generate: --size must be 3 to 9 or mixed, not 5x"},
        {"generate --size 5 m.kdr", 2, " generate: --count is missing"},
        {"generate --count -1 m.kdr", 2, " generate: --count must be 0 to 99999, not -1"},
        {"generate --count 100000 m.kdr", 2, " generate: --count must be 0 to 99999, not 100000"},
        {"generate --count 1 m.kdr o.kdr", 2, " generate: one argument too many: $o.kdr"},
        {"generate --count 1 --size", 2, " generate: --size needs a value"},
        {"generate --count 1 --sizes 4 m.kdr", 2, " generate: unknown option --sizes"},
        {"generate --count 1", 2, " generate: FILE is missing"},
        {"verify", 2, " verify: FILE is missing"},
        {"solve m.kdr", 2, " solve: N is missing after FILE"},
        {"solve m.kdr 0", 2, " solve: N must be a puzzle number from 1 to 99999, not 0"},
        {"multicreate --count 100000 m.kdr", 2,
         " multicreate: --count must be 1 to 99999, not 100000"},
        {"multicreate --seed x m.kdr", 2,
         " multicreate: --seed must be a whole number from 0 on, not x"},
        {"reseq", 2, " reseq: FILE is missing"},
        {"remdups r3.kdr", 2, " remdups: one argument too many: $r3.kdr"},
        {"rate", 2, " rate: FILE is missing"},
        {"rate --sort m.kdr", 2, " rate: OUT is missing"},
        {"rate --sort m.kdr o.kdr x", 2, " rate: one argument too many: x"},
        {"rate m.kdr", 1, " rate: $m.kdr: no such file"},
        {"verify m.kdr", 1, " verify: $m.kdr: no such file"},
        {"solve m.kdr 1", 1, " solve: $m.kdr: no such file"},
        {"randomize m.kdr", 1, " randomize: $m.kdr: no such file"},
        {"remdups --folder $", 1, " remdups: $r3.kdr: no such file"},
        {"verify empty.kdr", 1, " verify: $empty.kdr: holds no puzzles"},
        {"verify dir.kdr", 1, " verify: $dir.kdr: is a folder, not a file"},
        {"solve good.kdr 2", 1, " solve: $good.kdr holds 1 puzzles, not 2"},
        {"generate --count 1 dir.kdr", 1, " generate: $dir.kdr: cannot be written"},
        {"generate --count 1 no/m.kdr", 1, " generate: $no/m.kdr: cannot be written"},
        {"multicreate --count 5 no/m.kdr", 1, " multicreate: $no/m.kdr could not be written"},
    };
    for (auto [command, status, said] : cases) {
        for (auto at = said.find('$'); at != std::string::npos; at = said.find('$'))
            said.replace(at, 1, folder.slash());
        const int exit_status = run(command);
        EXPECT_EQ(std::tuple(exit_status, err.str(), out.str()),
                  std::tuple(status, "kalder-tools" + said + "\n", ""))
            << command;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("m.kdr")));
    EXPECT_EQ(run("generate --help"), 0);
    EXPECT_TRUE(out.str().starts_with("usage:\n  kalder-tools generate [--size N|mixed]") &&
                !said("verify"))
        << out.str();
    EXPECT_EQ(run("--help"), 0);
    for (const char* command : {"generate", "verify", "solve", "rate", "multicreate", "remdups",
                                "randomize", "reseq", "COMMAND --help", "--version"})
        EXPECT_TRUE(said("  kalder-tools " + std::string(command))) << command;
    EXPECT_TRUE(run("--version") == 0 && out.str().starts_with("kalder-tools ") && !said("usage"))
        << out.str();
    std::string full;
    for (int i = 0; i < MaxCollectionLines - 2; ++i) full += Good;
    folder.write("full.kdr", full);
    EXPECT_EQ(run("generate --size 3 --count 3 full.kdr"), 1);
    EXPECT_EQ(err.str(), "kalder-tools generate: " + folder.file("full.kdr") +
                             " holds 99997 puzzles, and a collection at most 99999: 2 more fit, "
                             "not 3\n");
    EXPECT_EQ(CountLines(folder.file("full.kdr")), MaxCollectionLines - 2);
    EXPECT_EQ(run("generate --size 3 --count 2 full.kdr"), 0) << err.str();
    EXPECT_EQ(CountLines(folder.file("full.kdr")), MaxCollectionLines);
    EXPECT_FALSE(AppendPuzzle(folder.file("full.kdr"), 3, "1,2")) << "one line past the limit";
    std::filesystem::create_directory(folder.file("r4.kdr"));  // in the way of remdups' output
    folder.write("r3.kdr", Good);
    EXPECT_EQ(run("remdups --folder " + folder.path().string()), 1);
}

// Generated puzzles verify, are numbered on after the lines already there, have the asked
// size, and the same seed gives the same collection; multicreate replaces the file with
// puzzles of sizes 4 to 9, clearing what a killed run left; the batch commands run on files the
// command line names.
TEST_F(ToolsTest, GenerateAppendsAndMulticreateReplacesWithGoodPuzzles) {
    ASSERT_EQ(run("generate --size 5 --count 3 --seed 7 m.kdr"), 0);
    ASSERT_EQ(run("generate --count 4 --size mixed m.kdr"), 0) << err.str();
    EXPECT_EQ(out.str(), "4 puzzles appended to " + folder.file("m.kdr") + "\n");
    const auto starts = [&](const char* name, int n) {
        return read_collection_line(folder.file(name), n).value_or("").substr(0, 8);
    };
    EXPECT_EQ(starts("m.kdr", 3) + starts("m.kdr", 7).substr(0, 6), "00003,5,00007,");
    EXPECT_EQ(run("verify m.kdr"), 0);
    EXPECT_EQ(out.str(), "7 puzzles, all good\n");
    run("generate --size mixed --count 5 --seed 99 a.kdr");
    run("generate --size mixed --count 5 --seed 99 b.kdr");
    EXPECT_EQ(folder.read("a.kdr"), folder.read("b.kdr"));
    folder.write("r.kdr", "old\r\nlines\r\n");
    folder.write("r.kdr.new-999999999", "left by a killed run");
    EXPECT_EQ(run("multicreate --count 40 --seed 3 r.kdr"), 0);
    EXPECT_FALSE(std::filesystem::exists(folder.file("r.kdr.new-999999999")));
    EXPECT_TRUE(out.str() == "done\n" && said("40 of 40 puzzles")) << out.str() << err.str();
    EXPECT_EQ(run("verify r.kdr"), 0);
    EXPECT_EQ(out.str() + starts("r.kdr", 40).substr(0, 6), "40 puzzles, all good\n00040,");
    for (int n = 1; n <= 40; ++n) EXPECT_GE(starts("r.kdr", n)[6], '4') << n;
    EXPECT_EQ(run("reseq r.kdr"), 0);
    EXPECT_EQ(out.str(), folder.file("r-r.kdr") + " done\n");
}

// The same seed twice on one file: the second run makes only boards the first did not, until
// no new one turns up, and says how many it found. 3 x 3 has 17 distinct boards.
TEST_F(ToolsTest, GenerateNeverRepeatsABoardAcrossRuns) {
    ASSERT_EQ(run("generate --size 3 --count 12 --seed 1 m.kdr"), 0);
    ASSERT_EQ(run("generate --size 3 --count 12 --seed 1 m.kdr"), 0);
    EXPECT_EQ(out.str(), "no new board in 10000 tries in a row; only 5 puzzles appended to " +
                             folder.file("m.kdr") + "\n");
    std::set<std::string> boards;
    for (int n = 1; n <= 17; ++n)
        boards.insert(
            parse_puzzle_line(*read_collection_line(folder.file("m.kdr"), n)).line->cells);
    EXPECT_TRUE(boards.size() == 17 && CountLines(folder.file("m.kdr")) == 17 &&
                run("verify m.kdr") == 0);
}

// Grades in file order; the sort puts smaller boards first and easier before harder, keeps
// the order of equals and numbers from 00001. A line that cannot be graded is named, and the
// sort then writes nothing.
TEST_F(ToolsTest, RateGradesEveryPuzzleAndSortsBySizeThenGrade) {
    folder.write("g.kdr",
                 "00011,4,0000000000000000,a\r\n00012,3,112422222,b\r\n"
                 "00013,3,000333333,c\r\n00014,3,010233333,d\r\n");
    EXPECT_EQ(run("rate g.kdr"), 0);
    EXPECT_EQ(out.str(), "00001 4 0\n00002 3 5\n00003 3 1\n00004 3 1\n");
    EXPECT_EQ(run("rate --sort g.kdr s.kdr"), 0);
    EXPECT_EQ(folder.read("s.kdr"),
              "00001,3,000333333,c\r\n00002,3,010233333,d\r\n00003,3,112422222,b\r\n"
              "00004,4,0000000000000000,a\r\n");
    folder.write("g.kdr", folder.read("g.kdr") + "00015,3,12\r\n");
    EXPECT_TRUE(run("rate g.kdr") == 1 && said("line 5: ") && said("00004 3 1\n"));
    EXPECT_TRUE(run("rate --sort g.kdr t.kdr") == 1 &&
                !std::filesystem::exists(folder.file("t.kdr")));
}

// Bad lines are named and get no answer; a blank line is no position. Two top-row 1s could
// only give to each other: no solution.
TEST_F(ToolsTest, VerifyAndSolveNameEveryBadLine) {
    folder.write("mixed.kdr", Good + "00002,3,junk\r\n" + Good + "\r\n");
    EXPECT_EQ(run("verify mixed.kdr"), 1);
    EXPECT_TRUE(said("line 2: ") && said("line 4: ") && !said("line 1: ") &&
                said("2 of 4 lines are bad"))
        << out.str();
    EXPECT_TRUE(run("solve mixed.kdr 1") == 0 && solves_sample()) << out.str();
    EXPECT_EQ(run("solve", "2 1,1,2,2 -\n3 1,1,2,3,2,2,3,3,3 4,5,7,8,9\r\n\n2 1,1,2,2 -\n"), 2);
    EXPECT_EQ(out.str() + err.str(),
              "error\nnone\nerror\nline 1: the size is not 3 to 9\n"
              "line 4: the size is not 3 to 9\n");
    EXPECT_FALSE(said("line 2:"));
}

}  // namespace
}  // namespace kalder::testing
