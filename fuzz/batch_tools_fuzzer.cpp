#include <cstdint>
#include <string>
#include <string_view>

#include "core/files/batch_tools.h"
#include "core/files/collection_file.h"
#include "fuzz_check.h"
#include "temp_folder.h"

namespace {

// Every line out of a shuffle carries its own position as its five-digit number.
void check_numbered(const std::string& path) {
    kalder::for_each_collection_line(path, [](int n, std::string_view line) {
        std::string number = std::to_string(n);
        number.insert(0, 5 - number.size(), '0');
        FUZZ_CHECK(line.substr(0, 6) == number + ",");
        return true;
    });
}

}  // namespace

// The bytes as the collection the batch tools read: shuffled and renumbered, and as "r3.kdr"
// for the removal of repeated numbers, which shuffles what it keeps.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kalder::testing::TempFolder folder(kalder::testing::memory_folder());
    folder.write("r3.kdr", std::string(reinterpret_cast<const char*>(data), size));
    kalder::Random random(size);
    const kalder::BatchReport quiet{[](const std::string&) {}, [](const std::string&) {}};
    if (kalder::shuffle_collection(folder.file("r3.kdr"), folder.file("out.kdr"), random, quiet)) {
        check_numbered(folder.file("out.kdr"));
    }
    if (kalder::remove_repeated_numbers(folder.slash(), random, quiet)) {
        FUZZ_CHECK(kalder::CountLines(folder.file("r4.kdr")) <=
                   kalder::CountLines(folder.file("r3.kdr")));
        check_numbered(folder.file("r5.kdr"));
    }
    return 0;
}
