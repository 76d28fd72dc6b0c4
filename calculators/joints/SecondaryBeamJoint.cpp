#include "calculators/joints/SecondaryBeamJoint.h"

#include <algorithm>
#include <array>

#include "calculators/joints/BeamColumnPinned.h"
#include "calculators/joints/FrictionBolts.h"
#include "engine/Bolts.h"
#include "engine/Format.h"
#include "engine/Materials2017.h"
#include "engine/Pi.h"
#include "engine/SectionRecord.h"
#include "engine/TextToNumber.h"
#include "engine/Welds2017.h"

namespace ferrolab {
namespace {

constexpr std::array kGrades = {"Q235", "Q345", "Q390", "Q420"};
constexpr std::array kBoltKinds = {"摩擦型高强螺栓", "普通螺栓"};
constexpr std::array kFrictionGrades = {"8.8", "10.9"};
constexpr std::array kOrdinaryGrades = {"4.6", "4.8"};
constexpr std::array kDiameters = {"M16", "M20", "M22", "M24", "M27", "M30"};
constexpr std::array kCounts = {"2", "3", "4", "5", "6", "7", "8", "9", "10"};

// The amplification of V/n that stands for the eccentricity in the shortcut.
constexpr double kShearAmplification = 1.2;

std::string BoltGradeText(int boltClass) {
    switch (boltClass) {
    case 109:
        return "10.9级";
    case 88:
        return "8.8级";
    case 48:
        return "4.8级";
    default:
        return "4.6级";
    }
}

// "<= ...，满足" or "> ...，不满足", as the check decides.
std::string Comparison(const Check& check, const std::string& demand, const std::string& limit,
                       const char* unit) {
    const bool ok = Satisfied(check);
    return demand + "=" + Fmt2(check.demand) + unit + (ok ? " <= " : " > ") + limit + "=" +
           Fmt2(check.capacity) + unit + (ok ? "，满足" : "，不满足");
}

// The clause numbers the report cites, by edition: the formulas are the same in both.
struct Clauses {
    const char* spacing;
    const char* pretension;
    const char* slip;
    const char* frictionFormula;
    const char* frictionClause;
    const char* boltStrengths;
    const char* shearFormula;
    const char* bearingFormula;
    const char* weldLength;
};
constexpr Clauses kClauses2003 = {
    .spacing = "GB50017-2003表8.3.4",
    .pretension = "表7.2.2-2",
    .slip = "表7.2.2-1",
    .frictionFormula = "Nvb=0.9*nf*μ*P",
    .frictionClause = "式7.2.2-1，nf=1",
    .boltStrengths = "表3.4.1-4",
    .shearFormula = "式7.2.1-1",
    .bearingFormula = "式7.2.1-3",
    .weldLength = "按规范7.1.3条取",
};
constexpr Clauses kClauses2017 = {
    .spacing = "GB50017-2017表11.5.2",
    .pretension = "表11.4.2-2",
    .slip = "表11.4.2-1",
    .frictionFormula = "Nvb=0.9*k*nf*μ*P",
    .frictionClause = "式11.4.2-1，标准孔k=1.0，nf=1",
    .boltStrengths = "表4.4.6",
    .shearFormula = "式11.4.1-1",
    .bearingFormula = "式11.4.1-3",
    .weldLength = "按GB50017-2017第11.2.2条取",
};

} // namespace

std::span<const char* const> SecondaryGradeNames() {
    return kGrades;
}
std::span<const char* const> SecondaryBoltKindNames() {
    return kBoltKinds;
}
std::span<const char* const> SecondaryBoltGradeNames(int kind) {
    if (kind == kSecondaryOrdinaryBolt) {
        return kOrdinaryGrades;
    }
    return kFrictionGrades;
}
std::span<const char* const> SecondaryDiameterNames() {
    return kDiameters;
}
std::span<const char* const> SecondaryBoltCountNames() {
    return kCounts;
}
std::span<const char* const> SecondarySurfaceNames(int edition) {
    return edition == kSteel2017 ? FayingSurfaces2017() : FayingSurfaceNames(kCodeGB50017);
}

SteelGrade SecondaryGradeOf(std::string_view name) {
    return name.size() > 1 ? static_cast<SteelGrade>(TextToDouble(name.substr(1))) : 0;
}

int SecondaryDiameterOf(std::string_view name) {
    return name.size() > 1 ? static_cast<int>(TextToDouble(name.substr(1))) : 0;
}

int SecondaryBoltClassOf(std::string_view name) {
    if (name == "10.9") {
        return 109;
    }
    if (name == "8.8") {
        return 88;
    }
    if (name == "4.6") {
        return 46;
    }
    if (name == "4.8") {
        return 48;
    }
    return 0;
}

SecondaryBeamJointResult ComputeSecondaryBeamJoint(const SecondaryBeamJointInput& in) {
    SecondaryBeamJointResult r;
    const bool friction = in.kind == kSecondaryFrictionBolt;
    const bool e2017 = in.edition == kSteel2017;
    const Clauses& clause = e2017 ? kClauses2017 : kClauses2003;

    // Sizes and forces the formulas cannot take.
    if (!(in.v > 0)) {
        return Refused(r, "梁端剪力设计值V必须大于0");
    }
    if (!(in.e > 0)) {
        return Refused(r, "偏心距e必须大于0");
    }
    if (in.n < 2) {
        return Refused(r, "螺栓数n至少为2");
    }
    if (!(in.p > 0)) {
        return Refused(r, "螺栓间距p必须大于0");
    }
    if (!(in.hf > 0) || !(in.l > 0)) {
        return Refused(r, "焊脚尺寸hf和焊缝长度l必须大于0");
    }
    if (!(in.clearance >= 0)) {
        return Refused(r, "螺栓孔径与螺栓直径的差不能为负值");
    }
    if (!(in.betaF >= 1.0 && in.betaF <= 1.22)) {
        return Refused(r, "正面角焊缝的强度设计值增大系数βf应在1.0（直接承受动力荷载）与1.22之间");
    }
    if (!friction && (!(in.tw > 0) || !(in.ts > 0))) {
        return Refused(r, "次梁腹板厚度tw和加劲肋厚度ts必须大于0");
    }

    // Layout, GB50017-2003 table 8.3.4; a value exactly at its limit passes.
    const double d0 = in.d0();
    if (in.p < 3 * d0) {
        return Refused(r, "螺栓间距p=" + Fmt2(in.p) + "mm小于3d0=" + Fmt2(3 * d0) + "mm，不符合" +
                              clause.spacing + "的规定");
    }
    const double endDistance = (in.l - (in.n - 1) * in.p) / 2;
    if (endDistance < 2 * d0) {
        return Refused(r, "螺栓端距(l-(n-1)*p)/2=" + Fmt2(endDistance) +
                              "mm小于2d0=" + Fmt2(2 * d0) + "mm，不符合" + clause.spacing +
                              "的规定，请加大加劲肋高度l或减小螺栓间距p");
    }
    r.lw = in.l - 2 * in.hf;
    if (!(r.lw > 0)) {
        return Refused(r, "焊缝计算长度lw=l-2*hf必须大于0，请加大l或减小hf");
    }

    // The bolt group: one column about its centroid under V and M = V·e.
    r.m = in.v * in.e * 0.001;
    const BoltGroupForces group = GetBoltGroupForces(r.m, 0, in.v, in.n, 1, in.p, 0);
    if (!group.valid) {
        return Refused(r, "螺栓间距p必须大于0");
    }
    r.sumY2 = group.sumA;
    r.n1M = group.nxM;
    r.nV = group.nyV;
    r.n1 = group.nMax;
    r.nAmp = kShearAmplification * in.v / in.n;
    r.nDesign = std::max(r.n1, r.nAmp);
    const double y1 = (in.n - 1) / 2.0 * in.p;

    std::string report = "-----螺栓验算-----\r\n";
    report += std::string(friction ? "摩擦型高强螺栓" : "普通螺栓（C级）") +
              BoltGradeText(in.boltClass) + " M" + FormatNumber("%d", in.d) +
              "，孔径d0=" + Fmt2(d0) + "mm，单列" + FormatNumber("%d", in.n) +
              "个，间距p=" + Fmt2(in.p) + "mm\r\n";
    report += "偏心距e=" + Fmt2(in.e) + "mm，偏心弯矩 M=V*e=" + Fmt2(r.m) + "kN*m\r\n";
    report += "Σyi^2=" + Fmt2(r.sumY2) + "mm2，y1=(n-1)*p/2=" + Fmt2(y1) + "mm\r\n";
    report += "N1_M=M*y1/Σyi^2=" + Fmt2(r.n1M) + "kN\r\n";
    report += "N_V=V/n=" + Fmt2(r.nV) + "kN\r\n";
    report += "N1=sqrt(N1_M^2+N_V^2)=" + Fmt2(r.n1) + "kN\r\n";
    report += "剪力放大法：1.2*V/n=" + Fmt2(r.nAmp) + "kN\r\n";
    if (r.n1 >= r.nAmp) {
        report += "N1不小于1.2*V/n，由偏心弯矩算得的N1控制：N=" + Fmt2(r.nDesign) + "kN\r\n";
    } else {
        report += "1.2*V/n大于N1，由剪力放大法控制：N=" + Fmt2(r.nDesign) + "kN\r\n";
    }

    std::string boltCheckName;
    if (friction) {
        const auto slip = FrictionSlipTerms(e2017, in.grade, in.surface, in.boltClass, in.d);
        if (const auto* refusal = std::get_if<std::string>(&slip)) {
            return Refused(r, *refusal);
        }
        r.mu = std::get<SlipTerms>(slip).mu;
        r.pretension = std::get<SlipTerms>(slip).pretension;
        // One friction plane: the secondary web lapped on one side of the stiffener. The 2017
        // hole factor k is 1.0 for the standard hole, so both editions multiply the same terms.
        r.nvb = GetFrictionCapacity(1, r.pretension, r.mu);
        r.nb = r.nvb;
        report += "预拉力P=" + FormatNumber("%d", r.pretension) + "kN（" + clause.pretension +
                  "），抗滑移系数μ=" + Fmt2(r.mu) + "（" + clause.slip + "）\r\n";
        report += std::string("一个高强螺栓的单面抗剪承载力 ") + clause.frictionFormula + "=" +
                  Fmt2(r.nvb) + "kN（" + clause.frictionClause + "）\r\n";
        boltCheckName = "螺栓剪力 N/Nvb";
    } else {
        double ftb = 0, fvb = 0;
        double fcb = 0;
        bool known = false;
        if (e2017) {
            // Table 4.4.6 lists grade C bolts 4.6 and 4.8 in one row.
            const auto strength = GetOrdinaryBoltStrength2017("4.6/4.8");
            fcb = GetBearingStrength2017(GradeName(in.grade), 'C');
            known = strength.has_value() && (in.boltClass == 46 || in.boltClass == 48);
            fvb = known ? strength->fvb : 0;
        } else {
            fcb = GetBoltBearingStrength(kCodeGB50017, in.grade, in.boltClass);
            known = GetBoltStrength(kCodeGB50017, in.boltClass, ftb, fvb);
        }
        if (!known || fcb <= 0) {
            return Refused(r, "规范未给出这种螺栓或钢号的强度");
        }
        const double sumT = std::min(in.tw, in.ts);
        r.nvb = kPi7 * in.d * in.d / 4 * fvb * 0.001;
        r.ncb = in.d * sumT * fcb * 0.001;
        r.nb = std::min(r.nvb, r.ncb);
        report += "fvb=" + Fmt2(fvb) + "N/mm2，fcb=" + Fmt2(fcb) + "N/mm2（" +
                  clause.boltStrengths + "）\r\n";
        report += "一个螺栓的单面抗剪承载力 Nvb=π*d^2/4*fvb=" + Fmt2(r.nvb) + "kN（" +
                  clause.shearFormula + "）\r\n";
        report += "Σt=min(tw,ts)=" + Fmt2(sumT) + "mm，承压承载力 Ncb=d*Σt*fcb=" + Fmt2(r.ncb) +
                  "kN（" + clause.bearingFormula + "）\r\n";
        report += "一个螺栓的承载力设计值 Nb=min(Nvb,Ncb)=" + Fmt2(r.nb) + "kN\r\n";
        boltCheckName = "螺栓剪力 N/Nb";
    }
    const Check boltCheck{boltCheckName, r.nDesign, r.nb};
    report += Comparison(boltCheck, "N", friction ? "Nvb" : "Nb", "kN") + "\r\n";

    // The two fillet welds of the stiffener along its height, under V and V·e.
    // ffw of table 3.4.1-3 does not vary with the plate thickness.
    // 2017: table 4.4.5 by the electrode, the grade's usual one.
    std::string electrode;
    if (e2017) {
        const auto electrodes = Electrodes2017(GradeName(in.grade));
        const std::optional<double> ffw =
            electrodes.empty() ? std::nullopt
                               : GetFilletWeldStrength2017(GradeName(in.grade), electrodes[0]);
        if (!ffw) {
            return Refused(r, "GB50017-2017表4.4.5未给出" + GradeName(in.grade) +
                                  "钢材角焊缝的强度设计值");
        }
        electrode = electrodes[0];
        r.ffw = *ffw;
    } else {
        double fcw = 0, ftw = 0, fvw = 0;
        GetWeldStrength(in.grade, 10, 2, fcw, ftw, fvw, r.ffw);
    }
    r.he = 0.7 * in.hf;
    double sigmaN = 0;
    FilletWeldPairStress(0, in.v, r.m, r.he, r.lw, in.betaF, &sigmaN, &r.sigmaM, &r.tauV,
                         &r.sigmaFs);
    const Check weldCheck{"加劲肋焊缝应力 σfs/ffw", r.sigmaFs, r.ffw};
    report += "\r\n-----加劲肋与主梁腹板的连接焊缝（两条角焊缝）-----\r\n";
    report += "he=0.7*hf=" + Fmt2(r.he) + "mm，" + clause.weldLength + " lw=l-2*hf=" + Fmt2(r.lw) +
              "mm\r\n";
    if (e2017) {
        report += "角焊缝强度设计值ffw=" + Fmt2(r.ffw) + "N/mm2（GB50017-2017表4.4.5，" +
                  electrode + "型焊条）\r\n";
    }
    report += "σ_M=6*M/(2*he*lw^2)=" + Fmt2(r.sigmaM) + "N/mm2\r\n";
    report += "τ_V=V/(2*he*lw)=" + Fmt2(r.tauV) + "N/mm2\r\n";
    report += "βf=" + Fmt2(in.betaF) + "，" +
              Comparison(weldCheck, "σfs=sqrt((σ_M/βf)^2+τ_V^2)", "ffw", "N/mm2");

    if (!AllFinite({r.m, r.sumY2, r.n1M, r.nV, r.n1, r.nAmp, r.nb, r.sigmaM, r.tauV, r.sigmaFs})) {
        r.notices.push_back(OutOfComputableRange());
        return r;
    }
    r.report = std::move(report);
    r.checks = {boltCheck, weldCheck};
    return r;
}

} // namespace ferrolab
