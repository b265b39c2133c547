#include <cmath>
#include <cstdint>
#include <string_view>

#include "core/base/vb_number.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = kalder::leading_number(text);
    FUZZ_CHECK(!std::isnan(value));
    const int rounded = kalder::round_half_even(value);
    FUZZ_CHECK(!std::isfinite(value) || std::fabs(value - rounded) <= 0.5 ||
               std::fabs(value) > 2147483647.0);
    return 0;
}
