#include "calculators/members/RolledChannelBeam.h"

#include <cmath>

#include "engine/BeamStability.h"
#include "engine/Format.h"
#include "engine/SectionRecord.h"

namespace ferrolab {

ChannelSelection SelectRolledChannel(const std::string& name, int edition) {
    ChannelSelection selection;
    RolledChannelSection record;
    if (name.rfind("槽", 0) != 0 || !LoadSectionRecord(name, record)) {
        selection.notices.push_back(InputError("截面库中没有找到截面 " + name));
        return selection;
    }
    ChannelBeamSection s;
    s.h = record.h;
    s.b = record.b;
    s.tw = record.tw;
    s.tf = record.t;
    selection.section = s;
    if (edition == kSteel2017) {
        // C.0.3: t is the flange's mean thickness, as the catalogue gives it.
        s.t = s.tf;
        selection.section = s;
        selection.text = "槽钢的参数:" + std::string("\r\n h\t\t    ：") + Fmt2(s.h) + "mm" +
                         "\r\n b\t\t    ：" + Fmt2(s.b) + "mm" + "\r\n 腹板厚度\t    ：" +
                         Fmt2(s.tw) + "mm" + "\r\n 翼缘平均厚度t\t    ：" + Fmt2(s.tf) + "mm";
        return selection;
    }
    // Web and flange thickness differ; the formula takes their mean.
    s.t = (s.tw + s.tf) * 0.5;
    selection.section = s;
    selection.text = "槽钢的参数:" + std::string("\r\n h\t\t    ：") + Fmt2(s.h) + "mm" +
                     "\r\n b\t\t    ：" + Fmt2(s.b) + "mm" + "\r\n 腹板厚度\t    ：" + Fmt2(s.tw) +
                     "mm" + "\r\n 翼缘厚度\t    ：" + Fmt2(s.tf) + "mm" +
                     "\r\n 翼缘和腹板的平均厚度t：" + Fmt2(s.t) + "mm";
    return selection;
}

RolledChannelBeamResult ComputeRolledChannelBeam(const RolledChannelBeamInput& in) {
    RolledChannelBeamResult r;
    const ChannelBeamSection& s = in.section;
    if (!(s.h > 0)) {
        r.notices.push_back(InputError("请先选择槽钢"));
        return r;
    }
    if (!(in.l1 > 0)) {
        r.notices.push_back(InputError("自由长度必须是大于0的数"));
        return r;
    }
    // 133950 = 570·235; l1 in m, the section in mm.
    r.phiB = s.b * s.t * 133950 / (in.fy * in.l1 * s.h * 1000);
    r.inelastic = r.phiB > 0.6;
    r.phiBPrime = r.inelastic ? InelasticPhiB(r.phiB) : r.phiB;
    if (!std::isfinite(r.phiB) || !std::isfinite(r.phiBPrime)) {
        r.notices.push_back(InputError("输入的数值过大"));
        return r;
    }
    if (in.edition == kSteel2017) {
        std::string text = "轧制槽钢简支梁的整体稳定系数，无论荷载的形式和荷载作用点在截面高度上的"
                           "位置，均按GB50017-2017式C.0.3";
        text += "\r\n φb = 570*b*t/(l1*1000*h)*εk^2 = " + Fmt2(r.phiB) +
                "（εk^2=235/fy=" + FormatNumber("%.3f", 235.0 / in.fy) + "）";
        if (r.inelastic) {
            text += "\r\n φb>0.6，按式C.0.1-7，φb' = 1.07-0.282/φb 且不大于1.0，φb'=" +
                    Fmt2(r.phiBPrime);
        }
        r.report = std::move(text);
        return r;
    }
    std::string text =
        "轧制槽钢间支梁受弯稳定系数，无论荷载的形式和荷载作用点在截面高度上的位置，均按 ";
    text += "\r\n phi = 570*(b*t)*235/(l1*1000.*h*fy) = " + Fmt2(r.phiB);
    if (r.inelastic) {
        text += "\r\n phi >0.6，按照规范，phi' = 1.07-0.282/phi 且phi'不大于1.0，所以，phi'=" +
                Fmt2(r.phiBPrime);
    }
    r.report = std::move(text);
    return r;
}

} // namespace ferrolab
