#include "calculators/Calculators.h"
#include "calculators/connections/BoltConnection.h"
#include "calculators/materials/DesignValues.h"
#include "engine/Bolts.h"
#include "engine/TextToNumber.h"
#include <sstream>

namespace ferrolab {
namespace {

// A pick from a list that depends on other picks: blank takes the list's first entry, the way
// the dialog selects it when it refills the list. -1 with a usage message when not offered.
int PickFrom(const std::vector<std::string>& list, const std::string& value, const char* field,
             std::ostream& err) {
    if (value.empty()) {
        return 0;
    }
    const int index = IndexOf(list, value);
    if (index < 0) {
        err << "ferrolab-calc: " << field << '=' << value << " is not offered here; choose one of "
            << Joined(list) << '\n';
    }
    return index;
}

} // namespace

const Description& BoltCapacityDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "bolt-capacity";
        entry.caption = std::string(kBoltConnectionCaption) + " (一个螺栓的承载力)";
        entry.fields = {
            {"code", "GB50017-2003", BoltCodeEntries(), "code of the tables"},
            {"kind", "普通螺栓", BoltKindEntries(), "bolt kind"},
            {"class",
             "",
             {},
             "blank: the first of the list; ordinary " +
                 Joined(BoltClassEntries(kCodeGB50017, kOrdinaryBolt)) +
                 " (GB50018-2002: " + Joined(BoltClassEntries(kCodeGB50018, kOrdinaryBolt)) +
                 "), friction type " + Joined(BoltClassEntries(kCodeGB50017, kFrictionBolt))},
            {"d",
             "",
             {},
             "blank: the first of the list; ordinary 12|14|...|100 (mm), friction type " +
                 Joined(BoltDiameterEntries(kCodeGB50017, kFrictionBolt)) + " (GB50018-2002: " +
                 Joined(BoltDiameterEntries(kCodeGB50018, kFrictionBolt)) + ")"},
            {"n", "1", ShearPlaneEntries(), "number of shear planes"},
            {"grade", "Q235", PlateGradeEntries(kCodeGB50017),
             "plate grade (GB50018-2002: Q235|Q345)"},
            {"thickness-sum", "6", ThicknessSumEntries(), "Σt, mm (ordinary bolts)"},
            {"surface",
             "",
             {},
             "friction type; blank: the first of the list; " +
                 Joined(SurfaceEntries(kCodeGB50017)) +
                 " (GB50018-2002: " + Joined(SurfaceEntries(kCodeGB50018)) + ")"},
            {"mu",
             "",
             {},
             "friction type; blank: the slip factor of the table for code, grade, surface"},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunBoltCapacity(const FieldValues& v) {
    std::ostringstream usage;
    BoltCapacityInput in;
    in.code = IndexOf(BoltCodeEntries(), v.at("code"));
    in.kind = IndexOf(BoltKindEntries(), v.at("kind"));
    const int classIndex =
        PickFrom(BoltClassEntries(in.code, in.kind), v.at("class"), "class", usage);
    const std::vector<std::string> diameters = BoltDiameterEntries(in.code, in.kind);
    const int dIndex = PickFrom(diameters, v.at("d"), "d", usage);
    const std::vector<std::string> grades = PlateGradeEntries(in.code);
    const int gradeIndex = PickFrom(grades, v.at("grade"), "grade", usage);
    const std::vector<std::string> surfaces = SurfaceEntries(in.code);
    const int surface = PickFrom(surfaces, v.at("surface"), "surface", usage);
    if (classIndex < 0 || dIndex < 0 || gradeIndex < 0 || surface < 0) {
        return UsageError(usage.str());
    }
    in.boltClass = BoltClassCode(in.kind, classIndex);
    in.d = DiameterOfEntry(diameters[static_cast<std::size_t>(dIndex)]);
    in.n = static_cast<int>(TextToDouble(v.at("n")));
    in.grade = GradeOfEntry(grades[static_cast<std::size_t>(gradeIndex)]);
    in.thicknessSum = static_cast<int>(TextToDouble(v.at("thickness-sum")));
    // A μ left out is the one the table writes into the box; a typed one is read like the box.
    in.mu =
        v.at("mu").empty() ? GetSlipFactor(in.code, in.grade, surface) : TextToDouble(v.at("mu"));
    const BoltCapacityResult result = ComputeBoltCapacity(in);
    std::vector<Notice> notices = result.notices;
    if (in.kind == kFrictionBolt) {
        if (const auto advice = SlipFactorAdvice(in.mu)) {
            notices.insert(notices.begin(), *advice);
        }
    }
    return Outcome{result.text, notices};
}

const Description& BoltGroupDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "bolt-group";
        entry.caption = std::string(kBoltConnectionCaption) + " (螺栓群)";
        entry.fields = {
            {"load-case", LoadCaseEntries()[0], LoadCaseEntries(),
             "受力类型; 弯矩M + 轴拉力N is not computed (exit 2)"},
            {"kind", "普通螺栓", BoltKindEntries(), "bolt kind (the pivot of the bending case)"},
            {"V", "140.00", {}, "vertical shear, kN"},
            {"N", "0.00", {}, "horizontal axial force, kN"},
            {"M", "35.00", {}, "torque or bending moment, kN*m"},
            {"rows", "2", RowEntries(), "rows m"},
            {"cols",
             "",
             {},
             "columns n; blank: what the load case selects; " + Joined(ColumnEntries(kLoadTorque)) +
                 " (弯矩M + 剪力V : " + Joined(ColumnEntries(kLoadBending)) + ")"},
            {"row-pitch", "40", {}, "mm"},
            {"col-pitch", "40", {}, "mm"},
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunBoltGroup(const FieldValues& v) {
    std::ostringstream usage;
    BoltGroupInput in;
    in.loadCase = IndexOf(LoadCaseEntries(), v.at("load-case"));
    if (in.loadCase == kLoadBendingN) {
        return Outcome{std::nullopt, {Notice{kLoadCaseNotBuilt, "提示", NoticeIcon::Warning}}};
    }
    in.kind = IndexOf(BoltKindEntries(), v.at("kind"));
    const std::vector<std::string> columns = ColumnEntries(in.loadCase);
    const int colIndex = PickFrom(columns, v.at("cols"), "cols", usage);
    if (colIndex < 0) {
        return UsageError(usage.str());
    }
    in.v = TextToDouble(v.at("V"));
    in.n = TextToDouble(v.at("N"));
    in.m = TextToDouble(v.at("M"));
    in.rows = static_cast<int>(TextToDouble(v.at("rows")));
    in.cols = static_cast<int>(TextToDouble(columns[static_cast<std::size_t>(colIndex)]));
    in.rowPitch = TextToDouble(v.at("row-pitch"));
    in.colPitch = TextToDouble(v.at("col-pitch"));
    const BoltGroupResult result = ComputeBoltGroup(in);
    return Outcome{result.report, result.notices};
}

} // namespace ferrolab
