// The GB50017 mode of "设计指标" under GB50017-2017: steel of tables 4.4.1 and 4.4.2 with fy and
// fu, welds of table 4.4.5 by electrode, bolts and anchors of table 4.4.6.
#include <charconv>

#include "calculators/materials/DesignValues.h"
#include "engine/Format.h"
#include "engine/Materials2017.h"

namespace ferrolab {
namespace {

// Q345GJ: table 4.4.2 bands the steel at 16-50-100 mm, table 4.4.5 its welds at 16-35-50-100 mm
// (as printed). The list takes both bounds, so that each band holds one value of either table.
constexpr const char* kBandsQ345GJ[] = {">16-35", ">35-50", ">50-100"};

// The plate thickness a band label stands for: the middle of "<=16" (0 to 16) or ">16-40".
double MiddleOfBand(const std::string& label) {
    double low = 0, high = 0;
    const char* first = label.data();
    const char* last = label.data() + label.size();
    if (label.rfind("<=", 0) == 0) {
        std::from_chars(first + 2, last, high);
    } else if (label.rfind(">", 0) == 0) {
        const auto [dash, error] = std::from_chars(first + 1, last, low);
        if (error != std::errc() || dash == last || *dash != '-') {
            return 0;
        }
        std::from_chars(dash + 1, last, high);
    }
    return high > low ? (low + high) / 2 : 0;
}

std::string Line(const char* name, double value) {
    return std::string("\r\n ") + name + Fmt2(value) + " N/mm2";
}

std::string BoltText(const std::string& grade) {
    std::string t = "根据GB50017-2017 表4.4.6";
    const struct {
        const char* name;
        const char* boltClass;
        bool bearingType;
    } bolts[] = {{"普通螺栓C级(4.6级、4.8级)", "4.6/4.8", false},
                 {"普通螺栓A级、B级(5.6级)", "5.6", false},
                 {"普通螺栓A级、B级(8.8级)", "8.8", false},
                 {"承压型高强度螺栓(8.8级)", "8.8", true},
                 {"承压型高强度螺栓(10.9级)", "10.9", true}};
    for (const auto& bolt : bolts) {
        const auto s = bolt.bearingType ? GetBearingTypeBoltStrength2017(bolt.boltClass)
                                        : GetOrdinaryBoltStrength2017(bolt.boltClass);
        t += std::string("\r\n ") + bolt.name + ": 抗拉 ftb " + Fmt2(s->ftb) + ", 抗剪 fvb " +
             Fmt2(s->fvb) + " N/mm2";
    }
    // The bearing strength belongs to the connected plate's steel.
    t += "\r\n " + grade + "构件承压 fcb: C级螺栓 " + Fmt2(GetBearingStrength2017(grade, 'C')) +
         ", A级、B级螺栓 " + Fmt2(GetBearingStrength2017(grade, 'A')) + ", 承压型高强度螺栓 " +
         Fmt2(GetBearingStrength2017(grade, 'H')) + " N/mm2";
    const double anchor = GetAnchorBoltStrength2017(grade);
    t += anchor > 0 ? "\r\n " + grade + "锚栓抗拉 fta: " + Fmt2(anchor) + " N/mm2"
                    : "\r\n 锚栓: 表中未列" + grade + "钢锚栓";
    return t;
}

} // namespace

std::vector<std::string> GradeEntries2017() {
    return TextsOf(SteelGrades2017());
}

std::vector<std::string> ThicknessEntries2017(const std::string& grade) {
    if (grade == "Q345GJ") {
        return TextsOf(kBandsQ345GJ);
    }
    return TextsOf(ThicknessBandLabels2017(grade));
}

std::vector<std::string> ElectrodeEntries2017(const std::string& grade) {
    return TextsOf(Electrodes2017(grade));
}

std::optional<StrengthTexts2017> Texts2017(const std::string& grade, int band, int electrode) {
    const std::vector<std::string> bands = ThicknessEntries2017(grade);
    const std::vector<std::string> electrodes = ElectrodeEntries2017(grade);
    if (band < 0 || band >= static_cast<int>(bands.size()) || electrode < 0 ||
        electrode >= static_cast<int>(electrodes.size())) {
        return std::nullopt;
    }
    const double t = MiddleOfBand(bands[static_cast<std::size_t>(band)]);
    const std::string& e = electrodes[static_cast<std::size_t>(electrode)];
    const auto steel = GetSteelStrength2017(grade, t);
    const auto weld = GetWeldStrength2017(grade, e, t);
    if (!steel || !weld) {
        return std::nullopt;
    }
    StrengthTexts2017 texts;
    texts.steel = std::string("根据GB50017-2017 ") + (grade == "Q345GJ" ? "表4.4.2" : "表4.4.1") +
                  Line("抗拉、抗压、抗弯 f: ", steel->f) + "," + Line("抗剪 fv: ", steel->fv) +
                  "," + Line("端面承压（刨平顶紧） fce: ", steel->fce) + "," +
                  Line("屈服强度 fy: ", steel->fy) + "," + Line("抗拉强度 fu: ", steel->fu);
    texts.weld =
        "根据GB50017-2017 表4.4.5，" + e + "型焊条" + Line("对接焊缝抗压 fcw: ", weld->fcw) +
        Line("一、二级焊缝质量对接焊缝抗拉 ftw: ", weld->ftw12) +
        Line("三级焊缝质量对接焊缝抗拉 ftw: ", weld->ftw3) + Line("对接焊缝抗剪 fvw: ", weld->fvw) +
        Line("角焊缝抗压、抗拉、抗剪 ffw: ", weld->ffw) +
        Line("对接焊缝抗拉强度 fuw: ", weld->fuw) +
        Line("角焊缝抗拉、抗压、抗剪强度 fuf: ", weld->fuf);
    texts.bolts = BoltText(grade);
    return texts;
}

} // namespace ferrolab
