#include "web/bridge/json_writer.h"

#include <cmath>
#include <cstdio>

#include "web/bridge/system_colours.h"

namespace kalder::web {

void JsonWriter::separate() {
    if (after_key_) {
        after_key_ = false;
        return;
    }
    if (has_entry_.empty()) return;
    if (has_entry_.back()) text_ += ',';
    has_entry_.back() = true;
}

JsonWriter& JsonWriter::begin_object() {
    separate();
    text_ += '{';
    has_entry_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::end_object() {
    text_ += '}';
    has_entry_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::begin_array() {
    separate();
    text_ += '[';
    has_entry_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::end_array() {
    text_ += ']';
    has_entry_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    string(name);
    text_ += ':';
    after_key_ = true;
    return *this;
}

// Control characters, quotes and backslashes are escaped; other bytes pass as they are, so
// UTF-8 text stays UTF-8 (the page decodes a stray byte as the replacement character).
JsonWriter& JsonWriter::string(std::string_view text) {
    separate();
    text_ += '"';
    for (const char c : text) {
        switch (c) {
            case '"':
                text_ += "\\\"";
                break;
            case '\\':
                text_ += "\\\\";
                break;
            case '\n':
                text_ += "\\n";
                break;
            case '\r':
                text_ += "\\r";
                break;
            case '\t':
                text_ += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    text_ += escaped;
                } else {
                    text_ += c;
                }
        }
    }
    text_ += '"';
    return *this;
}

JsonWriter& JsonWriter::number(long long value) {
    separate();
    text_ += std::to_string(value);
    return *this;
}

// JSON has no infinity or NaN.
JsonWriter& JsonWriter::number(double value) {
    if (!std::isfinite(value)) return null();
    separate();
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.17g", value);
    text_ += digits;
    return *this;
}

JsonWriter& JsonWriter::boolean(bool value) {
    separate();
    text_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null() {
    separate();
    text_ += "null";
    return *this;
}

JsonWriter& JsonWriter::colour(Colour value) {
    const Colour plain = plain_colour(value);
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", red_of(plain), green_of(plain), blue_of(plain));
    return string(hex);
}

}  // namespace kalder::web
