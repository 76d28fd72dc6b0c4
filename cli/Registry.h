#pragma once
// The command-line runner's entries: one per calculation unit. An entry names its fields with
// their defaults (the dialog's opening values) and, for choices, the values allowed; its run
// function receives every field (defaults filled in) and prints the report the dialog would show.

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/Check.h"
#include "engine/Notice.h"

namespace ferrolab::cli {

struct Field {
    std::string name;
    std::string defaultValue;
    std::vector<std::string> allowed; // empty: any text (numbers are read like the dialog's boxes)
    std::string help;
    // A switch: given on the command line as "--name" (its value is then "1"), never as
    // name=value; defaultValue is its value when left out.
    bool flag = false;
};

using FieldValues = std::map<std::string, std::string>;

// Exit statuses of ferrolab-calc.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 2;
inline constexpr int kExitUsage = 64;

struct Entry {
    std::string id;      // kebab-case, e.g. "builtup-section"
    std::string caption; // the dialog's caption
    std::vector<Field> fields;
    // Prints to out (report) or err (refusal); returns the exit status.
    std::function<int(const FieldValues&, std::ostream& out, std::ostream& err)> run;
};

// Every entry, in menu order.
const std::vector<Entry>& AllEntries();

// Prints a calculation unit's outcome: the report with "\n" line ends on out (status 0), or,
// when the compute was refused, every notice's text on err (status 2). Notices that accompany a
// report (warnings) also go to err. The notices and the report's code checks are also kept for
// the run (see RunRecord); with --verdict the checks are printed after the report.
int EmitOutcome(const std::optional<std::string>& report, const std::vector<Notice>& notices,
                std::ostream& out, std::ostream& err, const std::vector<Check>& checks = {});

// What the running entry reported besides its text: every message box and the code checks of
// its report. RunCommandLine collects it while the entry runs.
struct RunRecord {
    std::vector<Notice> notices;
    std::vector<Check> checks;
};

// "\r\n" -> "\n".
std::string ToUnixLines(const std::string& text);

// Runs the runner on argv[1..]; the testable body of main().
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace ferrolab::cli
