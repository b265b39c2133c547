#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/base/colour.h"

namespace kalder {

// The colour table: slots 0 .. 12 come from a scheme, slot 13 is never filled.
using SchemeTable = std::array<Colour, 14>;

// A block of the store "all.col": a header line, then one colour line for each of these slots.
constexpr int SchemeColourLines = 13;
constexpr std::size_t SchemeBlockLines = 1 + SchemeColourLines;

// The store's lines (CR LF or LF ended); nothing when it is missing or cannot be read.
std::optional<std::vector<std::string>> read_scheme_store(const std::string& path);
// The lines again as a file, each ended by CR LF.
std::string store_text(const std::vector<std::string>& lines);

// Every line holding ".col" is a header; its entry is the text before the first ".col".
std::vector<std::string> list_schemes(const std::vector<std::string>& lines);
// Index of the first line equal to the header, letter case and blanks included.
std::optional<std::size_t> find_header(const std::vector<std::string>& lines,
                                       const std::string& header);

// Red, green and blue of a colour line "r;g;b" as whole numbers; nothing when the line has
// fewer than three fields or a number is negative or beyond 32767.
std::optional<std::array<int, 3>> read_colour_fields(const std::string& line);
// A colour of three channel numbers, a channel above 255 counting as 255.
Colour compose_colour(const std::array<int, 3>& channels);

// The header and the colour lines of slots 0 .. 12 (" 255; 128; 0"); the table holds plain
// colours only.
std::vector<std::string> scheme_block(const std::string& header, const SchemeTable& table);
// The store with every block under the header replaced by `block`, or dropped when `block` is
// empty; nothing when such a block is cut short by the end of the store.
std::optional<std::vector<std::string>> rewrite_blocks(const std::vector<std::string>& lines,
                                                       const std::string& header,
                                                       const std::vector<std::string>& block);

}  // namespace kalder
