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
// text is that whole value without leading zeros or plus sign ("007" -> "7",
// " 12 " -> "12", "&H1F" -> "31", "-0" -> "0"); a count of more than 15
// digits shows its shortest exact digits before the exponent, without a
// comma, so that the field reads it again as the same count ("11E30" ->
// "11E+30"). A number
// too large for a double is refused.
CountText ReadCountText(std::string_view text);

}  // namespace tallimo
