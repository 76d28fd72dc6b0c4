#pragma once
// Bolts: material strengths and design capacities of one bolt, and the force in the most heavily
// loaded bolt of a rectangular bolt group.
//
// Code index: 0 = GB50017-2003, 1 = GB50018-2002.
// Bolt class code: ten times the property class: 46 (or 48) for 4.6/4.8 grade C bolts, 56 and
// 88 for grade A/B bolts, 88 and 109 for friction-type high-strength bolts.
// Units: d in mm, strengths in N/mm2, pretension and forces in kN, moments in kN*m, pitches in mm.
//
// The look-ups never read outside their tables: a code, class, grade, diameter or surface the
// tables do not hold gives the answer documented at the function.

#include <span>
#include <string>

#include "engine/Materials.h"

namespace ferrolab {

// Ordinary bolts, GB50017-2003 table 3.4.1-4 / GB50018-2002 table 4.2.5: ftb (tension) and fvb
// (shear). Code 0: 46/48 170/140, 56 210/190, 88 400/320; code 1: 46/48 165/125. Any other
// combination writes nothing and returns false.
bool GetBoltStrength(int code, int boltClass, double& ftb, double& fvb);

// Bearing strength fcb of the connected plates of the plate grade. Code 0, class 46/48: 305, 385,
// 400, 425 for Q235, Q345, Q390, Q420; code 0, class 56/88: 405, 510, 530, 560; code 1, class
// 46/48: 290 (Q235), 370 (Q345). Returns 0 for any combination not listed (another code, class or
// grade).
double GetBoltBearingStrength(int code, SteelGrade plateGrade, int boltClass);

// Thread pitch p (mm) of the nominal diameter d; 0 for a diameter that is not tabulated
// (12 to 100 mm, the coarse-thread series).
double GetBoltThreadPitch(int d);

// Effective diameter and area at the thread: de = d − 0.9381666666666666·p (the 13·√3/24 of the
// thread profile, with √3 taken as 1.732), Ae = 3.1415927·de²/4 (mm, mm2). For a diameter without
// a tabulated pitch both are set to 0 and the result is false.
bool GetBoltThreadArea(int d, double& de, double& ae);

// Design pretension P (kN) of one friction-type high-strength bolt: GB50017-2003 table 7.2.2-2
// (code 0: M16 to M30) and GB50018-2002 table 6.1.5-2 (code 1: M12, M14, M16), classes 88 and
// 109. Returns 1 when the class is neither 88 nor 109 and for any code or diameter the table of
// that code does not give: a pretension of 1 kN marks the missing value while keeping later
// products and quotients finite, and no check can pass on it.
int GetBoltPretension(int code, int d, int boltClass);

// Slip capacity of one friction-type bolt: Nvb = 0.9·n·μ·P (kN), n the number of friction planes.
double GetFrictionCapacity(int n, int pretension, double mu);

// The faying surfaces a code lists for the slip factor, in list order.
//   code 0: "喷砂(丸)", "喷砂(丸)后涂无机富锌漆", "喷砂(丸)后生赤锈",
//           "钢丝刷清除浮锈或未经处理的干净轧制表面";
//   code 1: "喷砂(丸)", "热轧钢材轧制表面清除浮锈", "冷轧钢材轧制表面清除浮锈".
// Empty for another code.
std::span<const char* const> FayingSurfaceNames(int code);

// Slip factor μ of the faying surfaces by code, plate grade and surface index (list order above).
// Code 0: Q235 0.45, 0.35, 0.45, 0.30; Q345 and Q390 0.50, 0.40, 0.50, 0.35; Q420 0.50, 0.40,
// 0.50, 0.40. Code 1: Q235 0.40, 0.30, 0.25; Q345 0.45, 0.35, 0.01.
// Returns 0.01 for anything the codes do not give (Q345 on cold-rolled surfaces, an unlisted
// grade, surface index or code): it marks the missing value and keeps later arithmetic finite.
double GetSlipFactor(int code, SteelGrade plateGrade, int surface);

// Rectangular bolt group under a torque M, a horizontal force N and a vertical shear V, all
// referred to the centroid of the group; rows spaced rowPitch apart, cols columns spaced
// colPitch apart.
struct BoltGroupForces {
    bool valid = false; // false: no rows or columns, or no lever arm (a single bolt, zero pitch)
    double sumA = 0;    // Σ of squared row distances (mm2), times the columns
    double sumB = 0;    // Σ of squared column distances (mm2), times the rows
    double nxM = 0;     // x component of the torque force on the corner bolt (kN)
    double nyM = 0;     // y component of the torque force on the corner bolt (kN)
    double nyV = 0;     // share of V (kN)
    double nxN = 0;     // share of N (kN)
    double nMax = 0;    // resultant on the most heavily loaded bolt (kN)
    std::string text;   // report lines; empty when not valid
};

// Σr² = sumA + sumB; NxM = M·1000·((rows − 1)/2·rowPitch)/Σr², NyM likewise with the columns;
// NyV = V/(rows·cols), NxN = N/(rows·cols); Nmax = sqrt((NxM + NxN)² + (NyM + NyV)²).
// A group with rows < 1, cols < 1 or Σr² <= 0 (or not a number) is not valid: every number 0,
// no text.
BoltGroupForces GetBoltGroupForces(double m, double n, double v, int rows, int cols,
                                   double rowPitch, double colPitch);

// Rectangular bolt group under a bending moment M whose shear V is carried elsewhere.
struct BoltGroupBending {
    bool valid = false; // false: no rows or columns, or no lever arm (one row, zero pitch)
    double sumY = 0;    // Σ of squared lever arms (mm2)
    double nMax = 0;    // tension in the outermost bolt (kN)
    std::string text;   // report line; empty when not valid
};

// pivotAtCentroid (friction-type bolts): the group turns about its centroid, ymax =
// (rows − 1)/2·rowPitch and sumY the centred row sum; otherwise (ordinary bolts) it turns about
// the outermost row, ymax = (rows − 1)·rowPitch and sumY = cols·Σ(k·rowPitch)², k = 0 ... rows−1.
// Nmax = ymax·M·1000/sumY. V is not used. Not valid (all 0, no text) for rows < 1, cols < 1 or
// sumY <= 0 (or not a number).
BoltGroupBending GetBoltGroupBending(bool pivotAtCentroid, double m, double v, int rows, int cols,
                                     double rowPitch);

} // namespace ferrolab
