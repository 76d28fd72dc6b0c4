#pragma once
// Cold-formed thin-walled member under axial compression, to GB50018-2002: the governing
// slenderness (plain channel: the flexural-torsional slenderness λω of clause 5.2.4 about the
// axis of symmetry and λy about the other axis; square tube: λx and λy), φ from the tables of
// appendix A, and the stress N/(φ·A) of clause 5.2.2. The stress is printed, not compared with a
// design strength.

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

inline constexpr const char* kColdFormedAxialCaption = "薄壁型钢轴心受力构件";

inline constexpr std::array<const char*, 2> kCFAxialKindNames = {"薄壁槽钢", "方钢管"};
// The end conditions of table 5.2.4, in the order the dialog lists them.
inline constexpr std::array<const char*, 3> kCFEndConditionNames = {
    "两端铰接，端部截面可自由翘曲", "两端嵌固，端部截面翘曲完全受约束",
    "两端铰接，端部截面翘曲完全受约束"};
inline constexpr std::array<const char*, 2> kCFAxialGradeNames = {"Q235", "Q345"};

// What the report shows instead of a result when the slenderness is outside the tables
// (0 < λ < 250).
inline constexpr const char* kSlendernessOutOfRange =
    "老哥，超出规范规定了，请查看规范 GB50018-2002 的附录A";

// The names and the picture of a kind, recognised by the first three characters of its entry.
NameList ColdFormedAxialNames(std::string_view kindEntry);
const char* ColdFormedAxialPicture(std::string_view kindEntry);

enum class CFAxialKind { Channel, Tube };

// What the check takes from the section: radii ix, iy and the shear-centre distance e0 (cm),
// Iω (cm6), It (cm4), A (cm2). A tube has one radius (ix) and nothing else but A.
struct CFAxialSection {
    CFAxialKind kind = CFAxialKind::Channel;
    double ix = 0, iy = 0, e0 = 0, Iw = 0, It = 0, A = 0;
};

// Recognised names begin with "薄槽" or "方钢".
using CFAxialSectionLoad = CatalogueSectionLoad<CFAxialSection>;

CFAxialSectionLoad LoadColdFormedAxialSection(std::string_view name);

struct ColdFormedAxialInput {
    CFAxialSection section;
    int grade = 0;             // index of the grade entry: 0 Q235, 1 Q345
    double N = 10;             // kN, compression
    int endCondition = 0;      // CFEndCondition
    bool battens = false;      // "有缀板"
    double lx = 500, ly = 500; // effective lengths, mm
    double l = 500;            // geometric length, or the largest batten spacing with battens, mm
};

struct ColdFormedAxialResult {
    std::optional<CFRestraint> restraint; // α, β for their boxes; absent when refused
    double lambdaX = 0, lambdaY = 0, lambdaW = 0, lambda = 0, phi = 0, sigma = 0;
    bool outOfRange = false;           // the report is kSlendernessOutOfRange
    std::optional<std::string> report; // absent when the input was refused
    std::vector<Notice> notices;
};

ColdFormedAxialResult ComputeColdFormedAxial(const ColdFormedAxialInput& input);

} // namespace ferrolab
