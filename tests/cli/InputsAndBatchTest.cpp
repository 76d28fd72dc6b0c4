// Saved calculations in the runner (--inputs, --save-inputs) and batch runs (--batch, --json,
// --report-dir): round trips through files, every refusal of a file, the batch's columns, JSON
// Lines, report files and exit statuses.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

#include "calculators/CalculationFile.h"
#include "cli/Batch.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;
using namespace ferrolab::cli;
using test::Call;
using test::CliRun;
using Json = nlohmann::json;

namespace {

class FileTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const {
        return QDir(dir.path()).filePath(QString::fromStdString(name)).toStdString();
    }
    std::string Write(const std::string& name, const std::string& text) const {
        std::ofstream(Path(name), std::ios::binary) << text;
        return Path(name);
    }
    static std::string Read(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream all;
        all << file.rdbuf();
        return all.str();
    }
    QTemporaryDir dir;
};

// The opening values of each calculator (and a changed field where it has a number), through
// --json, a file made of its "inputs", and --inputs: the same report.
TEST_F(FileTest, JsonInputsMakeAFileThatGivesTheSameReport) {
    for (const Calculator& row : AllCalculators()) {
        const Description& d = row.description();
        std::vector<std::string> args{d.id};
        if (d.id == "section") {
            args.push_back("name=HW200x200");
        }
        const CliRun plain = Call(args);
        args.push_back("--json");
        const Json result = Json::parse(Call(args).out);
        const Json file = {
            {"calculator", d.id}, {"inputs", result["inputs"]}, {"version", "2.1.1"}};
        const std::string path = Write(d.id + ".ferrolab", file.dump());
        const CliRun again = Call({d.id, "--inputs", path});
        EXPECT_EQ(again.status, plain.status) << d.id << again.err;
        EXPECT_EQ(again.out, plain.out) << d.id;
    }
}

TEST_F(FileTest, SavedInputsReadBackAndFieldsOnTheCommandLineWin) {
    const std::string saved = Path("weld.ferrolab");
    const CliRun save = Call({"fillet-weld-mnv", "hf=8", "grade=Q345", "--save-inputs", saved});
    ASSERT_EQ(save.status, 0) << save.err;
    const Json file = Json::parse(Read(saved));
    EXPECT_EQ(file["calculator"], "fillet-weld-mnv");
    EXPECT_EQ(file["version"], "2.1.1");
    EXPECT_EQ(file["inputs"]["hf"], "8");
    EXPECT_EQ(file["inputs"]["F"], "100.00"); // every field, the defaults included
    EXPECT_EQ(file["saved"].get<std::string>().size(), 20u);

    EXPECT_EQ(Call({"fillet-weld-mnv", "--inputs", saved}).out,
              Call({"fillet-weld-mnv", "hf=8", "grade=Q345"}).out);
    EXPECT_EQ(Call({"fillet-weld-mnv", "--inputs=" + saved, "hf=10"}).out,
              Call({"fillet-weld-mnv", "hf=10", "grade=Q345"}).out);
}

TEST_F(FileTest, AFailedSaveSaysSoAndLeavesNoFile) {
    const std::string target = Path("missing-folder/weld.ferrolab");
    const CliRun run = Call({"fillet-weld-mnv", "--save-inputs", target});
    EXPECT_EQ(run.status, kExitRefused);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(target)));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(FileTest, EveryBrokenFileIsRefusedNamingTheProblem) {
    const struct {
        const char* text;
        const char* says;
    } cases[] = {
        {R"({"calculator": "bolt-group", "inputs": {}})", "bolt-group"},
        {R"({"calculator": "fillet-weld-mnv", "version": "3.0.0", "inputs": {}})", "3.0.0"},
        {R"({"calculator": "fillet-weld-mnv", "inputs": {"hx": "8"}})", "hx"},
        {R"({"calculator": "fillet-weld-mnv", "inputs": {"grade": "Q999"}})", "Q999"},
        {R"({"calculator": "fillet-weld-mnv", "inputs": {"hf": 8}})", "hf"},
        {R"({"calculator": "fillet-weld-mnv", "inputs": {"hf": "8")", "JSON"},
        {R"([1, 2])", "JSON"},
        {R"({"inputs": {}})", "calculator"},
        {R"({"calculator": "nope", "inputs": {}})", "nope"},
        {R"({"calculator": "fillet-weld-mnv"})", "inputs"},
    };
    for (const auto& c : cases) {
        const std::string path = Write("broken.ferrolab", c.text);
        const CliRun run = Call({"fillet-weld-mnv", "--inputs", path});
        EXPECT_EQ(run.status, kExitUsage) << c.text;
        EXPECT_TRUE(run.out.empty()) << c.text;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.text << "\n" << run.err;
    }
    EXPECT_EQ(Call({"fillet-weld-mnv", "--inputs", Path("none.ferrolab")}).status, kExitUsage);
    // An older or equal major version opens.
    const std::string older =
        Write("old.ferrolab", R"({"calculator":"fillet-weld-mnv","version":"2.0.9","inputs":{}})");
    EXPECT_EQ(Call({"fillet-weld-mnv", "--inputs", older}).status, 0);
}

TEST(Csv, QuotesCommasLineBreaksAndMalformedText) {
    std::string error;
    const auto rows = ParseCsv("\xEF\xBB\xBF"
                               "a,b\r\n\"x,1\",\"say \"\"hi\"\"\"\n\n,\"two\nlines\"\n",
                               error);
    ASSERT_TRUE(rows) << error;
    ASSERT_EQ(rows->size(), 3u);
    EXPECT_EQ((*rows)[0], (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ((*rows)[1], (std::vector<std::string>{"x,1", "say \"hi\""}));
    EXPECT_EQ((*rows)[2], (std::vector<std::string>{"", "two\nlines"}));
    for (const char* bad : {"a,\"b\n1,2\n", "a,b\"c\n", "a,\"b\"c\n"}) {
        EXPECT_FALSE(ParseCsv(bad, error)) << bad;
        EXPECT_FALSE(error.empty());
    }
    EXPECT_EQ(CsvCell("plain"), "plain");
    EXPECT_EQ(CsvCell("a,\"b\""), "\"a,\"\"b\"\"\"");
}

// Four cases of the M+N+V weld (Q235 unless given, e = 200): the opening one, F = 5000 kN (σa =
// 8.52·50 = 426 N/mm2, 426/160 = 2.66 不满足), a refused leg size, and Q345 (ffw 200).
const char* const kWeldCases = "hf,F,grade\n"
                               ",,\n"
                               ",5000,\n"
                               "-1,,\n"
                               ",,Q345\n";

TEST_F(FileTest, BatchGivesOneLineARowWithItsVerdictsAndGoesOnAfterARefusal) {
    const CliRun run = Call({"fillet-weld-mnv", "--batch", Write("cases.csv", kWeldCases)});
    EXPECT_EQ(run.status, kExitRefused); // one row was refused
    std::istringstream lines(run.out);
    std::string header, row1, row2, row3, row4, extra;
    std::getline(lines, header);
    std::getline(lines, row1);
    std::getline(lines, row2);
    std::getline(lines, row3);
    std::getline(lines, row4);
    EXPECT_FALSE(std::getline(lines, extra));
    EXPECT_EQ(header, "row,refused,message,A点焊缝应力 σa/ffw,A点焊缝应力 σa/ffw 结论,"
                      "B点折算应力 √(σb²+τF²)/ffw,B点折算应力 √(σb²+τF²)/ffw 结论");
    EXPECT_EQ(row1, "1,0,,0.05,满足,0.09,满足");
    EXPECT_EQ(row2.substr(0, 4), "2,0,");
    EXPECT_NE(row2.find(",2.66,不满足,4.26,不满足"), std::string::npos) << row2;
    EXPECT_EQ(row3, "3,1,焊脚尺寸 hf 应为大于0的数,,,,");
    EXPECT_EQ(row4, "4,0,,0.04,满足,0.07,满足");

    // Every row computed: status 0.
    EXPECT_EQ(Call({"fillet-weld-mnv", "--batch", Write("ok.csv", "hf\n6\n8\n")}).status, 0);
}

TEST_F(FileTest, BatchJsonLinesAndReportFilesEqualThePlainRuns) {
    const std::string reports = Path("reports");
    const CliRun run = Call({"fillet-weld-mnv", "--batch", Write("cases.csv", kWeldCases), "--json",
                             "--report-dir", reports});
    EXPECT_EQ(run.status, kExitRefused);
    std::istringstream lines(run.out);
    std::string line;
    int row = 0;
    while (std::getline(lines, line)) {
        ++row;
        const Json object = Json::parse(line);
        EXPECT_EQ(object["row"], row);
        EXPECT_EQ(object["id"], "fillet-weld-mnv");
        EXPECT_EQ(object["refused"], row == 3);
    }
    EXPECT_EQ(row, 4);
    EXPECT_EQ(Read(reports + "/1.txt"), Call({"fillet-weld-mnv"}).out);
    EXPECT_EQ(Read(reports + "/2.txt"), Call({"fillet-weld-mnv", "F=5000"}).out);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(reports + "/3.txt")));
    EXPECT_EQ(Read(reports + "/4.txt"), Call({"fillet-weld-mnv", "grade=Q345"}).out);
}

TEST_F(FileTest, BatchUsageErrorsComeBeforeAnyRow) {
    const struct {
        const char* csv;
        const char* says;
    } cases[] = {
        {"hf,nope\n6,1\n", "unknown column 'nope'"},
        {"hf,hf\n6,6\n", "twice"},
        {"hf\n6,7\n", "row 1 has 2 cells"},
        {"hf\n\"6\n", "not closed"},
        {"", "no header"},
    };
    for (const auto& c : cases) {
        const std::string reports = Path("reports");
        const CliRun run =
            Call({"fillet-weld-mnv", "--batch", Write("bad.csv", c.csv), "--report-dir", reports});
        EXPECT_EQ(run.status, kExitUsage) << c.csv;
        EXPECT_TRUE(run.out.empty()) << c.csv;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.csv << run.err;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(reports)));
    }
    EXPECT_EQ(Call({"fillet-weld-mnv", "--batch", Path("none.csv")}).status, kExitUsage);
    EXPECT_EQ(Call({"fillet-weld-mnv", "--report-dir", Path("r")}).status, kExitUsage);
    EXPECT_EQ(Call({"fillet-weld-mnv", "--batch"}).status, kExitUsage);
}

TEST_F(FileTest, BatchCellsOverTheFileAndAValueOutsideAListRefusesOnlyItsRow) {
    const std::string saved = Path("q345.ferrolab");
    ASSERT_EQ(Call({"fillet-weld-mnv", "grade=Q345", "--save-inputs", saved}).status, 0);
    const CliRun run = Call({"fillet-weld-mnv", "--inputs", saved, "--batch",
                             Write("cases.csv", "grade,hf\n,\nQ999,\nQ235,\n")});
    EXPECT_EQ(run.status, kExitRefused);
    EXPECT_NE(run.out.find("\n1,0,,0.04,满足"), std::string::npos) << run.out; // Q345 from the file
    EXPECT_NE(run.out.find("\n2,1,ferrolab-calc: 'Q999' is not a value of grade,"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\n3,0,,0.05,满足"), std::string::npos) << run.out;
}

} // namespace
