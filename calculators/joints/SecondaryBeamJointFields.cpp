#include <sstream>

#include "calculators/Calculators.h"
#include "calculators/joints/JointFields.h"
#include "calculators/joints/SecondaryBeamJoint.h"
#include "engine/TextToNumber.h"

namespace ferrolab {
const Description& SecondaryBeamJointDescription() {
    static const Description description = [] {
        std::vector<FieldSpec> fields = {
            SteelEditionField(),
            SteelGradeField(TextsOf(SecondaryGradeNames()),
                            "steel of the connected plates (the lower grade where they differ)"),
            ChoiceField("bolt-kind", TextsOf(SecondaryBoltKindNames()), "摩擦型高强螺栓",
                        "摩擦型高强螺栓 (8.8, 10.9) or 普通螺栓 (grade C, 4.6, 4.8)", "螺栓种类",
                        "boltKind"),
            ChoiceField("bolt-grade",
                        WithNewNames(TextsOf(SecondaryBoltGradeNames(kSecondaryFrictionBolt)),
                                     SecondaryBoltGradeNames(kSecondaryOrdinaryBolt)),
                        "10.9", "8.8 or 10.9 friction type, 4.6 or 4.8 ordinary", "等级",
                        "boltGrade"),
            ChoiceField("d", TextsOf(SecondaryDiameterNames()), "M20", "bolt diameter", "直径",
                        "diameter"),
            FayingSurfaceField(SecondarySurfaceNames(kSteel2003), SecondarySurfaceNames(kSteel2017),
                               "faying surface (friction type)"),
            PresetNumberField("clearance", {"1.5", "2.0", "1.0"}, "hole minus bolt diameter, mm",
                              "螺栓孔径与螺栓直径的差", "mm"),
            ChoiceField("n", TextsOf(SecondaryBoltCountNames()), "3", "bolts in the single column",
                        "螺栓个数n", "n"),
            PresetNumberField("p", {"70", "80", "90", "100"}, "bolt pitch, mm", "间距p", "mm"),
            PresetNumberField("e", {"55", "60", "70", "80"},
                              "bolt line to the stiffener's weld line (the hinge), mm", "偏心距e",
                              "mm"),
            PresetNumberField("V", {"100.00", "150.00", "200.00", "50.00"},
                              "secondary-beam end reaction, design value, kN", "V", "kN"),
            PresetNumberField("tw", {"8", "6", "10", "12"},
                              "secondary beam web thickness, mm (ordinary bolts)", "次梁腹板厚tw",
                              "mm"),
            PresetNumberField("ts", {"10", "8", "12", "14"},
                              "stiffener thickness, mm (ordinary bolts)", "加劲肋厚ts", "mm"),
            PresetNumberField("hf", {"6", "8", "10"}, "leg of the two stiffener welds, mm",
                              "焊脚尺寸hf", "mm"),
            PresetNumberField("l", {"270", "300", "350", "400"},
                              "length of each weld = stiffener height, mm (bolts centred on it)",
                              "焊缝长度l", "mm"),
            PresetNumberField("betaF", {"1.22", "1.0"},
                              "βf: 1.22, or 1.0 under direct dynamic load", "强度增大系数βf", ""),
        };
        return Describe("secondary-beam-joint", kSecondaryBeamJointCaption, std::move(fields));
    }();
    return description;
}

Outcome RunSecondaryBeamJoint(const FieldValues& v) {
    SecondaryBeamJointInput in;
    in.kind = IndexOf(SecondaryBoltKindNames(), v.at("bolt-kind"));
    if (IndexOf(SecondaryBoltGradeNames(in.kind), v.at("bolt-grade")) < 0) {
        std::ostringstream usage;
        usage << "ferrolab-calc: bolt-grade " << v.at("bolt-grade") << " is not a grade of "
              << v.at("bolt-kind") << " (" << Joined(TextsOf(SecondaryBoltGradeNames(in.kind)))
              << ")\n";
        return UsageError(usage.str());
    }
    in.edition = SteelEditionOf(v);
    in.surface = FayingSurfaceIndex(SecondarySurfaceNames(in.edition), in.edition, v.at("surface"));
    if (in.surface < 0) {
        return UsageError(FayingSurfaceUsage(SecondarySurfaceNames(in.edition), v.at("edition")));
    }
    in.grade = SecondaryGradeOf(v.at("grade"));
    in.boltClass = SecondaryBoltClassOf(v.at("bolt-grade"));
    in.d = SecondaryDiameterOf(v.at("d"));
    in.clearance = TextToDouble(v.at("clearance"));
    in.n = static_cast<int>(TextToDouble(v.at("n")));
    in.p = TextToDouble(v.at("p"));
    in.e = TextToDouble(v.at("e"));
    in.v = TextToDouble(v.at("V"));
    in.tw = TextToDouble(v.at("tw"));
    in.ts = TextToDouble(v.at("ts"));
    in.hf = TextToDouble(v.at("hf"));
    in.l = TextToDouble(v.at("l"));
    in.betaF = TextToDouble(v.at("betaF"));
    const SecondaryBeamJointResult result = ComputeSecondaryBeamJoint(in);
    return Outcome{result.report, result.notices, result.checks};
}

} // namespace ferrolab
