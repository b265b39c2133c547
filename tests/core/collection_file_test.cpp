#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <optional>

#include "core/game/collection_file.h"
#include "temp_folder.h"

namespace kalder::testing {
namespace {

TEST(CollectionFile, CountsLinesWhateverTheirEnds) {
    TempFolder folder;
    const std::pair<std::string, int> cases[] = {
        {"", 0},         {"a\r\n", 1},  {"a\n", 1},      {"a", 1},
        {"a\r\nb", 2},   {"a\nb\n", 2}, {"\r\n\r\n", 2}, {std::string(5, '\0'), 1},
        {"a\rb\r\n", 2},  // a lone CR ends a line too
    };
    for (const auto& [content, lines] : cases) {
        folder.write("f.kdr", content);
        EXPECT_EQ(CountLines(folder.file("f.kdr")), lines) << content;
    }
    EXPECT_EQ(CountLines(folder.file("missing.kdr")), 0);
    EXPECT_EQ(CountLines(folder.path().string()), 0) << "a folder is no collection";
}

TEST(CollectionFile, ReadsLineNWithEitherLineEnd) {
    TempFolder folder;
    for (const std::string& content :
         {std::string("one\r\ntwo\r\nthree\r\n"), std::string("one\ntwo\nthree"),
          std::string("one\ntwo\r\nthree\n")}) {
        folder.write("f.kdr", content);
        EXPECT_EQ(read_collection_line(folder.file("f.kdr"), 1), "one");
        EXPECT_EQ(read_collection_line(folder.file("f.kdr"), 2), "two");
        EXPECT_EQ(read_collection_line(folder.file("f.kdr"), 3), "three");
        EXPECT_EQ(read_collection_line(folder.file("f.kdr"), 4), std::nullopt);
        EXPECT_EQ(read_collection_line(folder.file("f.kdr"), 0), std::nullopt);
        EXPECT_EQ(read_collection_line(folder.file("f.kdr"), -5), std::nullopt);
        // The same line with the count of the whole file, whichever line is asked for.
        for (const auto& [n, text] : {std::pair{1, "one"}, {2, "two"}, {3, "three"}}) {
            const auto counted = read_collection_line_and_count(folder.file("f.kdr"), n);
            ASSERT_TRUE(counted.has_value()) << n;
            EXPECT_EQ(counted->text, text);
            EXPECT_EQ(counted->line_count, 3) << n;
        }
        EXPECT_EQ(read_collection_line_and_count(folder.file("f.kdr"), 4), std::nullopt);
    }
    EXPECT_EQ(read_collection_line(folder.file("missing.kdr"), 1), std::nullopt);
    EXPECT_EQ(read_collection_line_and_count(folder.file("missing.kdr"), 1), std::nullopt);
}

TEST(CollectionFile, LinesAcrossBlocksAndHugeLinesAreSafe) {
    TempFolder folder;
    const std::string huge(3 << 20, '7');
    folder.write("f.kdr", huge + "\r\nafter\r\n");
    const auto first = read_collection_line(folder.file("f.kdr"), 1);
    ASSERT_TRUE(first.has_value());
    EXPECT_LT(first->size(), huge.size()) << "a line of megabytes is cut short";
    EXPECT_EQ(read_collection_line(folder.file("f.kdr"), 2), "after");
    EXPECT_EQ(CountLines(folder.file("f.kdr")), 2);
}

TEST(CollectionFile, ExistsOnlyWithContent) {
    TempFolder folder;
    folder.write("empty.kdr", "");
    folder.write("full.kdr", "x");
    EXPECT_FALSE(FileExists(folder.file("empty.kdr")));
    EXPECT_FALSE(FileExists(folder.file("missing.kdr")));
    EXPECT_TRUE(FileExists(folder.file("full.kdr")));
}

TEST(CollectionFile, AppendNumbersTheLineAfterThoseThereOnALineOfItsOwn) {
    TempFolder folder;
    std::string forty_one;
    for (int i = 0; i < 41; ++i) forty_one += "x\r\n";
    const struct {
        std::optional<std::string> before;
        std::string after;
    } cases[] = {
        {std::nullopt, "00001,3,body\r\n"},
        {"00001,3,111,\r\n00002,3,222,", "00001,3,111,\r\n00002,3,222,\r\n00003,3,body\r\n"},
        {forty_one, forty_one + "00042,3,body\r\n"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(folder.path() / "f.kdr");
        if (c.before) folder.write("f.kdr", *c.before);
        ASSERT_TRUE(AppendPuzzle(folder.file("f.kdr"), 3, "body"));
        EXPECT_EQ(folder.read("f.kdr"), c.after);
    }
    EXPECT_FALSE(AppendPuzzle(folder.file("no/such/folder.kdr"), 3, "x,"));
}

// A disk with room for part of the line: the part is taken back, so no cut line stays to be
// numbered after or shown as a puzzle.
TEST(CollectionFile, AnAppendThatDoesNotFitLeavesTheFileAsItWas) {
    TempFolder folder;
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

TEST(CollectionFile, WalksEveryLineInOrder) {
    TempFolder folder;
    folder.write("f.kdr", "one\r\ntwo\rthree\nfour");
    std::vector<std::pair<int, std::string>> seen;
    ASSERT_TRUE(for_each_collection_line(folder.file("f.kdr"), [&](int n, std::string_view line) {
        seen.emplace_back(n, std::string(line));
        return n < 3;
    }));
    EXPECT_EQ(seen,
              (std::vector<std::pair<int, std::string>>{{1, "one"}, {2, "two"}, {3, "three"}}));
    EXPECT_FALSE(for_each_collection_line(folder.file("missing.kdr"),
                                          [](int, std::string_view) { return true; }));
}

}  // namespace
}  // namespace kalder::testing
