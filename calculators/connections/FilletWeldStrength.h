#pragma once
// The fillet weld strength ffw both fillet-weld calculators compare their stresses with: by the
// grade alone in GB50017-2003 (table 3.4.1-3), by the grade and the electrode in GB50017-2017
// (table 4.4.5, where Q345, Q390 and Q345GJ take E50 or E55, Q420 and Q460 E55 or E60).

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calculators/Edition.h"

namespace ferrolab {

// The grade entries of the steel list: Q235 to Q420 in GB50017-2003 (table 3.4.1-3); GB50017-2017
// adds Q460 and Q345GJ, which table 4.4.5 matches to electrodes. Without an edition: every grade
// of either (the runner's field).
std::vector<std::string> FilletWeldGradeEntries();
std::vector<std::string> FilletWeldGradeEntries(int edition);
// The usage message for a grade the edition's list does not offer; nothing when it is offered.
std::optional<std::string> GradeNotOffered(int edition, const std::string& grade);

// The welding-method list: "E43**手工焊" whatever the grade in GB50017-2003 (where it does not
// enter the computation); in GB50017-2017 the electrodes table 4.4.5 matches to the grade, the
// usual one first ("E50**手工焊", "E55**手工焊" for Q345). Empty for a grade the edition lacks.
std::vector<std::string> WeldingMethodEntries(int edition, const std::string& grade);

// ffw of GB50017-2017 with the electrode it was found for, or the message refusing the pair.
struct FilletWeldStrength2017 {
    double ffw = 0;
    std::string electrode;
};
// An empty electrode takes the grade's usual one.
std::variant<FilletWeldStrength2017, std::string>
FindFilletWeldStrength2017(const std::string& grade, const std::string& electrode);

// The report's first line for GB50017-2017: grade, electrode, table 4.4.5 and ffw.
std::string FilletWeldStrengthLine2017(const std::string& grade,
                                       const FilletWeldStrength2017& strength);

// The field "electrode" of both fillet-weld calculators, the list "焊接方法及焊条" (the runner
// reads it under GB50017-2017 only).
FieldSpec WeldingMethodField();
// The usage message for an electrode the grade's list does not offer; nothing when it is offered,
// blank (the grade's usual one) or the grade is not listed (the compute refuses that).
std::optional<std::string> ElectrodeNotOffered(const std::string& grade,
                                               const std::string& electrode);

} // namespace ferrolab
