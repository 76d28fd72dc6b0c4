#pragma once
// Overall stability coefficient φbx of a simply supported cold-formed thin-walled beam bent about
// its axis of symmetry, to GB50018-2002 appendix A.2: μb, ξ1 and ξ2 of table A.2.1, ξ (A.2.1-3),
// η (A.2.1-2), φbx (A.2.1-1) and the reduction φ'bx of A.2.1-4 above 0.7. The beam is a catalogue
// section: plain channel, lipped channel, lipped Z or light welded H.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/members/CatalogueSectionLoad.h"
#include "engine/ColdFormedMembers.h"
#include "engine/Notice.h"
#include "sections/SectionLists.h"

namespace ferrolab {

inline constexpr const char* kColdFormedBeamCaption = "冷弯薄壁规范中受弯构件的一些参数";

// The section kinds, in the order the dialog lists them.
inline constexpr std::array<const char*, 4> kCFBeamKindNames = {"薄壁槽钢", "卷边槽钢(C形钢)",
                                                                "卷边Z形钢", "大通薄壁H型钢"};
// The lateral bracing entries (table A.2.1's three columns).
inline constexpr std::array<const char*, 3> kCFBeamBracingNames = {
    "跨间无侧向支承", "跨中设一道侧向支承", "跨间有不少于两个等距布置的侧向支承"};
inline constexpr std::array<const char*, 2> kCFGradeNames = {"Q235", "Q345"};

// The names and the picture of a kind, recognised by the first three characters of its entry;
// an entry that is none of the four gives no names and no picture.
NameList ColdFormedBeamNames(std::string_view kindEntry);
const char* ColdFormedBeamPicture(std::string_view kindEntry);

// What the stability formulas take from the section: A (cm2), h (mm), Wx (cm3), Iω (cm6),
// Iy (cm4), It (cm4), iy (cm). For the lipped Z, Wx is the x–x modulus at point 1 and Iy, iy
// belong to the principal axis y–y.
struct CFBeamSection {
    double A = 0, h = 0, Wx = 0, Iw = 0, Iy = 0, It = 0, iy = 0;
};

using CFBeamSectionLoad = CatalogueSectionLoad<CFBeamSection>;

// Looks up a section by name: "薄槽" plain channel, "卷槽" lipped channel, "卷Z1" lipped Z,
// "大通" light H; writes the property text and keeps the stability values.
CFBeamSectionLoad LoadColdFormedBeamSection(std::string_view name);

struct ColdFormedBeamInput {
    CFBeamSection section;
    int bracing = 0;  // CFBeamBracing
    int loadCase = 0; // CFBeamLoadCase, radio "1" to "7"
    int grade = 0;    // index of the grade entry: 0 Q235, 1 Q345
    double l = 1000;  // span, mm
    double ea = 0;    // distance of the transverse load from the shear centre, mm (signed)
};

struct ColdFormedBeamResult {
    CFBeamFactors factors;
    double xi = 0, eta = 0, phiBx = 0;
    std::optional<double> phiBxReduced; // φ'bx, when φbx > 0.7
    std::optional<std::string> report;  // absent when the input was refused
    std::vector<Notice> notices;
};

// φ'bx = 1.091 − 0.274/φbx of A.2.1-4 when φbx exceeds 0.7 (no upper limit is applied), else
// nothing.
std::optional<double> ReducedBeamPhi(double phiBx);

// The report for the table factors, ξ, η and φbx.
std::string ColdFormedBeamReport(const CFBeamFactors& factors, double xi, double eta, double phiBx);

ColdFormedBeamResult ComputeColdFormedBeam(const ColdFormedBeamInput& input);

} // namespace ferrolab
