#include "core/files/kept_place.h"

#include <charconv>

#include "core/base/text_lines.h"
#include "core/base/whole_file.h"

namespace kalder {

namespace {

constexpr std::string_view Header = "Kalder kept place 1";

// The whole text must be a number from 1 to 99,999.
std::optional<int> read_count(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 1 || value > 99'999) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string format_kept_place(const KeptPlace& place) {
    std::string text = std::string(Header) + "\r\n" + place.collection_path + "\r\n" +
                       std::to_string(place.puzzle_number) + "\r\n" + place.puzzle_body + "\r\n";
    for (const auto& [giver, receiver] : place.moves) {
        text += std::to_string(giver) + " " + std::to_string(receiver) + "\r\n";
    }
    return text;
}

std::optional<KeptPlace> parse_kept_place(std::string_view text) {
    const std::vector<std::string_view> lines = split_lines(text);
    if (lines.size() < 4 || lines[0] != Header) return std::nullopt;
    KeptPlace place;
    place.collection_path = lines[1];
    const auto number = read_count(lines[2]);
    if (!number) return std::nullopt;
    place.puzzle_number = *number;
    place.puzzle_body = lines[3];
    for (std::size_t i = 4; i < lines.size(); ++i) {
        const auto blank = lines[i].find(' ');
        if (blank == std::string_view::npos) return std::nullopt;
        const auto giver = read_count(lines[i].substr(0, blank));
        const auto receiver = read_count(lines[i].substr(blank + 1));
        if (!giver || !receiver) return std::nullopt;
        place.moves.emplace_back(*giver, *receiver);
    }
    return place;
}

std::optional<KeptPlace> read_kept_place(const std::string& path) {
    const auto text = read_whole_file(path);
    if (!text) return std::nullopt;
    return parse_kept_place(*text);
}

}  // namespace kalder
