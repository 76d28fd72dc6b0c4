#pragma once
// Number formatting for reports.
//
// Every number a report prints goes through FormatNumber with a printf-style conversion:
// "%.2f" (the default), "%.3f", "%.4f", "%.7f", "%.4e", "%.2e" for doubles and "%2i", "%.2i"
// for integers. The output never depends on the process locale (the decimal mark is always a
// point), and the "e" forms always carry a sign and at least three exponent digits, the way
// engineers have long read them in these reports: 25500 with "%.2e" is "2.55e+004".
//
// Supported conversion syntax: '%' [flags "-+ 0#"] [width] ['.' precision] conversion, with
// conversion one of f F e E g G for doubles and d i for integers. An unsupported format yields
// the format text itself, so a mistake is visible in the report rather than silently wrong.

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

namespace ferrolab {

std::string FormatNumber(std::string_view format, double value);
std::string FormatNumber(std::string_view format, int value);

// "%.2f", the format of nearly every report number.
inline std::string Fmt2(double value) {
    return FormatNumber("%.2f", value);
}
inline std::string Fmt3(double value) {
    return FormatNumber("%.3f", value);
}
inline std::string Fmt4(double value) {
    return FormatNumber("%.4f", value);
}

// Whether every value is a number a report can show: an input that drives a result to infinity
// or "nan" is refused instead.
inline bool AllFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

} // namespace ferrolab
