#include <gtest/gtest.h>

#include <string>

#include "calculators/members/RolledIBeamPhi.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;

namespace {

using test::Call;
using test::CliRun;

struct ShownCase {
    int loadCase;
    const char* beam;
    double l1;
    int fy;
    const char* shown;
};

class RolledIBeamPhiShown : public ::testing::TestWithParam<ShownCase> {};

TEST_P(RolledIBeamPhiShown, ResultBox) {
    const ShownCase& c = GetParam();
    const RolledIBeamPhiResult r = ComputeRolledIBeamPhi({c.loadCase, c.beam, c.l1, c.fy});
    ASSERT_TRUE(r.shown);
    EXPECT_EQ(*r.shown, c.shown) << "case " << c.loadCase << " " << c.beam << " l1=" << c.l1;
    EXPECT_TRUE(r.notices.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Beams, RolledIBeamPhiShown,
    ::testing::Values(
        // 2.00 -> 1.07 - 0.282/2.00 = 0.929.
        ShownCase{0, "I20A", 2, 235, "0.929"},
        // 0.40 stays elastic and is shown with two decimals.
        ShownCase{0, "I45A", 10, 235, "0.40"},
        // Case 1 takes the I45-I63 row: its single-precision 0.60 lies above 0.6, so the
        // correction applies: 1.07 - 0.282/0.6000000238 = 0.600.
        ShownCase{1, "I45A", 10, 235, "0.600"},
        // Half-way between 1.70 and 1.12: 1.41 -> 1.07 - 0.2 = 0.870; with Q345
        // 1.41·235/345 = 0.9604 -> 1.07 - 0.2936 = 0.776.
        ShownCase{2, "I10 ", 2.5, 235, "0.870"}, ShownCase{2, "I10 ", 2.5, 345, "0.776"},
        // I40A: case 0 from the I36-I63 row (1.07 at 4 m), case 1 from I22-I40 (1.84).
        ShownCase{0, "I40A", 4, 235, "0.806"}, ShownCase{1, "I40A", 4, 235, "0.917"},
        // "I12.6" is beam 12; 0.35·235/390 = 0.211.
        ShownCase{2, "I12.6", 10, 235, "0.37"}, ShownCase{2, "I63C", 10, 390, "0.21"}));

TEST(RolledIBeamPhi, BeamNumberOfEntry) {
    EXPECT_EQ(BeamNumberOfEntry("I10 "), 10);
    EXPECT_EQ(BeamNumberOfEntry("I12.6"), 12);
    EXPECT_EQ(BeamNumberOfEntry("I45C"), 45);
    EXPECT_EQ(BeamNumberOfEntry("I"), 0);
    EXPECT_EQ(BeamNumberOfEntry("Ix0"), 0);
}

TEST(RolledIBeamPhi, FreeLengthOutsideTheTable) {
    for (const double l1 : {1.9, 10.5, 0.0, -2.0}) {
        const RolledIBeamPhiResult r = ComputeRolledIBeamPhi({0, "I20A", l1, 235});
        ASSERT_EQ(r.notices.size(), 1u) << l1;
        EXPECT_EQ(r.notices[0], (Notice{"超出规范规定", "Ferrolab", NoticeIcon::Information}));
        ASSERT_TRUE(r.shown);
        EXPECT_EQ(*r.shown, "0.00") << l1;
    }
}

TEST(RolledIBeamPhi, Edition2017NamesTableC02AndRefusesLengthsOutsideIt) {
    struct Case {
        int loadCase;
        const char* beam;
        double l1;
        int fy;
        const char* shown;
    };
    const Case cases[] = {
        // 2.00 of the table, φb > 0.6: φ'b = 1.07 - 0.282/2.00 = 0.929 (C.0.1-7).
        {0, "I20A", 2, 235, "0.929（表C.0.2，式C.0.1-7）"},
        // 0.40 at 10 m stays φb.
        {0, "I45A", 10, 235, "0.40（表C.0.2）"},
        // εk² = 235/345: 0.60·0.6812 = 0.4087.
        {1, "I45A", 10, 345, "0.41（表C.0.2）"},
        // l1 = 2.5, I10, case 2: (1.70 + 1.12)/2 = 1.41, times 235/390 = 0.8496 > 0.6:
        // 1.07 - 0.282/0.8496 = 0.738.
        {2, "I10 ", 2.5, 390, "0.738（表C.0.2，式C.0.1-7）"},
    };
    for (const Case& c : cases) {
        const RolledIBeamPhiResult r =
            ComputeRolledIBeamPhi({c.loadCase, c.beam, c.l1, c.fy, kSteel2017});
        EXPECT_EQ(r.shown.value_or("none"), c.shown) << c.beam << " " << c.l1;
        EXPECT_TRUE(r.notices.empty());
    }
    for (double l1 : {1.9, 10.5, 0.0}) {
        const RolledIBeamPhiResult r = ComputeRolledIBeamPhi({0, "I20A", l1, 235, kSteel2017});
        EXPECT_FALSE(r.shown) << l1;
        EXPECT_EQ(r.notices,
                  (std::vector<Notice>{{"超出规范规定", "Ferrolab", NoticeIcon::Information}}));
    }
    const CliRun run =
        Call({"rolled-ibeam-phi", "edition=2017", "name=I45A", "l1=10", "case=1", "grade=Q345"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "0.41（表C.0.2）\n");
    EXPECT_EQ(Call({"rolled-ibeam-phi", "edition=2017", "l1=11"}).status, 2);
}

TEST(RolledIBeamPhiEntry, PrintsTheResultBox) {
    const CliRun run = Call({"rolled-ibeam-phi", "case=1", "name=I45A", "l1=10"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "0.600\n");
    EXPECT_TRUE(run.err.empty());
    // The opening state: I10, case 0, 2 m: 2.00 -> 0.929.
    EXPECT_EQ(Call({"rolled-ibeam-phi"}).out, "0.929\n");
    const CliRun outside = Call({"rolled-ibeam-phi", "l1=10.5"});
    EXPECT_EQ(outside.status, 0);
    EXPECT_EQ(outside.out, "0.00\n");
    EXPECT_EQ(outside.err, "Ferrolab: 超出规范规定\n");
    EXPECT_EQ(Call({"rolled-ibeam-phi", "name=I20a"}).status, cli::kExitUsage);
    EXPECT_EQ(Call({"rolled-ibeam-phi", "case=5"}).status, cli::kExitUsage);
    EXPECT_EQ(Call({"rolled-ibeam-phi", "grade=Q420"}).status, cli::kExitUsage);
    for (const char* value : {"", "nan", "inf", "1e308", "-1e308", "abc"}) {
        const CliRun odd = Call({"rolled-ibeam-phi", std::string("l1=") + value});
        EXPECT_EQ(odd.out, "0.00\n") << value;
    }
    const CliRun fields = Call({"rolled-ibeam-phi", "--fields"});
    EXPECT_NE(fields.out.find("  name=I10   (I10 |I12.6|I14 |"), std::string::npos);
    EXPECT_NE(fields.out.find("  grade=Q235  (Q235|Q345|Q390)"), std::string::npos);
}

} // namespace
