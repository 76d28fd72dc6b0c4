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

#include <string>
#include <string_view>

namespace ferrolab {

std::string FormatNumber(std::string_view format, double value);
std::string FormatNumber(std::string_view format, int value);

// "%.2f", the format of nearly every report number.
inline std::string Fmt2(double value) {
    return FormatNumber("%.2f", value);
}

} // namespace ferrolab
