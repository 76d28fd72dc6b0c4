#include "engine/Check.h"

#include <gtest/gtest.h>

namespace ferrolab {
namespace {

TEST(Check, VerdictLinesPassAtEqualityAndFailAbove) {
    const struct {
        Check check;
        const char* line;
    } cases[] = {
        {{"A点焊缝应力 σa/ffw", 136.0, 160.0}, "A点焊缝应力 σa/ffw = 0.85  满足"},
        {{"σ/f", 215.0, 215.0}, "σ/f = 1.00  满足"},
        {{"σ/f", 215.5, 215.0}, "σ/f = 1.00  不满足"}, // rounds to 1.00 yet exceeds f
        {{"Nmax/Nvb", 49.97, 32.4}, "Nmax/Nvb = 1.54  不满足"},
        {{"σ/fc", 1.0, 0.0}, "σ/fc = >999.99  不满足"}, // no capacity: never satisfied
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VerdictLine(c.check), c.line);
    }
    EXPECT_DOUBLE_EQ(Utilisation({"x", 30, 40}), 0.75);
}

} // namespace
} // namespace ferrolab
