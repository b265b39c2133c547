#include <cstdint>
#include <string_view>

#include "core/files/puzzle_line.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const kalder::PuzzleLineParse parsed = kalder::parse_puzzle_line(line);
    if (parsed.ok()) {
        const int n = parsed.line->size;
        FUZZ_CHECK(n >= 3 && n <= 9);
        FUZZ_CHECK(parsed.line->cells.size() <= static_cast<std::size_t>(n * n));
    }
    // A line that verifies is one the board can show.
    FUZZ_CHECK(!kalder::verify_puzzle_line(line).empty() || parsed.ok());
    return 0;
}
