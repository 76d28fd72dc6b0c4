#include "engine/BeamStability.h"

#include <array>
#include <cmath>

#include "engine/ISection.h"
#include "engine/SectionRecord.h"

namespace ferrolab {
namespace {

// GB50017-2003 table B.2, Q235: five load cases of three ranges of beam numbers each, nine free
// lengths l1 = 2 ... 10 m per row.
constexpr int kColumns = 9;
constexpr std::array<float, 15 * kColumns> kRolledIBeamPhiBTable = {
    // Point load on the top flange: I10-I20, I22-I32, I36-I63.
    2.00f, 1.30f, 0.99f, 0.80f, 0.68f, 0.58f, 0.53f, 0.48f, 0.43f, //
    2.40f, 1.48f, 1.09f, 0.86f, 0.72f, 0.62f, 0.54f, 0.49f, 0.45f, //
    2.80f, 1.60f, 1.07f, 0.83f, 0.68f, 0.56f, 0.50f, 0.45f, 0.40f, //
    // Point load on the bottom flange: I10-I20, I22-I40, I45-I63.
    3.10f, 1.95f, 1.34f, 1.01f, 0.82f, 0.69f, 0.63f, 0.57f, 0.52f, //
    5.50f, 2.80f, 1.84f, 1.37f, 1.07f, 0.86f, 0.73f, 0.64f, 0.56f, //
    7.30f, 3.60f, 2.30f, 1.62f, 1.20f, 0.96f, 0.80f, 0.69f, 0.60f, //
    // Uniform load on the top flange.
    1.70f, 1.12f, 0.84f, 0.68f, 0.57f, 0.50f, 0.45f, 0.41f, 0.37f, //
    2.10f, 1.30f, 0.93f, 0.73f, 0.60f, 0.51f, 0.45f, 0.40f, 0.36f, //
    2.60f, 1.45f, 0.97f, 0.73f, 0.59f, 0.50f, 0.44f, 0.38f, 0.35f, //
    // Uniform load on the bottom flange.
    2.50f, 1.55f, 1.08f, 0.83f, 0.68f, 0.56f, 0.52f, 0.47f, 0.42f, //
    4.00f, 2.20f, 1.45f, 1.10f, 0.85f, 0.70f, 0.60f, 0.52f, 0.46f, //
    5.60f, 2.80f, 1.80f, 1.25f, 0.95f, 0.78f, 0.65f, 0.55f, 0.49f, //
    // Lateral support at mid-span, load anywhere on the depth.
    2.20f, 1.39f, 1.01f, 0.79f, 0.66f, 0.57f, 0.52f, 0.47f, 0.42f, //
    3.00f, 1.80f, 1.24f, 0.96f, 0.76f, 0.65f, 0.56f, 0.49f, 0.43f, //
    4.00f, 2.20f, 1.38f, 1.01f, 0.80f, 0.66f, 0.56f, 0.49f, 0.43f, //
};

// The range of beam numbers (0 to 2) of a case's rows, or -1. The point load on the top flange
// splits its ranges at I32/I36, every other case at I40/I45.
int BeamRange(int loadCase, int n) {
    const bool topPointLoad = loadCase == kIBeamPointLoadTopFlange;
    if (n > 9 && n < 20.01) {
        return 0;
    }
    if (n > 21 && n < (topPointLoad ? 32.01 : 40.01)) {
        return 1;
    }
    if (n > (topPointLoad ? 35 : 44) && n < 63.01) {
        return 2;
    }
    return -1;
}

// The table value of row `row` at the whole metre `metres` (2 to 10).
double Entry(int row, int metres) {
    return static_cast<double>(
        kRolledIBeamPhiBTable[static_cast<std::size_t>(row * kColumns + metres - 2)]);
}

} // namespace

double InelasticPhiB(double phiB) {
    const double corrected = 1.07 - 0.282 / phiB;
    return corrected > 1.0 ? 1.0 : corrected;
}

bool IsTabulatedFreeLength(double l1) {
    return l1 >= 2.0 && l1 < static_cast<double>(10.00001f);
}

double GetRolledIBeamPhiB(int loadCase, int beamNumber, double l1) {
    if (!IsTabulatedFreeLength(l1) || loadCase < 0 || loadCase > 4) {
        return 0;
    }
    const int range = BeamRange(loadCase, beamNumber);
    if (range < 0) {
        return 0;
    }
    const int row = loadCase * 3 + range;
    const int metres = static_cast<int>(l1);
    if (metres >= 10) {
        // 10 m and the sliver above it up to the table's bound: the last column, with nothing
        // beyond it to interpolate towards.
        return Entry(row, 10);
    }
    const double ratio = (l1 - metres) / (metres + 1 - l1);
    return InterpolateRatio(Entry(row, metres), Entry(row, metres + 1), ratio);
}

double ElasticPhiB(double betaB, double lambdaY, double a, double h, double wx, double t1,
                   double etaB, int fy) {
    const double slender = lambdaY * t1 / (4.4 * h);
    return betaB * 1015200 * a * h * (std::sqrt(1 + slender * slender) + etaB) /
           (lambdaY * lambdaY * wx * fy);
}

CantileverBeta CantileverBetaB(int loadCase, double xi) {
    // Table B.4, βb = a + b·ξ: one row per load case, one pair per ξ range.
    static constexpr double kCoefficients[3][3][2] = {
        {{0.21, 0.67}, {0.72, 0.26}, {1.17, 0.03}},    // point load at the free end, top flange
        {{2.94, -0.65}, {2.64, -0.40}, {2.15, -0.15}}, // point load at the free end, bottom flange
        {{0.62, 0.82}, {1.25, 0.31}, {1.66, 0.10}},    // uniform load on the top flange
    };
    constexpr double kTolerance = 1e-9;
    CantileverBeta beta;
    if (loadCase < 1 || loadCase > 3 || !(xi >= kCantileverXiMin - kTolerance) ||
        !(xi <= kCantileverXiMax + kTolerance)) {
        return beta;
    }
    beta.range = xi <= 1.24 + kTolerance ? 1 : xi <= 1.96 + kTolerance ? 2 : 3;
    beta.a = kCoefficients[loadCase - 1][beta.range - 1][0];
    beta.b = kCoefficients[loadCase - 1][beta.range - 1][1];
    beta.betaB = beta.a + beta.b * xi;
    return beta;
}

bool LoadDoublySymmetricI(std::string_view name, DoublySymmetricI& section) {
    RolledHSection record;
    if (!LoadSectionRecord(name, record)) {
        return false;
    }
    section.h = record.h;
    section.b1 = record.b;
    section.t1 = record.tf;
    section.tw = record.tw;
    section.a = 100 * record.A;
    section.iy = 10 * record.iy;
    section.wx = 1000 * record.Wx;
    return true;
}

DoublySymmetricI WeldedDoublySymmetricI(double b, double t, double hw, double tw) {
    double ix = 0, iy = 0, yb = 0, firstMoment = 0;
    CalcISectionProps(b, t, hw, tw, b, t, &ix, &iy, &yb, &firstMoment);
    DoublySymmetricI section;
    section.h = hw + 2 * t;
    section.b1 = b;
    section.t1 = t;
    section.tw = tw;
    section.a = 2 * b * t + hw * tw;
    section.iy = std::sqrt(iy / section.a);
    section.wx = ix / (section.h / 2);
    return section;
}

} // namespace ferrolab
