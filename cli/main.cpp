// ferrolab-calc: prints the report of a Ferrolab calculator without a screen.
#include <iostream>
#include <string>
#include <vector>

#include "cli/Registry.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return ferrolab::cli::RunCommandLine(args, std::cout, std::cerr);
}
