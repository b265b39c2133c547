#include "core/base/vb_number.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>

namespace kalder {

namespace {

// The power of ten written at `i` ("e5", "E-2"); 0 when no digits follow the letter.
int exponent(std::string_view text, std::size_t i) {
    if (i >= text.size() || (text[i] != 'e' && text[i] != 'E')) return 0;
    ++i;
    int sign = 1;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) sign = text[i++] == '-' ? -1 : 1;
    int power = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        power = std::min(power * 10 + (text[i] - '0'), 9999);  // far past any double
    }
    return sign * power;
}

}  // namespace

double leading_number(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    double value = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        value = value * 10 + (text[i] - '0');
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
            value += (text[i] - '0') * scale;
            scale /= 10;
        }
    }
    if (value != 0) value *= std::pow(10.0, exponent(text, i));  // never 0 x infinity
    return negative ? -value : value;
}

int round_half_even(double value) {
    if (!std::isfinite(value)) return 0;
    const double rounded = std::nearbyint(value);  // default rounding mode: halves to even
    if (rounded >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (rounded <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(rounded);
}

std::string signed_text(long long value) {
    return (value < 0 ? "-" : " ") + std::to_string(value < 0 ? -value : value);
}

}  // namespace kalder
