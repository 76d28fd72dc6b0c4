#include <gtest/gtest.h>

#include <clocale>
#include <sstream>

#include "calculators/properties/BuiltUpSection.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;
using namespace ferrolab::cli;

namespace {

using test::Call;
using test::CliRun;

TEST(Runner, ListAndFields) {
    const CliRun list = Call({"list"});
    EXPECT_EQ(list.status, 0);
    EXPECT_NE(list.out.find("builtup-section\t工字形、T形、矩形、十字形截面参数计算\n"),
              std::string::npos);
    const CliRun fields = Call({"builtup-section", "--fields"});
    EXPECT_EQ(fields.status, 0);
    for (const char* field : {"B1=200.00", "t1=16.00", "hw=1100.00", "tw=10.00", "B2=350.00",
                              "t2=16.00", "method=0", "format=0", "unit=mm", "density=7850"}) {
        EXPECT_NE(fields.out.find(std::string("  ") + field), std::string::npos) << field;
    }
}

TEST(Runner, DefaultsGiveTheDialogsOpeningReportWithUnixLineEnds) {
    const CliRun run = Call({"builtup-section"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.empty());
    const std::string report = *ComputeBuiltUpSection(BuiltUpSectionInput{}).report;
    EXPECT_EQ(run.out, ToUnixLines(report) + "\n");
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

TEST(Runner, FieldsReachTheCalculation) {
    const CliRun run = Call({"builtup-section", "B1=300", "B2=300", "t1=20", "t2=20", "hw=600",
                             "tw=12", "format=1", "unit=cm", "method=2", "density=7800"});
    EXPECT_EQ(run.status, 0);
    // A = 2*300*20 + 600*12 = 19200 cm2; mass = 7800 * 19200 * 1e-4.
    EXPECT_EQ(run.out.rfind(" 横截面积=\t19200.00cm2        \n", 0), 0u);
    EXPECT_NE(run.out.find("\t14976.00kg/m"), std::string::npos);
}

TEST(Runner, RefusedInputGoesToStandardErrorWithStatus2) {
    const CliRun blank = Call({"builtup-section", "tw="});
    EXPECT_EQ(blank.status, kExitRefused);
    EXPECT_TRUE(blank.out.empty());
    EXPECT_EQ(blank.err, "输入错误: 输入的数据不全或者不是正实数\n");
    const CliRun negative = Call({"builtup-section", "B1=-1"});
    EXPECT_EQ(negative.status, 2);
    EXPECT_NE(negative.err.find("请输入一个大于0的正数"), std::string::npos);
}

TEST(Runner, UsageErrorsExit64) {
    EXPECT_EQ(Call({}).status, kExitUsage);
    EXPECT_EQ(Call({"no-such-calculator"}).status, 64);
    EXPECT_EQ(Call({"list", "extra"}).status, 64);
    const CliRun unknownField = Call({"builtup-section", "B3=1"});
    EXPECT_EQ(unknownField.status, 64);
    EXPECT_NE(unknownField.err.find("B3=1"), std::string::npos);
    EXPECT_EQ(Call({"builtup-section", "B1"}).status, 64);
    EXPECT_EQ(Call({"builtup-section", "unit=inch"}).status, 64);
    EXPECT_EQ(Call({"builtup-section", "method=3"}).status, 64);
}

TEST(Runner, CommaDecimalLocaleChangesNoNumber) {
    const CliRun inC = Call({"builtup-section", "hw=1100.5", "format=1"});
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no de_DE.UTF-8 locale on this machine";
    }
    const CliRun inGerman = Call({"builtup-section", "hw=1100.5", "format=1"});
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(inGerman.out, inC.out);
    EXPECT_NE(inC.out.find("\t19805.00mm2"), std::string::npos);
}

} // namespace
