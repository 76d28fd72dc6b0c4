#include <gtest/gtest.h>

#include <optional>

#include "engine/Welds2017.h"

using namespace ferrolab;

namespace {

// Table 4.4.5: ffw follows the electrode (E43 160, E50 200, E55 220, E60 240) among those the
// grade's steel is matched to; Q345GJ, whose rows start above 16 mm, is found all the same.
TEST(Welds2017, FilletWeldStrengthByGradeAndElectrode) {
    const struct {
        const char* grade;
        const char* electrode;
        std::optional<double> ffw;
    } cases[] = {
        {"Q235", "E43", 160},
        {"Q235", "E50", std::nullopt},
        {"Q345", "E50", 200},
        {"Q345", "E55", 200},
        {"Q345", "E43", std::nullopt},
        {"Q390", "E50", 200},
        {"Q390", "E55", 220},
        {"Q420", "E55", 220},
        {"Q420", "E60", 240},
        {"Q420", "E50", std::nullopt},
        {"Q460", "E55", 220},
        {"Q460", "E60", 240},
        {"Q345GJ", "E50", 200},
        {"Q345GJ", "E55", 200},
        {"Q345GJ", "E60", std::nullopt},
        {"Q500", "E60", std::nullopt},
        {"", "", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetFilletWeldStrength2017(c.grade, c.electrode), c.ffw)
            << c.grade << " " << c.electrode;
    }
}

TEST(Welds2017, ElectrodeOfAWeldingMethodEntry) {
    EXPECT_EQ(ElectrodeOfEntry("E50**手工焊"), "E50");
    EXPECT_EQ(ElectrodeOfEntry("E43**手工焊"), "E43");
    EXPECT_EQ(ElectrodeOfEntry("E55"), "E55");
    EXPECT_EQ(ElectrodeOfEntry("手工焊"), "手工焊");
    EXPECT_EQ(ElectrodeOfEntry(""), "");
}

} // namespace
