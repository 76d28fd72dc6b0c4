#include <algorithm>
#include <sstream>

#include "calculators/Calculators.h"
#include "calculators/materials/DesignValues.h"
#include "calculators/members/BeamStability.h"
#include "engine/TextToNumber.h"

namespace ferrolab {

const Description& BeamStabilityDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "beam-stability";
        entry.caption = kBeamStabilityCaption;
        std::vector<std::string> cases;
        for (int c = 1; c <= 10; ++c) {
            cases.push_back(std::to_string(c));
        }
        entry.fields = {
            {"series", BeamSeriesEntries().front(), BeamSeriesEntries(), "section series"},
            {"name", "HW100x100", {}, "a section name of the chosen H series (e.g. HN400x200)"},
            {"l1", "2.00", {}, "span, or lateral support spacing for cases 5 to 10 (m)"},
            {"grade", "Q235", {"Q235", "Q345", "Q390", "Q420"}, "steel grade"},
            {"Mx", "", {}, "kN*m (blank at opening)"},
            {"My", "", {}, "kN*m (blank at opening)"},
            {"Vy", "", {}, "kN, reported nowhere (blank at opening)"},
            {"gamma-x", "", {}, "γx, e.g. 1.05 (blank at opening)"},
            {"gamma-y", "", {}, "γy, e.g. 1.2 (blank at opening)"},
            {"B1", "200.00", {}, "welded I: top flange width (mm)"},
            {"t1", "16.00", {}, "welded I: top flange thickness (mm)"},
            {"H", "1100.00", {}, "welded I: clear web height (mm)"},
            {"Tw", "10.00", {}, "welded I: web thickness (mm)"},
            {"B2", "350.00", {}, "welded I: bottom flange width (mm)"},
            {"t2", "16.00", {}, "welded I: bottom flange thickness (mm)"},
            {"compressed-flange", "上", {"上", "下"}, "flange in compression"},
            {"case", "1", cases, "load case of table B-1, 1 to 10"},
            {"r", "0.1", {}, "end-moment ratio M2/M1 (case 10)"},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunBeamStability(const FieldValues& v) {
    std::ostringstream usage;
    BeamStabilityInput in;
    in.series = v.at("series");
    in.name = v.at("name");
    if (IsRolledHSeries(in.series)) {
        // The dialog offers only the names of the chosen series.
        const NameList names = BeamSeriesNames(in.series);
        if (std::find(names.begin(), names.end(), in.name) == names.end()) {
            usage << "ferrolab-calc: '" << in.name << "' is not a section of " << in.series << '\n';
            return UsageError(usage.str());
        }
    }
    in.l1 = TextToDouble(v.at("l1"));
    in.fy = GradeOfEntry(v.at("grade"));
    in.mx = TextToDouble(v.at("Mx"));
    in.my = TextToDouble(v.at("My"));
    in.vy = TextToDouble(v.at("Vy"));
    in.gammaX = TextToDouble(v.at("gamma-x"));
    in.gammaY = TextToDouble(v.at("gamma-y"));
    in.b1 = TextToDouble(v.at("B1"));
    in.t1 = TextToDouble(v.at("t1"));
    in.hw = TextToDouble(v.at("H"));
    in.tw = TextToDouble(v.at("Tw"));
    in.b2 = TextToDouble(v.at("B2"));
    in.t2 = TextToDouble(v.at("t2"));
    in.compressedFlange = v.at("compressed-flange") == "下" ? 1 : 0;
    in.loadCase = static_cast<int>(TextToDouble(v.at("case")));
    in.r = TextToDouble(v.at("r"));
    const BeamStabilityResult result = ComputeBeamStability(in);
    return Outcome{result.report, result.notices, result.checks};
}

} // namespace ferrolab
