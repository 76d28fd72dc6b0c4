#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calculators/members/ColumnLengthFactor.h"
#include "cli/Registry.h"
#include "engine/Format.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;

namespace {

struct Cell {
    double k1, k2;
    FrameKind kind;
    double printed;   // the tabulated μ
    double tolerance; // 0.002; 0.005 for two-decimal cells whose exact root rounds to them
};

constexpr FrameKind kNoSway = FrameKind::NoSway;
constexpr FrameKind kSway = FrameKind::Sway;

// Cells of GB50017-2003 tables D-1 (three decimals) and D-2 (two decimals). The K = 10 cells
// are the tables' "≥10" column.
const Cell kCells[] = {
    {0, 0, kNoSway, 1.000, 0.002},     {0.05, 0.05, kNoSway, 0.981, 0.002},
    {0.3, 0.2, kNoSway, 0.916, 0.002}, {1, 1, kNoSway, 0.774, 0.002},
    {2, 0.5, kNoSway, 0.765, 0.002},   {5, 0.1, kNoSway, 0.748, 0.002},
    {0.4, 3, kNoSway, 0.747, 0.002},   {1, 4, kNoSway, 0.688, 0.002},
    {0, 10, kNoSway, 0.732, 0.002},    {10, 10, kNoSway, 0.549, 0.002},
    {0.05, 0, kSway, 6.02, 0.002},     {0.1, 0.1, kSway, 3.01, 0.002},
    {0.5, 0.5, kSway, 1.59, 0.002},    {2, 0.4, kSway, 1.42, 0.002},
    {5, 1, kSway, 1.19, 0.002},        {3, 0.1, kSway, 1.75, 0.002},
    {0.05, 0.05, kSway, 4.16, 0.005},  {0.2, 0.3, kSway, 2.05, 0.005},
    {1, 1, kSway, 1.32, 0.005},        {0, 10, kSway, 2.03, 0.005},
    {10, 10, kSway, 1.03, 0.005},      {0, 1, kSway, 2.33, 0.005},
};

TEST(ColumnLengthFactor, RootsMatchThePrintedTables) {
    for (const Cell& cell : kCells) {
        EXPECT_NEAR(EffectiveLengthFactor(cell.k1, cell.k2, cell.kind), cell.printed,
                    cell.tolerance)
            << cell.k1 << ' ' << cell.k2 << ' ' << static_cast<int>(cell.kind);
        // Either end may be the top.
        EXPECT_NEAR(EffectiveLengthFactor(cell.k2, cell.k1, cell.kind), cell.printed,
                    cell.tolerance);
    }
}

TEST(ColumnLengthFactor, ClassicalEndConditions) {
    // Both ends fixed: 0.5 without sway, 1.0 with sway; fixed and hinged: 0.699 and 2.0.
    EXPECT_NEAR(EffectiveLengthFactor(1e9, 1e9, kNoSway), 0.5, 1e-4);
    EXPECT_NEAR(EffectiveLengthFactor(1e9, 1e9, kSway), 1.0, 1e-4);
    EXPECT_NEAR(EffectiveLengthFactor(1e9, 0, kNoSway), 0.6992, 1e-4);
    EXPECT_NEAR(EffectiveLengthFactor(0, 1e9, kSway), 2.0, 1e-4);
    EXPECT_TRUE(std::isinf(EffectiveLengthFactor(0, 0, kSway)));
    // A nearly hinged sway column: x tan x = 6K gives x = sqrt(6K) for small K.
    EXPECT_NEAR(EffectiveLengthFactor(1e-10, 0, kSway), std::numbers::pi / std::sqrt(6e-10), 1);
}

TEST(ColumnLengthFactor, ReportOfABracedColumnHingedAtItsBase) {
    const ColumnLengthFactorResult r = ComputeColumnLengthFactor({1, 0, kNoSway});
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, "框架柱的计算长度系数 μ（GB50017-2003 附录D）\r\n"
                         "框架类型: 无侧移（表D-1）\r\n"
                         "K1、K2: 相交于柱上端、柱下端的横梁线刚度之和与柱线刚度之和的比值\r\n"
                         "注: 横梁远端铰接时横梁线刚度乘以1.5，远端嵌固时乘以2；"
                         "横梁与柱铰接时取横梁线刚度为零；"
                         "柱与基础铰接时取K2=0（平板支座可取0.1），刚接时取K2=10\r\n"
                         "K1 = 1.000\r\n"
                         "K2 = 0.000（铰接）\r\n"
                         "稳定方程: [(π/μ)^2+2(K1+K2)-4K1K2](π/μ)sin(π/μ)"
                         "-2[(K1+K2)(π/μ)^2+4K1K2]cos(π/μ)+8K1K2=0\r\n"
                         "计算长度系数 μ = 0.875\r\n");
    EXPECT_TRUE(r.notices.empty());
}

TEST(ColumnLengthFactor, RatiosAboveTenAreTakenAsTen) {
    // Table D-2 at K1 = 10, K2 = 0.5: 1.2971.
    const ColumnLengthFactorResult r = ComputeColumnLengthFactor({25, 0.5, kSway});
    ASSERT_TRUE(r.report);
    EXPECT_EQ(r.k1, 10);
    EXPECT_NE(r.report->find("框架类型: 有侧移（表D-2）\r\n"), std::string::npos);
    EXPECT_NE(r.report->find("注: 横梁远端铰接时横梁线刚度乘以0.5，远端嵌固时乘以2/3；"),
              std::string::npos);
    EXPECT_NE(r.report->find("K1 = 25.000（大于10，按10计算）\r\nK2 = 0.500\r\n"),
              std::string::npos);
    EXPECT_NE(r.report->find("稳定方程: [36K1K2-(π/μ)^2]sin(π/μ)+6(K1+K2)(π/μ)cos(π/μ)=0\r\n"),
              std::string::npos);
    EXPECT_TRUE(r.report->ends_with("\r\n计算长度系数 μ = 1.297\r\n"));
    // Very large ratios give the printed "≥10" cells.
    EXPECT_NEAR(ComputeColumnLengthFactor({1e12, 1e12, kNoSway}).mu, 0.549, 0.002);
    EXPECT_NEAR(ComputeColumnLengthFactor({1e12, 1e12, kSway}).mu, 1.03, 0.005);
}

TEST(ColumnLengthFactor, SwayColumnHingedAtBothEndsIsAMechanism) {
    const ColumnLengthFactorResult r = ComputeColumnLengthFactor({0, 0, kSway});
    ASSERT_TRUE(r.report);
    EXPECT_TRUE(r.report->ends_with("\r\n计算长度系数 μ = ∞（柱两端铰接且框架有侧移，为几何可变，"
                                    "不能承受轴心压力）\r\n"));
    EXPECT_EQ(r.report->find("inf"), std::string::npos);
    // A tiny ratio gives a huge but finite factor, in powers of ten.
    const ColumnLengthFactorResult tiny = ComputeColumnLengthFactor({1e-300, 0, kSway});
    ASSERT_TRUE(tiny.report);
    EXPECT_NE(tiny.report->find("计算长度系数 μ = 1.2825e+150\r\n"), std::string::npos);
}

TEST(ColumnLengthFactor, NegativeRatiosAreRefused) {
    const ColumnLengthFactorResult top = ComputeColumnLengthFactor({-0.1, 1, kNoSway});
    EXPECT_FALSE(top.report);
    ASSERT_EQ(top.notices.size(), 1u);
    EXPECT_EQ(top.notices[0],
              InputError("柱上端的线刚度比 K1 不能为负数（K1 = 0 表示柱上端与横梁铰接）"));
    const ColumnLengthFactorResult both = ComputeColumnLengthFactor({-1, -2, kSway});
    EXPECT_FALSE(both.report);
    ASSERT_EQ(both.notices.size(), 2u);
    EXPECT_EQ(both.notices[1].text, "柱下端的线刚度比 K2 不能为负数（K2 = 0 表示柱下端铰接）");
}

// ---- runner entry ----

TEST(ColumnLengthFactor, Edition2017CitesAppendixEWithTheSameRoots) {
    // Table E.0.2 (K1 = 1, K2 = 0.5): 1.45; table E.0.1 (K1 = 1, K2 = 0.5): 0.813 — the cells of
    // the 2003 tables D-2 and D-1, from the same equations.
    const ColumnLengthFactorResult sway = ComputeColumnLengthFactor({1, 0.5, kSway, kSteel2017});
    ASSERT_TRUE(sway.report);
    EXPECT_NEAR(sway.mu, 1.45, 0.005);
    EXPECT_EQ(*sway.report, "框架柱的计算长度系数 μ（GB50017-2017 附录E）\r\n"
                            "框架类型: 有侧移（表E.0.2）\r\n"
                            "K1、K2: 相交于柱上端、柱下端的横梁线刚度之和与柱线刚度之和的比值\r\n"
                            "注: 横梁远端铰接时横梁线刚度乘以0.5，远端嵌固时乘以2/3；"
                            "横梁与柱铰接时取横梁线刚度为零；"
                            "柱与基础铰接时取K2=0（平板支座可取0.1），刚接时取K2=10\r\n"
                            "K1 = 1.000\r\n"
                            "K2 = 0.500\r\n"
                            "稳定方程: [36K1K2-(π/μ)^2]sin(π/μ)+6(K1+K2)(π/μ)cos(π/μ)=0\r\n"
                            "计算长度系数 μ = " +
                                FormatNumber("%.3f", sway.mu) + "\r\n");
    const ColumnLengthFactorResult braced =
        ComputeColumnLengthFactor({1, 0.5, kNoSway, kSteel2017});
    EXPECT_EQ(braced.mu, ComputeColumnLengthFactor({1, 0.5, kNoSway}).mu);
    EXPECT_NEAR(braced.mu, 0.813, 0.0005);
    EXPECT_EQ(braced.report->rfind("框架柱的计算长度系数 μ（GB50017-2017 附录E）\r\n"
                                   "框架类型: 无侧移（表E.0.1）\r\n",
                                   0),
              0u);
    EXPECT_EQ(braced.report->find("D-"), std::string::npos);
    const test::CliRun run =
        test::Call({"column-length-factor", "edition=2017", "K1=1", "K2=0.5", "frame=有侧移"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, cli::ToUnixLines(*sway.report));
}

TEST(ColumnLengthFactorRunner, PrintsTheFrameKindAndMu) {
    const test::CliRun run = test::Call({"column-length-factor", "K1=1", "K2=0"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, cli::ToUnixLines(*ComputeColumnLengthFactor({1, 0, kNoSway}).report));
    const test::CliRun sway = test::Call({"column-length-factor", "K1=1", "frame=有侧移"});
    EXPECT_NE(sway.out.find("框架类型: 有侧移（表D-2）\n"), std::string::npos);
    // Table D-2, K1 = 1, K2 = 0: 2.3279.
    EXPECT_TRUE(sway.out.ends_with("\n计算长度系数 μ = 2.328\n"));
    // Defaults: K1 = K2 = 0 without sway, μ = 1.
    EXPECT_TRUE(test::Call({"column-length-factor"}).out.ends_with("μ = 1.000\n"));
}

TEST(ColumnLengthFactorRunner, OddValuesNeitherCrashNorPrintInfinity) {
    const test::CliRun negative = test::Call({"column-length-factor", "K2=-0.5"});
    EXPECT_EQ(negative.status, cli::kExitRefused);
    EXPECT_TRUE(negative.out.empty());
    EXPECT_EQ(negative.err, "输入错误: 柱下端的线刚度比 K2 不能为负数（K2 = 0 表示柱下端铰接）\n");
    for (const char* value : {"K1=", "K1=nan", "K1=abc", "K1=1e400", "K1=1e300", "K1=12abc"}) {
        const test::CliRun run = test::Call({"column-length-factor", value, "frame=有侧移"});
        EXPECT_EQ(run.out.find("inf"), std::string::npos) << value;
        EXPECT_EQ(run.out.find("nan"), std::string::npos) << value;
    }
    EXPECT_EQ(test::Call({"column-length-factor", "frame=侧移"}).status, cli::kExitUsage);
    const test::CliRun fields = test::Call({"column-length-factor", "--fields"});
    EXPECT_NE(fields.out.find("  frame=无侧移  (无侧移|有侧移)"), std::string::npos);
}

} // namespace
