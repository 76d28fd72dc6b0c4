#include <gtest/gtest.h>

#include "engine/BeamStability.h"

namespace ferrolab {
namespace {

TEST(InelasticPhiB, FormulaAndCap) {
    EXPECT_NEAR(InelasticPhiB(2.0), 0.929, 1e-12); // 1.07 - 0.141
    EXPECT_NEAR(InelasticPhiB(0.6), 0.6, 1e-12);   // the formula meets the elastic value at 0.6
    EXPECT_NEAR(InelasticPhiB(1.0), 0.788, 1e-12);
    // 1.07 - 0.282/φb reaches 1.0 at φb = 4.02857...; beyond it the coefficient stays 1.0.
    EXPECT_LT(InelasticPhiB(4.0), 1.0);
    EXPECT_EQ(InelasticPhiB(4.03), 1.0);
    EXPECT_EQ(InelasticPhiB(100.0), 1.0);
}

struct PhiBCase {
    int loadCase;
    int beam;
    double l1;
    double expected;
};

class RolledIBeamPhiB : public ::testing::TestWithParam<PhiBCase> {};

TEST_P(RolledIBeamPhiB, TableValue) {
    const PhiBCase& c = GetParam();
    EXPECT_NEAR(GetRolledIBeamPhiB(c.loadCase, c.beam, c.l1), c.expected, 1e-6)
        << "case " << c.loadCase << " I" << c.beam << " l1=" << c.l1;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RolledIBeamPhiB,
    ::testing::Values(
        // Whole metres: the columns themselves.
        PhiBCase{0, 20, 2, 2.00}, PhiBCase{0, 10, 10, 0.43}, PhiBCase{0, 45, 10, 0.40},
        PhiBCase{1, 45, 10, 0.60}, PhiBCase{3, 63, 2, 5.60}, PhiBCase{4, 22, 6, 0.76},
        // Between whole metres: linear.
        PhiBCase{2, 10, 2.5, 1.41},  // (1.70 + 1.12) / 2
        PhiBCase{4, 25, 3.25, 1.66}, // 0.75·1.80 + 0.25·1.24
        PhiBCase{1, 28, 9.5, 0.60},  // (0.64 + 0.56) / 2
        // Ranges of beam numbers: the top-flange point load splits at I32/I36, the other cases
        // at I40/I45.
        PhiBCase{0, 32, 2, 2.40}, PhiBCase{0, 36, 2, 2.80}, PhiBCase{0, 40, 2, 2.80},
        PhiBCase{1, 40, 2, 5.50}, PhiBCase{2, 40, 2, 2.10}, PhiBCase{3, 45, 2, 5.60},
        PhiBCase{4, 12, 2, 2.20}, PhiBCase{4, 63, 10, 0.43},
        // Numbers outside every range, and cases that do not exist: no value.
        PhiBCase{0, 21, 2, 0}, PhiBCase{0, 33, 2, 0}, PhiBCase{1, 42, 2, 0}, PhiBCase{2, 9, 2, 0},
        PhiBCase{3, 64, 2, 0}, PhiBCase{5, 20, 2, 0}, PhiBCase{-1, 20, 2, 0}));

TEST(RolledIBeamPhiB, SinglePrecisionValues) {
    // The tabulated 0.60 is held as a float: a little above the double 0.6, so the inelastic
    // correction applies to it.
    EXPECT_GT(GetRolledIBeamPhiB(1, 45, 10), 0.6);
    EXPECT_EQ(GetRolledIBeamPhiB(1, 45, 10), static_cast<double>(0.60f));
}

TEST(RolledIBeamPhiB, FreeLengthRange) {
    EXPECT_FALSE(IsTabulatedFreeLength(1.9));
    EXPECT_FALSE(IsTabulatedFreeLength(1.999999));
    EXPECT_TRUE(IsTabulatedFreeLength(2.0));
    EXPECT_TRUE(IsTabulatedFreeLength(10.0));
    EXPECT_TRUE(IsTabulatedFreeLength(10.000009));
    EXPECT_FALSE(IsTabulatedFreeLength(10.00001));
    EXPECT_FALSE(IsTabulatedFreeLength(10.5));
    EXPECT_FALSE(IsTabulatedFreeLength(-3));
    EXPECT_EQ(GetRolledIBeamPhiB(0, 20, 1.9), 0);
    EXPECT_EQ(GetRolledIBeamPhiB(0, 20, 10.5), 0);
    // Just above 10 m the last column holds; the last row has no column beyond it.
    EXPECT_NEAR(GetRolledIBeamPhiB(4, 63, 10.000005), 0.43, 1e-6);
}

} // namespace
} // namespace ferrolab
