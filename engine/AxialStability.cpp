#include "engine/AxialStability.h"

#include <array>
#include <cmath>

#include "engine/SectionRecord.h"

#include "engine/Pi.h"

namespace ferrolab {
namespace {

// π as the single-precision value the slenderness has always been normalised with.
constexpr double kElasticModulus = 206000; // N/mm2

// Perry-formula coefficients of GB50017-2003 appendix C: α1 for the short range, (α2, α3) for
// λn <= 1.05 and above (classes a and b use one pair throughout).
struct CurveCoefficients {
    char sectionClass;
    double alpha1;
    double alpha2Low, alpha3Low;
    double alpha2High, alpha3High;
};

constexpr std::array<CurveCoefficients, 4> kCurves = {{
    {'a', 0.41, 0.986, 0.152, 0.986, 0.152},
    {'b', 0.65, 0.965, 0.300, 0.965, 0.300},
    {'c', 0.73, 0.906, 0.595, 1.216, 0.302},
    {'d', 1.35, 0.868, 0.915, 1.375, 0.432},
}};

// GB50018-2002 tables A.1.1-1 (Q235) and A.1.1-2 (Q345): φ by integer slenderness, ten entries a
// line (the comment gives the λ of the first); the entries past 250 are padding.
constexpr int kColdFormedTableSize = 260;

constexpr std::array<float, kColdFormedTableSize> kColdFormedPhiQ235 = {
    1.000f, 0.997f, 0.995f, 0.992f, 0.989f, 0.987f, 0.984f, 0.981f, 0.979f, 0.976f, // 0
    0.974f, 0.971f, 0.968f, 0.966f, 0.963f, 0.960f, 0.958f, 0.955f, 0.952f, 0.949f, // 10
    0.947f, 0.944f, 0.941f, 0.938f, 0.936f, 0.933f, 0.930f, 0.927f, 0.924f, 0.921f, // 20
    0.918f, 0.915f, 0.912f, 0.909f, 0.906f, 0.903f, 0.899f, 0.896f, 0.893f, 0.889f, // 30
    0.886f, 0.882f, 0.879f, 0.875f, 0.872f, 0.868f, 0.864f, 0.861f, 0.858f, 0.855f, // 40
    0.852f, 0.849f, 0.846f, 0.843f, 0.839f, 0.836f, 0.832f, 0.829f, 0.825f, 0.822f, // 50
    0.818f, 0.814f, 0.810f, 0.806f, 0.802f, 0.797f, 0.793f, 0.789f, 0.784f, 0.779f, // 60
    0.775f, 0.770f, 0.765f, 0.760f, 0.755f, 0.750f, 0.744f, 0.739f, 0.733f, 0.728f, // 70
    0.722f, 0.716f, 0.710f, 0.704f, 0.698f, 0.692f, 0.686f, 0.680f, 0.673f, 0.667f, // 80
    0.661f, 0.654f, 0.648f, 0.641f, 0.634f, 0.626f, 0.618f, 0.611f, 0.603f, 0.595f, // 90
    0.588f, 0.580f, 0.573f, 0.566f, 0.558f, 0.551f, 0.544f, 0.537f, 0.530f, 0.523f, // 100
    0.516f, 0.509f, 0.502f, 0.496f, 0.489f, 0.483f, 0.476f, 0.470f, 0.464f, 0.458f, // 110
    0.452f, 0.446f, 0.440f, 0.434f, 0.428f, 0.423f, 0.417f, 0.412f, 0.406f, 0.401f, // 120
    0.396f, 0.391f, 0.386f, 0.381f, 0.376f, 0.371f, 0.367f, 0.362f, 0.357f, 0.353f, // 130
    0.349f, 0.344f, 0.340f, 0.336f, 0.332f, 0.328f, 0.324f, 0.320f, 0.316f, 0.312f, // 140
    0.308f, 0.305f, 0.301f, 0.298f, 0.294f, 0.291f, 0.287f, 0.284f, 0.281f, 0.277f, // 150
    0.274f, 0.271f, 0.268f, 0.265f, 0.262f, 0.259f, 0.256f, 0.253f, 0.251f, 0.248f, // 160
    0.245f, 0.243f, 0.240f, 0.237f, 0.235f, 0.232f, 0.230f, 0.227f, 0.225f, 0.223f, // 170
    0.220f, 0.218f, 0.216f, 0.214f, 0.211f, 0.209f, 0.207f, 0.205f, 0.203f, 0.201f, // 180
    0.199f, 0.197f, 0.195f, 0.193f, 0.191f, 0.189f, 0.188f, 0.186f, 0.184f, 0.182f, // 190
    0.180f, 0.179f, 0.177f, 0.175f, 0.174f, 0.172f, 0.171f, 0.169f, 0.167f, 0.166f, // 200
    0.164f, 0.163f, 0.161f, 0.160f, 0.159f, 0.157f, 0.156f, 0.154f, 0.153f, 0.152f, // 210
    0.150f, 0.149f, 0.148f, 0.146f, 0.145f, 0.144f, 0.143f, 0.141f, 0.140f, 0.139f, // 220
    0.138f, 0.137f, 0.136f, 0.135f, 0.133f, 0.132f, 0.131f, 0.130f, 0.129f, 0.128f, // 230
    0.127f, 0.126f, 0.125f, 0.124f, 0.123f, 0.122f, 0.121f, 0.120f, 0.119f, 0.118f, // 240
    0.117f, 0.0f,   0.0f,   0.0f,   0.0f,   0.0f,   0.0f,   0.0f,   0.0f,   0.0f    // 250
};

constexpr std::array<float, kColdFormedTableSize> kColdFormedPhiQ345 = {
    1.000f, 0.997f, 0.994f, 0.991f, 0.988f, 0.985f, 0.982f, 0.979f, 0.976f, 0.973f, // 0
    0.971f, 0.968f, 0.965f, 0.962f, 0.959f, 0.956f, 0.952f, 0.949f, 0.946f, 0.943f, // 10
    0.940f, 0.937f, 0.934f, 0.930f, 0.927f, 0.924f, 0.920f, 0.917f, 0.913f, 0.909f, // 20
    0.906f, 0.902f, 0.898f, 0.894f, 0.890f, 0.886f, 0.882f, 0.878f, 0.874f, 0.870f, // 30
    0.867f, 0.864f, 0.860f, 0.857f, 0.853f, 0.849f, 0.845f, 0.841f, 0.837f, 0.833f, // 40
    0.829f, 0.824f, 0.819f, 0.815f, 0.810f, 0.805f, 0.800f, 0.794f, 0.789f, 0.783f, // 50
    0.777f, 0.771f, 0.765f, 0.759f, 0.752f, 0.746f, 0.739f, 0.732f, 0.725f, 0.718f, // 60
    0.710f, 0.703f, 0.695f, 0.688f, 0.680f, 0.672f, 0.664f, 0.656f, 0.648f, 0.640f, // 70
    0.632f, 0.623f, 0.615f, 0.607f, 0.599f, 0.591f, 0.583f, 0.574f, 0.566f, 0.558f, // 80
    0.550f, 0.542f, 0.535f, 0.527f, 0.519f, 0.512f, 0.504f, 0.497f, 0.489f, 0.482f, // 90
    0.475f, 0.467f, 0.460f, 0.452f, 0.445f, 0.438f, 0.431f, 0.424f, 0.418f, 0.411f, // 100
    0.405f, 0.398f, 0.392f, 0.386f, 0.380f, 0.375f, 0.369f, 0.363f, 0.358f, 0.352f, // 110
    0.347f, 0.342f, 0.337f, 0.332f, 0.327f, 0.322f, 0.318f, 0.313f, 0.309f, 0.304f, // 120
    0.300f, 0.296f, 0.292f, 0.288f, 0.284f, 0.280f, 0.276f, 0.272f, 0.269f, 0.265f, // 130
    0.261f, 0.258f, 0.255f, 0.251f, 0.248f, 0.245f, 0.242f, 0.238f, 0.235f, 0.232f, // 140
    0.229f, 0.227f, 0.224f, 0.221f, 0.218f, 0.216f, 0.213f, 0.210f, 0.208f, 0.205f, // 150
    0.203f, 0.201f, 0.198f, 0.196f, 0.194f, 0.191f, 0.189f, 0.187f, 0.185f, 0.183f, // 160
    0.181f, 0.179f, 0.177f, 0.175f, 0.173f, 0.171f, 0.169f, 0.167f, 0.165f, 0.163f, // 170
    0.162f, 0.160f, 0.158f, 0.157f, 0.155f, 0.153f, 0.152f, 0.150f, 0.149f, 0.147f, // 180
    0.146f, 0.144f, 0.143f, 0.141f, 0.140f, 0.138f, 0.137f, 0.136f, 0.134f, 0.133f, // 190
    0.132f, 0.130f, 0.129f, 0.128f, 0.127f, 0.126f, 0.124f, 0.123f, 0.122f, 0.121f, // 200
    0.120f, 0.119f, 0.118f, 0.116f, 0.115f, 0.114f, 0.113f, 0.112f, 0.111f, 0.110f, // 210
    0.109f, 0.108f, 0.107f, 0.106f, 0.106f, 0.105f, 0.104f, 0.103f, 0.101f, 0.101f, // 220
    0.100f, 0.099f, 0.098f, 0.098f, 0.097f, 0.096f, 0.095f, 0.094f, 0.094f, 0.093f, // 230
    0.092f, 0.091f, 0.091f, 0.090f, 0.089f, 0.088f, 0.088f, 0.087f, 0.086f, 0.086f, // 240
    0.085f, 0.0f,   0.0f,   0.0f,   0.0f,   0.0f,   0.0f,   0.0f,   0.0f,   0.0f    // 250
};

const CurveCoefficients* FindCurve(char sectionClass) {
    for (const CurveCoefficients& curve : kCurves) {
        if (curve.sectionClass == sectionClass) {
            return &curve;
        }
    }
    return nullptr;
}

} // namespace

char GetSectionClass(int type, double b, double h, double t, char axis, int welded, int flameCut) {
    if ((axis != 'x' && axis != 'y') || std::isnan(t)) {
        return 'n';
    }
    const bool aboutX = axis == 'x';
    const bool rolled = type >= 11 && type <= 13;
    const bool weldedI = type >= 21 && type <= 23;
    if (t < 40) {
        if (type == kSectionTypePlain) {
            return welded == 1 ? 'b' : 'a';
        }
        if (rolled) {
            if (b / h > 0.8) {
                return 'b';
            }
            return aboutX ? 'a' : 'b';
        }
        if (weldedI) {
            if (flameCut != 0) {
                return 'b';
            }
            return aboutX ? 'b' : 'c';
        }
        return 'n';
    }
    if (rolled) {
        if (t < 80) {
            return aboutX ? 'b' : 'c';
        }
        return aboutX ? 'c' : 'd';
    }
    if (weldedI) {
        if (flameCut != 0) {
            return 'b';
        }
        return aboutX ? 'c' : 'd';
    }
    return 'n';
}

double NormalisedSlenderness(double lambda, int fy) {
    return (lambda / kPiSingle) * std::sqrt(fy / kElasticModulus);
}

double GetAxialPhiNormalised(double lambdaN, char sectionClass) {
    const CurveCoefficients* curve = FindCurve(sectionClass);
    if (!curve || !std::isfinite(lambdaN) || lambdaN < 0) {
        return 0;
    }
    const double ln2 = lambdaN * lambdaN;
    if (lambdaN <= 0.215) {
        return 1 - curve->alpha1 * ln2;
    }
    const bool low = lambdaN <= 1.05;
    const double alpha2 = low ? curve->alpha2Low : curve->alpha2High;
    const double alpha3 = low ? curve->alpha3Low : curve->alpha3High;
    const double s = alpha2 + alpha3 * lambdaN + ln2;
    if (lambdaN > 1e4) {
        // Far beyond any real member: the same root written without the cancellation of two
        // nearly equal large terms, which would lose every digit (and overflow further out).
        return 2 / (s + std::sqrt(s - 2 * lambdaN) * std::sqrt(s + 2 * lambdaN));
    }
    return (s - std::sqrt(s * s - 4 * ln2)) / (2 * ln2);
}

double GetAxialPhi(double lambda, char sectionClass, int fy) {
    if (!std::isfinite(lambda) || lambda < 0 || fy <= 0) {
        return 0;
    }
    return GetAxialPhiNormalised(NormalisedSlenderness(lambda, fy), sectionClass);
}

std::span<const float> ColdFormedPhiTable(SteelGrade grade) {
    if (grade == kQ235) {
        return kColdFormedPhiQ235;
    }
    if (grade == kQ345) {
        return kColdFormedPhiQ345;
    }
    return {};
}

double GetColdFormedPhi(double lambda, SteelGrade grade) {
    const std::span<const float> table = ColdFormedPhiTable(grade);
    // Also false for NaN.
    if (table.empty() || !(lambda >= 0 && lambda <= 250)) {
        return 0;
    }
    const double lambda0 = std::floor(lambda);
    const auto i = static_cast<std::size_t>(lambda0); // 0 to 250; i + 1 is at most 251
    const double r = (lambda - lambda0) / (lambda0 + 1 - lambda);
    return InterpolateRatio(table[i], table[i + 1], r);
}

} // namespace ferrolab
