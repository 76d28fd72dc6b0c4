#include <gtest/gtest.h>

#include <sstream>

#include "calculators/materials/DesignValues.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;
using namespace ferrolab::cli;

namespace {

using test::Call;
using test::CliRun;

TEST(DesignValuesEntry, Listed) {
    EXPECT_NE(Call({"list"}).out.find("design-values\t设计指标\n"), std::string::npos);
    const CliRun fields = Call({"design-values", "--fields"});
    EXPECT_EQ(fields.status, 0);
    for (const char* field : {"code=GB50018-2002", "grade=Q235", "thickness=<=16",
                              "spot-weld-plate=0.4", "plate-category=非加劲板件"}) {
        EXPECT_NE(fields.out.find(std::string("  ") + field), std::string::npos) << field;
    }
}

TEST(DesignValuesEntry, DefaultsPrintTheColdFormedBoxes) {
    const CliRun run = Call({"design-values"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.empty());
    EXPECT_EQ(run.out, ToUnixLines(FormatDesignValues(*ComputeDesignValues({}))));
    EXPECT_EQ(run.out.rfind("规范: GB50018-2002 冷弯薄壁型钢结构技术规范\n钢号: Q235\n"
                            "[钢材强度设计值]\n根据GB50018-2002 表4.2.1\n",
                            0),
              0u);
    EXPECT_NE(run.out.find("\n 角焊缝抗压、抗拉、抗剪 ffw: 140 N/mm2\n"), std::string::npos);
    EXPECT_NE(run.out.find("\n每个焊点的抗剪承载力设计值Nvs(kN): 0.60\n"), std::string::npos);
    EXPECT_NE(run.out.find("\n限值: 45.00\n"), std::string::npos);
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

TEST(DesignValuesEntry, FieldsReachTheBoxes) {
    const CliRun cold = Call({"design-values", "grade=Q345", "spot-weld-plate=3.5",
                              "plate-category=圆管外径与壁厚之比"});
    EXPECT_EQ(cold.status, 0);
    EXPECT_NE(cold.out.find("\n 抗拉、抗压、抗弯:300.00N/mm2\n"), std::string::npos);
    EXPECT_NE(cold.out.find("\n每个焊点的抗剪承载力设计值Nvs(kN): 12.60\n"), std::string::npos);
    EXPECT_NE(cold.out.find("\n限值: 68.00\n"), std::string::npos);

    const CliRun gb = Call({"design-values", "code=GB50017", "grade=Q345", "thickness=>35-50"});
    EXPECT_EQ(gb.status, 0);
    EXPECT_NE(gb.out.find("\n钢材厚度: >35-50 mm\n"), std::string::npos);
    EXPECT_NE(gb.out.find("\n 抗拉、抗压、抗弯:265.00N/mm2,\n \t         抗剪:155.00N/mm2,\n"),
              std::string::npos);
    EXPECT_NE(gb.out.find("\n三级焊缝质量对接焊缝抗拉 ftw: 225.00 N/mm2\n"), std::string::npos);
    // The cold-formed boxes are hidden in this mode.
    EXPECT_EQ(gb.out.find("Nvs"), std::string::npos);
    EXPECT_EQ(gb.out.find("限值"), std::string::npos);
}

TEST(DesignValuesEntry, ValuesTheDialogDoesNotOfferAreUsageErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {"design-values", "grade=Q390"},
        {"design-values", "thickness=>16-40"},
        {"design-values", "code=GB50017", "grade=Q345", "thickness=>16-40"},
        {"design-values", "code=GB50017", "thickness=>50-100"},
        {"design-values", "code=GB50017 普通钢结构规范"},
        {"design-values", "spot-weld-plate=0.5"},
    };
    for (const auto& args : bad) {
        const CliRun run = Call(args);
        EXPECT_EQ(run.status, kExitUsage) << args.back();
        EXPECT_TRUE(run.out.empty()) << args.back();
        EXPECT_FALSE(run.err.empty()) << args.back();
    }
}

} // namespace
