#include <gtest/gtest.h>

#include "core/game/adjacency.h"
#include "core/game/puzzle_line.h"

namespace kalder {
namespace {

TEST(Adjacency, OnlyCellsSharingAnEdge) {
    const struct {
        int a, b, n;
        bool adjacent;
    } cases[] = {
        {1, 2, 3, true},   {2, 1, 3, true},  {1, 4, 3, true},   {5, 8, 3, true},
        {3, 4, 3, false},  {4, 3, 3, false}, {1, 5, 3, false},  {1, 1, 3, false},
        {9, 10, 3, false}, {0, 1, 3, false}, {81, 72, 9, true}, {9, 10, 9, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(are_adjacent(c.a, c.b, c.n), c.adjacent) << c.a << "-" << c.b << " n " << c.n;
    }
}

// The game reads the size (as a number), the cells and the moves, and ignores the line number
// and anything after the moves; short cells are shown as far as they go.
TEST(PuzzleLine, TheGameReadsWhatABoardCanShow) {
    const struct {
        std::string line;
        int size;  // 0: refused
        const char* cells;
    } cases[] = {
        {"00999,3,121222332,020306010205040708,extra", 3, "121222332"},
        {"00001,3,1212,", 3, "1212"},
        {"00001,3.4,121222332,", 3, "121222332"},
        {"", 0, ""},
        {"00001", 0, ""},
        {"00001,3,121222332", 0, ""},
        {"00001,10,1,", 0, ""},
        {"00001,2,1111,", 0, ""},
        {"00001,,1,", 0, ""},
        {"00001,3,1212223321,", 0, ""},
        {std::string(7, '\0'), 0, ""},
    };
    for (const auto& c : cases) {
        const auto parsed = parse_puzzle_line(c.line);
        ASSERT_EQ(parsed.ok(), c.size != 0) << c.line;
        EXPECT_EQ(parsed.error.empty(), c.size != 0) << c.line;
        if (!parsed.ok()) continue;
        EXPECT_EQ(std::tuple(parsed.line->size, parsed.line->cells), std::tuple(c.size, c.cells));
    }
    EXPECT_EQ(parse_puzzle_line(cases[0].line).line->moves, "020306010205040708");
    EXPECT_EQ(format_puzzle_line(42, 3, "121222332,"), "00042,3,121222332,");
}

TEST(PuzzleLine, VerifyAcceptsTheSampleAndNamesEachFault) {
    EXPECT_EQ(verify_puzzle_line("00001,3,121222332,020306010205040708"), "");
    const std::pair<std::string, std::string> faults[] = {
        {"0001,3,121222332,020306010205040708", "five-digit"},
        {"0000x,3,121222332,020306010205040708", "five-digit"},
        {"00001;3,121222332,020306010205040708", "five-digit"},
        {"00001,3,121222332,020306010205040708,", "four fields"},
        {"00001,33,121222332,020306010205040708", "one digit"},
        {"00001,x,121222332,020306010205040708", "one digit"},
        {"00001,2,1212,01020304", "3 to 9"},
        {"00001,3,12122233,020306010205040708", "9 cell digits"},
        {"00001,3,12122233x,020306010205040708", "9 cell digits"},
        {"00001,3,121222332,0203060102050407", "9 two-digit moves"},
        {"00001,3,121222332,02030601020504070x", "9 two-digit moves"},
        {"00001,3,121222332,000306010205040708", "not on the board"},
        {"00001,3,121222332,100306010205040708", "not on the board"},
        {"00001,3,121222332,020304010205040708", "not a neighbour"},
        {"00001,3,121222332,020306010205040709", "not a neighbour"},
        {"00001,3,221222331,020306010205040708", "do not reach"},
    };
    for (const auto& [line, reason] : faults) {
        EXPECT_NE(verify_puzzle_line(line).find(reason), std::string::npos)
            << line << " gave: " << verify_puzzle_line(line);
    }
}

}  // namespace
}  // namespace kalder
