#pragma once
// Fillet weld strength of GB50017-2017 for the calculators that check a fillet weld group. Table
// 4.4.5 prints ffw in every thickness band of a grade, but it depends on the electrode only (E43
// 160, E50 200, E55 220, E60 240); the grade decides which electrodes match its steel.

#include <optional>
#include <string_view>

namespace ferrolab {

// ffw (N/mm2) of a fillet weld on the grade's steel ("Q235" ... "Q460", "Q345GJ") made with the
// electrode ("E43", "E50", "E55", "E60"); nothing when table 4.4.5 does not match the electrode
// to the grade.
std::optional<double> GetFilletWeldStrength2017(std::string_view grade, std::string_view electrode);

// The electrode of a welding-method entry of the dialogs ("E50**手工焊" -> "E50"); the entry
// itself when it names no electrode.
std::string_view ElectrodeOfEntry(std::string_view entry);

} // namespace ferrolab
