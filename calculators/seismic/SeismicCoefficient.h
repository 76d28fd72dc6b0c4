#pragma once
// Seismic influence coefficient α of the design response spectrum (GB50011-2001 or GB50011-2010,
// 5.1.5), tabulated against the natural period T from 0 up to 6 s at a fixed step:
//   0 <= T < 0.1 s     linear rise from 0.45αmax to η2αmax
//   0.1 s <= T < Tg    plateau η2αmax
//   Tg <= T < 5Tg      curved descent (Tg/T)^γ η2αmax
//   5Tg <= T < 6 s     straight descent [0.2^γ η2 - η1(T - 5Tg)]αmax
// The damping ratio ζ sets η1 (slope of the straight descent, not below 0), η2 (damping
// adjustment, not below 0.55) and γ (decay exponent); the characteristic period Tg comes from the
// design group and the site class (table 5.1.4-2). αmax is taken above 0 up to 2.0, ζ above 0 and
// below 1; other values are refused.
//
// The two editions share the four branches and differ in the damping adjustments (5.1.5):
//   2001: γ = 0.9 + (0.05-ζ)/(0.5+5ζ), η1 = 0.02 + (0.05-ζ)/8, η2 = 1 + (0.05-ζ)/(0.06+1.7ζ)
//   2010: γ = 0.9 + (0.05-ζ)/(0.3+6ζ), η1 = 0.02 + (0.05-ζ)/(4+32ζ), η2 = 1 + (0.05-ζ)/(0.08+1.6ζ)
// with η1 not below 0 and η2 not below 0.55 in both. The 2010 edition splits site class I into I0
// and I1 (I1 keeps the former class I's Tg) and adds 0.05 s to Tg for rare earthquakes (5.1.4).

#include <optional>
#include <string>
#include <vector>

#include "calculators/Edition.h"
#include "engine/Notice.h"

namespace ferrolab {

inline constexpr const char* kSeismicCaption = "地震影响系数";
// The table file, written into the current directory.
inline constexpr const char* kSpectrumFileName = "ResponseSpectrum.txt";

// The dialog's lists, in their order; item 0 is the opening choice.
// αmax and ζ are editable lists: their entries are presets, any value within the limits is taken.
const std::vector<const char*>& AlphaMaxEntries();     // "0.04" ... "1.40"
const std::vector<const char*>& DampingRatioEntries(); // "0.02" ... "0.20"
const std::vector<const char*>& SiteClassEntries();    // "I" ... "IV"
// The GB50011-2010 lists: αmax with the rare earthquake of intensity 6 (0.28), the five site
// classes "I0", "I1", "II", "III", "IV"; and the earthquake level "多遇", "罕遇" (2010 only).
const std::vector<const char*>& AlphaMaxEntries2010();
const std::vector<const char*>& SiteClassEntries2010();
const std::vector<const char*>& EarthquakeLevelEntries();
const std::vector<const char*>& DesignGroupEntries(); // "第一组" ... "第三组"
const std::vector<const char*>& PeriodStepEntries();  // "0.01"

struct SeismicCoefficientInput {
    double alphaMax = 0.04; // αmax
    double zeta = 0.02;     // damping ratio ζ
    int site = 0;           // site class I..IV as 0..3 (2010: I0, I1, II, III, IV as 0..4)
    int group = 0;          // design group 第一组..第三组 as 0..2
    double dt = 0.01;       // period step Δt, s
    int level = 0;          // 2010: 多遇 0, 罕遇 1 (Tg + 0.05 s)
    int edition = kSeismic2001;
};

struct SeismicCoefficientResult {
    double eta1 = 0, eta2 = 0, gamma = 0;
    double tg = 0; // characteristic period, s
    // Point counts: the rise ends before nRise, the plateau before nPlateau, the curved descent
    // before nCurve, the straight descent before nEnd (each by truncation of a period over Δt).
    int nRise = 0, nPlateau = 0, nCurve = 0, nEnd = 0;
    double dt = 0;
    std::vector<double> alpha;         // α[i] at T = i*Δt
    std::optional<std::string> report; // α[i] "%.7f" a line; absent when the input was refused
    std::vector<Notice> notices;
};

// Tg (s) of a design group (0..2) and site class (0..3); 0 outside the table.
double CharacteristicPeriod(int group, int site);
// The same of GB50011-2010: site class I0, I1, II, III, IV as 0..4; 0 outside the table.
double CharacteristicPeriod2010(int group, int site);

SeismicCoefficientResult ComputeSeismicCoefficient(const SeismicCoefficientInput& input);

// The table file's text: α, a tab and T = i*Δt on each line, both in the default stream form
// (six significant digits, no trailing zeros, decimal point whatever the locale), "\r\n" ends.
std::string FormatSpectrumTable(const std::vector<double>& alpha, double dt);

// Writes the table file whole or not at all (engine/TextFile.h); on failure the notice (caption
// "提示") names the path.
std::optional<Notice> SaveSpectrumTable(const std::string& path, const std::string& text);

} // namespace ferrolab
