#pragma once
// The section names the dialogs offer, in one place, so that every offered name is spelt exactly
// as the catalogue (Profilux) keys it. Lists keep the catalogue's order; dialogs show them as
// they stand, never sorted.

#include <span>
#include <string_view>

namespace ferrolab {

using NameList = std::span<const char* const>;

// Hot-rolled H series with the captions under which the dialogs offer them.
inline constexpr std::string_view kSeriesCaptionHW = "马钢宽翼缘HW系列";
inline constexpr std::string_view kSeriesCaptionHM = "马钢中翼缘HM系列";
inline constexpr std::string_view kSeriesCaptionHN = "马钢窄翼缘HN系列";
inline constexpr std::string_view kSeriesCaptionHP = "马钢钢桩HP系列";

struct SectionSeries {
    std::string_view caption;
    NameList names;
};

NameList HWNames();          // 17
NameList HMNames();          // 11
NameList HNNames();          // 25
NameList HPNames();          // 16 H-pile names; the catalogue holds none of them
NameList HWSelectionNames(); // the HW names without "HW428x407" (16)
// The section list of the section selection dialog before a family is chosen: nine "HK" names
// ("HK100a" to "HK140c"), display names only, not catalogue keys.
NameList SelectionOpeningNames();
// The four series in the order HW, HM, HN, HP.
std::span<const SectionSeries> RolledHSeries();

NameList IBeamNames(); // 34, "I10" to "I63c"
// The rolled I-beams of the tabulated φb dialog: the same 34 beams spelt "I10 ", "I12.6",
// "I20A" ... "I63C" (upper-case series letter; a name without a letter is padded with a blank).
// Display names only: the dialog reads the beam number from the second and third characters and
// never looks these names up in the catalogue.
NameList IBeamPhiNames();
NameList ChannelNames(); // 30, "槽5" to "槽40c"

NameList EqualAngleNames();       // 82, catalogue spelling "L20X3"
NameList AxialMemberAngleNames(); // 82, spelt "L 20x3": display names only, not catalogue keys
NameList PinnedJointAngleNames(); // 53, "L70X4" to "L200X24"

NameList CFChannelNames();        // 11 plain channels
NameList CFChannelOpeningNames(); // 10: the plain channels without "薄槽120x40x2.5"
NameList CFLippedChannelNames();  // 21
NameList CFLippedZNames();        // 12: all lipped Z sections but "卷Z160x70x20x2.5"
NameList SquareTubeNames();       // 22
NameList LightHNames();           // 45

// Family captions of the calculators' family lists ("HW型钢" ... "槽钢").
NameList FamilyCaptions();

} // namespace ferrolab
