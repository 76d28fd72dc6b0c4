#include <algorithm>

#include "calculators/Calculators.h"
#include "calculators/joints/BeamColumnPinned.h"
#include "calculators/joints/BeamSplice.h"
#include "engine/Bolts.h"
#include "engine/TextToNumber.h"

namespace ferrolab {
namespace {

FieldSpec Number(const char* name, std::vector<std::string> presets, const char* help,
                 const char* label, const char* unit) {
    FieldSpec field{.name = name,
                    .defaultValue = presets.front(),
                    .help = help,
                    .label = label,
                    .unit = unit,
                    .presets = std::move(presets),
                    .control = name};
    return field;
}

FieldSpec Choice(const char* name, std::vector<std::string> allowed, const char* defaultValue,
                 const char* help, const char* label) {
    FieldSpec field{.name = name,
                    .defaultValue = defaultValue,
                    .allowed = std::move(allowed),
                    .help = help,
                    .label = label,
                    .control = name};
    return field;
}

int CountOf(const std::string& text) {
    return static_cast<int>(TextToDouble(text));
}

// The faying surfaces of both editions, each once.
std::vector<std::string> AllSurfaces() {
    std::vector<std::string> names = TextsOf(SpliceSurfaceNames(kSteel2003));
    for (const char* name : SpliceSurfaceNames(kSteel2017)) {
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            names.emplace_back(name);
        }
    }
    return names;
}

} // namespace

const Description& BeamSpliceDescription() {
    static const Description description = [] {
        std::vector<FieldSpec> fields = {
            SteelEditionField(),
            Choice("beam", TextsOf(SpliceBeamKindNames()), "焊接工字形",
                   "welded I (B, tf, hw, tw) or a rolled H section", "梁截面"),
            Choice("section", SpliceRolledHNames(), "HN700x300", "轧制H型钢: the section", "型号"),
            Number("B", {"300", "250", "350", "400"}, "welded I: flange width, mm", "翼缘宽B",
                   "mm"),
            Number("tf", {"20", "16", "25", "30"}, "welded I: flange thickness, mm", "翼缘厚tf",
                   "mm"),
            Number("hw", {"1000", "600", "800", "1200"}, "welded I: web depth between flanges, mm",
                   "腹板高hw", "mm"),
            Number("tw", {"10", "8", "12", "14"}, "welded I: web thickness, mm", "腹板厚tw", "mm"),
            Choice("grade", TextsOf(SpliceGradeNames()), "Q235", "steel of the beam and plates",
                   "钢材等级"),
            Choice("method", TextsOf(SpliceMethodNames()), "按内力设计",
                   "按内力设计 (M, V) or 按等强度设计 (net-section capacities)", "设计方法"),
            Number("M", {"1000.00", "500.00", "1500.00"}, "design moment at the splice, kN*m",
                   "弯矩M", "kN*m"),
            Number("V", {"250.00", "100.00", "500.00"}, "design shear at the splice, kN", "剪力V",
                   "kN"),
            Choice("bolt-grade", TextsOf(SpliceBoltGradeNames()), "10.9",
                   "friction-type high-strength bolts", "螺栓等级"),
            Choice("d", TextsOf(SpliceDiameterNames()), "M22", "bolt diameter", "直径"),
            Number("clearance", {"2.0", "1.5"}, "hole minus bolt diameter, mm",
                   "孔径与螺栓直径的差", "mm"),
            Choice("surface", AllSurfaces(), FayingSurfaceNames(kCodeGB50017)[0], "faying surface",
                   "接触面处理"),
            Choice("flange-plates", TextsOf(SpliceFlangePlateNames()), "外侧和内侧盖板",
                   "outer cover plate only (nf 1) or outer and two inner plates (nf 2)",
                   "翼缘盖板"),
            Number("bo", {"300", "250", "350", "400"}, "outer cover plate width, mm", "外盖板宽bo",
                   "mm"),
            Number("to", {"12", "10", "14", "16", "20"}, "outer cover plate thickness, mm",
                   "外盖板厚to", "mm"),
            Number("bi", {"130", "100", "110", "120", "150"}, "width of each inner plate, mm",
                   "内盖板宽bi", "mm"),
            Number("ti", {"12", "10", "14", "16", "20"}, "inner plate thickness, mm", "内盖板厚ti",
                   "mm"),
            Choice("lines", TextsOf(SpliceFlangeLineNames()), "4",
                   "bolt lines along the beam across each flange, symmetric about the web",
                   "翼缘螺栓列数m"),
            Choice("rows", TextsOf(SpliceFlangeRowNames()), "2",
                   "bolts per line on each side of the joint", "每侧排数k"),
            Number("g", {"75", "80", "90", "100"}, "gauge between adjacent lines, mm", "线距g",
                   "mm"),
            Number("p", {"80", "70", "90", "100"}, "flange bolt pitch along the beam, mm", "间距p",
                   "mm"),
            Number("ea", {"50", "45", "60"},
                   "splice line and plate end to the nearest flange bolt row, mm", "端距ea", "mm"),
            Number("hp", {"900", "500", "700", "1100"}, "web plate height, mm", "腹板拼接板高hp",
                   "mm"),
            Number("tp", {"8", "6", "10", "12"}, "web plate thickness (each of two), mm",
                   "腹板拼接板厚tp", "mm"),
            Choice("web-rows", TextsOf(SpliceWebRowNames()), "10", "web bolt rows",
                   "腹板螺栓行数nr"),
            Choice("web-cols", TextsOf(SpliceWebColumnNames()), "2",
                   "web bolt columns on each side", "每侧列数nc"),
            Number("pv", {"90", "80", "100"}, "web bolt row pitch, mm", "行距pv", "mm"),
            Number("ph", {"80", "70", "90"}, "web bolt column pitch, mm", "列距ph", "mm"),
            Number("ew", {"50", "45", "60"}, "splice line to the first web bolt column, mm",
                   "端距ew", "mm"),
        };
        return Describe("beam-splice", kBeamSpliceCaption, std::move(fields));
    }();
    return description;
}

Outcome RunBeamSplice(const FieldValues& v) {
    BeamSpliceInput in;
    in.beamKind = IndexOf(SpliceBeamKindNames(), v.at("beam"));
    in.section = v.at("section");
    in.b = TextToDouble(v.at("B"));
    in.tf = TextToDouble(v.at("tf"));
    in.hw = TextToDouble(v.at("hw"));
    in.tw = TextToDouble(v.at("tw"));
    in.grade = static_cast<SteelGrade>(TextToDouble(v.at("grade").substr(1)));
    in.method = IndexOf(SpliceMethodNames(), v.at("method"));
    in.m = TextToDouble(v.at("M"));
    in.v = TextToDouble(v.at("V"));
    in.boltClass = v.at("bolt-grade") == "10.9" ? 109 : 88;
    in.d = CountOf(v.at("d").substr(1));
    in.clearance = TextToDouble(v.at("clearance"));
    in.edition = SteelEditionOf(v);
    // The 2017 surfaces of table 11.4.2-1; a 2003 surface that one stands for is read as it.
    in.surface = IndexOf(SpliceSurfaceNames(in.edition), v.at("surface"));
    if (in.surface < 0 && in.edition == kSteel2017) {
        in.surface = PinnedSurface2017Of(v.at("surface"));
    }
    if (in.surface < 0) {
        return UsageError("ferrolab-calc: surface must be one of " +
                          Joined(TextsOf(SpliceSurfaceNames(in.edition))) +
                          " with edition=" + v.at("edition") + "\n");
    }
    in.innerPlates = IndexOf(SpliceFlangePlateNames(), v.at("flange-plates")) == 1;
    in.bo = TextToDouble(v.at("bo"));
    in.to = TextToDouble(v.at("to"));
    in.bi = TextToDouble(v.at("bi"));
    in.ti = TextToDouble(v.at("ti"));
    in.lines = CountOf(v.at("lines"));
    in.rows = CountOf(v.at("rows"));
    in.gauge = TextToDouble(v.at("g"));
    in.pitch = TextToDouble(v.at("p"));
    in.endDistance = TextToDouble(v.at("ea"));
    in.hp = TextToDouble(v.at("hp"));
    in.tp = TextToDouble(v.at("tp"));
    in.webRows = CountOf(v.at("web-rows"));
    in.webCols = CountOf(v.at("web-cols"));
    in.pv = TextToDouble(v.at("pv"));
    in.ph = TextToDouble(v.at("ph"));
    in.ew = TextToDouble(v.at("ew"));
    const BeamSpliceResult result = ComputeBeamSplice(in);
    return Outcome{result.report, result.notices, result.checks};
}

} // namespace ferrolab
