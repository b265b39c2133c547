#pragma once

#include "command_line.h"

namespace kalder::tools {

// The bulk collection commands: multicreate, remdups, randomize and reseq. Each takes its
// arguments without the command name, prints the closing texts to io.out and what went wrong to
// io.err, and returns an exit status.
int multicreate(const Args& args, const Streams& io);
int remdups(const Args& args, const Streams& io);
int randomize(const Args& args, const Streams& io);
int reseq(const Args& args, const Streams& io);

extern const char* const MulticreateUsage;
extern const char* const RemdupsUsage;
extern const char* const RandomizeUsage;
extern const char* const ReseqUsage;

}  // namespace kalder::tools
