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
