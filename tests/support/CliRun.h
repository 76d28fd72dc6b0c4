#pragma once
// Runs ferrolab-calc in-process and keeps what it printed.

#include <sstream>
#include <string>
#include <vector>

#include "cli/Registry.h"

namespace ferrolab::test {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun Call(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = cli::RunCommandLine(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace ferrolab::test
