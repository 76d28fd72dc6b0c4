#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "calculators/joints/TubeJoint.h"
#include "engine/Format.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

TubeJointInput KJoint() {
    // 273×10 chord, compression branch 140×6 at 45°, tension branch 121×6 at 60°, a = 30,
    // σ = 120, both branch forces 300 kN.
    TubeJointInput in;
    in.kind = TubeJointKind::K;
    in.chordD = 273;
    in.chordT = 10;
    in.d1 = 140;
    in.theta1 = 45;
    in.d2 = 121;
    in.theta2 = 60;
    in.sigma = 120;
    in.n1 = 300;
    in.n2 = 300;
    return in;
}

// The opening X joint, Q235 (t 8: f 215, fy 235, ffw 160): β = 133/245 = 0.542857,
// ψn = 1 − 0.3·0.340426 − 0.3·0.340426² = 0.863105,
// NcX = 5.45/((1 − 0.81·β)·sin60°)·ψn·8²·215 = 11.23198·0.863105·13.76 = 133.39 kN;
// weld: lw = (3.25·133 − 0.025·245)·(0.534/sin60° + 0.466) = 426.125·1.082610 = 461.33,
// Nf = 0.7·6·461.33·160 = 310.01 kN.
TEST(TubeJoint, XJointInCompressionPasses) {
    const TubeJointResult r = ComputeTubeJoint(TubeJointInput{});
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, "-----节点几何（GB50017-2003第10章）-----\r\n"
                         "主管 D×t=245.00×8.00mm，f=215.00N/mm2，fy=235.00N/mm2，D/t=30.62\r\n"
                         "支管 d1×t1=133.00×6.00mm，θ1=60.00°，d1/D=0.5429\r\n"
                         "\r\n-----节点承载力（第10.3.3条）-----\r\n"
                         "主管压应力σ=80.00N/mm2，ψn=1-0.3*σ/fy-0.3*(σ/fy)^2=0.8631\r\n"
                         "β=d1/D=0.5429\r\n"
                         "受压支管：NcX=5.45/((1-0.81*β)*sinθ1)*ψn*t^2*f=133.39kN\r\n"
                         "N=100.00kN <= NcX=133.39kN，满足\r\n"
                         "\r\n-----支管与主管的连接焊缝（第10.3.2条）-----\r\n"
                         "he=0.7*hf=4.20mm，ffw=160.00N/mm2\r\n"
                         "d1/D≤0.65：lw=(3.25*d1-0.025*D)*(0.534/sinθ1+0.466)=461.33mm\r\n"
                         "Nf=0.7*hf*lw*ffw=310.01kN\r\n"
                         "N=100.00kN <= Nf=310.01kN，满足");
    ASSERT_EQ(r.checks.size(), 2u);
    EXPECT_EQ(VerdictLine(r.checks[0]), "支管轴力 N/NcX = 0.75  满足");
    EXPECT_EQ(VerdictLine(r.checks[1]), "支管焊缝 N/Nf = 0.32  满足");
    EXPECT_NEAR(r.psiN, 0.863105, 1e-6);
    EXPECT_NEAR(r.capacity1, 133.3947, 1e-4);
    EXPECT_TRUE(r.notices.empty());
}

// K joint: β = 140/273 = 0.512821, ψn = 1 − 0.3·0.510638 − 0.3·0.510638² = 0.768585,
// ψd = 0.069 + 0.93·β = 0.545923, ψa = 1 + 2.19/(1 + 7.5·30/273)·(1 − 20.1/33.9)·(1 − 0.77·β)
// = 1.2957, (D/t)^0.2 = 27.3^0.2 = 1.93671, NcK = 11.51/sin45°·1.93671·ψn·ψd·ψa·100·215·0.001
// = 368.64 kN, NtK = sin45°/sin60°·NcK = 300.99 kN. The branch axes meet at
// e = (140/(2 sin45°) + 121/(2 sin60°) + 30)·sin45°·sin60°/sin105° − 136.5 = −10.43 mm.
// Welds: lw1 = (455 − 6.825)·(0.534/sin45° + 0.466) = 547.31, Nf1 = 367.79;
// lw2 = (393.25 − 6.825)·1.082610 = 418.35, Nf2 = 281.13 < 300: the weld fails.
TEST(TubeJoint, KJointWithAFailingWeld) {
    const TubeJointResult r = ComputeTubeJoint(KJoint());
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, "-----节点几何（GB50017-2003第10章）-----\r\n"
                         "主管 D×t=273.00×10.00mm，f=215.00N/mm2，fy=235.00N/mm2，D/t=27.30\r\n"
                         "受压支管 d1×t1=140.00×6.00mm，θ1=45.00°，d1/D=0.5128\r\n"
                         "受拉支管 d2×t2=121.00×6.00mm，θ2=60.00°，d2/D=0.4432\r\n"
                         "间隙a=30.00mm，支管轴线交点偏心e=-10.43mm，e/D=-0.0382\r\n"
                         "\r\n-----节点承载力（第10.3.3条）-----\r\n"
                         "主管压应力σ=120.00N/mm2，ψn=1-0.3*σ/fy-0.3*(σ/fy)^2=0.7686\r\n"
                         "β=d1/D=0.5128\r\n"
                         "ψd=0.069+0.93*β=0.5459\r\n"
                         "ψa=1+(2.19/(1+7.5*a/D))*(1-20.1/(6.6+D/t))*(1-0.77*β)=1.2957\r\n"
                         "受压支管：NcK=11.51/sinθ1*(D/t)^0.2*ψn*ψd*ψa*t^2*f=368.64kN\r\n"
                         "受拉支管：NtK=sinθ1/sinθ2*NcK=300.99kN\r\n"
                         "N1=300.00kN <= NcK=368.64kN，满足\r\n"
                         "N2=300.00kN <= NtK=300.99kN，满足\r\n"
                         "\r\n-----支管与主管的连接焊缝（第10.3.2条）-----\r\n"
                         "he=0.7*hf=4.20mm，ffw=160.00N/mm2\r\n"
                         "d1/D≤0.65：lw=(3.25*d1-0.025*D)*(0.534/sinθ1+0.466)=547.31mm\r\n"
                         "Nf1=0.7*hf*lw*ffw=367.79kN\r\n"
                         "N1=300.00kN <= Nf1=367.79kN，满足\r\n"
                         "d2/D≤0.65：lw=(3.25*d2-0.025*D)*(0.534/sinθ2+0.466)=418.35mm\r\n"
                         "Nf2=0.7*hf*lw*ffw=281.13kN\r\n"
                         "N2=300.00kN > Nf2=281.13kN，不满足");
    ASSERT_EQ(r.checks.size(), 4u);
    EXPECT_EQ(VerdictLine(r.checks[0]), "受压支管 N1/NcK = 0.81  满足");
    EXPECT_EQ(VerdictLine(r.checks[1]), "受拉支管 N2/NtK = 1.00  满足");
    EXPECT_EQ(VerdictLine(r.checks[2]), "受压支管焊缝 N1/Nf1 = 0.82  满足");
    EXPECT_EQ(VerdictLine(r.checks[3]), "受拉支管焊缝 N2/Nf2 = 1.07  不满足");
    EXPECT_NEAR(r.psiA, 1.29574, 1e-5);
    EXPECT_NEAR(r.eccentricity, -10.4314, 1e-4);
    // A gap of zero is refused (a >= t1 + t2); the gap term at a = t1 + t2 = 12:
    // ψa = 1 + 2.19/(1 + 7.5·12/273)·0.407080·0.605128 = 1.40572, NcK = 399.93 kN.
    TubeJointInput tight = KJoint();
    tight.gap = 12;
    const TubeJointResult t = ComputeTubeJoint(tight);
    ASSERT_TRUE(t.report);
    EXPECT_NEAR(t.psiA, 1.40572, 1e-5);
    EXPECT_NE(t.report->find("NcK=11.51/sinθ1*(D/t)^0.2*ψn*ψd*ψa*t^2*f=399.93kN"),
              std::string::npos);
}

TEST(TubeJoint, HandWorkedCapacities) {
    struct Case {
        const char* what;
        TubeJointInput in;
        std::vector<std::string> lines;
        std::string verdict; // the joint's check
    };
    auto with = [](auto set) {
        TubeJointInput in;
        set(in);
        return in;
    };
    const Case cases[] = {
        // X in tension: NtX = 0.78·30.625^0.2·NcX = 0.78·1.982509·133.3947 = 206.28.
        {"X tension",
         with([](auto& in) { in.tension = true, in.n1 = 210; }),
         {"受压支管：NcX=5.45/((1-0.81*β)*sinθ1)*ψn*t^2*f=133.39kN",
          "受拉支管：NtX=0.78*(D/t)^0.2*NcX=206.28kN", "N=210.00kN > NtX=206.28kN，不满足"},
         "支管轴力 N/NtX = 1.02  不满足"},
        // T at 90° on a chord in tension: 219×8, d1 114: ψd = 0.069 + 0.93·0.520548 = 0.553110,
        // NcT = 11.51·27.375^0.2·ψd·13.76 = 11.51·1.938522·0.553110·13.76 = 169.81,
        // NtT = 1.4·NcT = 237.74 (β <= 0.6).
        {"T tension",
         with([](auto& in) {
             in.kind = TubeJointKind::T, in.chordD = 219, in.d1 = 114, in.theta1 = 90,
             in.sigma = -20, in.tension = true;
         }),
         {"主管受拉，ψn=1.0", "ψd=0.069+0.93*β=0.5531",
          "NcT=11.51/sinθ1*(D/t)^0.2*ψn*ψd*t^2*f=169.81kN",
          "受拉支管（β≤0.6）：NtT=1.4*NcT=237.74kN"},
         "支管轴力 N/NtT = 0.42  满足"},
        // T in compression, a large branch: 219×8, d1 159 at 60°, chord unstressed: β = 0.726027,
        // ψd = 2β − 0.68 = 0.772055, NcT = 11.51/sin60°·1.938522·0.772055·13.76 = 273.70;
        // di/D > 0.65: lw = (3.81·159 − 0.389·219)·1.082610 = 563.61, Nf = 378.74.
        {"T compression, β > 0.7",
         with([](auto& in) {
             in.kind = TubeJointKind::T, in.chordD = 219, in.d1 = 159, in.sigma = 0, in.n1 = 280;
         }),
         {"ψd=2*β-0.68=0.7721", "NcT=11.51/sinθ1*(D/t)^0.2*ψn*ψd*t^2*f=273.70kN",
          "d1/D>0.65：lw=(3.81*d1-0.389*D)*(0.534/sinθ1+0.466)=563.61mm",
          "Nf=0.7*hf*lw*ffw=378.74kN"},
         "支管轴力 N/NcT = 1.02  不满足"},
        // The same in tension, β > 0.6: NtT = (2 − 0.726027)·273.70 = 348.69.
        {"T tension, β > 0.6",
         with([](auto& in) {
             in.kind = TubeJointKind::T, in.chordD = 219, in.d1 = 159, in.sigma = 0,
             in.tension = true, in.n1 = 280;
         }),
         {"受拉支管（β>0.6）：NtT=(2-β)*NcT=348.69kN"},
         "支管轴力 N/NtT = 0.80  满足"},
        // Q345 (t 8: f 310, fy 345, ffw 200): ψn = 1 − 0.3·0.231884 − 0.3·0.231884² = 0.914304,
        // NcX = 11.23198·0.914304·64·310·0.001 = 203.75.
        {"Q345",
         with([](auto& in) { in.grade = kQ345; }),
         {"f=310.00N/mm2，fy=345.00N/mm2", "ψn=1-0.3*σ/fy-0.3*(σ/fy)^2=0.9143",
          "NcX=5.45/((1-0.81*β)*sinθ1)*ψn*t^2*f=203.75kN", "ffw=200.00N/mm2"},
         "支管轴力 N/NcX = 0.49  满足"},
    };
    for (const Case& c : cases) {
        const TubeJointResult r = ComputeTubeJoint(c.in);
        ASSERT_TRUE(r.report) << c.what;
        for (const std::string& line : c.lines) {
            EXPECT_NE(r.report->find(line), std::string::npos) << c.what << ": " << line;
        }
        ASSERT_FALSE(r.checks.empty()) << c.what;
        EXPECT_EQ(VerdictLine(r.checks[0]), c.verdict) << c.what;
    }
}

TEST(TubeJoint, WeldLengthUsesTheConstant0466) {
    // At 90° the angle term is 0.534 + 0.466 = 1: lw = 3.25·100 − 0.025·200 = 320.
    EXPECT_DOUBLE_EQ(TubeWeldLength(100, 200, 90), 320);
    // At 45°: 0.534·sqrt(2) + 0.466 = 1.2211900 (the 0.446 print would give 1.2011900).
    EXPECT_NEAR(TubeWeldLength(140, 273, 45), 547.3068, 1e-4); // 448.175·1.2211900
    // di/D = 0.65 still takes the first formula; above it the second.
    EXPECT_DOUBLE_EQ(TubeWeldLength(130, 200, 90), 3.25 * 130 - 0.025 * 200);
    EXPECT_DOUBLE_EQ(TubeWeldLength(131, 200, 90), 3.81 * 131 - 0.389 * 200);
}

TEST(TubeJoint, ValidityLimitsAreRefusedNamingTheLimit) {
    struct Case {
        const char* what;
        TubeJointInput in;
        std::string text;
    };
    auto with = [](auto set) {
        TubeJointInput in;
        set(in);
        return in;
    };
    auto k = [](auto set) {
        TubeJointInput in = KJoint();
        set(in);
        return in;
    };
    const Case cases[] = {
        {"blank D", with([](auto& in) { in.chordD = 0; }),
         "主管和支管的外径、壁厚及焊脚尺寸hf必须大于0"},
        {"negative t1", with([](auto& in) { in.t1 = -6; }),
         "主管和支管的外径、壁厚及焊脚尺寸hf必须大于0"},
        {"blank hf", with([](auto& in) { in.hf = 0; }),
         "主管和支管的外径、壁厚及焊脚尺寸hf必须大于0"},
        {"K: blank t2", k([](auto& in) { in.t2 = 0; }),
         "主管和支管的外径、壁厚及焊脚尺寸hf必须大于0"},
        {"blank N", with([](auto& in) { in.n1 = 0; }), "支管轴力N必须大于0（按绝对值输入）"},
        {"K: negative N2", k([](auto& in) { in.n2 = -5; }),
         "支管轴力N1、N2必须大于0（按绝对值输入）"},
        {"solid chord", with([](auto& in) { in.chordT = 130; }), "钢管的壁厚必须小于外径的一半"},
        {"chord wall past the table", with([](auto& in) { in.chordD = 400, in.chordT = 110; }),
         "主管壁厚t超出GB50017-2003表3.4.1-1的范围"},
        // Q235, t 2: D/t = 122.5 > 100.
        {"slender chord", with([](auto& in) { in.chordT = 2, in.t1 = 2, in.hf = 4; }),
         "主管的外径与壁厚之比D/t=122.50超过100*(235/fy)=100.00，不符合GB50017-2003第10.1.2条"},
        // Q345: 100·235/345 = 68.12 < 245/3 = 81.67.
        {"slender chord, Q345", with([](auto& in) { in.grade = kQ345, in.chordT = 3, in.t1 = 3; }),
         "主管的外径与壁厚之比D/t=81.67超过100*(235/fy)=68.12，不符合GB50017-2003第10.1.2条"},
        // 133/2 = 66.5 > 60.
        {"slender branch", with([](auto& in) { in.t1 = 2, in.hf = 4; }),
         "支管的外径与壁厚之比d1/t1=66.50超过60.00（di/ti≤60且≤100*(235/fy)），"
         "不符合GB50017-2003第10.1.2、10.3.3条"},
        // Q420 (fy 420 at t 2.5): 100·235/420 = 55.95 governs over 60; 140/2.5 = 56.
        {"slender branch, Q420",
         with([](auto& in) { in.grade = kQ420, in.d1 = 140, in.t1 = 2.5, in.hf = 4; }),
         "支管的外径与壁厚之比d1/t1=56.00超过55.95（di/ti≤60且≤100*(235/fy)），"
         "不符合GB50017-2003第10.1.2、10.3.3条"},
        {"small branch", with([](auto& in) { in.d1 = 45, in.t1 = 3; }),
         "支管与主管的外径之比β=d1/D=0.1837不在0.2～1.0的范围内，不符合GB50017-2003第10.3.3条"},
        {"branch wider than the chord", with([](auto& in) { in.d1 = 250; }),
         "支管与主管的外径之比β=d1/D=1.0204不在0.2～1.0的范围内，不符合GB50017-2003第10.3.3条"},
        {"branch wall thicker", with([](auto& in) { in.t1 = 10; }),
         "支管壁厚t1=10.00mm大于主管壁厚t=8.00mm，主管的壁厚不应小于支管的壁厚"},
        {"flat branch", with([](auto& in) { in.theta1 = 25; }),
         "支管轴线与主管轴线的夹角θ1=25.00°不在30°～90°的范围内，不符合GB50017-2003第10.3."
         "3条（θ≥30°）"},
        {"K: obtuse tension branch", k([](auto& in) { in.theta2 = 120; }),
         "受拉支管轴线与主管轴线的夹角θ2=120.00°不在30°～90°的范围内，不符合GB50017-2003第10.3."
         "3条（θ≥30°）"},
        {"weld leg over 2·t1", with([](auto& in) { in.hf = 13; }),
         "焊脚尺寸hf=13.00mm大于2*t1=12.00mm，支管与主管的角焊缝焊脚尺寸不宜大于支管壁厚的2倍"},
        {"K: gap below t1 + t2", k([](auto& in) { in.gap = 10; }),
         "两支管间的间隙a=10.00mm小于t1+t2=12.00mm，不符合K形间隙节点a≥t1+t2的规定"},
        {"K: overlapping branches", k([](auto& in) { in.gap = -20; }),
         "两支管间的间隙a=-20.00mm小于t1+t2=12.00mm，不符合K形间隙节点a≥t1+t2的规定"},
        // a = 160: e = (98.995 + 69.859 + 160)·0.633975 − 136.5 = 71.99, e/D = 0.2637.
        {"K: eccentricity above 0.25", k([](auto& in) { in.gap = 160; }),
         "支管轴线交点的偏心e/D=0.2637不在-0.55～0.25的范围内，不符合GB50017-2003第10.1.5条"},
        // Two branches at right angles never meet.
        {"K: parallel branches", k([](auto& in) { in.theta1 = 90, in.theta2 = 90; }),
         "支管轴线交点的偏心e/D="},
        {"overstressed chord", with([](auto& in) { in.sigma = 220; }),
         "主管压应力σ=220.00N/mm2大于主管的强度设计值f=215.00N/mm2"},
        // A wall so thin that D/t leaves the doubles.
        {"vanishing wall", with([](auto& in) { in.chordT = 1e-320; }),
         "输入的数值超出了可以计算的范围"},
        {"infinite force", with([](auto& in) { in.n1 = std::numeric_limits<double>::infinity(); }),
         "输入的数值超出了可以计算的范围"},
    };
    for (const Case& c : cases) {
        const TubeJointResult r = ComputeTubeJoint(c.in);
        EXPECT_FALSE(r.report) << c.what;
        EXPECT_TRUE(r.checks.empty()) << c.what;
        ASSERT_EQ(r.notices.size(), 1u) << c.what;
        EXPECT_EQ(r.notices[0].caption, "输入错误") << c.what;
        EXPECT_EQ(r.notices[0].text.rfind(c.text, 0), 0u) << c.what << ": " << r.notices[0].text;
    }
    // The limits themselves are allowed: θ = 30°, a = t1 + t2, hf = 2·t1, β = 1 (d1 = D would
    // need t1 <= t: 245×8 on 245×8), σ = f.
    for (const TubeJointInput& in :
         {with([](auto& in) { in.theta1 = 30; }), with([](auto& in) { in.hf = 12; }),
          with([](auto& in) { in.d1 = 245, in.t1 = 8; }), with([](auto& in) { in.sigma = 215; }),
          k([](auto& in) { in.gap = 12; })}) {
        EXPECT_TRUE(ComputeTubeJoint(in).report);
    }
}

// --- GB50017-2017 ------------------------------------------------------------------------------

// The opening X joint on Q345 with N = 202 kN. Table 4.4.1 gives f = 305 for t 8 (2003: 310),
// fy = 345: ψn = 1 − 0.3·0.231884 − 0.3·0.231884² = 0.914304,
// NcX = 11.23198·0.914304·8²·305 = 200.46 kN < 202 (2003: ·310 = 203.75 > 202);
// weld ffw = 200 (E50, table 4.4.5): Nf = 0.7·6·461.33·200 = 387.51 kN.
TEST(TubeJoint2017, XJointOnQ345FailsWhere2003Passes) {
    TubeJointInput in;
    in.edition = kSteel2017;
    in.grade = kQ345;
    in.n1 = 202;
    const TubeJointResult r = ComputeTubeJoint(in);
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report,
              "-----节点几何（GB50017-2017第13章）-----\r\n"
              "主管 D×t=245.00×8.00mm，f=305.00N/mm2，fy=345.00N/mm2（表4.4.1），D/t=30.62\r\n"
              "支管 d1×t1=133.00×6.00mm，θ1=60.00°，d1/D=0.5429\r\n"
              "\r\n-----节点承载力（第13.3.2条）-----\r\n"
              "主管压应力σ=80.00N/mm2，ψn=1-0.3*σ/fy-0.3*(σ/fy)^2=0.9143\r\n"
              "β=d1/D=0.5429\r\n"
              "受压支管：NcX=5.45/((1-0.81*β)*sinθ1)*ψn*t^2*f=200.46kN\r\n"
              "N=202.00kN > NcX=200.46kN，不满足\r\n"
              "\r\n-----支管与主管的连接焊缝（第13.3.9条）-----\r\n"
              "he=0.7*hf=4.20mm，ffw=200.00N/mm2（表4.4.5，E50型焊条）\r\n"
              "d1/D≤0.65：lw=(3.25*d1-0.025*D)*(0.534/sinθ1+0.466)=461.33mm\r\n"
              "Nf=0.7*hf*lw*ffw=387.51kN\r\n"
              "N=202.00kN <= Nf=387.51kN，满足");
    EXPECT_NEAR(r.capacity1, 200.4595, 1e-4);
    EXPECT_EQ(VerdictLine(r.checks[0]), "支管轴力 N/NcX = 1.01  不满足");
    in.edition = kSteel2003;
    const TubeJointResult old = ComputeTubeJoint(in);
    ASSERT_TRUE(old.report);
    EXPECT_NEAR(old.capacity1, 203.7457, 1e-4);
    EXPECT_TRUE(Satisfied(old.checks[0]));
}

// The limits to 2017: di/ti only against 100·εk² (13.1.2), ti/t at least 0.2 (13.3.1), the other
// limits under their 2017 numbers.
TEST(TubeJoint2017, LimitsCite2017Clauses) {
    const struct {
        double chordT, t1, theta1, hf;
        const char* message2003;
        const char* message2017;
    } cases[] = {
        // 133/1.5 = 88.67: over 60 (2003) but within 100 (Q235); 1.5/8 = 0.1875 < 0.2.
        {8, 1.5, 60, 3,
         "支管的外径与壁厚之比d1/t1=88.67超过60.00（di/ti≤60且≤100*(235/fy)），不符合"
         "GB50017-2003第10.1.2、10.3.3条",
         "支管与主管的壁厚之比t1/t=0.1875小于0.2，不符合GB50017-2017第13.3.1条"},
        // 133/1.2 = 110.83 over 100 in both.
        {5, 1.2, 60, 2,
         "支管的外径与壁厚之比d1/t1=110.83超过60.00（di/ti≤60且≤100*(235/fy)），不符合"
         "GB50017-2003第10.1.2、10.3.3条",
         "支管的外径与壁厚之比d1/t1=110.83超过100.00（di/ti≤100*(235/fy)），不符合"
         "GB50017-2017第13.1.2条"},
        {2, 1.5, 60, 3,
         "主管的外径与壁厚之比D/t=122.50超过100*(235/fy)=100.00，不符合GB50017-2003第10.1.2条",
         "主管的外径与壁厚之比D/t=122.50超过100*(235/fy)=100.00，不符合GB50017-2017第13.1.2条"},
        {8, 6, 25, 6,
         "支管轴线与主管轴线的夹角θ1=25.00°不在30°～90°的范围内，不符合GB50017-2003第10.3."
         "3条（θ≥30°）",
         "支管轴线与主管轴线的夹角θ1=25.00°不在30°～90°的范围内，不符合GB50017-2017第13.3."
         "1条（θ≥30°）"},
    };
    for (const auto& c : cases) {
        TubeJointInput in;
        in.chordT = c.chordT;
        in.t1 = c.t1;
        in.theta1 = c.theta1;
        in.hf = c.hf;
        const TubeJointResult old = ComputeTubeJoint(in);
        ASSERT_EQ(old.notices.size(), 1u) << c.message2017;
        EXPECT_EQ(old.notices[0], InputError(c.message2003));
        in.edition = kSteel2017;
        const TubeJointResult r = ComputeTubeJoint(in);
        EXPECT_FALSE(r.report);
        ASSERT_EQ(r.notices.size(), 1u) << c.message2017;
        EXPECT_EQ(r.notices[0], InputError(c.message2017));
    }
    // 133/1.9 = 70 passes to 2017 (1.9/8 = 0.2375, hf 3.8 = 2·t1).
    TubeJointInput thin;
    thin.edition = kSteel2017;
    thin.t1 = 1.9;
    thin.hf = 3.8;
    EXPECT_TRUE(ComputeTubeJoint(thin).report);
    // The K joint's eccentricity: a = 200 puts e/D above 0.25.
    TubeJointInput k = KJoint();
    k.edition = kSteel2017;
    k.gap = 200;
    const TubeJointResult far = ComputeTubeJoint(k);
    ASSERT_EQ(far.notices.size(), 1u);
    EXPECT_NE(far.notices[0].text.find("不符合GB50017-2017第13.2.1条"), std::string::npos);
}

TEST(TubeJoint2017, RunnerReadsTheEdition) {
    const CliRun run = Call({"tube-joint", "edition=2017", "grade=Q345", "N1=202", "--verdict"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("NcX=5.45/((1-0.81*β)*sinθ1)*ψn*t^2*f=200.46kN"), std::string::npos);
    EXPECT_NE(run.out.find("支管轴力 N/NcX = 1.01  不满足"), std::string::npos);
    EXPECT_EQ(Call({"tube-joint", "edition=2017", "t1=1.5", "hf=3"}).status, 2);
    EXPECT_EQ(Call({"tube-joint", "edition=2010"}).status, 64);
}

// --- ferrolab-calc tube-joint ----------------------------------------------------------------

TEST(TubeJointEntry, PrintsTheUnitsReport) {
    const CliRun k =
        Call({"tube-joint", "joint=K形间隙节点", "D=273", "t=10", "d1=140", "theta1=45", "d2=121",
              "theta2=60", "a=30", "sigma=120", "N1=300", "N2=300", "--verdict"});
    EXPECT_EQ(k.status, 0);
    std::string report = *ComputeTubeJoint(KJoint()).report;
    for (std::size_t at = report.find("\r\n"); at != std::string::npos;
         at = report.find("\r\n", at)) {
        report.replace(at, 2, "\n");
    }
    EXPECT_EQ(k.out, report +
                         "\n受压支管 N1/NcK = 0.81  满足\n受拉支管 N2/NtK = 1.00  满足\n"
                         "受压支管焊缝 N1/Nf1 = 0.82  满足\n受拉支管焊缝 N2/Nf2 = 1.07  不满足\n");
    // The X and T joints take no second branch: its fields change nothing.
    EXPECT_EQ(Call({"tube-joint", "d2=0", "N2=abc", "a=-5"}).out, Call({"tube-joint"}).out);
    const CliRun refused = Call({"tube-joint", "theta1=20"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err.rfind("输入错误: 支管轴线与主管轴线的夹角θ1=20.00°", 0), 0u);
    EXPECT_EQ(Call({"tube-joint", "force=拉"}).status, 64);
}

} // namespace
