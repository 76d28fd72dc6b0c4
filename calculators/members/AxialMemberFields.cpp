#include <algorithm>
#include <sstream>

#include "calculators/Calculators.h"
#include "calculators/Edition.h"
#include "calculators/members/AxialMember.h"
#include "engine/TextToNumber.h"

namespace ferrolab {

const Description& AxialMemberDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "axial-member";
        entry.caption = "轴心受力构件验算";
        std::vector<std::string> kinds;
        for (int i = 0; i < kAxialSectionKindCount; ++i) {
            kinds.emplace_back(AxialSectionKindCaption(static_cast<AxialSectionKind>(i)));
        }
        // The welded plates: each width and thickness is mirrored into its twin (B2, t2), which
        // takes the same presets.
        const std::vector<std::string> flangeWidth = {"250.00", "260.00", "300.00", "350.00",
                                                      "400.00"};
        const std::vector<std::string> flangeThickness = {"12.00", "13.00", "16.00",
                                                          "17.00", "18.00", "19.00"};
        const std::vector<std::string> webDepth = {"250.00", "1100.00", "1200.00", "1300.00",
                                                   "1400.00"};
        const std::vector<std::string> webThickness = {"8.00", "10.00", "11.00", "12.00", "13.00"};
        const std::vector<std::string> netFactor = {"1.0", "0.95", "0.9", "0.85", "0.80", "0.75"};
        const std::vector<std::string> force = {"-100.00", "-150.00", "-200.00", "-250.00",
                                                "-300.00"};
        const std::vector<std::string> length = {"2.00", "3.00", "4.00", "5.00", "6.00", "7.00"};
        // The welded boxes open blank and disabled; picking 焊接工字形 fills each with its first
        // preset, the default here. So they name no control, and neither does the flange list.
        // The dialog's code list "采用规范：" at the top is the edition list.
        FieldSpec edition = SteelEditionField();
        edition.label = "采用规范";
        entry.fields = {
            edition,
            ChoiceField("kind", kinds, kinds.front(), "section kind", "相关参数"),
            // The names offered follow the kind (none for 焊接工字形).
            {.name = "name",
             .defaultValue = "HW100x100",
             .help = "a section name of the kind's list (not used by 焊接工字形)",
             .kind = FieldKind::Catalogue,
             .label = "相关参数",
             .control = "sectionName"},
            {.name = "B1",
             .defaultValue = flangeWidth[0],
             .help = "welded section: flange width B1 = B2, mm",
             .label = "上翼缘宽度 B1",
             .presets = flangeWidth,
             .control = "b1"},
            {.name = "t1",
             .defaultValue = flangeThickness[0],
             .help = "welded section: flange thickness t1 = t2, mm",
             .label = "上翼缘厚度 t1",
             .presets = flangeThickness,
             .control = "t1"},
            {.name = "Tw",
             .defaultValue = webThickness[0],
             .help = "welded section: web thickness, mm",
             .label = "腹板厚度  Tw",
             .presets = webThickness,
             .control = "tw"},
            {.name = "Hw",
             .defaultValue = webDepth[0],
             .help = "welded section: web depth between the flanges, mm",
             .label = "腹板净高度 Hw",
             .presets = webDepth,
             .control = "hw"},
            ChoiceField("flange", {"焰切边", "轧制或剪切边"}, "焰切边",
                        "welded section: flange edges", "翼缘为"),
            GradeField({"Q235", "Q345", "Q390", "Q420"}),
            {.name = "net-factor",
             .defaultValue = netFactor[0],
             .help = "net-section coefficient, An = net-factor * A",
             .label = "净截面系数",
             .presets = netFactor,
             .control = "netFactor"},
            ChoiceField("force-type", {"轴心受压", "轴心受拉"}, "轴心受压",
                        "kept; the sign of N governs", "受力类型及内力设计值", "forceType"),
            {.name = "N",
             .defaultValue = force[0],
             .help = "axial force, kN, negative in compression",
             .label = "轴力(kN)",
             .unit = "kN",
             .presets = force,
             .control = "axialForce"},
            // The two axes are check boxes (xCheck, yCheck); the runner takes 1 for checked.
            {.name = "x-check",
             .defaultValue = "1",
             .allowed = {"0", "1"},
             .help = "1: buckling about x (绕x轴)",
             .label = "绕x轴",
             .control = "xCheck",
             .entries = {"否", "是"}},
            PresetNumberField("lx", length, "effective length about x, m", "计算长度(m)", "m"),
            {.name = "y-check",
             .defaultValue = "0",
             .allowed = {"0", "1"},
             .help = "1: buckling about y (绕y轴)",
             .label = "绕y轴",
             .control = "yCheck",
             .entries = {"否", "是"}},
            PresetNumberField("ly", length, "effective length about y, m", "计算长度(m)", "m"),
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunAxialMember(const FieldValues& v) {
    std::ostringstream usage;
    const AxialSectionKind kind = *AxialSectionKindOf(v.at("kind"));
    AxialMemberInput in;
    std::string properties;
    if (kind == AxialSectionKind::WeldedI) {
        in.section = WeldedAxialSection(TextToDouble(v.at("B1")), TextToDouble(v.at("t1")),
                                        TextToDouble(v.at("Tw")), TextToDouble(v.at("Hw")));
        properties = WeldedPropertyText(*in.section);
    } else {
        const std::string& name = v.at("name");
        const NameList names = AxialSectionNames(kind);
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            usage << "ferrolab-calc: '" << name << "' is not a name of " << v.at("kind") << '\n';
            return UsageError(usage.str());
        }
        AxialSectionLoad load = LoadAxialSection(name);
        if (!load.section) {
            return Outcome{std::nullopt, load.notices};
        }
        in.section = load.section;
        properties = load.propertyText;
    }
    in.flameCut = v.at("flange") == "焰切边" ? 1 : 0;
    in.grade = static_cast<SteelGrade>(TextToDouble(v.at("grade").substr(1)));
    in.netFactor = TextToDouble(v.at("net-factor"));
    in.forceType = v.at("force-type");
    in.N = TextToDouble(v.at("N"));
    in.xOn = v.at("x-check") == "1";
    in.lx = TextToDouble(v.at("lx"));
    in.yOn = v.at("y-check") == "1";
    in.ly = TextToDouble(v.at("ly"));
    in.edition = SteelEditionOf(v);
    const AxialMemberResult result = ComputeAxialMember(in);
    // The two boxes of the dialog: the section's properties, then the check.
    std::optional<std::string> text;
    if (result.report) {
        text = properties + "\r\n\r\n" + *result.report;
    }
    return Outcome{text, result.notices, result.checks};
}

} // namespace ferrolab
