#pragma once

#include <iostream>
#include <string>
#include <vector>

namespace kalder::tools {

// Runs one command of the collection tools ("generate ...", "verify FILE", "solve ...",
// "multicreate ...", ...; args without the program name) and returns its exit status: 0 done,
// 1 failed, 2 a wrong command line. Reports and asked-for help go to out; what is wrong, in one
// line, and progress to err; "solve" may read from in. progress_bar: err is a terminal.
int run_collection_tool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                        std::istream& in = std::cin, bool progress_bar = false);

// The usage of every command, as `kalder-tools --help` prints it.
std::string full_usage();

}  // namespace kalder::tools
