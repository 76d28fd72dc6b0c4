#pragma once
// Shear-only (pinned) connection of a rolled H beam to a column, with friction-type
// high-strength bolts in the beam web: either one plate welded to the column with two fillet welds
// along its height ("单板铰接"), or two equal-leg angles bolted to both sides of the web and, with
// their other legs, to the column ("双角钢连接").
//
// The bolt layout is checked against the spacing rules of GB50017-2003 table 8.3.4 (pitch at
// least 3·d0, edge distance at least 2·d0). The beam-end shear acts at the eccentricity
// e = d1 + d2 + (cols − 1)·sCol/2 from the column face, so the web bolt group carries V, N and
// the moment M = V·e. The plate's welds and gross section are reported under N, V and M; the
// angles' bolts in the column legs are checked in tension against 0.8·P.
//
// To GB50017-2017 (the bolts' code GB50017) the layout rules are those of table 11.5.2, the
// slip coefficient μ that of table 11.4.2-1 (three treatments; the wire brush is not permitted on
// Q420), P that of table 11.4.2-2, and Nvb = 0.9·k·nf·μ·P (11.4.2) with the hole factor k of the
// hole: 1.0 up to the standard hole of table 11.5.1, 0.85 up to the oversize hole. The plate's
// welds are also compared with ffw of table 4.4.5 for the grade and the electrode (11.2.2). With
// the bolts' code GB50018-2002 the bolts stay as they are.
//
// Units: mm, kN, kN·m, N/mm2.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/Edition.h"
#include "engine/Check.h"
#include "engine/Materials.h"
#include "engine/Notice.h"

namespace ferrolab {

inline constexpr const char* kPinnedJointCaption = "梁柱铰接连接";

enum class PinnedStyle {
    SinglePlate = 0, // "单板铰接"
    DoubleAngle = 1, // "双角钢连接"
};

// The choice lists shared by the dialog and the runner, in list order.
std::span<const char* const> PinnedStyleNames();
std::span<const char* const> PinnedBetaAngleNames(); // "0", "90"
// The five beam and column series; the rolled I and welded I series offer no section.
std::span<const char* const> PinnedSeriesNames();
std::span<const char* const> PinnedSeriesSections(int series);
inline constexpr int kPinnedDefaultBeamSeries = 1;   // HM
inline constexpr int kPinnedDefaultColumnSeries = 0; // HW
std::span<const char* const> PinnedCodeNames();      // "GB50017-2003", "GB50018-2002"
// The 2017 edition's list: "GB50017-2017", "GB50018-2002".
std::span<const char* const> PinnedCodeNames2017();
// The faying surfaces of the bolts' code: GB50017-2017 table 11.4.2-1 with the 2017 edition and
// code GB50017, else the code's list of Bolts.h.
std::span<const char* const> PinnedSurfaceNames(int code, int edition);
// The 2017 surface a GB50017-2003 surface stands for: 喷砂(丸) is the shot blasting 抛丸(喷砂),
// the wire brush stays the wire brush; -1 for the painted and rusted surfaces, which table
// 11.4.2-1 no longer lists.
int PinnedSurface2017Of(std::string_view surface2003);
// The electrodes of table 4.4.5 matched to a grade ("Q235": "E43"; "Q345", "Q390": "E50",
// "E55"; "Q420": "E55", "E60"), the first the usual one.
std::span<const char* const> PinnedElectrodeNames(std::string_view gradeName);
// Steel grades by code: Q235 ... Q420 (GB50017-2003), Q235, Q345 (GB50018-2002).
std::span<const char* const> PinnedGradeNames(int code);
// Bolt diameters by code: M16 ... M30 (GB50017-2003), M12, M14, M16 (GB50018-2002).
std::span<const char* const> PinnedDiameterNames(int code);
std::span<const char* const> PinnedBoltGradeNames(); // "8.8", "10.9"
std::span<const char* const> PinnedWeldKindNames();  // "双面角焊缝"
std::span<const char* const> PinnedLegSizeNames();   // hf: "6" ... "10"
std::span<const char* const> PinnedRowNames();       // "2" ... "8"
std::span<const char* const> PinnedColumnNames();    // "1", "2"

// "Q345" -> 345, "M20" -> 20, "10.9" -> 109 (bolt class code).
SteelGrade PinnedGradeOf(std::string_view gradeName);
int PinnedDiameterOf(std::string_view diameterName);
int PinnedBoltClassOf(std::string_view boltGradeName);

// Depth of the beam web available to the plate, h − 2·tf − 2·r of a rolled H section. Only names
// that begin with "H" are looked up; false (depth untouched) for any other name or a name the
// catalogue does not hold.
bool PinnedWebDepth(std::string_view beamName, double& webDepth);
// Leg width b and thickness t of an equal-leg angle; false (b, t untouched) when not found.
bool PinnedAngleLegs(std::string_view angleName, double& b, double& t);

struct PinnedJointInput {
    PinnedStyle style = PinnedStyle::SinglePlate;
    SteelGrade steelGrade = kQ235;
    double webDepth = 190; // HM244x175: 244 − 2·11 − 2·16
    double bp = 80, hp = 175, tp = 8;
    double d1 = 10, d2 = 35;
    double v = 50, n = 0;
    double hf = 6, betaF = 1.0;
    int code = 0; // 0 GB50017-2003, 1 GB50018-2002
    int surface = 0;
    int boltClass = 88;
    int d = 16;
    double clearance = 1.0;
    int rows = 2, cols = 1;
    double sRow = 52, sCol = 0;
    int edition = kSteel2003;
    std::string electrode = {}; // 2017: the fillet welds' electrode; empty: the grade's first

    double d0() const { return d + clearance; }
};

// The field that takes the focus after a failed layout check.
enum class PinnedFocus { None, RowPitch, PlateHeight, ColumnPitch };

struct PinnedJointResult {
    double e = 0;    // eccentricity of the bolt group from the column face (mm)
    double m = 0;    // eccentric moment (kN·m)
    double nMax = 0; // most stressed web bolt (kN)
    int p = 0;       // pretension (kN)
    double mu = 0;
    double nvb = 0; // slip capacity of one bolt (kN)
    double k = 1;   // hole factor (2017)
    double ffw = 0; // fillet weld strength (2017, single plate)
    // Single plate: welds and gross section of the plate.
    double he = 0, lw = 0;
    double weldSigmaN = 0, weldSigmaM = 0, weldTauV = 0, weldTauCom = 0;
    double plateSigmaN = 0, plateSigmaM = 0, plateTauV = 0, plateSigmaEq = 0;
    // Double angle: tension in the outermost bolt of the column legs (kN).
    double tMax = 0;
    std::optional<std::string> report; // absent when refused
    std::vector<Notice> notices;
    // With the report: the web bolts' Nmax against Nvb and, double angle, the column legs' Tmax
    // against 0.8·P.
    std::vector<Check> checks;
    PinnedFocus focus = PinnedFocus::None;
};

PinnedJointResult ComputePinnedJoint(const PinnedJointInput& in);

// The checks a field runs when it loses the focus, or after a pick.
enum class PinnedField {
    D2,          // "d2"
    PlateWidth,  // "宽bp"
    PlateHeight, // "高hp"
    PlateThick,  // "厚tp"
    BetaF,       // "强度增大系数β"
    Clearance,   // "螺栓孔径与螺栓直径的差"
    RowPitch,    // "行距"
    Diameter,    // "直径" picked
    ColumnPitch, // "列距"
};

struct PinnedFieldCheck {
    Notice notice;
    bool resetToFirstPreset = false; // otherwise the value is kept
};

// The first check of the field that fails, if any.
std::optional<PinnedFieldCheck> CheckPinnedField(PinnedField field, const PinnedJointInput& in);
// An angle of leg width b picked for the double angle: the message when the edge distance
// b − d1 − d2 is below 2·d0 (bp and tp are then kept).
std::optional<Notice> CheckPinnedAnglePick(double b, const PinnedJointInput& in);

} // namespace ferrolab
