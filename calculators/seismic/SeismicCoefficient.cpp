#include "calculators/seismic/SeismicCoefficient.h"

#include "engine/TextFile.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <locale>
#include <random>
#include <sstream>
#include <system_error>

#include "engine/Format.h"

namespace ferrolab {
namespace {

// GB50011-2001 table 5.1.4-2: rows design groups 1..3, columns site classes I..IV.
constexpr double kTg[3][4] = {
    {0.25, 0.35, 0.45, 0.65},
    {0.30, 0.40, 0.55, 0.75},
    {0.35, 0.45, 0.65, 0.90},
};

// GB50011-2010 table 5.1.4-2: rows design groups 1..3, columns site classes I0, I1, II, III, IV.
// I1 keeps the former class I's values; I0 (rock sites) is new.
constexpr double kTg2010[3][5] = {
    {0.20, 0.25, 0.35, 0.45, 0.65},
    {0.25, 0.30, 0.40, 0.55, 0.75},
    {0.30, 0.35, 0.45, 0.65, 0.90},
};
// 5.1.4 of the 2010 edition: rare earthquakes take Tg 0.05 s longer, at every intensity.
constexpr double kRareTgIncrement = 0.05;

// The spectrum ends at 6 s.
constexpr double kSpectrumEnd = 6.0;
// The linear rise ends at 0.1 s.
constexpr double kRiseEnd = 0.1;
// Largest αmax taken: above every value of table 5.1.4-1 with room for a site-specific one.
constexpr double kAlphaMaxLimit = 2.0;
// Longest table built (a step finer than 6 microseconds is not a period step).
constexpr double kMaxPoints = 1e6;

int Truncated(double value) {
    return static_cast<int>(std::trunc(value));
}

// The number of periods i*Δt (i = 0, 1, ...) below a branch's end, both read as the decimals they
// were written as: the rare earthquake's Tg = 0.35 + 0.05 over 0.01 is 39.99999999999999 in
// binary, yet T = 0.39 lies below Tg = 0.40 and T = 0.40 does not, so the plateau holds 40
// points (truncation would start the curve at 0.39 s, above the plateau). A quotient within a
// billionth of a whole number is that number.
int PointsBelow(double end, double dt) {
    const double quotient = end / dt;
    return static_cast<int>(std::ceil(quotient - 1e-9 * std::max(1.0, quotient)));
}

} // namespace

const std::vector<const char*>& AlphaMaxEntries() {
    // Every αmax of table 5.1.4-1: frequent earthquakes of intensity 6 to 9 (0.04 to 0.32) and
    // rare earthquakes of 7 to 9 (0.50 to 1.40), in ascending order.
    static const std::vector<const char*> entries = {"0.04", "0.08", "0.12", "0.16", "0.24", "0.32",
                                                     "0.50", "0.72", "0.90", "1.20", "1.40"};
    return entries;
}

const std::vector<const char*>& DampingRatioEntries() {
    static const std::vector<const char*> entries = {"0.02", "0.03", "0.035", "0.04",
                                                     "0.05", "0.10", "0.15",  "0.20"};
    return entries;
}

const std::vector<const char*>& SiteClassEntries() {
    static const std::vector<const char*> entries = {"I", "II", "III", "IV"};
    return entries;
}

const std::vector<const char*>& AlphaMaxEntries2010() {
    // Table 5.1.4-1 of the 2010 edition adds the rare earthquake of intensity 6 (0.28).
    static const std::vector<const char*> entries = {"0.04", "0.08", "0.12", "0.16",
                                                     "0.24", "0.28", "0.32", "0.50",
                                                     "0.72", "0.90", "1.20", "1.40"};
    return entries;
}

const std::vector<const char*>& SiteClassEntries2010() {
    static const std::vector<const char*> entries = {"I0", "I1", "II", "III", "IV"};
    return entries;
}

const std::vector<const char*>& EarthquakeLevelEntries() {
    static const std::vector<const char*> entries = {"多遇", "罕遇"};
    return entries;
}

const std::vector<const char*>& DesignGroupEntries() {
    static const std::vector<const char*> entries = {"第一组", "第二组", "第三组"};
    return entries;
}

const std::vector<const char*>& PeriodStepEntries() {
    static const std::vector<const char*> entries = {"0.01"};
    return entries;
}

double CharacteristicPeriod(int group, int site) {
    if (group < 0 || group > 2 || site < 0 || site > 3) {
        return 0;
    }
    return kTg[group][site];
}

double CharacteristicPeriod2010(int group, int site) {
    if (group < 0 || group > 2 || site < 0 || site > 4) {
        return 0;
    }
    return kTg2010[group][site];
}

SeismicCoefficientResult ComputeSeismicCoefficient(const SeismicCoefficientInput& input) {
    SeismicCoefficientResult r;
    const double zeta = input.zeta;
    const double dt = input.dt;
    if (!(dt > 0) || !std::isfinite(dt) || kSpectrumEnd / dt > kMaxPoints) {
        r.notices.push_back(InputError("取值步长必须是大于0的数"));
        return r;
    }
    if (!(input.alphaMax > 0) || !(input.alphaMax <= kAlphaMaxLimit)) {
        r.notices.push_back(InputError("地震影响系数最大值αmax必须大于0且不大于2.0"));
        return r;
    }
    if (!(zeta > 0) || !(zeta < 1)) {
        r.notices.push_back(InputError("阻尼比ζ必须大于0且小于1"));
        return r;
    }
    const bool edition2010 = input.edition == kSeismic2010;
    const double tableTg = edition2010 ? CharacteristicPeriod2010(input.group, input.site)
                                       : CharacteristicPeriod(input.group, input.site);
    if (tableTg == 0 || (edition2010 && input.level != 0 && input.level != 1)) {
        r.notices.push_back(InputError("地震影响系数最大值、阻尼比、场地类别或设计地震分组不正确"));
        return r;
    }
    const double alphaMax = input.alphaMax;

    // Damping adjustments (5.1.5-1 to 5.1.5-3).
    if (edition2010) {
        r.eta2 = 1 + (0.05 - zeta) / (0.08 + 1.6 * zeta);
        r.gamma = 0.9 + (0.05 - zeta) / (0.3 + 6 * zeta);
        r.eta1 = 0.02 + (0.05 - zeta) / (4 + 32 * zeta);
    } else {
        r.eta2 = 1 + (0.05 - zeta) / (0.06 + 1.7 * zeta);
        r.gamma = 0.9 + (0.05 - zeta) / (0.5 + 5 * zeta);
        r.eta1 = 0.02 + (0.05 - zeta) / 8;
    }
    if (r.eta2 < 0.55) {
        r.eta2 = 0.55;
    }
    // The straight descent never rises with the period: η1 below 0 is taken as 0.
    if (r.eta1 < 0) {
        r.eta1 = 0;
    }
    r.tg = edition2010 && input.level == 1 ? tableTg + kRareTgIncrement : tableTg;
    r.dt = dt;

    if (edition2010) {
        // Each branch holds the periods below its end.
        r.nRise = PointsBelow(kRiseEnd, dt);
        r.nPlateau = PointsBelow(r.tg, dt);
        r.nCurve = PointsBelow(5 * r.tg, dt);
        r.nEnd = PointsBelow(kSpectrumEnd, dt);
    } else {
        // The 2001 table keeps its counts by truncation of the binary quotients, as its reports
        // always have (exact for its Tg at Δt = 0.01; Tg = 0.30 at Δt = 0.1 counts 2 points).
        r.nRise = Truncated(kRiseEnd / dt);
        r.nPlateau = Truncated(r.tg / dt);
        r.nCurve = 5 * r.nPlateau;
        r.nEnd = Truncated(kSpectrumEnd / dt);
    }

    const double eta2 = r.eta2;
    const double gamma = r.gamma;
    const double tg = r.tg;
    auto period = [dt](int i) { return static_cast<double>(i) * dt; };
    r.alpha.reserve(static_cast<std::size_t>(std::max(r.nEnd, r.nCurve)));
    for (int i = 0; i < r.nRise; ++i) {
        r.alpha.push_back((0.45 + 10 * (eta2 - 0.45) * period(i)) * alphaMax);
    }
    for (int i = r.nRise; i < r.nPlateau; ++i) {
        r.alpha.push_back(eta2 * alphaMax);
    }
    for (int i = r.nPlateau; i < r.nCurve; ++i) {
        r.alpha.push_back(std::pow(tg / period(i), gamma) * eta2 * alphaMax);
    }
    for (int i = r.nCurve; i < r.nEnd; ++i) {
        r.alpha.push_back((std::pow(0.2, gamma) * eta2 - r.eta1 * (period(i) - 5 * tg)) * alphaMax);
    }

    std::string report;
    report.reserve(r.alpha.size() * 12);
    for (const double a : r.alpha) {
        report += FormatNumber("%.7f", a);
        report += "\r\n";
    }
    r.report = std::move(report);
    return r;
}

std::string FormatSpectrumTable(const std::vector<double>& alpha, double dt) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    for (std::size_t i = 0; i < alpha.size(); ++i) {
        out << alpha[i] << '\t' << static_cast<double>(i) * dt << "\r\n";
    }
    return out.str();
}

std::optional<Notice> SaveSpectrumTable(const std::string& path, const std::string& text) {
    if (WriteTextFileAtomically(path, text)) {
        return std::nullopt;
    }
    return Notice{"无法写入文件 " + path + "，地震影响系数表没有保存。", "提示",
                  NoticeIcon::Warning};
}

} // namespace ferrolab
