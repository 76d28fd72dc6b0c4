#pragma once
// "支托铰接": a beam end seated on a T-shaped bracket welded to the column. The bracket is a
// horizontal flange plate (wf x tf, on which the beam bears) over a vertical web plate
// (hw x tw) whose top corner is cut off (side cl) to clear the flange-plate weld. Two fillet
// welds of leg hfH join the flange plate to the column (above and below it), two of leg hfV the
// web plate (one on each face). The beam-end shear V acts d1 + d2 from the column face.
//
// The weld group is measured upward from the lower end of the effective web welds. Reported are
// the weld stresses at the top of the upper flange-plate weld and at both ends of the web welds,
// and, in the bracket's own T section, the bending stress at the top of the flange plate and the
// largest shear stress in the web. No design strength is compared: the engineer judges them.
//
// To GB50017-2017 the weld stresses are also set against ffw of table 4.4.5 for the grade and the
// electrode: σ_1 (a front weld in bending) by 11.2.2-1, σ_2 and σ_3 (bending with shear) by
// 11.2.2-3, with βf taken as 1.0, as the stresses are formed.
//
// Units: lengths mm, V kN, stresses N/mm2; M is kept in N·mm.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/Edition.h"
#include "engine/Check.h"
#include "engine/Notice.h"

namespace ferrolab {

inline constexpr const char* kSeatedPinnedCaption = "支托铰接";

struct SeatedPinnedInput {
    double d1 = 10;             // gap between the beam end and the column face
    double d2 = 35;             // beam end to the line of action of V
    double lf = 80;             // flange plate length along the beam (not used by the check)
    double wf = 75;             // flange plate width
    double tf = 8;              // flange plate thickness
    double hw = 100;            // web plate height
    double tw = 7;              // web plate thickness
    double cl = 6;              // side of the corner cut-out of the web plate, 0 or more
    double hfH = 6;             // leg of the two flange-plate welds
    double betaF = 1;           // front fillet weld factor βf (not used by the check)
    double hfV = 6;             // leg of the two web-plate welds
    double v = 50;              // beam-end shear, kN
    std::string grade = "Q235"; // "钢材等级:" (the welds' ffw, 2017)
    std::string electrode = {}; // 2017: E43, E50, E55 or E60; empty: the grade's first
    int edition = kSteel2003;
};

// The electrodes of table 4.4.5 matched to a grade, the first the usual one.
std::span<const char* const> SeatedElectrodeNames(std::string_view grade);

struct SeatedPinnedResult {
    double m = 0;            // moment at the column face, N·mm
    double lwH = 0, lwV = 0; // effective length of each flange-plate and web-plate weld
    double yH1 = 0, yH2 = 0; // leg centres of the upper and lower flange-plate welds
    double legArea = 0;      // Σ of leg size times length over the four welds, mm2
    double yc = 0;           // centroid of the weld group
    double i = 0;            // second moment of the throat areas about the centroid, mm4
    double tauV = 0;         // shear in the web-plate welds
    double sigma1 = 0, sigma2 = 0, sigma3 = 0;
    double ix = 0, yb = 0, s = 0; // bracket T section (web bottom as base)
    double sigmaTop = 0, tau = 0;
    double ffw = 0;                    // 2017
    std::optional<std::string> report; // absent when the input was refused
    std::vector<Notice> notices;
    std::vector<Check> checks; // 2017: σ_1, σ_2, σ_3 against ffw
};

SeatedPinnedResult ComputeSeatedPinned(const SeatedPinnedInput& in);

} // namespace ferrolab
