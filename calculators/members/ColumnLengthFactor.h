#pragma once
// Effective length factor μ of a frame column (GB50017-2003 appendix D), from the stiffness
// ratios K1 and K2 at the column's top and bottom (sum of the linear stiffnesses i = EI/l of the
// beams meeting the column end over that of the columns there) and the kind of frame.
//
// μ is the root of the appendix's stability equation, with x = π/μ:
//   frame without sway (table D-1), the smallest root in π <= x <= 2π (0.5 <= μ <= 1):
//     [x² + 2(K1+K2) - 4K1K2] x sin x - 2[(K1+K2)x² + 4K1K2] cos x + 8K1K2 = 0
//   frame with sway (table D-2), the smallest root in 0 < x <= π (μ >= 1):
//     [36K1K2 - x²] sin x + 6(K1+K2) x cos x = 0
// K = 0 is a hinged end. A sway column hinged at both ends has no root: μ is infinite.
// GB50017-2017 keeps the equations, the notes and the tables as appendix E (tables E.0.1 for the
// frame without sway, E.0.2 with sway); its report cites them.

#include <optional>
#include <string>
#include <vector>

#include "calculators/Edition.h"
#include "engine/Notice.h"

namespace ferrolab {

enum class FrameKind { NoSway = 0, Sway = 1 };

inline constexpr const char* kColumnLengthFactorCaption = "柱的计算长度系数";

// "无侧移", "有侧移": the frame list, in the order of FrameKind.
const std::vector<const char*>& FrameKindEntries();

// The tables give K >= 10 the value at 10: larger ratios are taken as 10.
inline constexpr double kLargestStiffnessRatio = 10;

// μ for finite K1, K2 >= 0, solved as they stand (no limit at 10); +infinity for a sway column
// with K1 = K2 = 0.
double EffectiveLengthFactor(double k1, double k2, FrameKind kind);

struct ColumnLengthFactorInput {
    double k1 = 0;
    double k2 = 0;
    FrameKind kind = FrameKind::NoSway;
    int edition = kSteel2003;
};

struct ColumnLengthFactorResult {
    double mu = 0; // +infinity for a sway column hinged at both ends
    double k1 = 0; // the ratios used (at most kLargestStiffnessRatio)
    double k2 = 0;
    std::optional<std::string> report; // absent when the input was refused
    std::vector<Notice> notices;
};

ColumnLengthFactorResult ComputeColumnLengthFactor(const ColumnLengthFactorInput& input);

} // namespace ferrolab
