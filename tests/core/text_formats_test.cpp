#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "core/base/vb_number.h"
#include "core/files/puzzle_line.h"
#include "core/files/score_codec.h"

namespace kalder::testing {
namespace {

// The number a text begins with; mantissas longer than any double are read exactly, the
// exponent bringing them back, and what lies beyond the range reads as infinity or 0, never NaN.
// Rounding takes halves to the even neighbour and stays in range.
TEST(VbNumber, ReadsTheLeadingNumberAndRoundsHalvesToEven) {
    const std::string ten_309 = "1" + std::string(309, '0'), zeros(400, '0');
    std::vector<std::pair<std::string, double>> cases = {
        {"  12 apples", 12}, {"\t-3.5", -3.5}, {".5", 0.5}, {"", 0},         {"seven", 0},
        {"- 4", 0},          {"2.5E-1", 0.25}, {"4e-", 4},  {"5 e1", 5},     {"1e99999", HUGE_VAL},
        {"1e-99999", 0},     {"0e99999", 0},   {"-.", 0},   {".725E2", 72.5}};
    cases.insert(cases.end(), {{ten_309 + "e-300", 1e9},
                               {"0." + zeros + "3e403", 300},
                               {ten_309 + zeros + "e-10", HUGE_VAL}});
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(leading_number(text), expected) << '"' << text << '"';
    EXPECT_EQ(round_half_even(leading_number("0.0000000000000000000000000725e27")), 72);
    const std::pair<double, int> rounded[] = {
        {2.5, 2},        {3.5, 4},         {-2.5, -2},    {2.4999, 2},       {9.5, 10},
        {1e12, INT_MAX}, {-1e12, INT_MIN}, {HUGE_VAL, 0}, {std::nan(""), 0}, {72.5, 72}};
    for (const auto& [value, expected] : rounded)
        EXPECT_EQ(round_half_even(value), expected) << value;
    EXPECT_EQ(signed_text(0) + signed_text(-7) + signed_text(7), " 0-7 7");
    EXPECT_EQ(signed_text(LLONG_MIN), "-9223372036854775808");
}

// The game reads the size as a number and ignores anything after the moves (the line number,
// short cells and a two-digit size are tested with the board); a line without its fields is
// refused.
TEST(PuzzleLine, TheGameReadsWhatABoardCanShow) {
    const auto parsed = parse_puzzle_line("00001,3.4,121222332,0203,extra");
    const PuzzleLine got = parsed.line.value_or(PuzzleLine{});
    EXPECT_EQ(std::tuple(got.size, got.cells, got.moves, parsed.error),
              std::tuple(3, "121222332", "0203", ""));
    for (const char* line :
         {"", "00001", "00001,3,121222332", "00001,,1,", "00001,2,1111,", "00001,3,1212223321,"}) {
        const auto refused = parse_puzzle_line(line);
        EXPECT_EQ(std::tuple(refused.ok(), refused.error.empty()), std::tuple(false, false))
            << line;
    }
    EXPECT_EQ(parse_puzzle_line("00001,").error, "the line has fewer than four fields");
}

TEST(PuzzleLine, VerifyAcceptsTheSampleAndNamesEachFault) {
    const std::string sample = "00001,3,121222332,020306010205040708";
    EXPECT_EQ(verify_puzzle_line(sample), "");
    // Each fault as an edit of the sample: at, length replaced, new text.
    const std::tuple<int, int, const char*, const char*> faults[] = {
        {0, 5, "0001", "five-digit"},      {36, 0, ",", "four fields"},
        {6, 1, "33", "one digit"},         {6, 99, "2,1212,01020304", "3 to 9"},
        {16, 1, "x", "9 cell digits"},     {35, 1, "x", "9 two-digit moves"},
        {18, 2, "00", "not on the board"}, {18, 2, "10", "not on the board"},
        {22, 2, "04", "not a neighbour"},  {8, 9, "221222331", "do not reach"}};
    for (const auto& [at, length, text, reason] : faults) {
        const std::string line = std::string(sample).replace(at, length, text);
        EXPECT_NE(verify_puzzle_line(line).find(reason), std::string::npos)
            << line << " gave: " << verify_puzzle_line(line);
    }
    // Two top-row 1s that give only to each other would wait for each other for ever.
    EXPECT_EQ(verify_puzzle_line("00001,3,111222342,020106070803040508"),
              "no order of the moves can be played");
}

// Each byte XORs with the key "QUILT" and is written as two hex digits, a small value padded
// with a blank (the round trip is checked on the fuzz corpus); garbage decodes without failing
// (no hex digits read as 0).
TEST(ScoreCodec, EncodesWithTheKeyAndReadsGarbage) {
    EXPECT_EQ(EncodeScoreText("QUILT0UILTP"), " 0 0 0 0 061 0 0 0 0 1");
    const std::string garbage[] = {"", "7", "G1 x", "\xff\xfe\x80", std::string(10001, 'F')};
    for (const std::string& text : garbage)
        EXPECT_EQ(DecodeScoreText(text).size(), (text.size() + 1) / 2);
    EXPECT_EQ(DecodeScoreText("ZZ"), "Q");
}

}  // namespace
}  // namespace kalder::testing
