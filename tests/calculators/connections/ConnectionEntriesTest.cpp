#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "calculators/connections/BoltConnectionDlg.h"
#include "calculators/connections/FilletWeldMNVDlg.h"
#include "calculators/connections/FilletWeldTorqueDlg.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"
#include "tests/support/GuiHelpers.h"
#include "ui/CalculatorDialog.h"
#include "ui/MessageBox.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

std::string ReportOf(const QWidget* dlg, const char* box = "report") {
    return cli::ToUnixLines(Child<ReportBox>(dlg, box)->Report());
}

TEST(ConnectionEntries, ListedWithTheirFields) {
    const std::string list = Call({"list"}).out;
    for (const char* line : {"fillet-weld-mnv\t承受弯矩、轴力和剪力作用的角焊缝连接\n",
                             "fillet-weld-torque\t承受扭矩和剪力共同作用的角焊缝\n",
                             "bolt-capacity\t螺栓连接", "bolt-group\t螺栓连接"}) {
        EXPECT_NE(list.find(line), std::string::npos) << line;
    }
    // Defaults are the dialog's opening state; lists that depend on other picks default to blank.
    const std::pair<const char*, const char*> fields[] = {
        {"fillet-weld-mnv", "\n  b2=50.00  bottom flange width, mm\n"},
        {"fillet-weld-mnv", "\n  grade=Q235  (Q235|Q345|Q390|Q420|Q460|Q345GJ)"},
        {"fillet-weld-torque", "\n  beta=1.0  "},
        {"bolt-capacity", "\n  d=  blank: the first of the list;"},
        {"bolt-capacity", "\n  thickness-sum=6  (6|7|"},
        {"bolt-group",
         "\n  load-case=扭矩M + 剪力V + 轴力N  (扭矩M + 剪力V + 轴力N|弯矩M + 剪力V |"},
        {"bolt-group", "\n  cols=  columns n; blank: what the load case selects"},
    };
    for (const auto& [id, line] : fields) {
        const CliRun run = Call({id, "--fields"});
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    }
}

TEST(ConnectionEntries, FilletWeldMnvPrintsTheDialogReport) {
    NoticeRecorder notices;
    CFilletWeldMNVDlg dlg;
    dlg.show();
    Choose(Child<ValueCombo>(&dlg, "b1"), 2); // 210.00
    Type(Child<ValueCombo>(&dlg, "hf"), "12");
    Choose(Child<ValueCombo>(&dlg, "F"), 3); // 250.00
    Pick(Child<ChoiceList>(&dlg, "grade"), "Q420");
    Click(Child<QPushButton>(&dlg, "computeButton"));
    const CliRun run = Call({"fillet-weld-mnv", "b1=210.00", "hf=12", "F=250", "grade=Q420"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.empty());
    EXPECT_EQ(run.out, ReportOf(&dlg));
    EXPECT_EQ(run.out.rfind(
                  "钢材为:Q420,查表，得角焊缝的抗拉、抗压、抗剪强度设计值为:220.00(N/mm2),\n", 0),
              0u);
}

TEST(ConnectionEntries, FilletWeldTorquePrintsXTAndTheReport) {
    NoticeRecorder notices;
    CFilletWeldTorqueDlg dlg;
    dlg.show();
    Choose(Child<ValueCombo>(&dlg, "b"), 3);  // 180.00
    Choose(Child<ValueCombo>(&dlg, "Fy"), 1); // 400.00
    Type(Child<ValueCombo>(&dlg, "Fx"), "30");
    Choose(Child<ValueCombo>(&dlg, "beta"), 1); // 1.1
    Click(Child<QPushButton>(&dlg, "computeButton"));
    const CliRun run = Call({"fillet-weld-torque", "b=180", "Fy=400.00", "Fx=30", "beta=1.1"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "x: " + Child<QLineEdit>(&dlg, "x")->text().toStdString() +
                           "\nT: " + Child<QLineEdit>(&dlg, "T")->text().toStdString() + "\n" +
                           ReportOf(&dlg));
    // Defaults: x 32.88 and T 135.02 worked by hand.
    EXPECT_EQ(Call({"fillet-weld-torque"}).out.rfind("x: 32.88\nT: 135.02\n焊缝总有效面积", 0), 0u);
}

TEST(ConnectionEntries, BoltCapacityPrintsTheCapacityBox) {
    NoticeRecorder notices;
    CBoltConnectionDlg dlg;
    dlg.show();
    Pick(Child<ChoiceList>(&dlg, "diameter"), "20");
    Pick(Child<ChoiceList>(&dlg, "thicknessSum"), "10");
    const CliRun ordinary = Call({"bolt-capacity", "d=20", "thickness-sum=10"});
    EXPECT_EQ(ordinary.status, 0);
    // The ordinary text ends its last line; the friction text does not, so the runner adds one.
    EXPECT_EQ(ordinary.out, ReportOf(&dlg, "capacity"));
    EXPECT_NE(ordinary.out.find("Ncb = d* Σt *fcb= 61.0000kN\n"), std::string::npos);

    Pick(Child<ChoiceList>(&dlg, "kind"), "摩擦型高强螺栓");
    Pick(Child<ChoiceList>(&dlg, "boltClass"), "10.9级");
    Pick(Child<ChoiceList>(&dlg, "diameter"), "M20");
    Pick(Child<ChoiceList>(&dlg, "shearPlanes"), "2");
    const CliRun friction =
        Call({"bolt-capacity", "kind=摩擦型高强螺栓", "class=10.9级", "d=M20", "n=2"});
    EXPECT_EQ(friction.status, 0);
    EXPECT_EQ(friction.out, ReportOf(&dlg, "capacity") + "\n");
    EXPECT_NE(friction.out.find("Nvb=0.9*n*μ*P= 125.55kN\n"), std::string::npos);

    // A typed μ, outside 0 to 1: the capacity with the advice on stderr.
    const CliRun typed = Call({"bolt-capacity", "kind=摩擦型高强螺栓", "mu=1.2"});
    EXPECT_EQ(typed.status, 0);
    EXPECT_NE(typed.out.find("Nvb=0.9*n*μ*P= 86.40kN"), std::string::npos); // 0.9·1.2·80
    EXPECT_EQ(typed.err, "提示: 摩擦系数不是很合理吧\n");
}

TEST(ConnectionEntries, BoltGroupPrintsTheGroupReport) {
    NoticeRecorder notices;
    CBoltConnectionDlg dlg;
    dlg.show();
    Pick(Child<ChoiceList>(&dlg, "kind"), "摩擦型高强螺栓");
    Pick(Child<ChoiceList>(&dlg, "loadCase"), "弯矩M + 剪力V ");
    Pick(Child<ChoiceList>(&dlg, "rows"), "5");
    Choose(Child<ValueCombo>(&dlg, "rowPitch"), 4); // 80
    Click(Child<QPushButton>(&dlg, "computeButton"));
    const CliRun run = Call({"bolt-group", "load-case=弯矩M + 剪力V ", "kind=摩擦型高强螺栓",
                             "rows=5", "row-pitch=80"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, ReportOf(&dlg));
    // Centred rows at 80: 2·2·(80² + 160²) = 128000.
    EXPECT_EQ(run.out, "  Σyi^2=128000.00mm2\n\n 竖向力V由端板刨平顶紧于承板传递\n");

    const CliRun notBuilt = Call({"bolt-group", "load-case=弯矩M + 轴拉力N"});
    EXPECT_EQ(notBuilt.status, cli::kExitRefused);
    EXPECT_EQ(notBuilt.err, "提示: 抱歉，还没来得及做\n");
    EXPECT_TRUE(notBuilt.out.empty());
}

TEST(ConnectionEntries, ChoicesTheDialogDoesNotOfferAreUsageErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {"bolt-capacity", "class=10.9级"},
        {"bolt-capacity", "kind=摩擦型高强螺栓", "d=20"},
        {"bolt-capacity", "code=GB50018-2002", "grade=Q390"},
        {"bolt-capacity", "code=GB50018-2002", "class=5.6级A级B级"},
        {"bolt-capacity", "kind=摩擦型高强螺栓", "code=GB50018-2002", "surface=喷砂(丸)后生赤锈"},
        {"bolt-group", "load-case=弯矩M + 剪力V ", "cols=3"},
        {"bolt-group", "load-case=弯矩M + 剪力V"},
        {"fillet-weld-mnv", "grade=Q460"},
    };
    for (const auto& args : bad) {
        const CliRun run = Call(args);
        EXPECT_EQ(run.status, cli::kExitUsage) << args.back();
        EXPECT_TRUE(run.out.empty()) << args.back();
        EXPECT_FALSE(run.err.empty()) << args.back();
    }
}

TEST(ConnectionEntries, NoFieldValueCrashesOrPrintsInfinity) {
    const std::pair<std::vector<std::string>, std::vector<const char*>> numeric[] = {
        {{"fillet-weld-mnv"}, {"b1", "t1", "h0", "tw", "b2", "t2", "hf", "F", "e"}},
        {{"fillet-weld-torque"}, {"b", "h", "e", "hf", "Fx", "Fy", "beta"}},
        {{"bolt-capacity", "kind=摩擦型高强螺栓"}, {"mu"}},
        {{"bolt-group"}, {"V", "N", "M", "row-pitch", "col-pitch"}},
        {{"bolt-group", "load-case=弯矩M + 剪力V "}, {"M", "row-pitch"}},
    };
    const char* const values[] = {"", "0", "-5", "nan", "inf", "abc", "1e308", "1e400", "1e-300"};
    for (const auto& [base, fields] : numeric) {
        for (const char* field : fields) {
            for (const char* value : values) {
                std::vector<std::string> args = base;
                args.push_back(std::string(field) + "=" + value);
                const CliRun run = Call(args);
                const std::string& what = args.back();
                EXPECT_TRUE(run.status == cli::kExitOk || run.status == cli::kExitRefused)
                    << base[0] << ' ' << what;
                EXPECT_EQ(run.status == cli::kExitOk, !run.out.empty()) << base[0] << ' ' << what;
                for (const char* bad : {"inf", "nan", "INF", "NAN"}) {
                    EXPECT_EQ(run.out.find(bad), std::string::npos) << base[0] << ' ' << what;
                }
            }
        }
    }
    // A refusal names what is wrong, on stderr, with exit 2.
    const CliRun refused = Call({"fillet-weld-torque", "beta=1.23"});
    EXPECT_EQ(refused.status, cli::kExitRefused);
    EXPECT_EQ(refused.err, "输入错误: 老哥，不要乱填数,β在1~1.22之间\n");
    EXPECT_EQ(Call({"fillet-weld-torque", "beta=0.99"}).status, cli::kExitRefused);
    EXPECT_EQ(Call({"fillet-weld-torque", "beta=1.22"}).status, cli::kExitOk);
    const CliRun pitch = Call({"bolt-group", "row-pitch="});
    EXPECT_EQ(pitch.status, cli::kExitRefused);
    EXPECT_EQ(pitch.err, "输入错误: 行距应为大于0的数\n");
}

} // namespace
