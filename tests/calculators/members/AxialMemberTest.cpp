#include <gtest/gtest.h>

#include <cmath>

#include "calculators/members/AxialMember.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;

namespace {

// HW100x100 from the catalogue: tw 6, tf 8, A 21.9, Ix 383, Iy 134, ix 4.18, iy 2.47.
const char* const kHW100Properties = " 腹板厚:6.00mm  \r\n 翼缘厚:8.00mm \r\n 截面积:21.90cm2 \r\n "
                                     "Ix:383.00cm4 \r\n Iy:134.00cm4 \r\n ix:4.18cm \r\n "
                                     "iy:2.47cm \r\n b/h =1.00";
// N = -100 kN, lx = 2 m, Q235 (t = 8: fy 235), b/h = 1 > 0.8: class b.
const char* const kHW100XBlock = "净截面面积:21.9000cm2\r\n净截面强度;-45.66N/mm2\r\n \r\n "
                                 "-----对x轴，截面属于b类曲线-----\r\n λx:47.85\r\n "
                                 "φx:0.8660\r\n N/(φx*A) =-52.7301 N/mm2";
const char* const kYBlockGap = "              \r\n\r\n ";

AxialSection Catalogue(const char* name) {
    const AxialSectionLoad load = LoadAxialSection(name);
    EXPECT_TRUE(load.section.has_value()) << name;
    return load.section.value_or(AxialSection{});
}

AxialMemberInput Input(const AxialSection& section) {
    AxialMemberInput in;
    in.section = section;
    return in;
}

TEST(AxialMemberTest, KindsAndTheirNames) {
    const char* const captions[] = {"马钢宽翼缘HW系列", "马钢中翼缘HM系列", "马钢窄翼缘HN系列",
                                    "热轧普通工字钢",   "焊接工字形",       "四肢格构式-等边角钢"};
    const std::size_t counts[] = {17, 11, 25, 34, 0, 82};
    const char* const first[] = {"HW100x100", "HM194x150", "HN175x90", "I10", "", "L 20x3"};
    for (int i = 0; i < kAxialSectionKindCount; ++i) {
        const auto kind = static_cast<AxialSectionKind>(i);
        EXPECT_STREQ(AxialSectionKindCaption(kind), captions[i]);
        EXPECT_EQ(AxialSectionKindOf(captions[i]), kind);
        ASSERT_EQ(AxialSectionNames(kind).size(), counts[i]) << captions[i];
        if (counts[i] > 0) {
            EXPECT_STREQ(AxialSectionNames(kind).front(), first[i]);
        }
    }
    EXPECT_FALSE(AxialSectionKindOf("焊接工字型").has_value());
}

TEST(AxialMemberTest, CatalogueSectionsLoadWithTheirPropertyText) {
    const AxialSectionLoad hw = LoadAxialSection("HW100x100");
    ASSERT_TRUE(hw.section);
    EXPECT_EQ(hw.propertyText, kHW100Properties);
    EXPECT_EQ(hw.section->sectionType, 11);
    EXPECT_EQ(hw.section->welded, 0);
    EXPECT_TRUE(hw.notices.empty());

    const AxialSectionLoad i20 = LoadAxialSection("I20a");
    ASSERT_TRUE(i20.section);
    EXPECT_EQ(i20.propertyText, " 腹板厚:7.00mm  \r\n 翼缘厚:11.40mm \r\n 截面积:35.55cm2 \r\n "
                                "Ix:2369.00cm4 \r\n Iy:157.90cm4 \r\n ix:8.16cm \r\n "
                                "iy:2.11cm \r\n b/h =0.50");
    EXPECT_EQ(i20.section->h, 200);
    EXPECT_EQ(i20.section->b, 100);
}

TEST(AxialMemberTest, FourAngleNamesAndUnknownNamesLoadNothing) {
    const AxialSectionLoad angle = LoadAxialSection("L 20x3");
    EXPECT_FALSE(angle.section);
    EXPECT_TRUE(angle.propertyText.empty());
    ASSERT_EQ(angle.notices.size(), 1u);
    EXPECT_EQ(angle.notices[0], (Notice{"还没来得及做", "呵呵", NoticeIcon::Error}));

    for (const char* name : {"HW999x999", "I99", "HN 800x300"}) {
        const AxialSectionLoad missing = LoadAxialSection(name);
        EXPECT_FALSE(missing.section) << name;
        ASSERT_EQ(missing.notices.size(), 1u) << name;
        EXPECT_EQ(missing.notices[0].caption, "输入错误");
        EXPECT_EQ(missing.notices[0].icon, NoticeIcon::Error);
    }
    EXPECT_EQ(LoadAxialSection("HW999x999").notices[0].text, "截面库中找不到截面HW999x999");
    EXPECT_EQ(LoadAxialSection("").notices[0].text, "还没来得及做");
}

TEST(AxialMemberTest, WeldedDefaultsAndPropertyText) {
    const AxialSection s = WeldedAxialSection(250, 12, 8, 250);
    EXPECT_DOUBLE_EQ(s.A, 80.0);
    EXPECT_DOUBLE_EQ(s.h, 274.0);
    EXPECT_EQ(s.sectionType, 21);
    EXPECT_EQ(s.welded, 1);
    EXPECT_EQ(WeldedPropertyText(s), " 横截面积=\t80.00cm2\r\n Ix=\t11345.47cm4\r\n "
                                     "Iy=\t3126.07cm4\r\n ix=\t11.91cm\r\n iy=\t6.25cm");
    // Plates that make no section: no numbers (never inf or nan).
    for (const AxialSection& bad :
         {WeldedAxialSection(0, 12, 0, 250), WeldedAxialSection(250, 12, 8, -30),
          WeldedAxialSection(250, 0, 8, 250), WeldedAxialSection(1e200, 12, 8, 250)}) {
        EXPECT_FALSE(IsUsableWeldedSection(bad));
        EXPECT_EQ(WeldedPropertyText(bad), " 截面参数必须是大于0的数值");
    }
}

struct ReportCase {
    const char* what;
    AxialSection section;
    int flameCut;
    double netFactor;
    SteelGrade grade;
    double N;
    bool xOn, yOn;
    double lx, ly;
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
    in.xOn = c.xOn;
    in.yOn = c.yOn;
    in.lx = c.lx;
    in.ly = c.ly;
    const AxialMemberResult r = ComputeAxialMember(in);
    EXPECT_TRUE(r.notices.empty());
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, c.report);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AxialMemberReport,
    ::testing::Values(
        ReportCase{"HW100x100 defaults: only the x block", Catalogue("HW100x100"), 1, 1.0, kQ235,
                   -100, true, false, 2, 2, kHW100XBlock},
        ReportCase{"HW100x100 about both axes", Catalogue("HW100x100"), 1, 1.0, kQ235, -100, true,
                   true, 2, 2,
                   std::string(kHW100XBlock) + kYBlockGap +
                       "-----对y轴，截面属于b类曲线-----\r\n λy:80.97\r\n φy:0.6814\r\n "
                       "N/(φy*A) =-67.0146 N/mm2"},
        // b/h = 0.5: a about x, b about y; t = 11.4: fy 390; An = 0.85 A.
        ReportCase{"I20a Q390", Catalogue("I20a"), 1, 0.85, kQ390, -300, true, true, 4, 2,
                   "净截面面积:30.2175cm2\r\n净截面强度;-99.28N/mm2\r\n \r\n "
                   "-----对x轴，截面属于a类曲线-----\r\n λx:49.02\r\n φx:0.8704\r\n N/(φx*A) "
                   "=-96.9580 N/mm2              \r\n\r\n -----对y轴，截面属于b类曲线-----\r\n "
                   "λy:94.79\r\n φy:0.4258\r\n N/(φy*A) =-198.1762 N/mm2"},
        // Flame-cut flanges: b about both axes; t = 12: fy 345.
        ReportCase{"welded defaults Q345", WeldedAxialSection(250, 12, 8, 250), 1, 0.9, kQ345, -500,
                   true, true, 5, 3,
                   "净截面面积:72.0000cm2\r\n净截面强度;-69.44N/mm2\r\n \r\n "
                   "-----对x轴，截面属于b类曲线-----\r\n λx:41.99\r\n φx:0.8523\r\n N/(φx*A) "
                   "=-73.3281 N/mm2              \r\n\r\n -----对y轴，截面属于b类曲线-----\r\n "
                   "λy:47.99\r\n φy:0.8169\r\n N/(φy*A) =-76.5062 N/mm2"},
        // Rolled or sheared flange edges: b about x, c about y; t = 20: fy 225.
        ReportCase{"welded rolled edges", WeldedAxialSection(300, 20, 10, 500), 0, 1.0, kQ235,
                   -1200, true, true, 6, 6,
                   "净截面面积:170.0000cm2\r\n净截面强度;-70.59N/mm2\r\n \r\n "
                   "-----对x轴，截面属于b类曲线-----\r\n λx:25.85\r\n φx:0.9523\r\n N/(φx*A) "
                   "=-74.1258 N/mm2              \r\n\r\n -----对y轴，截面属于c类曲线-----\r\n "
                   "λy:82.44\r\n φy:0.5739\r\n N/(φy*A) =-123.0046 N/mm2"},
        // 50 mm rolled-edge flanges: c about x, d about y (class d coefficients); fy 295.
        ReportCase{"thick welded class d", WeldedAxialSection(500, 50, 20, 800), 0, 1.0, kQ345,
                   -8000, true, true, 8, 8,
                   "净截面面积:660.0000cm2\r\n净截面强度;-121.21N/mm2\r\n \r\n "
                   "-----对x轴，截面属于c类曲线-----\r\n λx:20.66\r\n φx:0.9457\r\n N/(φx*A) "
                   "=-128.1752 N/mm2              \r\n\r\n -----对y轴，截面属于d类曲线-----\r\n "
                   "λy:63.66\r\n φy:0.5441\r\n N/(φy*A) =-222.7573 N/mm2"},
        // The same plates flame-cut: b about both axes.
        ReportCase{"thick welded flame-cut", WeldedAxialSection(500, 50, 20, 800), 1, 1.0, kQ345,
                   -8000, true, true, 8, 8,
                   "净截面面积:660.0000cm2\r\n净截面强度;-121.21N/mm2\r\n \r\n "
                   "-----对x轴，截面属于b类曲线-----\r\n λx:20.66\r\n φx:0.9595\r\n N/(φx*A) "
                   "=-126.3235 N/mm2              \r\n\r\n -----对y轴，截面属于b类曲线-----\r\n "
                   "λy:63.66\r\n φy:0.7428\r\n N/(φy*A) =-163.1918 N/mm2"},
        // Only the y block: it starts with its blanks all the same.
        ReportCase{"HW100x100 about y only", Catalogue("HW100x100"), 1, 1.0, kQ235, -100, false,
                   true, 0, 2,
                   std::string("净截面面积:21.9000cm2\r\n净截面强度;-45.66N/mm2\r\n") + kYBlockGap +
                       "-----对y轴，截面属于b类曲线-----\r\n λy:80.97\r\n φy:0.6814\r\n "
                       "N/(φy*A) =-67.0146 N/mm2"}),
    [](const ::testing::TestParamInfo<ReportCase>& info) {
        return "case" + std::to_string(info.index);
    });

TEST(AxialMemberTest, TensionZeroForceOrNoAxisGivesOnlyTheNetLines) {
    struct Case {
        double N;
        bool xOn, yOn;
        const char* report;
    };
    const Case cases[] = {
        {0, true, true, "净截面面积:21.9000cm2\r\n净截面强度;0.00N/mm2\r\n"},
        {150, true, true, "净截面面积:21.9000cm2\r\n净截面强度;68.49N/mm2\r\n"},
        {-100, false, false, "净截面面积:21.9000cm2\r\n净截面强度;-45.66N/mm2\r\n"},
    };
    for (const Case& c : cases) {
        AxialMemberInput in = Input(Catalogue("HW100x100"));
        in.N = c.N;
        in.xOn = c.xOn;
        in.yOn = c.yOn;
        in.lx = 0; // lengths are not needed without a buckling block
        in.ly = 0;
        const AxialMemberResult r = ComputeAxialMember(in);
        ASSERT_TRUE(r.report) << c.N;
        EXPECT_EQ(*r.report, c.report);
    }
}

TEST(AxialMemberTest, YieldStrengthOfTheThickerPlate) {
    // Flanges 14 mm (235 on their own), web 18 mm: the web governs, 225.
    AxialMemberInput in = Input(WeldedAxialSection(300, 14, 18, 400));
    EXPECT_EQ(ComputeAxialMember(in).fy, 225);
    in.section = WeldedAxialSection(300, 18, 14, 400);
    EXPECT_EQ(ComputeAxialMember(in).fy, 225);
    in.section = WeldedAxialSection(300, 14, 10, 400);
    EXPECT_EQ(ComputeAxialMember(in).fy, 235);
}

TEST(AxialMemberTest, RefusalsCarryTheirMessage) {
    const Notice netFactor{"请输入一个界于0.0和1.0之间的一个正实数", "", NoticeIcon::None};
    const Notice section = InputError("截面参数必须是大于0的数值");
    const Notice length = InputError("计算长度必须是大于0的数值");
    const Notice overflow = InputError("输入的数值过大，无法得到有意义的结果");
    struct Case {
        const char* what;
        void (*change)(AxialMemberInput&);
        Notice notice;
    };
    const Case cases[] = {
        {"net factor 0", [](AxialMemberInput& in) { in.netFactor = 0; }, netFactor},
        {"net factor 1.2", [](AxialMemberInput& in) { in.netFactor = 1.2; }, netFactor},
        {"net factor negative", [](AxialMemberInput& in) { in.netFactor = -0.9; }, netFactor},
        {"four angles", [](AxialMemberInput& in) { in.section.reset(); },
         Notice{"还没来得及做", "呵呵", NoticeIcon::Error}},
        {"welded blank web and flange width",
         [](AxialMemberInput& in) { in.section = WeldedAxialSection(0, 12, 0, 250); }, section},
        {"welded negative web depth",
         [](AxialMemberInput& in) { in.section = WeldedAxialSection(250, 12, 8, -26); }, section},
        {"zero area", [](AxialMemberInput& in) { in.section->A = 0; }, section},
        {"zero ix", [](AxialMemberInput& in) { in.section->ix = 0; }, section},
        {"zero iy about y",
         [](AxialMemberInput& in) {
             in.section->iy = 0;
             in.yOn = true;
         },
         section},
        {"blank lx", [](AxialMemberInput& in) { in.lx = 0; }, length},
        {"negative ly",
         [](AxialMemberInput& in) {
             in.yOn = true;
             in.ly = -3;
         },
         length},
        {"huge force", [](AxialMemberInput& in) { in.N = -1e308; }, overflow},
        {"huge length", [](AxialMemberInput& in) { in.lx = 1e200; }, overflow},
    };
    for (const Case& c : cases) {
        AxialMemberInput in = Input(Catalogue("HW100x100"));
        c.change(in);
        const AxialMemberResult r = ComputeAxialMember(in);
        EXPECT_FALSE(r.report) << c.what;
        ASSERT_EQ(r.notices.size(), 1u) << c.what;
        EXPECT_EQ(r.notices[0], c.notice) << c.what;
    }
    // Tension needs no radius or length, and the net factor 1.0 gives An = A.
    AxialMemberInput in = Input(Catalogue("HW100x100"));
    in.N = 10;
    in.section->ix = 0;
    in.lx = 0;
    EXPECT_TRUE(ComputeAxialMember(in).report);
    EXPECT_DOUBLE_EQ(ComputeAxialMember(in).An, in.section->A);
}

// ----- the runner entry -----

using ferrolab::test::Call;

TEST(AxialMemberEntryTest, DefaultsPrintThePropertiesThenTheReport) {
    const auto run = Call({"axial-member"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              cli::ToUnixLines(std::string(kHW100Properties) + "\r\n\r\n" + kHW100XBlock + "\r\n"));
}

TEST(AxialMemberEntryTest, WeldedSection) {
    const auto run = Call({"axial-member", "kind=焊接工字形", "B1=300", "t1=20", "Tw=10", "Hw=500",
                           "flange=轧制或剪切边", "N=-1200", "lx=6", "y-check=1", "ly=6"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, " 横截面积=\t170.00cm2\n Ix=\t91576.67cm4\n Iy=\t9004.17cm4\n "
                       "ix=\t23.21cm\n iy=\t7.28cm\n\n净截面面积:170.0000cm2\n净截面强度;-70.59N/"
                       "mm2\n \n -----对x轴，截面属于b类曲线-----\n λx:25.85\n φx:0.9523\n "
                       "N/(φx*A) =-74.1258 N/mm2              \n\n -----对y轴，截面属于c类曲线"
                       "-----\n λy:82.44\n φy:0.5739\n N/(φy*A) =-123.0046 N/mm2\n");
}

TEST(AxialMemberEntryTest, RefusalsAndUsageErrors) {
    const auto angles = Call({"axial-member", "kind=四肢格构式-等边角钢", "name=L 20x3"});
    EXPECT_EQ(angles.status, 2);
    EXPECT_EQ(angles.out, "");
    EXPECT_EQ(angles.err, "呵呵: 还没来得及做\n");
    const auto net = Call({"axial-member", "net-factor=1.2"});
    EXPECT_EQ(net.status, 2);
    EXPECT_EQ(net.err, "请输入一个界于0.0和1.0之间的一个正实数\n");
    // A name of another kind's list.
    EXPECT_EQ(Call({"axial-member", "name=I10"}).status, 64);
    EXPECT_EQ(Call({"axial-member", "kind=热轧普通工字钢", "name=I10"}).status, 0);
    EXPECT_EQ(Call({"axial-member", "grade=Q500"}).status, 64);
}

TEST(AxialMemberEntryTest, NoFieldValueCrashesOrPrintsInfOrNan) {
    const char* const numeric[] = {"B1", "t1", "Tw", "Hw", "net-factor", "N", "lx", "ly"};
    const char* const values[] = {"", "0", "-1", "nan", "inf", "abc", "1e308", "-1e308", "1e-320"};
    for (const char* kind : {"马钢宽翼缘HW系列", "焊接工字形"}) {
        for (const char* field : numeric) {
            for (const char* value : values) {
                const auto run = Call({"axial-member", std::string("kind=") + kind, "y-check=1",
                                       std::string(field) + "=" + value});
                EXPECT_TRUE(run.status == 0 || run.status == 2) << field << "=" << value;
                EXPECT_EQ(run.out.find("inf"), std::string::npos) << field << "=" << value;
                EXPECT_EQ(run.out.find("nan"), std::string::npos) << field << "=" << value;
                EXPECT_EQ(run.status == 0, run.err.empty()) << field << "=" << value;
            }
        }
    }
}

} // namespace
