#include "calculators/joints/FrictionBolts.h"

#include "engine/Bolts.h"
#include "engine/Materials2017.h"

namespace ferrolab {

std::variant<SlipTerms, std::string> FrictionSlipTerms(bool edition2017, SteelGrade grade,
                                                       int surface, int boltClass, int d) {
    SlipTerms terms;
    if (edition2017) {
        const auto surfaces = FayingSurfaces2017();
        const std::optional<double> mu = GetSlipFactor2017(surface, GradeName(grade));
        if (!mu) {
            return "GB50017-2017表11.4.2-1不允许" + GradeName(grade) + "钢材的接触面采用" +
                   (surface >= 0 && surface < static_cast<int>(surfaces.size())
                        ? std::string(surfaces[surface])
                        : std::string("这种处理方法")) +
                   "，请改选接触面处理方法";
        }
        terms.mu = *mu;
        terms.pretension = GetBoltPretension2017(boltClass == 109 ? "10.9" : "8.8", d);
    } else {
        terms.pretension = GetBoltPretension(kCodeGB50017, d, boltClass);
        terms.mu = GetSlipFactor(kCodeGB50017, grade, surface);
    }
    if (terms.pretension <= 1 || terms.mu <= 0.01) {
        return std::string("规范未给出这种高强螺栓的预拉力或抗滑移系数");
    }
    return terms;
}

} // namespace ferrolab
