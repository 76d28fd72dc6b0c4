#pragma once
// The code editions a calculator can work to. Calculators that use GB50017 values offer the 2003
// and the 2017 edition, the seismic coefficient GB50011-2001 and GB50011-2010; the runner's field
// `edition` takes the year, the dialogs list the code's name with it. The runner and a fresh
// installation open on the older edition, so that every earlier command and opening state stays
// as it was.

#include <string>

#include "calculators/Description.h"

namespace ferrolab {

inline constexpr int kSteel2003 = 2003;
inline constexpr int kSteel2017 = 2017;
inline constexpr int kSeismic2001 = 2001;
inline constexpr int kSeismic2010 = 2010;

// The "规范版本" field of a GB50017 calculator: edition=2003|2017, listed as "GB50017-2003" and
// "GB50017-2017", control "edition".
FieldSpec SteelEditionField();
// The same for the seismic coefficient: edition=2001|2010, "GB50011-2001" and "GB50011-2010".
FieldSpec SeismicEditionField();

// The edition a run's values name (the field's year), the older one when the field is absent.
int SteelEditionOf(const FieldValues& values);
int SeismicEditionOf(const FieldValues& values);

// The settings keys under which the dialogs keep the edition last chosen.
inline constexpr const char* kSteelEditionSetting = "Editions/GB50017";
inline constexpr const char* kSeismicEditionSetting = "Editions/GB50011";

} // namespace ferrolab
