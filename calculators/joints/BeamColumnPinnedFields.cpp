#include <algorithm>
#include <sstream>

#include "calculators/Calculators.h"
#include "calculators/joints/BeamColumnPinned.h"
#include "calculators/joints/JointFields.h"
#include "engine/Bolts.h"
#include "engine/Materials2017.h"
#include "engine/TextToNumber.h"
#include "sections/SectionLists.h"

namespace ferrolab {
namespace {

bool IsRolledH(const std::string& name) {
    for (int series = 0; series < 3; ++series) {
        if (IndexOf(PinnedSeriesSections(series), name) >= 0) {
            return true;
        }
    }
    return false;
}

// A section of the chosen series; for a series that offers none, the H section whose web depth
// the dialog kept (the last one looked up).
bool SectionFits(const std::string& series, const std::string& name, std::ostream& err,
                 const char* field) {
    const int index = IndexOf(PinnedSeriesNames(), series);
    const auto sections = PinnedSeriesSections(index);
    if (sections.empty() ? IsRolledH(name) : IndexOf(sections, name) >= 0) {
        return true;
    }
    err << "ferrolab-calc: '" << name << "' is not a " << field << " of " << series << '\n';
    return false;
}

} // namespace

const Description& BeamColumnPinnedDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "pinned-joint";
        entry.caption = kPinnedJointCaption;
        const std::vector<std::string> series = TextsOf(PinnedSeriesNames());
        // The grade, diameter and faying-surface lists, and the beam and column lists, are
        // refilled by other picks (the bolts' code, the series): they name no control.
        entry.fields = {
            SteelEditionField(),
            {.name = "style",
             .defaultValue = "单板铰接",
             .allowed = TextsOf(PinnedStyleNames()),
             .help = "单板铰接 single plate, 双角钢连接 double angle (bp and tp then follow the "
                     "angle)",
             .label = "连接样式",
             .control = "style"},
            SteelGradeField(TextsOf(PinnedGradeNames(0)), "Q390 and Q420 with GB50017-2003 only"),
            BetaAngleField("β角 (picture only)"),
            {.name = "beam-series",
             .defaultValue = series[kPinnedDefaultBeamSeries],
             .allowed = series,
             .help = "梁",
             .label = "梁",
             .control = "beamSeries"},
            {.name = "beam",
             .defaultValue = "HM244x175",
             .help = "a section of beam-series (webDepth = h-2tf-2r); for 热轧普通工字钢 or "
                     "焊接工字形 the H section whose webDepth is kept",
             .kind = FieldKind::Catalogue,
             .label = "截面参数",
             .control = "beam"},
            {.name = "column-series",
             .defaultValue = series[kPinnedDefaultColumnSeries],
             .allowed = series,
             .help = "柱",
             .label = "柱",
             .control = "columnSeries"},
            {.name = "column",
             .defaultValue = "HW294x302",
             .help = "a section of column-series (shown only)",
             .kind = FieldKind::Catalogue,
             .label = "截面参数",
             .control = "column"},
            {.name = "angle",
             .defaultValue = "L75X5",
             .allowed = TextsOf(PinnedJointAngleNames()),
             .help = "双角钢连接: the equal-leg angle",
             .kind = FieldKind::Catalogue,
             .label = "连接板件",
             .control = "angle"},
            {.name = "bp",
             .defaultValue = "80",
             .help = "plate width (mm); single plate",
             .label = "宽bp (mm)",
             .unit = "mm",
             .presets = {"80", "100", "150", "200", "250"},
             .control = "bp"},
            {.name = "hp",
             .defaultValue = "175",
             .help = "plate height (mm)",
             .label = "高hp (mm)",
             .unit = "mm",
             .presets = {"175", "180", "190", "200"},
             .control = "hp"},
            {.name = "tp",
             .defaultValue = "8",
             .help = "plate thickness (mm); single plate",
             .label = "厚tp (mm)",
             .unit = "mm",
             .presets = {"8", "9", "10", "11", "12"},
             .control = "tp"},
            PresetNumberField("d1", {"10", "15", "20"}, "gap beam end to column face (mm)",
                              "d1(mm)", "mm"),
            PresetNumberField("d2", {"35", "40", "45", "50"}, "beam end to first bolt column (mm)",
                              "d2(mm)", "mm"),
            PresetNumberField("V", {"50.00", "100.00", "150.00", "200.00"}, "beam-end shear (kN)",
                              "V(kN)", "kN"),
            {.name = "N",
             .defaultValue = "0.0",
             .help = "beam-end axial force (kN)",
             .label = "N(kN)",
             .unit = "kN",
             .presets = {"0.0", "10.0", "20.0", "100.0"},
             .control = "N"},
            WeldKindField("焊接方式", "weldKind"),
            {.name = "hf",
             .defaultValue = "6",
             .allowed = TextsOf(PinnedLegSizeNames()),
             .help = "fillet weld leg (mm)",
             .label = "焊脚尺寸(mm)",
             .unit = "mm",
             .control = "hf"},
            WeldFactorField("强度增大系数β"),
            ElectrodeField("焊条 of the fillet welds, edition=2017: E43 (Q235), E50|E55 (Q345, "
                           "Q390), E55|E60 (Q420); left out: the first"),
            {.name = "code",
             .defaultValue = "GB50017-2003",
             .allowed = WithNewNames(TextsOf(PinnedCodeNames()), PinnedCodeNames2017()),
             .help = "规范 of the bolts",
             .label = "规范",
             .control = "code"},
            {.name = "bolt-grade",
             .defaultValue = "8.8",
             .allowed = TextsOf(PinnedBoltGradeNames()),
             .help = "等级",
             .label = "等级",
             .control = "boltGrade"},
            {.name = "d",
             .defaultValue = "M16",
             .allowed = WithNewNames(TextsOf(PinnedDiameterNames(1)), PinnedDiameterNames(0)),
             .help = "M16-M30 with GB50017-2003, M12-M16 with GB50018-2002",
             .label = "直径",
             .control = "diameter"},
            {.name = "clearance",
             .defaultValue = "1.0",
             .help = "hole minus bolt diameter (mm)",
             .label = "螺栓孔径与螺栓直径的差(mm)",
             .unit = "mm",
             .presets = {"1.0", "1.1", "1.2", "1.5", "1.8", "2.0"},
             .control = "clearance"},
            {.name = "surface",
             .defaultValue = FayingSurfaceNames(0)[0],
             .allowed = WithNewNames(WithNewNames(TextsOf(FayingSurfaceNames(kCodeGB50017)),
                                                  FayingSurfaceNames(kCodeGB50018)),
                                     FayingSurfaces2017()),
             .help = "faying surface of the chosen code",
             .label = "摩擦型高强螺栓",
             .control = "surface"},
            {.name = "rows",
             .defaultValue = "2",
             .allowed = TextsOf(PinnedRowNames()),
             .help = "行数",
             .label = "行数",
             .control = "rows"},
            {.name = "cols",
             .defaultValue = "1",
             .allowed = TextsOf(PinnedColumnNames()),
             .help = "列数",
             .label = "列数",
             .control = "cols"},
            {.name = "sRow",
             .defaultValue = "52",
             .help = "row pitch (mm)",
             .label = "行距",
             .unit = "mm",
             .presets = {"52", "60", "70", "80"},
             .control = "sRow"},
            // A second column enables the box and shows its second preset.
            {.name = "sCol",
             .defaultValue = "0",
             .help = "column pitch (mm); 0 while cols=1",
             .label = "列距",
             .unit = "mm",
             .presets = {"0", "50", "60", "70"},
             .control = "sCol"},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunBeamColumnPinned(const FieldValues& v) {
    std::ostringstream usage;
    PinnedJointInput in;
    in.style = static_cast<PinnedStyle>(IndexOf(PinnedStyleNames(), v.at("style")));
    in.edition = SteelEditionOf(v);
    // GB50017-2003 names the steel code of either edition (it is the default); GB50017-2017
    // needs that edition.
    in.code = v.at("code") == PinnedCodeNames2017()[0] ? kCodeGB50017
                                                       : IndexOf(PinnedCodeNames(), v.at("code"));
    if (v.at("code") == PinnedCodeNames2017()[0] && in.edition != kSteel2017) {
        return UsageError("ferrolab-calc: code=GB50017-2017 needs edition=2017\n");
    }
    // The 2017 surfaces of table 11.4.2-1; a 2003 surface that one stands for is read as it.
    const bool surfaces2017 = in.edition == kSteel2017 && in.code == kCodeGB50017;
    int surface = IndexOf(PinnedSurfaceNames(in.code, in.edition), v.at("surface"));
    if (surface < 0 && surfaces2017) {
        surface = PinnedSurface2017Of(v.at("surface"));
    }
    if (IndexOf(PinnedGradeNames(in.code), v.at("grade")) < 0 ||
        IndexOf(PinnedDiameterNames(in.code), v.at("d")) < 0 || surface < 0) {
        usage << "ferrolab-calc: grade, d and surface must be entries of the " << v.at("code")
              << " lists\n";
        return UsageError(usage.str());
    }
    in.electrode = v.at("electrode");
    if (const auto refused = ElectrodeUsage(in.electrode, in.edition, v.at("grade"),
                                            PinnedElectrodeNames(v.at("grade")))) {
        return UsageError(*refused);
    }
    if (!SectionFits(v.at("beam-series"), v.at("beam"), usage, "beam") ||
        !SectionFits(v.at("column-series"), v.at("column"), usage, "column")) {
        return UsageError(usage.str());
    }
    in.steelGrade = PinnedGradeOf(v.at("grade"));
    in.d = PinnedDiameterOf(v.at("d"));
    in.surface = surface;
    in.boltClass = PinnedBoltClassOf(v.at("bolt-grade"));
    PinnedWebDepth(v.at("beam"), in.webDepth);
    in.bp = TextToDouble(v.at("bp"));
    in.hp = TextToDouble(v.at("hp"));
    in.tp = TextToDouble(v.at("tp"));
    in.d1 = TextToDouble(v.at("d1"));
    in.d2 = TextToDouble(v.at("d2"));
    in.v = TextToDouble(v.at("V"));
    in.n = TextToDouble(v.at("N"));
    in.hf = TextToDouble(v.at("hf"));
    in.betaF = TextToDouble(v.at("betaF"));
    in.clearance = TextToDouble(v.at("clearance"));
    in.rows = static_cast<int>(TextToDouble(v.at("rows")));
    in.cols = static_cast<int>(TextToDouble(v.at("cols")));
    in.sRow = TextToDouble(v.at("sRow"));
    // One column: the column pitch box shows 0 and is disabled.
    in.sCol = in.cols == 1 ? 0 : TextToDouble(v.at("sCol"));
    if (in.style == PinnedStyle::DoubleAngle) {
        PinnedAngleLegs(v.at("angle"), in.bp, in.tp);
    }
    const PinnedJointResult result = ComputePinnedJoint(in);
    return Outcome{result.report, result.notices, result.checks};
}

} // namespace ferrolab
