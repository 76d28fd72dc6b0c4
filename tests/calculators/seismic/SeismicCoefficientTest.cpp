#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <locale>
#include <sstream>

#include <unistd.h>

#include "calculators/seismic/SeismicCoefficient.h"
#include "calculators/seismic/SpectrumPlot.h"
#include "engine/Format.h"
#include "engine/TextToNumber.h"
#include "tests/support/CliRun.h"

using namespace ferrolab;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text does not end with a line end";
    return lines;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> DirectoryEntries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// αmax 0.04, ζ 0.02, site I, first group, Δt 0.01.
SeismicCoefficientResult Defaults() {
    return ComputeSeismicCoefficient(SeismicCoefficientInput{});
}

TEST(SeismicCoefficient, DefaultSpectrum) {
    const SeismicCoefficientResult r = Defaults();
    EXPECT_NEAR(r.eta2, 1 + 0.03 / 0.094, 1e-15);
    EXPECT_NEAR(r.gamma, 0.95, 1e-15);
    EXPECT_NEAR(r.eta1, 0.02375, 1e-15);
    EXPECT_EQ(r.tg, 0.25);
    EXPECT_EQ(std::vector<int>({r.nRise, r.nPlateau, r.nCurve, r.nEnd}),
              std::vector<int>({10, 25, 125, 600}));
    // η2·αmax from 0.1 s (index 10) to index 24; the curved descent starts at Tg with it.
    ASSERT_EQ(r.alpha.size(), 600u);
    for (int i = 0; i < 600; ++i) {
        EXPECT_EQ(r.alpha[i] == r.eta2 * 0.04, i >= 10 && i <= 25) << i;
    }
    // Worked from the branch formulas with η2 = 1.3191489, γ = 0.95, η1 = 0.02375, Tg = 0.25.
    const std::vector<std::string> lines = Lines(*r.report);
    ASSERT_EQ(lines.size(), 600u);
    const std::pair<int, const char*> expected[] = {
        {0, "0.0180000"},   {1, "0.0214766"},   {9, "0.0492894"},   {10, "0.0527660"},
        {24, "0.0527660"},  {26, "0.0508361"},  {124, "0.0115251"}, {125, "0.0114375"},
        {126, "0.0114280"}, {599, "0.0069345"},
    };
    for (const auto& [index, text] : expected) {
        EXPECT_EQ(lines[index], text) << index;
    }
}

TEST(SeismicCoefficient, DampingCoefficientsAndTheClampOfEta2) {
    const SeismicCoefficientResult standard = ComputeSeismicCoefficient({0.04, 0.05, 0, 0, 0.01});
    EXPECT_EQ(standard.eta2, 1);
    EXPECT_DOUBLE_EQ(standard.gamma, 0.9);
    EXPECT_DOUBLE_EQ(standard.eta1, 0.02);
    // ζ = 0.5 would give η2 = 1 - 0.45/0.91 = 0.5055: held at 0.55; η1 = 0.02 - 0.45/8 < 0 is
    // held at 0, so that the straight descent stays level at 0.2^γ·η2·αmax with
    // γ = 0.9 - 0.45/3 = 0.75: 0.2^0.75 = 0.299070, times 0.55·0.04 = 0.0065795.
    const SeismicCoefficientResult heavy = ComputeSeismicCoefficient({0.04, 0.5, 0, 0, 0.01});
    EXPECT_EQ(heavy.eta2, 0.55);
    EXPECT_EQ(heavy.eta1, 0);
    EXPECT_DOUBLE_EQ(heavy.gamma, 0.75);
    ASSERT_EQ(heavy.alpha.size(), 600u);
    EXPECT_EQ(FormatNumber("%.7f", heavy.alpha[125]), "0.0065795");
    EXPECT_EQ(heavy.alpha[599], heavy.alpha[125]);
    // ζ = 0.20, the last preset: η1 = 0.02 - 0.15/8 = 0.00125 is still positive.
    EXPECT_NEAR(ComputeSeismicCoefficient({0.04, 0.20, 0, 0, 0.01}).eta1, 0.00125, 1e-15);
}

// αmax 0.24 (intensity 8 at 0.30 g or 9, frequent earthquake), ζ 0.10, site II, first group,
// worked by hand: η2 = 1 - 0.05/(0.06 + 0.17) = 0.7826087, γ = 0.9 - 0.05/1.0 = 0.85,
// η1 = 0.02 - 0.05/8 = 0.01375, Tg = 0.35; nRise 10, nPlateau 35, nCurve 175, nEnd 600.
//   T = 0:    0.45·0.24 = 0.108
//   T = 0.05: (0.45 + 10·(0.7826087 - 0.45)·0.05)·0.24 = 0.6163043·0.24 = 0.1479130
//   T = 0.1 to 0.34: η2·αmax = 0.1878261
//   T = 0.70: (0.35/0.70)^0.85·0.1878261 = 0.5547847·0.1878261 = 0.1042030
//   T = 1.74: (0.35/1.74)^0.85·0.1878261 = 0.2558533·0.1878261 = 0.0480559
//   T = 1.75: 0.2^0.85·η2·αmax = 0.2546100·0.7826087·0.24 = 0.1992600·0.24 = 0.0478224
//   T = 5.99: (0.1992600 - 0.01375·4.24)·0.24 = 0.1409600·0.24 = 0.0338304
TEST(SeismicCoefficient, EighthDegreeSpectrumWithTenPercentDamping) {
    const SeismicCoefficientResult r = ComputeSeismicCoefficient({0.24, 0.10, 1, 0, 0.01});
    ASSERT_TRUE(r.report);
    EXPECT_NEAR(r.eta2, 0.7826087, 5e-8);
    EXPECT_NEAR(r.gamma, 0.85, 1e-15);
    EXPECT_NEAR(r.eta1, 0.01375, 1e-15);
    EXPECT_EQ(std::vector<int>({r.nRise, r.nPlateau, r.nCurve, r.nEnd}),
              std::vector<int>({10, 35, 175, 600}));
    const std::vector<std::string> lines = Lines(*r.report);
    ASSERT_EQ(lines.size(), 600u);
    const std::pair<int, const char*> expected[] = {
        {0, "0.1080000"},   {5, "0.1479130"},   {10, "0.1878261"},
        {34, "0.1878261"},  {35, "0.1878261"},  {70, "0.1042030"},
        {174, "0.0480559"}, {175, "0.0478224"}, {599, "0.0338304"},
    };
    for (const auto& [index, text] : expected) {
        EXPECT_EQ(lines[index], text) << index;
    }
}

TEST(SeismicCoefficient, AlphaMaxAndDampingOutsideTheirLimitsAreRefused) {
    const char* const alphaMaxError = "地震影响系数最大值αmax必须大于0且不大于2.0";
    const char* const zetaError = "阻尼比ζ必须大于0且小于1";
    struct Case {
        double alphaMax, zeta;
        const char* error; // nullptr: a spectrum
    };
    const Case cases[] = {
        {0.04, 0.02, nullptr},         {2.0, 0.02, nullptr},     {0.001, 0.999, nullptr},
        {0.05, 0.0001, nullptr},       {0, 0.02, alphaMaxError}, {-0.04, 0.02, alphaMaxError},
        {2.0001, 0.02, alphaMaxError}, {0.04, 0, zetaError},     {0.04, -0.02, zetaError},
        {0.04, 1, zetaError},          {0.04, 1.5, zetaError},   {3, 2, alphaMaxError},
    };
    for (const Case& c : cases) {
        const SeismicCoefficientResult r =
            ComputeSeismicCoefficient({c.alphaMax, c.zeta, 0, 0, 0.01});
        if (c.error == nullptr) {
            EXPECT_TRUE(r.report) << c.alphaMax << ' ' << c.zeta;
            EXPECT_TRUE(r.notices.empty());
        } else {
            EXPECT_FALSE(r.report) << c.alphaMax << ' ' << c.zeta;
            ASSERT_EQ(r.notices.size(), 1u);
            EXPECT_EQ(r.notices[0], InputError(c.error)) << c.alphaMax << ' ' << c.zeta;
        }
    }
}

TEST(SeismicCoefficient, CharacteristicPeriodTable) {
    const double expected[3][4] = {
        {0.25, 0.35, 0.45, 0.65}, {0.30, 0.40, 0.55, 0.75}, {0.35, 0.45, 0.65, 0.90}};
    for (int group = 0; group < 3; ++group) {
        for (int site = 0; site < 4; ++site) {
            EXPECT_EQ(CharacteristicPeriod(group, site), expected[group][site]);
            const auto r = ComputeSeismicCoefficient({0.04, 0.02, site, group, 0.01});
            EXPECT_EQ(r.nPlateau, std::lround(expected[group][site] * 100));
        }
    }
}

TEST(SeismicCoefficient, EveryCombinationOfTheListsIsFinite) {
    int combinations = 0;
    for (const char* alphaMax : AlphaMaxEntries()) {
        for (const char* zeta : DampingRatioEntries()) {
            for (int site = 0; site < 4; ++site) {
                for (int group = 0; group < 3; ++group) {
                    const SeismicCoefficientResult r = ComputeSeismicCoefficient(
                        {TextToDouble(alphaMax), TextToDouble(zeta), site, group, 0.01});
                    ASSERT_EQ(r.alpha.size(), 600u);
                    for (const double a : r.alpha) {
                        ASSERT_TRUE(std::isfinite(a) && a > 0) << alphaMax << ' ' << zeta;
                    }
                    const std::string table = FormatSpectrumTable(r.alpha, r.dt);
                    for (const char* bad : {"inf", "nan", "e-", "e+"}) {
                        EXPECT_EQ(r.report->find(bad), std::string::npos);
                        EXPECT_EQ(table.find(bad), std::string::npos);
                    }
                    ++combinations;
                }
            }
        }
    }
    EXPECT_EQ(combinations, 11 * 8 * 4 * 3);
}

TEST(SpectrumTable, AlphaTabPeriodInTheDefaultNumberForm) {
    // The table reads the same whatever locale the program runs in.
    const std::locale before = std::locale::global(std::locale::classic());
    try {
        std::locale::global(std::locale("de_DE.UTF-8"));
    } catch (const std::runtime_error&) {
    }
    const SeismicCoefficientResult r = Defaults();
    const std::vector<std::string> lines = Lines(FormatSpectrumTable(r.alpha, r.dt));
    std::locale::global(before);
    ASSERT_EQ(lines.size(), 600u);
    EXPECT_EQ(lines[0], "0.018\t0");
    EXPECT_EQ(lines[1], "0.0214766\t0.01");
    EXPECT_EQ(lines[10], "0.052766\t0.1");
    EXPECT_EQ(lines[126], "0.011428\t1.26");
    EXPECT_EQ(lines[599], "0.00693453\t5.99");
}

class SpectrumFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    fs::path Root() const { return fs::path(dir.path().toStdString()); }
    QTemporaryDir dir;
};

TEST_F(SpectrumFile, ReplacesEarlierContentCompletely) {
    const fs::path target = Root() / kSpectrumFileName;
    std::ofstream(target) << std::string(20000, 'x');
    EXPECT_EQ(SaveSpectrumTable(target.string(), "0.018\t0\r\n"), std::nullopt);
    EXPECT_EQ(ReadFile(target), "0.018\t0\r\n");
    EXPECT_EQ(DirectoryEntries(Root()), std::vector<std::string>{kSpectrumFileName});
}

TEST_F(SpectrumFile, FailureNamesThePathAndLeavesNothingBehind) {
    // A parent that is a plain file (creation fails, even for root), a target that is a
    // directory (the finished temporary file cannot take its place) and a read-only table.
    std::ofstream(Root() / "plain") << "not a directory";
    fs::create_directories(Root() / "taken" / kSpectrumFileName);
    const fs::path kept = Root() / kSpectrumFileName;
    std::ofstream(kept) << "kept";
    fs::permissions(kept, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    for (const fs::path& target :
         {Root() / "plain" / kSpectrumFileName, Root() / "taken" / kSpectrumFileName, kept}) {
        const std::optional<Notice> failure = SaveSpectrumTable(target.string(), "table");
        ASSERT_TRUE(failure) << target;
        EXPECT_EQ(*failure,
                  (Notice{"无法写入文件 " + target.string() + "，地震影响系数表没有保存。", "提示",
                          NoticeIcon::Warning}));
    }
    EXPECT_EQ(ReadFile(kept), "kept");
    EXPECT_EQ(ReadFile(Root() / "plain"), "not a directory");
    EXPECT_TRUE(fs::is_empty(Root() / "taken" / kSpectrumFileName));
    EXPECT_EQ(DirectoryEntries(Root() / "taken"), std::vector<std::string>{kSpectrumFileName});
    EXPECT_EQ(DirectoryEntries(Root()),
              (std::vector<std::string>{kSpectrumFileName, "plain", "taken"}));
    fs::permissions(kept, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(SpectrumFile, AReadOnlyDirectoryGetsNoPartialFile) {
    const fs::path locked = Root() / "locked";
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    // Only where permissions bind (not for root) can the directory refuse the file.
    if (access(locked.c_str(), W_OK) != 0) {
        EXPECT_TRUE(SaveSpectrumTable((locked / kSpectrumFileName).string(), "table"));
        EXPECT_TRUE(fs::is_empty(locked));
    }
    fs::permissions(locked, fs::perms::owner_all);
}

// The default spectrum in a 656 x 366 widget: plot area x 56..638 (582 px for 6 s), y 26..326.
TEST(SpectrumPlot, ScalingMarksAndBranches) {
    const SpectrumPlot plot = PlotSpectrum(Defaults(), 656, 366);
    EXPECT_EQ(std::vector<double>({plot.left, plot.right, plot.top, plot.bottom}),
              std::vector<double>({56, 638, 26, 326}));
    // Highest α 0.052766: steps of 0.02 up to 0.06, 100 px each.
    EXPECT_DOUBLE_EQ(plot.alphaTop, 0.06);
    ASSERT_EQ(plot.alphaTicks.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(plot.alphaTicks[k].position, 326 - 100 * k, 1e-9);
        EXPECT_EQ(plot.alphaTicks[k].label, FormatNumber("%.2f", 0.02 * k));
    }
    ASSERT_EQ(plot.periodTicks.size(), 7u);
    EXPECT_NEAR(plot.periodTicks[6].position, 638, 1e-9);
    EXPECT_EQ(plot.periodTicks[6].label, "6");
    ASSERT_TRUE(plot.marked);
    EXPECT_NEAR(plot.tgX, 56 + 0.25 / 6 * 582, 1e-9);
    EXPECT_NEAR(plot.fiveTgX, 56 + 1.25 / 6 * 582, 1e-9);
    EXPECT_EQ(plot.tgLabel, "Tg=0.25");
    EXPECT_EQ(plot.fiveTgLabel, "5Tg=1.25");
    EXPECT_EQ(plot.coefficients, "η1=0.02375  η2=1.31915  γ=0.95000");
    // Rise, plateau, curved and straight descent, each running on to the next branch.
    ASSERT_EQ(plot.branches.size(), 4u);
    EXPECT_EQ(plot.branches[0].size(), 11u);
    EXPECT_EQ(plot.branches[1].size(), 16u);
    EXPECT_EQ(plot.branches[2].size(), 101u);
    EXPECT_EQ(plot.branches[3].size(), 475u);
    EXPECT_NEAR(plot.branches[0].front().y, 326 - 0.018 / 0.06 * 300, 1e-9);
    EXPECT_NEAR(plot.branches[1].front().x, 56 + 0.1 / 6 * 582, 1e-9);
    EXPECT_NEAR(plot.branches[1].front().y, 326 - 0.04 * (1 + 0.03 / 0.094) / 0.06 * 300, 1e-9);
    EXPECT_NEAR(plot.branches[2].front().x, plot.tgX, 1e-9);
    EXPECT_NEAR(plot.branches[3].front().x, plot.fiveTgX, 1e-9);
    EXPECT_NEAR(plot.branches[3].back().x, 56 + 5.99 / 6 * 582, 1e-9);

    // The largest table: α up to 1.4 in steps of 0.5; 5Tg at 4.5 s.
    const SpectrumPlot largest =
        PlotSpectrum(ComputeSeismicCoefficient({1.40, 0.05, 3, 2, 0.01}), 656, 366);
    EXPECT_DOUBLE_EQ(largest.alphaTop, 1.5);
    EXPECT_EQ(largest.alphaTicks.back().label, "1.5");
    EXPECT_EQ(largest.fiveTgLabel, "5Tg=4.50");
    EXPECT_NEAR(largest.fiveTgX, 56 + 4.5 / 6 * 582, 1e-9);

    // Before the first compute: the bare axes.
    const SpectrumPlot empty = PlotSpectrum(SeismicCoefficientResult{}, 400, 300);
    EXPECT_FALSE(empty.marked);
    EXPECT_EQ(empty.periodTicks.size(), 7u);
    EXPECT_TRUE(std::all_of(empty.branches.begin(), empty.branches.end(),
                            [](const auto& branch) { return branch.empty(); }));
}

// ---- runner entry (run in a directory of its own) ----

class SeismicRunner : public SpectrumFile {
protected:
    void SetUp() override {
        SpectrumFile::SetUp();
        before = fs::current_path();
        fs::current_path(Root());
    }
    void TearDown() override { fs::current_path(before); }
    fs::path before;
};

TEST_F(SeismicRunner, PrintsTheListAndWritesTheTableOnlyWhenAsked) {
    const test::CliRun run = test::Call({"seismic"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, cli::ToUnixLines(*Defaults().report));
    EXPECT_TRUE(fs::is_empty(Root()));

    EXPECT_EQ(test::Call({"seismic", "--write-file"}).status, 0);
    EXPECT_EQ(ReadFile(kSpectrumFileName), FormatSpectrumTable(Defaults().alpha, 0.01));
    // ζ = 0.05: α(0.01) = (0.45 + 10*0.55*0.01)*0.04 = 0.0202.
    const test::CliRun named = test::Call({"seismic", "zeta=0.05", "file=named.txt"});
    EXPECT_EQ(named.status, 0);
    EXPECT_EQ(ReadFile("named.txt").rfind("0.018\t0\r\n0.0202\t0.01\r\n", 0), 0u);

    // A lost file: the message on standard error, status 2, the list printed all the same.
    std::ofstream("plain") << "x";
    const test::CliRun lost = test::Call({"seismic", "file=plain/table.txt"});
    EXPECT_EQ(lost.status, cli::kExitRefused);
    EXPECT_EQ(lost.err, "提示: 无法写入文件 " + (Root() / "plain" / "table.txt").string() +
                            "，地震影响系数表没有保存。\n");
    EXPECT_EQ(lost.out, run.out);
}

TEST_F(SeismicRunner, FieldsSwitchesAndRefusedValues) {
    const test::CliRun fields = test::Call({"seismic", "--fields"});
    for (const char* line :
         {"  alpha-max=0.04  地震影响系数最大值αmax: above 0, at most 2.0; the dialog's list: "
          "0.04|0.08|0.12|0.16|0.24|0.32|0.50|0.72|0.90|1.20|1.40\n",
          "  zeta=0.02  阻尼比ζ: above 0, below 1; the dialog's list: "
          "0.02|0.03|0.035|0.04|0.05|0.10|0.15|0.20\n",
          "  group=第一组  (第一组|第二组|第三组)", "  site=I  (I|II|III|IV|I0|I1)",
          "  --write-file  "}) {
        EXPECT_NE(fields.out.find(line), std::string::npos) << line;
    }
    const test::CliRun largest = test::Call(
        {"seismic", "alpha-max=1.40", "zeta=0.05", "site=IV", "group=第三组", "dt=0.01"});
    EXPECT_EQ(largest.out.substr(0, 10), "0.6300000\n");
    for (const char* bad : {"site=V", "--write", "write-file=1", "dt=0"}) {
        EXPECT_EQ(test::Call({"seismic", bad}).status, cli::kExitUsage) << bad;
    }
    // Any αmax and ζ within their limits are taken, others refused like the dialog refuses them.
    const test::CliRun spectrum = test::Call({"seismic", "alpha-max=0.24", "zeta=0.10", "site=II"});
    EXPECT_EQ(spectrum.status, 0);
    EXPECT_EQ(spectrum.out,
              cli::ToUnixLines(*ComputeSeismicCoefficient({0.24, 0.10, 1, 0, 0.01}).report));
    // T = 0.01: (0.45 + 10·0.3326087·0.01)·0.24 = 0.1159826.
    EXPECT_EQ(spectrum.out.substr(0, 20), "0.1080000\n0.1159826\n");
    EXPECT_EQ(test::Call({"seismic", "alpha-max=0.05", "zeta=0.3"}).status, 0);
    EXPECT_EQ(test::Call({"seismic", "alpha-max=2"}).status, 0);
    const std::pair<const char*, const char*> refused[] = {
        {"alpha-max=2.01", "输入错误: 地震影响系数最大值αmax必须大于0且不大于2.0\n"},
        {"zeta=1", "输入错误: 阻尼比ζ必须大于0且小于1\n"},
    };
    for (const auto& [arg, err] : refused) {
        const test::CliRun run = test::Call({"seismic", arg, "--write-file"});
        EXPECT_EQ(run.status, cli::kExitRefused) << arg;
        EXPECT_EQ(run.out, "") << arg;
        EXPECT_EQ(run.err, err) << arg;
    }
    EXPECT_TRUE(fs::is_empty(Root()));
}

} // namespace

// ---- GB50011-2010 ----

namespace {

SeismicCoefficientInput Input2010(double alphaMax, double zeta, int site, int group, int level) {
    SeismicCoefficientInput in{alphaMax, zeta, site, group, 0.01, level};
    in.edition = kSeismic2010;
    return in;
}

} // namespace

// Hand-worked 2010 spectra. ζ = 0.02: η2 = 1 + 0.03/0.112 = 1.2678571, γ = 0.9 + 0.03/0.42 =
// 0.9714286, η1 = 0.02 + 0.03/4.64 = 0.0264655; site I1, first group: Tg = 0.25.
// ζ = 0.05, rare earthquake of intensity 6 (αmax 0.28), site I1, second group: Tg = 0.30 + 0.05 =
// 0.35, η2 = 1, γ = 0.9, η1 = 0.02.
TEST(SeismicCoefficient2010, HandWorkedSpectra) {
    struct Case {
        SeismicCoefficientInput in;
        double eta2, gamma, eta1, tg;
        int nPlateau, nCurve;
        std::vector<std::pair<int, const char*>> lines;
    };
    const Case cases[] = {
        {Input2010(0.04, 0.02, 1, 0, 0),
         1.2678571428571428,
         0.9714285714285714,
         0.026465517241379313,
         0.25,
         25,
         125,
         {{0, "0.0180000"},
          {1, "0.0212714"},  // (0.45 + 10·0.8178571·0.01)·0.04
          {10, "0.0507143"}, // η2·αmax
          {24, "0.0507143"},
          {28, "0.0454275"},    // (0.25/0.28)^0.9714286·η2·αmax
          {125, "0.0106202"},   // 0.2^γ·η2·αmax at 5Tg
          {599, "0.0056023"}}}, // (0.2^γ·η2 − η1·(5.99 − 1.25))·αmax
        {Input2010(0.28, 0.05, 1, 1, 1),
         1,
         0.9,
         0.02,
         0.35,
         35,
         175,
         {{0, "0.1260000"},
          {34, "0.2800000"},
          {35, "0.2800000"},
          {36, "0.2729902"},    // (0.35/0.36)^0.9·0.28
          {174, "0.0661188"},   // (0.35/1.74)^0.9·0.28
          {175, "0.0657787"},   // 0.2^0.9·0.28
          {599, "0.0420347"}}}, // (0.2^0.9 − 0.02·4.24)·0.28
    };
    for (const Case& c : cases) {
        const SeismicCoefficientResult r = ComputeSeismicCoefficient(c.in);
        ASSERT_TRUE(r.report) << c.tg;
        EXPECT_NEAR(r.eta2, c.eta2, 1e-15);
        EXPECT_NEAR(r.gamma, c.gamma, 1e-15);
        EXPECT_NEAR(r.eta1, c.eta1, 1e-15);
        EXPECT_NEAR(r.tg, c.tg, 1e-15);
        EXPECT_EQ(r.nRise, 10);
        EXPECT_EQ(r.nPlateau, c.nPlateau);
        EXPECT_EQ(r.nCurve, c.nCurve);
        EXPECT_EQ(r.nEnd, 600);
        const std::vector<std::string> lines = Lines(*r.report);
        ASSERT_EQ(lines.size(), 600u);
        for (const auto& [index, text] : c.lines) {
            EXPECT_EQ(lines[static_cast<std::size_t>(index)], text) << c.tg << " " << index;
        }
    }
}

TEST(SeismicCoefficient2010, DampingCoefficientsAndTheirLimits) {
    struct Case {
        double zeta, eta2, gamma, eta1;
    };
    const Case cases[] = {
        {0.05, 1, 0.9, 0.02},
        // 1 − 0.15/0.4 = 0.625; 0.9 − 0.15/1.5 = 0.8; 0.02 − 0.15/10.4 = 0.0055769.
        {0.20, 0.625, 0.8, 0.0055769230769230765},
        // η2 = 1 − 0.45/0.88 = 0.489 is taken as 0.55, η1 = 0.02 − 0.45/20 = −0.0025 as 0.
        {0.50, 0.55, 0.9 - 0.45 / 3.3, 0},
    };
    for (const Case& c : cases) {
        const SeismicCoefficientResult r =
            ComputeSeismicCoefficient(Input2010(0.08, c.zeta, 2, 0, 0));
        ASSERT_TRUE(r.report) << c.zeta;
        EXPECT_NEAR(r.eta2, c.eta2, 1e-15) << c.zeta;
        EXPECT_NEAR(r.gamma, c.gamma, 1e-15) << c.zeta;
        EXPECT_NEAR(r.eta1, c.eta1, 1e-15) << c.zeta;
    }
}

TEST(SeismicCoefficient2010, CharacteristicPeriodTableAndTheRareIncrement) {
    const double expected[3][5] = {{0.20, 0.25, 0.35, 0.45, 0.65},
                                   {0.25, 0.30, 0.40, 0.55, 0.75},
                                   {0.30, 0.35, 0.45, 0.65, 0.90}};
    for (int group = 0; group < 3; ++group) {
        for (int site = 0; site < 5; ++site) {
            EXPECT_EQ(CharacteristicPeriod2010(group, site), expected[group][site]);
            for (int level = 0; level < 2; ++level) {
                const SeismicCoefficientResult r =
                    ComputeSeismicCoefficient(Input2010(0.5, 0.05, site, group, level));
                EXPECT_NEAR(r.tg, expected[group][site] + 0.05 * level, 1e-15);
                // The plateau ends at Tg and the curve at 5Tg exactly, whatever the binary
                // quotient: Tg = 0.30 holds 30 points, 0.35 holds 35.
                EXPECT_EQ(r.nPlateau, static_cast<int>(std::lround(r.tg * 100)));
                EXPECT_EQ(r.nCurve, static_cast<int>(std::lround(r.tg * 500)));
                // Nowhere above the plateau.
                EXPECT_LE(*std::max_element(r.alpha.begin(), r.alpha.end()), 0.5 + 1e-15);
            }
        }
    }
    for (const auto& [group, site] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 5}}) {
        EXPECT_EQ(CharacteristicPeriod2010(group, site), 0);
        const SeismicCoefficientResult r =
            ComputeSeismicCoefficient(Input2010(0.08, 0.05, site, group, 0));
        EXPECT_FALSE(r.report);
        ASSERT_EQ(r.notices.size(), 1u);
    }
    EXPECT_FALSE(ComputeSeismicCoefficient(Input2010(0.08, 0.05, 0, 0, 2)).report);
}

TEST(SeismicCoefficient2010, TheEditionsAgreeAtFivePercentDampingWhereTheCountsAgree) {
    // ζ = 0.05 gives the same coefficients in both editions; site IV, third group (Tg = 0.90)
    // has exact counts in both, so the tables are the same.
    SeismicCoefficientInput older{1.40, 0.05, 3, 2, 0.01};
    EXPECT_EQ(*ComputeSeismicCoefficient(older).report,
              *ComputeSeismicCoefficient(Input2010(1.40, 0.05, 4, 2, 0)).report);
    // The 2001 table keeps its truncated counts: Tg = 0.30 at Δt = 0.1 (3 points below Tg by
    // decimals, 0.3/0.1 = 2.9999999999999996 in binary) counts 2.
    older = {0.08, 0.05, 0, 1, 0.1};
    EXPECT_EQ(ComputeSeismicCoefficient(older).nPlateau, 2);
    SeismicCoefficientInput in = Input2010(0.08, 0.05, 1, 1, 0);
    in.dt = 0.1;
    EXPECT_EQ(ComputeSeismicCoefficient(in).nPlateau, 3);
    // The rare earthquake on site II, first group: Tg = 0.35 + 0.05 = 0.39999999999999997; the
    // plateau holds up to 0.39 s, the curve up to 1.99 s.
    const SeismicCoefficientResult r = ComputeSeismicCoefficient(Input2010(0.08, 0.05, 2, 0, 1));
    EXPECT_EQ(r.nPlateau, 40);
    EXPECT_EQ(r.nCurve, 200);
    const std::vector<std::string> lines = Lines(*r.report);
    EXPECT_EQ(lines[39], "0.0800000");
    EXPECT_EQ(lines[40], "0.0800000");
    EXPECT_EQ(lines[41], "0.0782417");  // (0.40/0.41)^0.9·0.08
    EXPECT_EQ(lines[200], "0.0187939"); // 0.2^0.9·0.08
}

TEST_F(SeismicRunner, Edition2010FieldsAndRefusals) {
    const test::CliRun fields = test::Call({"seismic", "--fields"});
    for (const char* line :
         {"  edition=2001  (2001|2010)  规范版本: 2001 (GB50011-2001) or 2010 (GB50011-2010)\n",
          "  level=多遇  (多遇|罕遇)  地震影响 (GB50011-2010 only): 罕遇 takes Tg 0.05 s "
          "longer\n"}) {
        EXPECT_NE(fields.out.find(line), std::string::npos) << line;
    }
    const test::CliRun rare = test::Call({"seismic", "edition=2010", "alpha-max=0.28", "zeta=0.05",
                                          "site=I1", "group=第二组", "level=罕遇"});
    EXPECT_EQ(rare.status, 0);
    EXPECT_EQ(rare.out,
              cli::ToUnixLines(*ComputeSeismicCoefficient(Input2010(0.28, 0.05, 1, 1, 1)).report));
    // Class I of the 2001 edition reads as I1 under 2010, so the defaults run in both.
    const test::CliRun classI = test::Call({"seismic", "edition=2010"});
    EXPECT_EQ(classI.status, 0);
    EXPECT_EQ(classI.out, test::Call({"seismic", "edition=2010", "site=I1"}).out);
    EXPECT_EQ(classI.out.substr(0, 20), "0.0180000\n0.0212714\n");
    EXPECT_NE(classI.out, test::Call({"seismic", "edition=2010", "site=I0"}).out);
    EXPECT_EQ(test::Call({"seismic", "edition=2001"}).out, test::Call({"seismic"}).out);
    const std::pair<const char*, const char*> refused[] = {
        {"site=I0", "ferrolab-calc: site I0 is a site class of edition=2010 only\n"},
        {"level=罕遇", "ferrolab-calc: level=罕遇 needs edition=2010: the rare earthquake's "
                       "longer Tg is taken to GB50011-2010\n"},
    };
    for (const auto& [arg, err] : refused) {
        const test::CliRun run = test::Call({"seismic", "edition=2001", arg});
        EXPECT_EQ(run.status, cli::kExitUsage) << arg;
        EXPECT_EQ(run.err, err) << arg;
        EXPECT_TRUE(run.out.empty()) << arg;
    }
    const test::CliRun json = test::Call({"seismic", "edition=2010", "--json"});
    EXPECT_NE(json.out.find("\"edition\": \"2010\""), std::string::npos);
}
