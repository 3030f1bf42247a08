// Conversions between doubles and the texts shown in the display, the grid,
// the calculation file and the clipboard. These texts always use the decimal
// comma, whatever the process locale says.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tallimo {

// The text of a double as "%.15G" writes it, with "," for "." and an exponent
// of at least two digits: 15, 0,5, 0,333333333333333, 1E+20, 1E-05, -0,5.
// Negative zero is written "0". Only finite values may be passed.
std::string NumberToText(double value);

// The same text written into `buffer`, which holds the longest one; returns
// its length. Spares a string where texts are written by the thousand.
inline constexpr std::size_t kNumberTextRoom = 32;
std::size_t WriteNumberText(double value, char (&buffer)[kNumberTextRoom]);

// The nearest double to a number text: an optional "-", digits, an optional
// decimal comma with digits (a trailing comma is allowed: "12," is 12), an
// optional exponent ("E" or "e", an optional sign, digits). Anything else,
// including a value beyond the range of a double, is not a number. A value
// too small for a double reads as its nearest double: 0, or a subnormal.
std::optional<double> TextToNumber(std::string_view text);

// Decimal digits of a finite double as its 15-significant-digit text gives
// them: value = sign * 0.digits * 10^exponent. Digits carry no trailing zero;
// zero has no digits. Rounding rules work on this form, so that they act on
// the number the user sees rather than on its binary noise.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};
DecimalDigits ToDecimalDigits(double value);

enum class Rounding { HalfToEven, HalfAwayFromZero, TowardZero };

// The value rounded to `decimals` places after the point (decimals may be
// larger than the digits held, which changes nothing), read back as the
// nearest double.
double RoundDecimals(double value, int decimals, Rounding mode);

}  // namespace tallimo
