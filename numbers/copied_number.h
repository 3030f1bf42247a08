// Numbers as people copy them from elsewhere: a web page, a spreadsheet, a
// bank statement. "Coller" and the edit panel's operand box both read their
// text here, so the two accept exactly the same forms.
#pragma once

#include <optional>
#include <string_view>

namespace tallimo {

// The nearest double to a UTF-8 number text in one of these forms:
//   - every form TextToNumber reads ("12,5", "-3", "1,5E-07", "12,");
//   - a point as the decimal mark when the text has no comma ("12.5");
//   - thousands separators in the integer part: spaces, no-break spaces
//     (U+00A0) or narrow no-break spaces (U+202F) ("1 234,5", "1 234.5"), or
//     points when the text has a comma ("1.234,5"); the groups must be
//     those of a thousands grouping (1 to 3 digits, then 3 by 3), and one
//     number uses one kind of separator;
//   - a leading "+", a trailing "€" or " €" (any of the three spaces);
//   - blanks around it (spaces, tabs, line ends, the two no-break spaces).
// Anything else is not a number.
std::optional<double> ReadCopiedNumber(std::string_view text);

}  // namespace tallimo
