#pragma once

#include "command_line.h"

namespace kalder::tools {

extern const char* const SolveUsage;

// "solve FILE N": a solution of puzzle N of the collection from its start. "solve": one answer
// line per position read from io.in ("N VALUES LOCKED"). Each answer is the moves as
// giver-receiver cell numbers separated by blanks, "none" or "unknown". Returns 0, 1 when the
// puzzle cannot be read, 2 for a wrong command line or any bad input line (named on err).
int solve_command(const Args& args, const Streams& io);

}  // namespace kalder::tools
