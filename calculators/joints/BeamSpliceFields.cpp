#include "calculators/Calculators.h"
#include "calculators/joints/BeamSplice.h"
#include "calculators/joints/JointFields.h"
#include "engine/TextToNumber.h"

namespace ferrolab {
namespace {

int CountOf(const std::string& text) {
    return static_cast<int>(TextToDouble(text));
}

} // namespace

const Description& BeamSpliceDescription() {
    static const Description description = [] {
        std::vector<FieldSpec> fields = {
            SteelEditionField(),
            ChoiceField("beam", TextsOf(SpliceBeamKindNames()), "焊接工字形",
                        "welded I (B, tf, hw, tw) or a rolled H section", "梁截面"),
            ChoiceField("section", SpliceRolledHNames(), "HN700x300", "轧制H型钢: the section",
                        "型号"),
            PresetNumberField("B", {"300", "250", "350", "400"}, "welded I: flange width, mm",
                              "翼缘宽B", "mm"),
            PresetNumberField("tf", {"20", "16", "25", "30"}, "welded I: flange thickness, mm",
                              "翼缘厚tf", "mm"),
            PresetNumberField("hw", {"1000", "600", "800", "1200"},
                              "welded I: web depth between flanges, mm", "腹板高hw", "mm"),
            PresetNumberField("tw", {"10", "8", "12", "14"}, "welded I: web thickness, mm",
                              "腹板厚tw", "mm"),
            SteelGradeField(TextsOf(SpliceGradeNames()), "steel of the beam and plates"),
            ChoiceField("method", TextsOf(SpliceMethodNames()), "按内力设计",
                        "按内力设计 (M, V) or 按等强度设计 (net-section capacities)", "设计方法"),
            PresetNumberField("M", {"1000.00", "500.00", "1500.00"},
                              "design moment at the splice, kN*m", "弯矩M", "kN*m"),
            PresetNumberField("V", {"250.00", "100.00", "500.00"}, "design shear at the splice, kN",
                              "剪力V", "kN"),
            ChoiceField("bolt-grade", TextsOf(SpliceBoltGradeNames()), "10.9",
                        "friction-type high-strength bolts", "螺栓等级"),
            ChoiceField("d", TextsOf(SpliceDiameterNames()), "M22", "bolt diameter", "直径"),
            PresetNumberField("clearance", {"2.0", "1.5"}, "hole minus bolt diameter, mm",
                              "孔径与螺栓直径的差", "mm"),
            FayingSurfaceField(SpliceSurfaceNames(kSteel2003), SpliceSurfaceNames(kSteel2017),
                               "faying surface"),
            ChoiceField("flange-plates", TextsOf(SpliceFlangePlateNames()), "外侧和内侧盖板",
                        "outer cover plate only (nf 1) or outer and two inner plates (nf 2)",
                        "翼缘盖板"),
            PresetNumberField("bo", {"300", "250", "350", "400"}, "outer cover plate width, mm",
                              "外盖板宽bo", "mm"),
            PresetNumberField("to", {"12", "10", "14", "16", "20"},
                              "outer cover plate thickness, mm", "外盖板厚to", "mm"),
            PresetNumberField("bi", {"130", "100", "110", "120", "150"},
                              "width of each inner plate, mm", "内盖板宽bi", "mm"),
            PresetNumberField("ti", {"12", "10", "14", "16", "20"}, "inner plate thickness, mm",
                              "内盖板厚ti", "mm"),
            ChoiceField("lines", TextsOf(SpliceFlangeLineNames()), "4",
                        "bolt lines along the beam across each flange, symmetric about the web",
                        "翼缘螺栓列数m"),
            ChoiceField("rows", TextsOf(SpliceFlangeRowNames()), "2",
                        "bolts per line on each side of the joint", "每侧排数k"),
            PresetNumberField("g", {"75", "80", "90", "100"}, "gauge between adjacent lines, mm",
                              "线距g", "mm"),
            PresetNumberField("p", {"80", "70", "90", "100"},
                              "flange bolt pitch along the beam, mm", "间距p", "mm"),
            PresetNumberField("ea", {"50", "45", "60"},
                              "splice line and plate end to the nearest flange bolt row, mm",
                              "端距ea", "mm"),
            PresetNumberField("hp", {"900", "500", "700", "1100"}, "web plate height, mm",
                              "腹板拼接板高hp", "mm"),
            PresetNumberField("tp", {"8", "6", "10", "12"}, "web plate thickness (each of two), mm",
                              "腹板拼接板厚tp", "mm"),
            ChoiceField("web-rows", TextsOf(SpliceWebRowNames()), "10", "web bolt rows",
                        "腹板螺栓行数nr"),
            ChoiceField("web-cols", TextsOf(SpliceWebColumnNames()), "2",
                        "web bolt columns on each side", "每侧列数nc"),
            PresetNumberField("pv", {"90", "80", "100"}, "web bolt row pitch, mm", "行距pv", "mm"),
            PresetNumberField("ph", {"80", "70", "90"}, "web bolt column pitch, mm", "列距ph",
                              "mm"),
            PresetNumberField("ew", {"50", "45", "60"},
                              "splice line to the first web bolt column, mm", "端距ew", "mm"),
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
    in.surface = FayingSurfaceIndex(SpliceSurfaceNames(in.edition), in.edition, v.at("surface"));
    if (in.surface < 0) {
        return UsageError(FayingSurfaceUsage(SpliceSurfaceNames(in.edition), v.at("edition")));
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
