#include "calculators/connections/BoltConnection.h"

#include <cmath>

#include "engine/Bolts.h"
#include "engine/Format.h"
#include "engine/Materials2017.h"
#include "engine/Pi.h"

namespace ferrolab {
namespace {

std::vector<std::string> Numbers(int first, int last, int step) {
    std::vector<std::string> list;
    for (int i = first; i <= last; i += step) {
        list.push_back(std::to_string(i));
    }
    return list;
}

// The three capacity lines of an ordinary bolt, by code: the clauses of GB50017-2003 7.2.1 and
// GB50018-2002 6.1.4.
struct CapacityWording {
    const char* table;
    const char* tension;
    const char* shear;
    const char* bearing;
};

const CapacityWording kOrdinaryWording[] = {
    {"\r\n-----根据GB50017 -2003表3.4.1-4----\r\n",
     "  根据式7.2.1-5，一个螺栓的抗拉承载力设计值 Ntb = ftb*(π*de^2 /4) = ",
     "  根据式7.2.1-1，一个螺栓的抗剪承载力设计值 Nvb = n*fvb*(π*d^2 /4) =",
     "  根据式7.2.1-3，一个螺栓的抗压承载力设计值 Ncb = d* Σt *fcb= "},
    {"\r\n-----根据GB50018 -2002表4.2.5----\r\n",
     "  根据式6.1.4-1，一个螺栓的抗拉承载力设计值 Ntb = ftb*(π*de^2 /4) = ",
     "  根据式6.1.4-2，一个螺栓的抗剪承载力设计值 Nvb = n*fvb*(π*d^2 /4) =",
     "  根据式6.1.4-3，一个螺栓的抗压承载力设计值 Ncb = d* Σt *fcb= "},
};

const char* const kPretensionWording[] = {
    "根据规范GB50017-2003之表7.2.2-2，高强螺栓预拉力设计值 P= ",
    "根据规范GB50018-2002之表6.1.5-2，高强螺栓预拉力设计值 P= ",
};

// GB50017-2017 11.4.1 keeps the formulas of 2003 7.2.1 under new numbers, with the strengths
// of table 4.4.6 (the fcb of the plate printed beside ftb and fvb).
const CapacityWording kOrdinaryWording2017 = {
    "\r\n-----根据GB50017 -2017表4.4.6----\r\n",
    "  根据式11.4.1-5，一个螺栓的抗拉承载力设计值 Ntb = ftb*(π*de^2 /4) = ",
    "  根据式11.4.1-1，一个螺栓的抗剪承载力设计值 Nvb = n*fvb*(π*d^2 /4) =",
    "  根据式11.4.1-3，一个螺栓的抗压承载力设计值 Ncb = d* Σt *fcb= "};

// Table 4.4.6 names the classes "4.6/4.8", "5.6", "8.8"; the friction-type classes of table
// 11.4.2-2 are "8.8" and "10.9".
const char* ClassName2017(int boltClass) {
    switch (boltClass) {
    case 46:
    case 48:
        return "4.6/4.8";
    case 56:
        return "5.6";
    case 88:
        return "8.8";
    case 109:
        return "10.9";
    default:
        return "";
    }
}

bool ValidCode(int code) {
    return code == kCodeGB50017 || code == kCodeGB50018;
}

// The capacity box's text stands where other results hold their report: a refusal leaves it
// absent and says why.
BoltCapacityResult Refused(BoltCapacityResult result, std::string text) {
    return ferrolab::Refused(std::move(result), &BoltCapacityResult::text, std::move(text));
}

} // namespace

std::vector<std::string> BoltCodeEntries(int edition) {
    if (edition == kSteel2017) {
        return {"GB50017-2017", "GB50018-2002"};
    }
    return {"GB50017-2003", "GB50018-2002"};
}

std::vector<std::string> BoltKindEntries() {
    return {"普通螺栓", "摩擦型高强螺栓"};
}

std::vector<std::string> BoltClassEntries(int code, int kind) {
    if (kind == kFrictionBolt) {
        return {"8.8级", "10.9级"};
    }
    if (code == kCodeGB50018) {
        return {"4.6级4.8级C级"};
    }
    return {"4.6级4.8级C级", "5.6级A级B级", "8.8级A级B级"};
}

int BoltClassCode(int kind, int index) {
    static const int ordinary[] = {46, 56, 88};
    static const int friction[] = {88, 109};
    if (kind == kFrictionBolt) {
        return index >= 0 && index < 2 ? friction[index] : 0;
    }
    return index >= 0 && index < 3 ? ordinary[index] : 0;
}

std::vector<std::string> BoltDiameterEntries(int code, int kind) {
    if (kind == kFrictionBolt) {
        if (code == kCodeGB50018) {
            return {"M12", "M14", "M16"};
        }
        return {"M16", "M20", "M22", "M24", "M27", "M30"};
    }
    return {"12", "14", "16", "18", "20", "22", "24", "27", "30", "33", "36", "39", "42", "45",
            "48", "52", "56", "60", "64", "68", "72", "76", "80", "85", "90", "95", "100"};
}

int DiameterOfEntry(const std::string& entry) {
    const std::string digits = !entry.empty() && entry[0] == 'M' ? entry.substr(1) : entry;
    if (digits.empty() || digits.size() > 3) {
        return 0;
    }
    int d = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return 0;
        }
        d = d * 10 + (c - '0');
    }
    return d;
}

std::vector<std::string> ShearPlaneEntries() {
    return {"1", "2"};
}

std::vector<std::string> PlateGradeEntries(int code) {
    if (code == kCodeGB50018) {
        return {"Q235", "Q345"};
    }
    return {"Q235", "Q345", "Q390", "Q420"};
}

std::vector<std::string> ThicknessSumEntries() {
    return Numbers(6, 22, 1);
}

std::vector<std::string> SurfaceEntries(int code, int edition) {
    if (code == kCodeGB50017 && edition == kSteel2017) {
        return TextsOf(FayingSurfaces2017());
    }
    const auto names = FayingSurfaceNames(code);
    return {names.begin(), names.end()};
}

std::vector<std::string> HoleEntries() {
    return TextsOf(HoleTypes2017());
}

std::optional<double> TableSlipFactor(int code, int edition, SteelGrade grade, int surface) {
    if (code == kCodeGB50017 && edition == kSteel2017) {
        return GetSlipFactor2017(surface, GradeName(grade));
    }
    return GetSlipFactor(code, grade, surface);
}

BoltCapacityResult ComputeBoltCapacity(const BoltCapacityInput& in) {
    BoltCapacityResult r;
    if (!ValidCode(in.code) || (in.n != 1 && in.n != 2)) {
        return Refused(r, "所选的规范或受剪面个数不在表中");
    }
    const bool edition2017 = in.code == kCodeGB50017 && in.edition == kSteel2017;
    if (in.kind == kFrictionBolt && edition2017) {
        const std::string grade = GradeName(in.grade);
        const auto surfaces = FayingSurfaces2017();
        if (in.surface < 0 || in.surface >= static_cast<int>(surfaces.size())) {
            return Refused(r, "所选的摩擦面处理方法不在表11.4.2-1中");
        }
        if (!GetSlipFactor2017(in.surface, grade)) {
            // Table 11.4.2-1 prints no slip factor here: the treatment is not permitted.
            return Refused(r, "GB50017-2017表11.4.2-1不允许" + grade + "钢的摩擦面采用“" +
                                  surfaces[static_cast<std::size_t>(in.surface)] +
                                  "”，请选用其他处理方法");
        }
        const auto k = GetHoleTypeFactor2017(in.hole);
        if (!k) {
            return Refused(r, "所选的孔型不在11.4.2条中");
        }
        r.k = *k;
        r.p = GetBoltPretension2017(ClassName2017(in.boltClass), in.d);
        if (r.p <= 0) {
            return Refused(r, "规范未给出这种高强螺栓的预拉力");
        }
        r.ntb = 0.8 * r.p;
        // Formula 11.4.2-1: Nvb = 0.9·k·nf·μ·P.
        r.nvb = 0.9 * r.k * in.n * in.mu * r.p;
        if (!std::isfinite(r.nvb)) {
            return Refused(r, "抗滑移系数 μ 的数值过大");
        }
        const std::string hole = HoleTypes2017()[static_cast<std::size_t>(in.hole)];
        r.text = "根据规范GB50017-2017之表11.4.2-2，高强螺栓预拉力设计值 P= " +
                 FormatNumber("%2i", r.p) + "kN  \r\n" + "摩擦面的抗滑移系数 μ= " + Fmt2(in.mu) +
                 "，孔型为" + hole + "，孔型系数 k= " + Fmt2(r.k) + "  \r\n" +
                 "根据式11.4.2-2，一个高强螺栓的抗拉承载力设计值 Ntb=0.8P= " + Fmt2(r.ntb) +
                 "kN  \r\n" +
                 "根据式11.4.2-1，一个高强螺栓的抗剪承载力 Nvb=0.9*k*n*μ*P= " + Fmt2(r.nvb) + "kN";
        return r;
    }
    if (in.kind == kFrictionBolt) {
        r.p = GetBoltPretension(in.code, in.d, in.boltClass);
        if (r.p <= 1) {
            return Refused(r, "规范未给出这种高强螺栓的预拉力");
        }
        r.ntb = 0.8 * r.p;
        r.nvb = GetFrictionCapacity(in.n, r.p, in.mu);
        if (!std::isfinite(r.nvb)) {
            return Refused(r, "抗滑移系数 μ 的数值过大");
        }
        r.text = std::string(kPretensionWording[in.code]) + FormatNumber("%2i", r.p) + "kN  \r\n" +
                 "一个高强螺栓的抗拉承载力设计值 Ntb=0.8P= " + Fmt2(r.ntb) + "kN  \r\n" +
                 "一个高强螺栓的抗剪承载力 Nvb=0.9*n*μ*P= " + Fmt2(r.nvb) + "kN";
        return r;
    }

    bool strengths = false;
    if (edition2017) {
        // Grade C bolts bear on the plate with the fcb of column C, grades A and B with that of
        // column A, B.
        const auto bolt = GetOrdinaryBoltStrength2017(ClassName2017(in.boltClass));
        if (bolt) {
            r.ftb = bolt->ftb;
            r.fvb = bolt->fvb;
            r.fcb = GetBearingStrength2017(GradeName(in.grade),
                                           in.boltClass == 46 || in.boltClass == 48 ? 'C' : 'A');
            strengths = true;
        }
    } else {
        r.fcb = GetBoltBearingStrength(in.code, in.grade, in.boltClass);
        strengths = GetBoltStrength(in.code, in.boltClass, r.ftb, r.fvb);
    }
    if (!strengths || !GetBoltThreadArea(in.d, r.de, r.ae) || r.fcb <= 0 || in.thicknessSum <= 0) {
        return Refused(r, "规范未给出这种螺栓、直径或钢号的强度");
    }
    r.ntb = r.ae * r.ftb * 0.001;
    r.nvb = in.n * kPi7 * in.d * in.d * r.fvb * 0.00025;
    r.ncb = r.fcb * in.d * in.thicknessSum * 0.001;
    const CapacityWording& w = edition2017 ? kOrdinaryWording2017 : kOrdinaryWording[in.code];
    std::string t;
    t += "螺纹处有效直径    de = " + FormatNumber("%.3f", r.de) + "mm\r\n";
    t += "螺纹处有效截面积 Ae = " + Fmt4(r.ae) + "mm2\r\n";
    t += w.table;
    t += "抗拉强度设计值 ftb =" + Fmt2(r.ftb) + "N/mm2, \r\n";
    t += "抗剪强度设计值 fvb =" + Fmt2(r.fvb) + "N/mm2, \r\n";
    if (edition2017) {
        t += "承压强度设计值 fcb =" + Fmt2(r.fcb) + "N/mm2, \r\n";
    }
    t += w.tension + Fmt4(r.ntb) + "kN\r\n";
    t += w.shear + Fmt4(r.nvb) + "kN\r\n";
    t += w.bearing + Fmt4(r.ncb) + "kN\r\n";
    r.text = std::move(t);
    return r;
}

std::optional<Notice> SlipFactorAdvice(double mu) {
    if (mu > 1 || mu < 0) {
        return Notice{kSlipFactorAdvice, "提示", NoticeIcon::Warning};
    }
    return std::nullopt;
}

std::vector<std::string> LoadCaseEntries() {
    return {"扭矩M + 剪力V + 轴力N", "弯矩M + 剪力V ", "弯矩M + 轴拉力N"};
}

std::vector<std::string> RowEntries() {
    return Numbers(2, 10, 1);
}

std::vector<std::string> ColumnEntries(int loadCase) {
    if (loadCase == kLoadBending) {
        return {"2"};
    }
    return Numbers(1, 6, 1);
}

std::vector<std::string> PitchEntries() {
    return Numbers(40, 160, 10);
}

std::string MomentLabel(int loadCase) {
    return loadCase == kLoadTorque ? "扭矩  M (kN*m):" : "弯矩  M (kN*m):";
}

BoltGroupResult ComputeBoltGroup(const BoltGroupInput& in) {
    BoltGroupResult r;
    if (in.loadCase != kLoadTorque && in.loadCase != kLoadBending) {
        r.report = std::string();
        return r;
    }
    if (in.rows < 1 || in.cols < 1) {
        return Refused(r, "请选择螺栓的行数和列数");
    }
    if (!(in.rowPitch > 0) || !std::isfinite(in.rowPitch)) {
        return Refused(r, "行距应为大于0的数");
    }
    if (in.loadCase == kLoadTorque) {
        if (!(in.colPitch > 0) || !std::isfinite(in.colPitch)) {
            return Refused(r, "列距应为大于0的数");
        }
        if (in.m < 0 || in.n < 0 || in.v < 0) {
            // The corner bolt where the three actions add up is the one worked; reversed
            // actions load another corner more.
            return Refused(r, "M、V、N 按图示方向输入，不能为负数");
        }
        const BoltGroupForces f =
            GetBoltGroupForces(in.m, in.n, in.v, in.rows, in.cols, in.rowPitch, in.colPitch);
        if (!f.valid || !std::isfinite(f.nMax) || !std::isfinite(f.sumA + f.sumB)) {
            return Refused(r, "输入的数值过大");
        }
        r.nMax = f.nMax;
        r.report = f.text;
        return r;
    }
    // Friction-type bolts stay clamped, so the group turns about its centroid; ordinary bolts
    // let the plate lift off and turn about the outermost row.
    const BoltGroupBending b =
        GetBoltGroupBending(in.kind == kFrictionBolt, in.m, in.v, in.rows, in.cols, in.rowPitch);
    if (!b.valid || !std::isfinite(b.nMax) || !std::isfinite(b.sumY)) {
        return Refused(r, "输入的数值过大");
    }
    r.nMax = b.nMax;
    r.report = b.text + "\r\n 竖向力V由端板刨平顶紧于承板传递\r\n";
    return r;
}

} // namespace ferrolab
