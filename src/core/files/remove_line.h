#pragma once

#include <string>

namespace kalder {

// Takes line n (1-based) with its line end out of the collection file; every other byte stays
// as it was, line ends and number fields too. The new content replaces the file only once it
// is completely written, so a failure leaves the file whole. False, with the file untouched,
// when it cannot be read or rewritten or has no line n.
bool remove_collection_line(const std::string& path, int n);

}  // namespace kalder
