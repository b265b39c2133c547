#include <gtest/gtest.h>

#include "core/scores/score_codec.h"

namespace kalder {
namespace {

TEST(ScoreCodec, EveryByteRoundTripsInEveryKeyPosition) {
    for (int offset = 0; offset < 5; ++offset) {
        std::string plain(offset, 'a');
        for (int byte = 0; byte < 256; ++byte) plain += static_cast<char>(byte);
        const std::string encoded = EncodeScoreText(plain);
        ASSERT_EQ(encoded.size(), 2 * plain.size());
        EXPECT_EQ(DecodeScoreText(encoded), plain) << "offset " << offset;
        for (const char c : encoded) {
            EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || c == ' ') << c;
        }
    }
}

TEST(ScoreCodec, XorsWithTheKeyAndPadsSmallValuesWithABlank) {
    // "Q" ^ "Q" = 0, "U" ^ "U" = 0 ... the key itself encodes to blanks and zeros.
    EXPECT_EQ(EncodeScoreText("QUILT"), " 0 0 0 0 0");
    EXPECT_EQ(EncodeScoreText("QUILTQ"), " 0 0 0 0 0 0");
    // '0' (0x30) ^ 'Q' (0x51) = 0x61.
    EXPECT_EQ(EncodeScoreText("0"), "61");
    EXPECT_EQ(EncodeScoreText("P"), " 1");
}

TEST(ScoreCodec, DecodingGarbageNeverFails) {
    const std::string garbage[] = {
        "", "7", "ZZ", "G1 x", std::string(3, '\0'), "\xff\xfe\x80", std::string(10001, 'F')};
    for (const std::string& text : garbage) {
        const std::string plain = DecodeScoreText(text);
        EXPECT_EQ(plain.size(), (text.size() + 1) / 2);
    }
    EXPECT_EQ(DecodeScoreText("ZZ"), std::string(1, 'Q')) << "no hex digits read as 0";
}

TEST(ScoreCodec, DatesAreDayMonthYear) {
    std::tm date{};
    date.tm_mday = 5;
    date.tm_mon = 11;
    date.tm_year = 126;
    EXPECT_EQ(format_score_date(date), "05Dec2026");
    date.tm_mday = 28;
    date.tm_mon = 1;
    EXPECT_EQ(format_score_date(date), "28Feb2026");
}

}  // namespace
}  // namespace kalder
