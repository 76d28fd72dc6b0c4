#pragma once
// "焊接工字形等截面简支梁、轧制H型钢简支梁整体稳定验算": overall (lateral-torsional) stability of a
// simply supported beam of constant section, a welded I of three plates or a rolled H from the
// catalogue, to GB50017-2003 appendix B (βb of table B-1, φb of formula B.1, φ'b of B.2), with
// the bending strength stress of clause 4.1.1 and the stability stress of clause 4.2.3. The
// report states the values and formulas and leaves the verdict to the engineer; beside it the
// result holds both stresses as code checks against f of the grade (table 3.4.1-1, by the
// thicker flange, where the bending stresses are worked).
//
// To GB50017-2017 the same formulas are appendix C (table C.0.1, formulas C.0.1-1 and C.0.1-7,
// with εk² = 235/fy) and clauses 6.1.1 and 6.2.3; the report also states the width-thickness
// classes of table 3.5.1 of the compressed flange and of the web, and f of table 4.4.1. The class
// bounds γx and γy (6.1.2): a typed factor above what the class allows is refused, and an S5
// section, whose strength and stability need the effective section, is refused as well.

#include <optional>
#include <string>
#include <vector>

#include "calculators/Edition.h"
#include "engine/Check.h"
#include "engine/Notice.h"
#include "sections/SectionLists.h"

namespace ferrolab {

inline constexpr const char* kBeamStabilityCaption =
    "焊接工字形等截面简支梁、轧制H型钢简支梁整体稳定验算";
inline constexpr const char* kWeldedISeries = "焊接工字钢";
// The span box's label: the span for a beam without bracing in the span (load cases 1 to 4),
// the spacing of the compression flange's lateral supports otherwise (cases 5 to 10).
inline constexpr const char* kSpanLabel = "              梁跨度(m):";
inline constexpr const char* kBracingSpacingLabel = "受压翼缘侧向支承点的距离(m)";

// The series list: the three rolled H series ("马钢宽翼缘HW系列", "马钢中翼缘HM系列",
// "马钢窄翼缘HN系列"), then "焊接工字钢".
std::vector<std::string> BeamSeriesEntries();
// A rolled H series is one whose entry begins with "马钢".
bool IsRolledHSeries(const std::string& series);
// The section names of a rolled H series entry; empty for the welded I or another text.
NameList BeamSeriesNames(const std::string& series);

// The ten load cases of table B-1 (radio captions, case 1 first) and the span label of a case.
const std::vector<const char*>& BeamLoadCaseCaptions();
const char* SpanLabelOfCase(int loadCase);
// The end-moment ratio presets r = M2/M1 of case 10.
const std::vector<const char*>& EndMomentRatioPresets();

// βb of table B-1 for load case 1 to 10, ξ = l1·t1/(b1·h) (cases 1 to 4) and the end-moment ratio
// r (case 10). Cases 1 to 4 take their ξ formula below ξ = 2.0 and the constant from 2.0 on;
// case 10 gives 1.75 - 1.05·r + 0.3·r², not more than 2.3. Another case gives 0.
double BetaB(int loadCase, double xi, double r);

// The note of table B-1 for a section whose compression flange is enlarged (αb > 0.8): βb of
// case 1 is multiplied by 0.95 when ξ <= 1.0, that of case 3 by 0.90 when ξ <= 0.5 and by 0.95
// when 0.5 < ξ <= 1.0. Every other section, case and ξ gives 1.
double EnlargedFlangeBetaFactor(int loadCase, double xi, double alphaB);

struct BeamStabilityInput {
    std::string series = "马钢宽翼缘HW系列"; // the series entry
    std::string name = "HW100x100";          // catalogue name (rolled H series only)
    double l1 = 2;                           // span or lateral support spacing, m
    int fy = 235;                            // the grade's number, N/mm2
    double mx = 0, my = 0;                   // kN*m
    double vy = 0;                           // kN; enters no formula
    double gammaX = 0, gammaY = 0;           // plastic adaptation factors of clause 4.1.1
    // The welded I, mm: top flange B1 x t1, clear web height H, web thickness Tw, bottom flange
    // B2 x t2.
    double b1 = 200, t1 = 16, hw = 1100, tw = 10, b2 = 350, t2 = 16;
    // The compressed flange of the welded I: 0 "上" (B1 x t1), 1 "下" (B2 x t2). It sets b1 and
    // t1 of ξ and φb, αb with ηb, and the fibre of Wx; a doubly symmetric section is the same
    // either way.
    int compressedFlange = 0;
    int loadCase = 1; // 1 to 10, table B-1
    double r = 0.1;   // M2/M1, load case 10
    int edition = kSteel2003;
};

// The width-thickness classes of table 3.5.1 (GB50017-2017) of a beam: the compressed flange's
// outstand b/t (b = (flange width − tw)/2) and the web's h0/tw (h0 the clear web depth; for a
// rolled section without the root radii), each class 1 to 5 for S1 to S5 and 6 beyond S5; the
// section's class is the higher of the two.
struct BeamClasses2017 {
    double epsK = 0;
    double flangeRatio = 0, webRatio = 0;
    int flange = 0, web = 0, section = 0;
};
// Nothing when the section cannot be formed (a catalogue name not found, plates not positive).
std::optional<BeamClasses2017> ClassifyBeam2017(const BeamStabilityInput& input);

struct BeamStabilityResult {
    // Section values as the formulas use them (mm, mm2, mm3): depth h, compression flange b1 x t1,
    // Wx at the compressed flange's outer fibre, wxMin the smaller of the two fibre moduli (the
    // strength stress), αb = I1/(I1 + I2) of the flanges about the y axis (0.5 when symmetric).
    double h = 0, b1 = 0, t1 = 0, a = 0, iy = 0, wx = 0, wy = 0, etaB = 0;
    double wxMin = 0, alphaB = 0.5;
    // βb as formula B.1 uses it: the table value times betaFactor (EnlargedFlangeBetaFactor).
    double xi = 0, betaB = 0, betaFactor = 1, lambdaY = 0;
    double phiB = 0;              // formula B.1
    bool inelastic = false;       // φb > 0.6: φ'b of B.2 replaces φb in the stability stress
    double phiBPrime = 0;         // φ'b when inelastic, else φb: the φ of the stability stress
    double sigma = 0, sigmaS = 0; // N/mm2: strength (4.1.1) and stability (4.2.3) stresses
    std::optional<BeamClasses2017> classes; // 2017 only
    double f = 0;                           // 2017 only: f of table 4.4.1, thicker flange
    std::optional<std::string> report;      // absent when the input was refused
    std::vector<Notice> notices;
    // With a report: the strength stress, then the stability stress, each by its size against f.
    // None when fy is not a grade's number or a flange is thicker than the table of f.
    std::vector<Check> checks;
};

BeamStabilityResult ComputeBeamStability(const BeamStabilityInput& input);

} // namespace ferrolab
