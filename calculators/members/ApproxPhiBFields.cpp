#include <algorithm>
#include <sstream>

#include "calculators/Calculators.h"
#include "calculators/Edition.h"
#include "calculators/materials/DesignValues.h"
#include "calculators/members/ApproxPhiB.h"
#include "calculators/members/BeamStability.h"
#include "calculators/members/MemberFields.h"
#include "engine/TextToNumber.h"

namespace ferrolab {

const Description& ApproxPhiBDescription() {
    static const Description description = [] {
        Description entry;
        entry.id = "approx-phib";
        entry.caption = kApproxPhiBCaption;
        const std::vector<std::string> lambda = {"70.30", "40.00",  "60.00",
                                                 "80.00", "100.00", "120.00"};
        const std::vector<std::string> stem = {"15.00", "12.00", "18.00"};
        const std::vector<std::string> l1 = {"6.00", "3.00", "4.00", "5.00", "7.00", "8.00"};
        const std::vector<std::string> b1 = {"300.00", "200.00", "250.00", "400.00"};
        const std::vector<std::string> t1 = {"14.00", "12.00", "16.00", "20.00"};
        const std::vector<std::string> hw = {"574.00", "400.00", "500.00", "800.00"};
        const std::vector<std::string> tw = {"8.00", "10.00", "12.00"};
        const std::vector<std::string> b2 = {"200.00", "250.00", "300.00", "400.00"};
        const std::vector<std::string> t2 = {"12.00", "14.00", "16.00", "20.00"};
        std::vector<std::string> types;
        for (int i = 0; i < 5; ++i) {
            types.push_back(std::to_string(i + 1));
        }
        entry.fields = {
            SteelEditionField(),
            {.name = "type",
             .defaultValue = "1",
             .allowed = types,
             .help = "section type: 1 doubly symmetric I/H (B.5-1), 2 singly symmetric I (B.5-2), "
                     "3 double-angle T, flange compressed (B.5-3), 4 split or two-plate T, flange "
                     "compressed (B.5-4), 5 T with the flange in tension (B.5-5)",
             .label = "截面类型",
             .control = "sectionType",
             .entries = TextsOf(ApproxSectionCaptions())},
            {.name = "lambda-from",
             .defaultValue = "typed",
             .allowed = {"typed", "section"},
             .help = "λy typed, or formed from l1 and the section",
             .label = "长细比λy",
             .control = "lambdaFrom",
             .entries = {"直接输入λy", "由l1和截面计算λy=l1/iy"}},
            {.name = "lambda",
             .defaultValue = lambda[0],
             .help = "λy, typed",
             .label = "λy",
             .presets = lambda,
             .control = "lambda"},
            {.name = "stem-ratio",
             .defaultValue = stem[0],
             .help = "b/t of the T's stem (type 5 with λy typed)",
             .label = "T形腹板宽厚比 b/t",
             .presets = stem,
             .control = "stemRatio"},
            PresetNumberField("l1", l1, "spacing of the compression flange's lateral supports (m)",
                              "受压翼缘侧向支承点的距离 l1", "m"),
            ChoiceField(
                "series", ApproxSeriesEntries(), ApproxSeriesEntries().front(),
                "a rolled H series (types 4 and 5: the T split from it) or the welded plates",
                "截面"),
            HSectionNameField("截面"),
            {.name = "B1",
             .defaultValue = b1[0],
             .help = "welded: compression flange width of an I, flange width of a T (mm)",
             .label = "翼缘1宽度 B1",
             .unit = "mm",
             .presets = b1,
             .control = "b1"},
            PresetNumberField("t1", t1, "welded: its thickness (mm)", "翼缘1厚度 t1", "mm"),
            PresetNumberField("hw", hw, "welded: web (stem) height clear of the flanges (mm)",
                              "腹板高度 hw", "mm"),
            PresetNumberField("tw", tw, "welded: web (stem) thickness (mm)", "腹板厚度 tw", "mm"),
            {.name = "B2",
             .defaultValue = b2[0],
             .help = "welded I: tension flange width (mm)",
             .label = "翼缘2宽度 B2",
             .unit = "mm",
             .presets = b2,
             .control = "b2"},
            PresetNumberField("t2", t2, "welded I: tension flange thickness (mm)", "翼缘2厚度 t2",
                              "mm"),
            GradeField({"Q235", "Q345", "Q390", "Q420"}),
        };
        return Describe(entry.id, entry.caption, entry.fields);
    }();
    return description;
}

Outcome RunApproxPhiB(const FieldValues& v) {
    ApproxPhiBInput in;
    in.edition = SteelEditionOf(v);
    in.section = static_cast<int>(TextToDouble(v.at("type"))) - 1;
    in.lambdaTyped = v.at("lambda-from") != "section";
    in.lambdaY = TextToDouble(v.at("lambda"));
    in.stemRatio = TextToDouble(v.at("stem-ratio"));
    in.l1 = TextToDouble(v.at("l1"));
    in.series = v.at("series");
    in.name = v.at("name");
    if (IsRolledHSeries(in.series)) {
        // The dialog offers only the names of the chosen series.
        const NameList names = BeamSeriesNames(in.series);
        if (std::find(names.begin(), names.end(), in.name) == names.end()) {
            std::ostringstream usage;
            usage << "ferrolab-calc: '" << in.name << "' is not a section of " << in.series << '\n';
            return UsageError(usage.str());
        }
    }
    in.b1 = TextToDouble(v.at("B1"));
    in.t1 = TextToDouble(v.at("t1"));
    in.hw = TextToDouble(v.at("hw"));
    in.tw = TextToDouble(v.at("tw"));
    in.b2 = TextToDouble(v.at("B2"));
    in.t2 = TextToDouble(v.at("t2"));
    in.fy = GradeOfEntry(v.at("grade"));
    const ApproxPhiBResult result = ComputeApproxPhiB(in);
    return Outcome{result.report, result.notices};
}

} // namespace ferrolab
