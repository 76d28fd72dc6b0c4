#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "calculators/joints/SeatedPinned.h"
#include "cli/Registry.h"
#include "engine/Format.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

std::string Report(double s1, double s2, double s3, double top, double tau) {
    return " 焊缝σ_1:" + Fmt2(s1) + "N/mm2\r\n σ_2:" + Fmt2(s2) + "N/mm2\r\n σ_3:" + Fmt2(s3) +
           "N/mm2\r\n 梁托翼缘1处 σ_Top:" + Fmt2(top) +
           "N/mm2\r\n 梁托腹板最大剪力 τ:" + Fmt2(tau) + "N/mm2";
}

// The opening inputs, worked by hand: M = 50·45·1000; lwH = 75 − 12 = 63, lwV = 100 − 6 − 12 = 82;
// Σ = 2·(6·63 + 6·82) = 1740; yc = (378·(105 + 91) + 984·41) / 1740 = 65.7655;
// I = 0.7·(378·(104.1² + 91.9²) + 984·41²) + 1.4·6·82³/12 − 0.7·1740·yc² = 1 377 983 mm4;
// τV = 50000 / (1.4·6·82) = 72.59; σ_1 = M·(100 − 6 + 8 + 4.2 − yc)/I = 66.02;
// σ_2 = sqrt((M·yc/I)² + τV²) = 129.62; σ_3 = sqrt((M·(82 − yc)/I)² + τV²) = 77.28.
// T bracket: yb = (700·50 + 600·104) / 1300 = 74.923, Ix = 1 528 626, S = 7·yb²/2 = 19 647;
// σ_Top = M·(108 − yb)/Ix = 48.69, τ = 50000·S/(Ix·7) = 91.81.
TEST(SeatedPinned, OpeningInputs) {
    const SeatedPinnedResult r = ComputeSeatedPinned(SeatedPinnedInput{});
    EXPECT_EQ(r.m, 2250000);
    EXPECT_EQ(r.lwH, 63);
    EXPECT_EQ(r.lwV, 82);
    EXPECT_EQ(r.yH1, 105);
    EXPECT_EQ(r.yH2, 91);
    EXPECT_EQ(r.legArea, 1740);
    EXPECT_NEAR(r.yc, 65.765517, 1e-6);
    EXPECT_NEAR(r.i, 1377982.96, 0.01);
    EXPECT_EQ(Fmt2(r.tauV), "72.59");
    EXPECT_NEAR(r.ix, 1528625.64, 0.01);
    EXPECT_NEAR(r.yb, 74.923077, 1e-6);
    EXPECT_NEAR(r.s, 19647.136, 1e-3);
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, " 焊缝σ_1:66.02N/mm2\r\n σ_2:129.62N/mm2\r\n σ_3:77.28N/mm2\r\n"
                         " 梁托翼缘1处 σ_Top:48.69N/mm2\r\n 梁托腹板最大剪力 τ:91.81N/mm2");
    EXPECT_TRUE(r.notices.empty());
}

TEST(SeatedPinned, HandWorkedCases) {
    struct Case {
        SeatedPinnedInput in;
        std::string report;
    };
    SeatedPinnedInput noArm;
    noArm.d1 = 0;
    noArm.d2 = 0;
    // A larger bracket: wf 150, tf 10, hw 200, tw 10, cl 8, hfH 8, hfV 7, d1 15, d2 40, V 150.
    // lwH 134, lwV 178, Σ 4636, yc 139.409, I 14 281 848, τV 85.99, yb 145.
    SeatedPinnedInput large;
    large.wf = 150;
    large.tf = 10;
    large.hw = 200;
    large.tw = 10;
    large.cl = 8;
    large.hfH = 8;
    large.hfV = 7;
    large.d1 = 15;
    large.d2 = 40;
    large.v = 150;
    // No corner cut-out: lwV = 100 − 0 − 12 = 88, Σ = 2·(378 + 528) = 1812,
    // yc = (378·196 + 1056·44)/1812 = 66.530, I = 1 396 040, τV = 50000/(1.4·6·88) = 67.64;
    // the bracket's T section does not see the cut-out (σ_Top and τ as at the opening).
    SeatedPinnedInput noCutOut;
    noCutOut.cl = 0;
    const Case cases[] = {
        // No lever arm: no bending, the web welds carry the shear alone.
        {noArm, Report(0, 72.59, 72.59, 0, 91.81)},
        {noCutOut, Report(63.94, 126.78, 75.98, 48.69, 91.81)},
        {large, Report(39.97, 117.81, 88.83, 33.25, 97.77)},
    };
    for (const Case& c : cases) {
        const SeatedPinnedResult r = ComputeSeatedPinned(c.in);
        ASSERT_TRUE(r.report);
        EXPECT_EQ(*r.report, c.report);
    }
}

TEST(SeatedPinned, InputsOutsideTheCheckChangeNothing) {
    SeatedPinnedInput in;
    in.lf = 250;
    in.betaF = 1.2;
    EXPECT_EQ(ComputeSeatedPinned(in).report, ComputeSeatedPinned(SeatedPinnedInput{}).report);
}

TEST(SeatedPinned, DegenerateInputsAreRefused) {
    struct Case {
        const char* what;
        SeatedPinnedInput in;
        const char* text;
    };
    auto with = [](auto set) {
        SeatedPinnedInput in;
        set(in);
        return in;
    };
    const char* flangeWeld =
        "支托翼缘焊缝的计算长度lw=wf-2*hf_H不大于0，请加大翼缘宽度wf或减小焊脚尺寸hf_H";
    const char* webWeld = "支托腹板焊缝的计算长度lw=hw-cl-2*hf_V不大于0，请加大腹板高度hw或减小"
                          "切角边长cl、焊脚尺寸hf_V";
    const Case cases[] = {
        {"wf = 2·hfH", with([](auto& in) { in.wf = 12; }), flangeWeld},
        {"blank wf", with([](auto& in) { in.wf = 0; }), flangeWeld},
        {"hw = cl + 2·hfV", with([](auto& in) { in.hw = 18; }), webWeld},
        {"large cut-out", with([](auto& in) { in.cl = 95; }), webWeld},
        {"hfV 0", with([](auto& in) { in.hfV = 0; }), "焊脚尺寸hf_H和hf_V必须大于0"},
        {"hfH < 0", with([](auto& in) { in.hfH = -6; }), "焊脚尺寸hf_H和hf_V必须大于0"},
        {"tw 0", with([](auto& in) { in.tw = 0; }), "支托翼缘和腹板的尺寸wf、tf、hw、tw必须大于0"},
        {"tf < 0", with([](auto& in) { in.tf = -8; }),
         "支托翼缘和腹板的尺寸wf、tf、hw、tw必须大于0"},
        // A negative cut-out is refused whatever it would do to the web welds.
        {"negative cut-out", with([](auto& in) { in.cl = -1; }), "切角边长cl不能小于0"},
        {"negative cut-out, short web", with([](auto& in) { in.cl = -0.5, in.hw = 10; }),
         "切角边长cl不能小于0"},
        {"V behind the face", with([](auto& in) { in.d2 = -11; }),
         "V的作用点到柱翼缘的距离d1+d2不能为负值"},
        {"huge V", with([](auto& in) { in.v = 1e306; }), "输入的数值过大，计算结果超出范围"},
    };
    for (const Case& c : cases) {
        const SeatedPinnedResult r = ComputeSeatedPinned(c.in);
        EXPECT_FALSE(r.report) << c.what;
        ASSERT_EQ(r.notices.size(), 1u) << c.what;
        EXPECT_EQ(r.notices[0], InputError(c.text)) << c.what;
    }
}

// --- ferrolab-calc seated-joint --------------------------------------------------------------

TEST(SeatedJointEntry, PrintsTheDialogsReport) {
    const CliRun defaults = Call({"seated-joint"});
    EXPECT_EQ(defaults.status, 0);
    EXPECT_EQ(defaults.out, " 焊缝σ_1:66.02N/mm2\n σ_2:129.62N/mm2\n σ_3:77.28N/mm2\n"
                            " 梁托翼缘1处 σ_Top:48.69N/mm2\n 梁托腹板最大剪力 τ:91.81N/mm2\n");
    const CliRun large =
        Call({"seated-joint", "wf=150", "tf=10", "hw=200", "tw=10", "cl=8", "hfH=8", "hfV=7",
              "d1=15", "d2=40", "V=150", "grade=Q345", "beta-angle=90", "beam=HN400x200",
              "column=HW400x400", "lf=250", "betaF=1.2"});
    EXPECT_EQ(large.status, 0);
    EXPECT_EQ(large.out.rfind(" 焊缝σ_1:39.97N/mm2\n σ_2:117.81N/mm2\n", 0), 0u);
    EXPECT_EQ(Call({"seated-joint", "beam=HM999"}).status, 64);
    const CliRun negativeCutOut = Call({"seated-joint", "cl=-1"});
    EXPECT_EQ(negativeCutOut.status, 2);
    EXPECT_EQ(negativeCutOut.out, "");
    EXPECT_EQ(negativeCutOut.err, "输入错误: 切角边长cl不能小于0\n");
    EXPECT_EQ(
        Call({"seated-joint", "cl=0"}).out.rfind(" 焊缝σ_1:63.94N/mm2\n σ_2:126.78N/mm2\n", 0), 0u);
    const CliRun fields = Call({"seated-joint", "--fields"});
    for (const char* field :
         {"d1=10", "d2=35", "lf=80", "wf=75", "tf=8", "hw=100", "tw=7", "cl=6", "hfH=6",
          "betaF=1.0", "hfV=6", "V=50.00", "grade=Q235", "beta-angle=0", "weld=双面角焊缝",
          "beam=HM194x150", "column=HW100x100"}) {
        EXPECT_NE(fields.out.find(std::string("  ") + field + "  "), std::string::npos) << field;
    }
}

TEST(SeatedJointEntry, NoFieldValueCrashesOrPrintsInfinity) {
    const char* numeric[] = {"d1", "d2", "lf",  "wf",    "tf",  "hw",
                             "tw", "cl", "hfH", "betaF", "hfV", "V"};
    const char* values[] = {"", "abc", "nan", "inf", "-1", "0", "1e308", "-1e308", "1e-300"};
    for (const char* field : numeric) {
        for (const char* value : values) {
            const CliRun run = Call({"seated-joint", std::string(field) + "=" + value});
            EXPECT_TRUE(run.status == 0 || run.status == 2) << field << '=' << value;
            EXPECT_EQ(run.out.find("inf"), std::string::npos) << field << '=' << value;
            EXPECT_EQ(run.out.find("nan"), std::string::npos) << field << '=' << value;
            if (run.status == 2) {
                EXPECT_TRUE(run.out.empty());
                EXPECT_EQ(run.err.rfind("输入错误: ", 0), 0u) << field << '=' << value;
            }
        }
    }
}

// ---- GB50017-2017 ----

// The opening bracket against ffw of table 4.4.5: σ_1 = 66.02, σ_2 = 129.62, σ_3 = 77.28 as above.
TEST(SeatedPinned2017, WeldStressesAgainstFfwOfTable445) {
    const std::tuple<const char*, const char*, const char*, double> welds[] = {
        {"Q235", "", "E43", 160},    {"Q345", "", "E50", 200}, {"Q345", "E55", "E55", 200},
        {"Q390", "E55", "E55", 220}, {"Q420", "", "E55", 220}, {"Q420", "E60", "E60", 240},
    };
    for (const auto& [grade, electrode, shown, ffw] : welds) {
        SeatedPinnedInput in;
        in.grade = grade;
        in.electrode = electrode;
        in.edition = kSteel2017;
        const SeatedPinnedResult r = ComputeSeatedPinned(in);
        ASSERT_TRUE(r.report) << grade;
        EXPECT_EQ(r.ffw, ffw) << grade;
        EXPECT_EQ(*r.report, Report(66.02, 129.62, 77.28, 48.69, 91.81) +
                                 "\r\n 角焊缝强度设计值ffw=" + Fmt2(ffw) +
                                 "N/mm2（GB50017-2017表4.4.5，" + grade + "钢，" + shown +
                                 "型焊条），焊缝σ_1、σ_2、σ_3均应不大于ffw（第11.2.2条，βf取1.0）");
        ASSERT_EQ(r.checks.size(), 3u);
        EXPECT_EQ(r.checks[1], (Check{"焊缝σ_2/ffw", r.sigma2, ffw}));
    }
    // The 2003 edition compares nothing.
    EXPECT_TRUE(ComputeSeatedPinned(SeatedPinnedInput{}).checks.empty());
    SeatedPinnedInput wrong;
    wrong.grade = "Q420";
    wrong.electrode = "E43";
    wrong.edition = kSteel2017;
    const SeatedPinnedResult refused = ComputeSeatedPinned(wrong);
    EXPECT_FALSE(refused.report);
    ASSERT_EQ(refused.notices.size(), 1u);
    EXPECT_EQ(refused.notices[0].text, "Q420钢不采用E43型焊条，请按GB50017-2017表4.4.5选择焊条");
}

TEST(SeatedJoint2017Entry, EditionAndElectrode) {
    const CliRun fields = Call({"seated-joint", "--fields"});
    for (const char* line :
         {"  edition=2003  (2003|2017)  规范版本: 2003 (GB50017-2003) or 2017 (GB50017-2017)\n",
          "  electrode=  焊条, edition=2017: E43 (Q235), E50|E55 (Q345, Q390), E55|E60 (Q420); "
          "left out: the first\n"}) {
        EXPECT_NE(fields.out.find(line), std::string::npos) << line;
    }
    const CliRun run = Call({"seated-joint", "edition=2017", "grade=Q345", "--verdict"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("ffw=200.00N/mm2（GB50017-2017表4.4.5，Q345钢，E50型焊条）"),
              std::string::npos)
        << run.out;
    // 129.62 / 200.
    EXPECT_NE(run.out.find("焊缝σ_2/ffw = 0.65"), std::string::npos) << run.out;
    EXPECT_EQ(Call({"seated-joint", "edition=2003"}).out, Call({"seated-joint"}).out);
    const std::pair<std::vector<std::string>, const char*> usage[] = {
        {{"electrode=E43"}, "ferrolab-calc: electrode needs edition=2017\n"},
        {{"edition=2017", "grade=Q420", "electrode=E50"},
         "ferrolab-calc: Q420 takes electrode E55|E60\n"},
    };
    for (const auto& [args, err] : usage) {
        std::vector<std::string> call = {"seated-joint"};
        call.insert(call.end(), args.begin(), args.end());
        const CliRun bad = Call(call);
        EXPECT_EQ(bad.status, cli::kExitUsage) << err;
        EXPECT_EQ(bad.err, err);
    }
}

} // namespace
