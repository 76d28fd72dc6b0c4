#pragma once
// Axially loaded members (GB50017-2003 5.1): the stress on the net section N / An and, for a
// member in compression, the flexural buckling stress N / (φ·A) about x and about y.
//
// The member is a rolled H-section of the HW, HM or HN series, a hot-rolled I-beam from the
// catalogue, or a doubly symmetric welded I-section typed plate by plate. The report lists the
// numbers only; beside it the result holds the code checks of those numbers against the design
// strength f of the grade (table 3.4.1-1, by the thicker plate, as for every axially loaded
// member): N/An <= f (5.1.1-1) and N/(φA) <= f about each ticked axis (5.1.2). Compression is
// entered as a negative force, and the sign of N, not the force-type choice, decides whether the
// buckling part is written; the stresses keep the sign of N, the checks compare their size.
//
// Units: plates in mm, A in cm2, radii of gyration in cm, effective lengths in m, N in kN,
// stresses in N/mm2 (λ = l·100 / i; N·10 / A).
//
// To GB50017-2017 the report states the numbers with their limits: the gross-section stress N/A
// against f and the net-section stress N/An against 0.7·fu (7.1.1 for a tension member; 7.1.2
// sends a compression member to the same two formulas), f and fu of table 4.4.1 by the thickest
// plate; the section classes of tables 7.2.1-1 and 7.2.1-2 (with a* and b*, which depend on the
// grade), and φ of appendix D with λ/εk, εk = sqrt(235/fy) and fy the number in the grade's name.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/Edition.h"
#include "engine/Check.h"
#include "engine/Materials.h"
#include "engine/Notice.h"
#include "sections/SectionLists.h"

namespace ferrolab {

// The section kinds of the dialog's kind list, in list order.
enum class AxialSectionKind {
    HW = 0,
    HM = 1,
    HN = 2,
    RolledI = 3,
    WeldedI = 4,
    FourAngles = 5, // laced four-angle column: no calculation yet
};

inline constexpr int kAxialSectionKindCount = 6;

// "马钢宽翼缘HW系列" ... "四肢格构式-等边角钢".
const char* AxialSectionKindCaption(AxialSectionKind kind);
// The kind whose caption this is; nullopt for any other text.
std::optional<AxialSectionKind> AxialSectionKindOf(std::string_view caption);
// The names the kind offers (none for the welded section).
NameList AxialSectionNames(AxialSectionKind kind);

// The section the check works on.
struct AxialSection {
    double A = 0;          // cm2
    double b = 0, h = 0;   // flange width, overall depth (mm)
    double t = 0, tw = 0;  // flange and web thickness (mm)
    double hw = 0;         // web depth between the flanges (welded section), mm
    double Ix = 0, Iy = 0; // cm4
    double ix = 0, iy = 0; // cm
    int sectionType = 11;  // section type code of the classification: 11 rolled, 21 welded
    int welded = 0;
};

// Section messages.
Notice NotYetAvailableNotice(); // the four-angle column: "还没来得及做"

struct AxialSectionLoad {
    std::optional<AxialSection> section; // absent: nothing was loaded
    std::string propertyText;            // the property box; empty when nothing was loaded
    std::vector<Notice> notices;
};

// Loads a catalogue section by its name: "HW", "HM", "HN" names as rolled H-sections, other
// names beginning with "I" as rolled I-beams; any other name (the four-angle kind's) gives the
// "还没来得及做" message, a name the catalogue does not hold a refusal.
AxialSectionLoad LoadAxialSection(std::string_view name);

// The doubly symmetric welded I-section of flange b x t and web hw x tw (mm), H = hw + 2·t.
AxialSection WeldedAxialSection(double b, double t, double tw, double hw);
// True when every plate is a positive number and the properties are finite.
bool IsUsableWeldedSection(const AxialSection& section);
// The property box of the welded section; a short warning instead of numbers when the plates
// do not make a section.
std::string WeldedPropertyText(const AxialSection& section);

// What "计算" works from.
struct AxialMemberInput {
    std::optional<AxialSection> section; // absent: a four-angle name is chosen
    int flameCut = 1;                    // welded flanges: 1 "焰切边", 0 "轧制或剪切边"
    double netFactor = 1.0;              // An = netFactor · A
    SteelGrade grade = kQ235;
    std::string forceType = "轴心受压"; // kept for the record; the sign of N governs
    double N = -100;                    // kN, negative in compression
    bool xOn = true;
    double lx = 2; // m
    bool yOn = false;
    double ly = 2; // m
    int edition = kSteel2003;
};

struct AxialMemberResult {
    double An = 0, sigmaN = 0;
    char cx = 'n', cy = 'n';
    int fy = 0;
    double lambdaX = 0, phiX = 0, sigmaX = 0;
    double lambdaY = 0, phiY = 0, sigmaY = 0;
    bool buckling = false; // N < 0: the class and fy were worked out
    // 2017 only: εk, f and fu of the thickest plate, the gross-section stress N/A, and the
    // classes as table 7.2.1 prints them ("a*", "b*", ...).
    double epsK = 0, f = 0, fu = 0, sigmaGross = 0;
    std::string classX, classY;
    std::optional<std::string> report;
    // With a report: the net-section stress, then the buckling stress about x and about y as far
    // as they are written, each against f. None when the plate is thicker than the table of f.
    std::vector<Check> checks;
    std::vector<Notice> notices;
};

AxialMemberResult ComputeAxialMember(const AxialMemberInput& input);

} // namespace ferrolab
