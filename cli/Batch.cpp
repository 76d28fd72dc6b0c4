#include "cli/Batch.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <system_error>

#include "engine/Format.h"
#include "engine/TextFile.h"

namespace ferrolab::cli {
namespace {

// What one row gave, kept until every row has run: the columns of the checks are known only then.
struct RowResult {
    bool refused = false;
    std::string message;
    std::vector<Check> checks;
};

std::string OneLine(std::string text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            continue;
        }
        line += text[i] == '\n' ? ' ' : text[i];
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

// A utilisation as the verdict strip shows it: two decimals, ">999.99" beyond.
std::string UtilisationText(const Check& check) {
    const double u = Utilisation(check);
    return u <= 999.99 ? FormatNumber("%.2f", u) : std::string(">999.99");
}

bool ReadAll(const std::string& path, std::string& text) {
    std::ostringstream all;
    if (path == "-") {
        all << std::cin.rdbuf();
        text = all.str();
        return !std::cin.bad();
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    all << file.rdbuf();
    text = all.str();
    return true;
}

} // namespace

std::optional<std::vector<std::vector<std::string>>> ParseCsv(const std::string& text,
                                                              std::string& error) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string cell;
    bool quoted = false;     // inside a quoted cell
    bool wasQuoted = false;  // the current cell was quoted and closed
    bool rowHasData = false; // anything on this row so far
    std::size_t line = 1;
    std::size_t i = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    const auto endCell = [&] {
        row.push_back(std::move(cell));
        cell.clear();
        wasQuoted = false;
    };
    const auto endRow = [&] {
        endCell();
        const bool blank = !rowHasData && row.size() == 1 && row[0].empty();
        if (!blank) {
            rows.push_back(std::move(row));
        }
        row.clear();
        rowHasData = false;
    };
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    cell += '"';
                    ++i;
                } else {
                    quoted = false;
                    wasQuoted = true;
                }
            } else {
                line += c == '\n';
                cell += c;
            }
            continue;
        }
        if (c == '"') {
            if (!cell.empty() || wasQuoted) {
                error = "a quote inside an unquoted cell on line " + std::to_string(line);
                return std::nullopt;
            }
            quoted = true;
            rowHasData = true;
        } else if (c == ',') {
            endCell();
            rowHasData = true;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        } else if (c == '\n') {
            endRow();
            ++line;
        } else {
            if (wasQuoted) {
                error = "text after a closing quote on line " + std::to_string(line);
                return std::nullopt;
            }
            cell += c;
            rowHasData = true;
        }
    }
    if (quoted) {
        error = "a quoted cell is not closed (line " + std::to_string(line) + ")";
        return std::nullopt;
    }
    if (rowHasData || !cell.empty()) {
        endRow();
    }
    return rows;
}

std::string CsvCell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

int RunBatch(const Calculator& row, const FieldValues& base, const RunOptions& options,
             std::ostream& out, std::ostream& err) {
    const Description& entry = row.description();
    std::string text;
    if (!ReadAll(options.batchFile, text)) {
        err << "ferrolab-calc: cannot read " << options.batchFile << '\n';
        return kExitUsage;
    }
    std::string error;
    const auto table = ParseCsv(text, error);
    if (!table) {
        err << "ferrolab-calc: " << options.batchFile << ": " << error << '\n';
        return kExitUsage;
    }
    if (table->empty()) {
        err << "ferrolab-calc: " << options.batchFile << ": no header row\n";
        return kExitUsage;
    }
    const std::vector<std::string>& header = table->front();
    std::set<std::string> seen;
    for (const std::string& name : header) {
        const FieldSpec* field = entry.Find(name);
        if (!field || field->kind == FieldKind::Path) {
            err << "ferrolab-calc: " << options.batchFile << ": unknown column '" << name
                << "' for " << entry.id << '\n';
            return kExitUsage;
        }
        if (!seen.insert(name).second) {
            err << "ferrolab-calc: " << options.batchFile << ": column '" << name
                << "' given twice\n";
            return kExitUsage;
        }
    }
    for (std::size_t r = 1; r < table->size(); ++r) {
        if ((*table)[r].size() > header.size()) {
            err << "ferrolab-calc: " << options.batchFile << ": row " << r << " has "
                << (*table)[r].size() << " cells, the header " << header.size() << '\n';
            return kExitUsage;
        }
    }
    if (!options.reportDir.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(options.reportDir, ec);
        if (ec) {
            err << "ferrolab-calc: cannot make the folder " << options.reportDir << '\n';
            return kExitUsage;
        }
    }

    const std::size_t count = table->size() - 1;
    const bool progress = count > 1000 && &err == &std::cerr && isatty(STDERR_FILENO) == 1;
    std::vector<RowResult> results;
    results.reserve(count);
    std::vector<std::string> checkNames;
    std::map<std::string, std::size_t> checkColumn;
    bool anyRefused = false;
    for (std::size_t r = 1; r <= count; ++r) {
        const std::vector<std::string>& cells = (*table)[r];
        FieldValues values = base;
        std::string refusal;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (cells[c].empty()) {
                continue;
            }
            const FieldSpec& field = entry.Field(header[c]);
            if (!field.allowed.empty() && IndexOf(field.allowed, cells[c]) < 0) {
                refusal = "'" + cells[c] + "' is not a value of " + field.name;
                break;
            }
            values[field.name] = cells[c];
        }
        Outcome outcome;
        if (refusal.empty()) {
            outcome = row.run(values);
        } else {
            outcome.usage = "ferrolab-calc: " + refusal + "\n";
        }
        const int status = StatusOf(outcome);
        RowResult result;
        result.refused = status != kExitOk;
        if (!outcome.usage.empty()) {
            result.message = OneLine(outcome.usage);
        } else if (!outcome.notices.empty()) {
            result.message = OneLine(outcome.notices.front().text);
        }
        if (status == kExitOk) {
            result.checks = outcome.checks;
            for (const Check& check : outcome.checks) {
                if (checkColumn.emplace(check.name, checkNames.size()).second) {
                    checkNames.push_back(check.name);
                }
            }
        }
        anyRefused |= result.refused;
        if (options.json) {
            if (!outcome.usage.empty()) {
                outcome.notices.insert(outcome.notices.begin(),
                                       Notice{OneLine(outcome.usage), "", NoticeIcon::Error});
                outcome.usage.clear();
            }
            std::string object = RunAsJson(entry, values, outcome, -1);
            // The row number leads the object.
            out << "{\"row\":" << r << ',' << object.substr(1) << '\n';
        }
        if (!options.reportDir.empty() && outcome.report && status == kExitOk) {
            std::ostringstream report;
            std::ostringstream ignored;
            PrintOutcome(outcome, report, ignored);
            const std::string path =
                (std::filesystem::path(options.reportDir) / (std::to_string(r) + ".txt")).string();
            if (!WriteTextFileAtomically(path, report.str())) {
                err << "ferrolab-calc: cannot write " << path << '\n';
                anyRefused = true;
            }
        }
        results.push_back(std::move(result));
        if (progress && (r % 500 == 0 || r == count)) {
            err << "\r" << r << " / " << count << std::flush;
            if (r == count) {
                err << '\n';
            }
        }
    }
    if (!options.json) {
        out << "row,refused,message";
        for (const std::string& name : checkNames) {
            out << ',' << CsvCell(name) << ',' << CsvCell(name + " 结论");
        }
        out << '\n';
        for (std::size_t r = 0; r < results.size(); ++r) {
            const RowResult& result = results[r];
            out << (r + 1) << ',' << (result.refused ? "1" : "0") << ',' << CsvCell(result.message);
            std::vector<const Check*> byColumn(checkNames.size(), nullptr);
            for (const Check& check : result.checks) {
                byColumn[checkColumn.at(check.name)] = &check;
            }
            for (const Check* check : byColumn) {
                if (check) {
                    out << ',' << UtilisationText(*check) << ','
                        << (Satisfied(*check) ? "满足" : "不满足");
                } else {
                    out << ",,";
                }
            }
            out << '\n';
        }
    }
    return anyRefused ? kExitRefused : kExitOk;
}

} // namespace ferrolab::cli
