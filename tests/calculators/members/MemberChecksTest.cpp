// The code checks the axial member and beam stability units return beside their reports, and
// how the dialog and the runner pass them on. Every stress below was worked by hand from the
// section and the formulas; f is GB50017-2003 table 3.4.1-1 for the thickness named.

#include <gtest/gtest.h>

#include <QPushButton>

#include <string>
#include <vector>

#include "calculators/members/AxialMember.h"
#include "calculators/members/AxialMemberDlg.h"
#include "calculators/members/BeamStability.h"
#include "tests/support/CliRun.h"
#include "tests/support/GuiHelpers.h"
#include "ui/CalculatorDialog.h"
#include "ui/MessageBox.h"

using namespace ferrolab;
namespace test = ferrolab::test;

namespace {

constexpr const char* kNet = "净截面强度 N/An/f";
constexpr const char* kBucklingX = "x轴整体稳定 N/(φx*A)/f";
constexpr const char* kBucklingY = "y轴整体稳定 N/(φy*A)/f";
constexpr const char* kBending = "抗弯强度 [Mx/(γx*Wnx)+My/(γy*Wny)]/f";
constexpr const char* kStability = "整体稳定 [Mx/(φb*Wx)+My/(γy*Wy)]/f";

struct Expected {
    const char* name;
    double demand; // N/mm2, by hand
    double capacity;
    bool satisfied;
};

void ExpectChecks(const std::vector<Check>& checks, const std::vector<Expected>& expected) {
    ASSERT_EQ(checks.size(), expected.size());
    for (std::size_t i = 0; i < checks.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(checks[i].name, expected[i].name);
        EXPECT_NEAR(checks[i].demand, expected[i].demand, 0.005);
        EXPECT_EQ(checks[i].capacity, expected[i].capacity);
        EXPECT_EQ(Satisfied(checks[i]), expected[i].satisfied);
    }
}

// --- Axial member ---------------------------------------------------------------------------

struct AxialCase {
    const char* what;
    AxialSection section;
    SteelGrade grade;
    double netFactor, N, lx, ly; // a length of 0: that axis not ticked
    std::vector<Expected> checks;
};

AxialSection HW100() {
    return LoadAxialSection("HW100x100").section.value_or(AxialSection{});
}

// Welded flanges 250x12, web 250x8, flame-cut (b about both axes), Q345: A = 80 cm2,
// Ix = (250·274³ − 242·250³)/12 = 11345.5 cm4, ix = 11.909 cm; Iy = 3126.1 cm4, iy = 6.251 cm.
// lx = 5 m: λx = 41.99, φx = 0.8523; ly = 3 m: λy = 47.99, φy = 0.8169 (appendix C, fy 345).
// The thicker plate is 12 mm: f = 310. An = 0.9·80 = 72 cm2.
const std::vector<AxialCase> kAxialCases = {
    {"compression well inside f",
     WeldedAxialSection(250, 12, 8, 250),
     kQ345,
     0.9,
     -500,
     5,
     3,
     // 5000/72, 5000/(0.8523·80), 5000/(0.8169·80)
     {{kNet, 69.44, 310, true}, {kBucklingX, 73.33, 310, true}, {kBucklingY, 76.51, 310, true}}},
    {"net section passes, buckling fails",
     WeldedAxialSection(250, 12, 8, 250),
     kQ345,
     0.9,
     -2200,
     5,
     3,
     // 22000/72 = 305.56 <= 310; 22000/(0.8523·80) = 322.64 and 22000/(0.8169·80) = 336.63 > 310
     {{kNet, 305.56, 310, true},
      {kBucklingX, 322.64, 310, false},
      {kBucklingY, 336.63, 310, false}}},
    {"only the ticked axis",
     WeldedAxialSection(250, 12, 8, 250),
     kQ345,
     0.9,
     -2200,
     0,
     3,
     {{kNet, 305.56, 310, true}, {kBucklingY, 336.63, 310, false}}},
    // HW100x100: A = 21.9 cm2, tf 8, tw 6: f = 215 (Q235).
    {"tension passes", HW100(), kQ235, 1.0, 150, 2, 0, {{kNet, 68.49, 215, true}}},
    {"tension fails", HW100(), kQ235, 1.0, 500, 2, 0, {{kNet, 228.31, 215, false}}},
    // Flanges 300x14 on a web 400x18: the 18 mm web is the thicker plate, f = 205 rather than
    // the 215 of the flanges. A = 156 cm2; 33000/156 = 211.54 > 205.
    {"f of the thicker web",
     WeldedAxialSection(300, 14, 18, 400),
     kQ235,
     1.0,
     3300,
     2,
     0,
     {{kNet, 211.54, 205, false}}},
    // Flanges of 110 mm: table 3.4.1-1 ends at 100 mm, no f to compare with.
    {"no f above 100 mm", WeldedAxialSection(500, 110, 20, 800), kQ235, 1.0, 1000, 2, 0, {}},
};

TEST(MemberChecks, AxialMember) {
    for (const AxialCase& c : kAxialCases) {
        SCOPED_TRACE(c.what);
        AxialMemberInput in;
        in.section = c.section;
        in.grade = c.grade;
        in.netFactor = c.netFactor;
        in.N = c.N;
        in.xOn = c.lx > 0;
        in.lx = c.lx;
        in.yOn = c.ly > 0;
        in.ly = c.ly;
        const AxialMemberResult r = ComputeAxialMember(in);
        ASSERT_TRUE(r.report);
        ExpectChecks(r.checks, c.checks);
    }
}

TEST(MemberChecks, RefusedAxialInputHasNoChecks) {
    AxialMemberInput in;
    in.section = HW100();
    in.N = -1e308; // overflows the stresses
    const AxialMemberResult r = ComputeAxialMember(in);
    EXPECT_FALSE(r.report);
    EXPECT_TRUE(r.checks.empty());
}

// --- Beam stability -------------------------------------------------------------------------

struct BeamCase {
    const char* what;
    BeamStabilityInput input;
    std::vector<Expected> checks;
};

// HN800x300 (tf 26, A 267.4 cm2, iy 6.62 cm, Wx 7290 cm3, Wy 782 cm3), l1 = 6 m, Q345, case 3:
// ξ = 0.65, βb = 0.847, λy = 90.63, φb = 1.0714 -> φ'b = 1.07 − 0.282/1.0714 = 0.8068.
// My = 20: 20e6/(1.2·782e3) = 21.31. tf = 26 mm: f = 295.
BeamStabilityInput Rolled(double mx, double my) {
    BeamStabilityInput in;
    in.series = "马钢窄翼缘HN系列";
    in.name = "HN800x300";
    in.l1 = 6;
    in.fy = 345;
    in.mx = mx;
    in.my = my;
    in.gammaX = 1.05;
    in.gammaY = 1.2;
    in.loadCase = 3;
    return in;
}

// Welded: top flange 240x16, web 1200x12, bottom flange 240x20, Q235, l1 = 8 m, case 6
// (βb 1.40), My = 10, top flange compressed. A = 23040 mm2, h = 1236, centroid 594.25 above the
// bottom face, Ix = 4918554720; the compressed top fibre is 641.75 from the axis, so
// Wx = Ix/641.75 = 7664284.7 (also the smaller modulus); αb = 16/(16 + 20) = 0.444, ηb = −0.111;
// Iy = (36·240³ + 1200·12³)/12 = 41644800, Wy = 2·Iy/240 = 347040; iy = 42.51, λy = 188.17,
// φb = 0.6549 -> φ'b = 0.6394. The thicker flange is 20 mm: f = 205 (the 16 mm top flange alone
// would allow 215).
BeamStabilityInput Welded(double mx) {
    BeamStabilityInput in;
    in.series = kWeldedISeries;
    in.b1 = 240;
    in.t1 = 16;
    in.hw = 1200;
    in.tw = 12;
    in.b2 = 240;
    in.t2 = 20;
    in.l1 = 8;
    in.fy = 235;
    in.mx = mx;
    in.my = 10;
    in.gammaX = 1.05;
    in.gammaY = 1.2;
    in.loadCase = 6;
    return in;
}

BeamStabilityInput WithGrade(BeamStabilityInput in, int fy) {
    in.fy = fy;
    return in;
}

const std::vector<BeamCase> kBeamCases = {
    // 1500e6/(1.05·7290e3) + 21.31 = 217.28; 1500e6/(0.8068·7290e3) + 21.31 = 276.35
    {"rolled, both pass",
     Rolled(1500, 20),
     {{kBending, 217.28, 295, true}, {kStability, 276.35, 295, true}}},
    // 1700: 222.09 + 21.31 = 243.40 passes; 289.04 + 21.31 = 310.35 > 295 fails
    {"rolled, stability fails",
     Rolled(1700, 20),
     {{kBending, 243.40, 295, true}, {kStability, 310.35, 295, false}}},
    // 2200: 287.41 + 21.31 = 308.73 and 374.05 + 21.31 = 395.36, both above 295
    {"rolled, both fail",
     Rolled(2200, 20),
     {{kBending, 308.73, 295, false}, {kStability, 395.36, 295, false}}},
    // Moments of the other sign: the report keeps the sign, the checks its size.
    {"rolled, negative moments",
     Rolled(-1500, -20),
     {{kBending, 217.28, 295, true}, {kStability, 276.35, 295, true}}},
    // 800: 800e6/(1.05·7664284.7) + 10e6/(1.2·347040) = 99.41 + 24.01 = 123.42;
    //      800e6/(0.6394·7664284.7) + 24.01 = 187.26
    {"welded, both pass",
     Welded(800),
     {{kBending, 123.42, 205, true}, {kStability, 187.26, 205, true}}},
    // 900: 111.84 + 24.01 = 135.85; 183.65 + 24.01 = 207.66 > 205 (but < 215 of a 16 mm plate)
    {"welded, f of the thicker flange",
     Welded(900),
     {{kBending, 135.85, 205, true}, {kStability, 207.66, 205, false}}},
    // A yield strength that is no grade's number has no f.
    {"no f for fy 300", WithGrade(Rolled(1500, 20), 300), {}},
};

TEST(MemberChecks, BeamStability) {
    for (const BeamCase& c : kBeamCases) {
        SCOPED_TRACE(c.what);
        const BeamStabilityResult r = ComputeBeamStability(c.input);
        ASSERT_TRUE(r.report);
        ExpectChecks(r.checks, c.checks);
    }
}

TEST(MemberChecks, RefusedBeamInputHasNoChecks) {
    BeamStabilityInput in = Rolled(1500, 20);
    in.gammaX = 0;
    const BeamStabilityResult r = ComputeBeamStability(in);
    EXPECT_FALSE(r.report);
    EXPECT_TRUE(r.checks.empty());
}

// --- Through the dialog and the runner ------------------------------------------------------

TEST(MemberChecks, AxialDialogShowsTheVerdictStrip) {
    NoticeRecorder notices;
    CAxialMemberDlg dlg;
    dlg.show();
    auto* report = test::Child<ReportBox>(&dlg, "report");
    test::Choose(test::Child<ChoiceList>(&dlg, "sectionName"), 0); // HW100x100, Q235
    test::Type(test::Child<ValueCombo>(&dlg, "axialForce"), "500");
    test::Click(test::Child<QPushButton>(&dlg, "computeButton"));
    // 5000/21.9 = 228.31 against 215: 1.06.
    EXPECT_EQ(report->VerdictLines(), QStringList({"净截面强度 N/An/f = 1.06  不满足"}));
    test::Type(test::Child<ValueCombo>(&dlg, "axialForce"), "150");
    test::Click(test::Child<QPushButton>(&dlg, "computeButton"));
    // 1500/21.9 = 68.49 against 215: 0.32.
    EXPECT_EQ(report->VerdictLines(), QStringList({"净截面强度 N/An/f = 0.32  满足"}));
    test::SaveScreenshot(&dlg, "axial-member-verdict");
    // A refused net factor keeps the report and its strip.
    test::Type(test::Child<ValueCombo>(&dlg, "netFactor"), "1.5");
    test::Click(test::Child<QPushButton>(&dlg, "computeButton"));
    EXPECT_EQ(report->VerdictLines(), QStringList({"净截面强度 N/An/f = 0.32  满足"}));
}

TEST(MemberChecks, RunnerPrintsTheVerdictsAfterTheReport) {
    const std::vector<std::string> args = {
        "kind=焊接工字形", "B1=250",  "t1=12", "Tw=8",      "Hw=250", "grade=Q345",
        "net-factor=0.9",  "N=-2200", "lx=5",  "y-check=1", "ly=3"};
    std::vector<std::string> plain = {"axial-member"};
    plain.insert(plain.end(), args.begin(), args.end());
    std::vector<std::string> verdict = {"axial-member", "--verdict"};
    verdict.insert(verdict.end(), args.begin(), args.end());
    const test::CliRun report = test::Call(plain);
    const test::CliRun checked = test::Call(verdict);
    ASSERT_EQ(report.status, 0);
    ASSERT_EQ(checked.status, 0);
    // 305.56/310, 322.64/310, 336.63/310
    EXPECT_EQ(checked.out, report.out + "净截面强度 N/An/f = 0.99  满足\n"
                                        "x轴整体稳定 N/(φx*A)/f = 1.04  不满足\n"
                                        "y轴整体稳定 N/(φy*A)/f = 1.09  不满足\n");
    // The beam entry: HN800x300 at Mx 1700 (243.40/295, 310.35/295).
    const test::CliRun beam = test::Call({"beam-stability", "--verdict", "series=马钢窄翼缘HN系列",
                                          "name=HN800x300", "l1=6", "grade=Q345", "Mx=1700",
                                          "My=20", "gamma-x=1.05", "gamma-y=1.2", "case=3"});
    ASSERT_EQ(beam.status, 0);
    EXPECT_NE(beam.out.find("=310.35N/mm2\n抗弯强度 [Mx/(γx*Wnx)+My/(γy*Wny)]/f = 0.83  满足\n"
                            "整体稳定 [Mx/(φb*Wx)+My/(γy*Wy)]/f = 1.05  不满足\n"),
              std::string::npos)
        << beam.out;
}

} // namespace
