#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_check.h"
#include "tools/solve_tool.h"

// The bytes as the positions that "kalder-tools solve" reads from its input.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out, err;
    const int status = kalder::tools::solve_command({}, kalder::tools::Streams{out, err, in});
    // Only input with a bad line is refused, and always with the line named.
    FUZZ_CHECK(status == 0 || (status == 2 && !err.str().empty()));
    return 0;
}
