#include "web/bridge/page_event.h"

#include <charconv>

namespace kalder::web {

namespace {

constexpr int FieldsBeforeText = 6;

bool parse_int(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

}  // namespace

std::optional<PageEvent> parse_page_event(std::string_view line) {
    std::string_view fields[FieldsBeforeText];
    for (auto& field : fields) {
        const auto tab = line.find('\t');
        if (tab == std::string_view::npos) return std::nullopt;
        field = line.substr(0, tab);
        line.remove_prefix(tab + 1);
    }
    PageEvent event{std::string(fields[0]), std::string(fields[1]), std::string(fields[2]), 0, 0, 0,
                    std::string(line)};
    if (event.window.empty() || !parse_int(fields[3], event.index) ||
        !parse_int(fields[4], event.button) || !parse_int(fields[5], event.shift)) {
        return std::nullopt;
    }
    return event;
}

bool read_numbers(std::string_view text, std::span<int> numbers) {
    const char* at = text.data();
    const char* const end = at + text.size();
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        if (k > 0 && (at == end || *at++ != ' ')) return false;
        const auto [next, error] = std::from_chars(at, end, numbers[k]);
        if (error != std::errc{}) return false;
        at = next;
    }
    return at == end;
}

bool read_size(std::string_view text, int& width, int& height) {
    int size[2];
    if (!read_numbers(text, size) || size[0] <= 0 || size[1] <= 0) return false;
    width = size[0];
    height = size[1];
    return true;
}

}  // namespace kalder::web
