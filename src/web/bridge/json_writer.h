#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/base/colour.h"

namespace kalder::web {

// Writes one JSON value as the page reads it: commas and escaping are its business, so the
// bridge files only name keys and values.
class JsonWriter {
  public:
    JsonWriter& begin_object();
    JsonWriter& end_object();
    JsonWriter& begin_array();
    JsonWriter& end_array();
    // The key of the next value inside an object.
    JsonWriter& key(std::string_view name);

    JsonWriter& string(std::string_view text);
    JsonWriter& number(long long value);
    JsonWriter& number(double value);
    JsonWriter& boolean(bool value);
    JsonWriter& null();
    // "#rrggbb"; a system colour as the page's palette shows it.
    JsonWriter& colour(Colour value);

    // key and value in one call.
    template <typename Value>
    JsonWriter& field(std::string_view name, const Value& value) {
        key(name);
        return write(value);
    }
    JsonWriter& colour_field(std::string_view name, Colour value) {
        key(name);
        return colour(value);
    }

    // A place in twips, as its four fields left, top, width and height.
    JsonWriter& place_fields(int left, int top, int width, int height) {
        return field("left", left).field("top", top).field("width", width).field("height", height);
    }

    // A line in twips, as its four fields x1, y1, x2 and y2.
    JsonWriter& line_fields(int x1, int y1, int x2, int y2) {
        return field("x1", x1).field("y1", y1).field("x2", x2).field("y2", y2);
    }

    const std::string& text() const { return text_; }

  private:
    JsonWriter& write(std::string_view text) { return string(text); }
    JsonWriter& write(const std::string& text) { return string(text); }
    JsonWriter& write(const char* text) { return string(text); }
    JsonWriter& write(bool value) { return boolean(value); }
    JsonWriter& write(int value) { return number(static_cast<long long>(value)); }
    JsonWriter& write(long long value) { return number(value); }
    JsonWriter& write(double value) { return number(value); }
    // Puts the comma before a value or key that follows another in the same object or array.
    void separate();

    std::string text_;
    // Per open object or array: whether it holds an entry yet.
    std::vector<bool> has_entry_;
    bool after_key_ = false;
};

}  // namespace kalder::web
