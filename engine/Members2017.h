#pragma once
// Member rules of GB50017-2017 that the member calculators need beside the material tables of
// Materials2017.h: the steel factor εk, the section classes of axially compressed members (tables
// 7.2.1-1 and 7.2.1-2) and the width-thickness classes S1 to S5 of a beam's I-section (table
// 3.5.1) with the plastic adaptation factors they allow (6.1.2).
//
// fy here is the number in the grade's name (235 for Q235, 345 for Q345, ...): the 2017 text
// defines εk = sqrt(235/fy) with that number, whatever the plate thickness. The appendix C and D
// formulas take εk² = 235/fy and λ/εk with the same fy.

#include <string>

namespace ferrolab {

// εk = sqrt(235/fy); 0 for fy <= 0.
double EpsilonK(int fy);

// The section class of table 7.2.1-1 (plates thinner than 40 mm) or 7.2.1-2 (40 mm and more) for
// buckling about `axis` ('x' or 'y'). Section type codes and flags as GetSectionClass of
// AxialStability.h takes them (11 to 13 rolled I or H, 21 to 23 welded I, 0 a section of class a,
// b when welded). The thin rolled I or H with b/h > 0.8 is a* about x and b* about y: a* is class
// b for Q235 and a for the stronger grades, b* class c for Q235 and b for the others.
struct AxialClass2017 {
    char curve = 'n';    // the curve φ is read from, 'a' to 'd'; 'n' when not covered
    std::string printed; // the class as the table prints it: "a", "b", "a*", "b*", ...
    bool thick = false;  // true: table 7.2.1-2 (t >= 40 mm), false: table 7.2.1-1
};
AxialClass2017 GetSectionClass2017(int type, double b, double h, double t, char axis, int welded,
                                   int flameCut, int fy);

// Width-thickness classes of table 3.5.1 for a flexural member of I-section: 1 to 5 for S1 to S5,
// 6 for a ratio beyond the S5 limit (the table holds no such plate). The flange's outstand b/t
// has the limits 9, 11, 13, 15 εk and 20; the web's h0/tw 65, 72, 93, 124 εk and 250. A ratio
// equal to a limit belongs to that limit's class. A ratio that is not a finite number gives 6.
int BeamFlangeClass2017(double outstandRatio, double epsK);
int BeamWebClass2017(double webRatio, double epsK);
// The upper limit of class `sClass` (1 to 5) for the flange and for the web.
double BeamFlangeLimit2017(int sClass, double epsK);
double BeamWebLimit2017(int sClass, double epsK);

// 6.1.2 for an I-section: classes S1 to S3 allow γx = 1.05 and γy = 1.2, S4 and S5 only 1.0.
double AllowedGammaX2017(int sClass);
double AllowedGammaY2017(int sClass);

// "S1" ... "S5".
std::string SectionClassName(int sClass);

} // namespace ferrolab
