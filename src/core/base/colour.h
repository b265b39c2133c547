#pragma once

#include <cstdint>

namespace kalder {

// A colour as the program's files store it: red + 256 * green + 65536 * blue. Values with the
// top bit set name a system colour (0x80000000 + index) that only the platform can translate.
using Colour = std::uint32_t;

constexpr Colour RGB(int red, int green, int blue) {
    return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8) |
           (static_cast<Colour>(blue & 0xFF) << 16);
}

constexpr int red_of(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int green_of(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blue_of(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr bool is_system_colour(Colour c) {
    return (c & 0x80000000u) != 0;
}

// The system colour references the program uses.
constexpr Colour SystemWindow = 0x80000005u;
constexpr Colour SystemButtonFace = 0x8000000Fu;
constexpr Colour SystemButtonText = 0x80000012u;

// The text colour of open cells and the background of locked ones.
constexpr Colour LockedBack = RGB(28, 28, 28);
// The text colour of locked cells.
constexpr Colour LockedFore = RGB(250, 250, 250);

}  // namespace kalder
