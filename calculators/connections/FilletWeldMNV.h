#pragma once
// Fillet welds all round the end of a welded I section (two flanges of different size and a web)
// carrying a force F parallel to the web at an eccentricity e: the weld group takes the shear F
// and the moment M = F·e. Bending stress at the extreme weld fibre (point A, top flange weld) and
// at the top end of the web welds (point B), shear in the web welds and the combined stress at B,
// each compared with the fillet weld strength ffw.

#include <optional>
#include <string>
#include <vector>

#include "calculators/Edition.h"
#include "calculators/connections/FilletWeldStrength.h"
#include "engine/Check.h"
#include "engine/Notice.h"

namespace ferrolab {

inline constexpr const char* kFilletWeldMnvCaption = "承受弯矩、轴力和剪力作用的角焊缝连接";

struct FilletWeldMnvInput {
    double b1 = 100;            // top flange width (mm)
    double t1 = 16;             // top flange thickness (mm)
    double h0 = 1100;           // clear web height (mm)
    double tw = 10;             // web thickness (mm)
    double b2 = 50;             // bottom flange width (mm)
    double t2 = 10;             // bottom flange thickness (mm)
    double hf = 6;              // weld leg size (mm)
    double f = 100;             // force (kN)
    double e = 200;             // eccentricity of the force (mm)
    std::string grade = "Q235"; // the grade entry as listed
    int edition = kSteel2003;
    // GB50017-2017: the electrode ("E43", "E50", "E55", "E60"); empty: the grade's first.
    std::string electrode;
};

struct FilletWeldMnvResult {
    double ffw = 0;                    // fillet weld strength (N/mm2)
    std::string electrode;             // GB50017-2017: the electrode ffw belongs to
    double m = 0;                      // moment (N*mm)
    double i0 = 0;                     // inner section, second moment (mm4)
    double hc = 0;                     // inner section, centroid above the bottom face (mm)
    double a = 0;                      // throat sum of the two welds of a plate, 1.4·hf (mm)
    double i1 = 0;                     // outer section, second moment (mm4)
    double iF = 0;                     // weld group, I1 − I0 (mm4)
    double sigmaA = 0;                 // bending stress at A (N/mm2)
    double sigmaB = 0;                 // bending stress at B (N/mm2)
    double tauF = 0;                   // shear stress in the web welds (N/mm2)
    double combinedB = 0;              // sqrt(σb² + τF²) (N/mm2)
    std::optional<std::string> report; // absent when the input was refused
    std::vector<Notice> notices;
    std::vector<Check> checks; // σa and the combined stress at B against ffw, with the report
};

FilletWeldMnvResult ComputeFilletWeldMnv(const FilletWeldMnvInput& input);

} // namespace ferrolab
