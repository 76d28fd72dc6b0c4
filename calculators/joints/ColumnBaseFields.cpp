#include <algorithm>
#include <sstream>

#include "calculators/Calculators.h"
#include "calculators/joints/ColumnBase.h"
#include "engine/Format.h"
#include "engine/TextToNumber.h"

namespace ferrolab {
namespace {

std::vector<std::string> AllForms() {
    std::vector<std::string> forms = ColumnFormEntries(kPinnedBase);
    for (const std::string& form : ColumnFormEntries(kFixedBase)) {
        forms.push_back(form);
    }
    return forms;
}

std::vector<std::string> AllSections() {
    std::vector<std::string> sections;
    for (const std::string& form : AllForms()) {
        for (const std::string& name : ColumnFormSections(form)) {
            sections.push_back(name);
        }
    }
    return sections;
}

bool Contains(const std::vector<std::string>& list, const std::string& value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

// A read-only plate field: left out it shows what the dialog derives; given, it must agree.
bool CheckDerived(const std::string& name, const std::string& given, const std::string& derived,
                  const char* formula, std::ostream& err) {
    if (given.empty() || Fmt2(TextToDouble(given)) == derived) {
        return true;
    }
    err << "ferrolab-calc: " << name << " is not an input; the dialog shows " << name << " = "
        << formula << " = " << derived << " for these values\n";
    return false;
}

} // namespace

const Description& ColumnBaseDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "column-base";
        entry.caption = kColumnBaseCaption;
        entry.fields = {
            {"base-type", BaseTypeEntries()[0], BaseTypeEntries(), "柱脚类型"},
            {"form", "", AllForms(),
             "柱子形式; left out: the form holding the section, else the first form of the base "
             "type"},
            {"section", "", AllSections(),
             "型号 of the form; left out: 槽18b for the pinned base, else the form's first "
             "section"},
            {"N", "60.00", {}, "axial force (下压), kN"},
            {"M", "200.00", {}, "moment parallel to the shoe plates, kN*m (fixed base)"},
            {"tp",
             "14.00",
             {},
             "厚度tp as the box shows it before 计算; the pinned base rewrites it"},
            {"c",
             "",
             {},
             "plate outstand beyond the shoe plates, mm; left out: 30, or 3*d after an anchor-d "
             "pick"},
            {"b1", "105", {}, "plate projection beyond the column along the shoe plates, mm"},
            {"a0", "30.00", {}, "plate end to the anchor bolts, mm (fixed base)"},
            {"l1", "290.00", WebDistanceEntries(), "腹板外壁相距l1, mm (pinned)"},
            {"shoe-height", "400.00", {}, "靴梁高度, mm (not used by the design)"},
            {"ts", "8.00", {}, "shoe plate thickness, mm"},
            {"B", "", {}, "read-only: a1+2*ts+2*c; given, it must agree"},
            {"L",
             "",
             {},
             "read-only: l1+2*b1 (pinned) or H+2*(a0+b1) (fixed); given, it must agree"},
            {"plate-grade", "Q235", {"Q235", "Q345", "Q420"}, "钢材钢号 (not used by the design)"},
            {"concrete", "C15", {"C15", "C20", "C25", "C30", "C35"}, "混凝土等级"},
            {"anchor-grade", "Q235", {"Q235", "Q345"}, "锚拴钢号"},
            {"anchor-d", "", AnchorDiameterEntries(),
             "锚拴直径, mm; left out: not picked (the box shows 12.00, c and holes keep theirs)"},
            {"holes",
             "",
             {},
             "锚栓孔总面积, mm2 (pinned); left out: 4500.00, or 4.8*d^2+10*trunc(0.31415926*d^2) "
             "after an anchor-d pick"},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunColumnBase(const FieldValues& v) {
    std::ostringstream usage;
    ColumnBaseInput in;
    const std::vector<std::string> types = BaseTypeEntries();
    in.baseType = v.at("base-type") == types[kFixedBase] ? kFixedBase : kPinnedBase;
    const std::vector<std::string> forms = ColumnFormEntries(in.baseType);
    std::string form = v.at("form");
    if (form.empty()) {
        // The form that offers the section given, else the base type's first form.
        form = forms.front();
        for (const std::string& candidate : forms) {
            if (Contains(ColumnFormSections(candidate), v.at("section"))) {
                form = candidate;
            }
        }
    }
    if (!Contains(forms, form)) {
        usage << "ferrolab-calc: " << v.at("base-type") << " has no column form " << form << '\n';
        return UsageError(usage.str());
    }
    const std::vector<std::string> sections = ColumnFormSections(form);
    in.section = v.at("section");
    if (in.section.empty()) {
        in.section = in.baseType == kPinnedBase ? "槽18b" : sections.front();
    }
    if (!Contains(sections, in.section)) {
        usage << "ferrolab-calc: " << form << " has no section " << in.section << '\n';
        return UsageError(usage.str());
    }
    const std::optional<ColumnSection> section = LookUpColumnSection(in.section);
    if (!section) {
        return Outcome{std::nullopt,
                       {Notice{"the catalogue has no section " + in.section, "ferrolab-calc",
                               NoticeIcon::Error}}};
    }

    // An anchor-bolt pick puts 3·d into c and its hole area into holes; values typed into
    // those boxes afterwards win.
    in.anchorD = v.at("anchor-d").empty() ? "12.00" : v.at("anchor-d");
    const bool anchorPicked = !v.at("anchor-d").empty();
    const int d = AnchorDiameterOf(in.anchorD);
    const std::string cText =
        !v.at("c").empty() ? v.at("c") : (anchorPicked ? AnchorOutstandText(d) : "30");
    in.holesText = !v.at("holes").empty() ? v.at("holes")
                                          : (anchorPicked ? Fmt2(AnchorHoleArea(d)) : "4500.00");
    in.n = TextToDouble(v.at("N"));
    in.m = TextToDouble(v.at("M"));
    in.c = TextToDouble(cText);
    in.b1 = TextToDouble(v.at("b1"));
    in.a0 = TextToDouble(v.at("a0"));
    in.l1 = TextToDouble(v.at("l1"));
    in.ts = TextToDouble(v.at("ts"));
    in.bText = Fmt2(PlateWidth(section->a1, in.ts, in.c));
    in.lText = Fmt2(PlateLength(in.baseType, in.l1, in.b1, section->h, in.a0));
    if (!CheckDerived("B", v.at("B"), in.bText, "a1+2*ts+2*c", usage) ||
        !CheckDerived("L", v.at("L"), in.lText,
                      in.baseType == kPinnedBase ? "l1+2*b1" : "H+2*(a0+b1)", usage)) {
        return UsageError(usage.str());
    }
    in.concrete = v.at("concrete");
    in.anchorGrade = v.at("anchor-grade");

    const ColumnBaseResult result = ComputeColumnBase(in);
    Outcome outcome{result.report, result.notices, result.checks};
    if (outcome.report) {
        // The runner also prints the box the compute fills, after the report.
        std::string& text = *outcome.report;
        if (text.empty() || text.back() != '\n') {
            text += "\r\n";
        }
        text += "厚度tp:" + result.thickness.value_or(ReportedFieldText(v.at("tp"))) + " mm\r\n";
    }
    return outcome;
}

} // namespace ferrolab
