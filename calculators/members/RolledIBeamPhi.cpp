#include "calculators/members/RolledIBeamPhi.h"

#include <cmath>

#include "engine/BeamStability.h"
#include "engine/Format.h"

namespace ferrolab {

const std::vector<const char*>& IBeamLoadCaseCaptions() {
    static const std::vector<const char*> captions = {
        "跨中无侧向支承点，集中荷载作用于上翼缘",
        "跨中无侧向支承点，集中荷载作用于下翼缘",
        "跨中无侧向支承点，均布荷载作用于上翼缘",
        "跨中无侧向支承点，均布荷载作用于下翼缘",
        "跨中有侧向支承点，不论荷载作用点在截面高度上的位置",
    };
    return captions;
}

const std::vector<const char*>& FreeLengthPresets() {
    static const std::vector<const char*> presets = {"2", "3", "4", "5", "6", "7", "8", "9", "10"};
    return presets;
}

const std::vector<const char*>& RolledBeamGradeEntries() {
    static const std::vector<const char*> grades = {"Q235", "Q345", "Q390"};
    return grades;
}

int BeamNumberOfEntry(const std::string& entry) {
    auto digit = [&entry](std::size_t i) {
        return i < entry.size() && entry[i] >= '0' && entry[i] <= '9' ? entry[i] - '0' : -1;
    };
    const int tens = digit(1);
    const int units = digit(2);
    return tens < 0 || units < 0 ? 0 : tens * 10 + units;
}

RolledIBeamPhiResult ComputeRolledIBeamPhi(const RolledIBeamPhiInput& in) {
    RolledIBeamPhiResult r;
    const bool edition2017 = in.edition == kSteel2017;
    if (!IsTabulatedFreeLength(in.l1)) {
        r.notices.push_back(
            Notice{kOutsideTableMessage, kApplicationCaption, NoticeIcon::Information});
        if (edition2017) {
            return r; // no table value: nothing to show
        }
    }
    r.tabulated = GetRolledIBeamPhiB(in.loadCase, BeamNumberOfEntry(in.beam), in.l1);
    // The table holds Q235 beams; φb scales with 235/fy (εk² in the 2017 edition). Table C.0.2
    // of 2017 prints the values of table B.2.
    r.phiB = in.fy > 0 ? r.tabulated * 235 / in.fy : 0;
    r.inelastic = r.phiB > 0.6;
    if (r.inelastic) {
        r.phiBPrime = InelasticPhiB(r.phiB);
        r.shown = FormatNumber("%.3f", r.phiBPrime);
    } else {
        r.phiBPrime = r.phiB;
        r.shown = Fmt2(r.phiB);
    }
    if (edition2017) {
        *r.shown += r.inelastic ? "（表C.0.2，式C.0.1-7）" : "（表C.0.2）";
    }
    return r;
}

} // namespace ferrolab
