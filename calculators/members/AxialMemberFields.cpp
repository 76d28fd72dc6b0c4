#include <algorithm>
#include <sstream>

#include "calculators/Calculators.h"
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
        entry.fields = {
            {"kind", kinds.front(), kinds, "section kind"},
            {"name", "HW100x100", {}, "a section name of the kind's list (not used by 焊接工字形)"},
            {"B1", "250.00", {}, "welded section: flange width B1 = B2, mm"},
            {"t1", "12.00", {}, "welded section: flange thickness t1 = t2, mm"},
            {"Tw", "8.00", {}, "welded section: web thickness, mm"},
            {"Hw", "250.00", {}, "welded section: web depth between the flanges, mm"},
            {"flange", "焰切边", {"焰切边", "轧制或剪切边"}, "welded section: flange edges"},
            {"grade", "Q235", {"Q235", "Q345", "Q390", "Q420"}, "steel grade"},
            {"net-factor", "1.0", {}, "net-section coefficient, An = net-factor * A"},
            {"force-type", "轴心受压", {"轴心受压", "轴心受拉"}, "kept; the sign of N governs"},
            {"N", "-100.00", {}, "axial force, kN, negative in compression"},
            {"x-check", "1", {"0", "1"}, "1: buckling about x (绕x轴)"},
            {"lx", "2.00", {}, "effective length about x, m"},
            {"y-check", "0", {"0", "1"}, "1: buckling about y (绕y轴)"},
            {"ly", "2.00", {}, "effective length about y, m"},
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
    const AxialMemberResult result = ComputeAxialMember(in);
    // The two boxes of the dialog: the section's properties, then the check.
    std::optional<std::string> text;
    if (result.report) {
        text = properties + "\r\n\r\n" + *result.report;
    }
    return Outcome{text, result.notices, result.checks};
}

} // namespace ferrolab
