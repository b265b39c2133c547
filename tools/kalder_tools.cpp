// Command-line tools over collections: generate new puzzles into a file, verify a file.
#include <iostream>

#include "collection_tools.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return kalder::tools::run_collection_tool(args, std::cout, std::cerr);
}
