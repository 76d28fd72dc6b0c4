#pragma once
// Three-sided fillet weld group attaching a lapped plate to a support: two horizontal welds of
// length b − 5 along the plate edges and one vertical weld along the plate end. A vertical force
// Fy acting a distance e beyond the plate end and a horizontal force Fx along the welds load the
// group with the torque T about its centroid and the two forces. Every weld throat is 0.7·hf
// wide; the vertical weld lies outside the plate end and spans the full height including the
// horizontal throats.

#include <optional>
#include <string>
#include <vector>

#include "calculators/Edition.h"
#include "calculators/connections/FilletWeldStrength.h"
#include "engine/Check.h"
#include "engine/Notice.h"

namespace ferrolab {

inline constexpr const char* kFilletWeldTorqueCaption = "承受扭矩和剪力共同作用的角焊缝";

struct FilletWeldTorqueInput {
    double b = 150;    // lap length of the plate (mm)
    double h = 320;    // plate height (mm)
    double e = 280;    // distance of Fy beyond the plate end (mm)
    double hf = 6;     // weld leg size (mm)
    double fx = 0;     // horizontal force (kN)
    double fy = 340;   // vertical force (kN)
    double beta = 1.0; // strength increase factor of front fillet welds (1.0 to 1.22)
    int edition = kSteel2003;
    // GB50017-2017 compares the combined stress with ffw of table 4.4.5, found by the grade of
    // the welded steel and the electrode (empty: the grade's usual one). GB50017-2003 reports
    // the stresses only.
    std::string grade = "Q235";
    std::string electrode;
};

struct FilletWeldTorqueResult {
    double af = 0; // throat area (mm2)
    double x = 0;  // centroid of the throats from the plate end, into the plate (mm)
    double t = 0;  // torque about the centroid (kN*mm)
    double ifx = 0, ify = 0, ifp = 0; // second and polar moments of the throats (mm4)
    double tauTAx = 0, tauTAy = 0, tauFAy = 0, tauFAx = 0; // stresses at corner A (N/mm2)
    double tauA = 0;                                       // combined stress at A (N/mm2)
    double ffw = 0;                    // GB50017-2017: fillet weld strength (N/mm2)
    std::string electrode;             // GB50017-2017: the electrode ffw belongs to
    std::optional<std::string> xText;  // the "x:" box ("%.2f", mm)
    std::optional<std::string> tText;  // the "T:" box ("%.2f", kN*m)
    std::optional<std::string> report; // absent when the input was refused
    std::vector<Notice> notices;
    std::vector<Check> checks; // GB50017-2017: τA against ffw
};

FilletWeldTorqueResult ComputeFilletWeldTorque(const FilletWeldTorqueInput& input);

} // namespace ferrolab
