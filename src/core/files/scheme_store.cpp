#include "core/files/scheme_store.h"

#include <algorithm>

#include "core/base/text_lines.h"
#include "core/base/vb_number.h"
#include "core/base/whole_file.h"

namespace kalder {

namespace {

constexpr int MaxColourNumber = 32767;

std::vector<std::string> split_fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const auto end = line.find(';', start);
        fields.push_back(line.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) return fields;
        start = end + 1;
    }
}

}  // namespace

std::optional<std::vector<std::string>> read_scheme_store(const std::string& path) {
    const auto text = read_whole_file(path);
    if (!text) return std::nullopt;
    std::vector<std::string> lines;
    for (const std::string_view line : split_lines(*text)) lines.emplace_back(line);
    return lines;
}

std::string store_text(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

std::vector<std::string> list_schemes(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    for (const auto& line : lines) {
        const auto at = line.find(".col");
        if (at != std::string::npos) names.push_back(line.substr(0, at));
    }
    return names;
}

std::optional<std::size_t> find_header(const std::vector<std::string>& lines,
                                       const std::string& header) {
    const auto found = std::find(lines.begin(), lines.end(), header);
    if (found == lines.end()) return std::nullopt;
    return static_cast<std::size_t>(found - lines.begin());
}

std::optional<std::array<int, 3>> read_colour_fields(const std::string& line) {
    const auto fields = split_fields(line);
    if (fields.size() < 3) return std::nullopt;
    std::array<int, 3> channels{};
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const double value = leading_number(fields[i]);
        if (value < 0 || value > MaxColourNumber + 0.5) return std::nullopt;
        channels[i] = round_half_even(value);
        if (channels[i] > MaxColourNumber) return std::nullopt;
    }
    return channels;
}

Colour compose_colour(const std::array<int, 3>& channels) {
    return RGB(std::min(channels[0], 255), std::min(channels[1], 255), std::min(channels[2], 255));
}

std::vector<std::string> scheme_block(const std::string& header, const SchemeTable& table) {
    std::vector<std::string> block{header};
    for (int slot = 0; slot < SchemeColourLines; ++slot) {
        const Colour c = table[slot];
        block.push_back(signed_text(red_of(c)) + ";" + signed_text(green_of(c)) + ";" +
                        signed_text(blue_of(c)));
    }
    return block;
}

std::optional<std::vector<std::string>> rewrite_blocks(const std::vector<std::string>& lines,
                                                       const std::string& header,
                                                       const std::vector<std::string>& block) {
    std::vector<std::string> result;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != header) {
            result.push_back(lines[i]);
            continue;
        }
        if (lines.size() - i < SchemeBlockLines) return std::nullopt;
        result.insert(result.end(), block.begin(), block.end());
        i += SchemeColourLines;
    }
    return result;
}

}  // namespace kalder
