#include <cstdint>
#include <sstream>
#include <string>

#include "core/files/collection_file.h"
#include "core/files/puzzle_grades.h"
#include "core/rules/grade.h"
#include "fuzz_check.h"
#include "temp_folder.h"
#include "tools/collection_tools.h"

// The bytes as the collection that "kalder-tools verify" checks and "rate" grades: every line is
// either graded within the scale or named as a problem, never both and never neither.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kalder::testing::TempFolder folder(kalder::testing::memory_folder());
    const std::string input = folder.file("input.kdr");
    folder.write("input.kdr", std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out, err;
    const int status = kalder::tools::run_collection_tool({"verify", input}, out, err);
    FUZZ_CHECK(status == 0 || status == 1);
    const auto graded = kalder::grade_collection(input);
    FUZZ_CHECK(graded.has_value());
    for (const kalder::GradedPuzzle& puzzle : graded->puzzles) {
        FUZZ_CHECK(puzzle.grade >= 0 && puzzle.grade <= kalder::HardestGrade);
    }
    FUZZ_CHECK(graded->puzzles.size() + graded->problems.size() ==
               static_cast<std::size_t>(kalder::CountLines(input)));
    return 0;
}
