#pragma once
// Cold-formed thin-walled channel and Z sections from their centreline dimensions, by the
// approximate formulas of GB50018-2002 appendix B.2 (B.2.4 to B.2.9): area, centroid, second
// moments, torsion and warping constants, shear-centre distance and Uy of channels; axis values
// parallel to web and flanges, principal angle and principal moments of Z sections. The formulas
// are approximate, and the report says so in its first line.
//
// Dimensions in mm (centreline): h web depth, b flange width, a lip length, t thickness. A lip
// is drawn at 90 degrees to its flange, or at 45 degrees for the sloped-lip Z.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/Notice.h"

namespace ferrolab {

// The families in the order the dialog lists them.
enum class CFFamily {
    Channel = 0,         // 薄壁槽钢 (B.2.4)
    OuterLipChannel = 1, // 外卷边薄壁槽钢 (B.2.5): lips turned outwards
    InnerLipChannel = 2, // 内卷边薄壁槽钢 (B.2.6): lips turned inwards
    ZSection = 3,        // Z形钢
    LippedZ = 4,         // 卷边Z形钢
    SlopedLipZ = 5,      // 斜卷边Z形钢: lips at 45 degrees
};

inline constexpr std::array<const char*, 6> kCFFamilyNames = {
    "薄壁槽钢", "外卷边薄壁槽钢", "内卷边薄壁槽钢", "Z形钢", "卷边Z形钢", "斜卷边Z形钢"};

inline constexpr const char* kColdFormedSectionCaption =
    "冷弯薄壁槽钢、Z形钢截面参数(按近似计算公式)";

// True for the families with lips (the lip input is enabled for them).
bool HasLips(CFFamily family);
// The family's drawing, ":/pictures/coldformed_....svg".
const char* FamilyPicture(CFFamily family);

// GB50018-2002 advises walls no thicker than 6 mm: the warning box shown when a typed thickness
// exceeds 6.0001 mm, or nothing.
std::optional<Notice> ThicknessNotice(double t);

struct ColdFormedSectionInput {
    CFFamily family = CFFamily::Channel;
    double a = 0;
    double h = 60;
    double b = 30;
    double t = 2.5;
};

// All in mm-based units (mm2, mm4, mm6, mm5); θ in degrees.
struct ColdFormedSectionResult {
    double A = 0;
    // Channels.
    double x0 = 0, Ix = 0, Iy = 0, It = 0, Iw = 0, d = 0, e0 = 0, Uy = 0;
    // Z sections (Ix, Iy, It and Iw above hold the principal values and constants).
    double Ix1 = 0, Iy1 = 0, Ix1y1 = 0, theta = 0;
    std::optional<std::string> report; // absent when the input was refused
    std::vector<Notice> notices;
};

// Principal angle θ (degrees) of a section with Ix1, Iy1 and Ix1y1 about axes parallel to web and
// flanges: half of atan(2·Ix1y1 / (Iy1 − Ix1)). Ix1y1 = 0 means the axes are principal already.
double PrincipalAngle(double ix1, double iy1, double ix1y1);

ColdFormedSectionResult ComputeColdFormedSection(const ColdFormedSectionInput& input);

} // namespace ferrolab
