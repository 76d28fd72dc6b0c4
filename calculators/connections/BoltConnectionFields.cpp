#include "calculators/Calculators.h"
#include "calculators/Edition.h"
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
        // The class, diameter, plate grade and surface lists are refilled as the code and the
        // bolt kind are picked: no fixed list describes them, so they name no control.
        entry.fields = {
            SteelEditionField(),
            ChoiceField("code", BoltCodeEntries(), "GB50017-2003", "code of the tables",
                        "选用规范"),
            ChoiceField("kind", BoltKindEntries(), "普通螺栓", "bolt kind", "螺栓类型"),
            {.name = "class",
             .help = "blank: the first of the list; ordinary " +
                     Joined(BoltClassEntries(kCodeGB50017, kOrdinaryBolt)) +
                     " (GB50018-2002: " + Joined(BoltClassEntries(kCodeGB50018, kOrdinaryBolt)) +
                     "), friction type " + Joined(BoltClassEntries(kCodeGB50017, kFrictionBolt)),
             .kind = FieldKind::Choice,
             .label = "螺栓等级",
             .control = "boltClass"},
            {.name = "d",
             .help = "blank: the first of the list; ordinary 12|14|...|100 (mm), friction type " +
                     Joined(BoltDiameterEntries(kCodeGB50017, kFrictionBolt)) + " (GB50018-2002: " +
                     Joined(BoltDiameterEntries(kCodeGB50018, kFrictionBolt)) + ")",
             .kind = FieldKind::Choice,
             .label = "直径 d (mm)",
             .unit = "mm",
             .control = "diameter"},
            ChoiceField("n", ShearPlaneEntries(), "1", "number of shear planes", "受剪面个数n",
                        "shearPlanes"),
            ChoiceField("grade", PlateGradeEntries(kCodeGB50017), "Q235",
                        "plate grade (GB50018-2002: Q235|Q345)", "钢号", "plateGrade"),
            {.name = "thickness-sum",
             .defaultValue = "6",
             .allowed = ThicknessSumEntries(),
             .help = "Σt, mm (ordinary bolts)",
             .label = "最小厚度之和",
             .unit = "mm",
             .control = "thicknessSum"},
            {.name = "surface",
             .help = "friction type; blank: the first of the list; " +
                     Joined(SurfaceEntries(kCodeGB50017)) +
                     " (GB50018-2002: " + Joined(SurfaceEntries(kCodeGB50018)) + ")",
             .kind = FieldKind::Choice,
             .label = "摩擦面的抗滑移系数",
             .control = "surface"},
            // The box the table fills as code, grade and surface are picked; a typed μ stands.
            {.name = "mu",
             .help = "friction type; blank: the slip factor of the table for code, grade, surface",
             .label = "摩擦面的抗滑移系数",
             .control = "mu"},
            // GB50017-2017 11.4.2: the hole type gives k of Nvb = 0.9·k·nf·μ·P.
            ChoiceField("hole", HoleEntries(), HoleEntries()[0],
                        "edition 2017, friction type: hole type (k 1.0, 0.85, 0.7, 0.6)", "孔型"),
        };
        Description described = Describe(entry.id, entry.caption, entry.fields);
        described.report = "capacity";
        return described;
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
    in.edition = SteelEditionOf(v);
    const std::vector<std::string> surfaces = SurfaceEntries(in.code, in.edition);
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
    // Where GB50017-2017 permits no such surface the box stays empty (0) and the compute says so.
    in.mu = v.at("mu").empty() ? TableSlipFactor(in.code, in.edition, in.grade, surface).value_or(0)
                               : TextToDouble(v.at("mu"));
    in.surface = surface;
    in.hole = IndexOf(HoleEntries(), v.at("hole"));
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
        const std::vector<std::string> pitches = PitchEntries();
        entry.fields = {
            ChoiceField("load-case", LoadCaseEntries(), LoadCaseEntries()[0],
                        "受力类型; 弯矩M + 轴拉力N is not computed (exit 2)", "受力类型",
                        "loadCase"),
            ChoiceField("kind", BoltKindEntries(), "普通螺栓",
                        "bolt kind (the pivot of the bending case)", "螺栓类型"),
            {.name = "V",
             .defaultValue = "140.00",
             .help = "vertical shear, kN",
             .label = "竖向剪力V (kN)",
             .unit = "kN",
             .presets = {"140.00", "150.00", "200.00", "220.00", "300.00", "500.00"},
             .control = "V"},
            {.name = "N",
             .defaultValue = "0.00",
             .help = "horizontal axial force, kN",
             .label = "水平轴力N (kN)",
             .unit = "kN",
             .presets = {"0.00", "100.00", "200.00", "300.00"},
             .control = "N"},
            // The label names the torque of the opening load case; the bending cases name the
            // moment ("弯矩  M (kN*m)").
            {.name = "M",
             .defaultValue = "35.00",
             .help = "torque or bending moment, kN*m",
             .label = "扭矩  M (kN*m)",
             .unit = "kN*m",
             .presets = {"35.00", "50.00", "70.00", "100.00", "150.00", "200.00", "300.00"},
             .control = "M"},
            ChoiceField("rows", RowEntries(), "2", "rows m", "行数m"),
            // No control: the columns offered follow the load case.
            {.name = "cols",
             .help = "columns n; blank: what the load case selects; " +
                     Joined(ColumnEntries(kLoadTorque)) +
                     " (弯矩M + 剪力V : " + Joined(ColumnEntries(kLoadBending)) + ")",
             .kind = FieldKind::Choice,
             .label = "列数n",
             .control = "cols"},
            {.name = "row-pitch",
             .defaultValue = pitches[0],
             .help = "mm",
             .label = "行距(mm)",
             .unit = "mm",
             .presets = pitches,
             .control = "rowPitch"},
            {.name = "col-pitch",
             .defaultValue = pitches[0],
             .help = "mm",
             .label = "列距(mm)",
             .unit = "mm",
             .presets = pitches,
             .control = "colPitch"},
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
