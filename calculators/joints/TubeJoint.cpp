#include "calculators/joints/TubeJoint.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "engine/Format.h"
#include "engine/Materials2017.h"
#include "engine/Welds2017.h"

namespace ferrolab {
namespace {

constexpr std::array kKinds = {"X形节点", "T形(Y形)节点", "K形间隙节点"};
constexpr std::array kGrades = {"Q235", "Q345", "Q390", "Q420"};
constexpr std::array kSenses = {"受压", "受拉"};

// The weld length's angle term, 0.534/sinθ + 0.466. The printed 2017 text reads 0.446 for the
// second constant, but the formula is stated to be unchanged from 2003 and only 0.466 makes the
// term 1 for a branch at right angles (0.534 + 0.466 = 1): 0.466 is used.
constexpr double kWeldAngleA = 0.534;
constexpr double kWeldAngleB = 0.466;

double SinDegrees(double degrees) {
    return std::sin(degrees * std::numbers::pi / 180.0);
}

// "<= ...，满足" or "> ...，不满足", as the check decides.
std::string Comparison(const Check& check, const std::string& demand, const std::string& limit) {
    const bool ok = Satisfied(check);
    return demand + "=" + Fmt2(check.demand) + "kN" + (ok ? " <= " : " > ") + limit + "=" +
           Fmt2(check.capacity) + "kN" + (ok ? "，满足" : "，不满足");
}

struct Branch {
    const char* name;      // "支管" or "受压支管", "受拉支管"
    const char* d;         // "d1"
    const char* t;         // "t1"
    const char* thetaName; // "θ1"
    double di, ti, theta;
};

// The clauses the report and the refusals cite, by edition.
struct Clauses {
    const char* chapter;
    const char* steelTable;
    const char* chordRatio;
    const char* branchRatio;
    const char* beta;
    const char* theta;
    const char* eccentricity;
    const char* capacity;
    const char* weld;
};
constexpr Clauses kClauses2003 = {
    .chapter = "GB50017-2003第10章",
    .steelTable = "GB50017-2003表3.4.1-1",
    .chordRatio = "GB50017-2003第10.1.2条",
    .branchRatio = "（di/ti≤60且≤100*(235/fy)），不符合GB50017-2003第10.1.2、10.3.3条",
    .beta = "GB50017-2003第10.3.3条",
    .theta = "GB50017-2003第10.3.3条（θ≥30°）",
    .eccentricity = "GB50017-2003第10.1.5条",
    .capacity = "第10.3.3条",
    .weld = "第10.3.2条",
};
constexpr Clauses kClauses2017 = {
    .chapter = "GB50017-2017第13章",
    .steelTable = "GB50017-2017表4.4.1",
    .chordRatio = "GB50017-2017第13.1.2条",
    .branchRatio = "（di/ti≤100*(235/fy)），不符合GB50017-2017第13.1.2条",
    .beta = "GB50017-2017第13.3.1条",
    .theta = "GB50017-2017第13.3.1条（θ≥30°）",
    .eccentricity = "GB50017-2017第13.2.1条",
    .capacity = "第13.3.2条",
    .weld = "第13.3.9条",
};

} // namespace

std::span<const char* const> TubeJointKindNames() {
    return kKinds;
}
std::span<const char* const> TubeGradeNames() {
    return kGrades;
}
std::span<const char* const> TubeForceSenseNames() {
    return kSenses;
}

double TubeWeldLength(double di, double chordD, double thetaDegrees) {
    const double angle = kWeldAngleA / SinDegrees(thetaDegrees) + kWeldAngleB;
    if (di / chordD <= 0.65) {
        return (3.25 * di - 0.025 * chordD) * angle;
    }
    return (3.81 * di - 0.389 * chordD) * angle;
}

TubeJointResult ComputeTubeJoint(const TubeJointInput& in) {
    TubeJointResult r;
    const bool k = in.kind == TubeJointKind::K;
    std::vector<Branch> branches = {
        {k ? "受压支管" : "支管", "d1", "t1", "θ1", in.d1, in.t1, in.theta1}};
    if (k) {
        branches.push_back({"受拉支管", "d2", "t2", "θ2", in.d2, in.t2, in.theta2});
    }
    const double dC = in.chordD;
    const double tC = in.chordT;

    // Sizes and forces.
    bool sizes = dC > 0 && tC > 0 && in.hf > 0;
    for (const Branch& b : branches) {
        sizes = sizes && b.di > 0 && b.ti > 0;
    }
    if (!sizes) {
        return Refused(r, "主管和支管的外径、壁厚及焊脚尺寸hf必须大于0");
    }
    if (!(in.n1 > 0) || (k && !(in.n2 > 0))) {
        return Refused(r, k ? "支管轴力N1、N2必须大于0（按绝对值输入）"
                            : "支管轴力N必须大于0（按绝对值输入）");
    }
    bool walls = 2 * tC < dC;
    bool finite = AllFinite({dC / tC, in.hf / tC});
    for (const Branch& b : branches) {
        walls = walls && 2 * b.ti < b.di;
        finite = finite && AllFinite({b.di / b.ti, b.di / dC, in.hf / b.ti});
    }
    if (!walls) {
        return Refused(r, "钢管的壁厚必须小于外径的一半");
    }
    if (!finite) {
        r.notices.push_back(OutOfComputableRange());
        return r;
    }
    const bool e2017 = in.edition == kSteel2017;
    const Clauses& clause = e2017 ? kClauses2017 : kClauses2003;
    // fy of a tube of wall t: 2017 reads it from table 4.4.1 with f.
    auto yieldOf = [&](double wall) {
        if (e2017) {
            const auto steel = GetSteelStrength2017(GradeName(in.grade), wall);
            return steel ? steel->fy : 0.0;
        }
        return double(GetYieldStrength(in.grade, wall));
    };
    if (e2017) {
        const auto steel = GetSteelStrength2017(GradeName(in.grade), tC);
        const auto electrodes = Electrodes2017(GradeName(in.grade));
        const std::optional<double> ffw =
            electrodes.empty() ? std::nullopt
                               : GetFilletWeldStrength2017(GradeName(in.grade), electrodes[0]);
        if (!steel || !ffw) {
            return Refused(r, std::string("主管壁厚t超出") + clause.steelTable + "的范围");
        }
        r.f = steel->f;
        r.fy = steel->fy;
        r.ffw = *ffw;
    } else {
        double fv = 0, fce = 0;
        if (!GetSteelStrength(in.grade, tC, r.f, fv, fce)) {
            return Refused(r, "主管壁厚t超出GB50017-2003表3.4.1-1的范围");
        }
        r.fy = GetYieldStrength(in.grade, tC);
        double fcw = 0, ftw = 0, fvw = 0;
        GetWeldStrength(in.grade, tC, 2, fcw, ftw, fvw, r.ffw);
    }

    // Validity limits of the joint formulas.
    const double chordLimit = 100 * 235 / r.fy;
    if (dC / tC > chordLimit) {
        return Refused(r, "主管的外径与壁厚之比D/t=" + Fmt2(dC / tC) + "超过100*(235/fy)=" +
                              Fmt2(chordLimit) + "，不符合" + clause.chordRatio);
    }
    for (const Branch& b : branches) {
        const double fyBranch = yieldOf(b.ti);
        if (!(fyBranch > 0)) {
            return Refused(r, std::string(b.name) + "壁厚" + b.t + "超出" + clause.steelTable +
                                  "的范围");
        }
        // 2017 13.1.2 keeps 100·εk² for every tube; the 60 of 2003 10.3.3 is not repeated.
        const double slenderLimit = 100 * 235 / fyBranch;
        const double limit = e2017 ? slenderLimit : std::min(60.0, slenderLimit);
        if (b.di / b.ti > limit) {
            return Refused(r, std::string(b.name) + "的外径与壁厚之比" + b.d + "/" + b.t + "=" +
                                  Fmt2(b.di / b.ti) + "超过" + Fmt2(limit) + clause.branchRatio);
        }
        const double beta = b.di / dC;
        if (beta < 0.2 || beta > 1.0) {
            return Refused(r, std::string(b.name) + "与主管的外径之比β=" + b.d + "/D=" +
                                  Fmt4(beta) + "不在0.2～1.0的范围内，不符合" + clause.beta);
        }
        if (b.ti > tC) {
            return Refused(r, std::string(b.name) + "壁厚" + b.t + "=" + Fmt2(b.ti) +
                                  "mm大于主管壁厚t=" + Fmt2(tC) +
                                  "mm，主管的壁厚不应小于支管的壁厚");
        }
        if (e2017 && b.ti < 0.2 * tC) {
            return Refused(r, std::string(b.name) + "与主管的壁厚之比" + b.t + "/t=" +
                                  Fmt4(b.ti / tC) + "小于0.2，不符合GB50017-2017第13.3.1条");
        }
        if (!(b.theta >= 30 && b.theta <= 90)) {
            return Refused(r, std::string(b.name) + "轴线与主管轴线的夹角" + b.thetaName + "=" +
                                  Fmt2(b.theta) + "°不在30°～90°的范围内，不符合" + clause.theta);
        }
        if (in.hf > 2 * b.ti) {
            return Refused(r, "焊脚尺寸hf=" + Fmt2(in.hf) + "mm大于2*" + b.t + "=" +
                                  Fmt2(2 * b.ti) +
                                  "mm，支管与主管的角焊缝焊脚尺寸不宜大于支管壁厚的2倍");
        }
    }
    if (k) {
        if (!(in.gap >= in.t1 + in.t2)) {
            return Refused(r, "两支管间的间隙a=" + Fmt2(in.gap) + "mm小于t1+t2=" +
                                  Fmt2(in.t1 + in.t2) + "mm，不符合K形间隙节点a≥t1+t2的规定");
        }
        // The branch axes meet at e from the chord axis (positive away from the branches).
        const double s1 = SinDegrees(in.theta1);
        const double s2 = SinDegrees(in.theta2);
        r.eccentricity = (in.d1 / (2 * s1) + in.d2 / (2 * s2) + in.gap) * s1 * s2 /
                             SinDegrees(in.theta1 + in.theta2) -
                         dC / 2;
        const double ratio = r.eccentricity / dC;
        if (!(ratio >= -0.55 && ratio <= 0.25)) {
            return Refused(r, "支管轴线交点的偏心e/D=" + Fmt4(ratio) +
                                  "不在-0.55～0.25的范围内，不符合" + clause.eccentricity);
        }
    }
    if (in.sigma > r.f) {
        return Refused(r, "主管压应力σ=" + Fmt2(in.sigma) +
                              "N/mm2大于主管的强度设计值f=" + Fmt2(r.f) + "N/mm2");
    }

    // Chord stress factor ψn (10.3.3-2); 1 with the chord in tension.
    const double s = in.sigma / r.fy;
    r.psiN = in.sigma > 0 ? 1 - 0.3 * s - 0.3 * s * s : 1.0;
    r.beta = in.d1 / dC;
    const double t2f = tC * tC * r.f * 0.001; // kN
    const double sin1 = SinDegrees(in.theta1);
    const double slender = std::pow(dC / tC, 0.2);
    r.psiD = r.beta <= 0.7 ? 0.069 + 0.93 * r.beta : 2 * r.beta - 0.68;

    std::string report = std::string("-----节点几何（") + clause.chapter + "）-----\r\n";
    report += "主管 D×t=" + Fmt2(dC) + "×" + Fmt2(tC) + "mm，f=" + Fmt2(r.f) +
              "N/mm2，fy=" + Fmt2(r.fy) + "N/mm2" + (e2017 ? "（表4.4.1）" : "") +
              "，D/t=" + Fmt2(dC / tC) + "\r\n";
    for (const Branch& b : branches) {
        report += std::string(b.name) + " " + b.d + "×" + b.t + "=" + Fmt2(b.di) + "×" +
                  Fmt2(b.ti) + "mm，" + b.thetaName + "=" + Fmt2(b.theta) + "°，" + b.d +
                  "/D=" + Fmt4(b.di / dC) + "\r\n";
    }
    if (k) {
        report += "间隙a=" + Fmt2(in.gap) + "mm，支管轴线交点偏心e=" + Fmt2(r.eccentricity) +
                  "mm，e/D=" + Fmt4(r.eccentricity / dC) + "\r\n";
    }
    report += std::string("\r\n-----节点承载力（") + clause.capacity + "）-----\r\n";
    if (in.sigma > 0) {
        report += "主管压应力σ=" + Fmt2(in.sigma) +
                  "N/mm2，ψn=1-0.3*σ/fy-0.3*(σ/fy)^2=" + Fmt4(r.psiN) + "\r\n";
    } else {
        report += "主管受拉，ψn=1.0\r\n";
    }
    report += "β=d1/D=" + Fmt4(r.beta) + "\r\n";
    const char* psiDText = r.beta <= 0.7 ? "ψd=0.069+0.93*β=" : "ψd=2*β-0.68=";

    std::string demand1 = k ? "N1" : "N";
    std::string name1;
    switch (in.kind) {
    case TubeJointKind::X: {
        const double ncx = 5.45 / ((1 - 0.81 * r.beta) * sin1) * r.psiN * t2f;
        report += "受压支管：NcX=5.45/((1-0.81*β)*sinθ1)*ψn*t^2*f=" + Fmt2(ncx) + "kN\r\n";
        if (in.tension) {
            r.capacity1 = 0.78 * slender * ncx;
            report += "受拉支管：NtX=0.78*(D/t)^0.2*NcX=" + Fmt2(r.capacity1) + "kN\r\n";
            name1 = "NtX";
        } else {
            r.capacity1 = ncx;
            name1 = "NcX";
        }
        break;
    }
    case TubeJointKind::T: {
        const double nct = 11.51 / sin1 * slender * r.psiN * r.psiD * t2f;
        report += psiDText + Fmt4(r.psiD) + "\r\n";
        report += "受压支管：NcT=11.51/sinθ1*(D/t)^0.2*ψn*ψd*t^2*f=" + Fmt2(nct) + "kN\r\n";
        if (in.tension) {
            if (r.beta <= 0.6) {
                r.capacity1 = 1.4 * nct;
                report += "受拉支管（β≤0.6）：NtT=1.4*NcT=" + Fmt2(r.capacity1) + "kN\r\n";
            } else {
                r.capacity1 = (2 - r.beta) * nct;
                report += "受拉支管（β>0.6）：NtT=(2-β)*NcT=" + Fmt2(r.capacity1) + "kN\r\n";
            }
            name1 = "NtT";
        } else {
            r.capacity1 = nct;
            name1 = "NcT";
        }
        break;
    }
    case TubeJointKind::K: {
        r.psiA = 1 + (2.19 / (1 + 7.5 * in.gap / dC)) * (1 - 20.1 / (6.6 + dC / tC)) *
                         (1 - 0.77 * r.beta);
        report += psiDText + Fmt4(r.psiD) + "\r\n";
        report += "ψa=1+(2.19/(1+7.5*a/D))*(1-20.1/(6.6+D/t))*(1-0.77*β)=" + Fmt4(r.psiA) + "\r\n";
        r.capacity1 = 11.51 / sin1 * slender * r.psiN * r.psiD * r.psiA * t2f;
        r.capacity2 = sin1 / SinDegrees(in.theta2) * r.capacity1;
        report +=
            "受压支管：NcK=11.51/sinθ1*(D/t)^0.2*ψn*ψd*ψa*t^2*f=" + Fmt2(r.capacity1) + "kN\r\n";
        report += "受拉支管：NtK=sinθ1/sinθ2*NcK=" + Fmt2(r.capacity2) + "kN\r\n";
        name1 = "NcK";
        break;
    }
    }
    const Check joint1{(k ? "受压支管 N1/" : "支管轴力 N/") + name1, in.n1, r.capacity1};
    report += Comparison(joint1, demand1, name1) + "\r\n";
    std::vector<Check> checks = {joint1};
    if (k) {
        const Check joint2{"受拉支管 N2/NtK", in.n2, r.capacity2};
        report += Comparison(joint2, "N2", "NtK") + "\r\n";
        checks.push_back(joint2);
    }

    // Branch-to-chord welds, 10.3.2.
    report += std::string("\r\n-----支管与主管的连接焊缝（") + clause.weld + "）-----\r\n";
    report +=
        "he=0.7*hf=" + Fmt2(0.7 * in.hf) + "mm，ffw=" + Fmt2(r.ffw) + "N/mm2" +
        (e2017 ? "（表4.4.5，" + std::string(Electrodes2017(GradeName(in.grade))[0]) + "型焊条）"
               : std::string()) +
        "\r\n";
    for (std::size_t i = 0; i < branches.size(); ++i) {
        const Branch& b = branches[i];
        const double lw = TubeWeldLength(b.di, dC, b.theta);
        const double nf = 0.7 * in.hf * lw * r.ffw * 0.001;
        const std::string d = b.d;
        if (b.di / dC <= 0.65) {
            report +=
                d + "/D≤0.65：lw=(3.25*" + d + "-0.025*D)*(0.534/sin" + b.thetaName + "+0.466)=";
        } else {
            report +=
                d + "/D>0.65：lw=(3.81*" + d + "-0.389*D)*(0.534/sin" + b.thetaName + "+0.466)=";
        }
        report += Fmt2(lw) + "mm\r\n";
        const std::string nfName = k ? (i == 0 ? "Nf1" : "Nf2") : "Nf";
        report += nfName + "=0.7*hf*lw*ffw=" + Fmt2(nf) + "kN\r\n";
        const std::string demand = k ? (i == 0 ? "N1" : "N2") : "N";
        const Check weld{std::string(b.name) + "焊缝 " + demand + "/" + nfName,
                         i == 0 ? in.n1 : in.n2, nf};
        report += Comparison(weld, demand, nfName) + "\r\n";
        checks.push_back(weld);
        (i == 0 ? r.lw1 : r.lw2) = lw;
        (i == 0 ? r.weld1 : r.weld2) = nf;
    }
    report.erase(report.size() - 2); // no line end after the last line

    if (!AllFinite({r.psiN, r.psiD, r.psiA, r.eccentricity, r.capacity1, r.capacity2, r.lw1, r.lw2,
                    r.weld1, r.weld2, in.n1, k ? in.n2 : 0, in.sigma})) {
        r.notices.push_back(OutOfComputableRange());
        return r;
    }
    r.report = std::move(report);
    r.checks = std::move(checks);
    return r;
}

} // namespace ferrolab
