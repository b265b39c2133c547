#include <string_view>
#include <vector>

#include "core/app/form1.h"
#include "core/files/collection_file.h"
#include "core/files/puzzle_line.h"

namespace kalder {

namespace {

// Why each line of the file cannot be shown, "" for a line that can; one sweep through it.
std::vector<std::string> line_problems(const std::string& path) {
    std::vector<std::string> problems;
    for_each_collection_line(path, [&problems](int, std::string_view line) {
        problems.push_back(parse_puzzle_line(line).error);
        return true;
    });
    return problems;
}

// The lines a step passed over, named in one message however many there are.
std::string numbers_text(const std::vector<int>& numbers) {
    constexpr std::size_t Named = 10;
    std::string text;
    for (std::size_t i = 0; i < numbers.size() && i < Named; ++i) {
        text += (i == 0 ? "" : ", ") + std::to_string(numbers[i]);
    }
    if (numbers.size() > Named) text += " and " + std::to_string(numbers.size() - Named) + " more";
    return text;
}

}  // namespace

void Form1::report_damaged_line(const std::string& path, int n, const std::string& error) {
    MsgboxA("Puzzle " + std::to_string(n) + " of the file" + "\r\n" + path + "\r\n" +
                "cannot be shown: " + error,
            "vbcritical+vbok");
}

void Form1::forget_damage_reports(const std::string& path) {
    std::erase_if(reported_damaged_lines_,
                  [&path](const auto& line) { return line.first == path; });
}

bool Form1::show_stepping_over_damage(int n, int step) {
    std::string error;
    const LineShown shown = show_line_quietly(CollectionPath, n, error);
    if (shown != LineShown::Damaged) return shown == LineShown::Missing;
    const std::vector<std::string> problems = line_problems(CollectionPath);
    const int count = static_cast<int>(problems.size());
    std::vector<int> untold;
    int tried = 0;
    for (; tried < count && n >= 1 && n <= count && !problems[n - 1].empty(); ++tried) {
        if (reported_damaged_lines_.emplace(CollectionPath, n).second) untold.push_back(n);
        n += step;
        if (n < 1) n = count;
        if (n > count) n = 1;
    }
    if (untold.size() == 1) {
        report_damaged_line(CollectionPath, untold[0], problems[untold[0] - 1]);
    } else if (!untold.empty()) {
        MsgboxA("Puzzles " + numbers_text(untold) + " of the file\r\n" + CollectionPath +
                    "\r\ncannot be shown",
                "vbcritical+vbok");
    }
    if (tried == count) return true;
    return show_line_quietly(CollectionPath, n, error) != LineShown::Shown;
}

}  // namespace kalder
