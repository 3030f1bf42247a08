// The texts of the date calculator's count fields (years, months, days), read
// with French conventions whatever the process locale says.
#pragma once

#include <string>
#include <string_view>

namespace tallimo {

struct CountText {
    enum class Kind {
        Empty,     // nothing typed: the field shows "0" again
        SignOnly,  // "-" or "+" on its way to a number: kept as typed, counts 0
        Number,    // a count: the field shows `normal`
        Refused,   // anything else: the field goes back to its last valid text
    };
    Kind kind = Kind::Refused;
    double value = 0;    // what the count is worth
    std::string normal;  // the text the field shows for it
};

// A number is: blanks, an optional sign, then either digits with an optional
// decimal comma and digits and an optional exponent ("E", optional sign,
// digits), or "&H" and hexadecimal digits, or "&O" and octal digits; then
// blanks. No thousands separator. Its value is read up to the decimal comma
// ("1,5" counts 1; "15E-1" counts 1 too: a count is whole), and its normal
// text is that whole value in plain decimal digits, without leading zeros,
// plus sign or exponent ("007" -> "7", " 12 " -> "12", "&H1F" -> "31",
// "-0" -> "0", "1E+20" -> "100000000000000000000"). A number too large for a
// double counts infinitely many, its text kept as it is.
CountText ReadCountText(std::string_view text);

}  // namespace tallimo
