#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kalder::tools {

// Runs one command of the collection tools ("generate ...", "verify FILE"; args without the
// program name) and returns its exit status: 0 done, 1 failed, 2 a wrong command line. Reports
// go to out; problems and the usage text to err.
int run_collection_tool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kalder::tools
