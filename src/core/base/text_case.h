#pragma once

#include <cctype>
#include <string>

namespace kalder {

// The text with ASCII letters in lower case, for comparing names and tokens whatever their case.
inline std::string lower_case(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace kalder
