#pragma once
// Built-up I, T, rectangle and cross sections: a top flange B1 x t1, a web hw x tw and a bottom
// flange B2 x t2, the web centred on both flanges (a T section has one flange as wide as the web,
// a rectangle both). The section is
// symmetric about the vertical axis y; x is the horizontal centroidal axis.

#include <optional>
#include <string>
#include <vector>

#include "engine/Notice.h"

namespace ferrolab {

enum class IxMethod {
    Exact1 = 0, // "精确计算法 1": each plate about its own centroid plus the parallel-axis term
    Exact2 = 1,     // "精确计算法 2": the parts above and below the x axis taken about it
    Simplified = 2, // "常用简化计算法": flanges as lines at mid-thickness
};

enum class ResultFormat {
    Scientific = 0,  // "%.4e"
    TwoDecimals = 1, // "%.2f"
};

struct BuiltUpSectionInput {
    double b1 = 200;
    double t1 = 16;
    double hw = 1100;
    double tw = 10;
    double b2 = 350;
    double t2 = 16;
    IxMethod method = IxMethod::Exact1;
    ResultFormat format = ResultFormat::Scientific;
    std::string unit = "mm"; // "mm", "cm" or "m": the unit of every dimension
    double density = 7850;   // kg/m3
};

struct BuiltUpSectionResult {
    double a = 0, mass = 0, ix = 0, iy = 0, rx = 0, ry = 0;
    double wx1 = 0, wx2 = 0, wy1 = 0, wy2 = 0;
    double yt = 0, yb = 0, h = 0;
    double iw = 0, it = 0; // warping (cm6) and torsion (cm4) constants, dimensions read as mm
    bool thinWeb = false;  // tw < 0.1 min(B1, B2): the Iw and It lines are reported
    std::optional<std::string> report; // absent when the input was refused
    std::vector<Notice> notices;
};

// Mass factor of the unit: kg/m from density (kg/m3) times area in unit^2.
double MassFactorOfUnit(const std::string& unit);

BuiltUpSectionResult ComputeBuiltUpSection(const BuiltUpSectionInput& input);

} // namespace ferrolab
