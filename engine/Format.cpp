#include "engine/Format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace ferrolab {
namespace {

struct Spec {
    bool leftAlign = false;
    bool plusSign = false;
    bool spaceSign = false;
    bool zeroPad = false;
    bool alternate = false;
    int width = 0;
    int precision = -1;
    char conversion = 0;
};

// Parses a single conversion that makes up the whole format text.
bool ParseSpec(std::string_view format, Spec& spec) {
    std::size_t i = 0;
    if (format.size() < 2 || format[i++] != '%') {
        return false;
    }
    for (; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '-') {
            spec.leftAlign = true;
        } else if (c == '+') {
            spec.plusSign = true;
        } else if (c == ' ') {
            spec.spaceSign = true;
        } else if (c == '0') {
            spec.zeroPad = true;
        } else if (c == '#') {
            spec.alternate = true;
        } else {
            break;
        }
    }
    while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
        spec.width = spec.width * 10 + (format[i++] - '0');
        if (spec.width > 200) {
            return false;
        }
    }
    if (i < format.size() && format[i] == '.') {
        ++i;
        spec.precision = 0;
        while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
            spec.precision = spec.precision * 10 + (format[i++] - '0');
            if (spec.precision > 60) {
                return false;
            }
        }
    }
    if (i + 1 != format.size()) {
        return false;
    }
    spec.conversion = format[i];
    return true;
}

// Widens the exponent of an "e" form to at least three digits: "2.55e+04" -> "2.55e+004".
std::string WidenExponent(std::string text) {
    const auto e = text.find_first_of("eE");
    if (e == std::string::npos || e + 1 >= text.size()) {
        return text;
    }
    std::size_t digits = e + 1;
    if (text[digits] != '+' && text[digits] != '-') {
        text.insert(digits, 1, '+');
    }
    ++digits;
    const std::size_t count = text.size() - digits;
    if (count < 3) {
        text.insert(digits, 3 - count, '0');
    }
    return text;
}

std::string Pad(std::string body, const Spec& spec, bool numeric) {
    if (static_cast<int>(body.size()) >= spec.width) {
        return body;
    }
    const std::size_t fill = static_cast<std::size_t>(spec.width) - body.size();
    if (spec.leftAlign) {
        return body + std::string(fill, ' ');
    }
    if (spec.zeroPad && numeric) {
        std::size_t at =
            (!body.empty() && (body[0] == '-' || body[0] == '+' || body[0] == ' ')) ? 1 : 0;
        body.insert(at, fill, '0');
        return body;
    }
    return std::string(fill, ' ') + body;
}

std::string SignPrefix(bool negative, const Spec& spec) {
    if (negative) {
        return "-";
    }
    if (spec.plusSign) {
        return "+";
    }
    if (spec.spaceSign) {
        return " ";
    }
    return "";
}

} // namespace

std::string FormatNumber(std::string_view format, double value) {
    Spec spec;
    if (!ParseSpec(format, spec)) {
        return std::string(format);
    }
    const int precision = spec.precision < 0 ? 6 : spec.precision;
    const bool negative = std::signbit(value) && !std::isnan(value);
    const double magnitude = std::fabs(value);
    std::string body;
    bool finite = std::isfinite(value);
    if (!finite) {
        body = std::isnan(value) ? "nan" : "inf";
    } else {
        char buffer[400];
        std::chars_format form;
        switch (spec.conversion) {
        case 'f':
        case 'F':
            form = std::chars_format::fixed;
            break;
        case 'e':
        case 'E':
            form = std::chars_format::scientific;
            break;
        case 'g':
        case 'G':
            form = std::chars_format::general;
            break;
        default:
            return std::string(format);
        }
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, magnitude, form, precision);
        if (result.ec != std::errc()) {
            return std::string(format);
        }
        body.assign(buffer, result.ptr);
        if (spec.alternate && precision == 0 && body.find('.') == std::string::npos &&
            form == std::chars_format::fixed) {
            body += '.';
        }
        if (form != std::chars_format::fixed) {
            body = WidenExponent(body);
        }
        if (spec.conversion == 'E' || spec.conversion == 'G') {
            for (char& c : body) {
                if (c == 'e') {
                    c = 'E';
                }
            }
        }
    }
    return Pad(SignPrefix(negative, spec) + body, spec, finite);
}

std::string FormatNumber(std::string_view format, int value) {
    Spec spec;
    if (!ParseSpec(format, spec)) {
        return std::string(format);
    }
    if (spec.conversion != 'd' && spec.conversion != 'i') {
        return FormatNumber(format, static_cast<double>(value));
    }
    const long long wide = value;
    std::string digits = std::to_string(wide < 0 ? -wide : wide);
    // A precision on an integer conversion is the minimum number of digits ("%.2i" of 5 is "05").
    if (spec.precision >= 0) {
        if (static_cast<int>(digits.size()) < spec.precision) {
            digits.insert(0, static_cast<std::size_t>(spec.precision) - digits.size(), '0');
        }
        if (spec.precision == 0 && value == 0) {
            digits.clear();
        }
        spec.zeroPad = false;
    }
    return Pad(SignPrefix(value < 0, spec) + digits, spec, true);
}

} // namespace ferrolab
