#include <gtest/gtest.h>

#include "calculators/connections/BoltConnection.h"
#include "engine/Bolts.h"

using namespace ferrolab;

namespace {

TEST(BoltCapacity, OrdinaryBoltToGB50017) {
    // d = 20, p = 2.5: de = 20 − 0.9381667·2.5 = 17.655, Ae = π·de²/4 = 244.7963;
    // class 4.6: ftb 170, fvb 140; Q235 bearing 305; n = 1, Σt = 10.
    BoltCapacityInput in;
    in.d = 20;
    in.thicknessSum = 10;
    const BoltCapacityResult r = ComputeBoltCapacity(in);
    ASSERT_TRUE(r.text);
    EXPECT_EQ(*r.text, "螺纹处有效直径    de = 17.655mm\r\n"
                       "螺纹处有效截面积 Ae = 244.7963mm2\r\n"
                       "\r\n-----根据GB50017 -2003表3.4.1-4----\r\n"
                       "抗拉强度设计值 ftb =170.00N/mm2, \r\n"
                       "抗剪强度设计值 fvb =140.00N/mm2, \r\n"
                       "  根据式7.2.1-5，一个螺栓的抗拉承载力设计值 Ntb = ftb*(π*de^2 /4) = "
                       "41.6154kN\r\n"
                       "  根据式7.2.1-1，一个螺栓的抗剪承载力设计值 Nvb = n*fvb*(π*d^2 /4) "
                       "=43.9823kN\r\n"
                       "  根据式7.2.1-3，一个螺栓的抗压承载力设计值 Ncb = d* Σt *fcb= "
                       "61.0000kN\r\n");
}

TEST(BoltCapacity, OrdinaryBoltToGB50018) {
    // d = 16 (p = 2): de 14.124, Ae 156.6696; ftb 165, fvb 125, Q345 bearing 370; n = 2,
    // Σt = 12: Ntb 25.8505, Nvb 2·125·π·16²/4/1000 = 50.2655, Ncb 370·16·12/1000 = 71.0400.
    BoltCapacityInput in;
    in.code = 1;
    in.d = 16;
    in.n = 2;
    in.grade = kQ345;
    in.thicknessSum = 12;
    const BoltCapacityResult r = ComputeBoltCapacity(in);
    ASSERT_TRUE(r.text);
    EXPECT_EQ(r.text->substr(r.text->find("\r\n-----")),
              "\r\n-----根据GB50018 -2002表4.2.5----\r\n"
              "抗拉强度设计值 ftb =165.00N/mm2, \r\n"
              "抗剪强度设计值 fvb =125.00N/mm2, \r\n"
              "  根据式6.1.4-1，一个螺栓的抗拉承载力设计值 Ntb = ftb*(π*de^2 /4) = 25.8505kN\r\n"
              "  根据式6.1.4-2，一个螺栓的抗剪承载力设计值 Nvb = n*fvb*(π*d^2 /4) =50.2655kN\r\n"
              "  根据式6.1.4-3，一个螺栓的抗压承载力设计值 Ncb = d* Σt *fcb= 71.0400kN\r\n");
    EXPECT_EQ(
        r.text->rfind("螺纹处有效直径    de = 14.124mm\r\n螺纹处有效截面积 Ae = 156.6696mm2", 0),
        0u);
}

TEST(BoltCapacity, FrictionTypeBolts) {
    BoltCapacityInput in;
    in.kind = kFrictionBolt;
    in.boltClass = 109;
    in.d = 20;
    in.n = 2;
    in.mu = 0.45;
    const BoltCapacityResult r = ComputeBoltCapacity(in);
    ASSERT_TRUE(r.text);
    EXPECT_EQ(*r.text, "根据规范GB50017-2003之表7.2.2-2，高强螺栓预拉力设计值 P= 155kN  \r\n"
                       "一个高强螺栓的抗拉承载力设计值 Ntb=0.8P= 124.00kN  \r\n"
                       "一个高强螺栓的抗剪承载力 Nvb=0.9*n*μ*P= 125.55kN");
}

TEST(BoltCapacity, CombinationsTheTablesDoNotHoldAreRefused) {
    const BoltCapacityInput cases[] = {
        {1, kOrdinaryBolt, 88, 20, 1, kQ235, 10, 0.45},   // GB50018 has no 8.8 ordinary bolts
        {0, kOrdinaryBolt, 46, 21, 1, kQ235, 10, 0.45},   // no thread pitch for 21 mm
        {1, kOrdinaryBolt, 46, 20, 1, kQ390, 10, 0.45},   // GB50018 has no Q390 bearing value
        {0, kFrictionBolt, 109, 12, 1, kQ235, 10, 0.45},  // no M12 pretension in GB50017
        {0, kFrictionBolt, 109, 20, 3, kQ235, 10, 0.45},  // three shear planes
        {0, kFrictionBolt, 109, 20, 2, kQ235, 10, 1e308}, // μ overflows the capacity
    };
    for (const BoltCapacityInput& in : cases) {
        const BoltCapacityResult r = ComputeBoltCapacity(in);
        EXPECT_FALSE(r.text) << in.d << ' ' << in.boltClass;
        ASSERT_EQ(r.notices.size(), 1u);
        EXPECT_EQ(r.notices[0].caption, "输入错误");
    }
}

TEST(BoltGroup, TorqueShearAndAxialForce) {
    // 4 rows at 80, 2 columns at 100: sumA = 2·2·(40² + 120²) = 64000, sumB = 2·4·50² = 20000;
    // M 50, V 200, N 100: NxM = 50000·120/84000 = 71.43, NyM = 50000·50/84000 = 29.76,
    // NyV = 25, NxN = 12.5, Nmax = sqrt(83.93² + 54.76²) = 100.21.
    BoltGroupInput in{kLoadTorque, kOrdinaryBolt, 200, 100, 50, 4, 2, 80, 100};
    const BoltGroupResult r = ComputeBoltGroup(in);
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, "  Σri^2 = Σxi^2 +Σyi^2=\r\n64000.00+20000.00=84000.00mm2 \r\n"
                         "  Nmax = sqr((Nx_M + Nx_N)^2 + (Ny_M + Ny_V)^2) =100.21kN");
    // The opening state: 2 rows by 1 column at 40, M 35, V 140: sumA = 2·20² = 800,
    // NxM = 35000·20/800 = 875, NyV = 70, Nmax = 877.80.
    EXPECT_NE(ComputeBoltGroup({}).report->find("=877.80kN"), std::string::npos);
}

TEST(BoltGroup, BendingPivotFollowsTheBoltKind) {
    // 4 rows at 100 mm, 2 columns. Ordinary bolts turn about the outermost row:
    // sumY = 2·(0 + 100² + 200² + 300²) = 280000; friction-type about the centroid:
    // sumY = 2·2·(50² + 150²) = 100000.
    BoltGroupInput in{kLoadBending, kOrdinaryBolt, 140, 0, 100, 4, 2, 100, 40};
    BoltGroupResult r = ComputeBoltGroup(in);
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, "  Σyi^2=280000.00mm2\r\n\r\n 竖向力V由端板刨平顶紧于承板传递\r\n");
    EXPECT_DOUBLE_EQ(r.nMax, 300 * 100 * 1000 / 280000.0);
    in.kind = kFrictionBolt;
    r = ComputeBoltGroup(in);
    EXPECT_EQ(*r.report, "  Σyi^2=100000.00mm2\r\n\r\n 竖向力V由端板刨平顶紧于承板传递\r\n");
    EXPECT_DOUBLE_EQ(r.nMax, 150 * 100 * 1000 / 100000.0);
}

TEST(BoltGroup, BadLoadsAreRefused) {
    const struct {
        BoltGroupInput in;
        const char* message;
    } cases[] = {
        {{kLoadBending, 0, 140, 0, 35, 2, 2, -10, 40}, "行距应为大于0的数"},
        {{kLoadTorque, 0, -140, 0, 35, 2, 1, 40, 40}, "M、V、N 按图示方向输入，不能为负数"},
        {{kLoadTorque, 0, 140, -1, 35, 2, 1, 40, 40}, "M、V、N 按图示方向输入，不能为负数"},
        {{kLoadTorque, 0, 140, 0, 1e306, 2, 1, 40, 40}, "输入的数值过大"},
        {{kLoadBending, 0, 140, 0, 1e306, 2, 2, 40, 40}, "输入的数值过大"},
    };
    for (const auto& c : cases) {
        const BoltGroupResult r = ComputeBoltGroup(c.in);
        EXPECT_FALSE(r.report) << c.message;
        ASSERT_EQ(r.notices.size(), 1u) << c.message;
        EXPECT_EQ(r.notices[0], InputError(c.message));
    }
}

} // namespace

namespace {

// GB50017-2017, ordinary bolts: the strengths of table 4.4.6 (fcb of the plate's grade printed)
// and formulas 11.4.1-1, -3 and -5. By hand:
//  4.6 grade C, d 20, n 1, Q235, Σt 10: de = 20 − 0.93817·2.5 = 17.655, Ae = 244.7963,
//    Ntb = 244.7963·170/1000 = 41.6154, Nvb = π·400·140/4000 = 43.9823, Ncb = 305·20·10/1000 = 61.
//  8.8 grades A, B, d 24, n 2, Q345, Σt 20: de = 24 − 0.93817·3 = 21.1855, Ae = 352.5067,
//    Ntb = 141.0027, Nvb = 2·π·576·320/4000 = 289.5292, Ncb = 510·24·20/1000 = 244.8.
//  5.6 grades A, B, d 16, n 1, Q420, Σt 12: de = 14.1237, Ae = 156.6696, Ntb = 32.9006,
//    Nvb = π·256·190/4000 = 38.2018, fcb 560, Ncb = 560·16·12/1000 = 107.52.
TEST(BoltCapacity2017, OrdinaryBoltsToTable4_4_6) {
    const struct {
        int boltClass, d, n;
        SteelGrade grade;
        int thicknessSum;
        double ftb, fvb, fcb, ntb, nvb, ncb;
    } cases[] = {
        {46, 20, 1, kQ235, 10, 170, 140, 305, 41.6154, 43.9823, 61.0},
        {88, 24, 2, kQ345, 20, 400, 320, 510, 141.0027, 289.5292, 244.8},
        {56, 16, 1, kQ420, 12, 210, 190, 560, 32.9006, 38.2018, 107.52},
    };
    for (const auto& c : cases) {
        BoltCapacityInput in;
        in.edition = kSteel2017;
        in.boltClass = c.boltClass;
        in.d = c.d;
        in.n = c.n;
        in.grade = c.grade;
        in.thicknessSum = c.thicknessSum;
        const BoltCapacityResult r = ComputeBoltCapacity(in);
        ASSERT_TRUE(r.text) << c.boltClass;
        EXPECT_EQ(r.ftb, c.ftb);
        EXPECT_EQ(r.fvb, c.fvb);
        EXPECT_EQ(r.fcb, c.fcb);
        EXPECT_NEAR(r.ntb, c.ntb, 5e-5) << c.boltClass;
        EXPECT_NEAR(r.nvb, c.nvb, 5e-5) << c.boltClass;
        EXPECT_NEAR(r.ncb, c.ncb, 5e-5) << c.boltClass;
        EXPECT_EQ(r.text->find("2003"), std::string::npos);
        EXPECT_EQ(r.text->find("7.2.1"), std::string::npos);
    }
    BoltCapacityInput in;
    in.edition = kSteel2017;
    in.d = 20;
    in.thicknessSum = 10;
    EXPECT_EQ(*ComputeBoltCapacity(in).text,
              "螺纹处有效直径    de = 17.655mm\r\n"
              "螺纹处有效截面积 Ae = 244.7963mm2\r\n"
              "\r\n-----根据GB50017 -2017表4.4.6----\r\n"
              "抗拉强度设计值 ftb =170.00N/mm2, \r\n"
              "抗剪强度设计值 fvb =140.00N/mm2, \r\n"
              "承压强度设计值 fcb =305.00N/mm2, \r\n"
              "  根据式11.4.1-5，一个螺栓的抗拉承载力设计值 Ntb = ftb*(π*de^2 /4) = 41.6154kN\r\n"
              "  根据式11.4.1-1，一个螺栓的抗剪承载力设计值 Nvb = n*fvb*(π*d^2 /4) =43.9823kN\r\n"
              "  根据式11.4.1-3，一个螺栓的抗压承载力设计值 Ncb = d* Σt *fcb= 61.0000kN\r\n");
    // GB50018-2002 has no 2017 edition: the cold-formed code reads as it did.
    in.code = kCodeGB50018;
    BoltCapacityInput old = in;
    old.edition = kSteel2003;
    EXPECT_EQ(ComputeBoltCapacity(in).text, ComputeBoltCapacity(old).text);
}

// GB50017-2017 friction-type bolts: P of table 11.4.2-2, μ of table 11.4.2-1 and k of the hole
// type in Nvb = 0.9·k·nf·μ·P (formula 11.4.2-1). By hand:
//  10.9 M20, n 2, μ 0.45, standard hole: P 155, Ntb 124.00, Nvb = 0.9·1·2·0.45·155 = 125.55;
//  the same in an oversize hole: 0.9·0.85·2·0.45·155 = 106.72 (106.7175);
//  8.8 M24, n 1, μ 0.40, slot parallel to the force: P 175, Ntb 140, Nvb = 0.9·0.6·0.4·175 = 37.80;
//  8.8 M16, n 1, μ 0.35, slot across the force: P 80, Nvb = 0.9·0.7·0.35·80 = 17.64.
TEST(BoltCapacity2017, FrictionTypeBoltsWithTheHoleFactor) {
    const struct {
        int boltClass, d, n;
        double mu;
        int surface, hole;
        SteelGrade grade;
        int p;
        double k, nvb;
    } cases[] = {
        {109, 20, 2, 0.45, 0, 0, kQ235, 155, 1.0, 125.55},
        {109, 20, 2, 0.45, 0, 1, kQ345, 155, 0.85, 106.7175},
        {88, 24, 1, 0.40, 1, 3, kQ345, 175, 0.6, 37.8},
        {88, 16, 1, 0.35, 2, 2, kQ390, 80, 0.7, 17.64},
    };
    for (const auto& c : cases) {
        BoltCapacityInput in;
        in.edition = kSteel2017;
        in.kind = kFrictionBolt;
        in.boltClass = c.boltClass;
        in.d = c.d;
        in.n = c.n;
        in.mu = c.mu;
        in.surface = c.surface;
        in.hole = c.hole;
        in.grade = c.grade;
        const BoltCapacityResult r = ComputeBoltCapacity(in);
        ASSERT_TRUE(r.text) << c.d;
        EXPECT_EQ(r.p, c.p);
        EXPECT_EQ(r.k, c.k);
        EXPECT_DOUBLE_EQ(r.ntb, 0.8 * c.p);
        EXPECT_NEAR(r.nvb, c.nvb, 1e-9) << c.d;
    }
    BoltCapacityInput in;
    in.edition = kSteel2017;
    in.kind = kFrictionBolt;
    in.boltClass = 109;
    in.d = 20;
    in.n = 2;
    in.hole = 1;
    EXPECT_EQ(*ComputeBoltCapacity(in).text,
              "根据规范GB50017-2017之表11.4.2-2，高强螺栓预拉力设计值 P= 155kN  \r\n"
              "摩擦面的抗滑移系数 μ= 0.45，孔型为大圆孔，孔型系数 k= 0.85  \r\n"
              "根据式11.4.2-2，一个高强螺栓的抗拉承载力设计值 Ntb=0.8P= 124.00kN  \r\n"
              "根据式11.4.2-1，一个高强螺栓的抗剪承载力 Nvb=0.9*k*n*μ*P= 106.72kN");
}

// Table 11.4.2-1 prints no slip factor for a wire-brushed Q420 surface: refused, whatever μ was
// typed, and nothing is computed.
TEST(BoltCapacity2017, TheWireBrushOnQ420IsNotPermitted) {
    BoltCapacityInput in;
    in.edition = kSteel2017;
    in.kind = kFrictionBolt;
    in.boltClass = 109;
    in.d = 20;
    in.surface = 2;
    in.grade = kQ420;
    in.mu = 0.40;
    const BoltCapacityResult r = ComputeBoltCapacity(in);
    EXPECT_FALSE(r.text);
    EXPECT_EQ(r.nvb, 0);
    ASSERT_EQ(r.notices.size(), 1u);
    EXPECT_EQ(r.notices[0],
              InputError("GB50017-2017表11.4.2-1不允许Q420钢的摩擦面采用“钢丝刷清除浮锈或未经处理的"
                         "干净轧制面”，请选用其他处理方法"));
    EXPECT_FALSE(TableSlipFactor(kCodeGB50017, kSteel2017, kQ420, 2));
    EXPECT_EQ(TableSlipFactor(kCodeGB50017, kSteel2017, kQ390, 2), 0.35);
    EXPECT_EQ(TableSlipFactor(kCodeGB50017, kSteel2017, kQ235, 2), 0.30);
    EXPECT_EQ(TableSlipFactor(kCodeGB50017, kSteel2017, kQ420, 1), 0.40);
    // GB50017-2003 allows it (0.40) and GB50018-2002 keeps its table.
    EXPECT_EQ(TableSlipFactor(kCodeGB50017, kSteel2003, kQ420, 3), 0.40);
    EXPECT_EQ(TableSlipFactor(kCodeGB50018, kSteel2017, kQ345, 0), 0.45);
    in.surface = 1;
    EXPECT_TRUE(ComputeBoltCapacity(in).text);
    in.hole = 4;
    EXPECT_FALSE(ComputeBoltCapacity(in).text);
}

} // namespace
