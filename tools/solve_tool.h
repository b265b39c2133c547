#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kalder::tools {

// "solve FILE N": a solution of puzzle N of the collection from its start. "solve": one answer
// line per position read from `in` ("N VALUES LOCKED"). Each answer is the moves as
// giver-receiver cell numbers separated by blanks, "none" or "unknown". Returns 0, 1 when the
// puzzle cannot be read, 2 for a wrong command line or any bad input line (named on err).
int solve_command(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                  std::ostream& err);

}  // namespace kalder::tools
