#include <gtest/gtest.h>

#include <string>

#include "calculators/joints/SecondaryBeamJoint.h"
#include "engine/Format.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

// The weld part of the opening joint (hf 6, l 270, V 100, e 55): he = 4.2, lw = 270 − 12 = 258,
// σ_M = 6·5.5e6/(2·4.2·258²) = 59.02, τ_V = 1e5/(2·4.2·258) = 46.14,
// σfs = sqrt((59.02/1.22)² + 46.14²) = 66.85 against ffw 160 (Q235).
const char* const kOpeningWelds =
    "\r\n-----加劲肋与主梁腹板的连接焊缝（两条角焊缝）-----\r\n"
    "he=0.7*hf=4.20mm，按规范7.1.3条取 lw=l-2*hf=258.00mm\r\n"
    "σ_M=6*M/(2*he*lw^2)=59.02N/mm2\r\n"
    "τ_V=V/(2*he*lw)=46.14N/mm2\r\n"
    "βf=1.22，σfs=sqrt((σ_M/βf)^2+τ_V^2)=66.85N/mm2 <= ffw=160.00N/mm2，满足";

// The bolt group of the opening joint: 3 bolts at 70, e = 55, V = 100: M = 5.5 kN·m,
// Σy² = 2·70² = 9800, N1_M = 5500·70/9800 = 39.29, N_V = 33.33, N1 = 51.52 > 1.2·100/3 = 40.
const char* const kOpeningGroup =
    "-----螺栓验算-----\r\n"
    "摩擦型高强螺栓10.9级 M20，孔径d0=21.50mm，单列3个，间距p=70.00mm\r\n"
    "偏心距e=55.00mm，偏心弯矩 M=V*e=5.50kN*m\r\n"
    "Σyi^2=9800.00mm2，y1=(n-1)*p/2=70.00mm\r\n"
    "N1_M=M*y1/Σyi^2=39.29kN\r\n"
    "N_V=V/n=33.33kN\r\n"
    "N1=sqrt(N1_M^2+N_V^2)=51.52kN\r\n"
    "剪力放大法：1.2*V/n=40.00kN\r\n"
    "N1不小于1.2*V/n，由偏心弯矩算得的N1控制：N=51.52kN\r\n";

// The opening joint, M20 10.9 (P 155) on Q235 blasted (μ 0.45): Nvb = 0.9·1·0.45·155 = 62.775.
TEST(SecondaryBeamJoint, FrictionBoltsPass) {
    const SecondaryBeamJointResult r = ComputeSecondaryBeamJoint(SecondaryBeamJointInput{});
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report,
              std::string(kOpeningGroup) +
                  "预拉力P=155kN（表7.2.2-2），抗滑移系数μ=0.45（表7.2.2-1）\r\n"
                  "一个高强螺栓的单面抗剪承载力 Nvb=0.9*nf*μ*P=62.78kN（式7.2.2-1，nf=1）\r\n"
                  "N=51.52kN <= Nvb=62.78kN，满足\r\n" +
                  kOpeningWelds);
    EXPECT_NEAR(r.n1, 51.5216, 1e-4); // sqrt(39.2857² + 33.3333²)
    EXPECT_NEAR(r.nvb, 62.775, 1e-9);
    ASSERT_EQ(r.checks.size(), 2u);
    EXPECT_EQ(VerdictLine(r.checks[0]), "螺栓剪力 N/Nvb = 0.82  满足");
    EXPECT_EQ(VerdictLine(r.checks[1]), "加劲肋焊缝应力 σfs/ffw = 0.42  满足");
    EXPECT_TRUE(r.notices.empty());
}

// The same joint with grade C bolts 4.6 (fvb 140, fcb 305), tw 8 < ts 10:
// Nvb = 3.1415927·400/4·140 = 43.98 kN, Ncb = 20·8·305 = 48.80 kN; 51.52 > 43.98 fails.
TEST(SecondaryBeamJoint, OrdinaryBoltsFail) {
    SecondaryBeamJointInput in;
    in.kind = kSecondaryOrdinaryBolt;
    in.boltClass = 46;
    const SecondaryBeamJointResult r = ComputeSecondaryBeamJoint(in);
    ASSERT_TRUE(r.report);
    std::string group = kOpeningGroup;
    group.replace(group.find("摩擦型高强螺栓10.9级"), std::string("摩擦型高强螺栓10.9级").size(),
                  "普通螺栓（C级）4.6级");
    EXPECT_EQ(*r.report,
              group +
                  "fvb=140.00N/mm2，fcb=305.00N/mm2（表3.4.1-4）\r\n"
                  "一个螺栓的单面抗剪承载力 Nvb=π*d^2/4*fvb=43.98kN（式7.2.1-1）\r\n"
                  "Σt=min(tw,ts)=8.00mm，承压承载力 Ncb=d*Σt*fcb=48.80kN（式7.2.1-3）\r\n"
                  "一个螺栓的承载力设计值 Nb=min(Nvb,Ncb)=43.98kN\r\n"
                  "N=51.52kN > Nb=43.98kN，不满足\r\n" +
                  kOpeningWelds);
    ASSERT_EQ(r.checks.size(), 2u);
    EXPECT_EQ(VerdictLine(r.checks[0]), "螺栓剪力 N/Nb = 1.17  不满足");
    // A thin stiffener makes bearing govern: Σt = 5, Ncb = 20·5·305 = 30.50 < Nvb.
    in.ts = 5;
    const SecondaryBeamJointResult thin = ComputeSecondaryBeamJoint(in);
    ASSERT_TRUE(thin.report);
    EXPECT_NE(thin.report->find("一个螺栓的承载力设计值 Nb=min(Nvb,Ncb)=30.50kN"),
              std::string::npos);
}

TEST(SecondaryBeamJoint, HandWorkedLines) {
    struct Case {
        const char* what;
        SecondaryBeamJointInput in;
        std::vector<std::string> lines; // each found in the report
        std::vector<std::string> verdicts;
    };
    auto with = [](auto set) {
        SecondaryBeamJointInput in;
        set(in);
        return in;
    };
    const Case cases[] = {
        // Published: M16 8.8 (P 80), wire-brushed Q235 (μ 0.30): Nvb = 0.9·0.30·80 = 21.60;
        // at p 60: N1_M = 5500·60/7200 = 45.83, N1 = sqrt(45.83² + 33.33²) = 56.67.
        {"M16 8.8 wire-brushed",
         with([](auto& in) {
             in.d = 16, in.boltClass = 88, in.surface = 3, in.clearance = 1.5, in.p = 60;
         }),
         {"预拉力P=80kN（表7.2.2-2），抗滑移系数μ=0.30", "Nvb=0.9*nf*μ*P=21.60kN"},
         {"螺栓剪力 N/Nvb = 2.62  不满足", "加劲肋焊缝应力 σfs/ffw = 0.42  满足"}},
        // Published: M16 10.9 (P 100), blasted and zinc-painted Q235 (μ 0.35): Nvb = 31.50.
        {"M16 10.9 zinc-rich paint",
         with([](auto& in) { in.d = 16, in.surface = 1, in.p = 60; }),
         {"Nvb=0.9*nf*μ*P=31.50kN"},
         {}},
        // V = 130: M = 7.15, N1_M = 7150·70/9800 = 51.07, N_V = 43.33, N1 = 66.98 > 62.78;
        // σ_M = 6·7.15e6/559137.6 = 76.73, τ_V = 59.99, σfs = 86.91.
        {"V 130",
         with([](auto& in) { in.v = 130; }),
         {"N1_M=M*y1/Σyi^2=51.07kN", "N1=sqrt(N1_M^2+N_V^2)=66.98kN",
          "N=66.98kN > Nvb=62.78kN，不满足", "σfs=sqrt((σ_M/βf)^2+τ_V^2)=86.91N/mm2"},
         {"螺栓剪力 N/Nvb = 1.07  不满足", "加劲肋焊缝应力 σfs/ffw = 0.54  满足"}},
        // e = 5: N1_M = 0.5·70/9.8 = 3.57, N1 = sqrt(3.57² + 33.33²) = 33.52 < 40: the
        // shortcut governs.
        {"small e",
         with([](auto& in) { in.e = 5; }),
         {"N1=sqrt(N1_M^2+N_V^2)=33.52kN", "1.2*V/n大于N1，由剪力放大法控制：N=40.00kN",
          "N=40.00kN <= Nvb=62.78kN，满足"},
         {"螺栓剪力 N/Nvb = 0.64  满足"}},
        // Q345 blasted: μ 0.50, Nvb = 0.9·0.5·155 = 69.75; ffw 200; βf 1.0 (dynamic):
        // σfs = sqrt(59.02² + 46.14²) = 74.92.
        {"Q345, dynamic",
         with([](auto& in) { in.grade = kQ345, in.betaF = 1.0; }),
         {"Nvb=0.9*nf*μ*P=69.75kN", "βf=1.00，σfs=sqrt((σ_M/βf)^2+τ_V^2)=74.92N/mm2 <= ffw=200.00"},
         {}},
        // Four bolts at 70: Σy² = 2·(35² + 105²) = 24500, y1 = 105, N1_M = 5500·105/24500 =
        // 23.57, N_V = 25, N1 = 34.36; l = 270 leaves (270 − 210)/2 = 30 < 2·21.5: needs l 300.
        {"four bolts",
         with([](auto& in) { in.n = 4, in.l = 300; }),
         {"Σyi^2=24500.00mm2，y1=(n-1)*p/2=105.00mm", "N1=sqrt(N1_M^2+N_V^2)=34.36kN"},
         {}},
    };
    for (const Case& c : cases) {
        const SecondaryBeamJointResult r = ComputeSecondaryBeamJoint(c.in);
        ASSERT_TRUE(r.report) << c.what;
        for (const std::string& line : c.lines) {
            EXPECT_NE(r.report->find(line), std::string::npos) << c.what << ": " << line;
        }
        for (std::size_t i = 0; i < c.verdicts.size(); ++i) {
            ASSERT_LT(i, r.checks.size()) << c.what;
            EXPECT_EQ(VerdictLine(r.checks[i]), c.verdicts[i]) << c.what;
        }
    }
}

TEST(SecondaryBeamJoint, RefusalsNameTheirRule) {
    struct Case {
        const char* what;
        SecondaryBeamJointInput in;
        std::string text;
    };
    auto with = [](auto set) {
        SecondaryBeamJointInput in;
        set(in);
        return in;
    };
    const std::string spacing = "mm，不符合GB50017-2003表8.3.4的规定";
    const Case cases[] = {
        {"blank V", with([](auto& in) { in.v = 0; }), "梁端剪力设计值V必须大于0"},
        {"negative V", with([](auto& in) { in.v = -100; }), "梁端剪力设计值V必须大于0"},
        {"blank e", with([](auto& in) { in.e = 0; }), "偏心距e必须大于0"},
        {"one bolt", with([](auto& in) { in.n = 1; }), "螺栓数n至少为2"},
        {"blank p", with([](auto& in) { in.p = 0; }), "螺栓间距p必须大于0"},
        {"hf 0", with([](auto& in) { in.hf = 0; }), "焊脚尺寸hf和焊缝长度l必须大于0"},
        {"l < 0", with([](auto& in) { in.l = -270; }), "焊脚尺寸hf和焊缝长度l必须大于0"},
        {"negative clearance", with([](auto& in) { in.clearance = -1; }),
         "螺栓孔径与螺栓直径的差不能为负值"},
        {"βf 1.5", with([](auto& in) { in.betaF = 1.5; }),
         "正面角焊缝的强度设计值增大系数βf应在1.0（直接承受动力荷载）与1.22之间"},
        {"blank tw, ordinary",
         with([](auto& in) { in.kind = kSecondaryOrdinaryBolt, in.boltClass = 46, in.tw = 0; }),
         "次梁腹板厚度tw和加劲肋厚度ts必须大于0"},
        // d0 = 21.5: 3·d0 = 64.5 > 60.
        {"pitch below 3d0", with([](auto& in) { in.p = 60; }),
         "螺栓间距p=60.00mm小于3d0=64.50" + spacing},
        // (250 − 140)/2 = 55 > 43, but (200 − 140)/2 = 30 < 43.
        {"end distance below 2d0", with([](auto& in) { in.l = 200; }),
         "螺栓端距(l-(n-1)*p)/2=30.00mm小于2d0=43.00" + spacing +
             "，请加大加劲肋高度l或减小螺栓间距p"},
        {"weld eaten by its craters", with([](auto& in) { in.hf = 135; }),
         "焊缝计算长度lw=l-2*hf必须大于0，请加大l或减小hf"},
        {"huge e", with([](auto& in) { in.e = 1e306, in.v = 1e306; }),
         "输入的数值超出了可以计算的范围"},
    };
    for (const Case& c : cases) {
        const SecondaryBeamJointResult r = ComputeSecondaryBeamJoint(c.in);
        EXPECT_FALSE(r.report) << c.what;
        EXPECT_TRUE(r.checks.empty()) << c.what;
        ASSERT_EQ(r.notices.size(), 1u) << c.what;
        EXPECT_EQ(r.notices[0], InputError(c.text)) << c.what;
    }
    // Limits themselves pass: p = 3·d0 = 64.5 and an end distance of exactly 2·d0 = 43.
    SecondaryBeamJointInput atLimits;
    atLimits.p = 64.5;
    atLimits.l = 2 * 64.5 + 2 * 43;
    EXPECT_TRUE(ComputeSecondaryBeamJoint(atLimits).report);
    // Friction-type bolts do not use the plate thicknesses.
    SecondaryBeamJointInput noPlates;
    noPlates.tw = 0;
    noPlates.ts = -1;
    EXPECT_EQ(ComputeSecondaryBeamJoint(noPlates).report,
              ComputeSecondaryBeamJoint(SecondaryBeamJointInput{}).report);
}

// --- GB50017-2017 ------------------------------------------------------------------------------

// The opening joint on Q345 to 2017, shot blasting 抛丸(喷砂): μ = 0.40 (table 11.4.2-1; 2003 gave
// 喷砂 0.50 and Nvb = 0.9·0.50·155 = 69.75), P = 155 (table 11.4.2-2), standard hole k = 1.0:
// Nvb = 0.9·1.0·1·0.40·155 = 55.80 kN against N1 = 51.52. The welds take ffw = 200 (E50, table
// 4.4.5): σfs = 66.85 as before.
TEST(SecondaryBeamJoint2017, FrictionBoltsCite2017Tables) {
    SecondaryBeamJointInput in;
    in.edition = kSteel2017;
    in.grade = kQ345;
    in.surface = 1;
    const SecondaryBeamJointResult r = ComputeSecondaryBeamJoint(in);
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report,
              std::string(kOpeningGroup) +
                  "预拉力P=155kN（表11.4.2-2），抗滑移系数μ=0.40（表11.4.2-1）\r\n"
                  "一个高强螺栓的单面抗剪承载力 Nvb=0.9*k*nf*μ*P=55.80kN（式11.4.2-1，标准孔k=1.0，"
                  "nf=1）\r\n"
                  "N=51.52kN <= Nvb=55.80kN，满足\r\n"
                  "\r\n-----加劲肋与主梁腹板的连接焊缝（两条角焊缝）-----\r\n"
                  "he=0.7*hf=4.20mm，按GB50017-2017第11.2.2条取 lw=l-2*hf=258.00mm\r\n"
                  "角焊缝强度设计值ffw=200.00N/mm2（GB50017-2017表4.4.5，E50型焊条）\r\n"
                  "σ_M=6*M/(2*he*lw^2)=59.02N/mm2\r\n"
                  "τ_V=V/(2*he*lw)=46.14N/mm2\r\n"
                  "βf=1.22，σfs=sqrt((σ_M/βf)^2+τ_V^2)=66.85N/mm2 <= ffw=200.00N/mm2，满足");
    EXPECT_NEAR(r.nvb, 55.8, 1e-9);
    ASSERT_EQ(r.checks.size(), 2u);
    EXPECT_EQ(VerdictLine(r.checks[0]), "螺栓剪力 N/Nvb = 0.92  满足");
    EXPECT_EQ(VerdictLine(r.checks[1]), "加劲肋焊缝应力 σfs/ffw = 0.33  满足");
    EXPECT_EQ(r.report->find("7."), std::string::npos);

    // The same joint to 2003 keeps its own values: 喷砂 on Q345, μ 0.50, Nvb 69.75.
    in.edition = kSteel2003;
    in.surface = 0;
    const SecondaryBeamJointResult old = ComputeSecondaryBeamJoint(in);
    ASSERT_TRUE(old.report);
    EXPECT_NEAR(old.nvb, 69.75, 1e-9);
    EXPECT_NE(old.report->find("（表7.2.2-2），抗滑移系数μ=0.50（表7.2.2-1）"), std::string::npos);
}

// Table by table: the wire brush on Q235 0.30 and Q345 0.35, refused on Q420; quartz sand 0.45;
// M24 8.8 P = 175: Nvb = 0.9·0.45·175 = 70.875 (pitch 80 >= 3·25.5, stiffener 300).
TEST(SecondaryBeamJoint2017, SlipCoefficientsAndRefusals) {
    const struct {
        SteelGrade grade;
        int surface, boltClass, d;
        double nvb;
    } cases[] = {
        {kQ235, 2, 109, 20, 0.9 * 0.30 * 155},
        {kQ345, 2, 109, 20, 0.9 * 0.35 * 155},
        {kQ420, 0, 88, 24, 70.875},
        {kQ390, 1, 88, 20, 0.9 * 0.40 * 125},
    };
    for (const auto& c : cases) {
        SecondaryBeamJointInput in;
        in.edition = kSteel2017;
        in.grade = c.grade;
        in.surface = c.surface;
        in.boltClass = c.boltClass;
        in.d = c.d;
        in.l = 300;
        in.p = 80;
        const SecondaryBeamJointResult r = ComputeSecondaryBeamJoint(in);
        ASSERT_TRUE(r.report) << c.grade;
        EXPECT_NEAR(r.nvb, c.nvb, 1e-9) << c.grade;
    }
    SecondaryBeamJointInput in;
    in.edition = kSteel2017;
    in.grade = kQ420;
    in.surface = 2;
    const SecondaryBeamJointResult refused = ComputeSecondaryBeamJoint(in);
    EXPECT_FALSE(refused.report);
    ASSERT_EQ(refused.notices.size(), 1u);
    EXPECT_EQ(refused.notices[0],
              InputError("GB50017-2017表11.4.2-1不允许Q420钢材的接触面采用钢丝刷清除浮锈或未经处理"
                         "的干净轧制面，请改选接触面处理方法"));
    in.surface = 1;
    in.p = 60;
    const SecondaryBeamJointResult spacing = ComputeSecondaryBeamJoint(in);
    ASSERT_EQ(spacing.notices.size(), 1u);
    EXPECT_EQ(spacing.notices[0],
              InputError("螺栓间距p=60.00mm小于3d0=64.50mm，不符合GB50017-2017表11.5.2的规定"));
}

// Grade C bolts 4.6 to 2017 (fvb 140, fcb 305 on Q235 of table 4.4.6, the 2003 values): the same
// numbers as OrdinaryBoltsFail, cited by 11.4.1; Q420 ffw = 220 (E55).
TEST(SecondaryBeamJoint2017, OrdinaryBoltsCite1141) {
    SecondaryBeamJointInput in;
    in.edition = kSteel2017;
    in.kind = kSecondaryOrdinaryBolt;
    in.boltClass = 46;
    const SecondaryBeamJointResult r = ComputeSecondaryBeamJoint(in);
    ASSERT_TRUE(r.report);
    EXPECT_NE(r.report->find("fvb=140.00N/mm2，fcb=305.00N/mm2（表4.4.6）\r\n"
                             "一个螺栓的单面抗剪承载力 Nvb=π*d^2/4*fvb=43.98kN（式11.4.1-1）\r\n"
                             "Σt=min(tw,ts)=8.00mm，承压承载力 Ncb=d*Σt*fcb=48.80kN（式11.4.1-3）"),
              std::string::npos);
    EXPECT_NE(r.report->find("ffw=160.00N/mm2（GB50017-2017表4.4.5，E43型焊条）"),
              std::string::npos);
    in.grade = kQ420; // fcb 425: Ncb = 20·8·425 = 68.00
    const SecondaryBeamJointResult q420 = ComputeSecondaryBeamJoint(in);
    ASSERT_TRUE(q420.report);
    EXPECT_NEAR(q420.ncb, 68.0, 1e-9);
    EXPECT_NEAR(q420.ffw, 220.0, 1e-9);
}

TEST(SecondaryBeamJoint2017, RunnerReadsTheEdition) {
    const CliRun run = Call(
        {"secondary-beam-joint", "edition=2017", "grade=Q345", "surface=抛丸(喷砂)", "--verdict"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Nvb=0.9*k*nf*μ*P=55.80kN"), std::string::npos);
    EXPECT_NE(run.out.find("螺栓剪力 N/Nvb = 0.92  满足"), std::string::npos);
    // A 2003 surface stands for the 2017 treatment it became: 喷砂(丸) is 抛丸(喷砂).
    EXPECT_EQ(
        Call({"secondary-beam-joint", "edition=2017", "grade=Q345"}).out,
        Call({"secondary-beam-joint", "edition=2017", "grade=Q345", "surface=抛丸(喷砂)"}).out);
    // A painted 2003 surface has no 2017 row; a 2017 treatment is no 2003 surface.
    const CliRun painted =
        Call({"secondary-beam-joint", "edition=2017", "surface=喷砂(丸)后生赤锈"});
    EXPECT_EQ(painted.status, 64);
    EXPECT_NE(painted.err.find("surface must be one of"), std::string::npos);
    EXPECT_EQ(Call({"secondary-beam-joint", "surface=抛丸(喷砂)"}).status, 64);
    const CliRun brush = Call({"secondary-beam-joint", "edition=2017", "grade=Q420",
                               "surface=钢丝刷清除浮锈或未经处理的干净轧制面"});
    EXPECT_EQ(brush.status, 2);
}

// --- ferrolab-calc secondary-beam-joint -------------------------------------------------------

TEST(SecondaryBeamJointEntry, PrintsTheUnitsReport) {
    const CliRun defaults = Call({"secondary-beam-joint", "--verdict"});
    EXPECT_EQ(defaults.status, 0);
    std::string report = *ComputeSecondaryBeamJoint(SecondaryBeamJointInput{}).report;
    for (std::size_t at = report.find("\r\n"); at != std::string::npos;
         at = report.find("\r\n", at)) {
        report.replace(at, 2, "\n");
    }
    EXPECT_EQ(defaults.out,
              report + "\n螺栓剪力 N/Nvb = 0.82  满足\n加劲肋焊缝应力 σfs/ffw = 0.42  满足\n");
    const CliRun ordinary = Call({"secondary-beam-joint", "bolt-kind=普通螺栓", "bolt-grade=4.8",
                                  "tw=10", "ts=12", "--verdict"});
    EXPECT_EQ(ordinary.status, 0);
    // 4.8 bolts have the strengths of 4.6: Nvb 43.98, Ncb = 20·10·305 = 61.00.
    EXPECT_NE(ordinary.out.find("Ncb=d*Σt*fcb=61.00kN"), std::string::npos);
    EXPECT_NE(ordinary.out.find("螺栓剪力 N/Nb = 1.17  不满足"), std::string::npos);
    // A grade of the other kind is no valid command.
    const CliRun mismatch = Call({"secondary-beam-joint", "bolt-kind=普通螺栓"});
    EXPECT_EQ(mismatch.status, 64);
    EXPECT_EQ(mismatch.err,
              "ferrolab-calc: bolt-grade 10.9 is not a grade of 普通螺栓 (4.6|4.8)\n");
    const CliRun refused = Call({"secondary-beam-joint", "p=50"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err,
              "输入错误: 螺栓间距p=50.00mm小于3d0=64.50mm，不符合GB50017-2003表8.3.4的规定\n");
}

} // namespace
