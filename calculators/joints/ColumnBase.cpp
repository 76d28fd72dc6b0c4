#include "calculators/joints/ColumnBase.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <initializer_list>

#include "engine/BasePlate.h"
#include "engine/Bolts.h"
#include "engine/Format.h"
#include "engine/Materials.h"
#include "engine/Materials2017.h"
#include "engine/SectionRecord.h"
#include "engine/TextToNumber.h"
#include "sections/SectionLists.h"

namespace ferrolab {
namespace {

constexpr const char* kChannelForm = "两内扣槽钢";
constexpr const char* kFixedForms[] = {"HW型钢", "HM型钢", "HN型钢"};

// Plate bending strength used for the thickness, N/mm2.
constexpr double kPlateStrength = 200;
// Below this b1/a1 the three-edge panel is designed as a cantilever of length b1.
constexpr double kCantileverPanelRatio = 0.3;
// σmin above this counts as compression over the whole plate.
constexpr double kCompressionTolerance = 0.00001;

// The thickest band a plate takes from table 4.4.1 is found within this many tries (no grade has
// more bands).
constexpr int kMaxBandTries = 8;

std::string ConcreteLine(const ColumnBaseInput& in, double fc) {
    return "混凝土" + in.concrete + "：fc=" + Fmt2(fc) + "N/mm2（GB50010-2010表4.1.4）";
}

// Characters [pos, pos + n) of a list entry, empty past its end.
std::string Chars(const std::string& text, std::size_t pos, std::size_t n) {
    return pos < text.size() ? text.substr(pos, n) : std::string();
}

// A refusal also clears the plate thickness box's value.
ColumnBaseResult Refused(ColumnBaseResult result, const std::string& text) {
    result.thickness.reset();
    return ferrolab::Refused(std::move(result), text);
}

std::string ChannelProperties(const RolledChannelSection& s) {
    return "槽钢的参数:" + std::string("\r\n 截面积：") + Fmt2(s.A) + "cm2" + "\r\n 截面总高度：" +
           Fmt2(s.h) + "mm" + "\r\n 截面宽度：" + Fmt2(s.b) + "mm" + "\r\n 腹板厚度：" +
           Fmt2(s.tw) + "mm" + "\r\n 翼缘厚度：" + Fmt2(s.t) + "mm" + "\r\n 理论重量：" +
           Fmt2(s.mass) + "kg/m" + "\r\n 惯性矩 Ix：" + Fmt2(s.Ix) + "cm4" + "\r\n 惯性矩 Iy：" +
           Fmt2(s.Iy) + "cm4" + "\r\n 抵抗矩 Wx：" + Fmt2(s.Wx) + "cm3" + "\r\n 抵抗矩 Wy： " +
           Fmt2(s.Wy) + "cm3" + "\r\n 回转半径 ix：" + Fmt2(s.ix) + "mm" + "\r\n 回转半径 iy：" +
           Fmt2(s.iy) + "mm";
}

// The catalogue gives the radii of gyration of H sections in cm; the box shows mm.
std::string RolledHProperties(const RolledHSection& s) {
    return "马钢 H 型钢的参数:" + std::string("\r\n 截面积：") + Fmt2(s.A) + "cm2" +
           "\r\n 截面总高度：" + Fmt2(s.h) + "mm" + "\r\n 截面宽度：" + Fmt2(s.b) + "mm" +
           "\r\n 腹板厚度：" + Fmt2(s.tw) + "mm" + "\r\n 翼缘厚度：" + Fmt2(s.tf) + "mm" +
           "\r\n 理论重量：" + Fmt2(s.mass) + "kg/m" + "\r\n 惯性矩 Ix：" + Fmt2(s.Ix) + "cm4" +
           "\r\n 惯性矩 Iy：" + Fmt2(s.Iy) + "cm4" + "\r\n 回转半径 ix：" + Fmt2(s.ix * 10) + "mm" +
           "\r\n 回转半径 iy：" + Fmt2(s.iy * 10) + "mm";
}

// The bearing check of the pinned base: the plate area N/fc needs against the net area it has
// (the same as the uniform bearing stress q against fc).
Check AreaCheck(const ColumnBaseResult& r) {
    return {"底板面积 Areq/Anet", r.areq, r.anet};
}

// Pinned base: bearing area, the three plate panels, the thickness.
ColumnBaseResult ComputePinned(const ColumnBaseInput& in, const ColumnSection& section,
                               ColumnBaseResult r) {
    const double b = TextToDouble(in.bText);
    const double l = TextToDouble(in.lText);
    const double holes = TextToDouble(in.holesText);
    const std::string holesText = ReportedFieldText(in.holesText);
    const double a1 = section.a1;
    r.areq = in.n * 1000 / r.fc;
    r.anet = l * b - holes;
    if (!(r.anet > 0)) {
        return Refused(r, "底板净面积B*L-锚栓孔总面积不大于0，请加大底板尺寸或减小锚栓孔总面积");
    }
    if (r.areq > r.anet) {
        if (!AllFinite({r.areq})) {
            return Refused(r, "输入的数值过大，计算结果超出范围");
        }
        r.report = "需要的底板面积为" + FormatNumber("%.3f", r.areq) + "mm2，而目前底板净面积为" +
                   Fmt2(r.anet) +
                   "mm2，请采取加大柱截面尺寸、加大靴梁厚度、提高柱底混凝土标号等措施";
        if (in.edition == kSteel2017) {
            *r.report += "\r\n " + ConcreteLine(in, r.fc);
        }
        r.checks = {AreaCheck(r)};
        return r;
    }
    r.q = in.n * 1000 / r.anet;

    // Panel 1 between the channel webs and the shoe plates, four edges supported.
    r.r1 = std::max(in.l1, a1) / std::min(in.l1, a1);
    r.alpha = GetFourSidePlateAlpha(r.r1);
    const double span1 = in.l1 > a1 ? a1 : in.l1;
    r.m1 = r.alpha * r.q * span1 * span1;
    // Panel 2 beyond the channel webs, three edges supported, free edge a1. A panel shorter than
    // 0.3·a1 spans from the column to its free end and bends as a cantilever of length b1
    // (clause 8.4.12); the tabulated β starts at b1/a1 = 0.3.
    r.r2 = in.b1 / a1;
    const bool cantilever2 = r.r2 < kCantileverPanelRatio;
    r.beta = cantilever2 ? 0 : GetThreeSidePlateBeta(r.r2);
    r.m2 = cantilever2 ? 0.5 * r.q * in.b1 * in.b1 : r.beta * r.q * a1 * a1;
    // Panel 3, the outstand c beyond the shoe plates.
    r.m3 = 0.5 * r.q * in.c * in.c;
    r.mmax = std::max({r.m1, r.m2, r.m3});
    const bool edition2017 = in.edition == kSteel2017;
    r.plateF = kPlateStrength;
    if (edition2017) {
        // The thinnest band's f first, then the f of the band tp falls in, until they agree.
        const std::optional<Steel2017> thinnest = GetSteelStrength2017(in.plateGrade, 1);
        if (!thinnest) {
            return Refused(r, "钢材" + in.plateGrade + "没有强度设计值");
        }
        r.plateF = thinnest->f;
        for (int tries = 0;; ++tries) {
            r.t = std::sqrt(6 * r.mmax / r.plateF);
            if (!AllFinite({r.t})) {
                break; // refused below
            }
            const double tp = std::trunc(r.t + 1);
            const std::optional<Steel2017> band = GetSteelStrength2017(in.plateGrade, tp);
            if (!band) {
                return Refused(r, "需要的底板厚度为" + PlateThicknessText(r.t) + "mm，超过" +
                                      in.plateGrade +
                                      "钢在GB50017-2017表4.4.1中的最大厚度100mm，"
                                      "请减小底板区格尺寸或加大柱截面尺寸");
            }
            if (band->f == r.plateF || tries == kMaxBandTries) {
                break;
            }
            r.plateF = band->f;
        }
    } else {
        r.t = std::sqrt(6 * r.mmax / kPlateStrength);
    }
    if (!AllFinite({r.q, r.r1, r.m1, r.r2, r.m2, r.m3, r.t})) {
        return Refused(r, "输入的数值过大，计算结果超出范围");
    }

    std::string s = " B=a1+2ts+2c=" + Fmt2(a1) + "+" + "2*" + Fmt2(in.ts) + "+" + "2*" +
                    Fmt2(in.c) + "=" + in.bText + "mm";
    s += "\r\n L=" + in.lText + "mm";
    s += "\r\n 底板净面积为：" + in.bText + "*" + in.lText + "-" + holesText + "=" + Fmt2(r.anet) +
         "mm2";
    if (edition2017) {
        s += "\r\n " + ConcreteLine(in, r.fc) + "，需要的底板面积N/fc=" + Fmt2(in.n) + "*10^3/" +
             Fmt2(r.fc) + "=" + FormatNumber("%.3f", r.areq) + "mm2";
    }
    s += "\r\n 底板均布反力q=" + Fmt2(in.n) + "*10^3/" + Fmt2(r.anet) + "=" +
         FormatNumber("%.3f", r.q) + "N/mm2";
    s += "                  \r\n         ";
    s += "--------区格1为四边支承板-------";
    if (in.l1 > a1) {
        s += "\r\n l1/a1=" + Fmt2(in.l1) + "/" + Fmt2(a1) + "=" + FormatNumber("%.3f", r.r1) +
             "， " + "\r\n 查四边简支板的最大弯矩系数表，得α为" + FormatNumber("%.5f", r.alpha) +
             "，\r\n M=α*q*a1^2=" + FormatNumber("%.5f", r.alpha) + "*" +
             FormatNumber("%.3f", r.q) + "*" + Fmt2(a1) + "^2=" + FormatNumber("%.3f", r.m1);
    } else {
        s += "\r\n a1/l1=" + Fmt2(a1) + "/" + Fmt2(in.l1) + "=" + FormatNumber("%.3f", r.r1) +
             " ，" + "\r\n 查四边简支板的最大弯矩系数表，得α为" + FormatNumber("%.5f", r.alpha) +
             "，\r\n M=α*q*l1^2=" + FormatNumber("%.5f", r.alpha) + "*" +
             FormatNumber("%.3f", r.q) + "*" + Fmt2(in.l1) + "^2=" + FormatNumber("%.3f", r.m1);
    }
    s += " \r\n       " + std::string("--------区格2为三边支承板-------") +
         "\r\n b1/a1=" + Fmt2(in.b1) + "/" + Fmt2(a1) + "=" + FormatNumber("%.3f", r.r2) + "，";
    if (cantilever2) {
        s += "\r\n b1/a1<0.3，按悬臂长度为b1的悬臂板计算，M=0.5*q*b1^2=0.5*" +
             FormatNumber("%.3f", r.q) + "*" + Fmt2(in.b1) + "^2=" + FormatNumber("%.3f", r.m2);
    } else {
        s += "\r\n 查三边简支一边自由板的最大弯矩系数表，得β为" + FormatNumber("%.5f", r.beta) +
             "，\r\n  M=β*q*a1^2=" + FormatNumber("%.5f", r.beta) + "*" +
             FormatNumber("%.3f", r.q) + "*" + Fmt2(a1) + "^2=" + FormatNumber("%.3f", r.m2);
    }
    s += "\r\n        " + std::string("--------区格3为悬臂板-------") +
         "\r\n M=0.5*q*c^2=" + "0.5*" + FormatNumber("%.3f", r.q) + "*" + Fmt2(in.c) + "^2" + "=" +
         FormatNumber("%.3f", r.m3);
    s += " \r\n          " + std::string("-------最大弯矩------") + "\r\n Mmax=" + Fmt2(r.mmax);
    r.thickness = PlateThicknessText(r.t);
    if (edition2017) {
        s += "\r\n         -------底板最小厚度------" + std::string("\r\n t=sqr(6*Mmax/f)=sqr(6*") +
             Fmt2(r.mmax) + "/" + FormatNumber("%.0f", r.plateF) + ") =" + Fmt2(r.t) + "mm" +
             "\r\n f为" + in.plateGrade + "钢板厚" + FormatNumber("%.0f", std::trunc(r.t + 1)) +
             "mm时的强度设计值" + FormatNumber("%.0f", r.plateF) + "N/mm2（GB50017-2017表4.4.1）";
    } else {
        s += "\r\n         -------底板最小厚度------" + std::string("\r\n t=sqr(6*Mmax/f)=sqr(6*") +
             Fmt2(r.mmax) + "/200) =" + Fmt2(r.t) + "mm";
    }
    r.report = s;
    r.checks = {AreaCheck(r)};
    return r;
}

// Fixed base: linear bearing stress; full compression against fc, or the anchors in tension.
ColumnBaseResult ComputeFixed(const ColumnBaseInput& in, ColumnBaseResult r) {
    const double b = TextToDouble(in.bText);
    const double l = TextToDouble(in.lText);
    if (in.m < 0) {
        return Refused(r, "弯矩M请输入其绝对值(不小于0)");
    }
    r.sigmaN = in.n * 1000 / (l * b);
    r.sigmaM = 6e6 * in.m / (b * l * l);
    r.sigmaMax = r.sigmaN + r.sigmaM;
    r.sigmaMin = r.sigmaN - r.sigmaM;
    if (!AllFinite({r.sigmaN, r.sigmaM, r.sigmaMax, r.sigmaMin})) {
        return Refused(r, "输入的数值过大，计算结果超出范围");
    }
    const std::string formula = "\r\n   N/(BL) + 6M/(BL^2) = " + Fmt2(in.n) + "*10^3" + "/(" +
                                in.bText + "*" + in.lText + ") + 6*10^6*" + Fmt2(in.m) + "/(" +
                                in.bText + "*" + in.lText + "^2) =" + Fmt2(r.sigmaN) + "+" +
                                Fmt2(r.sigmaM) + "=" + Fmt2(r.sigmaMax) + "N/mm2";
    if (r.sigmaMin > kCompressionTolerance) {
        r.stressCase = StressCase::FullCompression;
        if (r.sigmaMax > r.fc) {
            r.report = "-----底板与基础间全部受压-----，最大压应力σmax为:" + formula + ">" +
                       Fmt2(r.fc) +
                       "N/mm2,\r\n  大于混凝土抗压强度，请重新选择混凝土标号或底板尺寸进行计算";
        } else {
            r.report = "-----底板与基础间全部受压-----，最大压应力σmax为: " + formula + "<" +
                       Fmt2(r.fc) + "N/mm2,\r\n  小于混凝土抗压强度";
        }
        if (in.edition == kSteel2017) {
            *r.report += "\r\n  " + ConcreteLine(in, r.fc);
        }
        r.checks = {{"底板压应力 σmax/fc", r.sigmaMax, r.fc}};
        return r;
    }

    r.stressCase = StressCase::PartialCompression;
    const double spread = std::fabs(r.sigmaMin) + std::fabs(r.sigmaMax);
    if (!(spread > 0)) {
        return Refused(r, "轴力N和弯矩M均为0，底板不受力");
    }
    r.lc = r.sigmaMax * l / spread; // length of the compressed zone
    r.x = l - in.a0;                // anchor bolts to the far (compressed) edge
    r.ftb = in.edition == kSteel2017 ? GetAnchorBoltStrength2017(in.anchorGrade)
                                     : GetAnchorBoltStrength(static_cast<SteelGrade>(
                                           TextToDouble(Chars(in.anchorGrade, 1, 3))));
    if (in.edition == kSteel2017 && !(r.ftb > 0)) {
        return Refused(r, "锚拴钢号" + in.anchorGrade + "没有抗拉强度设计值");
    }
    // Moments about the resultant of the compressed zone, Lc/3 from the compressed edge.
    const double lever = r.x - r.lc / 3;
    if (!(lever > 0)) {
        return Refused(r, "锚拴到底板受压边缘的距离x=L-a0不大于Lc/3，锚拴拉力无法确定，"
                          "请减小a0或加大底板长度L");
    }
    r.ae = (in.m * 1e6 - std::fabs(in.n * 1000 * (l / 2 - r.lc / 3))) / (r.ftb * lever);
    double de = 0;
    GetBoltThreadArea(AnchorDiameterOf(in.anchorD), de, r.ae1);
    if (!AllFinite({r.lc, r.x, r.ae})) {
        return Refused(r, "输入的数值过大，计算结果超出范围");
    }
    std::string s = "-----底板与基础间部分受压，锚栓受拉-----" +
                    std::string("\r\n σmin为: N/(BL) - 6M/(BL^2) = ") + Fmt2(in.n) + "*10^3" +
                    "/(" + in.bText + "*" + in.lText + ") - 6*10^6" + Fmt2(in.m) + "/(" + in.bText +
                    "*" + in.lText + "^2) =" + Fmt2(r.sigmaN) + "-" + Fmt2(r.sigmaM) + "=" +
                    Fmt2(r.sigmaMin) + "N/mm2" +
                    "< 0.0, \r\n    锚拴受拉,需要的受拉锚拴的总有效面积为：" + Fmt2(r.ae) +
                    "mm2,(计算公式参见清华大学出版社《钢结构》p333之式-69)" + "\r\n    一个直径为" +
                    in.anchorD + "mm的锚拴在螺纹处的有效截面积为：" + Fmt2(r.ae1) + "mm2";
    if (!(r.ae > 0)) {
        // The axial force holds the moment: a negative area is no answer to give.
        s += "\r\n    需要的面积不大于0：轴力足以平衡弯矩，锚拴不受拉，按构造设置锚拴即可";
    }
    if (in.edition == kSteel2017) {
        s += "\r\n    锚拴" + in.anchorGrade +
             "的抗拉强度设计值fta=" + FormatNumber("%.0f", r.ftb) + "N/mm2（GB50017-2017表4.4.6）";
    }
    r.report = s;
    return r;
}

} // namespace

std::vector<std::string> BaseTypeEntries() {
    return {"轴心受压铰接", "刚接柱脚"};
}

std::vector<std::string> ColumnFormEntries(int baseType) {
    if (baseType == kPinnedBase) {
        return {kChannelForm};
    }
    if (baseType == kFixedBase) {
        return {std::begin(kFixedForms), std::end(kFixedForms)};
    }
    return {};
}

std::vector<std::string> ColumnFormSections(const std::string& form) {
    NameList names;
    if (form == kChannelForm) {
        names = ChannelNames();
    } else if (form == kFixedForms[0]) {
        names = HWNames();
    } else if (form == kFixedForms[1]) {
        names = HMNames();
    } else if (form == kFixedForms[2]) {
        names = HNNames();
    }
    return {names.begin(), names.end()};
}

std::vector<std::string> WebDistanceEntries() {
    return {"290.00", "408.00", "500.00", "550.00", "600.00", "700.00", "800.00", "900.00"};
}

std::vector<std::string> ConcreteEntries(int edition) {
    if (edition == kSteel2017) {
        return {"C15", "C20", "C25", "C30", "C35", "C40", "C45", "C50", "C55", "C60"};
    }
    return {"C15", "C20", "C25", "C30", "C35"};
}

std::vector<std::string> AnchorGradeEntries(int edition) {
    if (edition == kSteel2017) {
        return {"Q235", "Q345", "Q390"};
    }
    return {"Q235", "Q345"};
}

std::vector<std::string> AnchorDiameterEntries() {
    return {"12.00", "16.00", "18.00", "20.00", "22.00", "24.00", "27.00", "30.00", "33.00",
            "36.00", "39.00", "42.00", "45.00", "48.00", "52.00", "56.00", "60.00", "64.00",
            "68.00", "72.00", "76.00", "80.00", "85.00", "90.00", "95.00", "100.00"};
}

std::optional<ColumnSection> LookUpColumnSection(const std::string& name) {
    ColumnSection section;
    if (name.starts_with("HW") || name.starts_with("HM") || name.starts_with("HN")) {
        RolledHSection record;
        if (!LoadSectionRecord(name, record)) {
            return std::nullopt;
        }
        section.a1 = record.b;
        section.h = record.h;
        section.properties = RolledHProperties(record);
        return section;
    }
    if (name.starts_with("槽")) {
        RolledChannelSection record;
        if (!LoadSectionRecord(name, record)) {
            return std::nullopt;
        }
        section.channel = true;
        section.a1 = record.h;
        section.h = record.h;
        section.properties = ChannelProperties(record);
        return section;
    }
    return std::nullopt;
}

std::string ReportedFieldText(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    if (lower.find("inf") == std::string::npos && lower.find("nan") == std::string::npos) {
        return text;
    }
    return Fmt2(TextToDouble(text));
}

double PlateWidth(double a1, double ts, double c) {
    return a1 + 2 * ts + 2 * c;
}

double PlateLength(int baseType, double l1, double b1, double h, double a0) {
    return baseType == kPinnedBase ? l1 + 2 * b1 : h + 2 * (a0 + b1);
}

int AnchorDiameterOf(const std::string& entry) {
    const double d = TextToDouble(entry);
    return d > 0 && d < 1e6 ? static_cast<int>(d) : 0;
}

std::string AnchorOutstandText(int d) {
    return FormatNumber("%.2i", 3 * d);
}

double AnchorHoleArea(int d) {
    const double d2 = static_cast<double>(d) * d;
    return 4.8 * d2 + 10 * std::trunc(0.31415926 * d2);
}

std::string PlateThicknessText(double t) {
    // "%.2i" of the integer part of t + 1, written for any size of t.
    return FormatNumber("%02.0f", std::trunc(t + 1));
}

ColumnBaseResult ComputeColumnBase(const ColumnBaseInput& in) {
    ColumnBaseResult r;
    const bool known = in.section.starts_with("HW") || in.section.starts_with("HM") ||
                       in.section.starts_with("HN") || in.section.starts_with("槽");
    if (!known) {
        r.notices.push_back(Notice{"呵呵，尚不提供此项功能", "", NoticeIcon::None});
        return r;
    }
    const std::optional<ColumnSection> section = LookUpColumnSection(in.section);
    if (!section) {
        return r; // a section the catalogue does not hold: nothing to compute
    }
    if (in.edition == kSteel2017) {
        r.fc = GetConcreteStrength2010(in.concrete).value_or(0);
    } else {
        r.fc = GetConcreteFc(static_cast<int>(TextToDouble(Chars(in.concrete, 1, 2))));
    }
    if (!(r.fc > 0)) {
        return Refused(r, "混凝土等级" + in.concrete + "没有抗压强度设计值");
    }
    if (!(TextToDouble(in.bText) > 0) || !(TextToDouble(in.lText) > 0)) {
        return Refused(r, "底板尺寸B和L必须大于0，请检查c、ts、b1、a0等参数");
    }
    if (in.n < 0) {
        return Refused(r, "轴力N为下压力，请输入不小于0的数值");
    }
    return in.baseType == kPinnedBase ? ComputePinned(in, *section, r) : ComputeFixed(in, r);
}

} // namespace ferrolab
