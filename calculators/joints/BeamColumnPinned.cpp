#include "calculators/joints/BeamColumnPinned.h"

#include <array>
#include <cmath>
#include <initializer_list>

#include "engine/Bolts.h"
#include "engine/Format.h"
#include "engine/Materials2017.h"
#include "engine/SectionRecord.h"
#include "engine/TextToNumber.h"
#include "sections/SectionLists.h"

namespace ferrolab {
namespace {

constexpr std::array kStyles = {"单板铰接", "双角钢连接"};
constexpr std::array kBetaAngles = {"0", "90"};
constexpr std::array kSeries = {"马钢宽翼缘HW系列", "马钢中翼缘HM系列", "马钢窄翼缘HN系列",
                                "热轧普通工字钢", "焊接工字形"};
constexpr std::array kCodes = {"GB50017-2003", "GB50018-2002"};
constexpr std::array kCodes2017 = {"GB50017-2017", "GB50018-2002"};
constexpr std::array kGrades17 = {"Q235", "Q345", "Q390", "Q420"};
constexpr std::array kGrades18 = {"Q235", "Q345"};
constexpr std::array kDiameters17 = {"M16", "M20", "M22", "M24", "M27", "M30"};
constexpr std::array kDiameters18 = {"M12", "M14", "M16"};
constexpr std::array kBoltGrades = {"8.8", "10.9"};
constexpr std::array kWeldKinds = {"双面角焊缝"};
constexpr std::array kLegSizes = {"6", "7", "8", "9", "10"};
constexpr std::array kRows = {"2", "3", "4", "5", "6", "7", "8"};
constexpr std::array kColumns = {"1", "2"};

// Layout messages (GB50017-2003 table 8.3.4: pitch >= 3·d0, edge distance >= 2·d0).
constexpr const char* kRowPitchTooLarge = "螺栓行距太大，请增加梁高以加大连接板高度或者减小螺栓行"
                                          "距，参见GB50017-2003 p82表8.3.4规定";
constexpr const char* kRowPitchTooLargeAfterPick =
    "螺栓行距太大，请增加梁高以加大连接板高度或者减小螺栓间距，参见GB50017-2003 p82表8.3.4规定";
constexpr const char* kRowPitchTooSmall =
    "螺栓行距太小，小于3倍的螺栓孔径，参见GB50017-2003 p82表8.3.4规定";
constexpr const char* kBeamTooShallow = "梁高度不够，您看着办吧";
constexpr const char* kPlateTooNarrowForColumns =
    "连接板宽度bp太小，或者列距太大，最外侧螺栓中心与连接板边缘的距离小于2倍螺栓孔径";
constexpr const char* kPlateTooNarrow =
    "连接板宽度bp太小，螺栓中心与连接板边缘的距离小于2倍螺栓孔径";
constexpr const char* kEndDistanceTooSmall =
    "螺栓与梁端距离d2小于2倍螺栓孔径，不符合规范要求，需加大d2的值";
constexpr const char* kPlateTooShortForBolts = "螺栓间距太大，请加大连接板高度或者减小螺栓间距";
constexpr const char* kPlateTooThin = "连接板不宜太薄";
constexpr const char* kImplausible = "老大，没搞错吧";
constexpr const char* kBadClearance = "别乱填";
constexpr const char* kColumnPitchTooSmall = "螺栓列距小于3倍螺栓孔径，请参见表8.3.4规定";
// The same rules in table 11.5.2 of the 2017 edition.
constexpr const char* kRowPitchTooLarge2017 = "螺栓行距太大，请增加梁高以加大连接板高度或者减小螺栓"
                                              "行距，参见GB50017-2017表11.5.2规定";
constexpr const char* kRowPitchTooLargeAfterPick2017 =
    "螺栓行距太大，请增加梁高以加大连接板高度或者减小螺栓间距，参见GB50017-2017表11.5.2规定";
constexpr const char* kRowPitchTooSmall2017 =
    "螺栓行距太小，小于3倍的螺栓孔径，参见GB50017-2017表11.5.2规定";
constexpr const char* kColumnPitchTooSmall2017 =
    "螺栓列距小于3倍螺栓孔径，请参见GB50017-2017表11.5.2规定";

// GB50017-2017 table 11.5.1: hole diameters of high-strength bolts M16 ... M30, standard and
// oversize (大圆孔).
struct HoleSizes {
    int d;
    double standard;
    double oversize;
};
constexpr HoleSizes kHoleSizes2017[] = {{16, 17.5, 20}, {20, 22, 24}, {22, 24, 28},
                                        {24, 26, 30},   {27, 30, 35}, {30, 33, 38}};

// ffw of table 4.4.5 depends on the grade and the electrode only; any band of the table serves.
constexpr double kAnyWeldThickness = 10;

const char* Message(bool edition2017, const char* text2003, const char* text2017) {
    return edition2017 ? text2017 : text2003;
}

// A plain box with an OK button, as every layout message of this joint is shown.
Notice Plain(const char* text) {
    return Notice{text, "", NoticeIcon::None};
}

std::optional<PinnedFieldCheck> Kept(const char* text) {
    return PinnedFieldCheck{Plain(text), false};
}

} // namespace

std::span<const char* const> PinnedStyleNames() {
    return kStyles;
}
std::span<const char* const> PinnedBetaAngleNames() {
    return kBetaAngles;
}
std::span<const char* const> PinnedSeriesNames() {
    return kSeries;
}
std::span<const char* const> PinnedSeriesSections(int series) {
    switch (series) {
    case 0:
        return HWNames();
    case 1:
        return HMNames();
    case 2:
        return HNNames();
    default:
        return {};
    }
}
std::span<const char* const> PinnedCodeNames() {
    return kCodes;
}
std::span<const char* const> PinnedCodeNames2017() {
    return kCodes2017;
}
std::span<const char* const> PinnedSurfaceNames(int code, int edition) {
    if (edition == kSteel2017 && code == kCodeGB50017) {
        return FayingSurfaces2017();
    }
    return FayingSurfaceNames(code);
}
int PinnedSurface2017Of(std::string_view surface2003) {
    const auto names = FayingSurfaceNames(kCodeGB50017);
    if (surface2003 == names[0]) {
        return 1; // 喷砂(丸): 抛丸(喷砂)
    }
    if (surface2003 == names[3]) {
        return 2; // the wire brush
    }
    return -1;
}
std::span<const char* const> PinnedElectrodeNames(std::string_view gradeName) {
    return Electrodes2017(gradeName);
}
std::span<const char* const> PinnedGradeNames(int code) {
    if (code == kCodeGB50018) {
        return kGrades18;
    }
    return kGrades17;
}
std::span<const char* const> PinnedDiameterNames(int code) {
    if (code == kCodeGB50018) {
        return kDiameters18;
    }
    return kDiameters17;
}
std::span<const char* const> PinnedBoltGradeNames() {
    return kBoltGrades;
}
std::span<const char* const> PinnedWeldKindNames() {
    return kWeldKinds;
}
std::span<const char* const> PinnedLegSizeNames() {
    return kLegSizes;
}
std::span<const char* const> PinnedRowNames() {
    return kRows;
}
std::span<const char* const> PinnedColumnNames() {
    return kColumns;
}

SteelGrade PinnedGradeOf(std::string_view gradeName) {
    // The digits after the "Q".
    return gradeName.size() > 1 ? static_cast<SteelGrade>(TextToDouble(gradeName.substr(1))) : 0;
}

int PinnedDiameterOf(std::string_view diameterName) {
    return diameterName.size() > 1 ? static_cast<int>(TextToDouble(diameterName.substr(1))) : 0;
}

int PinnedBoltClassOf(std::string_view boltGradeName) {
    return boltGradeName == "10.9" ? 109 : 88;
}

bool PinnedWebDepth(std::string_view beamName, double& webDepth) {
    if (beamName.empty() || beamName.front() != 'H') {
        return false;
    }
    RolledHSection beam;
    if (!LoadSectionRecord(beamName, beam)) {
        return false;
    }
    webDepth = beam.h - 2 * beam.tf - 2 * beam.r;
    return true;
}

bool PinnedAngleLegs(std::string_view angleName, double& b, double& t) {
    EqualAngleSection angle;
    if (!LoadSectionRecord(angleName, angle)) {
        return false;
    }
    b = angle.b;
    t = angle.t;
    return true;
}

std::optional<PinnedFieldCheck> CheckPinnedField(PinnedField field, const PinnedJointInput& in) {
    const double d0 = in.d0();
    const bool e2017 = in.edition == kSteel2017;
    const bool rowsTooLong = (in.rows - 1) * in.sRow + 4 * d0 > in.hp;
    switch (field) {
    case PinnedField::D2:
        if (2 * d0 > in.d2) {
            return Kept(kEndDistanceTooSmall);
        }
        if (in.bp - in.d1 - in.d2 < 2 * d0) {
            return Kept(kPlateTooNarrow);
        }
        break;
    case PinnedField::PlateWidth:
        if (in.bp - in.d1 - in.d2 < 2 * d0) {
            return Kept(kPlateTooNarrow);
        }
        break;
    case PinnedField::PlateHeight:
        if (rowsTooLong) {
            return Kept(kPlateTooShortForBolts);
        }
        if (in.hp > in.webDepth) {
            return Kept(kBeamTooShallow);
        }
        break;
    case PinnedField::PlateThick:
        if (in.tp < 8) {
            return PinnedFieldCheck{Plain(kPlateTooThin), true};
        }
        if (in.tp > 40) {
            return Kept(kImplausible);
        }
        break;
    case PinnedField::BetaF:
        if (in.betaF < 1.0 || in.betaF > 1.5) {
            return Kept(kImplausible);
        }
        break;
    case PinnedField::Clearance:
        if (in.clearance < 0 || in.clearance > 2) {
            return PinnedFieldCheck{Plain(kBadClearance), true};
        }
        break;
    case PinnedField::RowPitch:
        if (rowsTooLong) {
            return Kept(Message(e2017, kRowPitchTooLarge, kRowPitchTooLarge2017));
        }
        if (in.sRow < 3 * d0) {
            return Kept(Message(e2017, kRowPitchTooSmall, kRowPitchTooSmall2017));
        }
        break;
    case PinnedField::Diameter:
        if (rowsTooLong) {
            return Kept(Message(e2017, kRowPitchTooLargeAfterPick, kRowPitchTooLargeAfterPick2017));
        }
        if (in.sRow < 3 * d0) {
            return Kept(Message(e2017, kRowPitchTooSmall, kRowPitchTooSmall2017));
        }
        break;
    case PinnedField::ColumnPitch:
        if (in.bp - in.d1 - in.d2 - in.sCol < 2 * d0) {
            return Kept(kPlateTooNarrowForColumns);
        }
        if (in.sCol < 3 * d0) {
            return Kept(Message(e2017, kColumnPitchTooSmall, kColumnPitchTooSmall2017));
        }
        break;
    }
    return std::nullopt;
}

std::optional<Notice> CheckPinnedAnglePick(double b, const PinnedJointInput& in) {
    if (2 * in.d0() > b - in.d1 - in.d2) {
        return Plain(kPlateTooNarrow);
    }
    return std::nullopt;
}

PinnedJointResult ComputePinnedJoint(const PinnedJointInput& in) {
    PinnedJointResult r;
    const double d0 = in.d0();

    const bool e2017 = in.edition == kSteel2017;
    // The bolts to 2017 where their code is GB50017.
    const bool bolts2017 = e2017 && in.code == kCodeGB50017;

    // Bolt layout, GB50017-2003 table 8.3.4 (2017: table 11.5.2); a value exactly at a limit
    // passes.
    auto stop = [&r](const char* text, PinnedFocus focus) {
        r.notices.push_back(Plain(text));
        r.focus = focus;
        return r;
    };
    if ((in.rows - 1) * in.sRow + 4 * d0 > in.hp) {
        return stop(Message(e2017, kRowPitchTooLarge, kRowPitchTooLarge2017),
                    PinnedFocus::RowPitch);
    }
    if (in.sRow < 3 * d0) {
        return stop(Message(e2017, kRowPitchTooSmall, kRowPitchTooSmall2017),
                    PinnedFocus::RowPitch);
    }
    if (in.hp > in.webDepth) {
        return stop(kBeamTooShallow, PinnedFocus::PlateHeight);
    }
    if (in.bp - in.d1 - in.d2 - in.sCol < 2 * d0) {
        return stop(kPlateTooNarrowForColumns, PinnedFocus::ColumnPitch);
    }

    // Inputs the formulas cannot take: a bolt group without lever arm, welds or a plate without
    // length or area, a zero strength factor.
    if (in.rows < 1 || in.cols < 1) {
        return Refused(r, "螺栓的行数和列数至少为1");
    }
    if (!(in.sRow > 0)) {
        return Refused(r, "螺栓行距必须大于0");
    }
    if (in.cols > 1 && in.sCol < 0) {
        return Refused(r, "螺栓列距不能为负数");
    }
    const bool plate = in.style == PinnedStyle::SinglePlate;
    if (plate) {
        if (!(in.hf > 0)) {
            return Refused(r, "焊脚尺寸hf必须大于0");
        }
        if (!(in.hp - 2 * in.hf > 0)) {
            return Refused(r, "焊缝计算长度lw = hp-2*hf必须大于0，请加大连接板高度hp");
        }
        if (!(in.tp > 0)) {
            return Refused(r, "连接板厚度tp必须大于0");
        }
        if (!(in.betaF > 0)) {
            return Refused(r, "强度增大系数β必须大于0");
        }
    }

    // The 2017 values the joint needs: μ (none where table 11.4.2-1 forbids the surface), the hole
    // factor k (table 11.5.1 sizes), ffw of the plate's welds.
    if (bolts2017) {
        const std::optional<double> mu = GetSlipFactor2017(in.surface, GradeName(in.steelGrade));
        if (!mu) {
            const auto surfaces = FayingSurfaces2017();
            const std::string surface =
                in.surface >= 0 && in.surface < static_cast<int>(surfaces.size())
                    ? surfaces[static_cast<std::size_t>(in.surface)]
                    : "";
            return Refused(r, "GB50017-2017表11.4.2-1不允许" + GradeName(in.steelGrade) +
                                  "钢采用“" + surface + "”的摩擦面处理方法，请另选摩擦面");
        }
        r.mu = *mu;
        const HoleSizes* hole = nullptr;
        for (const HoleSizes& sizes : kHoleSizes2017) {
            if (sizes.d == in.d) {
                hole = &sizes;
            }
        }
        if (!hole || !(d0 <= hole->oversize)) {
            return Refused(r, "螺栓孔径d0=" + Fmt2(d0) +
                                  "mm大于GB50017-2017表11.5.1的大圆孔孔径，请减小螺栓孔径与螺栓"
                                  "直径的差");
        }
        r.k = d0 <= hole->standard ? 1.0 : 0.85;
    }
    std::string electrode = in.electrode;
    if (e2017 && plate) {
        const auto electrodes = Electrodes2017(GradeName(in.steelGrade));
        if (electrode.empty() && !electrodes.empty()) {
            electrode = electrodes[0];
        }
        const std::optional<Weld2017> weld =
            GetWeldStrength2017(GradeName(in.steelGrade), electrode, kAnyWeldThickness);
        if (!weld) {
            return Refused(r, GradeName(in.steelGrade) + "钢不采用" + electrode +
                                  "型焊条，请按GB50017-2017表4.4.5选择焊条");
        }
        r.ffw = weld->ffw;
    }

    // Eccentricity of the bolt group's centroid from the column face.
    r.e = in.d1 + in.d2 + (in.cols - 1) * in.sCol * 0.5;
    r.m = in.v * r.e * 0.001;

    const BoltGroupForces group =
        GetBoltGroupForces(r.m, in.n, in.v, in.rows, in.cols, in.sRow, in.sCol);
    if (!group.valid) {
        return Refused(r, "螺栓行距必须大于0");
    }
    r.nMax = group.nMax;
    if (bolts2017) {
        r.p = GetBoltPretension2017(in.boltClass == 109 ? "10.9" : "8.8", in.d);
    } else {
        r.p = GetBoltPretension(in.code, in.d, in.boltClass);
        r.mu = GetSlipFactor(in.code, in.steelGrade, in.surface);
    }

    std::string report = "--偏心弯矩 M=V*e =" + Fmt2(r.m) + "kN*m--\r\n";
    report += "\r\n-----与梁腹板相连的螺栓验算----\r\n" + group.text + "\r\n";

    if (bolts2017) {
        // 11.4.2: Nvb = 0.9·k·nf·μ·P; one friction plane for the plate, two for the angles.
        const int nf = plate ? 1 : 2;
        r.nvb = 0.9 * r.k * nf * r.mu * r.p;
        report += std::string("\r\n 一个高强螺栓的") + (plate ? "单面" : "双面") +
                  "抗剪承载力 Nvb=0.9*k*nf*μ*P=0.9*" + Fmt2(r.k) + "*" + std::to_string(nf) + "*" +
                  Fmt2(r.mu) + "*" + std::to_string(r.p) + "=" + Fmt2(r.nvb) + "kN \r\n" +
                  " 按GB50017-2017第11.4.2条：" + (r.k == 1.0 ? "标准孔" : "大圆孔") +
                  "k=" + Fmt2(r.k) + "（孔径d0=" + Fmt2(d0) +
                  "mm，表11.5.1），μ按表11.4.2-1，P按表" + "11.4.2-2\r\n";
    } else if (plate) {
        // One friction plane: the plate on one side of the web.
        r.nvb = GetFrictionCapacity(1, r.p, r.mu);
        report += "\r\n 一个高强螺栓的单面抗剪承载力 Nvb:" + Fmt2(r.nvb) + "kN \r\n";
    } else {
        // Two friction planes: an angle on each side of the web.
        r.nvb = GetFrictionCapacity(2, r.p, r.mu);
        report += "\r\n 一个高强螺栓的双面抗剪承载力 Nvb:" + Fmt2(r.nvb) + "kN \r\n";
    }
    if (r.nMax > r.nvb) {
        report += "\r\n!!******与梁腹板相连的螺栓群中，受力最大的螺栓的剪力大于一个高强螺栓的抗"
                  "剪承载力，请自己想想办法吧******\r\n";
    }

    if (plate) {
        // Two fillet welds along the plate height; clause 7.1.3 deducts 2·hf of crater length.
        r.he = 0.7 * in.hf;
        r.lw = in.hp - 2 * in.hf;
        FilletWeldPairStress(in.n, in.v, r.m, r.he, r.lw, in.betaF, &r.weldSigmaN, &r.weldSigmaM,
                             &r.weldTauV, &r.weldTauCom);
        report += std::string("\r\n------焊缝验算-------\r\n ") +
                  (e2017 ? "按GB50017-2017第11.2.2条" : "按规范7.1.3条") +
                  "，取 lw = hp-2*hf,\r\n σ_N "
                  "=N/(2*he*lw) =" +
                  Fmt2(r.weldSigmaN) +
                  "N/mm2\r\n σ_M =6*M*1.e6/(2*he*lw^2) =" + Fmt2(r.weldSigmaM) +
                  "N/mm2\r\n τ_V =Vy*1000./(2*he*lw) =" + Fmt2(r.weldTauV) +
                  "N/mm2\r\n 折算应力τ_Com =sqrt(((σ_N +σ_M)/β)^2 +τ_V^2) =" + Fmt2(r.weldTauCom) +
                  "N/mm2  \r\n";
        if (e2017) {
            report += " 角焊缝强度设计值ffw=" + Fmt2(r.ffw) + "N/mm2（GB50017-2017表4.4.5，" +
                      GradeName(in.steelGrade) + "钢，" + electrode + "型焊条）\r\n";
        }

        // Gross section of the plate, tp x hp.
        const double area = in.tp * in.hp;
        r.plateSigmaN = in.n * 1000 / area;
        r.plateSigmaM = 6 * r.m * 1.e6 / (in.tp * in.hp * in.hp);
        r.plateTauV = in.v * 1000 / area;
        const double sigma = r.plateSigmaN + r.plateSigmaM;
        r.plateSigmaEq = std::sqrt(sigma * sigma + 3 * r.plateTauV * r.plateTauV);
        report +=
            "\r\n--------连接板毛截面验算--------\r\n σ_N =N/(tp*hp)= " + Fmt2(r.plateSigmaN) +
            "N/mm2\r\n σ_M =6*M*1.e6/(tp*hp^2)= " + Fmt2(r.plateSigmaM) +
            "N/mm2\r\n τ_V =Vy*1000./(tp*hp)= " + Fmt2(r.plateTauV) +
            "N/mm2\r\n 折算应力 σeq =sqrt((σ_N +σ_M)^2 +3*τ_V^2) = " + Fmt2(r.plateSigmaEq) +
            "N/mm2";
    } else {
        // The column legs: two bolt columns, one per angle, turning about the group's centroid
        // (friction-type bolts stay clamped under the moment).
        const BoltGroupBending bending = GetBoltGroupBending(true, r.m, in.v, in.rows, 2, in.sRow);
        if (!bending.valid) {
            return Refused(r, "螺栓行距必须大于0");
        }
        r.tMax = bending.nMax;
        report += "\r\n------与柱翼缘相连的螺栓验算-------" + bending.text +
                  "\r\n 高强螺栓的预拉力P=" + FormatNumber("%2i", r.p) + "kN \r\n";
        if (0.8 * r.p < r.tMax) {
            report += "\r\n!!*****与柱翼缘相连的螺栓所受最大拉力大于 0.8P，请重新调整*****\r\n";
        }
    }

    if (!AllFinite({r.m, r.nMax, r.nvb, r.weldSigmaN, r.weldSigmaM, r.weldTauV, r.weldTauCom,
                    r.plateSigmaN, r.plateSigmaM, r.plateTauV, r.plateSigmaEq, r.tMax})) {
        return Refused(r, "输入的数值过大");
    }
    r.report = std::move(report);
    r.checks.push_back({"腹板螺栓剪力 Nmax/Nvb", r.nMax, r.nvb});
    if (!plate) {
        r.checks.push_back({"柱翼缘螺栓拉力 Tmax/0.8P", r.tMax, 0.8 * r.p});
    }
    if (plate && e2017) {
        r.checks.push_back({"焊缝折算应力 τCom/ffw", r.weldTauCom, r.ffw});
    }
    return r;
}

} // namespace ferrolab
