#pragma once
// "主次梁连接": the simple (hinged) connection of a secondary beam to a main beam. The secondary
// beam's web is lapped on a transverse stiffener welded to the main beam's web and bolted to it by
// one vertical column of n bolts in single shear.
//
// The joint is taken as a hinge on the stiffener's weld line, at the eccentricity e from the bolt
// line. Where the hinge really sits is uncertain, so each part is checked for the eccentric moment
// V·e: the bolt group under V and V·e (elastic, about its centroid), the two stiffener welds under
// V and V·e (GB50017-2003 7.1.3). The amplified-shear shortcut 1.2·V/n that design practice uses
// instead of V·e is printed beside the bolt force; the larger of the two governs.
//
// Bolts: friction-type high-strength bolts 8.8 or 10.9 (Nvb = 0.9·nf·μ·P, nf = 1, 7.2.2), or
// grade C ordinary bolts 4.6 or 4.8 (the smaller of Nvb = π·d²/4·fvb and Ncb = d·Σt·fcb,
// Σt = min(tw, ts), 7.2.1). Layout (table 8.3.4): pitch at least 3·d0, end distance of the outer
// bolts to the ends of the stiffener at least 2·d0 (the bolts centred on its height l).
//
// To GB50017-2017 the formulas stay and the numbers move: layout table 11.5.2, ordinary bolts
// 11.4.1 (fvb, fcb of table 4.4.6), friction-type bolts Nvb = 0.9·k·nf·μ·P (11.4.2) with μ of
// table 11.4.2-1 (three treatments; the wire brush not on Q420), P of table 11.4.2-2 and k = 1.0
// for the standard hole, the welds 11.2.2 with ffw of table 4.4.5 for the grade's usual
// electrode (E43 Q235, E50 Q345 and Q390, E55 Q420).
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

inline constexpr const char* kSecondaryBeamJointCaption = "主次梁连接";

inline constexpr int kSecondaryFrictionBolt = 0; // "摩擦型高强螺栓"
inline constexpr int kSecondaryOrdinaryBolt = 1; // "普通螺栓"

// The lists the dialog and the runner share, in list order.
std::span<const char* const> SecondaryGradeNames();             // "Q235" ... "Q420"
std::span<const char* const> SecondaryBoltKindNames();          // friction type, ordinary
std::span<const char* const> SecondaryBoltGradeNames(int kind); // "8.8", "10.9" | "4.6", "4.8"
std::span<const char* const> SecondaryDiameterNames();          // "M16" ... "M30"
std::span<const char* const> SecondaryBoltCountNames();         // "2" ... "10"
// The faying surfaces of the edition: GB50017-2003 table 7.2.2-1 or GB50017-2017 table 11.4.2-1.
std::span<const char* const> SecondarySurfaceNames(int edition);

struct SecondaryBeamJointInput {
    SteelGrade grade = kQ235; // connected plates (the lower grade where they differ)
    int kind = kSecondaryFrictionBolt;
    int boltClass = 109;    // 88, 109 (friction type); 46, 48 (ordinary)
    int d = 20;             // mm
    int surface = 0;        // faying surface of SecondarySurfaceNames(edition) (friction type)
    double clearance = 1.5; // hole diameter minus bolt diameter, d0 = d + clearance
    int n = 3;              // bolts in the column
    double p = 70;          // pitch
    double e = 55;          // bolt line to the stiffener's weld line
    double v = 100;         // secondary-beam end reaction (design value)
    double tw = 8;          // secondary beam web (ordinary bolts: bearing)
    double ts = 10;         // stiffener (ordinary bolts: bearing)
    double hf = 6;          // leg of the two stiffener-to-web fillet welds
    double l = 270;         // length of each weld = height of the stiffener
    double betaF = 1.22;    // front fillet factor: 1.22, or 1.0 under direct dynamic load
    int edition = kSteel2003;

    double d0() const { return d + clearance; }
};

struct SecondaryBeamJointResult {
    double m = 0;       // V·e (kN·m)
    double sumY2 = 0;   // Σyi² (mm2)
    double n1M = 0;     // moment share on the outer bolt (kN)
    double nV = 0;      // V/n (kN)
    double n1 = 0;      // resultant on the outer bolt (kN)
    double nAmp = 0;    // 1.2·V/n (kN)
    double nDesign = 0; // the larger of n1 and nAmp (kN)
    int pretension = 0; // P (kN), friction type
    double mu = 0;
    double nvb = 0; // shear (friction: slip) capacity of one bolt (kN)
    double ncb = 0; // bearing capacity of one bolt (kN), ordinary bolts
    double nb = 0;  // the bolt's design capacity (kN)
    double he = 0, lw = 0;
    double sigmaM = 0, tauV = 0, sigmaFs = 0; // weld stresses (N/mm2)
    double ffw = 0;
    std::optional<std::string> report; // absent when refused
    std::vector<Notice> notices;
    // With the report: the governing bolt force against the bolt's capacity, the weld stress
    // against ffw.
    std::vector<Check> checks;
};

SecondaryBeamJointResult ComputeSecondaryBeamJoint(const SecondaryBeamJointInput& in);

// "Q345" -> 345; "M20" -> 20; "10.9" -> 109, "4.6" -> 46 (0 for anything else).
SteelGrade SecondaryGradeOf(std::string_view name);
int SecondaryDiameterOf(std::string_view name);
int SecondaryBoltClassOf(std::string_view name);

} // namespace ferrolab
