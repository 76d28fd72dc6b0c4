#include "engine/Format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace ferrolab {
namespace {

struct Conversion {
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
bool ParseConversion(std::string_view format, Conversion& conv) {
    std::size_t i = 0;
    if (format.size() < 2 || format[i++] != '%') {
        return false;
    }
    for (; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '-') {
            conv.leftAlign = true;
        } else if (c == '+') {
            conv.plusSign = true;
        } else if (c == ' ') {
            conv.spaceSign = true;
        } else if (c == '0') {
            conv.zeroPad = true;
        } else if (c == '#') {
            conv.alternate = true;
        } else {
            break;
        }
    }
    while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
        conv.width = conv.width * 10 + (format[i++] - '0');
        if (conv.width > 200) {
            return false;
        }
    }
    if (i < format.size() && format[i] == '.') {
        ++i;
        conv.precision = 0;
        while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
            conv.precision = conv.precision * 10 + (format[i++] - '0');
            if (conv.precision > 60) {
                return false;
            }
        }
    }
    if (i + 1 != format.size()) {
        return false;
    }
    conv.conversion = format[i];
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

std::string Pad(std::string body, const Conversion& conv, bool numeric) {
    if (static_cast<int>(body.size()) >= conv.width) {
        return body;
    }
    const std::size_t fill = static_cast<std::size_t>(conv.width) - body.size();
    if (conv.leftAlign) {
        return body + std::string(fill, ' ');
    }
    if (conv.zeroPad && numeric) {
        std::size_t at =
            (!body.empty() && (body[0] == '-' || body[0] == '+' || body[0] == ' ')) ? 1 : 0;
        body.insert(at, fill, '0');
        return body;
    }
    return std::string(fill, ' ') + body;
}

std::string SignPrefix(bool negative, const Conversion& conv) {
    if (negative) {
        return "-";
    }
    if (conv.plusSign) {
        return "+";
    }
    if (conv.spaceSign) {
        return " ";
    }
    return "";
}

} // namespace

std::string FormatNumber(std::string_view format, double value) {
    Conversion conv;
    if (!ParseConversion(format, conv)) {
        return std::string(format);
    }
    const int precision = conv.precision < 0 ? 6 : conv.precision;
    const bool negative = std::signbit(value) && !std::isnan(value);
    const double magnitude = std::fabs(value);
    std::string body;
    bool finite = std::isfinite(value);
    if (!finite) {
        body = std::isnan(value) ? "nan" : "inf";
    } else {
        char buffer[400];
        std::chars_format form;
        switch (conv.conversion) {
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
        if (conv.alternate && precision == 0 && body.find('.') == std::string::npos &&
            form == std::chars_format::fixed) {
            body += '.';
        }
        if (form != std::chars_format::fixed) {
            body = WidenExponent(body);
        }
        if (conv.conversion == 'E' || conv.conversion == 'G') {
            for (char& c : body) {
                if (c == 'e') {
                    c = 'E';
                }
            }
        }
    }
    return Pad(SignPrefix(negative, conv) + body, conv, finite);
}

std::string FormatNumber(std::string_view format, int value) {
    Conversion conv;
    if (!ParseConversion(format, conv)) {
        return std::string(format);
    }
    if (conv.conversion != 'd' && conv.conversion != 'i') {
        return FormatNumber(format, static_cast<double>(value));
    }
    const long long wide = value;
    std::string digits = std::to_string(wide < 0 ? -wide : wide);
    // A precision on an integer conversion is the minimum number of digits ("%.2i" of 5 is "05").
    if (conv.precision >= 0) {
        if (static_cast<int>(digits.size()) < conv.precision) {
            digits.insert(0, static_cast<std::size_t>(conv.precision) - digits.size(), '0');
        }
        if (conv.precision == 0 && value == 0) {
            digits.clear();
        }
        conv.zeroPad = false;
    }
    return Pad(SignPrefix(value < 0, conv) + digits, conv, true);
}

} // namespace ferrolab
