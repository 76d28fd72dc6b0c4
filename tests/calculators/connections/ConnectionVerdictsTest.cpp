#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <string>
#include <vector>

#include "calculators/connections/FilletWeldMNV.h"
#include "calculators/connections/FilletWeldMNVDlg.h"
#include "tests/support/CliRun.h"
#include "tests/support/GuiHelpers.h"
#include "ui/CalculatorDialog.h"
#include "ui/MessageBox.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

const char* const kCheckA = "A点焊缝应力 σa/ffw";
const char* const kCheckB = "B点折算应力 √(σb²+τF²)/ffw";
const std::string kWarnA =
    "A点处焊缝应力大于角焊缝的抗拉抗压强度设计值，请加大焊脚尺寸后重新计算\r\n";
const std::string kWarnB =
    "B点处焊缝折算应力大于角焊缝的抗拉抗压强度设计值，请加大焊脚尺寸后重新计算\r\n";

// Symmetric section 200/16 flanges, h0 1100, tw 10, hf 6, Q235 (ffw 160), e 600. By hand:
// flanges 190 wide after the craters, a = 8.4, If = 1.8795e9, hc = 566;
// σa = F·600e3·566/If, σb = F·600e3·550/If, τF = F·1000/(8.4·1100).
FilletWeldMnvInput Symmetric(double f) {
    FilletWeldMnvInput in;
    in.b1 = in.b2 = 200;
    in.t1 = in.t2 = 16;
    in.hf = 6;
    in.f = f;
    in.e = 600;
    return in;
}

TEST(FilletWeldMnvVerdicts, BothStressesAgainstFfwAgreeWithTheWarnings) {
    const struct {
        double f;
        double sigmaA, combinedB;
        bool passA, passB;
        const char* ratioA;
        const char* ratioB;
    } cases[] = {
        {200, 36.14, 41.25, true, true, "0.23", "0.26"},
        {800, 144.55, 165.00, true, false, "0.90", "1.03"},
        {1000, 180.69, 206.25, false, false, "1.13", "1.29"},
    };
    for (const auto& c : cases) {
        const FilletWeldMnvResult r = ComputeFilletWeldMnv(Symmetric(c.f));
        ASSERT_TRUE(r.report) << c.f;
        ASSERT_EQ(r.checks.size(), 2u) << c.f;
        EXPECT_EQ(r.checks[0].name, kCheckA);
        EXPECT_NEAR(r.checks[0].demand, c.sigmaA, 0.005) << c.f;
        EXPECT_EQ(r.checks[0].capacity, 160);
        EXPECT_EQ(r.checks[1].name, kCheckB);
        EXPECT_NEAR(r.checks[1].demand, c.combinedB, 0.005) << c.f;
        EXPECT_EQ(r.checks[1].capacity, 160);
        EXPECT_EQ(Satisfied(r.checks[0]), c.passA) << c.f;
        EXPECT_EQ(Satisfied(r.checks[1]), c.passB) << c.f;
        EXPECT_EQ(VerdictLine(r.checks[0]),
                  std::string(kCheckA) + " = " + c.ratioA + (c.passA ? "  满足" : "  不满足"));
        EXPECT_EQ(VerdictLine(r.checks[1]),
                  std::string(kCheckB) + " = " + c.ratioB + (c.passB ? "  满足" : "  不满足"));
        // The report warns exactly where a check fails.
        EXPECT_EQ(r.report->find(kWarnA) == std::string::npos, c.passA) << c.f;
        EXPECT_EQ(r.report->find(kWarnB) == std::string::npos, c.passB) << c.f;
    }
}

// The same case through the dialog's boxes and through the runner: the strip under the report
// and the lines --verdict prints after it.
TEST(FilletWeldMnvVerdicts, StripInTheDialogAndLinesOfTheRunner) {
    const QStringList expected = {QString(kCheckA) + " = 0.90  满足",
                                  QString(kCheckB) + " = 1.03  不满足"};
    NoticeRecorder notices;
    CFilletWeldMNVDlg dlg;
    dlg.show();
    auto* report = Child<ReportBox>(&dlg, "report");
    auto* strip = Child<QLabel>(&dlg, "reportVerdicts");
    EXPECT_FALSE(strip->isVisible());
    const std::pair<const char*, const char*> typed[] = {{"b1", "200"}, {"t1", "16"}, {"b2", "200"},
                                                         {"t2", "16"},  {"hf", "6"},  {"F", "800"},
                                                         {"e", "600"}};
    for (const auto& [name, text] : typed) {
        Type(Child<ValueCombo>(&dlg, name), text);
    }
    Click(Child<QPushButton>(&dlg, "computeButton"));
    EXPECT_TRUE(notices.notices().empty());
    EXPECT_TRUE(strip->isVisible());
    EXPECT_EQ(report->VerdictLines(), expected);
    EXPECT_TRUE(strip->text().contains("#1b7a2b")); // A, green
    EXPECT_TRUE(strip->text().contains("#c62828")); // B, red
    test::SaveScreenshot(&dlg, "fillet_weld_mnv_verdicts");
    // The strip sits beside the report: its text is unchanged.
    EXPECT_EQ(report->Report(), *ComputeFilletWeldMnv(Symmetric(800)).report);

    const std::vector<std::string> args = {"fillet-weld-mnv", "b1=200", "t1=16", "b2=200",
                                           "t2=16",           "hf=6",   "F=800", "e=600"};
    const CliRun plain = Call(args);
    std::vector<std::string> withVerdict = args;
    withVerdict.insert(withVerdict.begin() + 1, "--verdict");
    const CliRun verdict = Call(withVerdict);
    EXPECT_EQ(verdict.status, 0);
    EXPECT_EQ(verdict.out, plain.out + expected.join('\n').toStdString() + "\n");
}

// These reports state numbers only, with no limit to compare them with: --verdict adds nothing.
TEST(ConnectionVerdicts, ReportsWithoutALimitHaveNoVerdictLines) {
    for (const char* id : {"fillet-weld-torque", "bolt-capacity", "bolt-group"}) {
        const CliRun plain = Call({id});
        const CliRun verdict = Call({id, "--verdict"});
        EXPECT_EQ(plain.status, 0) << id;
        EXPECT_FALSE(plain.out.empty()) << id;
        EXPECT_EQ(verdict.out, plain.out) << id;
    }
}

} // namespace
