#pragma once

#include <string>

namespace kalder {

struct Font {
    std::string name = "Arial";
    double size = 8.25;  // points
    bool bold = false;
    bool italic = false;

    bool operator==(const Font&) const = default;
};

// Printed size of a text in twips: width of its longest line, height of all its lines.
struct TextExtent {
    int width = 0;
    int height = 0;
};

}  // namespace kalder
