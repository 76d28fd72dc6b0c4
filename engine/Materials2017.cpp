#include "engine/Materials2017.h"

#include <array>
#include <cmath>

namespace ferrolab {
namespace {

struct SteelRow {
    const char* grade;
    double tMin, tMax;
    Steel2017 values;
};

// Tables 4.4.1 and 4.4.2, as printed. Table 4.4.2 prints no Q345GJ band up to 16 mm.
constexpr SteelRow kSteel[] = {
    {"Q235", 0, 16, {215, 125, 320, 235, 370}},    {"Q235", 16, 40, {205, 120, 320, 225, 370}},
    {"Q235", 40, 100, {200, 115, 320, 215, 370}},  {"Q345", 0, 16, {305, 175, 400, 345, 470}},
    {"Q345", 16, 40, {295, 170, 400, 335, 470}},   {"Q345", 40, 63, {290, 165, 400, 325, 470}},
    {"Q345", 63, 80, {280, 160, 400, 315, 470}},   {"Q345", 80, 100, {270, 155, 400, 305, 470}},
    {"Q390", 0, 16, {345, 200, 415, 390, 490}},    {"Q390", 16, 40, {330, 190, 415, 370, 490}},
    {"Q390", 40, 63, {310, 180, 415, 350, 490}},   {"Q390", 63, 100, {295, 170, 415, 330, 490}},
    {"Q420", 0, 16, {375, 215, 440, 420, 520}},    {"Q420", 16, 40, {355, 205, 440, 400, 520}},
    {"Q420", 40, 63, {320, 185, 440, 380, 520}},   {"Q420", 63, 100, {305, 175, 440, 360, 520}},
    {"Q460", 0, 16, {410, 235, 470, 460, 550}},    {"Q460", 16, 40, {390, 225, 470, 440, 550}},
    {"Q460", 40, 63, {355, 205, 470, 420, 550}},   {"Q460", 63, 100, {340, 195, 470, 400, 550}},
    {"Q345GJ", 16, 50, {325, 190, 415, 345, 490}}, {"Q345GJ", 50, 100, {300, 175, 415, 335, 490}},
};

constexpr const char* kGrades[] = {"Q235", "Q345", "Q390", "Q420", "Q460", "Q345GJ"};

constexpr const char* kBandsQ235[] = {"<=16", ">16-40", ">40-100"};
constexpr const char* kBandsQ345[] = {"<=16", ">16-40", ">40-63", ">63-80", ">80-100"};
constexpr const char* kBandsQ390[] = {"<=16", ">16-40", ">40-63", ">63-100"};
constexpr const char* kBandsGJ[] = {">16-50", ">50-100"};

struct WeldRow {
    const char* grade;
    const char* electrode;
    double tMin, tMax;
    Weld2017 values;
};

// Table 4.4.5, as printed: the Q345GJ bands of the weld table (16-35, 35-50, 50-100) differ from
// those of its steel table 4.4.2; each table is used as printed.
constexpr WeldRow kWelds[] = {
    {"Q235", "E43", 0, 16, {215, 215, 185, 125, 160, 415, 240}},
    {"Q235", "E43", 16, 40, {205, 205, 175, 120, 160, 415, 240}},
    {"Q235", "E43", 40, 100, {200, 200, 170, 115, 160, 415, 240}},
    {"Q345", "E50", 0, 16, {305, 305, 260, 175, 200, 480, 280}},
    {"Q345", "E55", 0, 16, {305, 305, 260, 175, 200, 540, 315}},
    {"Q345", "E50", 16, 40, {295, 295, 250, 170, 200, 480, 280}},
    {"Q345", "E55", 16, 40, {295, 295, 250, 170, 200, 540, 315}},
    {"Q345", "E50", 40, 63, {290, 290, 245, 165, 200, 480, 280}},
    {"Q345", "E55", 40, 63, {290, 290, 245, 165, 200, 540, 315}},
    {"Q345", "E50", 63, 80, {280, 280, 240, 160, 200, 480, 280}},
    {"Q345", "E55", 63, 80, {280, 280, 240, 160, 200, 540, 315}},
    {"Q345", "E50", 80, 100, {270, 270, 230, 155, 200, 480, 280}},
    {"Q345", "E55", 80, 100, {270, 270, 230, 155, 200, 540, 315}},
    {"Q390", "E50", 0, 16, {345, 345, 295, 200, 200, 480, 280}},
    {"Q390", "E55", 0, 16, {345, 345, 295, 200, 220, 540, 315}},
    {"Q390", "E50", 16, 40, {330, 330, 280, 190, 200, 480, 280}},
    {"Q390", "E55", 16, 40, {330, 330, 280, 190, 220, 540, 315}},
    {"Q390", "E50", 40, 63, {310, 310, 265, 180, 200, 480, 280}},
    {"Q390", "E55", 40, 63, {310, 310, 265, 180, 220, 540, 315}},
    {"Q390", "E50", 63, 100, {295, 295, 250, 170, 200, 480, 280}},
    {"Q390", "E55", 63, 100, {295, 295, 250, 170, 220, 540, 315}},
    {"Q420", "E55", 0, 16, {375, 375, 320, 215, 220, 540, 315}},
    {"Q420", "E60", 0, 16, {375, 375, 320, 215, 240, 590, 340}},
    {"Q420", "E55", 16, 40, {355, 355, 300, 205, 220, 540, 315}},
    {"Q420", "E60", 16, 40, {355, 355, 300, 205, 240, 590, 340}},
    {"Q420", "E55", 40, 63, {320, 320, 270, 185, 220, 540, 315}},
    {"Q420", "E60", 40, 63, {320, 320, 270, 185, 240, 590, 340}},
    {"Q420", "E55", 63, 100, {305, 305, 260, 175, 220, 540, 315}},
    {"Q420", "E60", 63, 100, {305, 305, 260, 175, 240, 590, 340}},
    {"Q460", "E55", 0, 16, {410, 410, 350, 235, 220, 540, 315}},
    {"Q460", "E60", 0, 16, {410, 410, 350, 235, 240, 590, 340}},
    {"Q460", "E55", 16, 40, {390, 390, 330, 225, 220, 540, 315}},
    {"Q460", "E60", 16, 40, {390, 390, 330, 225, 240, 590, 340}},
    {"Q460", "E55", 40, 63, {355, 355, 300, 205, 220, 540, 315}},
    {"Q460", "E60", 40, 63, {355, 355, 300, 205, 240, 590, 340}},
    {"Q460", "E55", 63, 100, {340, 340, 290, 195, 220, 540, 315}},
    {"Q460", "E60", 63, 100, {340, 340, 290, 195, 240, 590, 340}},
    {"Q345GJ", "E50", 16, 35, {310, 310, 265, 180, 200, 480, 280}},
    {"Q345GJ", "E55", 16, 35, {310, 310, 265, 180, 200, 540, 315}},
    {"Q345GJ", "E50", 35, 50, {290, 290, 245, 170, 200, 480, 280}},
    {"Q345GJ", "E55", 35, 50, {290, 290, 245, 170, 200, 540, 315}},
    {"Q345GJ", "E50", 50, 100, {285, 285, 240, 165, 200, 480, 280}},
    {"Q345GJ", "E55", 50, 100, {285, 285, 240, 165, 200, 540, 315}},
};

constexpr const char* kE43[] = {"E43"};
constexpr const char* kE50E55[] = {"E50", "E55"};
constexpr const char* kE55E60[] = {"E55", "E60"};

bool InBand(double t, double tMin, double tMax) {
    return t > tMin && t <= tMax;
}

struct MemberBearing {
    const char* grade;
    double c, ab, hs;
};
constexpr MemberBearing kBearing[] = {
    {"Q235", 305, 405, 470}, {"Q345", 385, 510, 590}, {"Q390", 400, 530, 615},
    {"Q420", 425, 560, 655}, {"Q460", 450, 595, 695}, {"Q345GJ", 400, 530, 615},
};

constexpr const char* kSurfaces[] = {"喷硬质石英砂或铸钢棱角砂", "抛丸(喷砂)",
                                     "钢丝刷清除浮锈或未经处理的干净轧制面"};
constexpr const char* kHoleTypes[] = {"标准孔", "大圆孔", "槽孔(内力与槽孔长向垂直)",
                                      "槽孔(内力与槽孔长向平行)"};
constexpr double kHoleFactors[] = {1.0, 0.85, 0.7, 0.6};

struct ConcreteRow {
    const char* grade;
    double fc;
};
constexpr ConcreteRow kConcrete[] = {
    {"C15", 7.2},  {"C20", 9.6},  {"C25", 11.9}, {"C30", 14.3}, {"C35", 16.7},
    {"C40", 19.1}, {"C45", 21.1}, {"C50", 23.1}, {"C55", 25.3}, {"C60", 27.5},
    {"C65", 29.7}, {"C70", 31.8}, {"C75", 33.8}, {"C80", 35.9},
};

} // namespace

std::optional<Steel2017> GetSteelStrength2017(std::string_view grade, double t) {
    if (!std::isfinite(t)) {
        return std::nullopt;
    }
    for (const SteelRow& row : kSteel) {
        if (grade == row.grade && InBand(t, row.tMin, row.tMax)) {
            return row.values;
        }
    }
    // A plate of no thickness belongs to the thinnest band, as a thin plate does.
    if (t <= 0) {
        return GetSteelStrength2017(grade, 1);
    }
    return std::nullopt;
}

std::span<const char* const> SteelGrades2017() {
    return kGrades;
}

std::span<const char* const> ThicknessBandLabels2017(std::string_view grade) {
    if (grade == "Q235") {
        return kBandsQ235;
    }
    if (grade == "Q345") {
        return kBandsQ345;
    }
    if (grade == "Q390" || grade == "Q420" || grade == "Q460") {
        return kBandsQ390;
    }
    if (grade == "Q345GJ") {
        return kBandsGJ;
    }
    return {};
}

std::span<const char* const> Electrodes2017(std::string_view grade) {
    if (grade == "Q235") {
        return kE43;
    }
    if (grade == "Q345" || grade == "Q390" || grade == "Q345GJ") {
        return kE50E55;
    }
    if (grade == "Q420" || grade == "Q460") {
        return kE55E60;
    }
    return {};
}

std::optional<Weld2017> GetWeldStrength2017(std::string_view grade, std::string_view electrode,
                                            double t) {
    if (!std::isfinite(t)) {
        return std::nullopt;
    }
    if (t <= 0) {
        t = 1;
    }
    for (const WeldRow& row : kWelds) {
        if (grade == row.grade && electrode == row.electrode && InBand(t, row.tMin, row.tMax)) {
            return row.values;
        }
    }
    return std::nullopt;
}

std::optional<BoltStrength2017> GetOrdinaryBoltStrength2017(std::string_view boltClass) {
    if (boltClass == "4.6/4.8") {
        return BoltStrength2017{170, 140};
    }
    if (boltClass == "5.6") {
        return BoltStrength2017{210, 190};
    }
    if (boltClass == "8.8") {
        return BoltStrength2017{400, 320};
    }
    return std::nullopt;
}

std::optional<BoltStrength2017> GetBearingTypeBoltStrength2017(std::string_view boltClass) {
    if (boltClass == "8.8") {
        return BoltStrength2017{400, 250};
    }
    if (boltClass == "10.9") {
        return BoltStrength2017{500, 310};
    }
    return std::nullopt;
}

double GetBearingStrength2017(std::string_view grade, char boltKind) {
    for (const MemberBearing& row : kBearing) {
        if (grade == row.grade) {
            return boltKind == 'C' ? row.c : boltKind == 'A' ? row.ab : row.hs;
        }
    }
    return 0;
}

double GetAnchorBoltStrength2017(std::string_view grade) {
    if (grade == "Q235") {
        return 140;
    }
    if (grade == "Q345") {
        return 180;
    }
    if (grade == "Q390") {
        return 185;
    }
    return 0;
}

std::span<const char* const> FayingSurfaces2017() {
    return kSurfaces;
}

std::optional<double> GetSlipFactor2017(int surface, std::string_view grade) {
    const bool q235 = grade == "Q235";
    const bool q345 = grade == "Q345" || grade == "Q390";
    const bool q420 = grade == "Q420" || grade == "Q460";
    if (!q235 && !q345 && !q420) {
        return std::nullopt;
    }
    switch (surface) {
    case 0:
        return 0.45;
    case 1:
        return 0.40;
    case 2:
        // Not permitted on Q420 and Q460.
        if (q420) {
            return std::nullopt;
        }
        return q235 ? 0.30 : 0.35;
    default:
        return std::nullopt;
    }
}

int GetBoltPretension2017(std::string_view boltClass, int d) {
    constexpr int kSizes[] = {16, 20, 22, 24, 27, 30};
    constexpr int k88[] = {80, 125, 150, 175, 230, 280};
    constexpr int k109[] = {100, 155, 190, 225, 290, 355};
    for (std::size_t i = 0; i < std::size(kSizes); ++i) {
        if (kSizes[i] == d) {
            return boltClass == "8.8" ? k88[i] : boltClass == "10.9" ? k109[i] : 0;
        }
    }
    return 0;
}

std::span<const char* const> HoleTypes2017() {
    return kHoleTypes;
}

std::optional<double> GetHoleTypeFactor2017(int holeType) {
    if (holeType < 0 || holeType >= static_cast<int>(std::size(kHoleFactors))) {
        return std::nullopt;
    }
    return kHoleFactors[holeType];
}

std::optional<double> GetConcreteStrength2010(std::string_view grade) {
    for (const ConcreteRow& row : kConcrete) {
        if (grade == row.grade) {
            return row.fc;
        }
    }
    return std::nullopt;
}

} // namespace ferrolab
