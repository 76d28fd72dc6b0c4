#pragma once
// Section properties of the cold-formed and light welded families, derived from their nominal
// dimensions. The catalogue stores the rounded results; the tests derive them again from the
// dimensions, so a mistyped digit in a stored row cannot go unnoticed.
//
// Cold-formed sections (plain and lipped channels, lipped Z, square tubes) are bent from strip of
// thickness t with an inside corner radius of 2t. Areas and second moments of area are those of
// the real section (flat plates plus annular corner sectors). The shear centre, the sectorial
// coordinate ω and the warping constant Iω follow thin-walled theory on the mid-line of the wall,
// rounded corners included. The St Venant torsion constant is It = Σ l·t³/3 over the mid-line.
//
// Units of the results: dimensions in mm, areas in cm2, mass in kg/m (steel, 7850 kg/m3),
// distances and radii in cm, I in cm4, W in cm3, Iω in cm6, Wω in cm4, k in 1/cm, θ in degrees.

#include <array>
#include <cstddef>

namespace profilux {

// Ratio G/E of steel used for the bending-torsion characteristic k = sqrt(G·It / (E·Iω)).
inline constexpr double kShearToElasticModulus = 79000.0 / 206000.0;

// Column values in the catalogue's order, before rounding.
using PlainChannelColumns = std::array<double, 20>;  // h b t A mass x0 Ix ix Wx Iy iy Wymax
                                                     // Wymin Iy1 e0 It Iw k Ww1 Ww2
using LippedChannelColumns = std::array<double, 21>; // h b a t, then as the plain channel
using LippedZColumns = std::array<double, 27>;       // h b a t A mass θ Ix1 ix1 Wx1 Iy1 iy1 Wy1
                                                     // Ix ix Wx1 Wx2 Iy iy Wy1 Wy2 Ix1y1 It Iw k
                                                     // Ww1 Ww2
using SquareTubeColumns = std::array<double, 7>;     // b t A mass I i W
using LightHColumns = std::array<double, 14>;        // H B tw t A mass Ix Wx ix Iy Wy iy Iw It

// Plain channel h x b x t (outside dimensions). x0: centroid to the back of the web; e0:
// centroid to shear centre; Wymax = Iy/x0 (web side), Wymin = Iy/(b - x0) (flange tips); Iy1
// about the back of the web; Wω1 at the web-flange corner, Wω2 at the flange tips.
PlainChannelColumns DerivePlainChannel(double h, double b, double t);

// Lipped channel h x b x a x t (outside dimensions, lips turned inwards). As the plain channel;
// Wω2 is taken at the flange-lip corner.
LippedChannelColumns DeriveLippedChannel(double h, double b, double a, double t);

// Lipped Z h x b x a x t. Axes x1, y1 parallel to the flanges and the web through the centroid
// (the middle of the web); x, y the principal axes at θ from x1. Wx1, Wy1 of the first group at
// the extreme fibres; the principal moduli Wx1, Wy1 at the web-flange corner and Wx2, Wy2 at the
// flange-lip corner (mid-line corner points); Wω1 and Wω2 at the same two corners.
LippedZColumns DeriveLippedZ(double h, double b, double a, double t);

// Square tube b x b x t.
SquareTubeColumns DeriveSquareTube(double b, double t);

// Light welded H (plates without fillets) H x B x tw x t. Iω = If·(H - 2t)²/4 with If the
// second moment of area of the two flanges about the web axis; It = (2·B·t³ + (H - 2t)·tw³)/3.
LightHColumns DeriveLightH(double h, double b, double tw, double t);

// Decimals the catalogue keeps, column by column.
extern const std::array<int, 20> kPlainChannelDecimals;
extern const std::array<int, 21> kLippedChannelDecimals;
extern const std::array<int, 27> kLippedZDecimals;
extern const std::array<int, 7> kSquareTubeDecimals;
extern const std::array<int, 14> kLightHDecimals;

// Rounds half away from zero to the given number of decimals.
double RoundToDecimals(double value, int decimals);

template <std::size_t N>
std::array<double, N> RoundColumns(const std::array<double, N>& values,
                                   const std::array<int, N>& decimals) {
    std::array<double, N> rounded{};
    for (std::size_t i = 0; i < N; ++i) {
        rounded[i] = RoundToDecimals(values[i], decimals[i]);
    }
    return rounded;
}

} // namespace profilux
