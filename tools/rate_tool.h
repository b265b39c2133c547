#pragma once

#include "command_line.h"

namespace kalder::tools {

extern const char* const RateUsage;

// "rate FILE": one line "NNNNN SIZE GRADE" per puzzle, NNNNN its place in the file. "rate --sort
// FILE OUT": the collection written to OUT (atomically) ordered by size and then grade,
// renumbered from 00001. Lines that cannot be graded are named on err; they make the status 1,
// and a sort that meets one writes nothing. 2 for a wrong command line.
int rate_command(const Args& args, const Streams& io);

}  // namespace kalder::tools
