#include <gtest/gtest.h>

#include <string>

#include "calculators/members/CantileverBeam.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;

namespace {

using test::Call;

CantileverBeamInput Welded(double b, double t, double hw, double tw, double l1, int loadCase,
                           double mx) {
    CantileverBeamInput in;
    in.series = "焊接工字钢";
    in.b = b;
    in.t = t;
    in.hw = hw;
    in.tw = tw;
    in.l1 = l1;
    in.loadCase = loadCase;
    in.mx = mx;
    return in;
}

// Welded I, flanges 200 x 16, web 368 x 8 (h 400), l1 = 4 m, point load at the free end on the
// top flange, Q235, Mx = 300: A = 2·3200 + 2944 = 9344, Ix = 8·368³/12 + 2·(200·16³/12 +
// 3200·192²) = 269290154.7, Wx = Ix/200 = 1346450.77, Iy = 2·16·200³/12 + 368·8³/12 = 21349034.7,
// iy = 47.80; ξ = 4000·16/(200·400) = 0.800 (first range), βb = 0.21 + 0.67·0.8 = 0.746;
// λy = 83.68; φb = 0.746·4320/83.68²·9344·400/1346450.77·sqrt(1 + (83.68·16/1760)²) = 1.605,
// φ'b = 1.07 − 0.282/1.605 = 0.894; σ = 300e6/(0.8943·1346450.77) = 249.14 > f = 215: fails.
const char* const kFailingReport =
    "   -------根据GB50017-2003附录B.4 表B.4------\r\n"
    "焊接工字钢 翼缘 B*t=200.00*16.00mm, 腹板 hw*tw=368.00*8.00mm\r\n"
    "截面面积 A=9344.00mm2 \t 截面总高 h=400.00mm\r\n"
    "受压翼缘宽度 b1=200.00mm \t 受压翼缘厚度 t1=16.00mm\r\n"
    "Wx=1346450.77mm3 \t iy=47.80mm\r\n"
    " ξ=l1*t1/(b1*h)=4000.00*16.00/(200.00*400.00) =0.800\r\n"
    "   0.60≤ξ≤1.24,  自由端一个集中荷载作用在上翼缘\r\n"
    "βb=0.21+0.67*ξ = 0.21+0.67*0.800= 0.746\r\n"
    "长细比 λy=l1/iy=4000.00/47.80=83.68\r\n"
    " 按附B.1-1式(ηb=0)，φb=βb*4320*A*h*(1+(λy*t1/(4.4*h))^2)^0.5*235/(fy*Wx*λy^2) =1.605,\r\n"
    " φb>0.6,按附录 B.1-2 式 得φb`=1.07-0.282/φb=0.894\r\n"
    " -------根据GB50017-2003之4.2.2，该悬臂梁整体稳定性验算 Mx/(φb*Wx)=249.14N/mm2, "
    "f=215.00N/mm2\r\n"
    " 注：表B.4是按支承端为固定的情况确定的，当用于由邻跨延伸出来的伸臂梁时，"
    "应在构造上采取措施加强支承处的抗扭能力。";

// Welded I, flanges 250 x 20, web 560 x 10 (h 600), l1 = 6 m, the same load case, Q235 (f = 205
// for the 20 mm flange), Mx = 300: A = 15600, Ix = 10·560³/12 + 2·(250·20³/12 + 5000·290²) =
// 987680000, Wx = 3292266.67, Iy = 2·20·250³/12 + 560·10³/12 = 52129000, iy = 57.81;
// ξ = 6000·20/(250·600) = 0.800, βb = 0.746, λy = 103.79, φb = 1.082, φ'b = 0.809;
// σ = 300e6/(0.80935·3292266.67) = 112.59 <= 205: passes (0.55).
const char* const kPassingReport =
    "   -------根据GB50017-2003附录B.4 表B.4------\r\n"
    "焊接工字钢 翼缘 B*t=250.00*20.00mm, 腹板 hw*tw=560.00*10.00mm\r\n"
    "截面面积 A=15600.00mm2 \t 截面总高 h=600.00mm\r\n"
    "受压翼缘宽度 b1=250.00mm \t 受压翼缘厚度 t1=20.00mm\r\n"
    "Wx=3292266.67mm3 \t iy=57.81mm\r\n"
    " ξ=l1*t1/(b1*h)=6000.00*20.00/(250.00*600.00) =0.800\r\n"
    "   0.60≤ξ≤1.24,  自由端一个集中荷载作用在上翼缘\r\n"
    "βb=0.21+0.67*ξ = 0.21+0.67*0.800= 0.746\r\n"
    "长细比 λy=l1/iy=6000.00/57.81=103.79\r\n"
    " 按附B.1-1式(ηb=0)，φb=βb*4320*A*h*(1+(λy*t1/(4.4*h))^2)^0.5*235/(fy*Wx*λy^2) =1.082,\r\n"
    " φb>0.6,按附录 B.1-2 式 得φb`=1.07-0.282/φb=0.809\r\n"
    " -------根据GB50017-2003之4.2.2，该悬臂梁整体稳定性验算 Mx/(φb*Wx)=112.59N/mm2, "
    "f=205.00N/mm2\r\n"
    " 注：表B.4是按支承端为固定的情况确定的，当用于由邻跨延伸出来的伸臂梁时，"
    "应在构造上采取措施加强支承处的抗扭能力。";

TEST(CantileverBeam, FailingWeldedCase) {
    const CantileverBeamResult r = ComputeCantileverBeam(Welded(200, 16, 368, 8, 4, 1, 300));
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, kFailingReport);
    EXPECT_TRUE(r.notices.empty());
    ASSERT_EQ(r.checks.size(), 1u);
    EXPECT_EQ(VerdictLine(r.checks[0]), "整体稳定 Mx/(φb*Wx)/f = 1.16  不满足");
    // φb·Wx·f = 258.89 kN·m, the moment this overhang can take.
    EXPECT_NEAR(r.phi * r.wx * r.f / 1e6, 258.89, 0.005);
}

TEST(CantileverBeam, PassingWeldedCaseTakesFOfTheThickerBand) {
    const CantileverBeamResult r = ComputeCantileverBeam(Welded(250, 20, 560, 10, 6, 1, 300));
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, kPassingReport);
    ASSERT_EQ(r.checks.size(), 1u);
    EXPECT_EQ(VerdictLine(r.checks[0]), "整体稳定 Mx/(φb*Wx)/f = 0.55  满足");
}

TEST(CantileverBeam, LoadCasesAndGradesOfTheFirstSection) {
    // The 200 x 16 + 368 x 8 section at l1 = 4 m (ξ = 0.8, λy = 83.68), Mx = 100:
    // uniform load on the top flange βb = 0.62 + 0.82·0.8 = 1.276, φb = 2.7455, φ'b = 0.96729;
    // point load on the bottom flange βb = 2.94 − 0.65·0.8 = 2.420, φb = 5.2069, φ'b capped at
    // 1.0; the uniform load in Q345 φb = 2.7455·235/345 = 1.8701, φ'b = 0.91921, f = 310.
    struct Case {
        int loadCase, fy;
        double betaB, phiB, phi, sigma, f;
    };
    const Case cases[] = {
        {3, 235, 1.276, 2.7455, 0.96729, 76.78, 215},
        {2, 235, 2.420, 5.2069, 1.0, 74.27, 215},
        {3, 345, 1.276, 1.8701, 0.91921, 80.80, 310},
    };
    for (const Case& c : cases) {
        CantileverBeamInput in = Welded(200, 16, 368, 8, 4, c.loadCase, 100);
        in.fy = c.fy;
        const CantileverBeamResult r = ComputeCantileverBeam(in);
        ASSERT_TRUE(r.report) << c.loadCase;
        EXPECT_NEAR(r.betaB, c.betaB, 1e-9) << c.loadCase;
        EXPECT_NEAR(r.phiB, c.phiB, 5e-5) << c.loadCase;
        EXPECT_NEAR(r.phi, c.phi, 5e-6) << c.loadCase;
        EXPECT_NEAR(r.sigma, c.sigma, 0.005) << c.loadCase;
        EXPECT_EQ(r.f, c.f);
    }
    // The cap shows in the report.
    const CantileverBeamResult capped = ComputeCantileverBeam(Welded(200, 16, 368, 8, 4, 2, 100));
    EXPECT_NE(capped.report->find("=5.207,\r\n φb>0.6,按附录 B.1-2 式 得φb`=1.07-0.282/φb=1.000 "
                                  "(不大于1.0)\r\n"),
              std::string::npos);
}

TEST(CantileverBeam, ElasticPhiBBelowPointSixStaysUncorrected) {
    // Flanges 200 x 12, web 960 x 8 (h 984), l1 = 10 m, case 1, Q345, Mx = 50:
    // A = 12480, Ix = 8·960³/12 + 2·(200·12³/12 + 2400·486²) = 1723622400, Wx = 3503297.56,
    // Iy = 16040960, iy = 35.85; ξ = 10000·12/(200·984) = 0.610, βb = 0.21 + 0.67·0.6098 =
    // 0.6185, λy = 278.93, φb = 0.104 (no φ'b); σ = 50e6/(0.10365·3503297.56) = 137.69.
    CantileverBeamInput in = Welded(200, 12, 960, 8, 10, 1, 50);
    in.fy = 345;
    const CantileverBeamResult r = ComputeCantileverBeam(in);
    ASSERT_TRUE(r.report);
    EXPECT_FALSE(r.inelastic);
    EXPECT_NE(r.report->find(" ξ=l1*t1/(b1*h)=10000.00*12.00/(200.00*984.00) =0.610\r\n"
                             "   0.60≤ξ≤1.24,  自由端一个集中荷载作用在上翼缘\r\n"
                             "βb=0.21+0.67*ξ = 0.21+0.67*0.610= 0.619\r\n"),
              std::string::npos);
    EXPECT_NE(r.report->find("λy^2) =0.104\r\n -------根据GB50017-2003之4.2.2，该悬臂梁整体稳定性"
                             "验算 Mx/(φb*Wx)=137.69N/mm2, f=310.00N/mm2\r\n"),
              std::string::npos);
    EXPECT_EQ(r.report->find("φb`"), std::string::npos);
}

TEST(CantileverBeam, RolledSectionInTheThirdRange) {
    // HW100x100 (h 100, b 100, tf 8, A 21.9 cm2, iy 2.47 cm, Wx 76.5 cm3), l1 = 2.8 m, case 1:
    // ξ = 2800·8/(100·100) = 2.24 (third range), βb = 1.17 + 0.03·2.24 = 1.2372, λy = 113.36,
    // φb = 2.728, φ'b = 0.967; σ = 5e6/(0.96661·76500) = 67.62.
    CantileverBeamInput in;
    in.l1 = 2.8;
    in.mx = 5;
    const CantileverBeamResult r = ComputeCantileverBeam(in);
    ASSERT_TRUE(r.report);
    EXPECT_EQ(r.report->substr(0, r.report->find("长细比")),
              "   -------根据GB50017-2003附录B.4 表B.4------\r\n"
              "截面 HW100x100\r\n"
              "截面面积 A=2190.00mm2 \t 截面总高 h=100.00mm\r\n"
              "受压翼缘宽度 b1=100.00mm \t 受压翼缘厚度 t1=8.00mm\r\n"
              "Wx=76500.00mm3 \t iy=24.70mm\r\n"
              " ξ=l1*t1/(b1*h)=2800.00*8.00/(100.00*100.00) =2.240\r\n"
              "   1.96<ξ≤3.10,  自由端一个集中荷载作用在上翼缘\r\n"
              "βb=1.17+0.03*ξ = 1.17+0.03*2.240= 1.237\r\n");
    EXPECT_NEAR(r.phi, 0.96661, 5e-6);
    EXPECT_NEAR(r.sigma, 67.62, 0.005);
}

TEST(CantileverBeam, RefusalsNameTheirReason) {
    struct Case {
        const char* what;
        CantileverBeamInput in;
        const char* message;
    };
    CantileverBeamInput shortOverhang; // HW100x100, 0.5 m: ξ = 0.4
    shortOverhang.l1 = 0.5;
    CantileverBeamInput longOverhang; // 4 m: ξ = 3.2
    longOverhang.l1 = 4;
    CantileverBeamInput noOverhang;
    noOverhang.l1 = 0;
    CantileverBeamInput noMoment;
    noMoment.mx = 0;
    CantileverBeamInput negativeMoment;
    negativeMoment.mx = -20;
    CantileverBeamInput noGrade;
    noGrade.fy = 0;
    CantileverBeamInput noCase;
    noCase.loadCase = 4;
    CantileverBeamInput missing;
    missing.name = "HW999x999";
    const Case cases[] = {
        {"ξ below the table", shortOverhang,
         "ξ=l1*t1/(b1*h)=0.400，超出表B.4的适用范围0.60≤ξ≤3.10，规范没有给出βb"},
        {"ξ above the table", longOverhang,
         "ξ=l1*t1/(b1*h)=3.200，超出表B.4的适用范围0.60≤ξ≤3.10，规范没有给出βb"},
        {"no overhang", noOverhang, "悬伸长度l1必须是大于0的数"},
        {"no moment", noMoment, "弯矩Mx必须是大于0的数(输入支座截面弯矩的绝对值)"},
        {"negative moment", negativeMoment, "弯矩Mx必须是大于0的数(输入支座截面弯矩的绝对值)"},
        {"no grade", noGrade, "请选择钢号"},
        {"no load case", noCase, "请选择荷载情况"},
        {"zero flange", Welded(200, 0, 368, 8, 4, 1, 100),
         "焊接工字钢的截面尺寸B、t、hw、tw必须是大于0的数"},
        {"negative web", Welded(200, 16, -368, 8, 4, 1, 100),
         "焊接工字钢的截面尺寸B、t、hw、tw必须是大于0的数"},
        {"flange beyond the strength table", Welded(400, 120, 368, 8, 4, 1, 100),
         "翼缘厚度t=120.00mm超出钢材强度设计值表的范围(不大于100mm)"},
        {"missing section", missing, "截面库中没有这个截面：HW999x999"},
        {"overflowing length", Welded(200, 16, 368, 8, 1e306, 1, 100),
         "输入的数值超出了可以计算的范围"},
    };
    for (const Case& c : cases) {
        const CantileverBeamResult r = ComputeCantileverBeam(c.in);
        EXPECT_FALSE(r.report) << c.what;
        EXPECT_TRUE(r.checks.empty()) << c.what;
        ASSERT_EQ(r.notices.size(), 1u) << c.what;
        EXPECT_EQ(r.notices[0], InputError(c.message)) << c.what;
    }
}

TEST(CantileverBeamRunner, PrintsTheReportAndRefuses) {
    const test::CliRun run = Call({"cantilever-phib", "series=焊接工字钢", "l1=4", "Mx=300"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, cli::ToUnixLines(kFailingReport) + "\n");
    const test::CliRun verdict = Call({"cantilever-phib", "series=焊接工字钢", "B=250", "t=20",
                                       "hw=560", "tw=10", "l1=6", "Mx=300", "--verdict"});
    EXPECT_EQ(verdict.out,
              cli::ToUnixLines(kPassingReport) + "\n整体稳定 Mx/(φb*Wx)/f = 0.55  满足\n");
    const test::CliRun refused = Call({"cantilever-phib", "l1=0.5"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("超出表B.4的适用范围0.60≤ξ≤3.10"), std::string::npos);
    EXPECT_EQ(Call({"cantilever-phib", "name=HN400x200"}).status, cli::kExitUsage);
}

// --- GB50017-2017 ------------------------------------------------------------------------------

// The failing welded case in Q345 to 2017: the section, ξ and βb as above; φb = 1.605·235/345
// (εk² of C.0.1-1) = 1.093, φ'b = 1.07 − 0.282/1.0933 = 0.812; σ = 300e6/(0.81207·1346450.77) =
// 274.37 <= f = 305 of table 4.4.1 for the 16 mm flange (2003 had 310): passes (0.90).
const char* const kQ345Report2017 =
    "   -------根据GB50017-2017附录C.0.4 表C.0.4------\r\n"
    "钢号Q345，εk^2=235/fy=235/345，按表4.4.1(翼缘厚16.00mm) f=305.00N/mm2\r\n"
    "焊接工字钢 翼缘 B*t=200.00*16.00mm, 腹板 hw*tw=368.00*8.00mm\r\n"
    "截面面积 A=9344.00mm2 \t 截面总高 h=400.00mm\r\n"
    "受压翼缘宽度 b1=200.00mm \t 受压翼缘厚度 t1=16.00mm\r\n"
    "Wx=1346450.77mm3 \t iy=47.80mm\r\n"
    " ξ=l1*t1/(b1*h)=4000.00*16.00/(200.00*400.00) =0.800\r\n"
    "   0.60≤ξ≤1.24,  自由端一个集中荷载作用在上翼缘\r\n"
    "βb=0.21+0.67*ξ = 0.21+0.67*0.800= 0.746\r\n"
    "长细比 λy=l1/iy=4000.00/47.80=83.68\r\n"
    " 按式C.0.1-1(ηb=0)，φb=βb*4320*A*h*(1+(λy*t1/(4.4*h))^2)^0.5*εk^2/(Wx*λy^2) =1.093,\r\n"
    " φb>0.6,按式C.0.1-7 得φb`=1.07-0.282/φb=0.812\r\n"
    " -------根据GB50017-2017之6.2.2，该悬臂梁整体稳定性验算 Mx/(φb*Wx)=274.37N/mm2, "
    "f=305.00N/mm2\r\n"
    " 注：表C.0.4是按支承端为固定的情况确定的，当用于由邻跨延伸出来的伸臂梁时，"
    "应在构造上采取措施加强支承处的抗扭能力。";

CantileverBeamInput In2017(CantileverBeamInput in, int fy) {
    in.edition = kSteel2017;
    in.fy = fy;
    return in;
}

TEST(CantileverBeam2017, HandWorkedQ345ReportAndFOfTable441) {
    const CantileverBeamResult r =
        ComputeCantileverBeam(In2017(Welded(200, 16, 368, 8, 4, 1, 300), 345));
    EXPECT_EQ(r.report.value_or("refused"), kQ345Report2017);
    ASSERT_EQ(r.checks.size(), 1u);
    EXPECT_EQ(VerdictLine(r.checks[0]), "整体稳定 Mx/(φb*Wx)/f = 0.90  满足");
    // The same inputs to 2003 take f = 310 and the 2003 clauses.
    const CantileverBeamResult old = ComputeCantileverBeam([] {
        CantileverBeamInput in = Welded(200, 16, 368, 8, 4, 1, 300);
        in.fy = 345;
        return in;
    }());
    EXPECT_EQ(old.f, 310);
    EXPECT_NEAR(old.sigma, r.sigma, 1e-9);
    // f by grade and flange band of table 4.4.1: 20 mm Q235 205, 20 mm Q390 330, 50 mm Q345 290.
    const struct {
        double t;
        int fy;
        double f;
    } bands[] = {{20, 235, 205}, {20, 390, 330}, {50, 345, 290}, {16, 420, 375}};
    for (const auto& b : bands) {
        const CantileverBeamResult band =
            ComputeCantileverBeam(In2017(Welded(400, b.t, 800, 12, 14, 3, 100), b.fy));
        ASSERT_TRUE(band.report) << b.t << " " << b.fy;
        EXPECT_EQ(band.f, b.f) << b.t << " " << b.fy;
        EXPECT_EQ(band.report->find("2003"), std::string::npos);
        EXPECT_EQ(band.report->find("B."), std::string::npos) << *band.report;
    }
}

TEST(CantileverBeam2017, RefusalsCiteThe2017Tables) {
    CantileverBeamInput shortOverhang = In2017(CantileverBeamInput{}, 235);
    shortOverhang.l1 = 0.5;
    const CantileverBeamResult xi = ComputeCantileverBeam(shortOverhang);
    ASSERT_EQ(xi.notices.size(), 1u);
    EXPECT_EQ(xi.notices[0],
              InputError("ξ=l1*t1/(b1*h)=0.400，超出表C.0.4的适用范围0.60≤ξ≤3.10，规范没有给出βb"));
    const CantileverBeamResult thick =
        ComputeCantileverBeam(In2017(Welded(400, 120, 368, 8, 4, 1, 100), 235));
    ASSERT_EQ(thick.notices.size(), 1u);
    EXPECT_EQ(thick.notices[0],
              InputError("翼缘厚度t=120.00mm超出GB50017-2017表4.4.1的范围(不大于100mm)"));
}

TEST(CantileverBeam2017, Runner) {
    const test::CliRun run = Call({"cantilever-phib", "edition=2017", "series=焊接工字钢",
                                   "grade=Q345", "l1=4", "Mx=300", "--verdict"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              cli::ToUnixLines(kQ345Report2017) + "\n整体稳定 Mx/(φb*Wx)/f = 0.90  满足\n");
    EXPECT_EQ(Call({"cantilever-phib", "edition=2010"}).status, cli::kExitUsage);
}

} // namespace
