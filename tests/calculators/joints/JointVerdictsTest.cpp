#include <gtest/gtest.h>

#include <QPushButton>
#include <string>
#include <vector>

#include "calculators/joints/BeamColumnPinned.h"
#include "calculators/joints/BeamColumnPinnedDlg.h"
#include "calculators/joints/ColumnBase.h"
#include "calculators/joints/ColumnBaseDlg.h"
#include "engine/Format.h"
#include "tests/support/CliRun.h"
#include "tests/support/GuiHelpers.h"
#include "ui/CalculatorDialog.h"
#include "ui/MessageBox.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

struct Expected {
    std::string name;
    double demand;
    double capacity;
    std::string verdict; // the ratio and the word, e.g. "0.93  满足"
};

void ExpectChecks(const std::vector<Check>& checks, const std::vector<Expected>& expected,
                  const std::string& label) {
    ASSERT_EQ(checks.size(), expected.size()) << label;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(checks[i].name, expected[i].name) << label;
        EXPECT_NEAR(checks[i].demand, expected[i].demand, 0.005) << label;
        EXPECT_NEAR(checks[i].capacity, expected[i].capacity, 0.005) << label;
        EXPECT_EQ(VerdictLine(checks[i]), expected[i].name + " = " + expected[i].verdict) << label;
    }
}

const char* const kWebBolts = "腹板螺栓剪力 Nmax/Nvb";
const char* const kLegBolts = "柱翼缘螺栓拉力 Tmax/0.8P";
const char* const kWebBoltWarning = "受力最大的螺栓的剪力大于一个高强螺栓的抗剪承载力";
const char* const kLegBoltWarning = "与柱翼缘相连的螺栓所受最大拉力大于 0.8P";

// The opening joint (2 rows of M16 8.8 at 52, P 80, Q235 blasted μ 0.45, e = 45) under V.
// By hand: M = 0.045·V, Σr² = 2·26² = 1352, NxM = M·1000·26/1352, NyV = V/2,
// Nmax = sqrt(NxM² + NyV²); Nvb = 0.9·0.45·80 = 32.40 (one plane), 64.80 (two).
// Column legs (two columns, about the centroid): Tmax = 26·M·1000/(4·26²), 0.8P = 64.
TEST(PinnedJointVerdicts, WebBoltsAndColumnLegBolts) {
    const struct {
        PinnedStyle style;
        double v;
        std::vector<Expected> checks;
    } cases[] = {
        {PinnedStyle::SinglePlate, 30, {{kWebBolts, 29.98, 32.40, "0.93  满足"}}},
        {PinnedStyle::SinglePlate, 50, {{kWebBolts, 49.97, 32.40, "1.54  不满足"}}},
        {PinnedStyle::DoubleAngle,
         50,
         {{kWebBolts, 49.97, 64.80, "0.77  满足"}, {kLegBolts, 21.63, 64, "0.34  满足"}}},
        {PinnedStyle::DoubleAngle,
         200,
         {{kWebBolts, 199.89, 64.80, "3.08  不满足"}, {kLegBolts, 86.54, 64, "1.35  不满足"}}},
    };
    for (const auto& c : cases) {
        PinnedJointInput in;
        in.style = c.style;
        in.v = c.v;
        const PinnedJointResult r = ComputePinnedJoint(in);
        const std::string label = "V " + Fmt2(c.v);
        ASSERT_TRUE(r.report) << label;
        ExpectChecks(r.checks, c.checks, label);
        // The report warns exactly where a check fails.
        EXPECT_EQ(r.report->find(kWebBoltWarning) == std::string::npos, Satisfied(r.checks[0]))
            << label;
        if (c.style == PinnedStyle::DoubleAngle) {
            EXPECT_EQ(r.report->find(kLegBoltWarning) == std::string::npos, Satisfied(r.checks[1]))
                << label;
        }
    }
}

// The pinned base of 槽18b, C15 (fc 7.5): B = 256, L = 500, Anet = 128000 − 4500 = 123500,
// Areq = N·1000/7.5.
TEST(ColumnBaseVerdicts, PinnedBaseAreaAgainstTheNetArea) {
    const struct {
        double n;
        Expected check;
        bool areaRequest; // the report asks for a larger plate
    } cases[] = {
        {60, {"底板面积 Areq/Anet", 8000, 123500, "0.06  满足"}, false},
        {1000, {"底板面积 Areq/Anet", 133333.33, 123500, "1.08  不满足"}, true},
    };
    for (const auto& c : cases) {
        ColumnBaseInput in;
        in.n = c.n;
        in.bText = "256.00";
        in.lText = "500.00";
        const ColumnBaseResult r = ComputeColumnBase(in);
        ASSERT_TRUE(r.report) << c.n;
        ExpectChecks(r.checks, {c.check}, "N " + Fmt2(c.n));
        EXPECT_EQ(r.report->rfind("需要的底板面积为", 0) == 0, c.areaRequest) << c.n;
    }
}

// HW200x200 with B = 250, L = 600 (ts 10, c 15, a0 50, b1 150): σN = N/150, σM = M/15, fc 7.5.
TEST(ColumnBaseVerdicts, FixedBaseBearingStressAgainstFc) {
    const struct {
        double n, m;
        std::vector<Expected> checks;
        const char* comparison; // the report's own comparison with fc
    } cases[] = {
        {300, 15, {{"底板压应力 σmax/fc", 3, 7.5, "0.40  满足"}}, "=3.00N/mm2<7.50N/mm2"},
        // At fc exactly: the report says "<" and the check passes.
        {750, 37.5, {{"底板压应力 σmax/fc", 7.5, 7.5, "1.00  满足"}}, "=7.50N/mm2<7.50N/mm2"},
        {750, 45, {{"底板压应力 σmax/fc", 8, 7.5, "1.07  不满足"}}, "=8.00N/mm2>7.50N/mm2"},
        // Part of the plate lifts: the report gives the anchor area and compares nothing.
        {60, 200, {}, "< 0.0"},
    };
    for (const auto& c : cases) {
        ColumnBaseInput in;
        in.baseType = kFixedBase;
        in.section = "HW200x200";
        in.n = c.n;
        in.m = c.m;
        in.a0 = 50;
        in.bText = "250.00";
        in.lText = "600.00";
        const ColumnBaseResult r = ComputeColumnBase(in);
        const std::string label = "N " + Fmt2(c.n) + " M " + Fmt2(c.m);
        ASSERT_TRUE(r.report) << label;
        ExpectChecks(r.checks, c.checks, label);
        EXPECT_NE(r.report->find(c.comparison), std::string::npos) << label;
    }
}

TEST(JointVerdicts, RunnerPrintsTheVerdictsAfterTheReport) {
    // The pinned joint at its opening values: Nmax 49.97 against Nvb 32.40.
    const CliRun joint = Call({"pinned-joint", "--verdict"});
    EXPECT_EQ(joint.status, 0);
    EXPECT_EQ(joint.out, Call({"pinned-joint"}).out + "腹板螺栓剪力 Nmax/Nvb = 1.54  不满足\n");
    // The column base prints its thickness field after the report; the verdict comes last.
    const CliRun base = Call({"column-base", "--verdict"});
    EXPECT_EQ(base.status, 0);
    EXPECT_EQ(base.out, Call({"column-base"}).out + "底板面积 Areq/Anet = 0.06  满足\n");
    // The seated joint states stresses without a design strength: nothing to add.
    EXPECT_EQ(Call({"seated-joint", "--verdict"}).out, Call({"seated-joint"}).out);
}

// "计算" on the opening values: each dialog's strip shows the lines the runner prints.
TEST(JointVerdicts, DialogsShowTheStripOfTheirReport) {
    NoticeRecorder notices;
    CBeamColumnPinnedDlg joint;
    CColumnBaseDlg base;
    const struct {
        QDialog* dialog;
        const char* name;
        QStringList lines;
    } dialogs[] = {
        {&joint, "pinned_joint_verdicts", {"腹板螺栓剪力 Nmax/Nvb = 1.54  不满足"}},
        {&base, "column_base_verdicts", {"底板面积 Areq/Anet = 0.06  满足"}},
    };
    joint.show();
    base.show();
    // The base's "计算" waits for a section to be picked: the one it opens on, 槽18b.
    auto* sections = Child<ChoiceList>(&base, "section");
    Pick(sections, "槽18b");
    for (const auto& d : dialogs) {
        Click(Child<QPushButton>(d.dialog, "computeButton"));
        EXPECT_EQ(Child<ReportBox>(d.dialog, "report")->VerdictLines(), d.lines) << d.name;
        test::SaveScreenshot(d.dialog, d.name);
    }
    EXPECT_TRUE(notices.notices().empty());
}

} // namespace
