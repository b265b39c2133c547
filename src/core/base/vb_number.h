#pragma once

#include <string>
#include <string_view>

namespace kalder {

// Reads the number a text begins with, the way the program's files and boxes have always
// been read: leading blanks skipped, an optional sign, digits, a fraction and a power of ten
// ("3e1"); the rest is ignored and a text without a leading number reads as 0.
double leading_number(std::string_view text);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4); clamped to int.
int round_half_even(double value);

// A number printed as in the program's files and messages: a blank (or "-") in the sign
// position, the digits, e.g. " 17".
std::string signed_text(long long value);

}  // namespace kalder
