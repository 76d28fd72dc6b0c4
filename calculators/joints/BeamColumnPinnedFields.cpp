#include <algorithm>
#include <sstream>

#include "calculators/Calculators.h"
#include "calculators/joints/BeamColumnPinned.h"
#include "engine/Bolts.h"
#include "engine/TextToNumber.h"
#include "sections/SectionLists.h"

namespace ferrolab {
namespace {

// Every name of both codes' lists, each once, in list order.
std::vector<std::string> Union(std::span<const char* const> a, std::span<const char* const> b) {
    std::vector<std::string> names = TextsOf(a);
    for (const char* name : b) {
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            names.emplace_back(name);
        }
    }
    return names;
}

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
        entry.fields = {
            {"style", "单板铰接", TextsOf(PinnedStyleNames()),
             "单板铰接 single plate, 双角钢连接 double angle (bp and tp then follow the angle)"},
            {"grade", "Q235", TextsOf(PinnedGradeNames(0)), "Q390 and Q420 with GB50017-2003 only"},
            {"beta-angle", "0", TextsOf(PinnedBetaAngleNames()), "β角 (picture only)"},
            {"beam-series", series[kPinnedDefaultBeamSeries], series, "梁"},
            {"beam",
             "HM244x175",
             {},
             "a section of beam-series (webDepth = h-2tf-2r); for 热轧普通工字钢 or 焊接工字形 the "
             "H "
             "section whose webDepth is kept"},
            {"column-series", series[kPinnedDefaultColumnSeries], series, "柱"},
            {"column", "HW294x302", {}, "a section of column-series (shown only)"},
            {"angle", "L75X5", TextsOf(PinnedJointAngleNames()), "双角钢连接: the equal-leg angle"},
            {"bp", "80", {}, "plate width (mm); single plate"},
            {"hp", "175", {}, "plate height (mm)"},
            {"tp", "8", {}, "plate thickness (mm); single plate"},
            {"d1", "10", {}, "gap beam end to column face (mm)"},
            {"d2", "35", {}, "beam end to first bolt column (mm)"},
            {"V", "50.00", {}, "beam-end shear (kN)"},
            {"N", "0.0", {}, "beam-end axial force (kN)"},
            {"weld", "双面角焊缝", TextsOf(PinnedWeldKindNames()), "焊接方式"},
            {"hf", "6", TextsOf(PinnedLegSizeNames()), "fillet weld leg (mm)"},
            {"betaF", "1.0", {}, "强度增大系数β"},
            {"code", "GB50017-2003", TextsOf(PinnedCodeNames()), "规范 of the bolts"},
            {"bolt-grade", "8.8", TextsOf(PinnedBoltGradeNames()), "等级"},
            {"d", "M16", Union(PinnedDiameterNames(1), PinnedDiameterNames(0)),
             "M16-M30 with GB50017-2003, M12-M16 with GB50018-2002"},
            {"clearance", "1.0", {}, "hole minus bolt diameter (mm)"},
            {"surface", FayingSurfaceNames(0)[0],
             Union(FayingSurfaceNames(kCodeGB50017), FayingSurfaceNames(kCodeGB50018)),
             "faying surface of the chosen code"},
            {"rows", "2", TextsOf(PinnedRowNames()), "行数"},
            {"cols", "1", TextsOf(PinnedColumnNames()), "列数"},
            {"sRow", "52", {}, "row pitch (mm)"},
            {"sCol", "0", {}, "column pitch (mm); 0 while cols=1"},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunBeamColumnPinned(const FieldValues& v) {
    std::ostringstream usage;
    PinnedJointInput in;
    in.style = static_cast<PinnedStyle>(IndexOf(PinnedStyleNames(), v.at("style")));
    in.code = IndexOf(PinnedCodeNames(), v.at("code"));
    if (IndexOf(PinnedGradeNames(in.code), v.at("grade")) < 0 ||
        IndexOf(PinnedDiameterNames(in.code), v.at("d")) < 0 ||
        IndexOf(FayingSurfaceNames(in.code), v.at("surface")) < 0) {
        usage << "ferrolab-calc: grade, d and surface must be entries of the " << v.at("code")
              << " lists\n";
        return UsageError(usage.str());
    }
    if (!SectionFits(v.at("beam-series"), v.at("beam"), usage, "beam") ||
        !SectionFits(v.at("column-series"), v.at("column"), usage, "column")) {
        return UsageError(usage.str());
    }
    in.steelGrade = PinnedGradeOf(v.at("grade"));
    in.d = PinnedDiameterOf(v.at("d"));
    in.surface = IndexOf(FayingSurfaceNames(in.code), v.at("surface"));
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
