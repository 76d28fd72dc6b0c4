#pragma once
// Text to number, the way every numeric box of the program reads its text.
//
// TextToDouble follows the C library's text-to-double conversion in the "C" locale, whatever the
// process locale is: leading white space is skipped, then the longest prefix that forms a decimal
// number ([sign] digits [. digits] [e|E [sign] digits]) is converted and the rest ignored, so
// "12abc" reads 12 and "  3.5e2mm" reads 350. A text without such a prefix, an empty text, and the
// forms the C library would also accept but an engineer never means ("inf", "nan", hexadecimal
// "0x1A", which reads as its leading "0") give 0. A decimal prefix too large for a double
// ("1e400") also gives 0: it is not a usable dimension, and the calculators' validation then
// refuses it like an empty box.

#include <string_view>

namespace ferrolab {

double TextToDouble(std::string_view text);

} // namespace ferrolab
