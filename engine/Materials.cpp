#include "engine/Materials.h"

#include <charconv>

#include <array>
#include <cmath>
#include <limits>

namespace ferrolab {
namespace {

// Values above which a thickness leaves a band. A thickness typed as a round bound stays in the
// lower band; the first bound carries a smaller margin than the others.
constexpr std::array<double, 4> kQ235BandLimits = {16.0000001, 40.000001, 60.000001, 100.000001};
constexpr std::array<double, 4> kHighGradeBandLimits = {16.0000001, 35.000001, 50.000001,
                                                        100.000001};

constexpr std::array<const char*, 4> kQ235BandLabels = {"<=16", ">16-40", ">40-60", ">60-100"};
constexpr std::array<const char*, 4> kHighGradeBandLabels = {"<=16", ">16-35", ">35-50", ">50-100"};

// GB50017-2003 table 3.4.1-1 (steel) with the grade-3 butt weld tension and the fillet weld
// strength of table 3.4.1-3; N/mm2, one column per thickness band.
struct GradeStrengths {
    SteelGrade grade;
    std::array<double, 4> f;
    std::array<double, 4> fv;
    double fce;
    std::array<double, 4> ftwGrade3;
    double ffw;
};

constexpr std::array<GradeStrengths, 4> kGradeStrengths = {{
    {kQ235, {215, 205, 200, 190}, {125, 120, 115, 110}, 325, {185, 175, 170, 160}, 160},
    {kQ345, {310, 295, 265, 250}, {180, 170, 155, 145}, 400, {265, 250, 225, 210}, 200},
    {kQ390, {350, 335, 315, 295}, {205, 190, 180, 170}, 415, {300, 285, 270, 250}, 220},
    {kQ420, {380, 360, 340, 325}, {220, 210, 195, 185}, 440, {320, 305, 290, 275}, 220},
}};

// Yield strength by thickness: the first bound t does not exceed gives the value; past the last
// bound, `beyond`.
constexpr double kNoBound = std::numeric_limits<double>::infinity();

struct YieldRow {
    SteelGrade grade;
    std::array<double, 5> bounds;
    std::array<int, 5> fy;
    int beyond;
};

constexpr std::array<YieldRow, 4> kYield = {{
    {kQ235, {16, 40, 60, 100, 150}, {235, 225, 215, 205, 195}, 185},
    // The thickest band of these grades ends at 100 mm; above it the 50-100 value stands.
    {kQ345, {16, 35, 50, 100, kNoBound}, {345, 325, 295, 275, 275}, 275},
    {kQ390, {16, 35, 50, 100, kNoBound}, {390, 370, 350, 330, 330}, 330},
    {kQ420, {16, 35, 50, 100, kNoBound}, {420, 400, 380, 360, 360}, 360},
}};

// GB50018-2002 tables 4.2.1 and 4.2.4.
struct ColdFormedRow {
    SteelGrade grade;
    double f, fv, fce;
    double fcw, ftw, fvw, ffw;
};

constexpr std::array<ColdFormedRow, 2> kColdFormed = {{
    {kQ235, 205, 120, 310, 205, 175, 120, 140},
    {kQ345, 300, 175, 400, 300, 255, 175, 195},
}};

constexpr std::array<SpotWeldRow, 9> kSpotWelds = {{
    {"0.4", 0.4, 0.6f},
    {"0.6", 0.6, 1.1f},
    {"0.8", 0.8, 1.7f},
    {"1.0", 1.0, 2.3f},
    {"1.5", 1.5, 4.0f},
    {"2.0", 2.0, 5.9f},
    {"2.5", 2.5, 8.0f},
    {"3.0", 3.0, 10.2f},
    {"3.5", 3.5, 12.6f},
}};

constexpr std::array<const char*, 4> kPlateCategories = {"非加劲板件", "部分加劲板件", "加劲板件",
                                                         "圆管外径与壁厚之比"};

// Width-thickness limits by category, Q235 then Q345.
constexpr std::array<double, 4> kQ235PlateLimits = {45, 60, 250, 100};
constexpr std::array<double, 4> kQ345PlateLimits = {35, 50, 200, 68};

const GradeStrengths* FindGrade(SteelGrade grade) {
    for (const GradeStrengths& row : kGradeStrengths) {
        if (row.grade == grade) {
            return &row;
        }
    }
    return nullptr;
}

const ColdFormedRow* FindColdFormed(SteelGrade grade) {
    for (const ColdFormedRow& row : kColdFormed) {
        if (row.grade == grade) {
            return &row;
        }
    }
    return nullptr;
}

const std::array<double, 4>* BandLimits(SteelGrade grade) {
    if (grade == kQ235) {
        return &kQ235BandLimits;
    }
    if (grade == kQ345 || grade == kQ390 || grade == kQ420) {
        return &kHighGradeBandLimits;
    }
    return nullptr;
}

} // namespace

int GetThicknessBand(SteelGrade grade, double t) {
    const auto* limits = BandLimits(grade);
    if (!limits || std::isnan(t)) {
        return 0;
    }
    for (std::size_t i = 0; i < limits->size(); ++i) {
        if (t < (*limits)[i]) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

std::span<const char* const> ThicknessBandLabels(SteelGrade grade) {
    if (grade == kQ235) {
        return kQ235BandLabels;
    }
    if (BandLimits(grade)) {
        return kHighGradeBandLabels;
    }
    return {};
}

bool GetSteelStrength(SteelGrade grade, double t, double& f, double& fv, double& fce) {
    const GradeStrengths* row = FindGrade(grade);
    if (!row || std::isnan(t)) {
        return false;
    }
    fce = row->fce;
    const int band = GetThicknessBand(grade, t);
    if (band == 0) {
        f = 0;
        fv = 0;
        return false;
    }
    f = row->f[band - 1];
    fv = row->fv[band - 1];
    return true;
}

bool GetWeldStrength(SteelGrade grade, double t, int quality, double& fcw, double& ftw, double& fvw,
                     double& ffw) {
    const GradeStrengths* row = FindGrade(grade);
    if (!row || std::isnan(t)) {
        return false;
    }
    ffw = row->ffw;
    const int band = GetThicknessBand(grade, t);
    if (band == 0) {
        fcw = 0;
        ftw = 0;
        fvw = 0;
        return false;
    }
    const auto i = static_cast<std::size_t>(band - 1);
    fcw = row->f[i];
    ftw = (quality == 1 || quality == 2) ? row->f[i] : row->ftwGrade3[i];
    fvw = row->fv[i];
    return true;
}

int GetYieldStrength(SteelGrade grade, double t) {
    if (std::isnan(t)) {
        return 0;
    }
    for (const YieldRow& row : kYield) {
        if (row.grade != grade) {
            continue;
        }
        for (std::size_t i = 0; i < row.bounds.size(); ++i) {
            if (t <= row.bounds[i]) {
                return row.fy[i];
            }
        }
        return row.beyond;
    }
    return 0;
}

double GetAnchorBoltStrength(SteelGrade grade) {
    if (grade == kQ235) {
        return 140;
    }
    if (grade == kQ345) {
        return 180;
    }
    return 0.1;
}

bool GetCFSteelStrength(SteelGrade grade, double& f, double& fv, double& fce) {
    const ColdFormedRow* row = FindColdFormed(grade);
    if (!row) {
        return false;
    }
    f = row->f;
    fv = row->fv;
    fce = row->fce;
    return true;
}

bool GetCFWeldStrength(SteelGrade grade, double& fcw, double& ftw, double& fvw, double& ffw) {
    const ColdFormedRow* row = FindColdFormed(grade);
    if (!row) {
        return false;
    }
    fcw = row->fcw;
    ftw = row->ftw;
    fvw = row->fvw;
    ffw = row->ffw;
    return true;
}

std::span<const SpotWeldRow> SpotWeldTable() {
    return kSpotWelds;
}

float GetSpotWeldShearCapacity(double thinnerPlate) {
    for (const SpotWeldRow& row : kSpotWelds) {
        if (row.thickness == thinnerPlate) {
            return row.nvs;
        }
    }
    return 0.0f;
}

std::span<const char* const> PlateCategoryNames() {
    return kPlateCategories;
}

double GetPlateWidthThicknessLimit(SteelGrade grade, int category) {
    if (category < 0 || category >= static_cast<int>(kPlateCategories.size())) {
        return 0;
    }
    const auto i = static_cast<std::size_t>(category);
    if (grade == kQ235) {
        return kQ235PlateLimits[i];
    }
    if (grade == kQ345) {
        return kQ345PlateLimits[i];
    }
    return 0;
}

std::string GradeName(SteelGrade grade) {
    return "Q" + std::to_string(grade);
}

SteelGrade GradeOfEntry(std::string_view entry) {
    if (entry.size() < 2 || entry[0] != 'Q') {
        return 0;
    }
    int grade = 0;
    const char* last = entry.data() + entry.size();
    const auto [end, error] = std::from_chars(entry.data() + 1, last, grade);
    return error == std::errc() && end == last ? grade : 0;
}

} // namespace ferrolab
