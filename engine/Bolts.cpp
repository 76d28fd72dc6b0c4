#include "engine/Bolts.h"

#include <array>
#include <cmath>

#include "engine/Format.h"

#include "engine/Pi.h"

namespace ferrolab {
namespace {

// 13·√3/24 with √3 as 1.732: depth of the thread profile, in pitches, between the nominal and the
// effective diameter.
constexpr double kThreadDepthFactor = 0.9381666666666666;

bool IsGradeCClass(int boltClass) {
    return boltClass == 46 || boltClass == 48;
}

struct PitchRow {
    int d;
    double p;
};

// Coarse-thread pitches, mm.
constexpr std::array<PitchRow, 27> kThreadPitch = {{
    {12, 1.75}, {14, 2.0}, {16, 2.0}, {18, 2.5}, {20, 2.5}, {22, 2.5},  {24, 3.0},
    {27, 3.0},  {30, 3.5}, {33, 3.5}, {36, 4.0}, {39, 4.0}, {42, 4.5},  {45, 4.5},
    {48, 5.0},  {52, 5.0}, {56, 5.5}, {60, 5.5}, {64, 6.0}, {68, 6.0},  {72, 6.0},
    {76, 6.0},  {80, 6.0}, {85, 6.0}, {90, 6.0}, {95, 6.0}, {100, 6.0},
}};

struct PretensionRow {
    int code;
    int boltClass;
    int d;
    int p; // kN
};

// GB50017-2003 table 7.2.2-2 (code 0) and GB50018-2002 table 6.1.5-2 (code 1).
constexpr std::array<PretensionRow, 18> kPretension = {{
    {0, 88, 16, 80},
    {0, 88, 20, 125},
    {0, 88, 22, 150},
    {0, 88, 24, 175},
    {0, 88, 27, 230},
    {0, 88, 30, 280},
    {0, 109, 16, 100},
    {0, 109, 20, 155},
    {0, 109, 22, 190},
    {0, 109, 24, 225},
    {0, 109, 27, 290},
    {0, 109, 30, 355},
    {1, 88, 12, 45},
    {1, 88, 14, 60},
    {1, 88, 16, 80},
    {1, 109, 12, 55},
    {1, 109, 14, 75},
    {1, 109, 16, 100},
}};

constexpr std::array<const char*, 4> kSurfacesGB50017 = {"喷砂(丸)", "喷砂(丸)后涂无机富锌漆",
                                                         "喷砂(丸)后生赤锈",
                                                         "钢丝刷清除浮锈或未经处理的干净轧制表面"};
constexpr std::array<const char*, 3> kSurfacesGB50018 = {"喷砂(丸)", "热轧钢材轧制表面清除浮锈",
                                                         "冷轧钢材轧制表面清除浮锈"};

// The value of a slip factor the code does not give.
constexpr double kSlipFactorNotGiven = 0.01;

struct SlipRow {
    int code;
    SteelGrade grade;
    std::array<double, 4> mu; // by surface; code 1 uses the first three
};

constexpr std::array<SlipRow, 6> kSlipFactors = {{
    {0, kQ235, {0.45, 0.35, 0.45, 0.30}},
    {0, kQ345, {0.50, 0.40, 0.50, 0.35}},
    {0, kQ390, {0.50, 0.40, 0.50, 0.35}},
    {0, kQ420, {0.50, 0.40, 0.50, 0.40}},
    {1, kQ235, {0.40, 0.30, 0.25, kSlipFactorNotGiven}},
    {1, kQ345, {0.45, 0.35, kSlipFactorNotGiven, kSlipFactorNotGiven}},
}};

// Σ of the squared distances of k equally spaced lines (pitch s) from their centre line, each
// line holding m bolts.
double CentredSquareSum(int k, double s, int m) {
    double sum = 0;
    if (k % 2 == 0) {
        for (int i = 0; i <= k / 2 - 1; ++i) {
            const double a = (i + 0.5) * s;
            sum += a * a;
        }
    } else {
        for (int i = 1; i <= (k - 1) / 2; ++i) {
            const double a = i * s;
            sum += a * a;
        }
    }
    return 2.0 * m * sum;
}

} // namespace

bool GetBoltStrength(int code, int boltClass, double& ftb, double& fvb) {
    if (code == kCodeGB50017) {
        if (IsGradeCClass(boltClass)) {
            ftb = 170;
            fvb = 140;
            return true;
        }
        if (boltClass == 56) {
            ftb = 210;
            fvb = 190;
            return true;
        }
        if (boltClass == 88) {
            ftb = 400;
            fvb = 320;
            return true;
        }
        return false;
    }
    if (code == kCodeGB50018 && IsGradeCClass(boltClass)) {
        ftb = 165;
        fvb = 125;
        return true;
    }
    return false;
}

double GetBoltBearingStrength(int code, SteelGrade plateGrade, int boltClass) {
    // Columns: Q235, Q345, Q390, Q420; 0 where the code gives no value.
    static constexpr std::array<SteelGrade, 4> kGrades = {kQ235, kQ345, kQ390, kQ420};
    static constexpr std::array<double, 4> kGB50017GradeC = {305, 385, 400, 425};
    static constexpr std::array<double, 4> kGB50017GradeAB = {405, 510, 530, 560};
    static constexpr std::array<double, 4> kGB50018GradeC = {290, 370, 0, 0};

    const std::array<double, 4>* row = nullptr;
    if (code == kCodeGB50017 && IsGradeCClass(boltClass)) {
        row = &kGB50017GradeC;
    } else if (code == kCodeGB50017 && (boltClass == 56 || boltClass == 88)) {
        row = &kGB50017GradeAB;
    } else if (code == kCodeGB50018 && IsGradeCClass(boltClass)) {
        row = &kGB50018GradeC;
    }
    if (!row) {
        return 0;
    }
    for (std::size_t i = 0; i < kGrades.size(); ++i) {
        if (kGrades[i] == plateGrade) {
            return (*row)[i];
        }
    }
    return 0;
}

double GetBoltThreadPitch(int d) {
    for (const PitchRow& row : kThreadPitch) {
        if (row.d == d) {
            return row.p;
        }
    }
    return 0;
}

bool GetBoltThreadArea(int d, double& de, double& ae) {
    const double p = GetBoltThreadPitch(d);
    if (p == 0) {
        de = 0;
        ae = 0;
        return false;
    }
    de = d - kThreadDepthFactor * p;
    ae = kPi7 * de * de / 4;
    return true;
}

int GetBoltPretension(int code, int d, int boltClass) {
    for (const PretensionRow& row : kPretension) {
        if (row.code == code && row.boltClass == boltClass && row.d == d) {
            return row.p;
        }
    }
    return 1;
}

double GetFrictionCapacity(int n, int pretension, double mu) {
    return 0.9 * n * mu * pretension;
}

std::span<const char* const> FayingSurfaceNames(int code) {
    if (code == kCodeGB50017) {
        return kSurfacesGB50017;
    }
    if (code == kCodeGB50018) {
        return kSurfacesGB50018;
    }
    return {};
}

double GetSlipFactor(int code, SteelGrade plateGrade, int surface) {
    const auto surfaces = static_cast<int>(FayingSurfaceNames(code).size());
    if (surface < 0 || surface >= surfaces) {
        return kSlipFactorNotGiven;
    }
    for (const SlipRow& row : kSlipFactors) {
        if (row.code == code && row.grade == plateGrade) {
            return row.mu[static_cast<std::size_t>(surface)];
        }
    }
    return kSlipFactorNotGiven;
}

BoltGroupForces GetBoltGroupForces(double m, double n, double v, int rows, int cols,
                                   double rowPitch, double colPitch) {
    BoltGroupForces result;
    if (rows < 1 || cols < 1) {
        return result;
    }
    const double sumA = CentredSquareSum(rows, rowPitch, cols);
    const double sumB = CentredSquareSum(cols, colPitch, rows);
    const double sumR2 = sumA + sumB;
    if (!(sumR2 > 0)) {
        return result;
    }
    const double bolts = static_cast<double>(rows) * cols;
    result.valid = true;
    result.sumA = sumA;
    result.sumB = sumB;
    result.nxM = m * 1000 * ((rows - 1) / 2.0 * rowPitch) / sumR2;
    result.nyM = m * 1000 * ((cols - 1) / 2.0 * colPitch) / sumR2;
    result.nyV = v / bolts;
    result.nxN = n / bolts;
    const double x = result.nxM + result.nxN;
    const double y = result.nyM + result.nyV;
    result.nMax = std::sqrt(x * x + y * y);
    result.text = "  Σri^2 = Σxi^2 +Σyi^2=\r\n" + Fmt2(sumA) + "+" + Fmt2(sumB) + "=" +
                  Fmt2(sumR2) + "mm2 \r\n" +
                  "  Nmax = sqr((Nx_M + Nx_N)^2 + (Ny_M + Ny_V)^2) =" + Fmt2(result.nMax) + "kN";
    return result;
}

BoltGroupBending GetBoltGroupBending(bool pivotAtCentroid, double m, double /*v*/, int rows,
                                     int cols, double rowPitch) {
    BoltGroupBending result;
    if (rows < 1 || cols < 1) {
        return result;
    }
    double yMax = 0;
    double sumY = 0;
    if (pivotAtCentroid) {
        yMax = (rows - 1) / 2.0 * rowPitch;
        sumY = CentredSquareSum(rows, rowPitch, cols);
    } else {
        yMax = (rows - 1) * rowPitch;
        double sum = 0;
        for (int k = 0; k < rows; ++k) {
            const double y = k * rowPitch;
            sum += y * y;
        }
        sumY = cols * sum;
    }
    if (!(sumY > 0)) {
        return result;
    }
    result.valid = true;
    result.sumY = sumY;
    result.nMax = yMax * m * 1000 / sumY;
    result.text = "  Σyi^2=" + Fmt2(sumY) + "mm2\r\n";
    return result;
}

} // namespace ferrolab
