#include "cli/Registry.h"

#include <algorithm>
#include <sstream>

#include <nlohmann/json.hpp>

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

namespace {

// The record of the entry that is running (the runner runs one entry at a time).
RunRecord* currentRecord = nullptr;

// Records into record while it lives.
struct Recording {
    explicit Recording(RunRecord& record) { currentRecord = &record; }
    ~Recording() { currentRecord = nullptr; }
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;
};

} // namespace

int EmitOutcome(const std::optional<std::string>& report, const std::vector<Notice>& notices,
                std::ostream& out, std::ostream& err, const std::vector<Check>& checks) {
    if (currentRecord) {
        currentRecord->notices.insert(currentRecord->notices.end(), notices.begin(), notices.end());
        if (report) {
            currentRecord->checks.insert(currentRecord->checks.end(), checks.begin(), checks.end());
        }
    }
    for (const Notice& notice : notices) {
        if (!notice.caption.empty()) {
            err << notice.caption << ": ";
        }
        err << ToUnixLines(notice.text) << '\n';
    }
    if (!report) {
        return kExitRefused;
    }
    out << ToUnixLines(*report);
    if (report->empty() || report->back() != '\n') {
        out << '\n';
    }
    return kExitOk;
}

namespace {

void PrintUsage(std::ostream& err) {
    err << "usage: ferrolab-calc list\n"
           "       ferrolab-calc <id> --fields\n"
           "       ferrolab-calc <id> [field=value ...]\n"
           "       ferrolab-calc <id> value   (entries with a single field)\n"
           "       ferrolab-calc <id> --switch [field=value ...]   (switches listed by --fields)\n"
           "       ferrolab-calc <id> --verdict [field=value ...]   (the report's code checks "
           "too)\n"
           "       ferrolab-calc <id> --json [field=value ...]   (one JSON object on standard "
           "output:\n"
           "           id, inputs, report lines, refused, messages, checks; same exit status;\n"
           "           --verdict adds nothing to it, the checks are in the object)\n"
           "Prints the report a Ferrolab calculator shows for the given inputs; fields left out\n"
           "take the dialog's opening values. 'ferrolab-calc list' shows the ids.\n";
}

const Entry* FindEntry(const std::string& id) {
    const auto& entries = AllEntries();
    const auto it =
        std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.id == id; });
    return it == entries.end() ? nullptr : &*it;
}

void PrintFields(const Entry& entry, std::ostream& out) {
    out << entry.id << ": " << entry.caption << '\n';
    for (const Field& field : entry.fields) {
        if (field.flag) {
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

// The run as one JSON object. The keys keep this order, the order a reader meets them in.
std::string RunAsJson(const Entry& entry, const FieldValues& values, const std::string& report,
                      int status, const RunRecord& record) {
    using Json = nlohmann::ordered_json;
    Json inputs = Json::object();
    for (const Field& field : entry.fields) {
        inputs[field.name] = values.at(field.name);
    }
    Json messages = Json::array();
    for (const Notice& notice : record.notices) {
        messages.push_back({{"text", ToUnixLines(notice.text)}, {"caption", notice.caption}});
    }
    Json checks = Json::array();
    for (const Check& check : record.checks) {
        // JSON has no infinity: a check against a zero capacity gives a null utilisation.
        checks.push_back({{"name", check.name},
                          {"demand", check.demand},
                          {"capacity", check.capacity},
                          {"utilisation", Utilisation(check)},
                          {"satisfied", Satisfied(check)}});
    }
    const Json run = {{"id", entry.id},
                      {"inputs", inputs},
                      {"report", SplitLines(report)},
                      {"refused", status == kExitRefused},
                      {"messages", messages},
                      {"checks", checks}};
    // A field typed as bytes that are not UTF-8 is shown with replacement characters rather than
    // failing the whole run.
    return run.dump(2, ' ', false, Json::error_handler_t::replace);
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
        for (const Entry& entry : AllEntries()) {
            out << entry.id << '\t' << entry.caption << '\n';
        }
        return kExitOk;
    }
    const Entry* entry = FindEntry(args[0]);
    if (!entry) {
        err << "ferrolab-calc: unknown calculator '" << args[0] << "'\n";
        PrintUsage(err);
        return kExitUsage;
    }
    if (args.size() == 2 && args[1] == "--fields") {
        PrintFields(*entry, out);
        return kExitOk;
    }
    FieldValues values;
    for (const Field& field : entry->fields) {
        values[field.name] = field.defaultValue;
    }
    bool verdict = false;
    bool json = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string arg = args[i];
        if (arg == "--verdict") {
            verdict = true;
            continue;
        }
        if (arg == "--json") {
            json = true;
            continue;
        }
        const auto flag =
            std::find_if(entry->fields.begin(), entry->fields.end(),
                         [&](const Field& f) { return f.flag && arg == "--" + f.name; });
        if (flag != entry->fields.end()) {
            values[flag->name] = "1";
            continue;
        }
        // An entry with a single field also takes its value on its own ("section HW200x200").
        if (entry->fields.size() == 1 && arg.find('=') == std::string::npos) {
            arg = entry->fields.front().name + '=' + arg;
        }
        const auto eq = arg.find('=');
        const std::string name = eq == std::string::npos ? arg : arg.substr(0, eq);
        const auto field = std::find_if(entry->fields.begin(), entry->fields.end(),
                                        [&](const Field& f) { return f.name == name; });
        if (eq == std::string::npos || field == entry->fields.end() || field->flag) {
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
        values[name] = value;
    }
    RunRecord record;
    // With --json the report is kept for the object; what the entry says on standard error still
    // goes there, and a usage error gives no object at all.
    std::ostringstream kept;
    const int status = [&] {
        const Recording recording(record);
        return entry->run(values, json ? static_cast<std::ostream&>(kept) : out, err);
    }();
    if (json) {
        if (status != kExitUsage) {
            out << RunAsJson(*entry, values, kept.str(), status, record) << '\n';
        }
        return status;
    }
    if (verdict && status == kExitOk) {
        for (const Check& check : record.checks) {
            out << VerdictLine(check) << '\n';
        }
    }
    return status;
}

} // namespace ferrolab::cli
