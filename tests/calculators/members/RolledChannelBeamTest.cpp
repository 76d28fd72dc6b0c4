#include <gtest/gtest.h>

#include <string>

#include "calculators/members/RolledChannelBeam.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;

namespace {

using test::Call;
using test::CliRun;

// 槽5 from the catalogue: h 50, b 37, tw 4.5, tf 7, so t = 5.75.
const char* const kChannel5Text = "槽钢的参数:\r\n h\t\t    ：50.00mm\r\n b\t\t    ：37.00mm"
                                  "\r\n 腹板厚度\t    ：4.50mm\r\n 翼缘厚度\t    ：7.00mm"
                                  "\r\n 翼缘和腹板的平均厚度t：5.75mm";
const char* const kHeadline = "轧制槽钢间支梁受弯稳定系数，无论荷载的形式和荷载作用点在截面"
                              "高度上的位置，均按 \r\n phi = 570*(b*t)*235/(l1*1000.*h*fy) = ";
// l1 = 2 m, Q235: φb = 570·37·5.75/(2000·50) = 1.2127; φ'b = 1.07 - 0.282/1.2127 = 0.8375.
const std::string kChannel5Report =
    std::string(kHeadline) +
    "1.21\r\n phi >0.6，按照规范，phi' = 1.07-0.282/phi 且phi'不大于1.0，所以，phi'=0.84";

TEST(RolledChannelBeam, SelectionText) {
    const ChannelSelection selection = SelectRolledChannel("槽5");
    ASSERT_TRUE(selection.section);
    EXPECT_EQ(selection.text, kChannel5Text);
    EXPECT_EQ(selection.section->t, 5.75);
    EXPECT_TRUE(selection.notices.empty());
}

TEST(RolledChannelBeam, NamesTheCatalogueDoesNotHold) {
    for (const char* name : {"槽99", "L20X3", "HW100x100", ""}) {
        const ChannelSelection selection = SelectRolledChannel(name);
        EXPECT_FALSE(selection.section) << name;
        EXPECT_TRUE(selection.text.empty());
        ASSERT_EQ(selection.notices.size(), 1u);
        EXPECT_EQ(selection.notices[0], InputError(std::string("截面库中没有找到截面 ") + name));
    }
}

TEST(RolledChannelBeam, Report) {
    const RolledChannelBeamResult r =
        ComputeRolledChannelBeam({*SelectRolledChannel("槽5").section, 2, 235});
    ASSERT_TRUE(r.report);
    EXPECT_EQ(*r.report, kChannel5Report);
    // Q390, 3.5 m: 570·37·5.75·235/(3500·50·390) = 0.4176, elastic.
    const RolledChannelBeamResult q390 =
        ComputeRolledChannelBeam({*SelectRolledChannel("槽5").section, 3.5, 390});
    ASSERT_TRUE(q390.report);
    EXPECT_EQ(*q390.report, std::string(kHeadline) + "0.42");
}

TEST(RolledChannelBeam, CorrectionBounds) {
    // b·t = 500, h = 100: φb = 2.85/l1. At 4.75 m exactly 0.6: no correction line.
    const ChannelBeamSection section{100, 50, 10, 10, 10};
    const RolledChannelBeamResult atLimit = ComputeRolledChannelBeam({section, 4.75, 235});
    EXPECT_EQ(atLimit.phiB, 0.6);
    EXPECT_FALSE(atLimit.inelastic);
    EXPECT_EQ(*atLimit.report, std::string(kHeadline) + "0.60");
    // 0.5 m: 5.70, beyond 4.03, so φ'b is held at 1.0.
    const RolledChannelBeamResult stocky = ComputeRolledChannelBeam({section, 0.5, 235});
    EXPECT_EQ(stocky.phiBPrime, 1.0);
    EXPECT_NE(stocky.report->find("= 5.70\r\n"), std::string::npos);
    EXPECT_NE(stocky.report->find("phi'=1.00"), std::string::npos);
}

TEST(RolledChannelBeam, Refusals) {
    const ChannelBeamSection section{100, 50, 10, 10, 10};
    const struct {
        RolledChannelBeamInput input;
        const char* message;
    } cases[] = {
        {{ChannelBeamSection{}, 2, 235}, "请先选择槽钢"},
        {{section, 0, 235}, "自由长度必须是大于0的数"},
        {{section, -2, 235}, "自由长度必须是大于0的数"},
        {{section, 1e-320, 235}, "输入的数值过大"},
    };
    for (const auto& c : cases) {
        const RolledChannelBeamResult r = ComputeRolledChannelBeam(c.input);
        EXPECT_FALSE(r.report) << c.message;
        ASSERT_EQ(r.notices.size(), 1u);
        EXPECT_EQ(r.notices[0], InputError(c.message));
    }
}

// --- GB50017-2017: t is the flange's mean thickness of the catalogue (formula C.0.3) ---

TEST(RolledChannelBeam, Edition2017TakesTheFlangeThickness) {
    // 槽10: h 100, b 48, tw 5.3, t 8.5. l1 = 2 m, Q235: φb = 570·48·8.5/(2000·100) = 1.1628,
    // φ'b = 1.07 - 0.282/1.1628 = 0.8275 (2003, with t = 6.9: 0.94 and 0.77).
    const ChannelSelection c10 = SelectRolledChannel("槽10", kSteel2017);
    ASSERT_TRUE(c10.section);
    EXPECT_EQ(c10.section->t, 8.5);
    EXPECT_EQ(c10.text, "槽钢的参数:\r\n h\t\t    ：100.00mm\r\n b\t\t    ：48.00mm"
                        "\r\n 腹板厚度\t    ：5.30mm\r\n 翼缘平均厚度t\t    ：8.50mm");
    EXPECT_NEAR(SelectRolledChannel("槽10").section->t, 6.9, 1e-6);
    const RolledChannelBeamResult r = ComputeRolledChannelBeam({*c10.section, 2, 235, kSteel2017});
    EXPECT_EQ(r.report.value_or("refused"),
              "轧制槽钢简支梁的整体稳定系数，无论荷载的形式和荷载作用点在截面高度上的位置，均按"
              "GB50017-2017式C.0.3\r\n φb = 570*b*t/(l1*1000*h)*εk^2 = 1.16（εk^2=235/fy=1.000）"
              "\r\n φb>0.6，按式C.0.1-7，φb' = 1.07-0.282/φb 且不大于1.0，φb'=0.83");
    // 槽20a (h 200, b 73, t 11), l1 = 4 m, Q345: 570·73·11/(4000·200)·235/345 = 0.5721·0.6812 =
    // 0.3897, no correction.
    const ChannelSelection c20 = SelectRolledChannel("槽20a", kSteel2017);
    ASSERT_TRUE(c20.section);
    const RolledChannelBeamResult q345 =
        ComputeRolledChannelBeam({*c20.section, 4, 345, kSteel2017});
    EXPECT_NEAR(q345.phiB, 0.3897, 0.00005);
    EXPECT_FALSE(q345.inelastic);
    EXPECT_EQ(q345.report.value_or("refused"),
              "轧制槽钢简支梁的整体稳定系数，无论荷载的形式和荷载作用点在截面高度上的位置，均按"
              "GB50017-2017式C.0.3\r\n φb = 570*b*t/(l1*1000*h)*εk^2 = 0.39（εk^2=235/fy=0.681）");
    // The refusals are the edition's too.
    EXPECT_FALSE(ComputeRolledChannelBeam({*c20.section, 0, 345, kSteel2017}).report);
    const CliRun run = Call({"rolled-channel-phi", "edition=2017", "name=槽10"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, cli::ToUnixLines(c10.text + "\r\n" + *r.report) + "\n");
}

TEST(RolledChannelBeamEntry, SectionTextThenReport) {
    const CliRun run = Call({"rolled-channel-phi"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              cli::ToUnixLines(std::string(kChannel5Text) + "\r\n" + kChannel5Report) + "\n");
    const CliRun zero = Call({"rolled-channel-phi", "name=槽5", "l1=0"});
    EXPECT_EQ(zero.status, cli::kExitRefused);
    EXPECT_EQ(zero.out, "");
    EXPECT_EQ(zero.err, "输入错误: 自由长度必须是大于0的数\n");
    EXPECT_EQ(Call({"rolled-channel-phi", "name=槽99"}).status, cli::kExitUsage);
    for (const char* value : {"", "nan", "inf", "-1", "1e308", "1e-320", "abc"}) {
        const CliRun odd = Call({"rolled-channel-phi", std::string("l1=") + value});
        EXPECT_TRUE(odd.status == 0 || odd.status == cli::kExitRefused) << value;
        EXPECT_EQ(odd.out.find("inf"), std::string::npos) << value;
        EXPECT_EQ(odd.out.find("nan"), std::string::npos) << value;
    }
}

} // namespace
