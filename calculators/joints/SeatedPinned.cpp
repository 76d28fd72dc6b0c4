#include "calculators/joints/SeatedPinned.h"

#include <cmath>
#include <initializer_list>

#include "engine/Format.h"
#include "engine/ISection.h"
#include "engine/Materials2017.h"

namespace ferrolab {
namespace {

// ffw of table 4.4.5 depends on the grade and the electrode only; any band of the table serves.
constexpr double kAnyWeldThickness = 10;

} // namespace

std::span<const char* const> SeatedElectrodeNames(std::string_view grade) {
    return Electrodes2017(grade);
}

SeatedPinnedResult ComputeSeatedPinned(const SeatedPinnedInput& in) {
    SeatedPinnedResult r;
    if (!(in.hfH > 0) || !(in.hfV > 0)) {
        return Refused(r, "焊脚尺寸hf_H和hf_V必须大于0");
    }
    // A cut-out of negative size would lengthen the web welds beyond the plate; 0 is no cut-out.
    if (!(in.cl >= 0)) {
        return Refused(r, "切角边长cl不能小于0");
    }
    r.lwH = in.wf - 2 * in.hfH;
    r.lwV = in.hw - in.cl - 2 * in.hfV;
    if (!(r.lwH > 0)) {
        return Refused(r, "支托翼缘焊缝的计算长度lw=wf-2*hf_H不大于0，请加大翼缘宽度wf或减小"
                          "焊脚尺寸hf_H");
    }
    if (!(r.lwV > 0)) {
        return Refused(r, "支托腹板焊缝的计算长度lw=hw-cl-2*hf_V不大于0，请加大腹板高度hw或减小"
                          "切角边长cl、焊脚尺寸hf_V");
    }
    if (!(in.wf > 0) || !(in.tf > 0) || !(in.hw > 0) || !(in.tw > 0)) {
        return Refused(r, "支托翼缘和腹板的尺寸wf、tf、hw、tw必须大于0");
    }
    if (in.d1 + in.d2 < 0) {
        return Refused(r, "V的作用点到柱翼缘的距离d1+d2不能为负值");
    }

    std::string electrode = in.electrode;
    if (in.edition == kSteel2017) {
        const auto electrodes = Electrodes2017(in.grade);
        if (electrode.empty() && !electrodes.empty()) {
            electrode = electrodes[0];
        }
        const std::optional<Weld2017> weld =
            GetWeldStrength2017(in.grade, electrode, kAnyWeldThickness);
        if (!weld) {
            return Refused(r, in.grade + "钢不采用" + electrode +
                                  "型焊条，请按GB50017-2017表4.4.5选择焊条");
        }
        r.ffw = weld->ffw;
    }

    r.m = in.v * (in.d1 + in.d2) * 1000;

    // Leg centres of the flange-plate welds: above and below the flange plate, whose underside
    // lies hfV below the top of the web plate's effective weld.
    r.yH1 = in.hw - in.hfV + in.tf + 0.5 * in.hfH;
    r.yH2 = in.hw - in.hfV - 0.5 * in.hfH;
    r.legArea = 2 * (in.hfH * r.lwH + in.hfV * r.lwV);
    r.yc = (in.hfH * r.lwH * (r.yH1 + r.yH2) + 2 * in.hfV * r.lwV * 0.5 * r.lwV) / r.legArea;

    // Throat centres (0.35·hf from the plate face) of the flange-plate welds; throats 0.7·hf.
    const double y1 = in.hw - in.hfV + in.tf + 0.35 * in.hfH;
    const double y2 = in.hw - in.hfV - 0.35 * in.hfH;
    r.i = 0.7 * (in.hfH * r.lwH * (y1 * y1 + y2 * y2) +
                 2 * in.hfV * r.lwV * (0.5 * r.lwV) * (0.5 * r.lwV)) +
          1.4 * in.hfV * r.lwV * r.lwV * r.lwV / 12 - 0.7 * r.legArea * r.yc * r.yc;
    if (!(r.i > 0)) {
        return Refused(r, "焊缝群的惯性矩I不大于0，请检查支托和焊缝的尺寸");
    }

    r.tauV = in.v * 1000 / (1.4 * in.hfV * r.lwV);
    r.sigma1 = r.m * (in.hw - in.hfV + in.tf + 0.7 * in.hfH - r.yc) / r.i;
    const double bottom = r.m * r.yc / r.i;
    const double top = r.m * (r.lwV - r.yc) / r.i;
    r.sigma2 = std::sqrt(bottom * bottom + r.tauV * r.tauV);
    r.sigma3 = std::sqrt(top * top + r.tauV * r.tauV);

    // The bracket's own T section: flange plate on top of the web plate, no bottom flange.
    double iy = 0;
    CalcISectionProps(in.wf, in.tf, in.hw, in.tw, 0, 0, &r.ix, &iy, &r.yb, &r.s);
    if (!(r.ix > 0)) {
        return Refused(r, "支托截面的惯性矩不大于0，请检查支托的尺寸");
    }
    r.sigmaTop = r.m * (in.hw + in.tf - r.yb) / r.ix;
    r.tau = in.v * 1000 * r.s / (r.ix * in.tw);

    if (!AllFinite({r.sigma1, r.sigma2, r.sigma3, r.sigmaTop, r.tau})) {
        return Refused(r, "输入的数值过大，计算结果超出范围");
    }

    r.report = " 焊缝σ_1:" + Fmt2(r.sigma1) + "N/mm2" + "\r\n σ_2:" + Fmt2(r.sigma2) + "N/mm2" +
               "\r\n σ_3:" + Fmt2(r.sigma3) + "N/mm2" +
               "\r\n 梁托翼缘1处 σ_Top:" + Fmt2(r.sigmaTop) + "N/mm2" +
               "\r\n 梁托腹板最大剪力 τ:" + Fmt2(r.tau) + "N/mm2";
    if (in.edition == kSteel2017) {
        *r.report += "\r\n 角焊缝强度设计值ffw=" + Fmt2(r.ffw) + "N/mm2（GB50017-2017表4.4.5，" +
                     in.grade + "钢，" + electrode +
                     "型焊条），焊缝σ_1、σ_2、σ_3均应不大于ffw（第11.2.2条，βf取1.0）";
        r.checks = {{"焊缝σ_1/ffw", r.sigma1, r.ffw},
                    {"焊缝σ_2/ffw", r.sigma2, r.ffw},
                    {"焊缝σ_3/ffw", r.sigma3, r.ffw}};
    }
    return r;
}

} // namespace ferrolab
