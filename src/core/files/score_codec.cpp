#include "core/files/score_codec.h"

#include <cctype>
#include <cstdio>

namespace kalder {

namespace {

constexpr std::string_view Key = "QUILT";

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper >= 'A' && upper <= 'F') return upper - 'A' + 10;
    return -1;
}

// The number a pair of characters spells once trimmed; a character that is no hex digit ends
// it, and no digits give 0.
int read_pair(std::string_view pair) {
    while (!pair.empty() && pair.front() == ' ') pair.remove_prefix(1);
    int value = 0;
    for (const char c : pair) {
        const int digit = hex_digit(c);
        if (digit < 0) break;
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace

std::string EncodeScoreText(std::string_view plain) {
    std::string encoded;
    encoded.reserve(plain.size() * 2);
    std::size_t p = 0;
    for (const char c : plain) {
        const unsigned x = static_cast<unsigned char>(c) ^ static_cast<unsigned char>(Key[p]);
        p = (p + 1) % Key.size();
        char pair[4];
        std::snprintf(pair, sizeof pair, "%2X", x);
        encoded += pair;
    }
    return encoded;
}

std::string DecodeScoreText(std::string_view encoded) {
    std::string plain;
    std::size_t p = 0;
    for (std::size_t i = 0; i < encoded.size(); i += 2) {
        const int b = read_pair(encoded.substr(i, 2));
        plain += static_cast<char>((b ^ static_cast<unsigned char>(Key[p])) & 0xFF);
        p = (p + 1) % Key.size();
    }
    return plain;
}

std::string format_score_date(const std::tm& date) {
    static const char* const Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[16];
    std::snprintf(text, sizeof text, "%02d%s%04d", date.tm_mday,
                  Months[static_cast<unsigned>(date.tm_mon) % 12], date.tm_year + 1900);
    return text;
}

}  // namespace kalder
