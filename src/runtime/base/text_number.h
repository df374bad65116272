// Number and text conversions shared by the handlers and the profile reader.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorn::runtime {

// Full-width characters are folded to half-width, then the longest leading
// decimal number (blanks, sign, digits, fraction, exponent) is taken; 0 when
// the text does not start with a number.
double TextToNumber(std::string_view utf8);

// printf-style "%.13g": whole numbers have no decimal point.
std::string NumberToText(double value);

// Decimal text of an integer, without leading zeros.
std::string IntegerText(std::int64_t value);

// What an integer-mode edit box shows after losing the focus: the text parsed
// as a 64-bit integer, clamped to 32 bits, written in decimal; "0" becomes "".
std::string NormaliseIntegerInput(std::string_view text);

// Whether an integer-mode edit box accepts this typed character.
bool IntegerInputAccepts(char32_t character);

}  // namespace vorn::runtime
