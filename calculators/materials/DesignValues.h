#pragma once
// "设计指标": the design values of steel, welds, resistance spot welds and the width-thickness
// limits of compressed plates, shown for a code, a steel grade and (GB50017) a thickness band.
//
// There is no compute: every pick in the dialog rewrites some boxes at once, and each pick
// writes its own wording. The functions below give the texts each pick writes; the dialog calls
// the one of the event it handles. ComputeDesignValues gives every box after a sequence of
// picks, for the command-line runner and the tests.

#include <optional>
#include <string>
#include <vector>

#include "calculators/Edition.h"
#include "engine/Materials.h"

namespace ferrolab {

// Captions of the dialog's controls, also used to label the runner's lines.
inline constexpr const char* kDesignValuesCaption = "设计指标";
inline constexpr const char* kCodeLabel = "规范:";
inline constexpr const char* kGradeLabel = "钢号:";
inline constexpr const char* kThicknessLabel = "钢材厚度:";
inline constexpr const char* kThicknessUnit = "mm";
inline constexpr const char* kSteelGroup = "钢材强度设计值";
inline constexpr const char* kWeldGroup = "焊缝强度设计值(N/mm2)";
inline constexpr const char* kSpotWeldGroup = "电阻点焊的抗剪承载力设计值(GB50018-2002 表4.2.6)";
inline constexpr const char* kSpotWeldPlateLabel = "相焊板件中外层较薄板件的厚度(mm):";
inline constexpr const char* kNvsLabel = "每个焊点的抗剪承载力设计值Nvs(kN):";
inline constexpr const char* kPlateLimitGroup = "受压板件最大宽厚比限值";
inline constexpr const char* kPlateCategoryLabel = "板件类别:";
inline constexpr const char* kLimitLabel = "限值:";
inline constexpr const char* kEditionLabel = "规范版本:";
inline constexpr const char* kElectrodeLabel = "焊条型号:";
inline constexpr const char* kBoltGroup = "螺栓连接的强度设计值(N/mm2)";

// The codes the dialog offers, as engine DesignCode values; its list shows the cold-formed code
// first ("GB50018-2002 冷弯薄壁型钢结构技术规范", "GB50017 普通钢结构规范").
inline constexpr int kDesignCodeColdFormed = kCodeGB50018;
inline constexpr int kDesignCodeGB50017 = kCodeGB50017;
// The code at a place of the dialog's list, and back; -1 for a place or code not in the list.
int DesignCodeAt(int listIndex);
int ListIndexOf(int code);

std::vector<std::string> DesignCodeEntries();
// The grades a code offers: "Q235", "Q345" (cold-formed) or "Q235" to "Q420" (GB50017); empty
// for another index.
std::vector<std::string> GradeEntries(int code);
// The thickness-band entries of a grade ("<=16", ...); empty for an unknown grade.
std::vector<std::string> ThicknessEntries(SteelGrade grade);
// The plate thickness a band entry stands for: 10, 18, 42, 70 mm for bands 1 to 4 (index 0 to
// 3), each inside its band for every grade; 0 for another index.
double RepresentativeThickness(int band);
// "0.4" ... "3.5", thinnest first.
std::vector<std::string> SpotWeldPlateEntries();

// The texts of the two strength boxes.
struct StrengthTexts {
    std::string steel;
    std::string weld;
};

// After a code pick: the headline texts of the code for Q235 (thinnest band for GB50017).
// Empty texts for an index that is not a code.
StrengthTexts TextsOnCodeChange(int code);
// After a grade pick: cold-formed values of the grade, or the GB50017 values of the grade for a
// 10 mm plate. Empty texts when the code does not offer the grade.
StrengthTexts TextsOnGradeChange(int code, SteelGrade grade);
// After a thickness pick (GB50017): the values for the band's representative thickness. Empty
// texts for an unknown grade or band.
StrengthTexts TextsOnThicknessChange(SteelGrade grade, int band);
// The Nvs box for a spot-weld row ("%.2f"); empty for an index outside the table.
std::string SpotWeldText(int plate);
// The limit box for a grade and plate category ("%.2f"); empty when Table 8 has no value.
std::string PlateLimitText(SteelGrade grade, int category);

// GB50017-2017 in the GB50017 mode. The grades of tables 4.4.1 and 4.4.2 (Q235 ... Q460,
// Q345GJ); the thickness bands of a grade (those of its steel table, each lying in one band of
// the weld table as well); the electrodes table 4.4.5 matches to the grade ("E43"; "E50", "E55";
// "E55", "E60"). Empty lists for a grade the tables do not hold.
std::vector<std::string> GradeEntries2017();
std::vector<std::string> ThicknessEntries2017(const std::string& grade);
std::vector<std::string> ElectrodeEntries2017(const std::string& grade);
// The steel, weld and bolt boxes for a grade, band and electrode (indexes in their lists); the
// same whichever pick wrote them. Nothing for a pick the lists do not offer.
struct StrengthTexts2017 {
    std::string steel;
    std::string weld;
    std::string bolts;
};
std::optional<StrengthTexts2017> Texts2017(const std::string& grade, int band, int electrode);

// The dialog after these picks, each from the list the dialog offers at that moment: the code,
// then the grade, then (GB50017) the thickness band, then the spot-weld plate and the plate
// category. Picking the code writes its headline texts (the grade and band lists restart at
// "Q235" and "<=16"); a grade or band other than those then writes its own texts.
struct DesignValuesInput {
    int code = kDesignCodeColdFormed;
    SteelGrade grade = kQ235;
    int band = 0;          // index in the thickness list
    int spotWeldPlate = 0; // index in the spot-weld list
    int plateCategory = 0; // index in the plate-category list
    // GB50017-2017 (GB50017 mode): the grade by its entry (Q345GJ has no number of its own) and
    // the electrode's index; the band indexes the 2017 list.
    int edition = kSteel2003;
    std::string gradeEntry = {};
    int electrode = 0;
};

struct DesignValuesView {
    std::optional<std::string> editionEntry; // GB50017-2017 only
    std::string codeEntry;
    std::string gradeEntry = {};
    std::optional<std::string> bandEntry;      // shown in GB50017 mode only
    std::optional<std::string> electrodeEntry; // GB50017-2017, GB50017 mode
    StrengthTexts strength;
    std::optional<std::string> bolts; // GB50017-2017, GB50017 mode
    // Shown in cold-formed mode only.
    std::optional<std::string> spotWeldPlateEntry;
    std::optional<std::string> nvs;
    std::optional<std::string> plateCategoryEntry;
    std::optional<std::string> limit;
};

// nullopt when a pick is not on offer (a grade the code does not list, an index past a list).
std::optional<DesignValuesView> ComputeDesignValues(const DesignValuesInput& input);

// The shown boxes as labelled lines ("\r\n" line ends), in the dialog's order.
std::string FormatDesignValues(const DesignValuesView& view);

} // namespace ferrolab
