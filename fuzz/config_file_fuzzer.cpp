#include <cstdint>
#include <ctime>
#include <string>

#include "core/files/config_file.h"
#include "fuzz_check.h"
#include "temp_folder.h"

// The bytes as the configuration file: read, written back, and read again to the same
// collection and puzzle. The file keeps the scheme name unquoted, so only a name without a
// comma, a leading quote or a line break (a quoted one may span lines) can come back, and
// without the blanks at its ends.
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
    if (first.SchemeName.find_first_of(",\r\n") != std::string::npos ||
        first.SchemeName[0] == '"') {
        return 0;
    }
    const auto blanks_trimmed = [](std::string name) {
        name.erase(0, name.find_first_not_of(' '));
        return name.erase(name.find_last_not_of(' ') + 1);
    };
    FUZZ_CHECK(blanks_trimmed(second.SchemeName) == blanks_trimmed(first.SchemeName));
    FUZZ_CHECK(second.CollectionPath == first.CollectionPath);
    FUZZ_CHECK(second.PuzzleNumber == first.PuzzleNumber);
    return 0;
}
