#pragma once

#include <string_view>
#include <vector>

namespace kalder {

// The text's lines, split at CR LF or LF with the line end left out; a last line without its
// end still counts, and an empty text has no lines.
std::vector<std::string_view> split_lines(std::string_view text);

}  // namespace kalder
