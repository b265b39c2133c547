#include "core/base/vb_number.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

namespace kalder {

namespace {

bool is_digit(std::string_view text, std::size_t i) {
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
}

// Reads a plain decimal number that is known to be well formed; false when it is out of range.
// A library without from_chars for double (libc++ in the browser build) reads it with strtod,
// which the game's C locale makes independent of the player's language.
bool parse_decimal(std::string_view number, double& value) {
#if __cpp_lib_to_chars >= 201611L
    return std::from_chars(number.data(), number.data() + number.size(), value).ec !=
           std::errc::result_out_of_range;
#else
    const std::string text(number);
    errno = 0;
    value = std::strtod(text.c_str(), nullptr);
    return errno != ERANGE;
#endif
}

std::size_t skip_digits(std::string_view text, std::size_t i) {
    while (is_digit(text, i)) ++i;
    return i;
}

// The power of ten written at `i` ("e5", "E-2") and where it ends; none when no digits follow
// the letter, so "4e" reads as 4.
struct Exponent {
    long long power = 0;
    std::size_t end = 0;
};

Exponent exponent(std::string_view text, std::size_t i) {
    if (i >= text.size() || (text[i] != 'e' && text[i] != 'E')) return {0, i};
    std::size_t at = i + 1;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    if (!is_digit(text, at)) return {0, i};
    long long power = 0;
    for (; is_digit(text, at); ++at) {
        power = std::min(power * 10 + (text[at] - '0'), 1'000'000'000LL);  // far past any double
    }
    return {negative ? -power : power, at};
}

// Power of ten of the first significant digit of a mantissa ("120" 2, "0.05" -2); 0 for zero.
long long leading_power(std::string_view mantissa) {
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos) return 0;
    return first < point ? static_cast<long long>(point - first) - 1
                         : -static_cast<long long>(first - point);
}

}  // namespace

// The digits are handed whole to a correctly rounding reader, so a long mantissa never
// overflows on the way and ".725E2" is exactly 72.5, a half that then rounds to even.
double leading_number(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    i = skip_digits(text, i);
    if (i < text.size() && text[i] == '.') i = skip_digits(text, i + 1);
    const std::string_view mantissa = text.substr(start, i - start);
    if (mantissa.find_first_of("0123456789") == std::string_view::npos) return 0;
    const Exponent power = exponent(text, i);
    double value = 0;
    if (!parse_decimal(text.substr(start, power.end - start), value)) {
        value = leading_power(mantissa) + power.power > 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

int round_half_even(double value) {
    if (!std::isfinite(value)) return 0;
    const double rounded = std::nearbyint(value);  // default rounding mode: halves to even
    return static_cast<int>(std::clamp<double>(rounded, INT_MIN, INT_MAX));
}

std::string signed_text(long long value) {
    // Negated as unsigned: the smallest value has no positive twin. The sign is appended to,
    // not inserted before, the digits: GCC 12 warns falsely at -O3 on an insert at the front.
    const auto magnitude = static_cast<unsigned long long>(value);
    std::string text(1, value < 0 ? '-' : ' ');
    text += std::to_string(value < 0 ? 0 - magnitude : magnitude);
    return text;
}

}  // namespace kalder
