#include "core/files/colour_scheme.h"

#include <algorithm>
#include <cmath>

#include "core/base/text_case.h"
#include "core/base/vb_number.h"

namespace kalder {

namespace {

constexpr double ReadableContrast = 4.5;

std::array<int, 3> shifted(const std::array<int, 3>& channels, int by) {
    return {channels[0] + by, channels[1] + by, channels[2] + by};
}

// Slot 3 of a loaded scheme: a sum above 256 becomes 254 (255 and 256 compose as 255).
Colour lightened(const std::array<int, 3>& slot2) {
    auto channels = shifted(slot2, 32);
    for (int& c : channels) {
        if (c > 256) c = 254;
    }
    return compose_colour(channels);
}

// Slot 5 of a loaded scheme: a result below 1 becomes 8.
Colour darkened(const std::array<int, 3>& slot4) {
    auto channels = shifted(slot4, -32);
    for (int& c : channels) {
        if (c < 1) c = 8;
    }
    return compose_colour(channels);
}

Colour shade(Colour base, float k, int multiplier) {
    const int d = round_half_even(k * static_cast<float>(multiplier));
    const auto channel = [d](int c) { return std::clamp(c + d, 1, 244); };
    return RGB(channel(red_of(base)), channel(green_of(base)), channel(blue_of(base)));
}

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

bool read_scheme_block(const std::vector<std::string>& lines, const std::string& header,
                       BlockReading reading, SchemeTable& table) {
    const auto at = find_header(lines, header);
    if (!at) return false;
    std::array<int, 3> slot2{}, slot4{};
    for (int slot = 0; slot < SchemeColourLines; ++slot) {
        const std::size_t line = *at + 1 + static_cast<std::size_t>(slot);
        if (line >= lines.size()) return false;
        if (reading == BlockReading::Load && slot == 3) {
            table[3] = lightened(slot2);
            continue;
        }
        if (reading == BlockReading::Load && slot == 5) {
            table[5] = darkened(slot4);
            continue;
        }
        const auto channels = read_colour_fields(lines[line]);
        if (!channels) return false;
        if (slot == 2) slot2 = *channels;
        if (slot == 4) slot4 = *channels;
        table[slot] = compose_colour(*channels);
    }
    return true;
}

void DeriveScheme(Colour base, int contrast, SchemeTable& table) {
    const float k = static_cast<float>(contrast) / 100.0f;
    table[0] = RGB(1, 1, 1);
    table[1] = RGB(240, 240, 240);
    table[2] = base;
    table[3] = shade(base, k, -128);
    table[4] = shade(base, k, -32);
    table[5] = shade(base, k, -64);
    table[6] = shade(base, k, 128);
    table[7] = shade(base, k, 32);
    table[8] = shade(base, k, 64);
    table[9] = RGB(128, 0, 0);
    table[10] = RGB(255, 0, 0);
    table[11] = RGB(0, 128, 0);
    table[12] = RGB(0, 255, 0);
}

double relative_luminance(Colour c) {
    return 0.2126 * linear(red_of(c)) + 0.7152 * linear(green_of(c)) + 0.0722 * linear(blue_of(c));
}

double contrast_ratio(Colour a, Colour b) {
    const double la = relative_luminance(a);
    const double lb = relative_luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour readable_text_on(Colour back) {
    const double dark = contrast_ratio(LockedBack, back);
    return dark >= ReadableContrast || dark >= contrast_ratio(LockedFore, back) ? LockedBack
                                                                                : LockedFore;
}

// Links keep a link's blue where it reads, dark on a light page and light on a dark one.
Colour readable_link_on(Colour back) {
    const Colour text = readable_text_on(back);
    const Colour link = text == LockedBack ? RGB(0, 0, 192) : RGB(140, 190, 255);
    return contrast_ratio(link, back) >= ReadableContrast ? link : text;
}

Colour focus_ring_on(Colour back) {
    constexpr Colour Black = RGB(0, 0, 0);
    constexpr Colour White = RGB(255, 255, 255);
    return contrast_ratio(Black, back) >= contrast_ratio(White, back) ? Black : White;
}

Colour cell_edge_on(Colour window) {
    constexpr Colour Black = RGB(0, 0, 0);
    return contrast_ratio(Black, window) >= 3.0 ? Black : RGB(255, 255, 255);
}

bool names_default(const std::string& scheme_name) {
    return lower_case(scheme_name).find("default") != std::string::npos;
}

}  // namespace kalder
