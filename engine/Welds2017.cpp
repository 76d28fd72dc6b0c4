#include "engine/Welds2017.h"

#include "engine/Materials2017.h"

namespace ferrolab {

std::optional<double> GetFilletWeldStrength2017(std::string_view grade,
                                                std::string_view electrode) {
    // Any plate of the grade will do: 10 mm lies in the thinnest band of the table's grades,
    // 20 mm in the thinnest band of Q345GJ, whose rows start above 16 mm.
    for (const double t : {10.0, 20.0}) {
        if (const auto weld = GetWeldStrength2017(grade, electrode, t)) {
            return weld->ffw;
        }
    }
    return std::nullopt;
}

std::string_view ElectrodeOfEntry(std::string_view entry) {
    return entry.size() >= 3 && entry[0] == 'E' ? entry.substr(0, 3) : entry;
}

} // namespace ferrolab
