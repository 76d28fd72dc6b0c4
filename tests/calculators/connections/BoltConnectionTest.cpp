#include <gtest/gtest.h>

#include "calculators/connections/BoltConnection.h"

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
