#pragma once
// Runs ferrolab-calc in-process and keeps what it printed.

#include <gtest/gtest.h>

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

// The report the runner prints for calculator `id` with these fields, with the dialog's "\r\n"
// line ends and without the last line end, so that it compares with the dialog's report box. The
// run must succeed.
inline std::string RunnerReport(const std::string& id, std::vector<std::string> fields) {
    fields.insert(fields.begin(), id);
    const CliRun run = Call(fields);
    EXPECT_EQ(run.status, 0) << run.err;
    std::string text = run.out;
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    std::string report;
    for (char c : text) {
        report += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return report;
}

} // namespace ferrolab::test
