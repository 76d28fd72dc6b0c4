#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculators/joints/BeamSplice.h"
#include "engine/Format.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

// The opening splice: welded I 300×20 flanges, 1000×10 web, Q235; M 1000 kN·m, V 250 kN;
// M22 10.9 (P 190), d0 24, blasted (μ 0.45).
// Ix = 2·(300·20³/12 + 6000·510²) + 10·1000³/12 = 3.954933e9, Iw = 8.333333e8, h1 = 1020;
// Mw = 1000·Iw/Ix = 210.71, Nf = (1000 − 210.71)/1.020 = 773.82.
// Flanges: 4 lines × 2 rows = 8 bolts, nf 2: Nvb = 0.9·2·0.45·190 = 153.90, N = 96.73;
// An = (300 − 96)·20 = 4080, σn = 0.75·773.82e3/4080 = 142.25, σ = 773.82e3/6000 = 128.97 (f 205);
// plates Ap = 3600 + 3120 = 6720 >= 6000, Apn = 204·12 + 164·12 = 4416, σn = 131.42,
// σ = 115.15 (f 215).
// Web: 10 rows × 2 columns at 90 / 80, e = 50 + 40 = 90, M' = 210.71 + 250·0.09 = 233.21;
// Σ = 2·8100·82.5 + 10·2·40² = 1 368 500; N1x = 233.21e3·405/Σ = 69.02, N1y = 233.21e3·40/Σ = 6.82,
// Nv = 12.50, N1 = 71.67; plates 2×8×900: σ = 210.71e6/2.16e6 = 97.55, τ = 1.5·250e3/14400 = 26.04,
// 2·8·900³/12 / Iw = 1.166.
const char* const kOpening =
    "-----截面与内力分配（按内力设计）-----\r\n"
    "焊接工字形 B×tf=300.00×20.00mm，hw×tw=1000.00×10.00mm，h=1040.00mm，Ix=3.9549e+009mm4\r\n"
    "Iw=tw*hw^3/12=8.3333e+008mm4，h1=h-tf=1020.00mm\r\n"
    "腹板分担的弯矩 Mw=M*Iw/Ix=210.71kN*m\r\n"
    "翼缘轴力 Nf=(M-Mw)/h1=773.82kN\r\n"
    "螺栓：10.9级 M22 摩擦型高强螺栓，d0=24.00mm，P=190kN，μ=0.45\r\n"
    "\r\n-----翼缘拼接（每侧）-----\r\n"
    "螺栓 n=m*k=4*2=8，nf=2，Nvb=0.9*nf*μ*P=153.90kN\r\n"
    "N=Nf/n=96.73kN <= Nvb=153.90kN，满足\r\n"
    "翼缘净截面 An=(B-m*d0)*tf=4080.00mm2，n1=m=4\r\n"
    "σn=(1-0.5*n1/n)*Nf/An=142.25N/mm2，σ=Nf/(B*tf)=128.97N/mm2\r\n"
    "max(σn,σ)=142.25N/mm2 <= f=205.00N/mm2，满足\r\n"
    "盖板面积 Ap=bo*to+2*bi*ti=6720.00mm2 >= 翼缘面积 Af=B*tf=6000.00mm2，满足\r\n"
    "盖板净截面 Apn=4416.00mm2，σn=(1-0.5*n1/n)*Nf/Apn=131.42N/mm2，σ=Nf/Ap=115.15N/mm2\r\n"
    "max(σn,σ)=131.42N/mm2 <= f=215.00N/mm2，满足\r\n"
    "\r\n-----腹板拼接（每侧）-----\r\n"
    "螺栓 nr×nc=10×2，nf=2，Nvb=0.9*nf*μ*P=153.90kN\r\n"
    "e=ew+(nc-1)*ph/2=90.00mm，M'=Mw+V*e=233.21kN*m\r\n"
    "Σ(xi^2+yi^2)=1368500.00mm2\r\n"
    "N1x=M'*y1/Σ=69.02kN，N1y=M'*x1/Σ=6.82kN，Nv=V/n=12.50kN\r\n"
    "N1=sqrt(N1x^2+(N1y+Nv)^2)=71.67kN <= Nvb=153.90kN，满足\r\n"
    "腹板拼接板 2×tp×hp=2×8.00×900.00mm\r\n"
    "σ=Mw/(2*tp*hp^2/6)=97.55N/mm2 <= f=215.00N/mm2，满足\r\n"
    "τ=1.5*V/(2*tp*hp)=26.04N/mm2 <= fv=125.00N/mm2，满足\r\n"
    "拼接板惯性矩 2*tp*hp^3/12=1.166*Iw（宜不小于Iw）";

std::vector<std::string> Verdicts(const BeamSpliceResult& r) {
    std::vector<std::string> lines;
    for (const Check& check : r.checks) {
        lines.push_back(VerdictLine(check));
    }
    return lines;
}

TEST(BeamSplice, ByDesignForcesPasses) {
    const BeamSpliceResult r = ComputeBeamSplice(BeamSpliceInput{});
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, kOpening);
    EXPECT_EQ(Verdicts(r),
              (std::vector<std::string>{
                  "翼缘螺栓剪力 N/Nvb = 0.63  满足", "翼缘截面应力 σ/f = 0.69  满足",
                  "盖板面积 Af/Ap = 0.89  满足", "盖板应力 σ/f = 0.61  满足",
                  "腹板螺栓剪力 N1/Nvb = 0.47  满足", "腹板拼接板正应力 σ/f = 0.45  满足",
                  "腹板拼接板剪应力 τ/fv = 0.21  满足"}));
    EXPECT_NEAR(r.ix, 3954933333.33, 0.01);
    EXPECT_NEAR(r.nf, 773.8164, 1e-4);
    EXPECT_TRUE(r.notices.empty());
}

// M = 1500: Mw = 316.06, Nf = 1160.72; the flange's net section fails:
// σn = 0.75·1160.72e3/4080 = 213.37 > 205; its bolts carry 145.09 <= 153.90.
TEST(BeamSplice, LargerMomentFailsTheFlangeNetSection) {
    BeamSpliceInput in;
    in.m = 1500;
    const BeamSpliceResult r = ComputeBeamSplice(in);
    ASSERT_TRUE(r.report);
    std::string expected = kOpening;
    auto swap = [&](const std::string& from, const std::string& to) {
        const std::size_t at = expected.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        expected.replace(at, from.size(), to);
    };
    swap("Mw=M*Iw/Ix=210.71kN*m", "Mw=M*Iw/Ix=316.06kN*m");
    swap("Nf=(M-Mw)/h1=773.82kN", "Nf=(M-Mw)/h1=1160.72kN");
    swap("N=Nf/n=96.73kN", "N=Nf/n=145.09kN");
    swap("σn=(1-0.5*n1/n)*Nf/An=142.25N/mm2，σ=Nf/(B*tf)=128.97N/mm2\r\n"
         "max(σn,σ)=142.25N/mm2 <= f=205.00N/mm2，满足",
         "σn=(1-0.5*n1/n)*Nf/An=213.37N/mm2，σ=Nf/(B*tf)=193.45N/mm2\r\n"
         "max(σn,σ)=213.37N/mm2 > f=205.00N/mm2，不满足");
    swap("σn=(1-0.5*n1/n)*Nf/Apn=131.42N/mm2，σ=Nf/Ap=115.15N/mm2\r\n"
         "max(σn,σ)=131.42N/mm2",
         "σn=(1-0.5*n1/n)*Nf/Apn=197.13N/mm2，σ=Nf/Ap=172.73N/mm2\r\n"
         "max(σn,σ)=197.13N/mm2");
    // Web: M' = 316.06 + 22.5 = 338.56, N1x = 100.20, N1y = 9.90, N1 = 102.67;
    // σ = 316.06e6/2.16e6 = 146.32.
    swap("M'=Mw+V*e=233.21kN*m", "M'=Mw+V*e=338.56kN*m");
    swap("N1x=M'*y1/Σ=69.02kN，N1y=M'*x1/Σ=6.82kN", "N1x=M'*y1/Σ=100.20kN，N1y=M'*x1/Σ=9.90kN");
    swap("N1=sqrt(N1x^2+(N1y+Nv)^2)=71.67kN", "N1=sqrt(N1x^2+(N1y+Nv)^2)=102.67kN");
    swap("σ=Mw/(2*tp*hp^2/6)=97.55N/mm2", "σ=Mw/(2*tp*hp^2/6)=146.32N/mm2");
    EXPECT_EQ(*r.report, expected);
    ASSERT_EQ(r.checks.size(), 7u);
    EXPECT_EQ(VerdictLine(r.checks[1]), "翼缘截面应力 σ/f = 1.04  不满足");
}

TEST(BeamSplice, VariantsWorkedByHand) {
    struct Case {
        const char* what;
        BeamSpliceInput in;
        std::vector<std::string> lines;
    };
    auto with = [](auto set) {
        BeamSpliceInput in;
        set(in);
        return in;
    };
    const Case cases[] = {
        // Equal strength: Nf = 4080·205 = 836.40 kN, Vn = (1000 − 240)·10·125 = 950 kN,
        // M' = 950·0.09 = 85.50, N1x = 85.5e3·405/1368500 = 25.30, N1y = 2.50, Nv = 47.50,
        // N1 = sqrt(25.30² + 50.00²) = 56.04; τ = 950e3/(16·660) = 89.96.
        {"equal strength",
         with([](auto& in) { in.method = kSpliceByStrength, in.m = -5, in.v = -5; }),
         {"翼缘净截面承载力 Nf=An*f=(B-m*d0)*tf*f=836.40kN",
          "腹板净截面受剪承载力 Vn=(hw-nr*d0)*tw*fv=950.00kN", "N=Nf/n=104.55kN",
          "M'=Vn*e=85.50kN*m", "N1x=M'*y1/Σ=25.30kN，N1y=M'*x1/Σ=2.50kN，Nv=Vn/n=47.50kN",
          "N1=sqrt(N1x^2+(N1y+Nv)^2)=56.04kN", "τ=Vn/(2*tp*(hp-nr*d0))=89.96N/mm2"}},
        // Outer plate only: nf 1, Nvb = 76.95, N = 96.73 fails; Ap = 3600 < 6000;
        // Apn = 204·12 = 2448, σn = 0.75·773.82e3/2448 = 237.08.
        {"outer plate only",
         with([](auto& in) { in.innerPlates = false; }),
         {"nf=1，Nvb=0.9*nf*μ*P=76.95kN", "N=Nf/n=96.73kN > Nvb=76.95kN，不满足",
          "盖板面积 Ap=bo*to=3600.00mm2 < 翼缘面积 Af=B*tf=6000.00mm2，不满足",
          "σn=(1-0.5*n1/n)*Nf/Apn=237.08N/mm2"}},
        // A long flange joint: 8 rows at 80, l1 = 560 > 15·24 = 360:
        // η = 1.1 − 560/3600 = 0.944, η·Nvb = 145.35; n = 32, N = 24.18;
        // σn = (1 − 2/32)·773.82e3/4080 = 177.81.
        {"long joint",
         with([](auto& in) { in.rows = 8; }),
         {"连接长度 l1=(k-1)*p=560.00mm>15d0，η=1.1-l1/(150*d0)=0.944（第7.2.4条），η*Nvb=145.35kN",
          "N=Nf/n=24.18kN <= Nvb=145.35kN", "σn=(1-0.5*n1/n)*Nf/An=177.81N/mm2"}},
        // Rolled HN700x300 (Ix 201000 cm4, tw 13, tf 24): hw = 652, Iw = 13·652³/12 = 3.0027e8,
        // Mw = 149.39, Nf = (1000 − 149.39)/0.676 = 1258.31, N = 157.29 > 153.90.
        {"rolled H",
         with([](auto& in) {
             in.beamKind = kSpliceRolledH, in.section = "HN700x300", in.hp = 500, in.webRows = 5;
         }),
         {"轧制H型钢 HN700x300，h=700.00mm，B×tf=300.00×24.00mm，tw=13.00mm，Ix=2.0100e+009mm4",
          "Mw=M*Iw/Ix=149.39kN*m", "Nf=(M-Mw)/h1=1258.31kN",
          "N=Nf/n=157.29kN > Nvb=153.90kN，不满足"}},
    };
    for (const Case& c : cases) {
        const BeamSpliceResult r = ComputeBeamSplice(c.in);
        ASSERT_TRUE(r.report) << c.what;
        for (const std::string& line : c.lines) {
            EXPECT_NE(r.report->find(line), std::string::npos) << c.what << ": " << line;
        }
    }
    EXPECT_DOUBLE_EQ(LongJointFactor(360, 24), 1.0);
    EXPECT_DOUBLE_EQ(LongJointFactor(720, 24), 0.9);
    EXPECT_DOUBLE_EQ(LongJointFactor(2000, 24), 0.7);
}

TEST(BeamSplice, LayoutsAndSizesAreRefusedNamingTheRule) {
    struct Case {
        const char* what;
        BeamSpliceInput in;
        std::string text;
    };
    auto with = [](auto set) {
        BeamSpliceInput in;
        set(in);
        return in;
    };
    const std::string rule = "，不符合GB50017-2003表8.3.4的规定";
    const Case cases[] = {
        {"blank tf", with([](auto& in) { in.tf = 0; }),
         "焊接工字形截面的尺寸B、tf、hw、tw必须大于0"},
        {"negative hw", with([](auto& in) { in.hw = -1000; }),
         "焊接工字形截面的尺寸B、tf、hw、tw必须大于0"},
        {"blank to", with([](auto& in) { in.to = 0; }), "拼接板的宽度（高度）和厚度必须大于0"},
        {"blank ti with inner plates", with([](auto& in) { in.ti = 0; }),
         "拼接板的宽度（高度）和厚度必须大于0"},
        {"blank pv", with([](auto& in) { in.pv = 0; }), "螺栓的间距和端距必须大于0"},
        {"negative clearance", with([](auto& in) { in.clearance = -1; }),
         "螺栓孔径与螺栓直径的差不能为负值"},
        {"negative M", with([](auto& in) { in.m = -1000; }),
         "弯矩M和剪力V不能为负值（按绝对值输入）"},
        {"gauge below 3d0", with([](auto& in) { in.gauge = 70; }),
         "翼缘螺栓线距g=70.00mm小于3d0=72.00mm" + rule},
        {"pitch below 3d0", with([](auto& in) { in.pitch = 71; }),
         "翼缘螺栓沿梁长的间距p=71.00mm小于3d0=72.00mm" + rule},
        {"end distance below 2d0", with([](auto& in) { in.endDistance = 45; }),
         "翼缘螺栓端距ea=45.00mm小于2d0=48.00mm" + rule},
        // (280 − 225)/2 = 27.5 < 36.
        {"flange edge below 1.5d0", with([](auto& in) { in.bo = 280; }),
         "翼缘螺栓边距(min(B,bo)-(m-1)*g)/2=27.50mm小于1.5d0=36.00mm" + rule},
        {"inner plates wider than the flange", with([](auto& in) { in.bi = 150; }),
         "内侧盖板宽度bi过大：2*bi+tw=310.00mm大于翼缘宽度B=300.00mm"},
        {"web pitch below 3d0", with([](auto& in) { in.pv = 70; }),
         "腹板螺栓行距pv=70.00mm小于3d0=72.00mm" + rule},
        {"web column pitch below 3d0", with([](auto& in) { in.ph = 60; }),
         "腹板螺栓列距ph=60.00mm小于3d0=72.00mm" + rule},
        {"web end distance below 2d0", with([](auto& in) { in.ew = 40; }),
         "腹板螺栓端距ew=40.00mm小于2d0=48.00mm" + rule},
        // (880 − 810)/2 = 35 < 36.
        {"web plate edge below 1.5d0", with([](auto& in) { in.hp = 880; }),
         "腹板拼接板螺栓边距(hp-(nr-1)*pv)/2=35.00mm小于1.5d0=36.00mm" + rule},
        {"web plate deeper than the web", with([](auto& in) { in.hp = 1050, in.webRows = 11; }),
         "腹板拼接板高度hp=1050.00mm大于腹板可用高度1000.00mm"},
        {"rolled web plate too deep", with([](auto& in) { in.beamKind = kSpliceRolledH; }),
         "腹板拼接板高度hp=900.00mm大于腹板可用高度596.00mm"},
        {"unknown section",
         with([](auto& in) { in.beamKind = kSpliceRolledH, in.section = "HN1x1"; }), ""},
    };
    for (const Case& c : cases) {
        const BeamSpliceResult r = ComputeBeamSplice(c.in);
        EXPECT_FALSE(r.report) << c.what;
        EXPECT_TRUE(r.checks.empty()) << c.what;
        ASSERT_EQ(r.notices.size(), 1u) << c.what;
        if (!c.text.empty()) {
            EXPECT_EQ(r.notices[0], InputError(c.text)) << c.what;
        }
    }
    // At the limits: g = p = pv = ph = 3·d0 = 72 and ea = ew = 2·d0 = 48 are allowed.
    BeamSpliceInput limits;
    limits.gauge = limits.pitch = limits.pv = limits.ph = 72;
    limits.endDistance = limits.ew = 48;
    EXPECT_TRUE(ComputeBeamSplice(limits).report);
}

// --- GB50017-2017 ------------------------------------------------------------------------------

// The opening welded splice on Q345 with M = 1500: Mw = 1500·8.3333e8/3.9549e9 = 316.07,
// Nf = (1500 − 316.07)/1.020 = 1160.72 kN over 8 flange bolts = 145.09 kN. To 2017 抛丸(喷砂) gives
// μ = 0.40 (2003 喷砂 0.50), P = 190 (M22 10.9), k = 1.0: Nvb = 0.9·1.0·2·0.40·190 = 136.80 <
// 145.09 (2003: 0.9·2·0.50·190 = 171.00 passes). Web plates tp 8: f 305, fv 175 of table 4.4.1
// (2003: 310, 180).
TEST(BeamSplice2017, FlangeBoltsFailWhere2003Passes) {
    BeamSpliceInput in;
    in.grade = kQ345;
    in.m = 1500;
    in.edition = kSteel2017;
    in.surface = 1;
    const BeamSpliceResult r = ComputeBeamSplice(in);
    ASSERT_TRUE(r.report);
    EXPECT_NEAR(r.mu, 0.40, 1e-12);
    EXPECT_EQ(r.pretension, 190);
    EXPECT_NEAR(r.nvbFlange, 136.8, 1e-9);
    EXPECT_NEAR(r.flangeBolt, 145.09, 0.005);
    for (const char* line : {
             "螺栓：10.9级 M22 "
             "摩擦型高强螺栓，d0=24.00mm，P=190kN，μ=0.40（表11.4.2-2、表11.4.2-1，"
             "标准孔k=1.0）\r\n",
             "螺栓 n=m*k=4*2=8，nf=2，Nvb=0.9*k*nf*μ*P=136.80kN\r\nN=Nf/n=145.09kN > Nvb=136.80kN",
             "螺栓 nr×nc=10×2，nf=2，Nvb=0.9*k*nf*μ*P=136.80kN\r\n",
             "<= fv=175.00N/mm2",
         }) {
        EXPECT_NE(r.report->find(line), std::string::npos) << line;
    }
    EXPECT_EQ(r.report->find("f=310.00"), std::string::npos);
    EXPECT_FALSE(Satisfied(r.checks[0]));
    in.edition = kSteel2003;
    in.surface = 0;
    const BeamSpliceResult old = ComputeBeamSplice(in);
    ASSERT_TRUE(old.report);
    EXPECT_NEAR(old.nvbFlange, 171.0, 1e-9);
    EXPECT_TRUE(Satisfied(old.checks[0]));
    EXPECT_NE(old.report->find("<= fv=180.00N/mm2"), std::string::npos);
}

// The long joint (8 rows at 80: l1 = 560 > 15·24): η = 1.1 − 560/3600 = 0.944, η·Nvb = 129.20,
// cited by its subject; the layout rules by table 11.5.2; the wire brush refused on Q420.
TEST(BeamSplice2017, LongJointLayoutAndSurfaces) {
    BeamSpliceInput in;
    in.grade = kQ345;
    in.edition = kSteel2017;
    in.surface = 1;
    in.rows = 8;
    const BeamSpliceResult r = ComputeBeamSplice(in);
    ASSERT_TRUE(r.report);
    EXPECT_NEAR(r.nvbFlange, (1.1 - 560.0 / 3600) * 136.8, 1e-9);
    EXPECT_NE(r.report->find("η=1.1-l1/(150*d0)=0.944（GB50017-2017长连接承载力折减规定），"
                             "η*Nvb=129.20kN"),
              std::string::npos);
    EXPECT_EQ(r.report->find("7.2.4"), std::string::npos);
    in.rows = 2;
    in.endDistance = 40;
    const BeamSpliceResult layout = ComputeBeamSplice(in);
    ASSERT_EQ(layout.notices.size(), 1u);
    EXPECT_EQ(
        layout.notices[0],
        InputError("翼缘螺栓端距ea=40.00mm小于2d0=48.00mm，不符合GB50017-2017表11.5.2的规定"));
    in.endDistance = 50;
    in.grade = kQ420;
    in.surface = 2;
    const BeamSpliceResult brush = ComputeBeamSplice(in);
    ASSERT_EQ(brush.notices.size(), 1u);
    EXPECT_EQ(brush.notices[0],
              InputError("GB50017-2017表11.4.2-1不允许Q420钢材的接触面采用钢丝刷清除浮锈或未经处理"
                         "的干净轧制面，请改选接触面处理方法"));
    in.surface = 0; // quartz sand 0.45 on Q420: Nvb = 0.9·2·0.45·190 = 153.90
    const BeamSpliceResult sand = ComputeBeamSplice(in);
    ASSERT_TRUE(sand.report);
    EXPECT_NEAR(sand.nvbFlange, 153.9, 1e-9);
}

TEST(BeamSplice2017, RunnerReadsTheEdition) {
    const CliRun run = Call({"beam-splice", "edition=2017", "grade=Q345", "M=1500", "--verdict"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("N=Nf/n=145.09kN > Nvb=136.80kN"), std::string::npos);
    EXPECT_EQ(Call({"beam-splice", "edition=2017", "surface=抛丸(喷砂)"}).out,
              Call({"beam-splice", "edition=2017"}).out);
    EXPECT_EQ(Call({"beam-splice", "surface=抛丸(喷砂)"}).status, 64);
    EXPECT_EQ(Call({"beam-splice", "edition=2017", "surface=喷砂(丸)后生赤锈"}).status, 64);
}

TEST(BeamSpliceEntry, PrintsTheUnitsReport) {
    const CliRun run = Call({"beam-splice", "M=1500", "--verdict"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("max(σn,σ)=213.37N/mm2 > f=205.00N/mm2，不满足\n"), std::string::npos);
    EXPECT_NE(run.out.find("\n翼缘截面应力 σ/f = 1.04  不满足\n"), std::string::npos);
    const CliRun refused = Call({"beam-splice", "ea=40"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err,
              "输入错误: 翼缘螺栓端距ea=40.00mm小于2d0=48.00mm，不符合GB50017-2003表8.3.4的规定\n");
    EXPECT_EQ(Call({"beam-splice", "section=HN1x1"}).status, 64);
}

} // namespace
