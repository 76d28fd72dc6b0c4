#pragma once
// The field descriptions and runner steps the joint calculators have in common: the steel grade,
// the fillet-weld fields of the pinned joints (weld kind, βf, the 2017 electrode) and the faying
// surfaces of the friction-type bolts of both editions. What differs between the calculators (help
// lines, lists, control names) stays a parameter.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calculators/Description.h"

namespace ferrolab {

// names, then every name of `more` that names does not hold yet, in list order.
std::vector<std::string> WithNewNames(std::vector<std::string> names,
                                      std::span<const char* const> more);

// "钢材等级": the grades offered, opening on Q235.
FieldSpec SteelGradeField(std::vector<std::string> allowed, const char* help);

// "β角" of the pinned joints: 0 or 90 degrees, opening on 0.
FieldSpec BetaAngleField(const char* help);

// "焊接方式" of the pinned joints' fillet welds: double-sided only.
FieldSpec WeldKindField(const char* help, const char* control);

// "强度增大系数β" of the pinned joints' fillet welds: 1.0 or 1.2.
FieldSpec WeldFactorField(const char* help);

// "焊条": only the 2017 edition reads it; the list follows the grade, so the field lists no
// values and, left out, takes the grade's first electrode.
FieldSpec ElectrodeField(const char* help);

// Why an electrode given to the runner is no valid command (it needs edition=2017 and one of
// the grade's electrodes, `offered`); nothing when it is valid or left out.
std::optional<std::string> ElectrodeUsage(const std::string& electrode, int edition,
                                          const std::string& grade,
                                          std::span<const char* const> offered);

// "接触面处理" of friction-type bolts: the faying surfaces of both editions, each once, opening on
// the first surface of GB50017.
FieldSpec FayingSurfaceField(std::span<const char* const> surfaces2003,
                             std::span<const char* const> surfaces2017, const char* help);

// The index of a faying surface in the edition's list `surfaces`; under the 2017 edition (table
// 11.4.2-1) a 2003 surface that one stands for is read as it. -1 when neither offers it.
int FayingSurfaceIndex(std::span<const char* const> surfaces, int edition,
                       const std::string& surface);

// The usage message for a surface the edition's list does not offer.
std::string FayingSurfaceUsage(std::span<const char* const> surfaces,
                               const std::string& editionValue);

} // namespace ferrolab
