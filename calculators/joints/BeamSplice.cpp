#include "calculators/joints/BeamSplice.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "calculators/joints/FrictionBolts.h"
#include "engine/Bolts.h"
#include "engine/Format.h"
#include "engine/ISection.h"
#include "engine/Materials2017.h"
#include "engine/SectionRecord.h"
#include "sections/SectionLists.h"

namespace ferrolab {
namespace {

constexpr std::array kBeamKinds = {"焊接工字形", "轧制H型钢"};
constexpr std::array kMethods = {"按内力设计", "按等强度设计"};
constexpr std::array kGrades = {"Q235", "Q345", "Q390", "Q420"};
constexpr std::array kBoltGrades = {"8.8", "10.9"};
constexpr std::array kDiameters = {"M16", "M20", "M22", "M24", "M27", "M30"};
constexpr std::array kFlangePlates = {"仅外侧盖板", "外侧和内侧盖板"};
constexpr std::array kFlangeLines = {"2", "4"};
constexpr std::array kFlangeRows = {"1", "2", "3", "4", "5", "6", "7", "8"};
constexpr std::array kWebRows = {"2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11",
                                 "12", "13", "14", "15", "16", "17", "18", "19", "20"};
constexpr std::array kWebColumns = {"1", "2", "3"};

// "<= ...，满足" or "> ...，不满足", as the check decides.
std::string Verdict(const Check& check) {
    return Satisfied(check) ? "，满足" : "，不满足";
}
std::string Compare(const Check& check, const std::string& demand, const std::string& limit,
                    const char* unit) {
    const bool ok = Satisfied(check);
    return demand + "=" + Fmt2(check.demand) + unit + (ok ? " <= " : " > ") + limit + "=" +
           Fmt2(check.capacity) + unit + Verdict(check);
}

// f and fv of a plate of the grade and thickness; false above the table.
bool Strength(SteelGrade grade, double t, double& f, double& fv) {
    double fce = 0;
    return GetSteelStrength(grade, t, f, fv, fce) && f > 0;
}

// The same from table 4.4.1 of GB50017-2017.
bool Strength2017(SteelGrade grade, double t, double& f, double& fv) {
    const auto steel = GetSteelStrength2017(GradeName(grade), t);
    if (!steel) {
        return false;
    }
    f = steel->f;
    fv = steel->fv;
    return f > 0;
}

} // namespace

std::span<const char* const> SpliceBeamKindNames() {
    return kBeamKinds;
}
std::span<const char* const> SpliceSurfaceNames(int edition) {
    return edition == kSteel2017 ? FayingSurfaces2017() : FayingSurfaceNames(kCodeGB50017);
}
std::span<const char* const> SpliceMethodNames() {
    return kMethods;
}
std::span<const char* const> SpliceGradeNames() {
    return kGrades;
}
std::span<const char* const> SpliceBoltGradeNames() {
    return kBoltGrades;
}
std::span<const char* const> SpliceDiameterNames() {
    return kDiameters;
}
std::span<const char* const> SpliceFlangePlateNames() {
    return kFlangePlates;
}
std::span<const char* const> SpliceFlangeLineNames() {
    return kFlangeLines;
}
std::span<const char* const> SpliceFlangeRowNames() {
    return kFlangeRows;
}
std::span<const char* const> SpliceWebRowNames() {
    return kWebRows;
}
std::span<const char* const> SpliceWebColumnNames() {
    return kWebColumns;
}

std::vector<std::string> SpliceRolledHNames() {
    std::vector<std::string> names;
    for (NameList series : {HWNames(), HMNames(), HNNames()}) {
        names.insert(names.end(), series.begin(), series.end());
    }
    return names;
}

double LongJointFactor(double l1, double d0) {
    if (l1 <= 15 * d0) {
        return 1.0;
    }
    return std::max(0.7, 1.1 - l1 / (150 * d0));
}

BeamSpliceResult ComputeBeamSplice(const BeamSpliceInput& in) {
    BeamSpliceResult r;
    const bool byForces = in.method == kSpliceByForces;
    const double d0 = in.d0();

    // The beam: flange B × tf, web hw × tw (hw between the flanges), and the depth the web
    // plates may take (a rolled web less its root radii).
    double b = in.b, tf = in.tf, hw = in.hw, tw = in.tw, clearWeb = in.hw;
    std::string beamLine;
    if (in.beamKind == kSpliceRolledH) {
        RolledHSection h;
        if (!LoadSectionRecord(in.section, h)) {
            r.notices.push_back(SectionNotFound(in.section));
            return r;
        }
        b = h.b, tf = h.tf, tw = h.tw, hw = h.h - 2 * h.tf;
        clearWeb = hw - 2 * h.r;
        r.ix = h.Ix * 1e4;
        beamLine = "轧制H型钢 " + in.section + "，h=" + Fmt2(h.h) + "mm，B×tf=" + Fmt2(b) + "×" +
                   Fmt2(tf) + "mm，tw=" + Fmt2(tw) + "mm，Ix=" + FormatNumber("%.4e", r.ix) +
                   "mm4\r\n";
    } else {
        if (!(in.b > 0 && in.tf > 0 && in.hw > 0 && in.tw > 0)) {
            return Refused(r, "焊接工字形截面的尺寸B、tf、hw、tw必须大于0");
        }
        double iy = 0, yb = 0, s = 0;
        CalcISectionProps(b, tf, hw, tw, b, tf, &r.ix, &iy, &yb, &s);
        beamLine = "焊接工字形 B×tf=" + Fmt2(b) + "×" + Fmt2(tf) + "mm，hw×tw=" + Fmt2(hw) + "×" +
                   Fmt2(tw) + "mm，h=" + Fmt2(hw + 2 * tf) +
                   "mm，Ix=" + FormatNumber("%.4e", r.ix) + "mm4\r\n";
    }

    // Sizes and forces.
    if (!(in.bo > 0 && in.to > 0) || (in.innerPlates && !(in.bi > 0 && in.ti > 0)) ||
        !(in.hp > 0 && in.tp > 0)) {
        return Refused(r, "拼接板的宽度（高度）和厚度必须大于0");
    }
    if (!(in.gauge > 0 && in.pitch > 0 && in.endDistance > 0 && in.pv > 0 && in.ew > 0) ||
        (in.webCols > 1 && !(in.ph > 0))) {
        return Refused(r, "螺栓的间距和端距必须大于0");
    }
    if (in.lines < 2 || in.rows < 1 || in.webRows < 2 || in.webCols < 1) {
        return Refused(r, "螺栓的行数和列数不足");
    }
    if (!(in.clearance >= 0)) {
        return Refused(r, "螺栓孔径与螺栓直径的差不能为负值");
    }
    if (byForces && !(in.m >= 0 && in.v >= 0)) {
        return Refused(r, "弯矩M和剪力V不能为负值（按绝对值输入）");
    }
    if (!AllFinite({in.m * 1e6, in.v * 1e3, r.ix})) {
        r.notices.push_back(OutOfComputableRange());
        return r;
    }

    // Layout, GB50017-2003 table 8.3.4; a value exactly at its limit passes.
    const bool e2017 = in.edition == kSteel2017;
    const std::string rule =
        e2017 ? "，不符合GB50017-2017表11.5.2的规定" : "，不符合GB50017-2003表8.3.4的规定";
    // 2017 states the long-joint reduction unchanged; the reference gives no number for it.
    const char* longJoint = e2017 ? "（GB50017-2017长连接承载力折减规定）" : "（第7.2.4条）";
    auto below = [&](const std::string& what, double value, const char* limitName, double limit) {
        return Refused(r, what + "=" + Fmt2(value) + "mm小于" + limitName + "=" + Fmt2(limit) +
                              "mm" + rule);
    };
    if (in.gauge < 3 * d0) {
        return below("翼缘螺栓线距g", in.gauge, "3d0", 3 * d0);
    }
    if (in.rows > 1 && in.pitch < 3 * d0) {
        return below("翼缘螺栓沿梁长的间距p", in.pitch, "3d0", 3 * d0);
    }
    if (in.endDistance < 2 * d0) {
        return below("翼缘螺栓端距ea", in.endDistance, "2d0", 2 * d0);
    }
    const double flangeEdge = (std::min(b, in.bo) - (in.lines - 1) * in.gauge) / 2;
    if (flangeEdge < 1.5 * d0) {
        return below("翼缘螺栓边距(min(B,bo)-(m-1)*g)/2", flangeEdge, "1.5d0", 1.5 * d0);
    }
    if (in.innerPlates && 2 * in.bi + tw > b) {
        return Refused(r, "内侧盖板宽度bi过大：2*bi+tw=" + Fmt2(2 * in.bi + tw) +
                              "mm大于翼缘宽度B=" + Fmt2(b) + "mm");
    }
    if (in.pv < 3 * d0) {
        return below("腹板螺栓行距pv", in.pv, "3d0", 3 * d0);
    }
    if (in.webCols > 1 && in.ph < 3 * d0) {
        return below("腹板螺栓列距ph", in.ph, "3d0", 3 * d0);
    }
    if (in.ew < 2 * d0) {
        return below("腹板螺栓端距ew", in.ew, "2d0", 2 * d0);
    }
    const double webEdge = (in.hp - (in.webRows - 1) * in.pv) / 2;
    if (webEdge < 1.5 * d0) {
        return below("腹板拼接板螺栓边距(hp-(nr-1)*pv)/2", webEdge, "1.5d0", 1.5 * d0);
    }
    if (in.hp > clearWeb) {
        return Refused(r, "腹板拼接板高度hp=" + Fmt2(in.hp) + "mm大于腹板可用高度" +
                              Fmt2(clearWeb) + "mm");
    }

    // Strengths of the parts by their thickness.
    double fFlange = 0, fvFlange = 0, fWeb = 0, fvWeb = 0, fPlate = 0, fvPlate = 0, fWebPlate = 0,
           fvWebPlate = 0;
    const double plateT = in.innerPlates ? std::max(in.to, in.ti) : in.to;
    const auto strength = e2017 ? Strength2017 : Strength;
    if (!strength(in.grade, tf, fFlange, fvFlange) || !strength(in.grade, tw, fWeb, fvWeb) ||
        !strength(in.grade, plateT, fPlate, fvPlate) ||
        !strength(in.grade, in.tp, fWebPlate, fvWebPlate)) {
        return Refused(r, e2017 ? "板厚超出GB50017-2017表4.4.1的范围"
                                : "板厚超出GB50017-2003表3.4.1-1的范围");
    }

    // Bolts. The 2017 hole factor k is 1.0 for the standard hole: the same product as 2003.
    const auto slip = FrictionSlipTerms(e2017, in.grade, in.surface, in.boltClass, in.d);
    if (const auto* refusal = std::get_if<std::string>(&slip)) {
        return Refused(r, *refusal);
    }
    r.mu = std::get<SlipTerms>(slip).mu;
    r.pretension = std::get<SlipTerms>(slip).pretension;
    const int nfFlange = in.innerPlates ? 2 : 1;
    const double nvbFlange = GetFrictionCapacity(nfFlange, r.pretension, r.mu);
    const double nvbWeb = GetFrictionCapacity(2, r.pretension, r.mu);
    const double flangeLength = (in.rows - 1) * in.pitch;
    const double webLength = (in.webCols - 1) * in.ph;
    const double etaFlange = LongJointFactor(flangeLength, d0);
    const double etaWeb = LongJointFactor(webLength, d0);
    r.nvbFlange = etaFlange * nvbFlange;
    r.nvbWeb = etaWeb * nvbWeb;

    // Force split.
    r.iw = tw * hw * hw * hw / 12;
    r.h1 = hw + tf;
    const double flangeArea = b * tf;
    const double flangeNet = (b - in.lines * d0) * tf;
    const double webNetShear = (hw - in.webRows * d0) * tw * fvWeb * 0.001; // kN
    if (!(flangeNet > 0) || !(webNetShear > 0)) {
        return Refused(r, "螺栓孔削弱后翼缘或腹板的净截面不大于0");
    }
    std::string report = byForces ? "-----截面与内力分配（按内力设计）-----\r\n"
                                  : "-----截面（按等强度设计）-----\r\n";
    report += beamLine;
    double vWeb = in.v;
    if (byForces) {
        r.mw = in.m * r.iw / r.ix;
        r.nf = (in.m - r.mw) * 1000 / r.h1;
        report +=
            "Iw=tw*hw^3/12=" + FormatNumber("%.4e", r.iw) + "mm4，h1=h-tf=" + Fmt2(r.h1) + "mm\r\n";
        report += "腹板分担的弯矩 Mw=M*Iw/Ix=" + Fmt2(r.mw) + "kN*m\r\n";
        report += "翼缘轴力 Nf=(M-Mw)/h1=" + Fmt2(r.nf) + "kN\r\n";
    } else {
        r.nf = flangeNet * fFlange * 0.001;
        vWeb = webNetShear;
        report += "翼缘净截面承载力 Nf=An*f=(B-m*d0)*tf*f=" + Fmt2(r.nf) + "kN\r\n";
        report += "腹板净截面受剪承载力 Vn=(hw-nr*d0)*tw*fv=" + Fmt2(vWeb) + "kN\r\n";
    }
    report += "螺栓：" + std::string(in.boltClass == 109 ? "10.9级" : "8.8级") + " M" +
              FormatNumber("%d", in.d) + " 摩擦型高强螺栓，d0=" + Fmt2(d0) +
              "mm，P=" + FormatNumber("%d", r.pretension) + "kN，μ=" + Fmt2(r.mu) +
              (e2017 ? "（表11.4.2-2、表11.4.2-1，标准孔k=1.0）" : "") + "\r\n";

    // Flange splice.
    const int n = in.lines * in.rows;
    r.flangeBolt = r.nf / n;
    report += "\r\n-----翼缘拼接（每侧）-----\r\n";
    report += "螺栓 n=m*k=" + FormatNumber("%d", in.lines) + "*" + FormatNumber("%d", in.rows) +
              "=" + FormatNumber("%d", n) + "，nf=" + FormatNumber("%d", nfFlange) +
              (e2017 ? "，Nvb=0.9*k*nf*μ*P=" : "，Nvb=0.9*nf*μ*P=") + Fmt2(nvbFlange) + "kN\r\n";
    if (etaFlange < 1) {
        report += "连接长度 l1=(k-1)*p=" + Fmt2(flangeLength) +
                  "mm>15d0，η=1.1-l1/(150*d0)=" + Fmt3(etaFlange) + longJoint +
                  "，η*Nvb=" + Fmt2(r.nvbFlange) + "kN\r\n";
    }
    const Check flangeBolts{"翼缘螺栓剪力 N/Nvb", r.flangeBolt, r.nvbFlange};
    report += Compare(flangeBolts, "N=Nf/n", "Nvb", "kN") + "\r\n";

    const double reduction = 1 - 0.5 * in.lines / n;
    const double sigmaNet = reduction * r.nf * 1000 / flangeNet;
    const double sigmaGross = r.nf * 1000 / flangeArea;
    r.flangeSigma = std::max(sigmaNet, sigmaGross);
    const Check flangeSection{"翼缘截面应力 σ/f", r.flangeSigma, fFlange};
    report += "翼缘净截面 An=(B-m*d0)*tf=" + Fmt2(flangeNet) +
              "mm2，n1=m=" + FormatNumber("%d", in.lines) + "\r\n";
    report += "σn=(1-0.5*n1/n)*Nf/An=" + Fmt2(sigmaNet) + "N/mm2，σ=Nf/(B*tf)=" + Fmt2(sigmaGross) +
              "N/mm2\r\n";
    report += Compare(flangeSection, "max(σn,σ)", "f", "N/mm2") + "\r\n";

    r.plateArea = in.bo * in.to + (in.innerPlates ? 2 * in.bi * in.ti : 0);
    const double plateNet = (in.bo - in.lines * d0) * in.to +
                            (in.innerPlates ? (2 * in.bi - in.lines * d0) * in.ti : 0);
    if (!(plateNet > 0)) {
        return Refused(r, "螺栓孔削弱后盖板的净截面不大于0，请加大盖板宽度");
    }
    const Check plateAreaCheck{"盖板面积 Af/Ap", flangeArea, r.plateArea};
    report += std::string(in.innerPlates ? "盖板面积 Ap=bo*to+2*bi*ti=" : "盖板面积 Ap=bo*to=") +
              Fmt2(r.plateArea) + "mm2" + (Satisfied(plateAreaCheck) ? " >= " : " < ") +
              "翼缘面积 Af=B*tf=" + Fmt2(flangeArea) + "mm2" + Verdict(plateAreaCheck) + "\r\n";
    const double plateSigmaNet = reduction * r.nf * 1000 / plateNet;
    const double plateSigmaGross = r.nf * 1000 / r.plateArea;
    r.plateSigma = std::max(plateSigmaNet, plateSigmaGross);
    const Check plateStress{"盖板应力 σ/f", r.plateSigma, fPlate};
    report += "盖板净截面 Apn=" + Fmt2(plateNet) +
              "mm2，σn=(1-0.5*n1/n)*Nf/Apn=" + Fmt2(plateSigmaNet) +
              "N/mm2，σ=Nf/Ap=" + Fmt2(plateSigmaGross) + "N/mm2\r\n";
    report += Compare(plateStress, "max(σn,σ)", "f", "N/mm2") + "\r\n";

    // Web splice: one side's bolt group about its centroid under V and M' = Mw + V·e.
    const double e = in.ew + (in.webCols - 1) * in.ph / 2;
    const double mGroup = (byForces ? r.mw : 0) + vWeb * e * 0.001;
    const BoltGroupForces group =
        GetBoltGroupForces(mGroup, 0, vWeb, in.webRows, in.webCols, in.pv, in.ph);
    if (!group.valid) {
        return Refused(r, "螺栓的间距和端距必须大于0");
    }
    r.webBolt = group.nMax;
    report += "\r\n-----腹板拼接（每侧）-----\r\n";
    report +=
        "螺栓 nr×nc=" + FormatNumber("%d", in.webRows) + "×" + FormatNumber("%d", in.webCols) +
        (e2017 ? "，nf=2，Nvb=0.9*k*nf*μ*P=" : "，nf=2，Nvb=0.9*nf*μ*P=") + Fmt2(nvbWeb) + "kN\r\n";
    if (etaWeb < 1) {
        report += "连接长度 l1=(nc-1)*ph=" + Fmt2(webLength) +
                  "mm>15d0，η=1.1-l1/(150*d0)=" + Fmt3(etaWeb) + longJoint +
                  "，η*Nvb=" + Fmt2(r.nvbWeb) + "kN\r\n";
    }
    report += "e=ew+(nc-1)*ph/2=" + Fmt2(e) + "mm，";
    report += byForces ? "M'=Mw+V*e=" : "M'=Vn*e=";
    report += Fmt2(mGroup) + "kN*m\r\n";
    report += "Σ(xi^2+yi^2)=" + Fmt2(group.sumA + group.sumB) + "mm2\r\n";
    report += "N1x=M'*y1/Σ=" + Fmt2(group.nxM) + "kN，N1y=M'*x1/Σ=" + Fmt2(group.nyM) + "kN，" +
              (byForces ? "Nv=V/n=" : "Nv=Vn/n=") + Fmt2(group.nyV) + "kN\r\n";
    const Check webBolts{"腹板螺栓剪力 N1/Nvb", r.webBolt, r.nvbWeb};
    report += Compare(webBolts, "N1=sqrt(N1x^2+(N1y+Nv)^2)", "Nvb", "kN") + "\r\n";

    std::vector<Check> checks = {flangeBolts, flangeSection, plateAreaCheck, plateStress, webBolts};
    report += "腹板拼接板 2×tp×hp=2×" + Fmt2(in.tp) + "×" + Fmt2(in.hp) + "mm\r\n";
    if (byForces) {
        r.webSigma = r.mw * 1e6 / (2 * in.tp * in.hp * in.hp / 6);
        r.webTau = 1.5 * vWeb * 1000 / (2 * in.tp * in.hp);
        const Check sigma{"腹板拼接板正应力 σ/f", r.webSigma, fWebPlate};
        const Check tau{"腹板拼接板剪应力 τ/fv", r.webTau, fvWebPlate};
        report += Compare(sigma, "σ=Mw/(2*tp*hp^2/6)", "f", "N/mm2") + "\r\n";
        report += Compare(tau, "τ=1.5*V/(2*tp*hp)", "fv", "N/mm2") + "\r\n";
        const double ratio = 2 * in.tp * in.hp * in.hp * in.hp / 12 / r.iw;
        report += "拼接板惯性矩 2*tp*hp^3/12=" + Fmt3(ratio) + "*Iw（宜不小于Iw）";
        checks.push_back(sigma);
        checks.push_back(tau);
    } else {
        const double webPlateNet = 2 * in.tp * (in.hp - in.webRows * d0);
        if (!(webPlateNet > 0)) {
            return Refused(r, "螺栓孔削弱后腹板拼接板的净截面不大于0");
        }
        r.webTau = vWeb * 1000 / webPlateNet;
        const Check tau{"腹板拼接板剪应力 τ/fv", r.webTau, fvWebPlate};
        report += Compare(tau, "τ=Vn/(2*tp*(hp-nr*d0))", "fv", "N/mm2");
        checks.push_back(tau);
    }

    if (!AllFinite({r.ix, r.iw, r.mw, r.nf, r.flangeBolt, r.flangeSigma, r.plateSigma, r.webBolt,
                    r.webSigma, r.webTau, group.sumA, group.sumB})) {
        r.notices.push_back(OutOfComputableRange());
        return r;
    }
    r.report = std::move(report);
    r.checks = std::move(checks);
    return r;
}

} // namespace ferrolab
