#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalder {

// The file that keeps a half-played puzzle between sessions, beside the configuration.
inline constexpr const char* KeptPlaceFile = "kalder.kpl";

// A half-played puzzle: which line of which collection, what it held, and the moves made
// on it so far, oldest first, as (giver, receiver) cell numbers.
struct KeptPlace {
    std::string collection_path;
    int puzzle_number = 0;
    std::string puzzle_body;
    std::vector<std::pair<int, int>> moves;

    bool operator==(const KeptPlace&) const = default;
};

std::string format_kept_place(const KeptPlace& place);
// Nothing for a file that is not a kept place or is damaged anywhere: it is never half read.
std::optional<KeptPlace> parse_kept_place(std::string_view text);
// Nothing when the file is missing, unreadable or not a kept place.
std::optional<KeptPlace> read_kept_place(const std::string& path);

}  // namespace kalder
