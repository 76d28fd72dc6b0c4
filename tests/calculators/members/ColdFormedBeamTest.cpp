#include <gtest/gtest.h>

#include "calculators/members/ColdFormedBeam.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;

namespace {

// The tail every report shares up to the φbx number.
std::string ReportHead(const char* mu, const char* xi1, const char* xi2, const char* xi,
                       const char* eta) {
    return std::string("根据GB50018-2002之表A.2.1，得：\r\n μb:") + mu + "\r\n ξ1:" + xi1 +
           "\r\n ξ2:" + xi2 +
           "\r\n 根据式A.2.1-3, ξ = 4 *Iω/(h^2 *Iy) +0.156 *It *L0^2 /(Iy *h^2) =" + xi +
           "\r\n 根据式A.2.1-2,η=2 *ξ2 *ea/h　=" + eta +
           "\r\n 根据式A.2.1-3,得对于单轴或双轴对称截面（包括反对称截面的简支梁）当绕对称轴弯曲时，"
           "其整体稳定系数 φbx =4320 *A *h *ξ1 *(sqrt(η^2 +ξ) +η)*235/(fy * λy^2* Wx)=";
}

const char* const kReducedLine = "\r\n φbx >0.7 ,按照A.2.1-4，φ'bx =1.091 - 0.274/φbx =";

// 卷槽80x40x15x2.0, load case 1 without lateral support, Q235, l = 3000 mm, ea = +10 mm:
// h' = 8 cm, L0 = 300 cm, λy = 300/1.5 = 200; ξ = 4*112.9/(64*7.79) + 0.156*0.0462*37.5^2/7.79
// = 0.9058 + 1.3011 = 2.2069; η = 2*0.46*1/8 = 0.115;
// φbx = 1015200*3.47*8*1.13*(sqrt(0.115^2 + 2.2069) + 0.115)/(235*200^2*8.54) = 0.637.
// With ea = -10 mm, η = -0.115 and φbx = 0.545.
const std::string kLippedChannelReport =
    ReportHead("1.00", "1.13", "0.46", "2.21", "0.12") + "0.637";

const std::string kPlainChannelText =
    "薄壁槽钢的参数:\r\n 截面积     ：2.74cm2\r\n 截面总高度 h：60.00mm\r\n 截面宽度 b  ：30.00mm"
    "\r\n 板厚度 t    ：2.50mm\r\n 每延米质量 ：2.15kg/m\r\n y轴与腹板外边缘间距：x00.883cm"
    "\r\n 惯性矩   Ix：14.38cm4\r\n 惯性矩   Iy：2.40cm4\r\n 惯性矩  Iy1：4.53cm4"
    "\r\n 回转半径 ix：2.31cm\r\n 回转半径 iy：0.94cm\r\n 抵抗矩   Wx：4.89cm3"
    "\r\n 抵抗矩Wymax：2.71cm3\r\n 抵抗矩Wymin：1.13cm3\r\n 弯心与形心间距：1.88cm"
    "\r\n 扭转惯性矩It  ：0.0571cm4\r\n 扇性惯性矩Iω ：12.21cm6\r\n         Wω1  ：4.72cm4"
    "\r\n           Wω2：2.51cm4";

const std::string kLippedChannelText =
    "卷边槽钢的参数:\r\n 截面积     ：3.47cm2\r\n 截面总高度 h ：80.00mm\r\n 截面宽度 b  ：40.00mm"
    "\r\n a：15.00mm\r\n 板厚度 t     ：2.00mm\r\n 每延米质量 ：2.72kg/m"
    "\r\n y轴与腹板外边缘间距 x0：1.452cm\r\n 惯性矩   Ix：34.16cm4\r\n 惯性矩   Iy：7.79cm4"
    "\r\n 惯性矩  Iy1：15.10cm4\r\n 回转半径 ix：3.14cm\r\n 回转半径 iy：1.50cm"
    "\r\n 抵抗矩   Wx：8.54cm3\r\n 抵抗矩Wymax：5.36cm3\r\n 抵抗矩Wymin：3.06cm3"
    "\r\n 弯心与形心间距：3.36cm\r\n 扭转惯性矩It  ：0.0462cm4\r\n 扇性惯性矩Iω ：112.90cm6"
    "\r\n         Wω1  ：16.03cm4\r\n           Wω2：15.74cm4";

const std::string kLippedZText =
    "卷边Z形钢的参数:\r\n 截面积：4.07cm2\r\n   h  ：100.00mm\r\n   b  ：40.00mm\r\n   a  ：20.00mm"
    "\r\n   t  ：2.00mm\r\n 每延米质量 ：3.19kg/m\r\n   θ ：24.017\r\n"
    "\r\n 关于x1--x1轴参数 \r\n     Ix1：60.04cm4\r\n     ix1：3.84cm\r\n     Wx1：12.01cm3 \r\n"
    "\r\n 关于y1--y1轴参数 \r\n     Iy1：17.02cm4\r\n     iy1：2.05cm\r\n     Wy1：4.36cm3 \r\n"
    "\r\n 关于x--x轴参数 \r\n     Ix：70.70cm4\r\n     ix：4.17cm\r\n     Wx1：15.9300cm3"
    "\r\n     Wx2：11.94cm3 \r\n"
    "\r\n 关于y--y轴参数 \r\n     Iy：6.36cm4\r\n     iy：1.25cm\r\n     Wy1：3.3600cm3"
    "\r\n     Wy2：4.42cm3 \r\n"
    "\r\n   Ix1y1：23.93cm4\r\n   It：0.0542cm4\r\n   Iw：325.00cm6\r\n   k：0.0081cm-1"
    "\r\n   Ww1：49.97cm4\r\n   Ww2：29.16cm4";

const std::string kLightHText =
    "大通高频焊接轻型H型钢参数表:\r\n A  ：5.35cm2\r\n H  ：100.00mm\r\n B  ：50.00mm"
    "\r\n Tw ：2.30mm\r\n Tf ：3.20mm\r\n 每延米质量 ：4.200kg/m\r\n Ix ：90.71cm4"
    "\r\n Iy ：6.68cm4\r\n ix ：4.12cm\r\n iy ：1.12cm\r\n Wx ：18.14cm3\r\n Wy ：2.67cm3"
    "\r\n Iw ：146.02cm6\r\n It ：0.15cm4";

TEST(ColdFormedBeamSection, EachKindsPropertyTextAndKeptValues) {
    struct Case {
        const char* name;
        const std::string* text;
        CFBeamSection kept; // A, h, Wx, Iω, Iy, It, iy
    };
    const Case cases[] = {
        {"薄槽60x30x2.5", &kPlainChannelText, {2.74, 60, 4.89, 12.21, 2.4, 0.0571, 0.94}},
        {"卷槽80x40x15x2.0", &kLippedChannelText, {3.47, 80, 8.54, 112.9, 7.79, 0.0462, 1.5}},
        // The Z keeps Wx of point 1 about x–x and Iy, iy of the principal axis y–y.
        {"卷Z100x40x20x2.0", &kLippedZText, {4.07, 100, 15.93, 325.0, 6.36, 0.0542, 1.25}},
        {"大通H100x50x2.3x3.2", &kLightHText, {5.35, 100, 18.14, 146.02, 6.68, 0.147, 1.12}},
    };
    for (const Case& c : cases) {
        const CFBeamSectionLoad load = LoadColdFormedBeamSection(c.name);
        EXPECT_TRUE(load.recognised && load.found) << c.name;
        EXPECT_EQ(load.text, *c.text) << c.name;
        EXPECT_TRUE(load.notices.empty());
        const double kept[] = {load.values.A,  load.values.h,  load.values.Wx, load.values.Iw,
                               load.values.Iy, load.values.It, load.values.iy};
        const double want[] = {c.kept.A,  c.kept.h,  c.kept.Wx, c.kept.Iw,
                               c.kept.Iy, c.kept.It, c.kept.iy};
        for (int i = 0; i < 7; ++i) {
            EXPECT_FLOAT_EQ(kept[i], want[i]) << c.name << " value " << i;
        }
    }
}

TEST(ColdFormedBeamSection, UnknownNamesAndForeignBeginnings) {
    const CFBeamSectionLoad missing = LoadColdFormedBeamSection("卷槽80x40x15x2.1");
    EXPECT_TRUE(missing.recognised);
    EXPECT_FALSE(missing.found);
    EXPECT_TRUE(missing.text.empty());
    EXPECT_EQ(missing.values.A, 0);
    ASSERT_EQ(missing.notices.size(), 1u);
    EXPECT_EQ(missing.notices[0], InputError("截面库中没有这个截面：卷槽80x40x15x2.1"));
    // "卷Z1" begins every lipped Z name; anything else is not a section of this dialog.
    for (const char* name : {"HW200x200", "卷Z", "方钢管25x1.5", ""}) {
        EXPECT_FALSE(LoadColdFormedBeamSection(name).recognised) << name;
    }
}

ColdFormedBeamInput LippedChannel(double l, double ea) {
    ColdFormedBeamInput in;
    in.section = LoadColdFormedBeamSection("卷槽80x40x15x2.0").values;
    in.l = l;
    in.ea = ea;
    return in;
}

TEST(ColdFormedBeam, LoadAboveAndBelowTheShearCentreDiffer) {
    const ColdFormedBeamResult above = ComputeColdFormedBeam(LippedChannel(3000, 10));
    EXPECT_EQ(above.report.value(), kLippedChannelReport);
    EXPECT_NEAR(above.eta, 0.115, 1e-12);
    EXPECT_FALSE(above.phiBxReduced.has_value());
    const ColdFormedBeamResult below = ComputeColdFormedBeam(LippedChannel(3000, -10));
    EXPECT_EQ(below.report.value(), ReportHead("1.00", "1.13", "0.46", "2.21", "-0.12") + "0.545");
    EXPECT_NEAR(above.xi, below.xi, 1e-15);
}

TEST(ColdFormedBeam, PureBendingTakesNoLoadPosition) {
    // Case 3, no support: μb = ξ1 = 1, ξ2 = 0, so η = 0 for any ea and
    // φbx = 1015200*A*h'*sqrt(ξ)/(fy*λy^2*Wx). 薄槽60x30x2.5, l = 1000 mm: λy = 100/0.94,
    // ξ = 4*12.21/(36*2.4) + 0.156*0.0571*(100/6)^2/2.4 = 0.56528 + 1.03097 = 1.59625;
    // φbx = 1015200*2.74*6*1.26343/(235*11317.34*4.89) = 1.621, φ'bx = 1.091 - 0.274/1.621 = 0.922.
    ColdFormedBeamInput in;
    in.section = LoadColdFormedBeamSection("薄槽60x30x2.5").values;
    in.loadCase = static_cast<int>(CFBeamLoadCase::EqualEndMoments);
    for (double ea : {20.0, -20.0, 0.0}) {
        in.ea = ea;
        const ColdFormedBeamResult r = ComputeColdFormedBeam(in);
        EXPECT_EQ(r.report.value(), ReportHead("1.00", "1.00", "0.00", "1.60", "0.00") + "1.621" +
                                        kReducedLine + "0.922")
            << ea;
    }
}

TEST(ColdFormedBeam, BracingShortensTheSpanAndQ345Divides) {
    // 大通H100x50x2.3x3.2, case 2 with one support at mid-span, Q345, l = 3000, ea = -20:
    // L0 = 150 cm, λy = 150/1.12, ξ2 = 0 so η = 0;
    // ξ = 4*146.02/(100*6.68) + 0.156*0.147*15^2/6.68 = 0.87437 + 0.77241 = 1.64678;
    // φbx = 1015200*5.35*10*1.83*sqrt(1.64678)/(345*17936.86*18.14) = 1.136, φ'bx = 0.850.
    ColdFormedBeamInput in;
    in.section = LoadColdFormedBeamSection("大通H100x50x2.3x3.2").values;
    in.loadCase = static_cast<int>(CFBeamLoadCase::MidSpanLoad);
    in.bracing = static_cast<int>(CFBeamBracing::MidSpan);
    in.grade = 1;
    in.l = 3000;
    in.ea = -20;
    const ColdFormedBeamResult q345 = ComputeColdFormedBeam(in);
    EXPECT_EQ(q345.report.value(), ReportHead("0.50", "1.83", "0.00", "1.65", "0.00") + "1.136" +
                                       kReducedLine + "0.850");
    in.grade = 0;
    EXPECT_DOUBLE_EQ(ComputeColdFormedBeam(in).phiBx * 235, q345.phiBx * 345);
    // The same beam with no support: L0 doubles, λy doubles.
    in.bracing = static_cast<int>(CFBeamBracing::None);
    in.loadCase = static_cast<int>(CFBeamLoadCase::EqualEndMoments);
    const double free = ComputeColdFormedBeam(in).xi;
    in.bracing = static_cast<int>(CFBeamBracing::MidSpan);
    in.l = 6000;
    EXPECT_DOUBLE_EQ(ComputeColdFormedBeam(in).xi, free);
}

TEST(ColdFormedBeam, LippedZWithTwoSupports) {
    // 卷Z100x40x20x2.0, case 5 with two or more supports (μb = 0.33, ξ1 = 1.75), l = 2000:
    // L0 = 66 cm, λy = 52.8; ξ = 4*325/(100*6.36) + 0.156*0.0542*6.6^2/6.36 = 2.04403 + 0.05791;
    // φbx = 1015200*4.07*10*1.75*sqrt(2.10194)/(235*2787.84*15.93) = 10.045, φ'bx = 1.064.
    ColdFormedBeamInput in;
    in.section = LoadColdFormedBeamSection("卷Z100x40x20x2.0").values;
    in.loadCase = static_cast<int>(CFBeamLoadCase::OneEndMoment);
    in.bracing = static_cast<int>(CFBeamBracing::TwoOrMore);
    in.l = 2000;
    EXPECT_EQ(ComputeColdFormedBeam(in).report.value(),
              ReportHead("0.33", "1.75", "0.00", "2.10", "0.00") + "10.045" + kReducedLine +
                  "1.064");
}

TEST(ColdFormedBeam, ReductionAboveSevenTenthsOnly) {
    EXPECT_FALSE(ReducedBeamPhi(0.7).has_value());
    EXPECT_NEAR(ReducedBeamPhi(2).value(), 0.954, 1e-12);
    EXPECT_NEAR(ReducedBeamPhi(1e9).value(), 1.091, 1e-9); // no upper limit of 1.0
    const CFBeamFactors f{1.0, 1.13, 0.46};
    EXPECT_EQ(ColdFormedBeamReport(f, 1, 0, 0.7),
              ReportHead("1.00", "1.13", "0.46", "1.00", "0.00") + "0.700");
    EXPECT_EQ(ColdFormedBeamReport(f, 1, 0, 2), ReportHead("1.00", "1.13", "0.46", "1.00", "0.00") +
                                                    "2.000" + kReducedLine + "0.954");
}

TEST(ColdFormedBeam, ZeroSpanOrSectionValuesAreRefused) {
    const Notice span = InputError("梁的跨度l必须是大于0的数");
    for (double l : {0.0, -1000.0}) {
        const ColdFormedBeamResult r = ComputeColdFormedBeam(LippedChannel(l, 0));
        EXPECT_FALSE(r.report.has_value());
        EXPECT_EQ(r.notices, std::vector<Notice>{span});
    }
    const Notice section =
        InputError("截面参数不全：A、h、Wx、Iy、iy、扇性惯性矩Iω和扭转惯性矩It都必须大于0");
    double CFBeamSection::*const members[] = {
        &CFBeamSection::A,  &CFBeamSection::h,  &CFBeamSection::Wx, &CFBeamSection::Iw,
        &CFBeamSection::Iy, &CFBeamSection::It, &CFBeamSection::iy};
    for (auto member : members) {
        ColdFormedBeamInput in = LippedChannel(3000, 0);
        in.section.*member = 0;
        EXPECT_EQ(ComputeColdFormedBeam(in).notices, std::vector<Notice>{section});
    }
    // Spans beyond the range of a double are refused rather than printed as inf or nan.
    for (double l : {1e300, 1e-300}) {
        const ColdFormedBeamResult r = ComputeColdFormedBeam(LippedChannel(l, 0));
        EXPECT_FALSE(r.report.has_value()) << l;
        EXPECT_EQ(r.notices.at(0), InputError("输入的数值超出了可以计算的范围"));
    }
}

TEST(ColdFormedBeamEntry, PropertyTextThenReport) {
    const auto run = test::Call(
        {"coldformed-beam", "kind=卷边槽钢(C形钢)", "name=卷槽80x40x15x2.0", "l=3000", "ea=10"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              cli::ToUnixLines(kLippedChannelText + "\r\n\r\n" + kLippedChannelReport) + "\n");
    const auto h =
        test::Call({"coldformed-beam", "kind=大通薄壁H型钢", "name=大通H100x50x2.3x3.2", "case=2",
                    "bracing=跨中设一道侧向支承", "grade=Q345", "l=3000", "ea=-20"});
    EXPECT_NE(h.out.find("=1.136\n φbx >0.7"), std::string::npos);

    EXPECT_EQ(test::Call({"coldformed-beam", "l=0"}).status, 2);
    EXPECT_EQ(test::Call({"coldformed-beam", "l=0"}).err, "输入错误: 梁的跨度l必须是大于0的数\n");
    EXPECT_EQ(test::Call({"coldformed-beam", "name=卷槽80x40x15x2.0"}).status, 64);
    EXPECT_EQ(test::Call({"coldformed-beam", "case=8"}).status, 64);
    for (const char* value : {"", "-5", "nan", "inf", "x", "1e308", "1e-310", "1e200"}) {
        for (const char* field : {"l", "ea"}) {
            const auto r = test::Call({"coldformed-beam", std::string(field) + "=" + value});
            EXPECT_TRUE(r.status == 0 || r.status == 2) << field << "=" << value;
            EXPECT_EQ(r.out.find("nan"), std::string::npos) << field << "=" << value;
            EXPECT_EQ(r.out.find("inf"), std::string::npos) << field << "=" << value;
        }
    }
}

} // namespace
