#include "calculators/connections/FilletWeldStrength.h"

#include "engine/Format.h"
#include "engine/Materials2017.h"
#include "engine/Welds2017.h"

namespace ferrolab {

std::vector<std::string> FilletWeldGradeEntries() {
    return FilletWeldGradeEntries(kSteel2017);
}

std::vector<std::string> FilletWeldGradeEntries(int edition) {
    if (edition == kSteel2017) {
        return {"Q235", "Q345", "Q390", "Q420", "Q460", "Q345GJ"};
    }
    return {"Q235", "Q345", "Q390", "Q420"};
}

std::optional<std::string> GradeNotOffered(int edition, const std::string& grade) {
    const std::vector<std::string> grades = FilletWeldGradeEntries(edition);
    if (IndexOf(grades, grade) >= 0) {
        return std::nullopt;
    }
    return "ferrolab-calc: grade=" + grade + " is not offered by " +
           (edition == kSteel2017 ? "GB50017-2017" : "GB50017-2003") + "; choose one of " +
           Joined(grades) + "\n";
}

std::vector<std::string> WeldingMethodEntries(int edition, const std::string& grade) {
    if (edition != kSteel2017) {
        return {"E43**手工焊"};
    }
    std::vector<std::string> entries;
    for (const char* electrode : Electrodes2017(grade)) {
        entries.push_back(std::string(electrode) + "**手工焊");
    }
    return entries;
}

std::variant<FilletWeldStrength2017, std::string>
FindFilletWeldStrength2017(const std::string& grade, const std::string& electrode) {
    const std::vector<std::string> electrodes = TextsOf(Electrodes2017(grade));
    if (electrodes.empty() || IndexOf(FilletWeldGradeEntries(kSteel2017), grade) < 0) {
        return std::string("钢号应为 Q235、Q345、Q390、Q420、Q460 或 Q345GJ");
    }
    const std::string chosen = electrode.empty() ? electrodes.front() : electrode;
    const auto ffw = GetFilletWeldStrength2017(grade, chosen);
    if (!ffw) {
        std::string list;
        for (const std::string& e : electrodes) {
            list += (list.empty() ? "" : "、") + e;
        }
        return grade + "钢的焊条应为 " + list + "（GB50017-2017表4.4.5）";
    }
    return FilletWeldStrength2017{*ffw, chosen};
}

std::string FilletWeldStrengthLine2017(const std::string& grade,
                                       const FilletWeldStrength2017& strength) {
    return "钢材为:" + grade + ",焊条为" + strength.electrode +
           "型,查GB50017-2017表4.4.5，得角焊缝的抗拉、抗压、抗剪强度设计值为:" +
           Fmt2(strength.ffw) + "(N/mm2),\r\n";
}

FieldSpec WeldingMethodField() {
    return FieldSpec{
        .name = "electrode",
        .help = "edition 2017; blank: the first of the grade; Q235 E43, Q345|Q390 E50|E55, "
                "Q420 E55|E60 (or as the list shows it, E50**手工焊)",
        .kind = FieldKind::Choice,
        .label = "焊接方法及焊条",
        .control = "method"};
}

std::optional<std::string> ElectrodeNotOffered(const std::string& grade,
                                               const std::string& electrode) {
    const std::vector<std::string> electrodes = TextsOf(Electrodes2017(grade));
    if (electrode.empty() || electrodes.empty() || IndexOf(electrodes, electrode) >= 0) {
        return std::nullopt;
    }
    return "ferrolab-calc: electrode=" + electrode + " is not offered for " + grade +
           "; choose one of " + Joined(electrodes) + "\n";
}

} // namespace ferrolab
