#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_check.h"
#include "temp_folder.h"
#include "tools/collection_tools.h"

// The bytes as the collection that "kalder-tools verify" checks.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kalder::testing::TempFolder folder(kalder::testing::memory_folder());
    folder.write("input.kdr", std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out, err;
    const int status =
        kalder::tools::run_collection_tool({"verify", folder.file("input.kdr")}, out, err);
    FUZZ_CHECK(status == 0 || status == 1);
    return 0;
}
