#pragma once
// ferrolab-calc: the headless report runner. Its entries are the rows of the calculator table
// (calculators/Calculators.def): each row's description gives the fields, their defaults and
// allowed values; its run function returns the outcome, which the runner prints as the report,
// as the report with its verdict lines (--verdict) or as one JSON object (--json).

#include <ostream>
#include <string>
#include <vector>

#include "calculators/Calculators.h"

namespace ferrolab::cli {

using ferrolab::FieldValues;

// Exit statuses of ferrolab-calc.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 2;
inline constexpr int kExitUsage = 64;

// The exit status of an outcome: a usage error, a refusal (no report) or a failed later step,
// else success.
int StatusOf(const Outcome& outcome);

// "\r\n" -> "\n".
std::string ToUnixLines(const std::string& text);

// The fields of a calculator as a JSON array: name, label, kind, unit, default, help, and
// choices (the allowed values) or presets (a value box's list) where the field has a list.
std::string FieldsAsJson(const Description& description);

// What a command line asks besides the fields.
struct RunOptions {
    bool verdict = false;
    bool json = false;
    std::string inputsFile; // --inputs
    std::string saveInputs; // --save-inputs
    std::string batchFile;  // --batch ("-": standard input)
    std::string reportDir;  // --report-dir
};

// Every message box on err (a caption before its text), then the report, "\n" line ends, on out.
void PrintOutcome(const Outcome& outcome, std::ostream& out, std::ostream& err);
// The run as one JSON object (indent -1: on one line).
std::string RunAsJson(const Description& entry, const FieldValues& values, const Outcome& outcome,
                      int indent = 2);

// Runs the runner on argv[1..]; the testable body of main().
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace ferrolab::cli
