#include "calculators/Calculators.h"
#include "calculators/joints/JointFields.h"
#include "calculators/joints/TubeJoint.h"
#include "engine/TextToNumber.h"

namespace ferrolab {
const Description& TubeJointDescription() {
    static const Description description = [] {
        std::vector<FieldSpec> fields = {
            SteelEditionField(),
            ChoiceField("joint", TextsOf(TubeJointKindNames()), TubeJointKindNames()[0],
                        "X, T (Y) or K joint with a gap", "节点形式"),
            SteelGradeField(TextsOf(TubeGradeNames()), "steel of the tubes"),
            PresetNumberField("D", {"245", "219", "273", "325", "377"},
                              "chord outside diameter, mm", "主管外径D", "mm"),
            PresetNumberField("t", {"8", "10", "12", "6"}, "chord wall, mm", "主管壁厚t", "mm"),
            PresetNumberField("d1", {"133", "114", "140", "159", "89"},
                              "branch outside diameter, mm (K: the branch in compression)",
                              "支管外径d1", "mm"),
            PresetNumberField("t1", {"6", "5", "8", "4"}, "branch wall, mm", "支管壁厚t1", "mm"),
            PresetNumberField("theta1", {"60", "45", "90", "30"},
                              "angle of the branch to the chord, degrees", "夹角θ1", "°"),
            ChoiceField("force", TextsOf(TubeForceSenseNames()), TubeForceSenseNames()[0],
                        "X and T: the branch in compression or tension", "支管受力"),
            PresetNumberField("N1", {"100.00", "200.00", "300.00"},
                              "branch axial force (magnitude), kN", "支管轴力N1", "kN"),
            PresetNumberField("d2", {"121", "114", "133", "89"},
                              "K: tension branch outside diameter, mm", "受拉支管外径d2", "mm"),
            PresetNumberField("t2", {"6", "5", "8", "4"}, "K: tension branch wall, mm",
                              "受拉支管壁厚t2", "mm"),
            PresetNumberField("theta2", {"60", "45", "90", "30"},
                              "K: angle of the tension branch, degrees", "夹角θ2", "°"),
            PresetNumberField("N2", {"100.00", "200.00", "300.00"},
                              "K: tension branch axial force (magnitude), kN", "受拉支管轴力N2",
                              "kN"),
            PresetNumberField("a", {"30", "20", "40", "50"},
                              "K: gap between the branches on the chord, mm", "间隙a", "mm"),
            PresetNumberField(
                "sigma", {"80", "120", "0"},
                "the smaller chord compressive stress of the two sides, N/mm2 (0 or less: "
                "chord in tension, ψn = 1)",
                "主管压应力σ", "N/mm2"),
            PresetNumberField("hf", {"6", "5", "8", "10"},
                              "leg of the branch-to-chord fillet weld, mm", "焊脚尺寸hf", "mm"),
        };
        return Describe("tube-joint", kTubeJointCaption, std::move(fields));
    }();
    return description;
}

Outcome RunTubeJoint(const FieldValues& v) {
    TubeJointInput in;
    in.kind = static_cast<TubeJointKind>(IndexOf(TubeJointKindNames(), v.at("joint")));
    in.edition = SteelEditionOf(v);
    in.grade = static_cast<SteelGrade>(TextToDouble(v.at("grade").substr(1)));
    in.chordD = TextToDouble(v.at("D"));
    in.chordT = TextToDouble(v.at("t"));
    in.d1 = TextToDouble(v.at("d1"));
    in.t1 = TextToDouble(v.at("t1"));
    in.theta1 = TextToDouble(v.at("theta1"));
    in.tension = IndexOf(TubeForceSenseNames(), v.at("force")) == 1;
    in.n1 = TextToDouble(v.at("N1"));
    in.d2 = TextToDouble(v.at("d2"));
    in.t2 = TextToDouble(v.at("t2"));
    in.theta2 = TextToDouble(v.at("theta2"));
    in.n2 = TextToDouble(v.at("N2"));
    in.gap = TextToDouble(v.at("a"));
    in.sigma = TextToDouble(v.at("sigma"));
    in.hf = TextToDouble(v.at("hf"));
    const TubeJointResult result = ComputeTubeJoint(in);
    return Outcome{result.report, result.notices, result.checks};
}

} // namespace ferrolab
