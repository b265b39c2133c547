#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "core/base/vb_number.h"
#include "core/game/adjacency.h"
#include "core/game/puzzle_line.h"
#include "core/scores/score_codec.h"

namespace kalder::testing {
namespace {

// The number a text begins with; mantissas longer than any double are read exactly, the
// exponent bringing them back, and what lies beyond the range reads as infinity or 0, never NaN.
TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
    const std::string ten_309 = "1" + std::string(309, '0');
    const std::pair<std::string, double> cases[] = {
        {"7", 7},
        {"  12 apples", 12},
        {"\t-3.5", -3.5},
        {"+8", 8},
        {"0.25x", 0.25},
        {".5", 0.5},
        {"", 0},
        {"seven", 0},
        {"- 4", 0},
        {"3e1", 30},
        {"2.5E-1", 0.25},
        {"6e+0", 6},
        {"4e", 4},
        {"4e-", 4},
        {"5 e1", 5},
        {"1e99999", HUGE_VAL},
        {"1e-99999", 0},
        {"0e99999", 0},
        {"P# 7 of 10", 0},
        {"5.", 5},
        {"-.", 0},
        {".725E2", 72.5},
        {"0.001e3", 1},
        {ten_309 + "e-999", 0},
        {ten_309 + "e-300", 1e9},
        {ten_309 + std::string(100, '0') + "e-10", HUGE_VAL},
        {"0." + std::string(400, '0') + "3e403", 300},
        {"-0." + std::string(400, '0') + "1e-9", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(leading_number(text), expected) << '"' << text << '"';
    EXPECT_EQ(round_half_even(leading_number(".725E2")), 72);
    EXPECT_EQ(round_half_even(leading_number("0.0000000000000000000000000725e27")), 72);
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbourAndStaysInRange) {
    const std::pair<double, int> cases[] = {
        {2.5, 2},        {3.5, 4},         {-2.5, -2},    {2.4999, 2},       {9.5, 10},
        {1e12, INT_MAX}, {-1e12, INT_MIN}, {HUGE_VAL, 0}, {std::nan(""), 0},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(round_half_even(value), expected) << value;
}

TEST(Adjacency, OnlyCellsSharingAnEdge) {
    const std::tuple<int, int, int, bool> cases[] = {
        {1, 2, 3, true},   {2, 1, 3, true},  {1, 4, 3, true},   {5, 8, 3, true},
        {3, 4, 3, false},  {4, 3, 3, false}, {1, 5, 3, false},  {1, 1, 3, false},
        {9, 10, 3, false}, {0, 1, 3, false}, {81, 72, 9, true}, {9, 10, 9, false},
    };
    for (const auto& [a, b, n, adjacent] : cases)
        EXPECT_EQ(are_adjacent(a, b, n), adjacent) << a << "-" << b << " n " << n;
}

// The game reads the size (as a number), the cells and the moves, and ignores the line number
// and anything after the moves; short cells are shown as far as they go.
TEST(PuzzleLine, TheGameReadsWhatABoardCanShow) {
    const std::tuple<std::string, int, const char*> cases[] = {
        // size 0: refused
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
    for (const auto& [line, size, cells] : cases) {
        const auto parsed = parse_puzzle_line(line);
        ASSERT_EQ(std::tuple(parsed.ok(), parsed.error.empty()), std::tuple(size != 0, size != 0))
            << line;
        if (parsed.ok()) {
            EXPECT_EQ(std::tuple(parsed.line->size, parsed.line->cells), std::tuple(size, cells));
        }
    }
    EXPECT_EQ(parse_puzzle_line(std::get<0>(cases[0])).line->moves, "020306010205040708");
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

// Each byte XORs with the key "QUILT" and is written as two hex digits, a small value padded
// with a blank; every byte round-trips in every key position.
TEST(ScoreCodec, EncodesWithTheKeyAndEveryByteRoundTrips) {
    const std::pair<const char*, const char*> known[] = {
        {"QUILTQ", " 0 0 0 0 0 0"}, {"0", "61"}, {"P", " 1"}};
    for (const auto& [plain, encoded] : known) EXPECT_EQ(EncodeScoreText(plain), encoded);
    for (int offset = 0; offset < 5; ++offset) {
        std::string plain(offset, 'a');
        for (int byte = 0; byte < 256; ++byte) plain += static_cast<char>(byte);
        const std::string encoded = EncodeScoreText(plain);
        ASSERT_EQ(encoded.size(), 2 * plain.size());
        EXPECT_EQ(DecodeScoreText(encoded), plain) << "offset " << offset;
        EXPECT_EQ(encoded.find_first_not_of("0123456789ABCDEF "), std::string::npos) << encoded;
    }
}

TEST(ScoreCodec, DecodingGarbageNeverFailsAndDatesAreDayMonthYear) {
    const std::string garbage[] = {
        "", "7", "G1 x", std::string(3, '\0'), "\xff\xfe\x80", std::string(10001, 'F')};
    for (const std::string& text : garbage)
        EXPECT_EQ(DecodeScoreText(text).size(), (text.size() + 1) / 2);
    EXPECT_EQ(DecodeScoreText("ZZ"), "Q") << "no hex digits read as 0";
    std::tm date{};
    date.tm_year = 126;
    for (const auto& [day, month, text] : {std::tuple{5, 11, "05Dec2026"}, {28, 1, "28Feb2026"}}) {
        date.tm_mday = day;
        date.tm_mon = month;
        EXPECT_EQ(format_score_date(date), text);
    }
}

}  // namespace
}  // namespace kalder::testing
