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
            SteelEditionField(),
            {.name = "base-type",
             .defaultValue = BaseTypeEntries()[0],
             .allowed = BaseTypeEntries(),
             .help = "柱脚类型",
             .label = "柱脚类型",
             .control = "baseType"},
            // The forms follow the base type, the sections the form.
            {.name = "form",
             .allowed = AllForms(),
             .help = "柱子形式; left out: the form holding the section, else the first form of "
                     "the base type",
             .label = "柱子形式",
             .control = "form"},
            {.name = "section",
             .allowed = AllSections(),
             .help = "型号 of the form; left out: 槽18b for the pinned base, else the form's first "
                     "section",
             .kind = FieldKind::Catalogue,
             .label = "型号",
             .control = "section"},
            {.name = "N",
             .defaultValue = "60.00",
             .help = "axial force (下压), kN",
             .label = "轴力",
             .unit = "kN",
             .presets = {"60.00", "100.00", "200.0", "400.00", "600.00", "800.00", "1200.00",
                         "1420.00", "1600.00"},
             .control = "N"},
            {.name = "M",
             .defaultValue = "200.00",
             .help = "moment parallel to the shoe plates, kN*m (fixed base)",
             .label = "与靴梁平行的弯矩",
             .unit = "kN*m",
             .presets = {"200.00", "400.00", "960.00", "1200.00", "1400.00", "1800.00", "2200.00"},
             .control = "M"},
            {.name = "tp",
             .defaultValue = "14.00",
             .help = "厚度tp as the box shows it before 计算; the pinned base rewrites it",
             .label = "厚度tp",
             .unit = "mm",
             .presets = {"14.00", "16.00", "18.00", "20.00", "22.00", "24.00", "26.00", "28.00",
                         "30.00", "32.00", "34.00", "36.00", "38.00", "40.00"},
             .control = "tp"},
            // An anchor-d pick puts 3*d in front of the presets of c and its hole area in front of
            // those of holes.
            {.name = "c",
             .help = "plate outstand beyond the shoe plates, mm; left out: 30, or 3*d after an "
                     "anchor-d pick",
             .label = "c",
             .unit = "mm",
             .presets = {"30", "60", "75", "80", "85"},
             .control = "c"},
            {.name = "b1",
             .defaultValue = "105",
             .help = "plate projection beyond the column along the shoe plates, mm",
             .label = "b1",
             .unit = "mm",
             .presets = {"105", "110", "115", "120"},
             .control = "b1"},
            {.name = "a0",
             .defaultValue = "30.00",
             .help = "plate end to the anchor bolts, mm (fixed base)",
             .label = "a0",
             .unit = "mm",
             .presets = {"30.00", "40.00", "50.00", "60.00", "70.00", "80.00"},
             .control = "a0"},
            {.name = "l1",
             .defaultValue = "290.00",
             .allowed = WebDistanceEntries(),
             .help = "腹板外壁相距l1, mm (pinned)",
             .label = "腹板外壁相距l1",
             .unit = "mm",
             .control = "l1"},
            {.name = "shoe-height",
             .defaultValue = "400.00",
             .help = "靴梁高度, mm (not used by the design)",
             .label = "靴梁高度",
             .unit = "mm",
             .presets = {"400.00", "600.00", "800.00", "1000.00"},
             .control = "shoeHeight"},
            {.name = "ts",
             .defaultValue = "8.00",
             .help = "shoe plate thickness, mm",
             .label = "靴梁厚度ts",
             .unit = "mm",
             .presets = {"8.00", "10.00", "12.00", "14.00"},
             .control = "ts"},
            // B and L are read-only boxes the dialog derives from the other plate values.
            {.name = "B",
             .help = "read-only: a1+2*ts+2*c; given, it must agree",
             .label = "B",
             .unit = "mm"},
            {.name = "L",
             .help = "read-only: l1+2*b1 (pinned) or H+2*(a0+b1) (fixed); given, it must agree",
             .label = "L",
             .unit = "mm"},
            {.name = "plate-grade",
             .defaultValue = "Q235",
             .allowed = {"Q235", "Q345", "Q420"},
             .help = "钢材钢号 (2017: the plate's f of table 4.4.1; 2003: not used)",
             .label = "钢材钢号",
             .control = "plateGrade"},
            {.name = "concrete",
             .defaultValue = "C15",
             .allowed = ConcreteEntries(kSteel2017),
             .help = "混凝土等级 (C40 to C60: edition=2017)",
             .label = "混凝土等级",
             .control = "concrete"},
            {.name = "anchor-grade",
             .defaultValue = "Q235",
             .allowed = AnchorGradeEntries(kSteel2017),
             .help = "锚拴钢号 (Q390: edition=2017)",
             .label = "锚拴钢号",
             .control = "anchorGrade"},
            {.name = "anchor-d",
             .allowed = AnchorDiameterEntries(),
             .help = "锚拴直径, mm; left out: not picked (the box shows 12.00, c and holes keep "
                     "theirs)",
             .label = "锚拴直径",
             .unit = "mm",
             .control = "anchorD"},
            {.name = "holes",
             .help = "锚栓孔总面积, mm2 (pinned); left out: 4500.00, or "
                     "4.8*d^2+10*trunc(0.31415926*d^2) after an anchor-d pick",
             .label = "锚栓孔总面积",
             .unit = "mm2",
             .presets = {"4500.00", "5000.00", "5500.00", "6000.00"},
             .control = "holes"},
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
    in.edition = SteelEditionOf(v);
    in.concrete = v.at("concrete");
    in.anchorGrade = v.at("anchor-grade");
    in.plateGrade = v.at("plate-grade");
    // The 2003 edition's lists are shorter.
    if (!Contains(ConcreteEntries(in.edition), in.concrete)) {
        return UsageError("ferrolab-calc: concrete " + in.concrete + " needs edition=2017\n");
    }
    if (!Contains(AnchorGradeEntries(in.edition), in.anchorGrade)) {
        return UsageError("ferrolab-calc: anchor-grade " + in.anchorGrade +
                          " needs edition=2017\n");
    }

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
