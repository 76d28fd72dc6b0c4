#pragma once
// Tabulated coefficients of cold-formed thin-walled members to GB50018-2002:
//   - table A.2.1: the effective-length factor μb and the factors ξ1, ξ2 of a simply supported
//     beam bent about its axis of symmetry, by load case and lateral bracing;
//   - table 5.2.4: the end-restraint factors α and β of an open section under axial
//     compression, by end condition and by whether the member has battens.

namespace ferrolab {

// Load cases of table A.2.1, in the order the beam dialog numbers them "1" to "7".
enum class CFBeamLoadCase {
    UniformLoad = 0,          // q over the span
    MidSpanLoad = 1,          // one concentrated load F at mid-span
    EqualEndMoments = 2,      // M and M (uniform moment)
    HalfEndMoment = 3,        // M and M/2
    OneEndMoment = 4,         // M at one end only
    ReversedHalfMoment = 5,   // M and M/2 turning the other way (double curvature)
    ReversedEqualMoments = 6, // M and M turning the other way
};

// Lateral bracing of table A.2.1.
enum class CFBeamBracing {
    None = 0,      // no lateral support in the span: μb = 1.0
    MidSpan = 1,   // one support at mid-span: μb = 0.5
    TwoOrMore = 2, // two or more equally spaced supports: μb = 0.33
};

struct CFBeamFactors {
    double muB = 0;
    double xi1 = 0;
    double xi2 = 0;
};

// Table A.2.1 for the bracing index (0 to 2) and the load case index (0 to 6). Writes μb, ξ1 and
// ξ2 (0 where the table gives none) and returns true; an index outside the table writes nothing
// and returns false.
bool GetColdFormedBeamFactors(int bracing, int loadCase, double* muB, double* xi1, double* xi2);
bool GetColdFormedBeamFactors(int bracing, int loadCase, CFBeamFactors* factors);

// End conditions of table 5.2.4, in the order the axial dialog lists them.
enum class CFEndCondition {
    PinnedFreeWarping = 0,       // 两端铰接，端部截面可自由翘曲
    FixedRestrainedWarping = 1,  // 两端嵌固，端部截面翘曲完全受约束
    PinnedRestrainedWarping = 2, // 两端铰接，端部截面翘曲完全受约束
};

struct CFRestraint {
    double alpha = 0;
    double beta = 0;
};

// Table 5.2.4: α and β for the end condition (0 to 2) and the battens. Battens exist only for the
// two conditions with restrained warping; asked for the first condition with battens (or an
// index outside the table) the function returns false and leaves the result alone.
bool GetOpenSectionRestraint(int endCondition, bool battens, CFRestraint* restraint);

} // namespace ferrolab
