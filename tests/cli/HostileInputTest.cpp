// Every runner entry fed with values nobody should type (but somebody will): whatever the values,
// the runner answers with a report, a refusal or a usage error, and never prints an infinity or a
// not-a-number.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cctype>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "cli/Registry.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;
using namespace ferrolab::cli;

namespace {

using test::Call;
using test::CliRun;

const std::vector<std::string> kHostile = {
    "",      " ",        "nan",      "-nan",       "NaN",
    "inf",   "-inf",     "Infinity", "1e999",      "-1e999",
    "1e308", "-1e308",   "1e-320",   "-1",         "-0",
    "0",     "-250",     "1e12",     "-1e12",      "123456789012345678901234567890",
    "1e-12", "0.0001",   "abc",      "12abc",      "１２０",
    "０",    "－5",      "0x1A",     "1,5",        "1e",
    ".",     "\xff\xfe", "  7",      "2147483648", "-2147483649",
    "9e18",
};

// Values an engineer would type, so that the hostile ones meet the calculations' inner branches
// and not only their first check.
const std::vector<std::string> kPlausible = {"0.5", "1", "3", "8", "12", "50", "200", "1000"};

// A standalone "inf", "infinity" or "nan", whatever its case: what a formatter prints for a
// value that is not a number. Letters or digits around it make it part of another word.
bool HasInfOrNan(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const auto isWordChar = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
    };
    for (const std::string word : {"inf", "infinity", "nan"}) {
        for (std::size_t at = lower.find(word); at != std::string::npos;
             at = lower.find(word, at + 1)) {
            const std::size_t end = at + word.size();
            if ((at == 0 || !isWordChar(lower[at - 1])) &&
                (end == lower.size() || !isWordChar(lower[end]))) {
                return true;
            }
        }
    }
    return false;
}

TEST(HostileInput, TheWordFinderSeesOnlyWholeWords) {
    EXPECT_TRUE(HasInfOrNan("σ = nan N/mm2"));
    EXPECT_TRUE(HasInfOrNan("A=-INF"));
    EXPECT_TRUE(HasInfOrNan("比值Infinity，"));
    EXPECT_TRUE(HasInfOrNan("-nan"));
    EXPECT_FALSE(HasInfOrNan("information nano infer 1nan2"));
    EXPECT_FALSE(HasInfOrNan("满足"));
}

// The fields a run may vary. File-writing inputs are never touched: the test writes nothing.
std::vector<const FieldSpec*> VariableFields(const Description& entry) {
    std::vector<const FieldSpec*> fields;
    for (const FieldSpec& field : entry.fields) {
        if (field.kind != FieldKind::Switch && field.kind != FieldKind::Path) {
            fields.push_back(&field);
        }
    }
    return fields;
}

// A free-text field that names a list entry (a section, a bolt class) answers any other text
// with a usage error; varied, it would hide the calculation behind that error.
bool NamesAListEntry(const Description& entry, const FieldSpec& field) {
    return field.allowed.empty() && Call({entry.id, field.name + "=abc"}).status == kExitUsage;
}

TEST(HostileInput, EveryEntrySurvivesRandomValues) {
    constexpr int kRunsPerEntry = 150;
    std::mt19937 random(20261208);
    const auto pick = [&](const std::vector<std::string>& list) -> const std::string& {
        return list[random() % list.size()];
    };
    for (const Calculator& row : AllCalculators()) {
        const Description& entry = row.description();
        std::vector<const FieldSpec*> fields = VariableFields(entry);
        std::vector<bool> isName;
        for (const FieldSpec* field : fields) {
            isName.push_back(NamesAListEntry(entry, *field));
        }
        int computed = 0; // runs that reached the calculation (no usage error)
        for (int run = 0; run < kRunsPerEntry; ++run) {
            // One run in six also puts hostile values into the lists and the names.
            const bool wild = random() % 6 == 0;
            std::vector<std::string> args{entry.id};
            for (std::size_t i = 0; i < fields.size(); ++i) {
                const FieldSpec& field = *fields[i];
                const unsigned roll = random() % 20;
                std::string value;
                if (wild && roll < 4) {
                    value = pick(kHostile);
                } else if (!field.allowed.empty()) {
                    if (roll < 10) {
                        continue; // the dialog's opening value
                    }
                    value = pick(field.allowed);
                } else if (isName[i]) {
                    continue;
                } else if (roll < 7) {
                    continue;
                } else {
                    value = roll < 16 ? pick(kHostile) : pick(kPlausible);
                }
                args.push_back(field.name + "=" + value);
            }
            const bool json = random() % 3 == 0;
            args.insert(args.begin() + 1, json ? "--json" : "--verdict");
            const CliRun result = Call(args);
            const std::string trace = ::testing::PrintToString(args);
            ASSERT_TRUE(result.status == kExitOk || result.status == kExitRefused ||
                        result.status == kExitUsage)
                << result.status << ' ' << trace;
            computed += result.status != kExitUsage;
            // A message may quote what was typed; one that quotes no such text states only what
            // the program computed.
            if (!HasInfOrNan(trace)) {
                EXPECT_FALSE(HasInfOrNan(result.err)) << trace << '\n' << result.err;
            }
            if (!json) {
                EXPECT_FALSE(HasInfOrNan(result.out)) << trace << '\n' << result.out;
                continue;
            }
            if (result.status == kExitUsage) {
                EXPECT_TRUE(result.out.empty()) << trace;
                continue;
            }
            // The inputs echo the values as typed; what the program computed must be numbers.
            nlohmann::json object;
            ASSERT_NO_THROW(object = nlohmann::json::parse(result.out)) << trace << result.out;
            EXPECT_EQ(object["refused"], result.status == kExitRefused) << trace;
            EXPECT_FALSE(HasInfOrNan(object["report"].dump())) << trace << '\n' << result.out;
            for (const auto& check : object["checks"]) {
                EXPECT_FALSE(check["demand"].is_null()) << trace << '\n' << result.out;
                EXPECT_FALSE(check["capacity"].is_null()) << trace << '\n' << result.out;
            }
        }
        // Many runs must reach the calculation, or the test proves little.
        EXPECT_GE(computed, kRunsPerEntry / 4) << entry.id;
    }
}

// Broken calculation files and case tables for every entry: cut short, bytes changed, cells of
// hostile values. Each run answers with a report, a refusal or a usage error, never a crash.
TEST(HostileInput, BrokenFilesForInputsAndBatch) {
    std::mt19937 random(20261209);
    const std::string folder = ::testing::TempDir();
    for (const Calculator& row : AllCalculators()) {
        const Description& entry = row.description();
        std::vector<std::string> args{entry.id, "--json"};
        if (entry.id == "section") {
            args.push_back("name=HW200x200");
        }
        const nlohmann::json result = nlohmann::json::parse(Call(args).out);
        const std::string valid =
            nlohmann::json{{"calculator", entry.id}, {"inputs", result["inputs"]}}.dump();
        std::string header;
        for (const FieldSpec* field : VariableFields(entry)) {
            header += (header.empty() ? "" : ",") + field->name;
        }
        const std::string inputs = folder + "/hostile.ferrolab";
        const std::string cases = folder + "/hostile.csv";
        for (int run = 0; run < 12; ++run) {
            std::string text = valid.substr(0, random() % (valid.size() + 1));
            for (int flips = random() % 3; flips > 0 && !text.empty(); --flips) {
                text[random() % text.size()] = static_cast<char>(random() % 256);
            }
            std::ofstream(inputs, std::ios::binary) << text;
            std::string csv = header + "\n";
            for (int line = 0; line < 3; ++line) {
                for (std::size_t i = 0; i < VariableFields(entry).size(); ++i) {
                    csv += (i ? "," : "") +
                           (random() % 2 ? kHostile[random() % kHostile.size()] : std::string());
                }
                csv += random() % 5 == 0 ? "\"" : "\n";
            }
            std::ofstream(cases, std::ios::binary) << csv;
            for (const std::vector<std::string>& command :
                 {std::vector<std::string>{entry.id, "--inputs", inputs},
                  std::vector<std::string>{entry.id, "--batch", cases},
                  std::vector<std::string>{entry.id, "--batch", cases, "--json"}}) {
                const CliRun result = Call(command);
                EXPECT_TRUE(result.status == kExitOk || result.status == kExitRefused ||
                            result.status == kExitUsage)
                    << entry.id << ' ' << result.status;
                if (command.size() == 3 && command[1] == "--inputs") {
                    EXPECT_FALSE(HasInfOrNan(result.out)) << entry.id << '\n' << result.out;
                }
            }
        }
    }
}

} // namespace
