#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kalder::tools {

// The bulk collection commands: multicreate, remdups, randomize and reseq. Each takes its
// arguments without the command name, prints the closing texts to out and problems to err,
// and returns an exit status. progress_bar: err is a terminal, so progress redraws one line.
int multicreate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                bool progress_bar);
int remdups(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int randomize(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int reseq(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Usage lines of the four commands, for the tools' help.
extern const char* const BatchUsage;

}  // namespace kalder::tools
