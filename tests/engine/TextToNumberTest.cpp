#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "engine/TextToNumber.h"

using ferrolab::TextToDouble;

namespace {

struct Case {
    const char* text;
    double expected;
};

const Case kCases[] = {
    {"200.00", 200.0},   {"12abc", 12.0},
    {"  \t 3.5", 3.5},   {"+7", 7.0},
    {"-16", -16.0},      {".5", 0.5},
    {"5.", 5.0},         {"1e3", 1000.0},
    {"2.5E-2mm", 0.025}, {"1e", 1.0}, // an exponent without digits is not part of the number
    {"1e+", 1.0},        {"3.2.1", 3.2},
    {"", 0.0},           {"   ", 0.0},
    {"abc", 0.0},        {"-", 0.0},
    {".", 0.0},          {"+.e5", 0.0},
    {"inf", 0.0},        {"-INFINITY", 0.0},
    {"nan", 0.0},        {"0x1A", 0.0}, // hexadecimal reads as its leading "0"
    {"1e400", 0.0},                     // too large for a double: not a usable number
    {"1e-400", 0.0},     {"7850 kg/m3", 7850.0},
    {"１２", 0.0}, // full-width digits are not digits
    {"12,5", 12.0},
};

TEST(TextToDouble, ReadsTheLongestDecimalPrefix) {
    for (const auto& c : kCases) {
        EXPECT_DOUBLE_EQ(TextToDouble(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(TextToDouble, ExactDecimalConversion) {
    EXPECT_EQ(TextToDouble("0.1"), 0.1);
    EXPECT_EQ(TextToDouble("1100.00"), 1100.0);
    EXPECT_EQ(TextToDouble("3.53192"), 3.53192);
}

TEST(TextToDouble, CommaDecimalLocaleChangesNothing) {
    const char* const locales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"};
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    for (const char* name : locales) {
        if (std::setlocale(LC_ALL, name) == nullptr) {
            continue;
        }
        EXPECT_EQ(TextToDouble("12.75"), 12.75) << name;
        EXPECT_EQ(TextToDouble("12,75"), 12.0) << name;
    }
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
