#pragma once

#include <charconv>
#include <string>

namespace kalder::tools {

// Exit codes of every command.
constexpr int Failed = 1;
constexpr int UsageError = 2;

// The whole text must be the number: "12x", "-3" or "" are refused.
template <typename T>
bool read_number(const std::string& text, T& value) {
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end;
}

}  // namespace kalder::tools
