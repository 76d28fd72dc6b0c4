#pragma once
// "轧制普通工字钢简支梁的φb": the overall stability coefficient φb of a simply supported rolled
// I-beam from GB50017-2003 table B.2 (tabulated for Q235, scaled by 235/fy for other grades),
// with the inelastic correction of formula B.1-2 above 0.6. GB50017-2017 prints the same values
// as table C.0.2 (scaled by εk² = 235/fy) with the correction C.0.1-7; its result names them, and
// a free length outside the table gives no value.

#include <optional>
#include <string>
#include <vector>

#include "calculators/Edition.h"
#include "engine/Notice.h"

namespace ferrolab {

inline constexpr const char* kRolledIBeamPhiCaption = "轧制普通工字钢简支梁的φb";
inline constexpr const char* kOutsideTableMessage = "超出规范规定";

// The five load cases of table B.2, radio index 0 to 4.
const std::vector<const char*>& IBeamLoadCaseCaptions();
// Free-length presets "2" ... "10" (m) and the grades "Q235", "Q345", "Q390" of the rolled I-beam
// and rolled channel dialogs.
const std::vector<const char*>& FreeLengthPresets();
const std::vector<const char*>& RolledBeamGradeEntries();

// The beam number of an entry of the beam list: the integer formed by its second and third
// characters ("I12.6" gives 12, "I45C" gives 45); 0 when they are not digits.
int BeamNumberOfEntry(const std::string& entry);

struct RolledIBeamPhiInput {
    int loadCase = 0;          // 0 to 4
    std::string beam = "I10 "; // entry of the beam list ("I10 ", "I20A", ...)
    double l1 = 2;             // free length, m
    int fy = 235;              // the grade's number
    int edition = kSteel2003;
};

struct RolledIBeamPhiResult {
    double tabulated = 0;   // table B.2 value for Q235 (0 outside the table)
    double phiB = 0;        // tabulated · 235 / fy
    bool inelastic = false; // φb > 0.6: the box shows φ'b
    double phiBPrime = 0;
    std::optional<std::string> shown; // the text of the result box
    std::vector<Notice> notices;
};

RolledIBeamPhiResult ComputeRolledIBeamPhi(const RolledIBeamPhiInput& input);

} // namespace ferrolab
