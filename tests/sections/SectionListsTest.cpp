// The name lists the dialogs offer: their lengths, order and captions, and that every name a
// dialog may pass to a catalogue look-up is found by it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "sections/Profilux.h"
#include "sections/SectionLists.h"
#include "sections/tables/SectionTable.h"

namespace ferrolab {
namespace {

using LookupFn = bool (*)(const char*, float*, int);

std::vector<std::string> Strings(NameList list) {
    return std::vector<std::string>(list.begin(), list.end());
}

std::vector<std::string> TableNames(std::span<const profilux::SectionTableRecord> table) {
    std::vector<std::string> names;
    for (const auto& r : table) {
        names.emplace_back(r.name);
    }
    return names;
}

struct OfferedList {
    const char* label;
    NameList (*list)();
    std::size_t size;
    const char* first;
    const char* last;
    LookupFn lookup; // the look-up the dialogs use for these names
};

void PrintTo(const OfferedList& o, std::ostream* os) {
    *os << o.label;
}

const OfferedList kOffered[] = {
    {"HW", HWNames, 17, "HW100x100", "HW428x407", GetSectPara_H},
    {"HM", HMNames, 11, "HM194x150", "HM594x302", GetSectPara_H},
    {"HN", HNNames, 25, "HN175x90", "HN800x300", GetSectPara_H},
    {"HWSelection", HWSelectionNames, 16, "HW100x100", "HW400x408", GetSectPara_H},
    {"IBeam", IBeamNames, 34, "I10", "I63c", GetSectPara_I},
    {"Channel", ChannelNames, 30, "槽5", "槽40c", GetSectPara_Chl},
    {"EqualAngle", EqualAngleNames, 82, "L20X3", "L200X24", GetSectPara_EqSingAng},
    {"PinnedJointAngle", PinnedJointAngleNames, 53, "L70X4", "L200X24", GetSectPara_EqSingAng},
    {"CFChannel", CFChannelNames, 11, "薄槽60x30x2.5", "薄槽160x60x3.5", GetSectPara_CFC},
    {"CFChannelOpening", CFChannelOpeningNames, 10, "薄槽60x30x2.5", "薄槽160x60x3.5",
     GetSectPara_CFC},
    {"CFLippedChannel", CFLippedChannelNames, 21, "卷槽80x40x15x2.0", "卷槽220x75x20x2.5",
     GetSectPara_CFRC},
    {"CFLippedZ", CFLippedZNames, 12, "卷Z100x40x20x2.0", "卷Z180x70x20x3.0", GetSectPara_CFRZ},
    {"SquareTube", SquareTubeNames, 22, "方钢管25x1.5", "方钢管160x5.0", GetSectPara_ThinSqrPipe},
    {"LightH", LightHNames, 45, "大通H100x50x2.3x3.2", "大通H400x200x4.5x9.0", GetSectPara_DaTongH},
};

class OfferedListTest : public ::testing::TestWithParam<OfferedList> {};

TEST_P(OfferedListTest, HasItsLengthEndsAndNoRepeats) {
    const OfferedList& o = GetParam();
    const auto names = Strings(o.list());
    ASSERT_EQ(names.size(), o.size);
    EXPECT_EQ(names.front(), o.first);
    EXPECT_EQ(names.back(), o.last);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
}

TEST_P(OfferedListTest, EveryNameIsFoundByItsLookUp) {
    const OfferedList& o = GetParam();
    for (const char* name : o.list()) {
        std::array<float, 32> out{};
        EXPECT_TRUE(o.lookup(name, out.data(), 32)) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(SectionLists, OfferedListTest, ::testing::ValuesIn(kOffered),
                         [](const auto& info) { return std::string(info.param.label); });

// A list that is the catalogue's table with some names left out keeps the table's order.
void ExpectTableOrderWithout(NameList list, std::span<const profilux::SectionTableRecord> table,
                             const std::set<std::string>& leftOut) {
    std::vector<std::string> expected;
    for (const std::string& name : TableNames(table)) {
        if (!leftOut.count(name)) {
            expected.push_back(name);
        }
    }
    EXPECT_EQ(Strings(list), expected);
}

TEST(SectionLists, ColdFormedListsFollowTheCatalogueOrder) {
    ExpectTableOrderWithout(CFChannelNames(), profilux::CFChannelTable(), {});
    ExpectTableOrderWithout(CFChannelOpeningNames(), profilux::CFChannelTable(),
                            {"薄槽120x40x2.5"});
    ExpectTableOrderWithout(CFLippedChannelNames(), profilux::CFLippedChannelTable(), {});
    ExpectTableOrderWithout(CFLippedZNames(), profilux::CFLippedZTable(), {"卷Z160x70x20x2.5"});
    ExpectTableOrderWithout(SquareTubeNames(), profilux::SquareTubeTable(), {});
    ExpectTableOrderWithout(LightHNames(), profilux::LightHTable(), {});
}

TEST(SectionLists, RolledListsFollowTheCatalogueOrder) {
    std::vector<std::string> h = Strings(HWNames());
    for (NameList series : {HMNames(), HNNames()}) {
        const auto names = Strings(series);
        h.insert(h.end(), names.begin(), names.end());
    }
    const auto table = profilux::HotRolledHTable();
    EXPECT_EQ(h, TableNames(table));
    ASSERT_GE(table.size(), 17u);
    ExpectTableOrderWithout(HWSelectionNames(), table.first(17), {"HW428x407"});
    EXPECT_EQ(Strings(IBeamNames()), TableNames(profilux::IBeamTable()));
    EXPECT_EQ(Strings(ChannelNames()), TableNames(profilux::ChannelTable()));
    EXPECT_EQ(Strings(EqualAngleNames()), TableNames(profilux::EqualAngleTable()));
    const auto angles = Strings(EqualAngleNames());
    const auto pinned = Strings(PinnedJointAngleNames());
    EXPECT_TRUE(std::equal(pinned.begin(), pinned.end(), angles.end() - 53));
}

TEST(SectionLists, SeriesCarryTheirCaptions) {
    const auto series = RolledHSeries();
    ASSERT_EQ(series.size(), 4u);
    const std::pair<std::string_view, std::size_t> expected[] = {{"马钢宽翼缘HW系列", 17},
                                                                 {"马钢中翼缘HM系列", 11},
                                                                 {"马钢窄翼缘HN系列", 25},
                                                                 {"马钢钢桩HP系列", 16}};
    for (std::size_t i = 0; i < series.size(); ++i) {
        EXPECT_EQ(series[i].caption, expected[i].first);
        EXPECT_EQ(series[i].names.size(), expected[i].second);
    }
    EXPECT_EQ(series[0].names.data(), HWNames().data());
    EXPECT_EQ(series[3].names.data(), HPNames().data());
}

TEST(SectionLists, PileNamesAreOfferedButNotInTheCatalogue) {
    const auto names = Strings(HPNames());
    ASSERT_EQ(names.size(), 16u);
    EXPECT_EQ(names.front(), "HP200x204");
    EXPECT_EQ(names.back(), "HP428x407");
    for (const std::string& name : names) {
        std::array<float, 32> out{};
        EXPECT_FALSE(GetSectPara_H(name.c_str(), out.data(), 32)) << name;
    }
}

TEST(SectionLists, AxialMemberAnglesNameTheSameSectionsInAnotherSpelling) {
    // The four-angle column lists "L 20x3" where the catalogue keys "L20X3": a display name,
    // never passed to the look-up (the dialog has no calculation for that kind).
    const auto display = Strings(AxialMemberAngleNames());
    const auto catalogue = Strings(EqualAngleNames());
    ASSERT_EQ(display.size(), catalogue.size());
    for (std::size_t i = 0; i < display.size(); ++i) {
        std::string key = display[i];
        key.erase(std::remove(key.begin(), key.end(), ' '), key.end());
        std::replace(key.begin(), key.end(), 'x', 'X');
        EXPECT_EQ(key, catalogue[i]);
        std::array<float, 32> out{};
        EXPECT_FALSE(GetSectPara_EqSingAng(display[i].c_str(), out.data(), 32)) << display[i];
    }
    EXPECT_EQ(display.front(), "L 20x3");
}

TEST(SectionLists, PhiBeamsNameTheCatalogueBeamsInTheirOwnSpelling) {
    // The φb dialog spells the catalogue's "I20a" as "I20A" and pads a three-character name with
    // a blank ("I10 "); it reads the beam number from the second and third characters.
    const auto display = Strings(IBeamPhiNames());
    const auto catalogue = Strings(IBeamNames());
    ASSERT_EQ(display.size(), catalogue.size());
    for (std::size_t i = 0; i < display.size(); ++i) {
        std::string expected = catalogue[i];
        if (std::isalpha(static_cast<unsigned char>(expected.back()))) {
            expected.back() =
                static_cast<char>(std::toupper(static_cast<unsigned char>(expected.back())));
        } else if (expected.size() < 4) {
            expected += ' ';
        }
        EXPECT_EQ(display[i], expected);
        EXPECT_EQ(display[i].substr(1, 2), catalogue[i].substr(1, 2));
        std::array<float, 32> out{};
        // Only "I12.6" is spelt as the catalogue keys it.
        EXPECT_EQ(GetSectPara_I(display[i].c_str(), out.data(), 32), display[i] == catalogue[i])
            << display[i];
    }
}

TEST(SectionLists, SelectionDialogOpensWithTheNineHKNames) {
    std::vector<std::string> expected;
    for (const char* depth : {"100", "120", "140"}) {
        for (const char* series : {"a", "b", "c"}) {
            expected.push_back(std::string("HK") + depth + series);
        }
    }
    const auto names = Strings(SelectionOpeningNames());
    EXPECT_EQ(names, expected);
    for (const std::string& name : names) {
        std::array<float, 32> out{};
        EXPECT_FALSE(GetSectPara_H(name.c_str(), out.data(), 32)) << name;
    }
}

TEST(SectionLists, FamilyCaptions) {
    const std::vector<std::string> expected = {"HW型钢",
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
    EXPECT_EQ(Strings(FamilyCaptions()), expected);
}

} // namespace
} // namespace ferrolab
