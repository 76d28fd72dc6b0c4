#include <gtest/gtest.h>

#include "calculators/members/AxialMember.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;
using ferrolab::test::Call;

namespace {

const Notice kNotYet{"还没来得及做", "呵呵", NoticeIcon::Error};
const Notice kNetFactor{"请输入一个界于0.0和1.0之间的一个正实数", "Ferrolab", NoticeIcon::None};
const char* const kNetLinesHW100 = "净截面面积:21.9000cm2\r\n净截面强度;-45.66N/mm2\r\n";

AxialMemberInput Input(const AxialSection& section) {
    AxialMemberInput in;
    in.section = section;
    return in;
}

AxialSection HW100() {
    return LoadAxialSection("HW100x100").section.value_or(AxialSection{});
}

TEST(AxialMemberTest, SectionLoads) {
    const AxialSectionLoad i20 = LoadAxialSection("I20a");
    ASSERT_TRUE(i20.section);
    EXPECT_EQ(i20.propertyText, " 腹板厚:7.00mm  \r\n 翼缘厚:11.40mm \r\n 截面积:35.55cm2 \r\n "
                                "Ix:2369.00cm4 \r\n Iy:157.90cm4 \r\n ix:8.16cm \r\n "
                                "iy:2.11cm \r\n b/h =0.50");
    EXPECT_EQ(i20.section->sectionType, 11);

    // Four-angle names have no data yet; unknown names are refused, not read as zeros.
    const AxialSectionLoad angle = LoadAxialSection("L 20x3");
    EXPECT_FALSE(angle.section);
    EXPECT_EQ(angle.notices, std::vector<Notice>{kNotYet});
    for (const char* name : {"HW999x999", "I99", "HN 800x300"}) {
        const AxialSectionLoad missing = LoadAxialSection(name);
        EXPECT_FALSE(missing.section) << name;
        EXPECT_EQ(missing.notices,
                  std::vector<Notice>{InputError(std::string("截面库中找不到截面") + name)});
    }

    const AxialSection welded = WeldedAxialSection(250, 12, 8, 250);
    EXPECT_DOUBLE_EQ(welded.A, 80.0);
    EXPECT_DOUBLE_EQ(welded.h, 274.0);
    EXPECT_EQ(welded.sectionType, 21);
    for (const AxialSection& bad :
         {WeldedAxialSection(0, 12, 0, 250), WeldedAxialSection(250, 12, 8, -30),
          WeldedAxialSection(250, 0, 8, 250), WeldedAxialSection(1e200, 12, 8, 250)}) {
        EXPECT_EQ(WeldedPropertyText(bad), " 截面参数必须是大于0的数值");
    }
}

struct ReportCase {
    AxialSection section;
    int flameCut;
    double netFactor;
    SteelGrade grade;
    double N, lx, ly; // a length of 0: that axis not ticked
    std::string report;
};

class AxialMemberReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(AxialMemberReport, MatchesTheHandWorkedReport) {
    const ReportCase& c = GetParam();
    AxialMemberInput in = Input(c.section);
    in.flameCut = c.flameCut;
    in.netFactor = c.netFactor;
    in.grade = c.grade;
    in.N = c.N;
    in.xOn = c.lx > 0;
    in.yOn = c.ly > 0;
    in.lx = c.lx;
    in.ly = c.ly;
    const AxialMemberResult r = ComputeAxialMember(in);
    EXPECT_TRUE(r.notices.empty());
    EXPECT_EQ(r.report.value_or("refused"), c.report);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AxialMemberReport,
    ::testing::Values(
        // b/h = 0.5: a about x, b about y; t = 11.4: fy 390; An = 0.85 A.
        ReportCase{LoadAxialSection("I20a").section.value_or(AxialSection{}), 1, 0.85, kQ390, -300,
                   4, 2,
                   "净截面面积:30.2175cm2\r\n净截面强度;-99.28N/mm2\r\n \r\n "
                   "-----对x轴，截面属于a类曲线-----\r\n λx:49.02\r\n φx:0.8704\r\n N/(φx*A) "
                   "=-96.9580 N/mm2              \r\n\r\n -----对y轴，截面属于b类曲线-----\r\n "
                   "λy:94.79\r\n φy:0.4258\r\n N/(φy*A) =-198.1762 N/mm2"},
        // Welded defaults, flame-cut: b about both axes; t = 12: fy 345.
        ReportCase{WeldedAxialSection(250, 12, 8, 250), 1, 0.9, kQ345, -500, 5, 3,
                   "净截面面积:72.0000cm2\r\n净截面强度;-69.44N/mm2\r\n \r\n "
                   "-----对x轴，截面属于b类曲线-----\r\n λx:41.99\r\n φx:0.8523\r\n N/(φx*A) "
                   "=-73.3281 N/mm2              \r\n\r\n -----对y轴，截面属于b类曲线-----\r\n "
                   "λy:47.99\r\n φy:0.8169\r\n N/(φy*A) =-76.5062 N/mm2"},
        // 50 mm rolled-edge flanges: c about x, d about y (class d coefficients); fy 295.
        ReportCase{WeldedAxialSection(500, 50, 20, 800), 0, 1.0, kQ345, -8000, 8, 8,
                   "净截面面积:660.0000cm2\r\n净截面强度;-121.21N/mm2\r\n \r\n "
                   "-----对x轴，截面属于c类曲线-----\r\n λx:20.66\r\n φx:0.9457\r\n N/(φx*A) "
                   "=-128.1752 N/mm2              \r\n\r\n -----对y轴，截面属于d类曲线-----\r\n "
                   "λy:63.66\r\n φy:0.5441\r\n N/(φy*A) =-222.7573 N/mm2"},
        // The y block alone starts with its blanks all the same.
        ReportCase{HW100(), 1, 1.0, kQ235, -100, 0, 2,
                   std::string(kNetLinesHW100) +
                       "              \r\n\r\n -----对y轴，截面属于b类曲线-----\r\n λy:80.97\r\n "
                       "φy:0.6814\r\n N/(φy*A) =-67.0146 N/mm2"},
        // Tension, zero force, or no axis ticked: the net lines only.
        ReportCase{HW100(), 1, 1.0, kQ235, 150, 2, 2,
                   "净截面面积:21.9000cm2\r\n净截面强度;68.49N/mm2\r\n"},
        ReportCase{HW100(), 1, 1.0, kQ235, 0, 2, 2,
                   "净截面面积:21.9000cm2\r\n净截面强度;0.00N/mm2\r\n"},
        ReportCase{HW100(), 1, 1.0, kQ235, -100, 0, 0, kNetLinesHW100}));

// GB50017-2017: f and fu of table 4.4.1 by the thickest plate, εk of the grade's number, the
// classes of table 7.2.1 (a*, b*) and both section-strength formulas of 7.1.1.
struct Report2017Case {
    const char* what;
    AxialSection section;
    int flameCut;
    double netFactor;
    SteelGrade grade;
    double N, lx, ly; // a length of 0: that axis not ticked
    std::string report;
};

class AxialMemberReport2017 : public ::testing::TestWithParam<Report2017Case> {};

TEST_P(AxialMemberReport2017, MatchesTheHandWorkedReport) {
    const Report2017Case& c = GetParam();
    AxialMemberInput in = Input(c.section);
    in.edition = kSteel2017;
    in.flameCut = c.flameCut;
    in.netFactor = c.netFactor;
    in.grade = c.grade;
    in.N = c.N;
    in.xOn = c.lx > 0;
    in.yOn = c.ly > 0;
    in.lx = c.lx;
    in.ly = c.ly;
    const AxialMemberResult r = ComputeAxialMember(in);
    EXPECT_TRUE(r.notices.empty()) << c.what;
    EXPECT_EQ(r.report.value_or("refused"), c.report) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AxialMemberReport2017,
    ::testing::Values(
        // HW100x100 (b/h = 1), Q345: a* is curve a. εk = sqrt(235/345) = 0.8253; λx = 200/4.18 =
        // 47.85, λx/εk = 57.97; λn = 47.85/π·sqrt(345/206000) = 0.6233, φ(a) = 0.8901;
        // N/(φA) = -1000/(0.8901·21.9) = -51.2974. Both plates 8 mm: f 305, fu 470, 0.7fu 329.
        Report2017Case{
            "HW100 Q345", HW100(), 1, 1.0, kQ345, -100, 2, 0,
            " -----按GB50017-2017计算-----\r\n钢号Q345，εk=sqrt(235/fy)=0.825\r\n最厚板件t=8.00mm，"
            "按表4.4.1 "
            "f=305.00N/mm2，fu=470.00N/mm2\r\n毛截面面积:21.9000cm2\r\n净截面面积:21.9000cm2"
            "\r\n -----截面强度（7.1.2条，按式7.1.1-1、7.1.1-2）-----\r\n 毛截面屈服 N/A "
            "=-45.66N/mm2"
            "（式7.1.1-1，f=305.00N/mm2）\r\n 净截面断裂 N/An "
            "=-45.66N/mm2（式7.1.1-2，0.7fu=329.00N/"
            "mm2）\r\n -----对x轴，按表7.2.1-1截面属于a*类，取a类-----\r\n λx:47.85\r\n "
            "λx/εk:57.97\r\n "
            "φx:0.8901（附录D）\r\n N/(φx*A) =-51.2974 N/mm2（式7.2.1，f=305.00N/mm2）"},
        // The same section in Q235 about y: b* is curve c (2003: b, φ 0.6814). λy = 200/2.47 =
        // 80.97, φ(c) = 0.5720, N/(φA) = -79.8325.
        Report2017Case{
            "HW100 Q235 y", HW100(), 1, 1.0, kQ235, -100, 0, 2,
            " -----按GB50017-2017计算-----\r\n钢号Q235，εk=sqrt(235/fy)=1.000\r\n最厚板件t=8.00mm，"
            "按表4.4.1 "
            "f=215.00N/mm2，fu=370.00N/mm2\r\n毛截面面积:21.9000cm2\r\n净截面面积:21.9000cm2"
            "\r\n -----截面强度（7.1.2条，按式7.1.1-1、7.1.1-2）-----\r\n 毛截面屈服 N/A "
            "=-45.66N/mm2"
            "（式7.1.1-1，f=215.00N/mm2）\r\n 净截面断裂 N/An "
            "=-45.66N/mm2（式7.1.1-2，0.7fu=259.00N/"
            "mm2）\r\n -----对y轴，按表7.2.1-1截面属于b*类，取c类-----\r\n λy:80.97\r\n "
            "λy/εk:80.97\r\n "
            "φy:0.5720（附录D）\r\n N/(φy*A) =-79.8325 N/mm2（式7.2.1，f=215.00N/mm2）"},
        // Tension, I20a in Q390 with An = 0.85 A: N/A = 3000/35.55 = 84.39, N/An = 3000/30.2175 =
        // 99.28; t = 11.4: f 345, fu 490, 0.7fu 343. No buckling block whatever is ticked.
        Report2017Case{
            "I20a tension", LoadAxialSection("I20a").section.value_or(AxialSection{}), 1, 0.85,
            kQ390, 300, 2, 2,
            " -----按GB50017-2017计算-----\r\n钢号Q390，εk=sqrt(235/"
            "fy)=0.776\r\n最厚板件t=11.40mm，"
            "按表4.4.1 "
            "f=345.00N/mm2，fu=490.00N/mm2\r\n毛截面面积:35.5500cm2\r\n净截面面积:30.2175cm2"
            "\r\n -----截面强度（7.1.1条）-----\r\n 毛截面屈服 N/A "
            "=84.39N/mm2（式7.1.1-1，f=345.00N/mm2）"
            "\r\n 净截面断裂 N/An =99.28N/mm2（式7.1.1-2，0.7fu=343.00N/mm2）\r\n"},
        // 50 mm rolled-edge flanges, Q345: table 7.2.1-2, c about x and d about y; φ with fy =
        // 345 (the grade's number; 2003 took 295 of the 50 mm plate). f of the 40-63 band 290.
        // λx = 20.66, λx/εk = 25.03, φx = 0.9338, -80000/(0.9338·660) = -129.8106; λy = 63.66,
        // λy/εk = 77.14, φy = 0.5090, -238.1164.
        Report2017Case{
            "welded 50 mm", WeldedAxialSection(500, 50, 20, 800), 0, 1.0, kQ345, -8000, 8, 8,
            " -----按GB50017-2017计算-----\r\n钢号Q345，εk=sqrt(235/"
            "fy)=0.825\r\n最厚板件t=50.00mm，"
            "按表4.4.1 f=290.00N/mm2，fu=470.00N/mm2\r\n毛截面面积:660.0000cm2\r\n净截面面积:"
            "660.0000cm2\r\n -----截面强度（7.1.2条，按式7.1.1-1、7.1.1-2）-----\r\n 毛截面屈服 "
            "N/A "
            "=-121.21N/mm2（式7.1.1-1，f=290.00N/mm2）\r\n 净截面断裂 N/An "
            "=-121.21N/mm2（式7.1.1-2，"
            "0.7fu=329.00N/mm2）\r\n -----对x轴，按表7.2.1-2截面属于c类-----\r\n λx:20.66\r\n "
            "λx/εk:"
            "25.03\r\n φx:0.9338（附录D）\r\n N/(φx*A) =-129.8106 "
            "N/mm2（式7.2.1，f=290.00N/mm2）\r\n "
            "-----对y轴，按表7.2.1-2截面属于d类-----\r\n λy:63.66\r\n λy/εk:77.14\r\n "
            "φy:0.5090（附录D）"
            "\r\n N/(φy*A) =-238.1164 N/mm2（式7.2.1，f=290.00N/mm2）"}));

TEST(AxialMemberTest, Edition2017ChecksBothStrengthFormulasAndTakesFOfTheThickestPlate) {
    // Q345 bands of table 4.4.1 at their edges; the thicker of flange and web governs.
    struct Case {
        double t, tw;
        double f;
    };
    const Case cases[] = {{16, 8, 305},   {16.1, 8, 295}, {8, 16.1, 295}, {40, 8, 295},
                          {40.1, 8, 290}, {63, 8, 290},   {63.1, 8, 280}, {80, 8, 280},
                          {80.1, 8, 270}, {100, 8, 270}};
    for (const Case& c : cases) {
        AxialMemberInput in = Input(WeldedAxialSection(400, c.t, c.tw, 400));
        in.edition = kSteel2017;
        in.grade = kQ345;
        in.N = 1000; // tension
        in.netFactor = 0.8;
        const AxialMemberResult r = ComputeAxialMember(in);
        ASSERT_TRUE(r.report) << c.t;
        EXPECT_EQ(r.f, c.f) << c.t;
        EXPECT_EQ(r.fu, 470) << c.t;
        const double a = in.section->A;
        ASSERT_EQ(r.checks.size(), 2u) << c.t;
        EXPECT_EQ(r.checks[0], (Check{"毛截面屈服 N/A/f", 10000 / a, c.f})) << c.t;
        EXPECT_EQ(r.checks[1], (Check{"净截面断裂 N/An/(0.7fu)", 10000 / (0.8 * a), 0.7 * 470}))
            << c.t;
    }
    // Beyond the table: refused, the report kept.
    AxialMemberInput thick = Input(WeldedAxialSection(400, 100.1, 8, 400));
    thick.edition = kSteel2017;
    const AxialMemberResult r = ComputeAxialMember(thick);
    EXPECT_FALSE(r.report);
    EXPECT_EQ(r.notices, std::vector<Notice>{InputError(
                             "板件厚度100.10mm超出GB50017-2017表4.4.1的范围（不大于100mm）")});
    // The 2003 edition keeps its own checks of the same section: N/An against f only.
    AxialMemberInput old = Input(WeldedAxialSection(400, 16.1, 8, 400));
    old.grade = kQ345;
    old.N = 1000;
    EXPECT_EQ(ComputeAxialMember(old).checks.size(), 1u);
}

TEST(AxialMemberEntryTest, Edition2017RunsAndRefusesLikeTheDialog) {
    const auto run = Call({"axial-member", "edition=2017", "grade=Q345", "--verdict"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("按表7.2.1-1截面属于a*类，取a类"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("φx:0.8901（附录D）"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("2003"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("毛截面屈服 N/A/f = 0.15  满足"), std::string::npos) << run.out;
    const auto json = Call({"axial-member", "edition=2017", "--json"});
    EXPECT_NE(json.out.find("\"edition\": \"2017\""), std::string::npos);
    const auto thick = Call({"axial-member", "edition=2017", "kind=焊接工字形", "t1=120"});
    EXPECT_EQ(thick.status, 2);
    EXPECT_EQ(Call({"axial-member", "edition=2010"}).status, 64);
}

TEST(AxialMemberTest, YieldStrengthOfTheThickerPlate) {
    // Q235 up to 16 mm 235, above 225: the 18 mm plate governs whichever it is.
    EXPECT_EQ(ComputeAxialMember(Input(WeldedAxialSection(300, 14, 18, 400))).fy, 225);
    EXPECT_EQ(ComputeAxialMember(Input(WeldedAxialSection(300, 18, 14, 400))).fy, 225);
    EXPECT_EQ(ComputeAxialMember(Input(WeldedAxialSection(300, 14, 10, 400))).fy, 235);
}

TEST(AxialMemberTest, Refusals) {
    const Notice section = InputError("截面参数必须是大于0的数值");
    const Notice length = InputError("计算长度必须是大于0的数值");
    const Notice overflow = InputError("输入的数值过大，无法得到有意义的结果");
    struct Case {
        void (*change)(AxialMemberInput&);
        Notice notice;
    };
    const Case cases[] = {
        {[](AxialMemberInput& in) { in.netFactor = 0; }, kNetFactor},
        {[](AxialMemberInput& in) { in.netFactor = 1.2; }, kNetFactor},
        {[](AxialMemberInput& in) { in.section.reset(); }, kNotYet},
        {[](AxialMemberInput& in) { in.section = WeldedAxialSection(0, 12, 0, 250); }, section},
        {[](AxialMemberInput& in) { in.section->A = 0; }, section},
        {[](AxialMemberInput& in) { in.section->ix = 0; }, section},
        {[](AxialMemberInput& in) { in.lx = 0; }, length},
        {[](AxialMemberInput& in) { in.yOn = true, in.ly = -3; }, length},
        {[](AxialMemberInput& in) { in.N = -1e308; }, overflow},
        {[](AxialMemberInput& in) { in.lx = 1e200; }, overflow},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        AxialMemberInput in = Input(HW100());
        cases[i].change(in);
        const AxialMemberResult r = ComputeAxialMember(in);
        EXPECT_FALSE(r.report) << i;
        EXPECT_EQ(r.notices, std::vector<Notice>{cases[i].notice}) << i;
    }
    // Tension needs neither radius nor length.
    AxialMemberInput in = Input(HW100());
    in.N = 10;
    in.section->ix = in.lx = 0;
    EXPECT_TRUE(ComputeAxialMember(in).report);
}

TEST(AxialMemberEntryTest, RefusalsUsageErrorsAndWildValues) {
    const auto angles = Call({"axial-member", "kind=四肢格构式-等边角钢", "name=L 20x3"});
    EXPECT_EQ(angles.status, 2);
    EXPECT_EQ(angles.err, "呵呵: 还没来得及做\n");
    EXPECT_EQ(Call({"axial-member", "net-factor=1.2"}).err, "Ferrolab: " + kNetFactor.text + "\n");
    EXPECT_EQ(Call({"axial-member", "name=I10"}).status, 64); // not an HW name
    EXPECT_EQ(Call({"axial-member", "kind=热轧普通工字钢", "name=I10"}).status, 0);

    for (const char* kind : {"马钢宽翼缘HW系列", "焊接工字形"}) {
        for (const char* field : {"B1", "t1", "Tw", "Hw", "net-factor", "N", "lx", "ly"}) {
            for (const char* value : {"", "-1", "nan", "abc", "1e308", "-1e308", "1e-320"}) {
                const auto run = Call({"axial-member", std::string("kind=") + kind, "y-check=1",
                                       std::string(field) + "=" + value});
                const std::string what = std::string(field) + "=" + value;
                EXPECT_EQ(run.status, run.err.empty() ? 0 : 2) << what;
                EXPECT_EQ(run.out.find("inf"), std::string::npos) << what;
                EXPECT_EQ(run.out.find("nan"), std::string::npos) << what;
            }
        }
    }
}

} // namespace
