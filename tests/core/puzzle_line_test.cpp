#include <gtest/gtest.h>

#include "core/game/adjacency.h"
#include "core/game/puzzle_line.h"

namespace kalder {
namespace {

const std::string Sample = "00001,3,121222332,020306010205040708";

TEST(Adjacency, OnlyCellsSharingAnEdge) {
    struct Case {
        int a, b, n;
        bool adjacent;
    };
    const Case cases[] = {
        {1, 2, 3, true},   {2, 1, 3, true},  {1, 4, 3, true},   {5, 8, 3, true},
        {3, 4, 3, false},  {4, 3, 3, false}, {1, 5, 3, false},  {1, 1, 3, false},
        {9, 10, 3, false}, {0, 1, 3, false}, {81, 72, 9, true}, {9, 10, 9, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(are_adjacent(c.a, c.b, c.n), c.adjacent) << c.a << "-" << c.b << " n " << c.n;
    }
}

TEST(PuzzleLine, ParsesTheFieldsAndIgnoresTheNumber) {
    const auto parsed = parse_puzzle_line("00999,3,121222332,020306010205040708,extra");
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.line->size, 3);
    EXPECT_EQ(parsed.line->cells, "121222332");
    EXPECT_EQ(parsed.line->moves, "020306010205040708");
    EXPECT_EQ(format_puzzle_line(42, 3, "121222332,"), "00042,3,121222332,");
}

TEST(PuzzleLine, RefusesLinesNoBoardCanShow) {
    const std::string refused[] = {
        "",
        "00001",
        "00001,3,121222332",
        "00001,10,1,",
        "00001,2,1111,",
        "00001,,1,",
        "00001,3,1212223321,",
        std::string(7, '\0'),
    };
    for (const std::string& line : refused) {
        const auto parsed = parse_puzzle_line(line);
        EXPECT_FALSE(parsed.ok()) << line;
        EXPECT_FALSE(parsed.error.empty()) << line;
    }
    EXPECT_TRUE(parse_puzzle_line("00001,3,1212,").ok())
        << "short CELLS are shown as far as they go";
    EXPECT_TRUE(parse_puzzle_line("00001,3.4,121222332,").ok()) << "S is read as a number";
}

TEST(PuzzleLine, VerifyAcceptsTheSampleAndNamesEachFault) {
    EXPECT_EQ(verify_puzzle_line(Sample), "");
    const std::pair<std::string, std::string> faults[] = {
        {"0001,3,121222332,020306010205040708", "five-digit"},
        {"00001,3,121222332,020306010205040708,", "four fields"},
        {"00001,33,121222332,020306010205040708", "one digit"},
        {"00001,2,1212,01020304", "3 to 9"},
        {"00001,3,12122233,020306010205040708", "9 cell digits"},
        {"00001,3,12122233x,020306010205040708", "9 cell digits"},
        {"00001,3,121222332,0203060102050407", "9 two-digit moves"},
        {"00001,3,121222332,000306010205040708", "not on the board"},
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
