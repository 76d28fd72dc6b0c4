#include "cli/Registry.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "calculators/CalculationFile.h"
#include "cli/Batch.h"
#include "engine/TextFile.h"

namespace ferrolab::cli {

std::string ToUnixLines(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        result += text[i];
    }
    return result;
}

int StatusOf(const Outcome& outcome) {
    if (!outcome.usage.empty()) {
        return kExitUsage;
    }
    return outcome.report && !outcome.failed ? kExitOk : kExitRefused;
}

// Every message box on err (a caption before its text), then the report, "\n" line ends, on out.
void PrintOutcome(const Outcome& outcome, std::ostream& out, std::ostream& err) {
    for (const Notice& notice : outcome.notices) {
        if (!notice.caption.empty()) {
            err << notice.caption << ": ";
        }
        err << ToUnixLines(notice.text) << '\n';
    }
    if (!outcome.report) {
        return;
    }
    out << ToUnixLines(*outcome.report);
    if (outcome.report->empty() || outcome.report->back() != '\n') {
        out << '\n';
    }
}

namespace {

void PrintUsage(std::ostream& err) {
    err << "usage: ferrolab-calc list\n"
           "       ferrolab-calc <id> --fields [--json]\n"
           "       ferrolab-calc <id> [field=value ...]\n"
           "       ferrolab-calc <id> value   (entries with a single field)\n"
           "       ferrolab-calc <id> --switch [field=value ...]   (switches listed by --fields)\n"
           "       ferrolab-calc <id> --verdict [field=value ...]   (the report's code checks "
           "too)\n"
           "       ferrolab-calc <id> --json [field=value ...]   (one JSON object on standard "
           "output:\n"
           "           id, inputs, report lines, refused, messages, checks; same exit status;\n"
           "           --verdict adds nothing to it, the checks are in the object)\n"
           "       ferrolab-calc <id> --inputs FILE [field=value ...]   (the inputs of a saved\n"
           "           calculation; fields given here override them)\n"
           "       ferrolab-calc <id> --save-inputs FILE [field=value ...]   (also saves the "
           "inputs\n"
           "           used as a calculation file)\n"
           "       ferrolab-calc <id> --batch CASES.csv [--json] [--report-dir DIR]   (one case a\n"
           "           row: header of field names, a blank cell takes the default, '-' reads\n"
           "           standard input; CSV or JSON Lines out, DIR/<row>.txt the reports)\n"
           "Prints the report a Ferrolab calculator shows for the given inputs; fields left out\n"
           "take the dialog's opening values. 'ferrolab-calc list' shows the ids.\n";
}

void PrintFields(const Description& entry, std::ostream& out) {
    out << entry.id << ": " << entry.caption << '\n';
    for (const FieldSpec& field : entry.fields) {
        if (field.kind == FieldKind::Switch) {
            out << "  --" << field.name << "  " << field.help << '\n';
            continue;
        }
        out << "  " << field.name << '=' << field.defaultValue;
        if (!field.allowed.empty()) {
            out << "  (";
            for (std::size_t i = 0; i < field.allowed.size(); ++i) {
                out << (i ? "|" : "") << field.allowed[i];
            }
            out << ')';
        }
        if (!field.help.empty()) {
            out << "  " << field.help;
        }
        out << '\n';
    }
}

// "a\nb\n" -> {"a", "b"}: the lines as printed, without the last line end.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t end = text.find('\n', begin);
        if (end == std::string::npos) {
            lines.push_back(text.substr(begin));
            break;
        }
        lines.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return lines;
}

} // namespace

// The run as one JSON object. The keys keep this order, the order a reader meets them in.
std::string RunAsJson(const Description& entry, const FieldValues& values, const Outcome& outcome,
                      int indent) {
    using Json = nlohmann::ordered_json;
    Json inputs = Json::object();
    for (const FieldSpec& field : entry.fields) {
        inputs[field.name] = values.at(field.name);
    }
    Json messages = Json::array();
    for (const Notice& notice : outcome.notices) {
        messages.push_back({{"text", ToUnixLines(notice.text)}, {"caption", notice.caption}});
    }
    Json checks = Json::array();
    if (outcome.report) {
        for (const Check& check : outcome.checks) {
            // JSON has no infinity: a check against a zero capacity gives a null utilisation.
            checks.push_back({{"name", check.name},
                              {"demand", check.demand},
                              {"capacity", check.capacity},
                              {"utilisation", Utilisation(check)},
                              {"satisfied", Satisfied(check)}});
        }
    }
    std::ostringstream report;
    std::ostringstream ignored;
    PrintOutcome(outcome, report, ignored);
    const Json run = {{"id", entry.id},
                      {"inputs", inputs},
                      {"report", SplitLines(report.str())},
                      {"refused", StatusOf(outcome) == kExitRefused},
                      {"messages", messages},
                      {"checks", checks}};
    // A field typed as bytes that are not UTF-8 is shown with replacement characters rather than
    // failing the whole run.
    return run.dump(indent, ' ', false, Json::error_handler_t::replace);
}

namespace {

bool ReadWholeFile(const std::string& path, std::string& text) {
    if (path == "-") {
        std::ostringstream all;
        all << std::cin.rdbuf();
        text = all.str();
        return !std::cin.bad();
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    std::ostringstream all;
    all << file.rdbuf();
    text = all.str();
    return true;
}

} // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        PrintUsage(err);
        return args.empty() ? kExitUsage : kExitOk;
    }
    if (args[0] == "list") {
        if (args.size() != 1) {
            PrintUsage(err);
            return kExitUsage;
        }
        for (const Calculator& row : AllCalculators()) {
            out << row.description().id << '\t' << row.description().caption << '\n';
        }
        return kExitOk;
    }
    const Calculator* row = FindCalculator(args[0]);
    if (!row) {
        err << "ferrolab-calc: unknown calculator '" << args[0] << "'\n";
        PrintUsage(err);
        return kExitUsage;
    }
    const Description* entry = &row->description();
    if (args.size() == 2 && args[1] == "--fields") {
        PrintFields(*entry, out);
        return kExitOk;
    }
    if (args.size() == 3 && args[1] == "--fields" && args[2] == "--json") {
        out << FieldsAsJson(*entry) << '\n';
        return kExitOk;
    }
    RunOptions options;
    std::vector<std::string> assignments;
    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string arg = args[i];
        if (arg == "--verdict") {
            options.verdict = true;
            continue;
        }
        if (arg == "--json") {
            options.json = true;
            continue;
        }
        // Options that take a file or folder: "--inputs FILE" or "--inputs=FILE".
        std::string* target = nullptr;
        for (auto [name, slot] : {std::pair{"--inputs", &options.inputsFile},
                                  std::pair{"--save-inputs", &options.saveInputs},
                                  std::pair{"--batch", &options.batchFile},
                                  std::pair{"--report-dir", &options.reportDir}}) {
            const std::string prefix = std::string(name) + "=";
            if (arg == name) {
                if (i + 1 >= args.size()) {
                    err << "ferrolab-calc: " << name << " needs a value\n";
                    PrintUsage(err);
                    return kExitUsage;
                }
                target = slot;
                *target = args[++i];
            } else if (arg.rfind(prefix, 0) == 0) {
                target = slot;
                *target = arg.substr(prefix.size());
            }
        }
        if (target) {
            if (target->empty()) {
                err << "ferrolab-calc: " << arg << " needs a value\n";
                PrintUsage(err);
                return kExitUsage;
            }
            continue;
        }
        const auto flag =
            std::find_if(entry->fields.begin(), entry->fields.end(), [&](const FieldSpec& f) {
                return f.kind == FieldKind::Switch && arg == "--" + f.name;
            });
        if (flag != entry->fields.end()) {
            assignments.push_back(flag->name + "=1");
            continue;
        }
        // An entry with a single field also takes its value on its own ("section HW200x200").
        if (entry->fields.size() == 1 && arg.find('=') == std::string::npos) {
            arg = entry->fields.front().name + '=' + arg;
        }
        const auto eq = arg.find('=');
        const std::string name = eq == std::string::npos ? arg : arg.substr(0, eq);
        const auto field = std::find_if(entry->fields.begin(), entry->fields.end(),
                                        [&](const FieldSpec& f) { return f.name == name; });
        if (eq == std::string::npos || field == entry->fields.end() ||
            field->kind == FieldKind::Switch) {
            err << "ferrolab-calc: unknown field '" << arg << "' for " << entry->id << '\n';
            PrintFields(*entry, err);
            return kExitUsage;
        }
        const std::string value = arg.substr(eq + 1);
        if (!field->allowed.empty() && std::find(field->allowed.begin(), field->allowed.end(),
                                                 value) == field->allowed.end()) {
            err << "ferrolab-calc: '" << value << "' is not a value of " << name << '\n';
            PrintFields(*entry, err);
            return kExitUsage;
        }
        assignments.push_back(arg);
    }

    // The opening values, then the file's inputs, then the fields given on the command line.
    FieldValues values = entry->Defaults();
    if (!options.inputsFile.empty()) {
        std::string text;
        if (!ReadWholeFile(options.inputsFile, text)) {
            err << "ferrolab-calc: cannot read " << options.inputsFile << '\n';
            return kExitUsage;
        }
        const CalculationFileResult read = ReadCalculationFile(text, entry->id);
        if (!read.file) {
            err << "ferrolab-calc: " << options.inputsFile << ": " << read.error << '\n';
            return kExitUsage;
        }
        for (const auto& [name, value] : read.file->inputs) {
            values[name] = value;
        }
    }
    for (const std::string& assignment : assignments) {
        const auto eq = assignment.find('=');
        values[assignment.substr(0, eq)] = assignment.substr(eq + 1);
    }
    if (!options.batchFile.empty()) {
        if (!options.saveInputs.empty()) {
            err << "ferrolab-calc: --save-inputs saves one calculation, not a batch\n";
            return kExitUsage;
        }
        return RunBatch(*row, values, options, out, err);
    }
    if (!options.reportDir.empty()) {
        err << "ferrolab-calc: --report-dir belongs to --batch\n";
        return kExitUsage;
    }
    if (!options.saveInputs.empty() &&
        !WriteTextFileAtomically(options.saveInputs,
                                 CalculationFileText(*entry, values, UtcNow()))) {
        err << "ferrolab-calc: cannot write " << options.saveInputs << '\n';
        return kExitRefused;
    }

    const Outcome outcome = row->run(values);
    const int status = StatusOf(outcome);
    if (status == kExitUsage) {
        err << outcome.usage;
        return status;
    }
    if (options.json) {
        // What the run says on standard error still goes there; the object holds it too.
        std::ostringstream ignored;
        PrintOutcome(outcome, ignored, err);
        out << RunAsJson(*entry, values, outcome) << '\n';
        return status;
    }
    PrintOutcome(outcome, out, err);
    if (options.verdict && status == kExitOk) {
        for (const Check& check : outcome.checks) {
            out << VerdictLine(check) << '\n';
        }
    }
    return status;
}

std::string FieldsAsJson(const Description& description) {
    using Json = nlohmann::ordered_json;
    Json fields = Json::array();
    for (const FieldSpec& field : description.fields) {
        Json item = {
            {"name", field.name}, {"label", field.label},          {"kind", KindName(field.kind)},
            {"unit", field.unit}, {"default", field.defaultValue}, {"help", field.help}};
        if (!field.allowed.empty()) {
            item["choices"] = field.allowed;
        }
        if (!field.presets.empty()) {
            item["presets"] = field.presets;
        }
        fields.push_back(item);
    }
    return fields.dump(2, ' ', false, Json::error_handler_t::replace);
}

} // namespace ferrolab::cli
