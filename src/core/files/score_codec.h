#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace kalder {

// The score line is kept as hex text of its bytes XORed with the key "QUILT": two characters
// a byte, upper-case digits, a value below 16 written as a blank and one digit.
std::string EncodeScoreText(std::string_view plain);
// Reads any text without failing: pairs that are not hex read as 0.
std::string DecodeScoreText(std::string_view encoded);

// "DDMMMYYYY", e.g. 05Dec2026.
std::string format_score_date(const std::tm& date);

}  // namespace kalder
