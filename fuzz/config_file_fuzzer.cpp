#include <cstdint>
#include <ctime>
#include <string>

#include "core/files/config_file.h"
#include "fuzz_check.h"
#include "temp_folder.h"

// The bytes as the configuration file: read, written back, and read again to the same three
// settings, whatever scheme name the reader took from it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kalder::testing::TempFolder folder(kalder::testing::memory_folder());
    folder.write("kalder.cfg", std::string(reinterpret_cast<const char*>(data), size));
    const std::tm now{};
    const auto message = [](const std::string&, const std::string&) { return 1; };
    kalder::Config first;
    kalder::ReadcfgFile(folder.slash(), first, message, now);
    kalder::SavecfgFile(folder.slash(), first, message, now);
    kalder::Config second;
    kalder::ReadcfgFile(folder.slash(), second, message, now);
    FUZZ_CHECK(second.SchemeName == first.SchemeName);
    FUZZ_CHECK(second.CollectionPath == first.CollectionPath);
    FUZZ_CHECK(second.PuzzleNumber == first.PuzzleNumber);
    return 0;
}
