#include "sections/SectionLists.h"

namespace ferrolab {

namespace {

// Wide-flange H series, in catalogue order.
constexpr const char* kHW[] = {"HW100x100", "HW175x175", "HW200x200", "HW200x204", "HW250x250",
                               "HW250x255", "HW294x302", "HW300x300", "HW300x305", "HW344x348",
                               "HW350x350", "HW388x402", "HW394x398", "HW400x400", "HW414x405",
                               "HW400x408", "HW428x407"};

// Medium-flange H series.
constexpr const char* kHM[] = {"HM194x150", "HM244x175", "HM294x200", "HM340x250",
                               "HM390x300", "HM440x300", "HM482x300", "HM488x300",
                               "HM582x300", "HM588x300", "HM594x302"};

// Narrow-flange H series.
constexpr const char* kHN[] = {"HN175x90",  "HN198x99",  "HN200x100", "HN248x124", "HN250x125",
                               "HN298x149", "HN300x150", "HN346x174", "HN350x175", "HN400x150",
                               "HN396x199", "HN400x200", "HN450x150", "HN446x199", "HN450x200",
                               "HN496x199", "HN500x200", "HN506x201", "HN596x199", "HN600x200",
                               "HN606x201", "HN692x300", "HN700x300", "HN729x300", "HN800x300"};

// H-pile series: offered for choosing, but the catalogue holds no pile sections.
constexpr const char* kHP[] = {"HP200x204", "HP244x252", "HP250x255", "HP294x302",
                               "HP300x300", "HP300x305", "HP338x351", "HP344x354",
                               "HP350x350", "HP350x357", "HP388x402", "HP394x405",
                               "HP400x400", "HP414x405", "HP400x408", "HP428x407"};

// The wide-flange series as the section selection offers it (without HW428x407).
constexpr const char* kHWSelection[] = {"HW100x100", "HW175x175", "HW200x200", "HW200x204",
                                        "HW250x250", "HW250x255", "HW294x302", "HW300x300",
                                        "HW300x305", "HW344x348", "HW350x350", "HW388x402",
                                        "HW394x398", "HW400x400", "HW414x405", "HW400x408"};

// The selection dialog's section list before a family is chosen.
constexpr const char* kSelectionOpening[] = {"HK100a", "HK100b", "HK100c", "HK120a", "HK120b",
                                             "HK120c", "HK140a", "HK140b", "HK140c"};

// Hot-rolled I-beams.
constexpr const char* kIBeams[] = {
    "I10",  "I12.6", "I14",  "I16",  "I18",  "I20a", "I20b", "I22a", "I22b", "I25a", "I25b", "I28a",
    "I28b", "I32a",  "I32b", "I32c", "I36a", "I36b", "I36c", "I40a", "I40b", "I40c", "I45a", "I45b",
    "I45c", "I50a",  "I50b", "I50c", "I56a", "I56b", "I56c", "I63a", "I63b", "I63c"};

// Hot-rolled I-beams as the tabulated φb dialog lists them.
constexpr const char* kIBeamPhi[] = {
    "I10 ", "I12.6", "I14 ", "I16 ", "I18 ", "I20A", "I20B", "I22A", "I22B", "I25A", "I25B", "I28A",
    "I28B", "I32A",  "I32B", "I32C", "I36A", "I36B", "I36C", "I40A", "I40B", "I40C", "I45A", "I45B",
    "I45C", "I50A",  "I50B", "I50C", "I56A", "I56B", "I56C", "I63A", "I63B", "I63C"};

// Hot-rolled channels.
constexpr const char* kChannels[] = {
    "槽5",   "槽6.3", "槽8",   "槽10",  "槽12.6", "槽14a", "槽14b", "槽16a", "槽16b", "槽18a",
    "槽18b", "槽20a", "槽20b", "槽22a", "槽22b",  "槽25a", "槽25b", "槽25c", "槽28a", "槽28b",
    "槽28c", "槽32a", "槽32b", "槽32c", "槽36a",  "槽36b", "槽36c", "槽40a", "槽40b", "槽40c"};

// Equal-leg angles, catalogue spelling.
constexpr const char* kEqualAngles[] = {
    "L20X3",   "L20X4",   "L25X3",   "L25X4",   "L30X3",   "L30X4",   "L36X3",   "L36X4",
    "L36X5",   "L40X3",   "L40X4",   "L40X5",   "L45X3",   "L45X4",   "L45X5",   "L45X6",
    "L50X3",   "L50X4",   "L50X5",   "L50X6",   "L56X3",   "L56X4",   "L56X5",   "L56X8",
    "L63X4",   "L63X5",   "L63X6",   "L63X8",   "L63X10",  "L70X4",   "L70X5",   "L70X6",
    "L70X7",   "L70X8",   "L75X5",   "L75X6",   "L75X7",   "L75X8",   "L75X10",  "L80X5",
    "L80X6",   "L80X7",   "L80X8",   "L80X10",  "L90X6",   "L90X7",   "L90X8",   "L90X10",
    "L90X12",  "L100X6",  "L100X7",  "L100X8",  "L100X10", "L100X12", "L100X14", "L100X16",
    "L110X7",  "L110X8",  "L110X10", "L110X12", "L110X14", "L125X8",  "L125X10", "L125X12",
    "L125X14", "L140X10", "L140X12", "L140X14", "L140X16", "L160X10", "L160X12", "L160X14",
    "L160X16", "L180X12", "L180X14", "L180X16", "L180X18", "L200X14", "L200X16", "L200X18",
    "L200X20", "L200X24"};

// Equal-leg angles as the four-angle laced column lists them (a blank after L, lower-case x);
// these are display names, not catalogue keys.
constexpr const char* kAxialMemberAngles[] = {
    "L 20x3",   "L 20x4",   "L 25x3",   "L 25x4",   "L 30x3",   "L 30x4",   "L 36x3",   "L 36x4",
    "L 36x5",   "L 40x3",   "L 40x4",   "L 40x5",   "L 45x3",   "L 45x4",   "L 45x5",   "L 45x6",
    "L 50x3",   "L 50x4",   "L 50x5",   "L 50x6",   "L 56x3",   "L 56x4",   "L 56x5",   "L 56x8",
    "L 63x4",   "L 63x5",   "L 63x6",   "L 63x8",   "L 63x10",  "L 70x4",   "L 70x5",   "L 70x6",
    "L 70x7",   "L 70x8",   "L 75x5",   "L 75x6",   "L 75x7",   "L 75x8",   "L 75x10",  "L 80x5",
    "L 80x6",   "L 80x7",   "L 80x8",   "L 80x10",  "L 90x6",   "L 90x7",   "L 90x8",   "L 90x10",
    "L 90x12",  "L 100x6",  "L 100x7",  "L 100x8",  "L 100x10", "L 100x12", "L 100x14", "L 100x16",
    "L 110x7",  "L 110x8",  "L 110x10", "L 110x12", "L 110x14", "L 125x8",  "L 125x10", "L 125x12",
    "L 125x14", "L 140x10", "L 140x12", "L 140x14", "L 140x16", "L 160x10", "L 160x12", "L 160x14",
    "L 160x16", "L 180x12", "L 180x14", "L 180x16", "L 180x18", "L 200x14", "L 200x16", "L 200x18",
    "L 200x20", "L 200x24"};

// Equal-leg angles offered for the double-angle beam-to-column joint (L70X4 and up).
constexpr const char* kPinnedJointAngles[] = {
    "L70X4",   "L70X5",   "L70X6",   "L70X7",   "L70X8",   "L75X5",   "L75X6",   "L75X7",
    "L75X8",   "L75X10",  "L80X5",   "L80X6",   "L80X7",   "L80X8",   "L80X10",  "L90X6",
    "L90X7",   "L90X8",   "L90X10",  "L90X12",  "L100X6",  "L100X7",  "L100X8",  "L100X10",
    "L100X12", "L100X14", "L100X16", "L110X7",  "L110X8",  "L110X10", "L110X12", "L110X14",
    "L125X8",  "L125X10", "L125X12", "L125X14", "L140X10", "L140X12", "L140X14", "L140X16",
    "L160X10", "L160X12", "L160X14", "L160X16", "L180X12", "L180X14", "L180X16", "L180X18",
    "L200X14", "L200X16", "L200X18", "L200X20", "L200X24"};

// Cold-formed plain channels.
constexpr const char* kCFChannels[] = {"薄槽60x30x2.5",  "薄槽80x40x2.5",  "薄槽80x40x3.0",
                                       "薄槽100x40x2.5", "薄槽100x40x3.0", "薄槽120x40x2.5",
                                       "薄槽120x40x3.0", "薄槽140x50x3.0", "薄槽140x50x3.5",
                                       "薄槽160x60x3.0", "薄槽160x60x3.5"};

// The plain channels the cold-formed beam dialog shows before a kind is chosen.
constexpr const char* kCFChannelsAtOpening[] = {
    "薄槽60x30x2.5",  "薄槽80x40x2.5",  "薄槽80x40x3.0",  "薄槽100x40x2.5", "薄槽100x40x3.0",
    "薄槽120x40x3.0", "薄槽140x50x3.0", "薄槽140x50x3.5", "薄槽160x60x3.0", "薄槽160x60x3.5"};

// Cold-formed lipped channels.
constexpr const char* kCFLippedChannels[] = {
    "卷槽80x40x15x2.0",  "卷槽100x50x15x2.5", "卷槽120x50x20x2.5", "卷槽120x60x20x3.0",
    "卷槽140x50x20x2.0", "卷槽140x50x20x2.2", "卷槽140x50x20x2.5", "卷槽140x60x20x3.0",
    "卷槽160x60x20x2.0", "卷槽160x60x20x2.2", "卷槽160x60x20x2.5", "卷槽160x70x20x3.0",
    "卷槽180x70x20x2.0", "卷槽180x70x20x2.2", "卷槽180x70x20x2.5", "卷槽200x70x20x2.0",
    "卷槽200x70x20x2.2", "卷槽200x70x20x2.5", "卷槽220x75x20x2.0", "卷槽220x75x20x2.2",
    "卷槽220x75x20x2.5"};

// Cold-formed lipped Z sections offered for choosing (the catalogue also
// holds 卷Z160x70x20x2.5).
constexpr const char* kCFLippedZ[] = {"卷Z100x40x20x2.0", "卷Z100x40x20x2.5", "卷Z120x50x20x2.0",
                                      "卷Z120x50x20x2.5", "卷Z120x50x20x3.0", "卷Z140x50x20x2.5",
                                      "卷Z140x50x20x3.0", "卷Z160x60x20x2.5", "卷Z160x60x20x3.0",
                                      "卷Z160x70x20x3.0", "卷Z180x70x20x2.5", "卷Z180x70x20x3.0"};

// Cold-formed square tubes.
constexpr const char* kSquareTubes[] = {
    "方钢管25x1.5",  "方钢管30x1.5",  "方钢管40x1.5",  "方钢管40x2.0",  "方钢管50x1.5",
    "方钢管50x2.0",  "方钢管60x2.0",  "方钢管60x2.5",  "方钢管80x2.0",  "方钢管80x2.5",
    "方钢管100x2.5", "方钢管100x3.0", "方钢管120x2.5", "方钢管120x3.0", "方钢管140x3.0",
    "方钢管140x3.5", "方钢管140x4.0", "方钢管160x3.0", "方钢管160x3.5", "方钢管160x4.0",
    "方钢管160x4.5", "方钢管160x5.0"};

// Light welded H sections.
constexpr const char* kLightH[] = {
    "大通H100x50x2.3x3.2",  "大通H100x50x3.2x4.5",  "大通H100x100x4.5x6.0", "大通H100x100x6.0x8.0",
    "大通H120x120x3.2x4.5", "大通H120x120x4.5x6.0", "大通H150x75x3.2x4.5",  "大通H150x75x4.5x6.0",
    "大通H150x100x3.2x4.5", "大通H150x100x4.5x6.0", "大通H150x150x4.5x6.0", "大通H150x150x6.0x8.0",
    "大通H200x100x3.0x3.0", "大通H200x100x3.2x4.5", "大通H200x100x4.5x6.0", "大通H200x100x6.0x8.0",
    "大通H200x150x3.2x4.5", "大通H200x150x4.5x6.0", "大通H200x150x6.0x8.0", "大通H200x200x6.0x8.0",
    "大通H250x125x3.0x3.0", "大通H250x125x3.2x4.5", "大通H250x125x4.5x6.0", "大通H250x125x4.5x8.0",
    "大通H250x125x6.0x8.0", "大通H250x150x3.2x4.5", "大通H250x150x4.5x6.0", "大通H250x150x4.5x8.0",
    "大通H250x150x6.0x8.0", "大通H250x200x6.0x8.0", "大通H300x150x3.2x4.5", "大通H300x150x4.5x6.0",
    "大通H300x150x4.5x8.0", "大通H300x150x6.0x8.0", "大通H300x200x6.0x8.0", "大通H350x150x3.2x4.5",
    "大通H350x150x4.5x6.0", "大通H350x150x6.0x8.0", "大通H350x175x4.5x6.0", "大通H350x175x4.5x8.0",
    "大通H350x175x6.0x8.0", "大通H350x200x6.0x8.0", "大通H400x150x4.5x8.0", "大通H400x200x6.0x8.0",
    "大通H400x200x4.5x9.0"};

// Section family captions of the calculators' family lists.
constexpr const char* kFamilyCaptions[] = {"HW型钢",
                                           "HM型钢",
                                           "HN型钢",
                                           "热轧工字钢",
                                           "两内扣槽钢",
                                           "焊接工字型(上下翼缘等宽)",
                                           "等边双角钢",
                                           "不等边双角钢短肢相靠",
                                           "不等边双角钢长肢相靠",
                                           "圆钢管",
                                           "工字型",
                                           "方钢管",
                                           "槽钢"};

const SectionSeries kRolledHSeries[] = {
    {kSeriesCaptionHW, kHW},
    {kSeriesCaptionHM, kHM},
    {kSeriesCaptionHN, kHN},
    {kSeriesCaptionHP, kHP},
};

} // namespace

NameList HWNames() {
    return kHW;
}

NameList HMNames() {
    return kHM;
}

NameList HNNames() {
    return kHN;
}

NameList HPNames() {
    return kHP;
}

NameList HWSelectionNames() {
    return kHWSelection;
}

NameList SelectionOpeningNames() {
    return kSelectionOpening;
}

NameList IBeamNames() {
    return kIBeams;
}

NameList IBeamPhiNames() {
    return kIBeamPhi;
}

NameList ChannelNames() {
    return kChannels;
}

NameList EqualAngleNames() {
    return kEqualAngles;
}

NameList AxialMemberAngleNames() {
    return kAxialMemberAngles;
}

NameList PinnedJointAngleNames() {
    return kPinnedJointAngles;
}

NameList CFChannelNames() {
    return kCFChannels;
}

NameList CFChannelOpeningNames() {
    return kCFChannelsAtOpening;
}

NameList CFLippedChannelNames() {
    return kCFLippedChannels;
}

NameList CFLippedZNames() {
    return kCFLippedZ;
}

NameList SquareTubeNames() {
    return kSquareTubes;
}

NameList LightHNames() {
    return kLightH;
}

NameList FamilyCaptions() {
    return kFamilyCaptions;
}

std::span<const SectionSeries> RolledHSeries() {
    return kRolledHSeries;
}

} // namespace ferrolab
