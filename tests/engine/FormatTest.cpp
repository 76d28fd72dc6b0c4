#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "engine/Format.h"

using ferrolab::FormatNumber;

namespace {

struct DoubleCase {
    const char* format;
    double value;
    const char* expected;
};

const DoubleCase kDoubleCases[] = {
    {"%.2f", 1132.0, "1132.00"},
    {"%.2f", 0.005, "0.01"}, // 0.005 is stored just above .005
    {"%.2f", 2.675, "2.67"}, // and 2.675 just below: rounding follows the binary value
    {"%.2f", -3.14159, "-3.14"},
    {"%.2f", 0.0, "0.00"},
    {"%.3f", 17.6549999, "17.655"},
    {"%.4f", 244.79631, "244.7963"},
    {"%.7f", 0.1, "0.1000000"},
    {"%.4e", 19800.0, "1.9800e+004"},
    {"%.4e", 3758778981.8181, "3.7588e+009"},
    {"%.2e", 25500.0, "2.55e+004"},
    {"%.2e", 0.00123, "1.23e-003"},
    {"%.4e", -0.5, "-5.0000e-001"},
    {"%.4e", 0.0, "0.0000e+000"},
    {"%.2e", 1e200, "1.00e+200"},
    {"%.2e", 1e-300, "1.00e-300"},
    {"%8.2f", 3.5, "    3.50"},
    {"%-8.2f|", 3.5, "%-8.2f|"}, // not a single conversion: shown as it stands
};

TEST(FormatNumber, DoubleFormatsOfTheReports) {
    for (const auto& c : kDoubleCases) {
        EXPECT_EQ(FormatNumber(c.format, c.value), c.expected) << c.format << " " << c.value;
    }
}

TEST(FormatNumber, IntegerFormats) {
    EXPECT_EQ(FormatNumber("%2i", 5), " 5");
    EXPECT_EQ(FormatNumber("%2i", 12), "12");
    EXPECT_EQ(FormatNumber("%2i", 123), "123");
    EXPECT_EQ(FormatNumber("%.2i", 5), "05");
    EXPECT_EQ(FormatNumber("%.2i", -5), "-05");
    EXPECT_EQ(FormatNumber("%.2i", 250), "250");
    EXPECT_EQ(FormatNumber("%d", -42), "-42");
}

TEST(FormatNumber, UnsupportedFormatIsVisible) {
    EXPECT_EQ(FormatNumber("%s", 1.0), "%s");
    EXPECT_EQ(FormatNumber("abc", 1.0), "abc");
    EXPECT_EQ(FormatNumber("%.2f", 1 / 0.0), "inf"); // never reached by the calculators
}

TEST(FormatNumber, CommaDecimalLocaleChangesNothing) {
    // Try the comma-decimal locales a machine may have; the output must stay the same.
    const char* const locales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"};
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    for (const char* name : locales) {
        if (std::setlocale(LC_ALL, name) == nullptr) {
            continue;
        }
        EXPECT_EQ(FormatNumber("%.2f", 1132.0), "1132.00") << name;
        EXPECT_EQ(FormatNumber("%.4e", 19800.0), "1.9800e+004") << name;
    }
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace

namespace ferrolab {
namespace {

TEST(FormatNumber, AllFiniteRefusesInfinityAndNotANumber) {
    EXPECT_TRUE(AllFinite({0.0, -1e308, 5e-324}));
    EXPECT_FALSE(AllFinite({1.0, 1e308 * 10}));
    EXPECT_FALSE(AllFinite({std::nan("")}));
    EXPECT_EQ(Fmt3(0.7505), "0.750"); // binary 0.7505 lies just below the tie
    EXPECT_EQ(Fmt4(244.79634), "244.7963");
}

} // namespace
} // namespace ferrolab
