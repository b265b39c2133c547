// Command-line tools over collections: generate, verify, and the bulk commands that fill,
// shuffle, renumber and de-duplicate them.
#include <unistd.h>

#include <iostream>

#include "collection_tools.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return kalder::tools::run_collection_tool(args, std::cout, std::cerr, std::cin,
                                              isatty(STDERR_FILENO));
}
