#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include "app/MainFrame.h"
#include "app/TrabekApp.h"
#include "calculators/Commands.h"
#include "calculators/seismic/SeismicCoefficientDlg.h"
#include "calculators/seismic/SpectrumCurve.h"
#include "cli/Registry.h"
#include "tests/support/CliRun.h"
#include "tests/support/DialogFixture.h"

using namespace ferrolab;
using namespace ferrolab::test;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SeismicCoefficientDlgTest : public DialogFixture<CSeismicCoefficientDlg> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        dlg.SetTablePath(dir.filePath("ResponseSpectrum.txt"));
        dlg.show();
    }

    QStringList ReportLines() {
        return QString::fromStdString(Report()).split("\r\n", Qt::SkipEmptyParts);
    }
    SpectrumPlot Plot() { return Child<CSpectrumCurve>(&dlg, "curve")->Plot(); }

    QTemporaryDir dir;
};

TEST_F(SeismicCoefficientDlgTest, OpensOnTheFirstItemOfEveryList) {
    EXPECT_EQ(dlg.windowTitle(), "地震影响系数");
    // αmax and ζ are editable lists opening on their first preset.
    const std::pair<const char*, Texts> boxes[] = {
        {"alphaMax",
         {"0.04", "0.08", "0.12", "0.16", "0.24", "0.32", "0.50", "0.72", "0.90", "1.20", "1.40"}},
        {"zeta", {"0.02", "0.03", "0.035", "0.04", "0.05", "0.10", "0.15", "0.20"}},
    };
    for (const auto& [name, items] : boxes) {
        EXPECT_EQ(Items(Box(name)), items) << name;
        EXPECT_EQ(Box(name)->currentIndex(), 0) << name;
        EXPECT_TRUE(Box(name)->isEditable()) << name;
    }
    const std::pair<const char*, Texts> lists[] = {
        {"site", {"I", "II", "III", "IV"}},
        {"group", {"第一组", "第二组", "第三组"}},
        {"dt", {"0.01"}},
    };
    for (const auto& [name, items] : lists) {
        EXPECT_EQ(Items(List(name)), items) << name;
        EXPECT_EQ(List(name)->currentIndex(), 0) << name;
    }
    EXPECT_EQ(std::vector<double>({dlg.alphaMax(), dlg.zeta(), dlg.dt()}),
              std::vector<double>({0.04, 0.02, 0.01}));
    QStringList labels;
    for (const QLabel* label : dlg.findChildren<QLabel*>()) {
        if (!qobject_cast<ReportBox*>(label->parent())) { // not the report's verdict strip
            labels << label->text();
        }
    }
    EXPECT_EQ(labels, (QStringList{"规范版本:", "地震影响系数最大值αmax:", "阻尼比:", "场地类别:",
                                   "设计地震分组:", "地震影响:", "取值步长(s):"}));
    EXPECT_TRUE(ComputeButton()->isDefault());
    EXPECT_TRUE(ReportLines().isEmpty());
    EXPECT_FALSE(Plot().marked);
}

TEST_F(SeismicCoefficientDlgTest, EachComputeRefillsTheListRedrawsTheCurveAndRewritesTheTable) {
    Compute();
    QStringList lines = ReportLines();
    ASSERT_EQ(lines.size(), 600);
    EXPECT_EQ(lines[0], "0.0180000");
    EXPECT_EQ(lines[10], "0.0527660");
    EXPECT_TRUE(notices.notices().empty());
    QByteArray table = ReadAll(dir.filePath("ResponseSpectrum.txt"));
    EXPECT_TRUE(table.startsWith("0.018\t0\r\n0.0214766\t0.01\r\n"));
    EXPECT_TRUE(table.endsWith("\r\n0.00693453\t5.99\r\n"));
    EXPECT_EQ(Plot().tgLabel, "Tg=0.25");
    test::SaveScreenshot(&dlg, "seismic-coefficient-dialog");

    // αmax 1.40, ζ 0.05, site IV, third group: Tg = 0.9, plateau 1.4 up to index 89.
    Choose(Box("alphaMax"), 10);
    Choose(Box("zeta"), 4);
    Choose(List("site"), 3);
    Choose(List("group"), 2);
    Compute();
    EXPECT_EQ(dlg.result().eta2, 1);
    lines = ReportLines();
    ASSERT_EQ(lines.size(), 600);
    EXPECT_EQ(lines[0], "0.6300000");
    EXPECT_EQ(lines[89], "1.4000000");
    EXPECT_EQ(lines[449], "0.3295525");
    EXPECT_EQ(lines[450], "0.3288933");
    EXPECT_EQ(lines[599], "0.2871733");
    EXPECT_EQ(Plot().tgLabel, "Tg=0.90");
    for (const auto& branch : Plot().branches) {
        EXPECT_FALSE(branch.empty());
    }
    table = ReadAll(dir.filePath("ResponseSpectrum.txt"));
    EXPECT_TRUE(table.startsWith("0.63\t0\r\n"));
    EXPECT_EQ(table.count("\r\n"), 600);
    test::SaveScreenshot(&dlg, "seismic-coefficient-dialog-largest");
}

TEST_F(SeismicCoefficientDlgTest, PresetsAndTypedValuesWithinTheirLimits) {
    // αmax 0.24, ζ 0.10, site II: the hand-worked spectrum of the unit test (η2 = 0.7826087,
    // γ = 0.85, η1 = 0.01375, Tg = 0.35).
    Choose(Box("alphaMax"), 4);
    Choose(Box("zeta"), 5);
    Choose(List("site"), 1);
    EXPECT_EQ(dlg.alphaMax(), 0.24);
    EXPECT_EQ(dlg.zeta(), 0.10);
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    QStringList lines = ReportLines();
    ASSERT_EQ(lines.size(), 600);
    EXPECT_EQ(lines[0], "0.1080000");
    EXPECT_EQ(lines[10], "0.1878261");
    EXPECT_EQ(lines[70], "0.1042030");
    EXPECT_EQ(lines[175], "0.0478224");
    EXPECT_EQ(lines[599], "0.0338304");
    const test::CliRun run = test::Call({"seismic", "alpha-max=0.24", "zeta=0.10", "site=II"});
    EXPECT_EQ(run.out, cli::ToUnixLines(Report()));
    const std::string before = Report();

    // Typed values beyond the limits are refused and the list stays.
    const std::pair<const char*, const char*> refused[] = {
        {"alphaMax", "2.5"}, {"alphaMax", "0"}, {"zeta", "1"}, {"zeta", "abc"}};
    for (const auto& [box, text] : refused) {
        const ValueCombo* combo = Box(box);
        const QString kept = combo->currentText();
        Type(Box(box), text);
        Compute();
        Type(Box(box), kept);
    }
    EXPECT_EQ(notices.notices(),
              (std::vector<Notice>{InputError("地震影响系数最大值αmax必须大于0且不大于2.0"),
                                   InputError("地震影响系数最大值αmax必须大于0且不大于2.0"),
                                   InputError("阻尼比ζ必须大于0且小于1"),
                                   InputError("阻尼比ζ必须大于0且小于1")}));
    EXPECT_EQ(Report(), before);

    // 2.0 and ζ = 0.3 are taken: η1 = 0.02 − 0.25/8 < 0 is held at 0.
    Type(Box("alphaMax"), "2.0");
    Type(Box("zeta"), "0.3");
    Compute();
    EXPECT_EQ(notices.notices().size(), 4u);
    EXPECT_EQ(dlg.result().eta1, 0);
    EXPECT_EQ(ReportLines()[0], "0.9000000");
}

TEST_F(SeismicCoefficientDlgTest, ALostFileIsReportedAndTheListStillShown) {
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString target = dir.filePath("plain/ResponseSpectrum.txt");
    dlg.SetTablePath(target);
    Compute();
    ASSERT_EQ(notices.notices().size(), 1u);
    EXPECT_EQ(notices.notices()[0],
              (Notice{"无法写入文件 " + QDir::toNativeSeparators(target).toStdString() +
                          "，地震影响系数表没有保存。",
                      "提示", NoticeIcon::Warning}));
    EXPECT_EQ(ReportLines().size(), 600);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"plain"});
}

// Without a path of its own the table goes to the current directory.
TEST(SeismicCoefficientDlgFile, WritesIntoTheCurrentDirectory) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    {
        NoticeRecorder notices;
        CSeismicCoefficientDlg dlg;
        EXPECT_EQ(dlg.TablePath(), QDir(dir.path()).absoluteFilePath("ResponseSpectrum.txt"));
        QFile earlier("ResponseSpectrum.txt");
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write(QByteArray(50000, 'x'));
        earlier.close();
        dlg.OnCompute();
        EXPECT_TRUE(notices.notices().empty());
    }
    const QByteArray table = ReadAll(dir.filePath("ResponseSpectrum.txt"));
    QDir::setCurrent(before);
    EXPECT_TRUE(table.startsWith("0.018\t0\r\n"));
    EXPECT_EQ(table.count('x'), 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"ResponseSpectrum.txt"});
}

// "抗震规范" > "地震影响系数曲线" opens the dialog on its first items every time.
TEST(SeismicCoefficientMenu, OpensFromTheMainMenuFresh) {
    CTrabekApp app;
    ASSERT_TRUE(app.InitInstance());
    QAction* action = app.mainFrame()->ActionFor(cmd::kSeismicCurve);
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->isEnabled());
    for (int run = 0; run < 2; ++run) {
        int zeta = -1;
        const QString caption =
            WhileModal([&] { action->trigger(); },
                       [&](QWidget* modal) {
                           if (auto* box = modal->findChild<ValueCombo*>("zeta")) {
                               zeta = box->currentIndex();
                               Choose(box, 2);
                           }
                       });
        EXPECT_EQ(caption, "地震影响系数") << run;
        EXPECT_EQ(zeta, 0) << run;
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace

namespace {

TEST_F(SeismicCoefficientDlgTest, Edition2010RefillsItsListsAndComputesTheNewSpectrum) {
    EXPECT_EQ(Items(List("edition")), (Texts{"GB50011-2001", "GB50011-2010"}));
    EXPECT_EQ(List("edition")->currentText(), "GB50011-2001");
    EXPECT_FALSE(List("level")->isEnabled());
    EXPECT_EQ(Items(List("level")), (Texts{"多遇", "罕遇"}));

    // Site II and a typed αmax stay what they were when the edition changes.
    Choose(List("site"), 1);
    Type(Box("alphaMax"), "0.5");
    Pick(List("edition"), "GB50011-2010");
    EXPECT_EQ(dlg.edition(), kSeismic2010);
    EXPECT_EQ(Items(List("site")), (Texts{"I0", "I1", "II", "III", "IV"}));
    EXPECT_EQ(List("site")->currentText(), "II");
    EXPECT_EQ(Items(Box("alphaMax")), (Texts{"0.04", "0.08", "0.12", "0.16", "0.24", "0.28", "0.32",
                                             "0.50", "0.72", "0.90", "1.20", "1.40"}));
    EXPECT_EQ(Box("alphaMax")->currentText(), "0.5");
    EXPECT_EQ(dlg.alphaMax(), 0.5);
    EXPECT_TRUE(List("level")->isEnabled());

    // The rare earthquake of intensity 6 on site I1, second group, ζ 0.05: Tg = 0.35.
    Pick(Box("alphaMax"), "0.28");
    Pick(Box("zeta"), "0.05");
    Pick(List("site"), "I1");
    Pick(List("group"), "第二组");
    Pick(List("level"), "罕遇");
    Compute();
    EXPECT_TRUE(notices.notices().empty());
    const QStringList lines = ReportLines();
    ASSERT_EQ(lines.size(), 600);
    EXPECT_EQ(lines[0], "0.1260000");
    EXPECT_EQ(lines[35], "0.2800000");
    EXPECT_EQ(lines[36], "0.2729902");
    EXPECT_EQ(lines[175], "0.0657787");
    EXPECT_EQ(lines[599], "0.0420347");
    EXPECT_EQ(Plot().tgLabel, "Tg=0.35");
    EXPECT_EQ(Plot().fiveTgLabel, "5Tg=1.75");
    EXPECT_TRUE(ReadAll(dir.filePath("ResponseSpectrum.txt")).startsWith("0.126\t0\r\n"));
    const test::CliRun run = test::Call({"seismic", "edition=2010", "alpha-max=0.28", "zeta=0.05",
                                         "site=I1", "group=第二组", "level=罕遇"});
    EXPECT_EQ(run.out, cli::ToUnixLines(Report()));
    test::SaveScreenshot(&dlg, "seismic-coefficient-dialog-2010");

    // Back to 2001: I1 is class I again, the level returns to 多遇 and cannot be chosen, the
    // 2001 spectrum is computed.
    Pick(List("edition"), "GB50011-2001");
    EXPECT_EQ(Items(List("site")), (Texts{"I", "II", "III", "IV"}));
    EXPECT_EQ(List("site")->currentText(), "I");
    EXPECT_EQ(List("level")->currentText(), "多遇");
    EXPECT_FALSE(List("level")->isEnabled());
    EXPECT_EQ(Items(Box("alphaMax")).size(), 11u);
    EXPECT_EQ(Box("alphaMax")->currentText(), "0.28");
    Compute();
    EXPECT_EQ(ReportLines()[30], "0.2800000"); // Tg = 0.30 without the rare increment
    EXPECT_EQ(cli::ToUnixLines(Report()),
              test::Call({"seismic", "alpha-max=0.28", "zeta=0.05", "group=第二组"}).out);
}

// A dialog opened after 2010 was chosen opens on 2010 with its lists, on site I1 (the class I the
// 2001 lists open on).
TEST_F(SeismicCoefficientDlgTest, ANewDialogOpensOnTheEditionLastChosen) {
    Pick(List("edition"), "GB50011-2010");
    {
        CSeismicCoefficientDlg next;
        EXPECT_EQ(next.edition(), kSeismic2010);
        auto* edition = Child<ChoiceList>(&next, "edition");
        EXPECT_EQ(edition->currentText(), "GB50011-2010");
        auto* site = Child<ChoiceList>(&next, "site");
        EXPECT_EQ(Items(site), (Texts{"I0", "I1", "II", "III", "IV"}));
        EXPECT_EQ(site->currentText(), "I1");
        EXPECT_EQ(Items(Child<ValueCombo>(&next, "alphaMax")).size(), 12u);
        EXPECT_TRUE(Child<ChoiceList>(&next, "level")->isEnabled());
        // Its opening compute is the runner's edition=2010 default (class I read as I1).
        next.SetTablePath(dir.filePath("next.txt"));
        next.OnCompute();
        EXPECT_EQ(cli::ToUnixLines(Child<ReportBox>(&next, "report")->Report()),
                  test::Call({"seismic", "edition=2010"}).out);
    }
    Pick(List("edition"), "GB50011-2001");
    CSeismicCoefficientDlg fresh;
    EXPECT_EQ(fresh.edition(), kSeismic2001);
    EXPECT_EQ(Items(Child<ChoiceList>(&fresh, "site")), (Texts{"I", "II", "III", "IV"}));
}

} // namespace
