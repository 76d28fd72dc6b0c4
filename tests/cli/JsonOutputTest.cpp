#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <set>
#include <string>
#include <vector>

#include "cli/Registry.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;
using namespace ferrolab::cli;
// Parsed keeping the keys' order.
using json = nlohmann::ordered_json;

namespace {

using test::Call;
using test::CliRun;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t end = text.find('\n', begin);
        lines.push_back(text.substr(begin, end - begin));
        if (end == std::string::npos) {
            break;
        }
        begin = end + 1;
    }
    return lines;
}

std::vector<std::string> With(std::vector<std::string> args, const std::string& extra) {
    args.insert(args.begin() + 1, extra);
    return args;
}

// Runs args plainly and with --json and checks that the object says what the plain run printed:
// the same status and standard error, the report's lines, every message the plain run printed on
// standard error, and the inputs as given (defaults filled in).
json CheckJsonMatchesPlainRun(const std::vector<std::string>& args) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const CliRun plain = Call(args);
    const CliRun run = Call(With(args, "--json"));
    EXPECT_EQ(run.status, plain.status);
    EXPECT_EQ(run.err, plain.err);
    json object;
    if (plain.status == kExitUsage) {
        EXPECT_TRUE(run.out.empty()) << run.out;
        return object;
    }
    try {
        object = json::parse(run.out);
    } catch (const json::exception& e) {
        ADD_FAILURE() << e.what() << "\n" << run.out;
        return object;
    }
    std::vector<std::string> keys;
    for (const auto& item : object.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"id", "inputs", "report", "refused", "messages",
                                              "checks"}));
    EXPECT_EQ(object.value("id", ""), args[0]);

    const Description& entry = FindCalculator(args[0])->description();
    const json& inputs = object["inputs"];
    EXPECT_TRUE(inputs.is_object());
    EXPECT_EQ(inputs.size(), entry.fields.size());
    for (const FieldSpec& field : entry.fields) {
        std::string expected = field.defaultValue;
        for (std::size_t i = 1; i < args.size(); ++i) {
            if (args[i].rfind(field.name + "=", 0) == 0) {
                expected = args[i].substr(field.name.size() + 1);
            }
        }
        EXPECT_EQ(inputs.value(field.name, json()), json(expected)) << field.name;
    }

    EXPECT_TRUE(object["report"].is_array());
    EXPECT_EQ(object["report"], json(Lines(plain.out)));
    EXPECT_EQ(object["refused"], json(plain.status == kExitRefused));

    std::string printed;
    EXPECT_TRUE(object["messages"].is_array());
    for (const json& message : object["messages"]) {
        EXPECT_TRUE(message.is_object() && message.size() == 2);
        EXPECT_TRUE(message["text"].is_string());
        EXPECT_TRUE(message["caption"].is_string());
        const std::string caption = message["caption"].get<std::string>();
        printed +=
            (caption.empty() ? "" : caption + ": ") + message["text"].get<std::string>() + "\n";
    }
    // Every line on standard error is a message of the run: no entry prints one by hand.
    EXPECT_EQ(printed, plain.err);

    // The checks are the lines --verdict adds after the report.
    const CliRun verdict = Call(With(args, "--verdict"));
    const std::vector<std::string> verdictLines = Lines(verdict.out);
    const std::size_t reportLines = Lines(plain.out).size();
    EXPECT_TRUE(object["checks"].is_array());
    EXPECT_EQ(verdictLines.size(),
              reportLines + (plain.status == kExitOk ? object["checks"].size() : 0));
    std::size_t line = reportLines;
    for (const json& check : object["checks"]) {
        EXPECT_TRUE(check["name"].is_string());
        EXPECT_TRUE(check["demand"].is_number());
        EXPECT_TRUE(check["capacity"].is_number());
        EXPECT_TRUE(check["utilisation"].is_number() || check["utilisation"].is_null());
        EXPECT_TRUE(check["satisfied"].is_boolean());
        if (line < verdictLines.size()) {
            EXPECT_EQ(verdictLines[line].rfind(check["name"].get<std::string>(), 0), 0u);
            EXPECT_EQ(verdictLines[line].ends_with("不满足"), !check["satisfied"].get<bool>());
        }
        ++line;
    }
    return object;
}

TEST(JsonOutput, EveryEntryWithItsOpeningValues) {
    for (const Calculator& row : AllCalculators()) {
        CheckJsonMatchesPlainRun({row.description().id});
    }
    // The catalogue lookup has no opening value: it needs a name.
    EXPECT_EQ(Call({"section", "--json"}).status, kExitUsage);
    CheckJsonMatchesPlainRun({"section", "name=HW200x200"});
}

// A refused input of each entry that can refuse one.
TEST(JsonOutput, RefusedRunsKeepTheirMessages) {
    const std::vector<std::vector<std::string>> refusals = {
        {"builtup-section", "tw="},
        {"section", "name=HW1x1"},
        {"axial-member", "lx=0"},
        {"beam-stability"},
        {"rolled-channel-phi", "l1="},
        {"coldformed-section", "t=-2"},
        {"coldformed-beam", "l="},
        {"coldformed-axial", "l=abc"},
        {"pinned-joint", "tp=0"},
        {"fillet-weld-mnv", "hf="},
        {"fillet-weld-torque", "hf=nan"},
        {"bolt-group", "row-pitch="},
        {"bolt-group", "load-case=弯矩M + 轴拉力N"},
        {"seated-joint", "tf="},
        {"column-base", "base-type=刚接柱脚", "N=0", "M=0"},
        {"column-length-factor", "K1=-1"},
        // The report is printed, then the table cannot be written: refused, with the report.
        {"seismic", "file=/nonexistent-folder/ResponseSpectrum.txt"},
    };
    for (const auto& args : refusals) {
        const json object = CheckJsonMatchesPlainRun(args);
        EXPECT_EQ(object.value("refused", false), true) << args[0];
        EXPECT_FALSE(object.value("messages", json::array()).empty()) << args[0];
        EXPECT_TRUE(object.value("checks", json::array()).empty()) << args[0];
    }
    const json notBuilt = CheckJsonMatchesPlainRun({"bolt-group", "load-case=弯矩M + 轴拉力N"});
    EXPECT_EQ(notBuilt["messages"],
              json::parse(R"([{"text":"抱歉，还没来得及做","caption":"提示"}])"));
}

TEST(JsonOutput, GivenValuesAndMessagesBesideAReport) {
    const json object = CheckJsonMatchesPlainRun({"builtup-section", "B1=300", "unit=cm"});
    EXPECT_EQ(object["inputs"]["B1"], "300");
    EXPECT_EQ(object["inputs"]["unit"], "cm");
    EXPECT_EQ(object["inputs"]["tw"], "10.00");
    EXPECT_FALSE(object["report"].empty());
    // A note that accompanies a report: not refused, the message is kept.
    const json outside = CheckJsonMatchesPlainRun({"rolled-ibeam-phi", "l1=11"});
    EXPECT_EQ(outside["refused"], false);
    EXPECT_EQ(outside["messages"],
              json::parse(R"([{"text":"超出规范规定","caption":"Ferrolab"}])"));
}

TEST(JsonOutput, BytesThatAreNotUtf8StillGiveAValidObject) {
    const CliRun run = Call({"builtup-section", "--json", "B1=\xff\xfe"});
    EXPECT_EQ(run.status, kExitRefused);
    const json object = json::parse(run.out);
    EXPECT_EQ(object["inputs"]["B1"], "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(object["refused"], true);
}

TEST(JsonOutput, UsageErrorsStayPlainText) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"no-such-calculator", "--json"},
             {"builtup-section", "--json", "nonsense=1"},
             {"builtup-section", "--json", "unit=km"},
             {"design-values", "--json", "code=GB50018-2002", "grade=Q390"}}) {
        const CliRun run = Call(args);
        EXPECT_EQ(run.status, kExitUsage) << args[0];
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('{'), std::string::npos);
    }
    EXPECT_NE(Call({"--help"}).err.find("--json"), std::string::npos);
}

} // namespace
