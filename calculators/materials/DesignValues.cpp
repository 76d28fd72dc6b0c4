#include "calculators/materials/DesignValues.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "engine/Format.h"

namespace ferrolab {
namespace {

constexpr std::array<const char*, 2> kCodeEntries = {"GB50018-2002 冷弯薄壁型钢结构技术规范",
                                                     "GB50017 普通钢结构规范"};

// Plate thicknesses that stand for the four bands: inside the band for Q235 (16/40/60/100) and
// for the other grades (16/35/50/100) alike.
constexpr std::array<double, 4> kRepresentativeThickness = {10, 18, 42, 70};

// The GB50017 values of a grade for plate thickness t.
struct GB50017Values {
    double f = 0, fv = 0, fce = 0;
    double fcw = 0, ftw1 = 0, ftw3 = 0, fvw = 0, ffw = 0;
};

bool LookUpGB50017(SteelGrade grade, double t, GB50017Values& v) {
    double unused = 0;
    return GetSteelStrength(grade, t, v.f, v.fv, v.fce) &&
           GetWeldStrength(grade, t, 1, v.fcw, v.ftw1, v.fvw, v.ffw) &&
           GetWeldStrength(grade, t, 3, unused, v.ftw3, unused, unused);
}

// Whole newtons per mm2, as the headline weld texts print them.
std::string Whole(double value) {
    return FormatNumber("%d", static_cast<int>(value));
}

// The weld text written after a grade or thickness pick in GB50017 mode.
std::string GB50017WeldText(const GB50017Values& v) {
    return "对接焊缝抗压 fcw:" + Fmt2(v.fcw) + " N/mm2" +
           "\r\n一、二级焊缝质量对接焊缝抗拉 ftw: " + Fmt2(v.ftw1) + " N/mm2" +
           "\r\n三级焊缝质量对接焊缝抗拉 ftw: " + Fmt2(v.ftw3) + " N/mm2" +
           "\r\n对接焊缝抗剪 fvw: " + Fmt2(v.fvw) + " N/mm2" +
           "\r\n角焊缝抗压、抗拉、抗剪 ffw: " + Fmt2(v.ffw) + " N/mm2";
}

// The steel text written after a grade pick (both modes).
std::string SteelTextOnGrade(double f, double fv, double fce) {
    return " 抗拉、抗压、抗弯:" + Fmt2(f) + "N/mm2" + "\r\n \t \t 抗剪:" + Fmt2(fv) + "N/mm2" +
           "\r\n 端面承压（磨平顶紧）:" + Fmt2(fce) + " N/mm2";
}

bool Offers(int code, SteelGrade grade) {
    for (const std::string& entry : GradeEntries(code)) {
        if (GradeOfEntry(entry) == grade) {
            return true;
        }
    }
    return false;
}

template <class T> bool InRange(int index, const std::vector<T>& list) {
    return index >= 0 && index < static_cast<int>(list.size());
}

} // namespace

int DesignCodeAt(int listIndex) {
    switch (listIndex) {
    case 0:
        return kDesignCodeColdFormed;
    case 1:
        return kDesignCodeGB50017;
    default:
        return -1;
    }
}

int ListIndexOf(int code) {
    return code == kDesignCodeColdFormed ? 0 : code == kDesignCodeGB50017 ? 1 : -1;
}

std::vector<std::string> DesignCodeEntries() {
    return {kCodeEntries.begin(), kCodeEntries.end()};
}

std::vector<std::string> GradeEntries(int code) {
    if (code == kDesignCodeColdFormed) {
        return {"Q235", "Q345"};
    }
    if (code == kDesignCodeGB50017) {
        return {"Q235", "Q345", "Q390", "Q420"};
    }
    return {};
}

std::vector<std::string> ThicknessEntries(SteelGrade grade) {
    const auto labels = ThicknessBandLabels(grade);
    return {labels.begin(), labels.end()};
}

double RepresentativeThickness(int band) {
    if (band < 0 || band >= static_cast<int>(kRepresentativeThickness.size())) {
        return 0;
    }
    return kRepresentativeThickness[static_cast<std::size_t>(band)];
}

std::vector<std::string> SpotWeldPlateEntries() {
    std::vector<std::string> entries;
    for (const SpotWeldRow& row : SpotWeldTable()) {
        entries.emplace_back(row.plate);
    }
    return entries;
}

StrengthTexts TextsOnCodeChange(int code) {
    if (code == kDesignCodeColdFormed) {
        double f = 0, fv = 0, fce = 0, fcw = 0, ftw = 0, fvw = 0, ffw = 0;
        GetCFSteelStrength(kQ235, f, fv, fce);
        GetCFWeldStrength(kQ235, fcw, ftw, fvw, ffw);
        return {"根据GB50018-2002 表4.2.1" + std::string("\r\n     抗拉、抗压、抗弯: ") + Fmt2(f) +
                    " N/mm2," + "\r\n                 抗剪: " + Fmt2(fv) + " N/mm2," +
                    "\r\n 端面承压（磨平顶紧）: " + Fmt2(fce) + " N/mm2",
                "根据GB50018-2002 表4.2.4" + std::string("\r\n 对接焊缝抗压 fcw: ") + Whole(fcw) +
                    " N/mm2" + "\r\n 对接焊缝抗拉 ftw: " + Whole(ftw) + " N/mm2" +
                    "\r\n 对接焊缝抗剪 fvw: " + Whole(fvw) + " N/mm2" +
                    "\r\n 角焊缝抗压、抗拉、抗剪 ffw: " + Whole(ffw) + " N/mm2"};
    }
    if (code == kDesignCodeGB50017) {
        GB50017Values v;
        LookUpGB50017(kQ235, RepresentativeThickness(0), v);
        return {"根据GBJ17-88" + std::string("\r\n 抗拉、抗压、抗弯 : ") + Fmt2(v.f) + " N/mm2," +
                    "\r\n \t \t抗剪 : " + Fmt2(v.fv) + " N/mm2," +
                    "\r\n 端面承压（磨平顶紧）: " + Fmt2(v.fce) + " N/mm2",
                "对接焊缝抗压 fcw:  " + Whole(v.fcw) + " N/mm2" +
                    "\r\n一、二级焊缝质量对接焊缝抗拉 ftw:  " + Whole(v.ftw1) + " N/mm2" +
                    "\r\n三级焊缝质量对接焊缝抗拉 ftw:  " + Whole(v.ftw3) + " N/mm2" +
                    "\r\n            对接焊缝抗剪 fvw:  " + Whole(v.fvw) + " N/mm2" +
                    "\r\n  角焊缝抗压、抗拉、抗剪 ffw: " + Whole(v.ffw) + " N/mm2"};
    }
    return {};
}

StrengthTexts TextsOnGradeChange(int code, SteelGrade grade) {
    if (!Offers(code, grade)) {
        return {};
    }
    if (code == kDesignCodeColdFormed) {
        double f = 0, fv = 0, fce = 0, fcw = 0, ftw = 0, fvw = 0, ffw = 0;
        GetCFSteelStrength(grade, f, fv, fce);
        GetCFWeldStrength(grade, fcw, ftw, fvw, ffw);
        return {SteelTextOnGrade(f, fv, fce),
                " 对接焊缝抗压 fcw:" + Fmt2(fcw) + " N/mm2" + "\r\n 对接焊缝抗拉 ftw: " +
                    Fmt2(ftw) + " N/mm2" + "\r\n 对接焊缝抗剪 fvw: " + Fmt2(fvw) + " N/mm2" +
                    "\r\n 角焊缝抗压、抗拉、抗剪 ffw: " + Fmt2(ffw) + " N/mm2"};
    }
    GB50017Values v;
    LookUpGB50017(grade, RepresentativeThickness(0), v);
    return {SteelTextOnGrade(v.f, v.fv, v.fce), GB50017WeldText(v)};
}

StrengthTexts TextsOnThicknessChange(SteelGrade grade, int band) {
    GB50017Values v;
    if (!Offers(kDesignCodeGB50017, grade) || RepresentativeThickness(band) == 0 ||
        !LookUpGB50017(grade, RepresentativeThickness(band), v)) {
        return {};
    }
    return {" 抗拉、抗压、抗弯:" + Fmt2(v.f) + "N/mm2," + "\r\n \t         抗剪:" + Fmt2(v.fv) +
                "N/mm2," + "\r\n 端面承压（磨平顶紧）:" + Fmt2(v.fce) + " N/mm2",
            GB50017WeldText(v)};
}

std::string SpotWeldText(int plate) {
    const auto table = SpotWeldTable();
    if (plate < 0 || plate >= static_cast<int>(table.size())) {
        return {};
    }
    return Fmt2(table[static_cast<std::size_t>(plate)].nvs);
}

std::string PlateLimitText(SteelGrade grade, int category) {
    const double limit = GetPlateWidthThicknessLimit(grade, category);
    return limit > 0 ? Fmt2(limit) : std::string();
}

namespace {

// GB50017-2017 in the GB50017 mode: the three strength boxes follow the grade, band and
// electrode alone.
std::optional<DesignValuesView> DesignValues2017(const DesignValuesInput& in) {
    const auto texts = Texts2017(in.gradeEntry, in.band, in.electrode);
    const std::vector<std::string> grades = GradeEntries2017();
    if (!texts || std::find(grades.begin(), grades.end(), in.gradeEntry) == grades.end()) {
        return std::nullopt;
    }
    DesignValuesView view;
    view.editionEntry = "GB50017-2017";
    view.codeEntry = DesignCodeEntries()[static_cast<std::size_t>(ListIndexOf(kDesignCodeGB50017))];
    view.gradeEntry = in.gradeEntry;
    view.bandEntry = ThicknessEntries2017(in.gradeEntry)[static_cast<std::size_t>(in.band)];
    view.electrodeEntry =
        ElectrodeEntries2017(in.gradeEntry)[static_cast<std::size_t>(in.electrode)];
    view.strength = {texts->steel, texts->weld};
    view.bolts = texts->bolts;
    return view;
}

} // namespace

std::optional<DesignValuesView> ComputeDesignValues(const DesignValuesInput& in) {
    if (in.edition == kSteel2017 && in.code == kDesignCodeGB50017) {
        return DesignValues2017(in);
    }
    const std::vector<std::string> codes = DesignCodeEntries();
    const std::vector<std::string> grades = GradeEntries(in.code);
    const std::vector<std::string> bands = ThicknessEntries(in.grade);
    const std::vector<std::string> plates = SpotWeldPlateEntries();
    const auto categories = PlateCategoryNames();
    const bool gb50017 = in.code == kDesignCodeGB50017;
    if (!InRange(ListIndexOf(in.code), codes) || !Offers(in.code, in.grade) ||
        !InRange(in.spotWeldPlate, plates) || in.plateCategory < 0 ||
        in.plateCategory >= static_cast<int>(categories.size()) ||
        (gb50017 ? !InRange(in.band, bands) : in.band != 0)) {
        return std::nullopt;
    }

    DesignValuesView view;
    if (in.edition == kSteel2017) {
        view.editionEntry = "GB50017-2017";
    }
    view.codeEntry = codes[static_cast<std::size_t>(ListIndexOf(in.code))];
    view.gradeEntry = GradeName(in.grade);
    // The code pick: its headline texts, grade "Q235", band "<=16".
    view.strength = TextsOnCodeChange(in.code);
    if (in.grade != kQ235) {
        view.strength = TextsOnGradeChange(in.code, in.grade);
    }
    if (gb50017) {
        view.bandEntry = bands[static_cast<std::size_t>(in.band)];
        if (in.band != 0) {
            view.strength = TextsOnThicknessChange(in.grade, in.band);
        }
    } else {
        view.spotWeldPlateEntry = plates[static_cast<std::size_t>(in.spotWeldPlate)];
        view.nvs = SpotWeldText(in.spotWeldPlate);
        view.plateCategoryEntry = categories[static_cast<std::size_t>(in.plateCategory)];
        view.limit = PlateLimitText(in.grade, in.plateCategory);
    }
    return view;
}

std::string FormatDesignValues(const DesignValuesView& view) {
    std::string text;
    if (view.editionEntry) {
        text += std::string(kEditionLabel) + " " + *view.editionEntry + "\r\n";
    }
    text += std::string(kCodeLabel) + " " + view.codeEntry + "\r\n" + kGradeLabel + " " +
            view.gradeEntry + "\r\n";
    if (view.bandEntry) {
        text +=
            std::string(kThicknessLabel) + " " + *view.bandEntry + " " + kThicknessUnit + "\r\n";
    }
    if (view.electrodeEntry) {
        text += std::string(kElectrodeLabel) + " " + *view.electrodeEntry + "\r\n";
    }
    text += std::string("[") + kSteelGroup + "]\r\n" + view.strength.steel + "\r\n";
    text += std::string("[") + kWeldGroup + "]\r\n" + view.strength.weld + "\r\n";
    if (view.bolts) {
        text += std::string("[") + kBoltGroup + "]\r\n" + *view.bolts + "\r\n";
    }
    if (view.nvs) {
        text += std::string("[") + kSpotWeldGroup + "]\r\n" + kSpotWeldPlateLabel + " " +
                view.spotWeldPlateEntry.value_or("") + "\r\n" + kNvsLabel + " " + *view.nvs +
                "\r\n";
    }
    if (view.limit) {
        text += std::string("[") + kPlateLimitGroup + "]\r\n" + kPlateCategoryLabel + " " +
                view.plateCategoryEntry.value_or("") + "\r\n" + kLimitLabel + " " + *view.limit +
                "\r\n";
    }
    return text;
}

} // namespace ferrolab
